#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ChildProcess.h"

namespace {

TEST(CommandLineTest, OptionsAndWhatIsRefused) {
    constexpr int kSaved = CommandLine::kAsSaved;
    struct Case {
        std::vector<const char*> args;
        int action;
        double scale;
        int fullScreen;
    };
    for (const Case& c : {
             Case{{}, CommandLine::Play, 0.0, kSaved},
             Case{{"--scale", "1"}, CommandLine::Play, 1.0, kSaved},
             Case{{"--scale", "2.5", "--fullscreen"}, CommandLine::Play, 2.5, 1},
             Case{{"--window", "--scale", "4"}, CommandLine::Play, 4.0, 0},
             Case{{"--fullscreen", "--window"}, CommandLine::Play, 0.0, 0},
             Case{{"--window", "--help"}, CommandLine::ShowUsage, 0.0, 0},
             Case{{"--version", "--nonsense"}, CommandLine::ShowVersion, 0.0, kSaved},
             Case{{"--scale"}, CommandLine::Refused, 0.0, kSaved},
             Case{{"--scale", "5"}, CommandLine::Refused, 0.0, kSaved},
             Case{{"--scale", "1.5x"}, CommandLine::Refused, 0.0, kSaved},
             Case{{"--scale", ""}, CommandLine::Refused, 0.0, kSaved},
             Case{{"--full"}, CommandLine::Refused, 0.0, kSaved},
         }) {
        std::vector<const char*> argv = {"kavrel"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        CommandLine options;
        const std::string line = c.args.empty() ? "" : c.args[0];
        EXPECT_EQ(c.action, options.parse(static_cast<int>(argv.size()), argv.data())) << line;
        EXPECT_EQ(c.scale, options.scale()) << line;
        EXPECT_EQ(c.fullScreen, options.fullScreen()) << line;
    }
}

// Asked from a terminal with no display, the program answers and ends.
TEST(CommandLineTest, TheProgramAnswersWithoutADisplay) {
    const std::string program = std::string(KAVREL_BUILD_DIR) + "/run/kavrel";
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    for (const Case& c : {Case{{"--help"}, 0, "usage: kavrel"}, Case{{"--version"}, 0, "kavrel 0"},
                          Case{{"--scale", "7"}, 2, "usage: kavrel"}}) {
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string output;
        EXPECT_EQ(c.status, ChildProcess::run(argv, {"DISPLAY", "SDL_VIDEODRIVER"}, &output))
            << c.args[0];
        EXPECT_EQ(0u, output.find(c.says)) << output;
    }
}

}  // namespace
