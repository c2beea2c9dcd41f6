/* A host's view of kevrad2c.h, compiled as C and as C++ (see
 * cmake/header.cmake) with warnings as errors.
 *
 * Every export's address is taken into a pointer whose type is built from its
 * row of the entry list, so a missing declaration, a changed result or
 * parameter type, or a changed calling convention stops the build. The
 * records' layouts and the packing after the header are checked as well. */
#include "kevrad2c.h"
#include "kevrad2c.h" /* a second inclusion changes nothing */

#ifdef __cplusplus
#include <cstddef>
#else
#include <stddef.h>
#endif

#define KEVRA_CHECK(name, condition) typedef char kevra_check_##name[(condition) ? 1 : -1]

/* The packed record layouts a host relies on. */
KEVRA_CHECK(sensor_size, sizeof(SensorSizeRecord) == 12 && offsetof(SensorSizeRecord, word6) == 10 &&
                             sizeof(((SensorSizeRecord *)0)->word1) == 2);
KEVRA_CHECK(read_stop, sizeof(ReadStopRecord) == 6 && offsetof(ReadStopRecord, byte6) == 5);
KEVRA_CHECK(frame_size, sizeof(FrameRecord) == 14);
KEVRA_CHECK(frame_offsets, offsetof(FrameRecord, word1) == 0 && offsetof(FrameRecord, word2) == 2 &&
                               offsetof(FrameRecord, byte1) == 4 && offsetof(FrameRecord, dword1) == 5 &&
                               offsetof(FrameRecord, byte2) == 9 && offsetof(FrameRecord, dword2) == 10);
KEVRA_CHECK(frame_fields, sizeof(((FrameRecord *)0)->byte1) == 1 && sizeof(((FrameRecord *)0)->dword1) == 4 &&
                              sizeof(((FrameRecord *)0)->dword2) == 4);

/* The header's packing must not leak into the host's own structures. */
struct kevra_host_struct {
    char c;
    int32_t i;
};
KEVRA_CHECK(packing_restored, sizeof(struct kevra_host_struct) == 8);

/* The entry list's kinds spelled as the C types of the exports. */
typedef void None;
typedef int32_t Int32;
typedef int32_t Bool;
typedef int32_t I32;
typedef int32_t Byte;
typedef const char *Str;
typedef char *StrIO;
typedef char *Out;
typedef char *OpenOut;
typedef SensorSizeRecord *SensorRec;
typedef ReadStopRecord *StopRec;
typedef FrameRecord *FrameRec;

int main(void) {
    {
        int32_t (KEVRA_CALL *const p)(void) = &KEVRA_initialize;
        (void)p;
    }
    {
        void (KEVRA_CALL *const p)(void) = &KEVRA_uninitialize;
        (void)p;
    }
#define KEVRA_ROW(index, family, entry, name, result, without_driver, shape, kinds) \
    {                                                                              \
        result (KEVRA_CALL *const p) kinds = &KEVRA_##name;                        \
        (void)p;                                                                   \
    }
#include "binding/entry_list.inc"
#undef KEVRA_ROW
    return 0;
}
