// The common steps of an export: the bound-driver guard, the conversion of
// each C parameter into its driver arguments, one call of the entry in the
// driver register convention, the copy-back of texts and records, and the
// widened result. Every buffer lives on the export's stack.
#pragma once

#include <cstddef>
#include <cstdint>

#include "binding/binding.h"
#include "bridge/records.h"
#include "bridge/short_string.h"
#include "kevrad2c.h"

namespace kevra::bridge {

// The driver arguments of one call; the first three always exist (zero when unused).
struct ArgList {
    std::uint32_t values[kMaxDriverArgs < 3 ? 3 : kMaxDriverArgs]{};
    std::uint32_t count = 0;
    void Push(std::uint32_t v) noexcept { values[count++] = v; }
    void Push(const void* p) noexcept { Push(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p))); }
};

inline constexpr std::uint32_t kOpenStringMax = kShortStringMax;

// One slot per C parameter kind: built from the caller's value before the
// call, pushes its driver arguments, copies back after the call.
namespace kinds {

struct I32 {
    using CType = std::int32_t;
    std::uint32_t value;
    explicit I32(CType p) noexcept : value(static_cast<std::uint32_t>(p)) {}
    void Push(ArgList& a) const noexcept { a.Push(value); }
    void Finish() const noexcept {}
};

struct Byte {
    using CType = std::int32_t;
    std::uint32_t value;
    explicit Byte(CType p) noexcept : value(static_cast<std::uint32_t>(p) & 0xFFu) {}
    void Push(ArgList& a) const noexcept { a.Push(value); }
    void Finish() const noexcept {}
};

struct Str {
    using CType = const char*;
    ShortString text;
    explicit Str(CType p) noexcept { CStrToShortString(text, p); }
    void Push(ArgList& a) const noexcept { a.Push(text); }
    void Finish() const noexcept {}
};

// The caller's text, handed as an open short string and copied back.
struct StrIO {
    using CType = char*;
    char* caller;
    ShortString text;
    explicit StrIO(CType p) noexcept : caller(p) { CStrToShortString(text, p); }
    void Push(ArgList& a) const noexcept {
        a.Push(text);
        a.Push(kOpenStringMax);
    }
    void Finish() const noexcept { ShortStringToCStr(caller, text); }
};

// A zero-filled result buffer: an entry that writes nothing leaves the empty string.
struct Out {
    using CType = char*;
    char* caller;
    ShortString text{};
    explicit Out(CType p) noexcept : caller(p) {}
    void Push(ArgList& a) const noexcept { a.Push(text); }
    void Finish() const noexcept { ShortStringToCStr(caller, text); }
};

struct OpenOut : Out {
    using Out::Out;
    void Push(ArgList& a) const noexcept {
        a.Push(text);
        a.Push(kOpenStringMax);
    }
};

// The export's own driver-layout record, cleared so that an entry that fills
// nothing hands the host zeros rather than stack contents.
template <class HostRecord, class DriverRecord>
struct Rec {
    using CType = HostRecord*;
    HostRecord* caller;
    DriverRecord record{};
    explicit Rec(CType p) noexcept : caller(p) {}
    void Push(ArgList& a) const noexcept { a.Push(&record); }
    void Finish() const noexcept {
        if (caller != nullptr) CopyRecord(caller, record);
    }
};
using SensorRec = Rec<SensorSizeRecord, DriverSensorSizeRecord>;
using StopRec = Rec<ReadStopRecord, DriverReadStopRecord>;
using FrameRec = Rec<FrameRecord, DriverFrameRecord>;

}  // namespace kinds

// The slots of one call, built in parameter order.
template <class... K>
struct Slots {
    explicit Slots() noexcept = default;
    void Push(ArgList&) const noexcept {}
    void Finish() const noexcept {}
};
template <class K, class... Rest>
struct Slots<K, Rest...> {
    K head;
    Slots<Rest...> tail;
    explicit Slots(typename K::CType p, typename Rest::CType... rest) noexcept : head(p), tail(rest...) {}
    void Push(ArgList& a) const noexcept {
        head.Push(a);
        tail.Push(a);
    }
    void Finish() const noexcept {
        head.Finish();
        tail.Finish();
    }
};

template <Result R>
using ResultType = std::conditional_t<R == Result::None, void, std::int32_t>;

template <Result R>
constexpr ResultType<R> Widen([[maybe_unused]] std::uint32_t eax) noexcept {
    if constexpr (R == Result::Bool) return static_cast<std::int8_t>(eax & 0xFFu);
    else if constexpr (R == Result::Int32) return static_cast<std::int32_t>(eax);
}


// The call of an export, made in place: the first three arguments in EAX, EDX
// and ECX, the others pushed left to right. EBX, which the entry preserves,
// keeps the stack pointer across the call, so an entry that removes the wrong
// number of bytes cannot unbalance the export's stack. The entry's address is
// read from its table slot (a fixed address, never one relative to ESP).
template <std::uint32_t Count>
inline std::uint32_t CallInPlace(const FARPROC& entry, const ArgList& args) noexcept {
    static_assert(Count <= kMaxDriverArgs);
    std::uint32_t eax = args.values[0], edx = args.values[1], ecx = args.values[2], savedEsp;
    if constexpr (Count <= 3) {
        __asm__ __volatile__(
            "movl %%esp, %[saved]\n\t"
            "call *%[entry]\n\t"
            "movl %[saved], %%esp"
            : "+a"(eax), "+d"(edx), "+c"(ecx), [saved] "=&b"(savedEsp)
            : [entry] "m"(entry)
            : "memory", "cc");
    } else if constexpr (Count <= 5) {
        // One or two stack arguments, pushed from ESI and EDI.
        __asm__ __volatile__(
            "movl %%esp, %[saved]\n\t"
            "pushl %[a4]\n\t"
            ".if %c[pushes] > 1\n\t"
            "pushl %[a5]\n\t"
            ".endif\n\t"
            "call *%[entry]\n\t"
            "movl %[saved], %%esp"
            : "+a"(eax), "+d"(edx), "+c"(ecx), [saved] "=&b"(savedEsp)
            : [a4] "S"(args.values[3]), [a5] "D"(args.values[4]), [entry] "m"(entry), [pushes] "i"(Count - 3)
            : "memory", "cc");
    } else {
        // More: pushed from the list through ESI.
        const std::uint32_t* stack = args.values + 3;
        __asm__ __volatile__(
            "movl %%esp, %[saved]\n\t"
            ".rept %c[pushes]\n\t"
            "pushl (%[stack])\n\t"
            "addl $4, %[stack]\n\t"
            ".endr\n\t"
            "call *%[entry]\n\t"
            "movl %[saved], %%esp"
            : "+a"(eax), "+d"(edx), "+c"(ecx), [saved] "=&b"(savedEsp), [stack] "+S"(stack)
            : [entry] "m"(entry), [pushes] "i"(Count - 3)
            : "memory", "cc");
    }
    return eax;
}

// Calls the entry at a position of the entry list with plain 32-bit arguments.
template <class... V>
inline std::uint32_t CallEntry(std::size_t position, V... values) noexcept {
    ArgList args;
    (args.Push(static_cast<std::uint32_t>(values)), ...);
    return CallInPlace<sizeof...(V)>(g_entryTable[position], args);
}

template <std::size_t Position, Result R, std::int32_t WithoutDriver, class... K>
inline ResultType<R> Forward(typename K::CType... p) noexcept {
    static_assert(Position < kEntryCount);
    if (g_hDriver == nullptr) {
        if constexpr (R != Result::None) return WithoutDriver;
        else return;
    }
    Slots<K...> slots{p...};
    ArgList args;
    slots.Push(args);
    const std::uint32_t eax =
        CallInPlace<kEntryList[Position].DriverArgCount()>(g_entryTable[Position], args);
    slots.Finish();
    return Widen<R>(eax);
}

}  // namespace kevra::bridge

// ---- Expansion of entry-list rows into exports -------------------------------

#define KEVRA_CAT_(a, b) a##b
#define KEVRA_CAT(a, b) KEVRA_CAT_(a, b)
#define KEVRA_COUNT_(_0, a, b, c, d, e, f, N, ...) N
#define KEVRA_COUNT(...) KEVRA_COUNT_(_ __VA_OPT__(, ) __VA_ARGS__, 6, 5, 4, 3, 2, 1, 0)

#define KEVRA_KIND(k) ::kevra::bridge::kinds::k
#define KEVRA_PARAM(k, n) KEVRA_KIND(k)::CType p##n

#define KEVRA_PARAMS_0()
#define KEVRA_PARAMS_1(a) KEVRA_PARAM(a, 1)
#define KEVRA_PARAMS_2(a, b) KEVRA_PARAMS_1(a), KEVRA_PARAM(b, 2)
#define KEVRA_PARAMS_3(a, b, c) KEVRA_PARAMS_2(a, b), KEVRA_PARAM(c, 3)
#define KEVRA_PARAMS_4(a, b, c, d) KEVRA_PARAMS_3(a, b, c), KEVRA_PARAM(d, 4)
#define KEVRA_PARAMS_5(a, b, c, d, e) KEVRA_PARAMS_4(a, b, c, d), KEVRA_PARAM(e, 5)
#define KEVRA_PARAMS_6(a, b, c, d, e, f) KEVRA_PARAMS_5(a, b, c, d, e), KEVRA_PARAM(f, 6)
#define KEVRA_PARAMS(...) KEVRA_CAT(KEVRA_PARAMS_, KEVRA_COUNT(__VA_ARGS__))(__VA_ARGS__)

#define KEVRA_ARGS_0()
#define KEVRA_ARGS_1(a) p1
#define KEVRA_ARGS_2(a, b) p1, p2
#define KEVRA_ARGS_3(a, b, c) p1, p2, p3
#define KEVRA_ARGS_4(a, b, c, d) p1, p2, p3, p4
#define KEVRA_ARGS_5(a, b, c, d, e) p1, p2, p3, p4, p5
#define KEVRA_ARGS_6(a, b, c, d, e, f) p1, p2, p3, p4, p5, p6
#define KEVRA_ARGS(...) KEVRA_CAT(KEVRA_ARGS_, KEVRA_COUNT(__VA_ARGS__))(__VA_ARGS__)

#define KEVRA_KINDS_0()
#define KEVRA_KINDS_1(a) , KEVRA_KIND(a)
#define KEVRA_KINDS_2(a, b) KEVRA_KINDS_1(a), KEVRA_KIND(b)
#define KEVRA_KINDS_3(a, b, c) KEVRA_KINDS_2(a, b), KEVRA_KIND(c)
#define KEVRA_KINDS_4(a, b, c, d) KEVRA_KINDS_3(a, b, c), KEVRA_KIND(d)
#define KEVRA_KINDS_5(a, b, c, d, e) KEVRA_KINDS_4(a, b, c, d), KEVRA_KIND(e)
#define KEVRA_KINDS_6(a, b, c, d, e, f) KEVRA_KINDS_5(a, b, c, d, e), KEVRA_KIND(f)
#define KEVRA_KINDS(...) KEVRA_CAT(KEVRA_KINDS_, KEVRA_COUNT(__VA_ARGS__))(__VA_ARGS__)

#define KEVRA_RESULT_TYPE_None void
#define KEVRA_RESULT_TYPE_Int32 std::int32_t
#define KEVRA_RESULT_TYPE_Bool std::int32_t

#define KEVRA_FORWARD(idx, result, nodrv, kinds) \
    ::kevra::bridge::Forward<(idx) - 1, ::kevra::Result::result, (nodrv) KEVRA_KINDS kinds>(KEVRA_ARGS kinds)

// Plain: the export is the common steps over its row.
#define KEVRA_DEFINE_Plain(idx, entry, name, result, nodrv, kinds)                   \
    extern "C" KEVRA_RESULT_TYPE_##result KEVRA_CALL KEVRA_##name(KEVRA_PARAMS kinds) { \
        return KEVRA_FORWARD(idx, result, nodrv, kinds);                               \
    }
// Own: the common steps become <export>Direct, around which the family source writes the export.
#define KEVRA_DEFINE_Own(idx, entry, name, result, nodrv, kinds)                 \
    static KEVRA_RESULT_TYPE_##result name##Direct(KEVRA_PARAMS kinds) noexcept { \
        return KEVRA_FORWARD(idx, result, nodrv, kinds);                           \
    }
#define KEVRA_DEFINE(idx, entry, name, result, nodrv, shape, kinds) \
    KEVRA_DEFINE_##shape(idx, entry, name, result, nodrv, kinds)
