// Fault injection through the platform seam: while an instance lives, the
// Nth file operation of the chosen kinds fails, once (transient) or from then
// on (persistent). Every other call goes to the real operation.
#pragma once

#include <cstdint>
#include <vector>

class FaultyFiles {
public:
    enum Op : unsigned { Open = 1, Read = 2, Write = 4, Flush = 8, Close = 16, Exists = 32, Remove = 64, Move = 128,
                         All = 255 };
    enum class Fault { Transient, Persistent };
    // The last-error value a failed call leaves: a write fault on Windows,
    // ESPIPE on POSIX; either is foreign enough to be told from a real one.
    static constexpr uint32_t INJECTED_ERROR = 29;

    FaultyFiles(int failAt, Fault fault, unsigned ops = All);
    ~FaultyFiles();
    FaultyFiles(const FaultyFiles&) = delete;
    FaultyFiles& operator=(const FaultyFiles&) = delete;

    bool fired() const;  // whether any call was made to fail
    int calls() const;   // calls of the chosen kinds so far
    const std::vector<unsigned>& kinds() const;  // the kind (Op) of each of those calls, in order
};
