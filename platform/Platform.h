// The platform seam: every operating-system service the portable code uses.
//
// Paths and texts are Shift_JIS bytes. The Windows side converts them with code
// page 932 and calls the W functions, so Japanese paths work whatever the ANSI
// code page; the POSIX side passes the bytes through. The build picks one side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Every path buffer of the program and of Scriv: 259 bytes of path and the
// terminating zero, as on Windows. Longer paths are refused or cut, never overrun.
const int PATH_BUFFER_SIZE = 260;

namespace plat {

// Files are always binary: code that wants CR LF writes it.
enum class FileMode { Read, Write, Append };

struct File;

// What read returns for a failed read: 0 means the end of the file, and a
// file cut short by a read error must not pass for a whole one.
const size_t READ_FAILED = static_cast<size_t>(-1);

// File operations go through this table so that tests can make the Nth call
// fail (see tests/support/FaultyFiles.h). Each returns false or null on
// failure and leaves the system's last-error value set.
struct FileOps {
    File* (*open)(const char* path, FileMode mode);
    // The bytes read, fewer than length only at the end of the file; READ_FAILED on failure.
    size_t (*read)(File* file, void* buffer, size_t length);
    bool (*write)(File* file, const void* data, size_t length);
    bool (*flush)(File* file);
    bool (*close)(File* file);
    bool (*exists)(const char* path);
    bool (*remove)(const char* path);
    // Moves a file, replacing the target, copying across volumes, and returns
    // only once the move has reached the disk.
    bool (*move)(const char* from, const char* to);
};

extern const FileOps systemFileOps;
extern FileOps fileOps;  // the table in use; systemFileOps unless a test swapped it

inline File* FileOpen(const char* path, FileMode mode) { return fileOps.open(path, mode); }
inline size_t FileRead(File* f, void* buffer, size_t length) { return fileOps.read(f, buffer, length); }
inline bool FileWrite(File* f, const void* data, size_t length) { return fileOps.write(f, data, length); }
inline bool FileFlush(File* f) { return fileOps.flush(f); }
inline bool FileClose(File* f) { return fileOps.close(f); }
inline bool FileExists(const char* path) { return fileOps.exists(path); }
inline bool FileRemove(const char* path) { return fileOps.remove(path); }
inline bool FileMove(const char* from, const char* to) { return fileOps.move(from, to); }

// Reads a whole file into out. False, with out empty, when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& out);

// Writes data to a temporary file beside path and moves it over path once it
// is wholly written and closed: a failure never leaves a cut-short file where
// a good one was. The temporary file is removed on failure.
bool WriteWholeFile(const char* path, const void* data, size_t length);

// The calling thread's last-error value: GetLastError on Windows, errno on POSIX.
uint32_t GetLastErrorCode();
void SetLastErrorCode(uint32_t code);

// The system's text for an error code, on one line, at most size - 1 bytes.
// False when the system has no text for the code.
bool ErrorText(uint32_t code, char* out, size_t size);

// The full path the system makes of path: relative to the current folder,
// "." and ".." taken out. False when it has none or it would not fit size - 1 bytes.
bool FullPath(const char* path, char* out, size_t size);

// Full path of the running executable (not of a library), cut to size - 1 bytes.
void ModulePath(char* out, size_t size);

struct LocalTime {
    int year, month, day, hour, minute, second, millisecond;
};

LocalTime SystemLocalTime();
extern LocalTime (*localTime)();  // the clock in use; tests replace it

}  // namespace plat
