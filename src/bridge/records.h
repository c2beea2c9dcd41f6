// The records exchanged with the driver: the host's packed layouts (from the
// public header) and the driver's aligned ones, with the field-by-field copies
// between them. Portable code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "kevrad2c.h"

namespace kevra {

static_assert(sizeof(SensorSizeRecord) == 12 && offsetof(SensorSizeRecord, word6) == 10);
static_assert(sizeof(ReadStopRecord) == 6 && offsetof(ReadStopRecord, byte6) == 5);
static_assert(sizeof(FrameRecord) == 14);
static_assert(offsetof(FrameRecord, word2) == 2 && offsetof(FrameRecord, byte1) == 4 &&
              offsetof(FrameRecord, dword1) == 5 && offsetof(FrameRecord, byte2) == 9 &&
              offsetof(FrameRecord, dword2) == 10);

// The driver fills the sensor size and the stop-read record in the host's own layouts.
struct DriverSensorSizeRecord {
    std::uint16_t word1, word2, word3, word4, word5, word6;
};
struct DriverReadStopRecord {
    std::uint8_t byte1, byte2, byte3, byte4, byte5, byte6;
};
// The driver's frame: each field at its natural alignment, 20 bytes.
struct DriverFrameRecord {
    std::uint16_t word1;
    std::uint16_t word2;
    std::uint8_t byte1;
    std::uint32_t dword1;
    std::uint8_t byte2;
    std::uint32_t dword2;
};
static_assert(sizeof(DriverSensorSizeRecord) == 12);
static_assert(sizeof(DriverReadStopRecord) == 6);
static_assert(sizeof(DriverFrameRecord) == 20);
static_assert(offsetof(DriverFrameRecord, word2) == 2 && offsetof(DriverFrameRecord, byte1) == 4 &&
              offsetof(DriverFrameRecord, dword1) == 8 && offsetof(DriverFrameRecord, byte2) == 12 &&
              offsetof(DriverFrameRecord, dword2) == 16);

// Field by field, word for word: the packed host record is written through
// its own members, so nothing past its last byte is touched.
inline void CopyRecord(SensorSizeRecord* dst, const DriverSensorSizeRecord& src) noexcept {
    dst->word1 = src.word1;
    dst->word2 = src.word2;
    dst->word3 = src.word3;
    dst->word4 = src.word4;
    dst->word5 = src.word5;
    dst->word6 = src.word6;
}
inline void CopyRecord(ReadStopRecord* dst, const DriverReadStopRecord& src) noexcept {
    dst->byte1 = src.byte1;
    dst->byte2 = src.byte2;
    dst->byte3 = src.byte3;
    dst->byte4 = src.byte4;
    dst->byte5 = src.byte5;
    dst->byte6 = src.byte6;
}
// The padding after byte1 and byte2 stays behind.
inline void CopyRecord(FrameRecord* dst, const DriverFrameRecord& src) noexcept {
    dst->word1 = src.word1;
    dst->word2 = src.word2;
    dst->byte1 = src.byte1;
    dst->dword1 = src.dword1;
    dst->byte2 = src.byte2;
    dst->dword2 = src.dword2;
}

}  // namespace kevra
