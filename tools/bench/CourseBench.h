#pragma once

class BenchReport;
struct BenchContext;

// The four courses and the boss fight flown by the test pilots with two
// players, and a craft that hugs course 4's bands and the chamber's ceiling:
// update and render times, allocations. Returns 0, or -1 when the game
// could not be loaded.
int benchCourses(BenchContext& context, BenchReport& report);
