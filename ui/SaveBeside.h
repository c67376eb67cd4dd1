// Saving a file that belongs beside the page: the check file and the reduced
// thread log after a conversion.
#pragma once

#include <functional>

#include "platform/ReplacingFile.h"

// Writes the file named by pagePath's drive, folder and stem followed by
// ending, under a temporary name first and moved into place only once whole.
// write puts the content in and returns null, or the failure text of the
// piece it could not write. A name too long (refused, never cut), a file that
// cannot be created, a failed write or a failed move is logged at once as an
// error record with failure (a failed write with its own text), at the
// caller's line; whatever stood at the name then stays as it was. True when saved.
bool SaveBesidePage(const char* pagePath, const char* ending, const char* failure, unsigned line,
                    const std::function<const char*(plat::ReplacingFile& file)>& write);
