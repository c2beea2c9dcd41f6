// What the Windows tests share: where the built files are, the recording hook
// that the stand-in driver reports to, the adapter loaded fresh with its
// imports of the loader and registry functions counted from the outside, and
// a call helper that checks the stack and the preserved registers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "binding/entry_list.h"
#include "common/check.h"
#include "common/import_patch.h"
#include "standin/standin.h"

namespace harness {

// ---- process set-up: a crash ends the program at once with a message -------
inline LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
    std::printf("CRASH: exception 0x%08lX at %p\n", info->ExceptionRecord->ExceptionCode, info->ExceptionRecord->ExceptionAddress);
    std::printf("%d passed, %d failed\n", check::g_passed, check::g_failed + 1);
    std::fflush(stdout);
    ExitProcess(3);
}
inline void Begin() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    setvbuf(stdout, nullptr, _IONBF, 0);
}

// ---- places ------------------------------------------------------------
inline std::string ExeDir() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\'));
}
inline std::string BuildDir() {
    std::string s = ExeDir();
    return s.substr(0, s.find_last_of('\\'));
}
inline std::string AdapterPath() { return BuildDir() + "\\bin\\kevrad2c.dll"; }
inline std::string StandinDir() { return BuildDir() + "\\standin"; }
// A fresh directory under the tests' own, created on demand.
inline std::string ScratchDir(const std::string& name) {
    const std::string dir = ExeDir() + "\\scratch-" + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}
inline bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

// ---- the driver's registry value -----------------------------------------
inline constexpr const char* kDriverKey = "SOFTWARE\\Vantreck\\WTConfig";
inline void DeleteDriverKey() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kDriverKey); }
// Writes the value "driver" with exactly these bytes (no NUL is added).
inline bool SetDriverValue(const std::string& bytes, DWORD type = REG_SZ) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDriverKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG r = RegSetValueExA(key, "driver", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                  static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}
inline bool SetDriverDirectory(const std::string& dir) { return SetDriverValue(dir + std::string(1, '\0')); }

// ---- what the stand-in reports --------------------------------------------
struct Script {
    std::uint32_t eax = 0;
    bool writeText = false;
    unsigned char text[256] = {};
    bool writeRecord = false;
    unsigned char record[20] = {};
    std::int32_t stackBytesDelta = 0;  // a misbehaving entry removes this many bytes more
};
struct Recorder {
    static constexpr int kMax = 16;
    StandinCall calls[kMax];
    int count = 0;
    Script script;
    void Reset() {
        count = 0;
        script = Script{};
    }
    const StandinCall* Find(std::string_view entry) const {
        for (int i = 0; i < count && i < kMax; ++i)
            if (kevra::kEntryList[calls[i].entry - 1].entry == entry) return &calls[i];
        return nullptr;
    }
};
// Each thread scripts and sees only its own calls.
inline thread_local Recorder t_recorder;

inline void SetScriptText(Script& s, const std::string& text) {
    s.writeText = true;
    s.text[0] = static_cast<unsigned char>(text.size());
    std::memcpy(s.text + 1, text.data(), text.size());
}

// ---- events in order: loads, unloads, registry use, entry calls -------------
struct Events {
    std::vector<std::string> log;
    bool logCalls = true;  // off while several threads call: the log is not shared safely
    int loads = 0, frees = 0, regOpens = 0, regQueries = 0, regCloses = 0, mallocs = 0, heapFrees = 0;
    std::vector<std::string> loadPaths;
    std::vector<std::size_t> mallocSizes;
    void Reset() {
        const bool keep = logCalls;
        *this = Events{};
        logCalls = keep;
    }
};
inline Events g_events;

}  // namespace harness

// The stand-in finds this export in the main program and reports every call to it.
extern "C" __declspec(dllexport) void __cdecl KevraStandinHook(const StandinCall* call, StandinReply* reply);
extern "C" __declspec(dllexport) void __cdecl KevraStandinHook(const StandinCall* call, StandinReply* reply) {
    harness::Recorder& r = harness::t_recorder;
    if (r.count < harness::Recorder::kMax) r.calls[r.count] = *call;
    ++r.count;
    if (harness::g_events.logCalls)
        harness::g_events.log.push_back("call " + std::string(kevra::kEntryList[call->entry - 1].entry) + " " +
                                    std::to_string(call->eax));
    reply->eax = r.script.eax;
    reply->writeText = r.script.writeText;
    std::memcpy(reply->text, r.script.text, sizeof reply->text);
    reply->writeRecord = r.script.writeRecord;
    std::memcpy(reply->record, r.script.record, sizeof reply->record);
    reply->stackBytes += r.script.stackBytesDelta;
}

namespace harness {

// ---- the adapter, loaded fresh, with counted imports ------------------------
namespace hooks {
inline HMODULE WINAPI LoadLibraryA_(LPCSTR name) {
    ++g_events.loads;
    g_events.loadPaths.push_back(name ? name : "(null)");
    g_events.log.push_back(std::string("load ") + (name ? name : "(null)"));
    return LoadLibraryA(name);
}
inline BOOL WINAPI FreeLibrary_(HMODULE m) {
    ++g_events.frees;
    g_events.log.push_back("free");
    return FreeLibrary(m);
}
inline LONG WINAPI RegOpenKeyExA_(HKEY key, LPCSTR sub, DWORD options, REGSAM access, PHKEY out) {
    ++g_events.regOpens;
    g_events.log.push_back(std::string("regopen ") + sub + " " + std::to_string(options) + " " + std::to_string(access));
    return RegOpenKeyExA(key, sub, options, access, out);
}
inline LONG WINAPI RegQueryValueExA_(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
    ++g_events.regQueries;
    g_events.log.push_back(std::string("regquery ") + (name ? name : "") + " " + std::to_string(size ? *size : 0));
    return RegQueryValueExA(key, name, reserved, type, data, size);
}
inline LONG WINAPI RegCloseKey_(HKEY key) {
    ++g_events.regCloses;
    g_events.log.push_back("regclose");
    return RegCloseKey(key);
}
inline void* __cdecl malloc_(std::size_t n) {
    if (g_events.logCalls) {
        ++g_events.mallocs;
        g_events.mallocSizes.push_back(n);
    }
    return std::malloc(n);
}
inline void __cdecl free_(void* p) {
    if (p != nullptr && g_events.logCalls) ++g_events.heapFrees;
    std::free(p);
}
}  // namespace hooks

// The adapter library, loaded for one scenario (so its state starts afresh)
// and unloaded after it; the driver is unbound and the search path reset.
class Adapter {
public:
    Adapter() {
        g_events.Reset();
        t_recorder.Reset();
        module_ = LoadLibraryA(AdapterPath().c_str());
        OK(module_ != nullptr, "adapter loads from %s", AdapterPath().c_str());
        if (module_ == nullptr) return;
        const bool patched =
            PatchImport(module_, "kernel32.dll", "LoadLibraryA", reinterpret_cast<void*>(&hooks::LoadLibraryA_)) &
            PatchImport(module_, "kernel32.dll", "FreeLibrary", reinterpret_cast<void*>(&hooks::FreeLibrary_)) &
            PatchImport(module_, "advapi32.dll", "RegOpenKeyExA", reinterpret_cast<void*>(&hooks::RegOpenKeyExA_)) &
            PatchImport(module_, "advapi32.dll", "RegQueryValueExA", reinterpret_cast<void*>(&hooks::RegQueryValueExA_)) &
            PatchImport(module_, "advapi32.dll", "RegCloseKey", reinterpret_cast<void*>(&hooks::RegCloseKey_)) &
            PatchImport(module_, "msvcrt.dll", "malloc", reinterpret_cast<void*>(&hooks::malloc_)) &
            PatchImport(module_, "msvcrt.dll", "free", reinterpret_cast<void*>(&hooks::free_));
        OK(patched, "the adapter imports the loader, registry and heap functions by name");
    }
    ~Adapter() {
        if (module_ == nullptr) return;
        Get<void(__cdecl*)()>("KEVRA_uninitialize")();
        FreeLibrary(module_);
        SetDllDirectoryA(nullptr);
        DeleteDriverKey();
    }
    Adapter(const Adapter&) = delete;
    Adapter& operator=(const Adapter&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }
    template <class F>
    F Get(const std::string& name) const {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name.c_str())));
    }
    std::int32_t Initialize() const { return Get<std::int32_t(__cdecl*)()>("KEVRA_initialize")(); }
    void Uninitialize() const { Get<void(__cdecl*)()>("KEVRA_uninitialize")(); }

private:
    HMODULE module_ = nullptr;
};

// ---- a call that watches the stack and the preserved registers ----------------
struct CallOutcome {
    std::uint32_t eax;
    std::int32_t espDelta;      // ESP after the call minus ESP before (0 for a balanced C call)
    bool registersPreserved;    // EBX, ESI, EDI and EBP came back unchanged
};
extern "C" {
std::uint32_t g_harnessFrame;  // one test program is one translation unit
}
extern "C" std::uint32_t HarnessCallCdecl(const void* fn, const std::uint32_t* args, std::uint32_t* espAfterMinusBefore,
                                          std::uint32_t* preserved);
inline CallOutcome CallExport(const void* fn, const std::uint32_t (&args)[7]) {
    std::uint32_t delta = 0, preserved = 0;
    const std::uint32_t eax = HarnessCallCdecl(fn, args, &delta, &preserved);
    return {eax, static_cast<std::int32_t>(delta), preserved == 1};
}

}  // namespace harness

// Pushes seven arguments (extra ones are harmless to a C function), loads
// marker values into the registers the callee must preserve, calls, and
// reports the stack-pointer difference and whether the markers survived. The
// frame pointer waits in a static, out of the callee's reach: one thread at a time.
__asm__(
    ".intel_syntax noprefix\n"
    ".text\n"
    ".globl _HarnessCallCdecl\n"
    "_HarnessCallCdecl:\n"
    "\tpush ebp\n"
    "\tmov ebp, esp\n"
    "\tpush ebx\n"
    "\tpush esi\n"
    "\tpush edi\n"
    "\tpush 0\n"                            // [ebp-16]: unused, keeps the layout
    "\tmov eax, [ebp+12]\n"
    "\tmov ecx, 7\n"
    "1:\tpush dword ptr [eax+ecx*4-4]\n"   // right to left: argument 7 first; ESP is now ebp-44
    "\tdec ecx\n"
    "\tjnz 1b\n"
    "\tmov eax, [ebp+8]\n"
    "\tmov [_g_harnessFrame], ebp\n"
    "\tmov ebx, 0xB0BA0042\n"
    "\tmov esi, 0x5EED1234\n"
    "\tmov edi, 0x7A11C0DE\n"
    "\tmov ebp, 0xFEEDF00D\n"
    "\tcall eax\n"
    "\txor ecx, ecx\n"
    "\tcmp ebx, 0xB0BA0042\n"
    "\tjne 2f\n"
    "\tcmp esi, 0x5EED1234\n"
    "\tjne 2f\n"
    "\tcmp edi, 0x7A11C0DE\n"
    "\tjne 2f\n"
    "\tcmp ebp, 0xFEEDF00D\n"
    "\tjne 2f\n"
    "\tmov ecx, 1\n"
    "2:\tmov edx, esp\n"
    "\tmov ebp, [_g_harnessFrame]\n"
    "\tlea ebx, [ebp-44]\n"
    "\tsub edx, ebx\n"                        // ESP after minus ESP before
    "\tmov ebx, [ebp+16]\n"
    "\tmov [ebx], edx\n"
    "\tmov ebx, [ebp+20]\n"
    "\tmov [ebx], ecx\n"
    "\tlea esp, [ebp-12]\n"
    "\tpop edi\n"
    "\tpop esi\n"
    "\tpop ebx\n"
    "\tpop ebp\n"
    "\tret\n"
    ".att_syntax prefix\n");
