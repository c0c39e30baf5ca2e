#pragma once
// The analysis benchmark: each file registers its measurements; the program runs them in turn.

#include <chrono>
#include <cstdio>
#include <functional>

namespace solar::bench {

// Registers a benchmark to run; use as `static const bool r = addBench("name", fn);`.
bool addBench(const char *name, void (*fn)());

// Microseconds per call of `op`, the best of `rounds` rounds of `calls` calls each (the best
// round is the one least disturbed by other work on the machine).
template <class F> double microsPerCall(F &&op, int calls, int rounds = 7) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            op();
        const auto t1 = std::chrono::steady_clock::now();
        const double us = std::chrono::duration<double, std::micro>(t1 - t0).count() / calls;
        if (us < best)
            best = us;
    }
    return best;
}

} // namespace solar::bench
