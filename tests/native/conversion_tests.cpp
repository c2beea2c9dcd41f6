// The portable parts of the bridge, natively and under AddressSanitizer: the
// short-string conversions, the suffix rule and the record copies.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bridge/records.h"
#include "bridge/short_string.h"
#include "common/check.h"

using namespace kevra;

namespace {

// A C string in a heap block of exactly its own size (NUL included), so that
// AddressSanitizer reports any read past it.
struct ExactString {
    char* p;
    explicit ExactString(const std::string& s) : p(static_cast<char*>(std::malloc(s.size() + 1))) {
        std::memcpy(p, s.c_str(), s.size() + 1);
    }
    ~ExactString() { std::free(p); }
};

void TestCStrToShortString() {
    struct Case {
        const char* what;
        std::string text;
        bool null;
        std::size_t expected;
    } cases[] = {
        {"empty", "", false, 0},
        {"short", "COM3", false, 4},
        {"200 characters", std::string(200, 'x'), false, 200},
        {"255 characters", std::string(255, 'y'), false, 255},
        {"256 characters are cut to 255", std::string(256, 'z'), false, 255},
        {"300 characters are cut to 255", std::string(300, 'w'), false, 255},
        {"4096 characters are cut to 255", std::string(4096, 'v'), false, 255},
        {"bytes above 0x7F", "\xE4\xF6\xFC\xFF", false, 4},
        {"null is the empty string", "", true, 0},
    };
    for (const Case& c : cases) {
        ExactString src(c.text);
        unsigned char dest[kShortStringBytes + 4];
        std::memset(dest, 0xEE, sizeof dest);
        CStrToShortString(dest, c.null ? nullptr : src.p);
        OK(dest[0] == c.expected, "%s: length byte %u, expected %zu", c.what, dest[0], c.expected);
        OK(std::memcmp(dest + 1, src.p, c.expected) == 0, "%s: characters copied byte for byte", c.what);
        bool untouched = true;
        for (std::size_t i = c.expected + 1; i < sizeof dest; ++i) untouched &= dest[i] == 0xEE;
        OK(untouched, "%s: no terminator and nothing written after position %zu", c.what, c.expected);
    }
    // 255 characters with no NUL at all, ending the block: the 256th byte must never be read.
    char* unterminated = static_cast<char*>(std::malloc(255));
    std::memset(unterminated, 'q', 255);
    unsigned char dest[kShortStringBytes];
    CStrToShortString(dest, unterminated);
    OK(dest[0] == 255 && dest[255] == 'q', "255 unterminated characters: length %u", dest[0]);
    std::free(unterminated);
}

void TestShortStringToCStr() {
    for (std::size_t length : {0u, 1u, 3u, 127u, 128u, 200u, 254u, 255u}) {
        unsigned char src[kShortStringBytes];
        src[0] = static_cast<unsigned char>(length);
        for (std::size_t i = 1; i < kShortStringBytes; ++i) src[i] = static_cast<unsigned char>(0x80 + i % 100);
        // Exactly 256 bytes of caller buffer inside a larger block with guard bytes around.
        std::vector<unsigned char> block(kShortStringBytes + 32, 0xAB);
        char* dest = reinterpret_cast<char*>(block.data() + 16);
        ShortStringToCStr(dest, src);
        OK(std::memcmp(dest, src + 1, length) == 0 && dest[length] == '\0', "length %zu: text and NUL", length);
        std::size_t touched = 0;
        for (std::size_t i = 0; i < block.size(); ++i)
            if (block[i] != 0xAB) touched = i - 16 + 1;
        OK(touched == length + 1, "length %zu: %zu bytes written, expected exactly %zu", length, touched, length + 1);
    }
    // Exactly 256 bytes on the heap, filled to the last byte.
    unsigned char full[kShortStringBytes];
    full[0] = 255;
    std::memset(full + 1, 'm', 255);
    char* exact = static_cast<char*>(std::malloc(kShortStringBytes));
    ShortStringToCStr(exact, full);
    OK(exact[254] == 'm' && exact[255] == '\0', "255 characters fill all 256 bytes");
    std::free(exact);
    ShortStringToCStr(nullptr, full);
    OK(true, "a null buffer receives nothing and does not fault");
}

void TestSuffixRule() {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {
        {";use_checkconnectedpad", true},
        {"COM1;use_checkconnectedpad", true},
        {"COM1;use_checkconnectedpad;use_checkconnectedpad", true},
        {"use_checkconnectedpad", false},
        {"e_checkconnectedpad", false},
        {"COM1;USE_CHECKCONNECTEDPAD", false},
        {"COM1;use_checkconnectedpad ", false},
        {";use_checkconnectedpad;x", false},
        {"", false},
    };
    for (const Case& c : cases) {
        ExactString s(c.text);
        OK(EndsWithCheckConnectedPadSuffix(s.p, std::strlen(c.text)) == c.expected, "suffix rule on \"%s\": expected %d",
           c.text, c.expected);
    }
    OK(!EndsWithCheckConnectedPadSuffix(nullptr, 0), "a null text has no suffix");
}

void TestRecordCopies() {
    const unsigned char driverBytes[20] = {0x01, 0x02, 0x03, 0x04, 0x05, 0xA6, 0xA7, 0xA8, 0x09, 0x0A,
                                           0x0B, 0x0C, 0x0D, 0xAE, 0xAF, 0xB0, 0x11, 0x12, 0x13, 0x14};
    DriverFrameRecord frame;
    std::memcpy(&frame, driverBytes, sizeof frame);
    unsigned char host[15];
    std::memset(host, 0x5A, sizeof host);
    CopyRecord(reinterpret_cast<FrameRecord*>(host), frame);
    const unsigned char expected[15] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x09, 0x0A, 0x0B,
                                        0x0C, 0x0D, 0x11, 0x12, 0x13, 0x14, 0x5A};
    OK(std::memcmp(host, expected, sizeof host) == 0, "frame: padding dropped, 15th byte kept");

    DriverSensorSizeRecord sensor{0x0102, 0x8304, 0x0506, 0xF708, 0x090A, 0xFFFF};
    unsigned char sensorHost[13];
    std::memset(sensorHost, 0x5A, sizeof sensorHost);
    CopyRecord(reinterpret_cast<SensorSizeRecord*>(sensorHost), sensor);
    OK(std::memcmp(sensorHost, &sensor, 12) == 0 && sensorHost[12] == 0x5A, "sensor size: twelve bytes word for word");

    DriverReadStopRecord stop{1, 2, 0x80, 0xFE, 5, 0xFF};
    unsigned char stopHost[7];
    std::memset(stopHost, 0x5A, sizeof stopHost);
    CopyRecord(reinterpret_cast<ReadStopRecord*>(stopHost), stop);
    OK(std::memcmp(stopHost, &stop, 6) == 0 && stopHost[6] == 0x5A, "read stop: six bytes in order");
}

}  // namespace

int main() {
    TestCStrToShortString();
    TestShortStringToCStr();
    TestSuffixRule();
    TestRecordCopies();
    return check::Summary("conversion_tests");
}
