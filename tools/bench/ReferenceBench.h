#pragma once

class BenchReport;
struct BenchContext;

// The reference costs the other figures are given against: one full-screen
// blit of an 800 by 600 display-format picture (kept in the context) and the
// 34 ms frame budget. Returns 0, or -1 when the picture could not be made.
int benchReference(BenchContext& context, BenchReport& report);
