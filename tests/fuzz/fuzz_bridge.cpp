// Fuzzing of the bridge's portable logic under AddressSanitizer and UBSan:
// the first input byte picks the target, the rest is its input.
//   0: CStrToShortString on arbitrary bytes, terminated or not, in a block of exactly their size
//   1: ShortStringToCStr into exactly 256 bytes
//   2: the suffix rule against a plain reference
//   3: the frame, sensor and stop records copied into blocks of exactly their size
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "bridge/records.h"
#include "bridge/short_string.h"

using namespace kevra;

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void FuzzCStr(const std::uint8_t* data, std::size_t size) {
    // An exact heap copy: any read past the input is an AddressSanitizer report.
    char* src = static_cast<char*>(std::malloc(size ? size : 1));
    std::memcpy(src, data, size);
    const std::size_t limit = size < kShortStringMax ? size : kShortStringMax;
    std::size_t expected = 0;
    while (expected < limit && src[expected] != '\0') ++expected;
    // Without a NUL within the block, only inputs of 255 bytes or more are valid to read.
    if (expected == size && size < kShortStringMax) {
        std::free(src);
        return;
    }
    unsigned char dest[kShortStringBytes + 1];
    std::memset(dest, 0xEE, sizeof dest);
    CStrToShortString(dest, src);
    Require(dest[0] == expected);
    Require(std::memcmp(dest + 1, src, expected) == 0);
    for (std::size_t i = expected + 1; i < sizeof dest; ++i) Require(dest[i] == 0xEE);
    std::free(src);
}

void FuzzShortString(const std::uint8_t* data, std::size_t size) {
    unsigned char src[kShortStringBytes] = {};
    std::memcpy(src, data, size < sizeof src ? size : sizeof src);
    char* dest = static_cast<char*>(std::malloc(kShortStringBytes));
    std::memset(dest, 0x5A, kShortStringBytes);
    ShortStringToCStr(dest, src);
    const std::size_t length = src[0];
    Require(std::memcmp(dest, src + 1, length) == 0 && dest[length] == '\0');
    for (std::size_t i = length + 1; i < kShortStringBytes; ++i) Require(dest[i] == 0x5A);
    std::free(dest);
}

void FuzzSuffix(const std::uint8_t* data, std::size_t size) {
    char* text = static_cast<char*>(std::malloc(size ? size : 1));
    std::memcpy(text, data, size);
    const std::string_view whole(text, size);
    const bool expected = whole.size() >= 22 && whole.substr(whole.size() - 22) == ";use_checkconnectedpad";
    Require(EndsWithCheckConnectedPadSuffix(text, size) == expected);
    std::free(text);
}

template <class Host, class Driver>
void FuzzRecord(const std::uint8_t* data, std::size_t size) {
    Driver driver{};
    std::memcpy(&driver, data, size < sizeof driver ? size : sizeof driver);
    Host* host = static_cast<Host*>(std::malloc(sizeof(Host)));
    CopyRecord(host, driver);
    Require(std::memcmp(host, &driver, sizeof(Host)) == 0);  // the same layout on both sides
    std::free(host);
}

void FuzzFrame(const std::uint8_t* data, std::size_t size) {
    DriverFrameRecord driver{};
    std::memcpy(&driver, data, size < sizeof driver ? size : sizeof driver);
    FrameRecord* host = static_cast<FrameRecord*>(std::malloc(sizeof(FrameRecord)));
    CopyRecord(host, driver);
    const auto* b = reinterpret_cast<const unsigned char*>(&driver);
    const auto* h = reinterpret_cast<const unsigned char*>(host);
    Require(std::memcmp(h, b, 5) == 0 && std::memcmp(h + 5, b + 8, 5) == 0 && std::memcmp(h + 10, b + 16, 4) == 0);
    std::free(host);
    FuzzRecord<SensorSizeRecord, DriverSensorSizeRecord>(data, size);
    FuzzRecord<ReadStopRecord, DriverReadStopRecord>(data, size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    switch (data[0] % 4) {
    case 0: FuzzCStr(data + 1, size - 1); break;
    case 1: FuzzShortString(data + 1, size - 1); break;
    case 2: FuzzSuffix(data + 1, size - 1); break;
    case 3: FuzzFrame(data + 1, size - 1); break;
    }
    return 0;
}
