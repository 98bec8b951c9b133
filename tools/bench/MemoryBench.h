#pragma once

class BenchReport;
struct BenchContext;

// The peak resident memory of the whole run, against the 128 MB target.
int benchMemory(BenchContext& context, BenchReport& report);
