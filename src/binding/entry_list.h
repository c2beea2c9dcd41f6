// The entry list expanded into constexpr descriptors: what every other part of
// the tree (binding, stand-in driver, diagnostics, tests) knows about an entry
// and its export. Portable: no Windows header is needed here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kevra {

enum class Family : std::uint8_t { CONNECTION, CAPTURE, EVENTS, DISPLAY, SECURITY, SETTINGS, SCRIPTS, OBJECTS, LIFECYCLE };
enum class Result : std::uint8_t { None, Int32, Bool };
enum class Shape : std::uint8_t { Plain, Own };
// C parameter kinds; see entry_list.inc.
enum class Kind : std::uint8_t { I32, Byte, Str, StrIO, Out, OpenOut, SensorRec, StopRec, FrameRec };
// What one driver argument carries.
enum class Arg : std::uint8_t {
    Value,       // a C parameter unchanged
    Lo8,         // the low 8 bits of a C parameter
    ShortStr,    // address of a short string converted from a C string
    OpenStr,     // address of an open short string (converted from the caller's text)
    ResultBuf,   // address of a zero-filled result buffer
    OpenResult,  // address of a zero-filled result buffer handed as an open short string
    Max255,      // the constant 255 that follows an open short string
    Record,      // address of the export's own driver-layout record
};

inline constexpr std::size_t kEntryCount = 125 - 2;
inline constexpr std::size_t kMaxParams = 6;
inline constexpr std::size_t kMaxDriverArgs = 7;

struct EntryRow {
    int index;                  // 1-based position in the resolution order
    Family family;
    std::string_view entry;     // the driver library's export name
    std::string_view exportName;  // the adapter's export name, with its "KEVRA_" prefix
    Result result;
    std::int32_t withoutDriver;
    Shape shape;
    std::size_t paramCount;
    std::array<Kind, kMaxParams> params;

    constexpr std::size_t DriverArgCount() const {
        std::size_t n = 0;
        for (std::size_t i = 0; i < paramCount; ++i)
            n += (params[i] == Kind::StrIO || params[i] == Kind::OpenOut) ? 2 : 1;
        return n;
    }
    // The driver arguments in order, and for each the C parameter (0-based) it comes from.
    constexpr std::array<Arg, kMaxDriverArgs> DriverArgs() const {
        std::array<Arg, kMaxDriverArgs> out{};
        std::size_t n = 0;
        for (std::size_t i = 0; i < paramCount; ++i) {
            switch (params[i]) {
            case Kind::I32: out[n++] = Arg::Value; break;
            case Kind::Byte: out[n++] = Arg::Lo8; break;
            case Kind::Str: out[n++] = Arg::ShortStr; break;
            case Kind::StrIO: out[n++] = Arg::OpenStr; out[n++] = Arg::Max255; break;
            case Kind::Out: out[n++] = Arg::ResultBuf; break;
            case Kind::OpenOut: out[n++] = Arg::OpenResult; out[n++] = Arg::Max255; break;
            case Kind::SensorRec:
            case Kind::StopRec:
            case Kind::FrameRec: out[n++] = Arg::Record; break;
            }
        }
        return out;
    }
    constexpr std::array<std::size_t, kMaxDriverArgs> DriverArgSources() const {
        std::array<std::size_t, kMaxDriverArgs> out{};
        std::size_t n = 0;
        for (std::size_t i = 0; i < paramCount; ++i) {
            out[n++] = i;
            if (params[i] == Kind::StrIO || params[i] == Kind::OpenOut) out[n++] = i;
        }
        return out;
    }
    // Bytes of stack the entry removes: arguments 4 and later.
    constexpr std::size_t StackBytes() const {
        return DriverArgCount() > 3 ? 4 * (DriverArgCount() - 3) : 0;
    }
};

namespace detail {
template <class... K>
constexpr EntryRow MakeRow(int index, Family family, std::string_view entry, std::string_view exportName,
                           Result result, std::int32_t withoutDriver, Shape shape, K... kinds) {
    return EntryRow{index, family, entry, exportName, result, withoutDriver, shape, sizeof...(K), {kinds...}};
}
}  // namespace detail

namespace table_tokens {
using enum Family;
using enum Result;
using enum Shape;
using enum Kind;
#define KEVRA_ROW_TAIL_(...) __VA_OPT__(, ) __VA_ARGS__
#define KEVRA_ROW(idx, family, entry, name, result, nodrv, shape, kinds) \
    detail::MakeRow(idx, family, #entry, "KEVRA_" #name, result, nodrv, shape KEVRA_ROW_TAIL_ kinds),
inline constexpr std::array<EntryRow, kEntryCount> kEntryList{{
#include "entry_list.inc"
}};
#undef KEVRA_ROW
#undef KEVRA_ROW_TAIL_
}  // namespace table_tokens

using table_tokens::kEntryList;

// Position (0-based) of an entry in the list, by name; kEntryCount when absent.
constexpr std::size_t EntryPosition(std::string_view entry) {
    for (std::size_t i = 0; i < kEntryList.size(); ++i)
        if (kEntryList[i].entry == entry) return i;
    return kEntryCount;
}

constexpr bool ListIsConsistent() {
    for (std::size_t i = 0; i < kEntryList.size(); ++i) {
        const EntryRow& r = kEntryList[i];
        if (r.index != static_cast<int>(i) + 1) return false;
        if (r.DriverArgCount() > kMaxDriverArgs) return false;
        if (r.result == Result::None && r.withoutDriver != 0) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kEntryList[j].entry == r.entry || kEntryList[j].exportName == r.exportName) return false;
    }
    return true;
}
static_assert(ListIsConsistent(), "entry list: indices in order, names unique, argument counts within bounds");

// The exports that are not entries of the driver library.
inline constexpr std::array<std::string_view, 2> kLifecycleExports{"KEVRA_initialize", "KEVRA_uninitialize"};
inline constexpr std::size_t kExportCount = kEntryCount + kLifecycleExports.size();

// Exports with fixed ordinals 1 to 6; the rest follow in ascending byte order of their names.
inline constexpr std::array<std::string_view, 6> kFixedOrdinals{
    "KEVRA_GetDevicePublicKey", "KEVRA_configurePad", "KEVRA_getFrame",
    "KEVRA_getSensorSize",      "KEVRA_stopRead",     "KEVRA_uninitialize"};

// All 125 export names in ordinal order (element i has ordinal i + 1).
constexpr std::array<std::string_view, kExportCount> ExportsByOrdinal() {
    std::array<std::string_view, kExportCount> all{};
    std::size_t n = 0;
    for (const EntryRow& r : kEntryList) all[n++] = r.exportName;
    for (std::string_view s : kLifecycleExports) all[n++] = s;
    std::array<std::string_view, kExportCount> out{};
    std::size_t k = 0;
    for (std::string_view s : kFixedOrdinals) out[k++] = s;
    // Selection of the remaining names in byte order (string_view compares as unsigned char).
    std::array<bool, kExportCount> taken{};
    for (std::size_t i = 0; i < kExportCount; ++i)
        for (std::string_view s : kFixedOrdinals)
            if (all[i] == s) taken[i] = true;
    while (k < kExportCount) {
        std::size_t best = kExportCount;
        for (std::size_t i = 0; i < kExportCount; ++i)
            if (!taken[i] && (best == kExportCount || all[i] < all[best])) best = i;
        taken[best] = true;
        out[k++] = all[best];
    }
    return out;
}
inline constexpr auto kExportsByOrdinal = ExportsByOrdinal();
static_assert(kExportsByOrdinal[6] == "KEVRA_CreateSignatureRectangle");
static_assert(kExportsByOrdinal[kExportCount - 1] == "KEVRA_useWintabDevices");

}  // namespace kevra
