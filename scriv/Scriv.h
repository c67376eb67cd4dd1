/* Scriv: the logging library. Records are appended to a rotating log file;
 * texts are zero-terminated Shift_JIS bytes, read during the call only.
 * Record kinds: 0 error, 1 trace, 2 debug. The ordinals of the exports are
 * part of the interface (Scriv.def). */
#ifndef SCRIV_SCRIV_H
#define SCRIV_SCRIV_H

#if defined(_WIN32) || !defined(SCRIV_BUILDING)
#define SCRIV_API
#else
#define SCRIV_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The record kinds, which are also the levels of the log: a level writes the
 * kinds up to its own. */
enum { SCRIV_ERROR = 0, SCRIV_TRACE = 1, SCRIV_DEBUG = 2 };

SCRIV_API int InitLog(const char* iniPath);
SCRIV_API void TermLog(void);
SCRIV_API int Scriv(int kind, unsigned int errorCode, const char* message, const char* sourceFile,
                    unsigned int line);
SCRIV_API int ScrivEx(int kind, unsigned int errorCode, const char* first, const char* second);
SCRIV_API int ScrivInt(int kind, unsigned int errorCode, const char* name, int value);
SCRIV_API int ScrivDump(int kind, const void* start, unsigned int length);
SCRIV_API int ScrivFree(int kind, const char* format, ...);

#ifdef __cplusplus
}
#endif

#endif
