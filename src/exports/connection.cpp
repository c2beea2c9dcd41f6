// Connection, pad selection and device queries. Every export is expanded from
// its row of the entry list; KEVRA_configurePad adds the suffix route below.
#include <cstdlib>
#include <cstring>

#include "bridge/forward.h"

#define KEVRA_FAMILY_CONNECTION KEVRA_DEFINE
#include "bridge/family.inc"

// A first text ending in ";use_checkconnectedpad" asks for the connected-pad
// check instead: the text without the suffix, p3 and p2 trading places. The
// suffix is looked for before the guard, and the 255-character limit applies
// to the text once the suffix is gone.
extern "C" int32_t KEVRA_CALL KEVRA_configurePad(const char* p1, int32_t p2, int32_t p3, int32_t p4, char* p5) {
    const std::size_t n = kevra::TextLength(p1);
    if (!kevra::EndsWithCheckConnectedPadSuffix(p1, n)) return configurePadDirect(p1, p2, p3, p4, p5);

    char* copy = static_cast<char*>(std::malloc(n + 1));
    if (copy == nullptr) return 0;  // no copy, no call: reported as "not done"
    std::memcpy(copy, p1, n + 1);
    copy[n - kevra::kCheckConnectedPadSuffixLength] = '\0';
    const int32_t result = KEVRA_checkConnectedPad(copy, p3, p2, p4, p5);
    std::free(copy);
    return result;
}
