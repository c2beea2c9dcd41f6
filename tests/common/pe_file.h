// Reads (and for the tests' driver variants, edits) the export table of a
// 32-bit PE file held in memory. Portable: used natively to read the built
// adapter back and under Windows to derive driver variants from the stand-in.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pe {

struct Export {
    std::string name;
    std::uint32_t ordinal;
};

struct ExportTable {
    bool valid = false;
    std::string moduleName;
    std::uint32_t ordinalBase = 0;
    std::uint32_t functionCount = 0;
    std::vector<Export> named;  // in the order of the name pointer table
};

class Image {
public:
    explicit Image(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) { Parse(); }
    static Image FromFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Image(std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {}));
    }
    const std::vector<unsigned char>& Bytes() const { return bytes_; }
    const ExportTable& Exports() const { return exports_; }

    // Removes one name from the export table, keeping the name table sorted;
    // the function stays in the address table but can no longer be found by name.
    bool RemoveExportName(const std::string& name) {
        if (!exports_.valid) return false;
        const std::uint32_t count = U32(exportDir_ + 24);
        const std::size_t names = Offset(U32(exportDir_ + 32));
        const std::size_t ordinals = Offset(U32(exportDir_ + 36));
        for (std::uint32_t i = 0; i < count; ++i) {
            if (String(Offset(U32(names + 4 * i))) != name) continue;
            std::memmove(&bytes_[names + 4 * i], &bytes_[names + 4 * (i + 1)], 4 * (count - i - 1));
            std::memmove(&bytes_[ordinals + 2 * i], &bytes_[ordinals + 2 * (i + 1)], 2 * (count - i - 1));
            SetU32(exportDir_ + 24, count - 1);
            Parse();
            return true;
        }
        return false;
    }

private:
    std::uint32_t U32(std::size_t at) const {
        if (at + 4 > bytes_.size()) return 0;
        return bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 | static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
    }
    std::uint16_t U16(std::size_t at) const {
        if (at + 2 > bytes_.size()) return 0;
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    void SetU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<unsigned char>(v >> (8 * i));
    }
    std::string String(std::size_t at) const {
        std::string s;
        while (at < bytes_.size() && bytes_[at] != 0) s.push_back(static_cast<char>(bytes_[at++]));
        return s;
    }
    // File offset of a relative virtual address, through the section table.
    std::size_t Offset(std::uint32_t rva) const {
        for (std::uint16_t i = 0; i < sectionCount_; ++i) {
            const std::size_t s = sections_ + 40 * i;
            const std::uint32_t va = U32(s + 12), size = U32(s + 8) > U32(s + 16) ? U32(s + 8) : U32(s + 16);
            if (rva >= va && rva < va + size) return rva - va + U32(s + 20);
        }
        return bytes_.size();
    }
    void Parse() {
        exports_ = ExportTable{};
        if (bytes_.size() < 64 || bytes_[0] != 'M' || bytes_[1] != 'Z') return;
        const std::size_t pe = U32(0x3c);
        if (U32(pe) != 0x00004550u || U16(pe + 4) != 0x14c) return;  // "PE\0\0", i386
        sectionCount_ = U16(pe + 6);
        const std::size_t optional = pe + 24;
        if (U16(optional) != 0x10b) return;  // PE32
        sections_ = optional + U16(pe + 20);
        const std::uint32_t exportRva = U32(optional + 96);
        if (exportRva == 0) return;
        exportDir_ = Offset(exportRva);
        if (exportDir_ >= bytes_.size()) return;
        exports_.moduleName = String(Offset(U32(exportDir_ + 12)));
        exports_.ordinalBase = U32(exportDir_ + 16);
        exports_.functionCount = U32(exportDir_ + 20);
        const std::uint32_t count = U32(exportDir_ + 24);
        const std::size_t names = Offset(U32(exportDir_ + 32));
        const std::size_t ordinals = Offset(U32(exportDir_ + 36));
        for (std::uint32_t i = 0; i < count; ++i)
            exports_.named.push_back({String(Offset(U32(names + 4 * i))), exports_.ordinalBase + U16(ordinals + 2 * i)});
        exports_.valid = true;
    }

    std::vector<unsigned char> bytes_;
    ExportTable exports_;
    std::size_t exportDir_ = 0;
    std::size_t sections_ = 0;
    std::uint16_t sectionCount_ = 0;
};

}  // namespace pe
