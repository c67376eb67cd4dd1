#include "posts/PostTable.h"

#include <cstring>

// Zero at start: about 15 MB, allocated once for the life of the process.
PostRecord postTable[POST_TABLE_CAPACITY];
char loadedLogPath[PATH_BUFFER_SIZE];

void ClearPostTable() { memset(postTable, 0, sizeof postTable); }
