#include "tests/support/FaultyFiles.h"

#include "platform/Platform.h"

namespace {

struct Plan {
    int failAt;
    FaultyFiles::Fault fault;
    unsigned ops;
    int calls;
    bool fired;
    std::vector<unsigned> kinds;
};
Plan plan;


bool ShouldFail(unsigned op) {
    if (!(plan.ops & op)) return false;
    ++plan.calls;
    plan.kinds.push_back(op);
    const bool fail = plan.calls == plan.failAt ||
                      (plan.fault == FaultyFiles::Fault::Persistent && plan.calls > plan.failAt);
    if (fail) {
        plan.fired = true;
        plat::SetLastErrorCode(FaultyFiles::INJECTED_ERROR);
    }
    return fail;
}

const plat::FileOps& Real() { return plat::systemFileOps; }

plat::File* FaultyOpen(const char* path, plat::FileMode mode) {
    return ShouldFail(FaultyFiles::Open) ? nullptr : Real().open(path, mode);
}
size_t FaultyRead(plat::File* f, void* buffer, size_t length) {
    return ShouldFail(FaultyFiles::Read) ? plat::READ_FAILED : Real().read(f, buffer, length);
}
bool FaultyWrite(plat::File* f, const void* data, size_t length) {
    return ShouldFail(FaultyFiles::Write) ? false : Real().write(f, data, length);
}
bool FaultyFlush(plat::File* f) { return ShouldFail(FaultyFiles::Flush) ? false : Real().flush(f); }
bool FaultyClose(plat::File* f) {
    // A failed close still releases the file, as it does on the real systems.
    const bool fail = ShouldFail(FaultyFiles::Close);
    const bool ok = Real().close(f);
    if (fail) plat::SetLastErrorCode(FaultyFiles::INJECTED_ERROR);
    return ok && !fail;
}
bool FaultyExists(const char* path) { return ShouldFail(FaultyFiles::Exists) ? false : Real().exists(path); }
bool FaultyRemove(const char* path) { return ShouldFail(FaultyFiles::Remove) ? false : Real().remove(path); }
bool FaultyMove(const char* from, const char* to) { return ShouldFail(FaultyFiles::Move) ? false : Real().move(from, to); }

}  // namespace

FaultyFiles::FaultyFiles(int failAt, Fault fault, unsigned ops) {
    plan = Plan{failAt, fault, ops, 0, false, {}};
    plat::fileOps = plat::FileOps{FaultyOpen, FaultyRead, FaultyWrite, FaultyFlush, FaultyClose, FaultyExists, FaultyRemove, FaultyMove};
}

FaultyFiles::~FaultyFiles() { plat::fileOps = plat::systemFileOps; }

bool FaultyFiles::fired() const { return plan.fired; }
int FaultyFiles::calls() const { return plan.calls; }
const std::vector<unsigned>& FaultyFiles::kinds() const { return plan.kinds; }
