#ifndef BENCH_BENCHCLOCK_H
#define BENCH_BENCHCLOCK_H

// What the CPU benchmarks measure with: this process's CPU time, and a real event loop run for a
// while (polling processEvents() would itself keep a core busy).
#include <functional>

// User plus system CPU seconds of this process, all threads.
double cpuSeconds();

// Runs the event loop for ms milliseconds, or until done() holds (checked every 50 ms).
void runFor(
    int ms, const std::function<bool()> &done = [] { return false; });

#endif // BENCH_BENCHCLOCK_H
