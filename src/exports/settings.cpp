// Driver options, driver values and configuration variables.
// Every export is expanded from its row of the entry list.
#include "bridge/forward.h"

#define KEVRA_FAMILY_SETTINGS KEVRA_DEFINE
#include "bridge/family.inc"
