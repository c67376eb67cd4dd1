#include "ui/SaveBeside.h"

#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "scriv/Scriv.h"
#include "ui/SourceNames.h"

bool SaveBesidePage(const char* pagePath, const char* ending, const char* failure, unsigned line,
                    const std::function<const char*(plat::ReplacingFile& file)>& write) {
    char path[PATH_BUFFER_SIZE];
    if (!ReplaceExtension(pagePath, ending, path, sizeof path)) {
        Scriv(SCRIV_ERROR, 0, failure, SOURCE_HARVO, line);
        return false;
    }
    plat::ReplacingFile file(path);
    if (!file.IsOpen()) {
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), failure, SOURCE_HARVO, line);
        return false;
    }
    if (const char* writeFailure = write(file)) {
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), writeFailure, SOURCE_HARVO, line);
        return false;
    }
    // A file that could not be put in place counts as one not created.
    if (!file.Commit()) {
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), failure, SOURCE_HARVO, line);
        return false;
    }
    return true;
}
