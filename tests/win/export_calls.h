// Calls of any export built from its row of the entry list: the caller's
// values, texts and buffers (with guard bytes around them), kept for checking.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "harness.h"

namespace harness {

using kevra::Arg;
using kevra::EntryRow;
using kevra::Kind;
using kevra::Result;

inline constexpr std::size_t kGuard = 16;
inline constexpr unsigned char kFill = 0xCC;

inline std::string Name(const EntryRow& row) { return std::string(row.exportName); }

inline std::size_t HostRecordBytes(Kind k) { return k == Kind::SensorRec ? 12 : k == Kind::StopRec ? 6 : k == Kind::FrameRec ? 14 : 0; }
inline bool IsText(Kind k) { return k == Kind::Str || k == Kind::StrIO; }
inline bool IsOut(Kind k) { return k == Kind::StrIO || k == Kind::Out || k == Kind::OpenOut; }
inline bool IsRecord(Kind k) { return HostRecordBytes(k) != 0; }

// A caller buffer of 256 bytes (or a record) with guard bytes on both sides.
struct Buffer {
    std::vector<unsigned char> bytes;
    explicit Buffer(std::size_t size = 256, unsigned char fill = kFill) : bytes(size + 2 * kGuard, fill) {}
    unsigned char* Data() { return bytes.data() + kGuard; }
    std::uint32_t Address() { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Data())); }
};

// The arguments of one call of a row, with the texts and buffers behind them.
struct Call {
    const EntryRow& row;
    std::uint32_t args[7] = {};
    std::string texts[6];
    bool nullText[6] = {};
    Buffer buffers[6];
    std::vector<unsigned char> before[6];

    explicit Call(const EntryRow& r, bool nullTexts = false) : row(r) {
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            const Kind kind = row.params[k];
            if (kind == Kind::I32) args[k] = 0x9E000000u | static_cast<std::uint32_t>(row.index) << 8 | static_cast<std::uint32_t>(k + 1);
            if (kind == Kind::Byte) args[k] = 0x0BAD0100u | (0x80u + static_cast<std::uint32_t>(k));
            if (IsText(kind)) texts[k] = "p" + std::to_string(k + 1) + " " + std::string(row.entry) + " \xE9\xFF";
            nullText[k] = nullTexts && kind == Kind::Str;
            if (IsRecord(kind)) buffers[k] = Buffer(HostRecordBytes(kind), 0xAA);
        }
    }
    void SetText(std::size_t k, const std::string& text, bool null = false) {
        texts[k] = text;
        nullText[k] = null;
    }
    // Lays the texts into place and snapshots every buffer.
    void Prepare() {
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            const Kind kind = row.params[k];
            if (kind == Kind::Str) {
                buffers[k] = Buffer(texts[k].size() + 1, 0);
                std::memcpy(buffers[k].Data(), texts[k].c_str(), texts[k].size() + 1);
            } else if (kind == Kind::StrIO) {
                buffers[k] = Buffer(std::max<std::size_t>(256, texts[k].size() + 1));
                std::memcpy(buffers[k].Data(), texts[k].c_str(), texts[k].size() + 1);
            }
            if (IsText(kind) || IsOut(kind) || IsRecord(kind)) args[k] = nullText[k] ? 0 : buffers[k].Address();
            before[k] = buffers[k].bytes;
        }
    }
    CallOutcome Run(const Adapter& a) {
        Prepare();
        t_recorder.count = 0;
        return CallExport(reinterpret_cast<const void*>(GetProcAddress(a.Module(), Name(row).c_str())), args);
    }
    std::string ShortOf(std::size_t k) const {
        if (nullText[k]) return std::string(1, '\0');
        const std::string t = texts[k].substr(0, 255);
        return std::string(1, static_cast<char>(t.size())) + t;
    }
};

// Every export without a driver: its value, no entry called, no byte of the caller touched.
inline void CheckAllWithoutDriver(const Adapter& a) {
    for (const EntryRow& row : kevra::kEntryList) {
        Call c(row, true);
        const CallOutcome out = c.Run(a);
        const std::string name = Name(row);
        if (row.result != Result::None)
            OK(static_cast<std::int32_t>(out.eax) == row.withoutDriver, "%s without driver: returned %d, expected %d", name.c_str(),
               static_cast<std::int32_t>(out.eax), row.withoutDriver);
        OK(t_recorder.count == 0, "%s without driver: %d entry calls", name.c_str(), t_recorder.count);
        OK(out.espDelta == 0 && out.registersPreserved, "%s without driver: stack and registers", name.c_str());
        for (std::size_t k = 0; k < row.paramCount; ++k)
            OK(c.buffers[k].bytes == c.before[k], "%s without driver: parameter %zu's memory untouched", name.c_str(), k + 1);
    }
}

}  // namespace harness
