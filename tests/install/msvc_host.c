/* Linked with lld-link against kevrad2c.lib alone, the way Microsoft's linker
 * links a C host: no C runtime, the entry point returns what initialize says. */
#include "kevrad2c.h"

int __cdecl start(void) {
    const int32_t bound = KEVRA_initialize();
    KEVRA_uninitialize();
    return bound == 1 ? 42 : 7;
}
