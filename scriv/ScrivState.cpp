#include "scriv/ScrivState.h"

#include <cstring>

ScrivState scrivState;

void ScrivResetState() { memset(&scrivState, 0, sizeof scrivState); }
