#include "MemoryBench.h"

#include <sys/resource.h>

#include "BenchContext.h"
#include "BenchReport.h"

namespace {

constexpr double kTargetMb = 128.0;

}  // namespace

int benchMemory(BenchContext&, BenchReport& report) {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) {
        return -1;
    }
    const double mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    report.add("memory", "peak resident set", mb, "MB");
    report.add("memory", "target: under 128 MB", mb < kTargetMb, "met");
    return 0;
}
