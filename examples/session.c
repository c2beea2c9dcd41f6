/* A typical host session with the adapter, step by step:
 * bind the driver, find and configure the pad, show a text, capture a
 * signature and fetch its frames, read the biometric data, unbind.
 * Build it against kevrad2c.h and the import library; run it with
 * kevrad2c.dll and a kevra.dll where Windows finds them. */
#include <stdio.h>
#include <string.h>

#include "kevrad2c.h"

int main(void) {
    char text[256];
    FrameRecord frame;
    SensorSizeRecord sensor;
    int32_t result;
    int frames = 0;

    result = KEVRA_initialize();
    printf("KEVRA_initialize() = %d\n", (int)result);
    if (result != 1) {
        printf("no driver library: kevra.dll was not found by its name nor in the registry directory\n");
        return 1;
    }

    result = KEVRA_EnumeratePadsFirst(text);
    printf("KEVRA_EnumeratePadsFirst() = %d, pad \"%s\"\n", (int)result, text);
    while (KEVRA_EnumeratePadsNext(text))
        printf("KEVRA_EnumeratePadsNext() = 1, pad \"%s\"\n", text);

    strcpy(text, "");
    result = KEVRA_configurePad("USB;use_checkconnectedpad", 0, 1, 0, text);
    printf("KEVRA_configurePad(\"USB;use_checkconnectedpad\") = %d, \"%s\"\n", (int)result, text);

    KEVRA_getSensorSize(&sensor);
    printf("KEVRA_getSensorSize: %u %u %u %u %u %u\n", sensor.word1, sensor.word2, sensor.word3, sensor.word4,
           sensor.word5, sensor.word6);
    printf("KEVRA_getOEMType() = %d\n", (int)KEVRA_getOEMType());

    result = KEVRA_LCDTextOut(10, 10, "Please sign below");
    printf("KEVRA_LCDTextOut(\"Please sign below\") = %d\n", (int)result);

    strcpy(text, "signature");
    result = KEVRA_startCapture("document.pdf", 0, 0, 320, 160, text);
    printf("KEVRA_startCapture() = %d, \"%s\"\n", (int)result, text);

    while (frames < 100 && KEVRA_framesAvailable()) {
        KEVRA_getFrame(&frame);
        printf("  frame %d: x=%u y=%u pen=%u time=%lu pressure=%lu\n", ++frames, frame.word1, frame.word2,
               frame.byte1, (unsigned long)frame.dword1, (unsigned long)frame.dword2);
    }

    result = KEVRA_stopCapture(0, 0, 0);
    printf("KEVRA_stopCapture() = %d after %d frames\n", (int)result, frames);
    printf("KEVRA_GetBioDataString() = 0x%08lX\n", (unsigned long)(uint32_t)KEVRA_GetBioDataString());

    KEVRA_uninitialize();
    printf("KEVRA_uninitialize(): done\n");
    return 0;
}
