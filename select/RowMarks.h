// How the selection commands read a row's mark.
#pragma once

// A row is marked when its state image minus 1 is not 0: a ticked check box,
// and also a row that does not exist (state image 0) because no thread log
// has been loaded yet.
inline bool IsMarked(int stateImage) { return stateImage - 1 != 0; }
