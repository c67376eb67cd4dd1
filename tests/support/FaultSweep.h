// The fault sweep: a command run again and again with each of its file
// operations failing in turn, and what it leaves checked after every run.
#pragma once

#include <functional>

#include "tests/support/FaultyFiles.h"

using Fault = FaultyFiles::Fault;

// What one run with a fault did.
struct Outcome {
    Fault fault;
    int result;
    unsigned failedOps;  // FaultyFiles::Op bits
};

struct Swept {
    int calls;  // file operations of a run without a fault
    int runs;   // runs with a fault
};

// Runs prepare, then run with the Nth file operation failing, then check,
// for N = 1, 2, 3 ... until a run makes no call fail; stops at the first
// run that breaks a check. A file written piece by piece in a long run of
// writes (the reduced thread log: two per line) is made to fail at its
// first two writes and its last only: those between take the path of the
// second, and the sweep stays quick under Wine.
Swept SweepFaults(Fault fault, const std::function<void()>& prepare, const std::function<int()>& run,
                  const std::function<void(const Outcome&)>& check);
