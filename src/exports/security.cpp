// Certificates and document hashes.
// Every export is expanded from its row of the entry list.
#include "bridge/forward.h"

#define KEVRA_FAMILY_SECURITY KEVRA_DEFINE
#include "bridge/family.inc"
