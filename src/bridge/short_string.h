// Short strings, the driver library's text format: a length byte L (0 to 255)
// followed by L characters, held in a 256-byte buffer. Portable code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kevra {

inline constexpr std::size_t kShortStringBytes = 256;
inline constexpr std::size_t kShortStringMax = 255;

using ShortString = unsigned char[kShortStringBytes];

// Makes the short string in dest from the C string src: a longer text is cut
// to 255 characters, a null src is the empty string. No byte past the 255th
// character is read; up to the NUL the text is read in aligned 16-byte blocks
// (which never straddle a page). Writes dest[0..L]; the rest of dest is left
// as it was.
void CStrToShortString(unsigned char* dest, const char* src) noexcept;

// The length of the C string text, 0 for null; read as CStrToShortString reads.
std::size_t TextLength(const char* text) noexcept;

// Makes the C string in dest from the short string src: writes exactly L+1
// bytes (the L characters and a NUL). A null dest receives nothing.
void ShortStringToCStr(char* dest, const unsigned char* src) noexcept;

// The text that routes KEVRA_configurePad to the connected-pad check.
inline constexpr char kCheckConnectedPadSuffix[] = ";use_checkconnectedpad";
inline constexpr std::size_t kCheckConnectedPadSuffixLength = sizeof(kCheckConnectedPadSuffix) - 1;

// True when the n characters at text end with the suffix (case-sensitive).
bool EndsWithCheckConnectedPadSuffix(const char* text, std::size_t n) noexcept;

}  // namespace kevra
