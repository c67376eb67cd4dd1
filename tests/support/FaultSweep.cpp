#include "tests/support/FaultSweep.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {
const int LONG_WRITE_RUN = 10;  // writes in a row beyond which only the first two and the last fail
}  // namespace

Swept SweepFaults(Fault fault, const std::function<void()>& prepare, const std::function<int()>& run,
                  const std::function<void(const Outcome&)>& check) {
    std::vector<unsigned> kinds;  // of the calls of a run without a fault
    prepare();
    {
        FaultyFiles probe(INT_MAX, Fault::Transient);
        run();
        kinds = probe.kinds();
    }
    const int calls = static_cast<int>(kinds.size());
    auto isWrite = [&](int n) { return n <= calls && kinds[n - 1] == FaultyFiles::Write; };
    std::vector<bool> skipped(calls + 2, false);
    for (int first = 1; first <= calls;) {
        int last = first;  // of the writes from first on, or first itself
        while (isWrite(first) && isWrite(last + 1)) ++last;
        if (last - first + 1 > LONG_WRITE_RUN)
            for (int n = first + 2; n < last; ++n) skipped[n] = true;
        first = last + 1;
    }
    const bool failedBefore = ::testing::Test::HasFailure();
    int runs = 0;
    for (int n = 1;; ++n) {
        if (skipped[n]) continue;
        prepare();
        Outcome outcome{fault, 0, 0};
        {
            FaultyFiles faults(n, fault);
            outcome.result = run();
            if (!faults.fired()) {
                EXPECT_EQ(n, calls + 1) << "the same calls in every run";
                return {calls, runs};
            }
            const std::vector<unsigned>& failed = faults.kinds();
            for (size_t i = n - 1; i < (fault == Fault::Transient ? n : failed.size()); ++i)
                outcome.failedOps |= failed[i];
        }
        ++runs;
        SCOPED_TRACE((fault == Fault::Transient ? "transient fault at call " : "persistent fault from call ") +
                     std::to_string(n) + ", failed kinds " + std::to_string(outcome.failedOps));
        check(outcome);
        if (::testing::Test::HasFailure() && !failedBefore) return {calls, runs};
    }
}
