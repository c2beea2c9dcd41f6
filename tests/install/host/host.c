/* Binds the driver through the installed kit and reads a frame. */
#include <stdio.h>

#include "kevrad2c.h"

int main(void) {
    char pad[256] = "";
    FrameRecord frame;
    const int32_t bound = KEVRA_initialize();
    const int32_t found = KEVRA_EnumeratePadsFirst(pad);
    KEVRA_getFrame(&frame);
    KEVRA_uninitialize();
    printf("initialize=%d pad=%d \"%s\" frame=%u\n", (int)bound, (int)found, pad, (unsigned)sizeof frame);
    return bound == 1 ? 0 : 1;
}
