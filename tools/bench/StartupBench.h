#pragma once

class BenchReport;
struct BenchContext;

// The program's start-up as it does it: SDL video and audio, the window,
// the mixer, all nine music tracks and seven effects, every picture, and
// the first menu frame presented. SDL is shut down first and left running
// afterwards with a fresh display, which the context then holds. Returns 0,
// or -1 when SDL could not be brought up again.
int benchStartup(BenchContext& context, BenchReport& report);
