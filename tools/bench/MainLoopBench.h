#pragma once

class BenchReport;
struct BenchContext;

// The program's own main loop, left to run in the menu and then in course 1
// with nobody at the keys, as a player's machine sees it: the process's CPU
// time per second of play, logic frames per second and presents per logic
// frame. Returns 0, or -1 when the game could not be loaded.
int benchMainLoop(BenchContext& context, BenchReport& report);
