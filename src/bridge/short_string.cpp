#include "short_string.h"

#include <cstring>

namespace kevra {

void CStrToShortString(unsigned char* dest, const char* src) noexcept {
    std::size_t length = 0;
    if (src != nullptr) {
        // Byte by byte: no read may go past the 255th character, which can
        // be the last readable byte of the host's memory.
        while (length < kShortStringMax && src[length] != '\0') ++length;
        std::memcpy(dest + 1, src, length);
    }
    dest[0] = static_cast<unsigned char>(length);
}

void ShortStringToCStr(char* dest, const unsigned char* src) noexcept {
    if (dest == nullptr) return;
    const std::size_t length = src[0];
    std::memcpy(dest, src + 1, length);
    dest[length] = '\0';
}

bool EndsWithCheckConnectedPadSuffix(const char* text, std::size_t n) noexcept {
    return n >= kCheckConnectedPadSuffixLength &&
           std::memcmp(text + n - kCheckConnectedPadSuffixLength, kCheckConnectedPadSuffix,
                       kCheckConnectedPadSuffixLength) == 0;
}

}  // namespace kevra
