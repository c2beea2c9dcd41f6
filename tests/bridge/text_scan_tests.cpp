// The block-wise reading of C strings (CStrToShortString, TextLength) at the
// edges of readable memory: texts that end at the last byte before an
// inaccessible page, at every position relative to a 16-byte boundary, with
// every length up to past the 255-character cut, and with characters that a
// wrong zero-byte test would take for a NUL. A read too far is a fault here,
// not a report: the scan reads whole aligned blocks, which AddressSanitizer
// cannot judge.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "bridge/short_string.h"
#include "common/check.h"

using namespace kevra;

namespace {

// Readable pages with an inaccessible page on each side.
class Fenced {
public:
    explicit Fenced(std::size_t pages) : page_(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))), pages_(pages) {
        void* p = mmap(nullptr, (pages + 2) * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) std::abort();
        base_ = static_cast<unsigned char*>(p);
        mprotect(base_, page_, PROT_NONE);
        mprotect(base_ + (pages + 1) * page_, page_, PROT_NONE);
    }
    ~Fenced() { munmap(base_, (pages_ + 2) * page_); }
    Fenced(const Fenced&) = delete;
    Fenced& operator=(const Fenced&) = delete;
    unsigned char* Begin() const { return base_ + page_; }
    unsigned char* End() const { return base_ + (pages_ + 1) * page_; }

private:
    std::size_t page_, pages_;
    unsigned char* base_;
};

// Character i of a text: every byte value but 0, high bit set or not, 0x01 and 0x80 included.
char TextByte(std::size_t i) { return static_cast<char>(1 + (i * 37) % 255); }

void TextsAtTheEndOfMemory() {
    Fenced memory(1);
    int failures = 0;
    for (std::size_t length = 0; length <= kShortStringMax + 1; ++length)
        for (std::size_t slack = 0; slack < 32; ++slack) {
            // The bytes the caller vouches for: the text and its NUL, or its first 255 characters.
            const std::size_t readable = length < kShortStringMax ? length + 1 : kShortStringMax;
            char* text = reinterpret_cast<char*>(memory.End()) - readable - slack;
            std::memset(memory.Begin(), 0, static_cast<std::size_t>(memory.End() - memory.Begin()));
            for (std::size_t i = 0; i < readable; ++i) text[i] = TextByte(i);
            if (length < kShortStringMax) text[length] = '\0';
            unsigned char dest[kShortStringBytes + 1];
            std::memset(dest, 0xEE, sizeof dest);
            CStrToShortString(dest, text);
            const std::size_t expected = length < kShortStringMax ? length : kShortStringMax;
            bool ok = dest[0] == expected && std::memcmp(dest + 1, text, expected) == 0;
            for (std::size_t i = expected + 1; i < sizeof dest; ++i) ok &= dest[i] == 0xEE;
            if (length < kShortStringMax) ok &= TextLength(text) == length;
            if (!ok && ++failures <= 5)
                OK(false, "text of %zu characters ending %zu bytes before unreadable memory: length byte %u", length,
                   slack, dest[0]);
        }
    OK(failures == 0, "texts of 0 to 256 characters ending 0 to 31 bytes before unreadable memory: %d wrong",
       failures);
}

void TextsAtTheStartOfMemory() {
    Fenced memory(1);
    int failures = 0;
    for (std::size_t offset = 0; offset < 32; ++offset)
        for (std::size_t length : {0u, 1u, 3u, 15u, 16u, 17u, 100u, 254u, 255u, 256u, 1000u}) {
            char* text = reinterpret_cast<char*>(memory.Begin()) + offset;
            for (std::size_t i = 0; i < length; ++i) text[i] = TextByte(i);
            text[length] = '\0';
            unsigned char dest[kShortStringBytes];
            CStrToShortString(dest, text);
            const std::size_t expected = length < kShortStringMax ? length : kShortStringMax;
            if ((dest[0] != expected || TextLength(text) != length) && ++failures <= 5)
                OK(false, "text of %zu characters %zu bytes after unreadable memory: length byte %u", length, offset,
                   dest[0]);
        }
    OK(failures == 0, "texts starting 0 to 31 bytes after unreadable memory: %d wrong", failures);
}

// A NUL in each position of a block, after characters that carry and borrow
// in a word-wide zero test (0x01, 0x80, 0xFF), and bytes after the NUL that
// are not zero.
void FirstNulInABlock() {
    Fenced memory(1);
    int failures = 0;
    for (std::size_t offset = 0; offset < 16; ++offset)
        for (std::size_t nul = 0; nul < 48; ++nul)
            for (unsigned char filler : {0x01, 0x80, 0xFF, 0x7F}) {
                char* text = reinterpret_cast<char*>(memory.Begin()) + 64 + offset;
                std::memset(text, filler, 64);
                text[nul] = '\0';
                unsigned char dest[kShortStringBytes];
                CStrToShortString(dest, text);
                if ((dest[0] != nul || TextLength(text) != nul) && ++failures <= 5)
                    OK(false, "NUL at %zu after 0x%02X, text at block offset %zu: length byte %u", nul, filler, offset,
                       dest[0]);
            }
    OK(failures == 0, "the first NUL found in every position of a block: %d wrong", failures);
    OK(TextLength(nullptr) == 0, "a null text has length 0");
}

}  // namespace

int main() {
    TextsAtTheEndOfMemory();
    TextsAtTheStartOfMemory();
    FirstNulInABlock();
    return check::Summary("text_scan_tests");
}
