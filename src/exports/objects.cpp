// Dialog objects, their states and variables.
// Every export is expanded from its row of the entry list.
#include "bridge/forward.h"

#define KEVRA_FAMILY_OBJECTS KEVRA_DEFINE
#include "bridge/family.inc"
