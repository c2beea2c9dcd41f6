// Display output: language, sign text and image, LCD output, buttons, promotional images.
// Every export is expanded from its row of the entry list.
#include "bridge/forward.h"

#define KEVRA_FAMILY_DISPLAY KEVRA_DEFINE
#include "bridge/family.inc"
