#include "BenchReport.h"

#include <cstdio>

namespace {

// Names are plain ASCII chosen by the benchmark; only quotes and
// backslashes need escaping.
std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

void BenchReport::add(const std::string& section, const std::string& name, double value,
                      const std::string& unit) {
    figures_.push_back(Figure{section, name, value, unit});
}

void BenchReport::printTable() const {
    std::printf("%-12s %-44s %14s  %s\n", "section", "figure", "value", "unit");
    for (const Figure& f : figures_) {
        if (f.unit == "met") {
            std::printf("%-12s %-44s %14s\n", f.section.c_str(), f.name.c_str(),
                        f.value != 0.0 ? "met" : "MISSED");
            continue;
        }
        std::printf("%-12s %-44s %14.2f  %s\n", f.section.c_str(), f.name.c_str(), f.value,
                    f.unit.c_str());
    }
}

int BenchReport::writeJson(const std::string& path) const {
    FILE* out = std::fopen(path.c_str(), "w");
    if (!out) {
        return -1;
    }
    std::fprintf(out, "{\n  \"figures\": [");
    for (size_t i = 0; i < figures_.size(); ++i) {
        const Figure& f = figures_[i];
        std::fprintf(out, "%s\n    {\"section\": %s, \"name\": %s, \"value\": %.3f, \"unit\": %s}",
                     i ? "," : "", jsonString(f.section).c_str(), jsonString(f.name).c_str(),
                     f.value, jsonString(f.unit).c_str());
    }
    std::fprintf(out, "\n  ]\n}\n");
    return std::fclose(out) == 0 ? 0 : -1;
}
