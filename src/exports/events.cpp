// Device event handlers: the host's handler addresses go to the driver unchanged.
// Every export is expanded from its row of the entry list.
#include "bridge/forward.h"

#define KEVRA_FAMILY_EVENTS KEVRA_DEFINE
#include "bridge/family.inc"
