// Call overhead of the adapter's exports, measured under the stand-in driver's
// fast mode (its entries return at once). For each shape of call three loops
// are timed in turns: the floor (the same stand-in entry called directly in
// the register convention), the floor plus the bytes the export has to move
// (string and record shapes), and the export. A second pass counts the
// adapter's heap use per shape through its msvcrt imports.
//
//   bench.exe [--quick] [calls-per-run]
//
// Exit status: 0 when the fast mode behaves and the heap use is as expected
// (none, except one n+1 block released before returning on the suffix route of
// KEVRA_configurePad); 1 otherwise. The timing targets are reported only.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "binding/entry_list.h"
#include "bridge/short_string.h"
#include "common/import_patch.h"

using harness::PatchImport;
#include "kevrad2c.h"

// ---- direct calls of a driver entry in the register convention -------------
// FloorCallK(entry, args): arguments 1 to 3 from args[0..2] into EAX, EDX and
// ECX, K more from args[3..] pushed left to right; the entry removes them.
extern "C" std::uint32_t FloorCall0(const void* entry, const std::uint32_t* args);
extern "C" std::uint32_t FloorCall2(const void* entry, const std::uint32_t* args);
extern "C" std::uint32_t FloorCall3(const void* entry, const std::uint32_t* args);
// One call that checks the entry's manners: stack bytes removed beyond its
// own (0 when right) and whether EBX, ESI, EDI and EBP came back unchanged.
extern "C" std::uint32_t CheckedCall(const void* entry, const std::uint32_t* args, std::uint32_t stackCount,
                                     std::int32_t* espDelta, std::uint32_t* preserved);
extern "C" {
std::uint32_t g_checkEntry, g_checkFrame;
}
__asm__(
    ".intel_syntax noprefix\n"
    ".text\n"
    ".globl _FloorCall0\n"
    "_FloorCall0:\n"
    "\tmov ecx, [esp+8]\n"
    "\tmov eax, [ecx]\n"
    "\tmov edx, [ecx+4]\n"
    "\tmov ecx, [ecx+8]\n"
    "\tcall dword ptr [esp+4]\n"
    "\tret\n"
    ".globl _FloorCall2\n"
    "_FloorCall2:\n"
    "\tmov ecx, [esp+8]\n"
    "\tpush dword ptr [ecx+12]\n"
    "\tpush dword ptr [ecx+16]\n"
    "\tmov eax, [ecx]\n"
    "\tmov edx, [ecx+4]\n"
    "\tmov ecx, [ecx+8]\n"
    "\tcall dword ptr [esp+12]\n"
    "\tret\n"
    ".globl _FloorCall3\n"
    "_FloorCall3:\n"
    "\tmov ecx, [esp+8]\n"
    "\tpush dword ptr [ecx+12]\n"
    "\tpush dword ptr [ecx+16]\n"
    "\tpush dword ptr [ecx+20]\n"
    "\tmov eax, [ecx]\n"
    "\tmov edx, [ecx+4]\n"
    "\tmov ecx, [ecx+8]\n"
    "\tcall dword ptr [esp+16]\n"
    "\tret\n"
    ".globl _CheckedCall\n"
    "_CheckedCall:\n"
    "\tpush ebp\n"
    "\tmov ebp, esp\n"
    "\tpush ebx\n"
    "\tpush esi\n"
    "\tpush edi\n"                          // ESP is ebp-12 before and, for a right entry, after the call
    "\tmov [_g_checkFrame], ebp\n"
    "\tmov eax, [ebp+8]\n"
    "\tmov [_g_checkEntry], eax\n"
    "\tmov eax, [ebp+12]\n"
    "\tmov ecx, [ebp+16]\n"
    "\txor edx, edx\n"
    "1:\tcmp edx, ecx\n"
    "\tjae 2f\n"
    "\tpush dword ptr [eax+edx*4+12]\n"
    "\tinc edx\n"
    "\tjmp 1b\n"
    "2:\tmov edx, [eax+4]\n"
    "\tmov ecx, [eax+8]\n"
    "\tmov eax, [eax]\n"
    "\tmov ebx, 0xB0BA0042\n"
    "\tmov esi, 0x5EED1234\n"
    "\tmov edi, 0x7A11C0DE\n"
    "\tmov ebp, 0xFEEDF00D\n"
    "\tcall dword ptr [_g_checkEntry]\n"
    "\txor ecx, ecx\n"
    "\tcmp ebx, 0xB0BA0042\n"
    "\tjne 3f\n"
    "\tcmp esi, 0x5EED1234\n"
    "\tjne 3f\n"
    "\tcmp edi, 0x7A11C0DE\n"
    "\tjne 3f\n"
    "\tcmp ebp, 0xFEEDF00D\n"
    "\tjne 3f\n"
    "\tmov ecx, 1\n"
    "3:\tmov edx, esp\n"
    "\tmov ebp, [_g_checkFrame]\n"
    "\tlea ebx, [ebp-12]\n"
    "\tsub edx, ebx\n"
    "\tmov ebx, [ebp+20]\n"
    "\tmov [ebx], edx\n"
    "\tmov ebx, [ebp+24]\n"
    "\tmov [ebx], ecx\n"
    "\tlea esp, [ebp-12]\n"
    "\tpop edi\n"
    "\tpop esi\n"
    "\tpop ebx\n"
    "\tpop ebp\n"
    "\tret\n"
    ".att_syntax prefix\n");

namespace {

std::uint32_t U(const void* p) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p)); }
// Keeps the compiler from dropping or moving stores that only the callee reads.
inline void Clobber() { __asm__ __volatile__("" ::: "memory"); }
// A length the compiler cannot see: the floor's copies of texts then go
// through the C library's memcpy, as the adapter's do, rather than becoming
// fixed-size block moves that only a length known in advance allows.
std::size_t RunTime(std::size_t n) {
    __asm__("" : "+r"(n));
    return n;
}

// ---- places (the program lives in build\win\bench) ---------------------------
std::string BuildDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    s = s.substr(0, s.find_last_of('\\'));
    return s.substr(0, s.find_last_of('\\'));
}

// ---- the adapter's heap use, counted through its msvcrt imports --------------
struct Heap {
    long blocks = 0, released = 0, live = 0, otherSize = 0, otherCalls = 0;
    std::size_t expectedSize = 0;
} g_heap;

void* __cdecl CountedMalloc(std::size_t n) {
    ++g_heap.blocks;
    ++g_heap.live;
    if (n != g_heap.expectedSize) ++g_heap.otherSize;
    return std::malloc(n);
}
void* __cdecl CountedCalloc(std::size_t n, std::size_t size) {
    ++g_heap.otherCalls;
    ++g_heap.live;
    return std::calloc(n, size);
}
void* __cdecl CountedRealloc(void* p, std::size_t n) {
    ++g_heap.otherCalls;
    if (p == nullptr) ++g_heap.live;
    return std::realloc(p, n);
}
void __cdecl CountedFree(void* p) {
    if (p != nullptr) {
        ++g_heap.released;
        --g_heap.live;
    }
    std::free(p);
}


// ---- timing ----------------------------------------------------------------
double g_ticksPerNs = 0;

template <class Body>
double NsPerCall(Body&& body, int calls) {
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < calls; ++i) body();
    QueryPerformanceCounter(&b);
    return static_cast<double>(b.QuadPart - a.QuadPart) / g_ticksPerNs / calls;
}

struct Series {
    std::vector<double> ns;
    double Median() const {
        std::vector<double> s = ns;
        std::sort(s.begin(), s.end());
        return s[s.size() / 2];
    }
    double Min() const { return *std::min_element(ns.begin(), ns.end()); }
    double Max() const { return *std::max_element(ns.begin(), ns.end()); }
};

struct Row {
    const char* shape;
    bool moves;  // a string or record shape: judged against floor plus copy
    Series floor, copy, exported;
};

// The three loops of a shape in turns, run after run, so that a slow spell of
// the machine hits all three alike.
template <class Floor, class Copy, class Export>
Row Measure(const char* shape, bool moves, Floor&& floor, Copy&& copy, Export&& exported, int runs, int calls) {
    Row r{shape, moves, {}, {}, {}};
    floor();
    copy();
    exported();
    for (int run = 0; run < runs; ++run) {
        r.floor.ns.push_back(NsPerCall(floor, calls));
        if (moves) r.copy.ns.push_back(NsPerCall(copy, calls));
        r.exported.ns.push_back(NsPerCall(exported, calls));
    }
    return r;
}

std::string Cell(const Series& s) {
    if (s.ns.empty()) return "-";
    char b[64];
    std::snprintf(b, sizeof b, "%7.1f (%.1f-%.1f)", s.Median(), s.Min(), s.Max());
    return b;
}

// The exports measured, taken from the loaded adapter.
struct Exports {
    decltype(&KEVRA_getOEMType) getOEMType;
    decltype(&KEVRA_OverrideKey) overrideKey;
    decltype(&KEVRA_setLang) setLang;
    decltype(&KEVRA_GetDriverString) getDriverString;
    decltype(&KEVRA_getFrame) getFrame;
    decltype(&KEVRA_configurePad) configurePad;
} g_x;

int g_failures = 0;
void Expect(bool ok, const char* what) {
    if (!ok) {
        std::printf("FAILED: %s\n", what);
        ++g_failures;
    }
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    bool quick = false;
    int calls = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) quick = true;
        else calls = std::atoi(argv[i]);
    }
    if (calls <= 0) calls = quick ? 2000 : 100000;
    const int runs = quick ? 3 : 7;
    const int heapCalls = quick ? 200 : 5000;

    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    g_ticksPerNs = static_cast<double>(freq.QuadPart) / 1e9;

    // The adapter by full path; the stand-in found through the DLL search path, in its fast mode.
    const std::string build = BuildDir();
    SetDllDirectoryA((build + "\\standin").c_str());
    SetEnvironmentVariableA("KEVRA_STANDIN_FAST", "1");
    const HMODULE adapter = LoadLibraryA((build + "\\bin\\kevrad2c.dll").c_str());
    if (adapter == nullptr) {
        std::printf("FAILED: cannot load %s\\bin\\kevrad2c.dll\n", build.c_str());
        return 1;
    }
    const auto get = [adapter](const char* name) { return reinterpret_cast<void*>(GetProcAddress(adapter, name)); };
#define KEVRA_EXPORT(name) reinterpret_cast<decltype(&name)>(get(#name))
    if (KEVRA_EXPORT(KEVRA_initialize)() != 1) {
        std::printf("FAILED: KEVRA_initialize binds no driver (stand-in expected in %s\\standin)\n", build.c_str());
        return 1;
    }
    const HMODULE driver = GetModuleHandleA("kevra.dll");
    const auto entry = [driver](const char* name) {
        return reinterpret_cast<const void*>(GetProcAddress(driver, name));
    };

    // ---- the fast mode's manners, entry by entry ---------------------------------
    // Every argument points into a patterned block: nothing may be written there,
    // EAX comes back 0, exactly the entry's stack bytes go, the preserved registers stay.
    {
        static unsigned char pattern[512];
        std::memset(pattern, 0xC5, sizeof pattern);
        int bad = 0;
        for (const kevra::EntryRow& row : kevra::kEntryList) {
            const std::string name(row.entry);
            std::uint32_t args[kevra::kMaxDriverArgs];
            for (std::uint32_t& a : args) a = U(pattern + 128);
            std::int32_t espDelta = 0;
            std::uint32_t preserved = 0;
            const std::uint32_t stackCount = static_cast<std::uint32_t>(row.StackBytes() / 4);
            const std::uint32_t eax = CheckedCall(entry(name.c_str()), args, stackCount, &espDelta, &preserved);
            bool untouched = true;
            for (unsigned char c : pattern) untouched &= c == 0xC5;
            if (eax != 0 || espDelta != 0 || preserved != 1 || !untouched) {
                std::printf("  %s: EAX 0x%08X, ESP off by %ld, registers %s, arguments %s\n", name.c_str(), eax,
                            static_cast<long>(espDelta), preserved ? "kept" : "changed",
                            untouched ? "untouched" : "written");
                ++bad;
            }
        }
        Expect(bad == 0, "the stand-in's fast mode: every entry returns 0 at once and removes its own stack bytes");
        if (bad != 0) return 1;
    }

    g_x = {KEVRA_EXPORT(KEVRA_getOEMType),      KEVRA_EXPORT(KEVRA_OverrideKey), KEVRA_EXPORT(KEVRA_setLang),
           KEVRA_EXPORT(KEVRA_GetDriverString), KEVRA_EXPORT(KEVRA_getFrame),    KEVRA_EXPORT(KEVRA_configurePad)};
    const void* const eGetOEMType = entry("GetOEMType");
    const void* const eOverrideKey = entry("OverrideKey");
    const void* const eSetLang = entry("setLang");
    const void* const eGetDriverString = entry("GetDriverString");
    const void* const eGetFrame = entry("getFrame");
    const void* const eConfigurePad = entry("configurePad");
    const void* const eCheckConnectedPad = entry("checkConnectedPad");

    // The texts: 255 characters; the suffixed one cut to the same 255 once the suffix is gone.
    static char text[256], suffixed[256 + kevra::kCheckConnectedPadSuffixLength];
    static char io[256], out[256];
    std::memset(text, 'L', 255);
    std::memcpy(suffixed, text, 255);
    std::memcpy(suffixed + 255, kevra::kCheckConnectedPadSuffix, kevra::kCheckConnectedPadSuffixLength + 1);
    const std::size_t textLength = RunTime(255), suffixedLength = RunTime(std::strlen(suffixed));
    std::memset(io, 'P', 255);
    // The floor's driver-side buffers: ready-made short strings and a driver-layout frame.
    static unsigned char shortText[256], shortIo[256], copyBuf[sizeof suffixed], result[256], driverFrame[20];
    static FrameRecord frame;
    shortText[0] = 255;
    std::memcpy(shortText + 1, text, 255);
    shortIo[0] = 255;
    std::memcpy(shortIo + 1, io, 255);

    // ---- timing ----------------------------------------------------------------
    std::vector<Row> rows;
    {
        const std::uint32_t args[3] = {};
        rows.push_back(Measure(
            "getOEMType: no arguments, int32 result", false, [&] { FloorCall0(eGetOEMType, args); }, [] {},
            [&] { g_x.getOEMType(); }, runs, calls));
    }
    {
        const std::uint32_t args[5] = {1, 2, 3, 4, 5};
        rows.push_back(Measure(
            "OverrideKey: 5 x int32 (2 on the stack), bool", false, [&] { FloorCall2(eOverrideKey, args); }, [] {},
            [&] { g_x.overrideKey(1, 2, 3, 4, 5); }, runs, calls));
    }
    {
        const std::uint32_t args[3] = {U(shortText), 0, 0};
        rows.push_back(Measure(
            "setLang: 255-character text in", true, [&] { FloorCall0(eSetLang, args); },
            [&] {
                shortText[0] = 255;
                std::memcpy(shortText + 1, text, textLength);
                Clobber();
                FloorCall0(eSetLang, args);
            },
            [&] { g_x.setLang(text); }, runs, calls));
    }
    {
        const std::uint32_t args[3] = {5, U(result), 0};
        rows.push_back(Measure(
            "GetDriverString: 256-byte text out", true, [&] { FloorCall0(eGetDriverString, args); },
            [&] {
                std::memset(result, 0, sizeof result);
                Clobber();
                FloorCall0(eGetDriverString, args);
                std::memcpy(out, result + 1, result[0]);
                out[result[0]] = '\0';
                Clobber();
            },
            [&] { g_x.getDriverString(5, out); }, runs, calls));
    }
    {
        const std::uint32_t args[3] = {U(driverFrame), 0, 0};
        rows.push_back(Measure(
            "getFrame: 20-byte record to 14 packed bytes", true, [&] { FloorCall0(eGetFrame, args); },
            [&] {
                std::memset(driverFrame, 0, sizeof driverFrame);
                Clobber();
                FloorCall0(eGetFrame, args);
                std::memcpy(&frame, driverFrame, sizeof frame);
                Clobber();
            },
            [&] { g_x.getFrame(&frame); }, runs, calls));
    }
    // The copies a configurePad call needs around the bare entry call: the first
    // text and the in/out text into short strings, the answer back into io.
    const auto CopyCallCopyBack = [&](const void* target, const std::uint32_t* entryArgs, const void* first) {
        shortText[0] = 255;
        std::memcpy(shortText + 1, first, textLength);
        shortIo[0] = 255;
        std::memcpy(shortIo + 1, io, textLength);
        Clobber();
        FloorCall3(target, entryArgs);
        std::memcpy(io, shortIo + 1, shortIo[0]);
        io[shortIo[0]] = '\0';
        Clobber();
    };
    {
        const std::uint32_t args[6] = {U(shortText), 1, 2, 3, U(shortIo), 255};
        rows.push_back(Measure(
            "configurePad: 255-char text, 255-char text in/out", true, [&] { FloorCall3(eConfigurePad, args); },
            [&] { CopyCallCopyBack(eConfigurePad, args, text); },
            [&] { g_x.configurePad(text, 1, 2, 3, io); }, runs, calls));
    }
    {
        const std::uint32_t args[6] = {U(shortText), 2, 1, 3, U(shortIo), 255};
        rows.push_back(Measure(
            "configurePad + \";use_checkconnectedpad\"", true, [&] { FloorCall3(eCheckConnectedPad, args); },
            [&] {
                std::memcpy(copyBuf, suffixed, suffixedLength + 1);
                Clobber();
                CopyCallCopyBack(eCheckConnectedPad, args, copyBuf);
            },
            [&] { g_x.configurePad(suffixed, 1, 2, 3, io); }, runs, calls));
    }
    Expect(std::strlen(io) == 255 && out[0] == '\0', "the texts come back as the fast mode leaves them");

    std::printf("Call overhead under the stand-in's fast mode: %d runs of %d calls each, ns per call as\n"
                "median (min-max); under an emulator only the ratios within this run mean anything.\n\n",
                runs, calls);
    std::printf("%-50s %-22s %-22s %-22s %8s %8s  %s\n", "shape", "floor", "floor+copy", "export", "exp/flr",
                "exp/f+c", "target");
    for (const Row& r : rows) {
        const double vsFloor = r.exported.Median() / r.floor.Median();
        char vsCopy[16] = "-", target[64];
        if (r.moves) {
            const double ratio = r.exported.Median() / r.copy.Median();
            std::snprintf(vsCopy, sizeof vsCopy, "%.2f", ratio);
            std::snprintf(target, sizeof target, "%s (<= 2x floor+copy)", ratio <= 2.0 ? "met" : "MISSED");
        } else {
            std::snprintf(target, sizeof target, "%s (<= 1.3x floor)", vsFloor <= 1.3 ? "met" : "MISSED");
        }
        std::printf("%-50s %-22s %-22s %-22s %8.2f %8s  %s\n", r.shape, Cell(r.floor).c_str(), Cell(r.copy).c_str(),
                    Cell(r.exported).c_str(), vsFloor, vsCopy, target);
    }

    // ---- heap use ----------------------------------------------------------------
    const bool patched = PatchImport(adapter, "msvcrt.dll", "malloc", reinterpret_cast<void*>(&CountedMalloc)) &
                         PatchImport(adapter, "msvcrt.dll", "free", reinterpret_cast<void*>(&CountedFree));
    PatchImport(adapter, "msvcrt.dll", "calloc", reinterpret_cast<void*>(&CountedCalloc));
    PatchImport(adapter, "msvcrt.dll", "realloc", reinterpret_cast<void*>(&CountedRealloc));
    Expect(patched, "the adapter imports malloc and free from msvcrt.dll by name");

    struct HeapCase {
        const char* shape;
        void (*call)();
        bool allocates;
    };
    static const HeapCase heapCases[] = {
        {"getOEMType", [] { g_x.getOEMType(); }, false},
        {"OverrideKey", [] { g_x.overrideKey(1, 2, 3, 4, 5); }, false},
        {"setLang", [] { g_x.setLang(text); }, false},
        {"GetDriverString", [] { g_x.getDriverString(5, out); }, false},
        {"getFrame", [] { g_x.getFrame(&frame); }, false},
        {"configurePad", [] { g_x.configurePad(text, 1, 2, 3, io); }, false},
        {"configurePad + suffix", [] { g_x.configurePad(suffixed, 1, 2, 3, io); }, true},
    };
    std::printf("\nHeap use of the adapter over %d calls per shape (malloc/calloc/realloc/free imports counted):\n",
                heapCalls);
    std::printf("%-24s %8s %12s %9s %14s %15s  %s\n", "shape", "blocks", "other sizes", "released", "calloc/realloc",
                "calls not so", "expected");
    for (const HeapCase& c : heapCases) {
        g_heap = Heap{};
        g_heap.expectedSize = suffixedLength + 1;
        // A call is as expected when it takes the blocks it should (one or none)
        // and has released them all when it returns.
        long callsNotSo = 0;
        for (int i = 0; i < heapCalls; ++i) {
            const long before = g_heap.blocks;
            c.call();
            if (g_heap.blocks - before != (c.allocates ? 1 : 0) || g_heap.live != 0) ++callsNotSo;
        }
        const bool ok = callsNotSo == 0 && g_heap.otherSize == 0 && g_heap.otherCalls == 0 &&
                        g_heap.released == g_heap.blocks;
        char expected[80];
        if (c.allocates)
            std::snprintf(expected, sizeof expected, "one %zu-byte block a call, released before it returns: %s",
                          suffixedLength + 1, ok ? "yes" : "NO");
        else
            std::snprintf(expected, sizeof expected, "none: %s", ok ? "yes" : "NO");
        std::printf("%-24s %8ld %12ld %9ld %14ld %15ld  %s\n", c.shape, g_heap.blocks, g_heap.otherSize,
                    g_heap.released, g_heap.otherCalls, callsNotSo, expected);
        Expect(ok, c.shape);
    }

    KEVRA_EXPORT(KEVRA_uninitialize)();
    FreeLibrary(adapter);
#undef KEVRA_EXPORT
    std::printf("\n%s\n", g_failures == 0 ? "heap use as expected" : "FAILED");
    return g_failures == 0 ? 0 : 1;
}
