#include "short_string.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace kevra {

namespace {

using Word = std::uint32_t;
using AliasedWord = std::uint32_t __attribute__((may_alias));
constexpr std::size_t kWords = 4, kBlock = kWords * sizeof(Word);
static_assert(std::endian::native == std::endian::little, "the first zero byte is the lowest one");

// Bit 7 of each byte is set where the word holds a zero byte; exact up to the
// first zero byte, which is all that is asked of it.
constexpr Word ZeroBytes(Word w) noexcept { return (w - 0x01010101u) & ~w & 0x80808080u; }

// The position (0 to 15) of the first zero byte in the four words of a block; 16 when there is none.
inline std::size_t FirstZero(Word w0, Word w1, Word w2, Word w3) noexcept {
    const Word z[kWords] = {ZeroBytes(w0), ZeroBytes(w1), ZeroBytes(w2), ZeroBytes(w3)};
    std::size_t k = 0;
    while (k < kWords && z[k] == 0) ++k;
    return k == kWords ? kBlock : k * sizeof(Word) + static_cast<std::size_t>(std::countr_zero(z[k])) / 8;
}

// The length of the text at src, at most max. The text is read byte by byte
// up to a 16-byte boundary, then in aligned 16-byte blocks and words that end
// at or before the max-th character, then byte by byte again: no byte past
// the max-th is ever read. The text can end at the last readable byte of the
// host's memory, but an aligned block never straddles a page, so a block that
// holds a byte of the text can be read whole. Its bytes past
// the text are outside the caller's object, which AddressSanitizer would
// report; the copies that follow read exactly the text, and those are checked.
__attribute__((no_sanitize("address"))) std::size_t ScanText(const char* src, std::size_t max) noexcept {
    std::size_t n = 0;
    for (; reinterpret_cast<std::uintptr_t>(src + n) % kBlock != 0; ++n)
        if (n == max || src[n] == '\0') return n;
    for (; max - n >= kBlock; n += kBlock) {
        const AliasedWord* w = reinterpret_cast<const AliasedWord*>(src + n);
        if ((ZeroBytes(w[0]) | ZeroBytes(w[1]) | ZeroBytes(w[2]) | ZeroBytes(w[3])) != 0)
            return n + FirstZero(w[0], w[1], w[2], w[3]);
    }
    // Then aligned words, then single bytes, up to the max-th character: nothing past it is read.
    for (; max - n >= sizeof(Word); n += sizeof(Word)) {
        const Word z = ZeroBytes(*reinterpret_cast<const AliasedWord*>(src + n));
        if (z != 0) return n + static_cast<std::size_t>(std::countr_zero(z)) / 8;
    }
    while (n < max && src[n] != '\0') ++n;
    return n;
}

}  // namespace

void CStrToShortString(unsigned char* dest, const char* src) noexcept {
    std::size_t length = 0;
    if (src != nullptr) {
        length = ScanText(src, kShortStringMax);
        std::memcpy(dest + 1, src, length);
    }
    dest[0] = static_cast<unsigned char>(length);
}

std::size_t TextLength(const char* text) noexcept {
    return text != nullptr ? ScanText(text, SIZE_MAX) : 0;
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
