#pragma once

class BenchReport;
struct BenchContext;

// The four courses and the boss fight flown with two players by the keys of
// recorded timelines (tools/bench/timelines/, made by kavrel-record), and a
// craft that hugs course 4's bands and the chamber's ceiling: update and
// render times, allocations. Returns 0, or -1 when the game or a timeline
// could not be loaded.
int benchCourses(BenchContext& context, BenchReport& report);
