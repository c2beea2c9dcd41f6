// Capture and biometric data: reads, captures, frames, biometric data and images.
// Every export is expanded from its row of the entry list.
#include "bridge/forward.h"

#define KEVRA_FAMILY_CAPTURE KEVRA_DEFINE
#include "bridge/family.inc"
