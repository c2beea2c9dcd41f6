// Binding and unbinding the driver on the real loader: the plain name, the
// registry fallback, the kept path, refusal of an incomplete library, and the
// lifecycle exports. Loader and registry use is counted by patching the
// adapter's imports inside this process.
#include <cstdio>
#include <string>

#include "common/pe_file.h"
#include "harness.h"

using namespace harness;

namespace {

using GetOEMType = std::int32_t(__cdecl*)();
using FinalizeDLL = void(__cdecl*)(std::int32_t);

std::string LoadedDriverPath() {
    HMODULE m = GetModuleHandleA("kevra.dll");
    if (m == nullptr) return "";
    char path[MAX_PATH];
    GetModuleFileNameA(m, path, MAX_PATH);
    return path;
}

int CountCalls(std::string_view entry) {
    int n = 0;
    for (int i = 0; i < t_recorder.count && i < Recorder::kMax; ++i)
        n += kevra::kEntryList[t_recorder.calls[i].entry - 1].entry == entry;
    return n;
}

std::string Lower(std::string s) {
    CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

void PlainNameFound() {
    Adapter a;
    SetDllDirectoryA(StandinDir().c_str());
    OK(a.Initialize() == 1, "plain name: initialize returns 1");
    OK(g_events.loads == 1 && g_events.loadPaths[0] == "kevra.dll", "plain name: one LoadLibraryA(\"kevra.dll\"), got %d",
       g_events.loads);
    OK(g_events.regOpens == 0, "plain name: registry not opened, opened %d times", g_events.regOpens);
    OK(Lower(LoadedDriverPath()) == Lower(StandinDir() + "\\kevra.dll"), "plain name: loaded %s", LoadedDriverPath().c_str());
    OK(CountCalls("FinalizeDLL") == 0, "plain name: FinalizeDLL not called by initialize");
}

void RegistryFallbackAndKeptPath() {
    Adapter a;
    SetDllDirectoryA(ScratchDir("empty").c_str());
    OK(SetDriverDirectory(StandinDir()), "registry value written");
    OK(a.Initialize() == 1, "registry: initialize returns 1");
    const std::string composed = StandinDir() + "\\kevra.dll";
    OK(g_events.loads == 2 && g_events.loadPaths[0] == "kevra.dll" && g_events.loadPaths[1] == composed,
       "registry: plain name, then %s (%d loads)", composed.c_str(), g_events.loads);
    OK(g_events.regOpens == 1 && g_events.regQueries == 1 && g_events.regCloses == 1, "registry: opened, read, closed once");
    OK(!g_events.log.empty() && g_events.log[1] == "regopen SOFTWARE\\Vantreck\\WTConfig 0 1",
       "registry: key opened with options 0 and KEY_QUERY_VALUE only: %s", g_events.log.size() > 1 ? g_events.log[1].c_str() : "");
    OK(g_events.log.size() > 2 && g_events.log[2] == "regquery driver 260", "registry: value \"driver\" read with size 260: %s",
       g_events.log.size() > 2 ? g_events.log[2].c_str() : "");

    // Unbind and bind again: the composed path comes first, the plain name is not tried.
    a.Uninitialize();
    OK(CountCalls("FinalizeDLL") == 1 && t_recorder.Find("FinalizeDLL")->eax == 1, "uninitialize: FinalizeDLL(1)");
    OK(g_events.frees == 1, "uninitialize: library freed once");
    g_events.Reset();
    SetDllDirectoryA(StandinDir().c_str());  // the plain name would be found now
    OK(a.Initialize() == 1, "kept path: initialize returns 1");
    OK(g_events.loads == 1 && g_events.loadPaths[0] == composed, "kept path: first load is %s, got %s", composed.c_str(),
       g_events.loadPaths.empty() ? "" : g_events.loadPaths[0].c_str());
    OK(g_events.regOpens == 0, "kept path: registry not opened");
}

void NothingAnywhere() {
    Adapter a;
    DeleteDriverKey();
    SetDllDirectoryA(ScratchDir("empty").c_str());
    OK(a.Initialize() == 0, "no driver: initialize returns 0");
    OK(g_events.loads == 2 && g_events.regOpens == 2, "no driver: two loads and two registry opens, got %d and %d",
       g_events.loads, g_events.regOpens);
    OK(a.Get<GetOEMType>("KEVRA_getOEMType")() == 0, "no driver: getOEMType returns 0");
    a.Get<FinalizeDLL>("KEVRA_FinalizeDLL")(7);
    a.Uninitialize();
    OK(t_recorder.count == 0 && g_events.frees == 0, "no driver: FinalizeDLL and uninitialize call nothing");
}

// A copy of the stand-in whose export table lacks one name.
bool WriteVariant(const std::string& dir, const std::string& missing) {
    pe::Image image = pe::Image::FromFile(StandinDir() + "\\kevra.dll");
    return image.RemoveExportName(missing) && WriteFileBytes(dir + "\\kevra.dll", image.Bytes());
}

void IncompleteLibraryRefused() {
    const std::string dir = ScratchDir("variant");
    int refused = 0;
    for (const kevra::EntryRow& row : kevra::kEntryList) {
        const std::string name(row.entry);
        Adapter a;
        OK(WriteVariant(dir, name), "variant without %s written", name.c_str());
        SetDllDirectoryA(dir.c_str());
        SetDriverDirectory(StandinDir());  // a complete library there must not be tried
        const std::int32_t r = a.Initialize();
        const bool ok = OK(r == 0, "without %s: initialize returns %d, expected 0", name.c_str(), r) &
                        OK(g_events.loads == 2 && g_events.frees == 2, "without %s: loaded %d, freed %d times", name.c_str(),
                           g_events.loads, g_events.frees) &
                        OK(t_recorder.count == 0, "without %s: no entry called (FinalizeDLL neither)", name.c_str()) &
                        OK(g_events.regOpens == 0, "without %s: registry not read", name.c_str()) &
                        OK(GetModuleHandleA("kevra.dll") == nullptr, "without %s: library unloaded", name.c_str());
        refused += ok;
        OK(a.Get<GetOEMType>("KEVRA_getOEMType")() == 0, "without %s: exports stay without a driver", name.c_str());
    }
    std::printf("variants refused: %d of %zu\n", refused, kevra::kEntryList.size());
}

void ReinitializeWhileBound() {
    Adapter a;
    SetDllDirectoryA(StandinDir().c_str());
    OK(a.Initialize() == 1, "bound before re-initialize");
    g_events.Reset();
    t_recorder.Reset();
    OK(a.Initialize() == 1, "re-initialize returns 1");
    OK(g_events.log.size() >= 3 && g_events.log[0] == "call FinalizeDLL 1" && g_events.log[1] == "free" &&
           g_events.log[2] == "load kevra.dll",
       "re-initialize: FinalizeDLL(1), unload, then load (%s, %s, %s)", g_events.log.size() > 0 ? g_events.log[0].c_str() : "",
       g_events.log.size() > 1 ? g_events.log[1].c_str() : "", g_events.log.size() > 2 ? g_events.log[2].c_str() : "");

    // Bound, and the library is gone for the new load: 0, unbound.
    SetDllDirectoryA(ScratchDir("empty").c_str());
    DeleteDriverKey();
    t_recorder.Reset();
    g_events.Reset();
    OK(a.Initialize() == 0, "re-initialize without a library returns 0");
    OK(CountCalls("FinalizeDLL") == 1 && g_events.frees == 1, "re-initialize without a library: FinalizeDLL once, freed once");
    t_recorder.Reset();
    OK(a.Get<GetOEMType>("KEVRA_getOEMType")() == 0 && t_recorder.count == 0, "after the failed re-initialize: unbound");
}

void UninitializeTwiceAndFinalize() {
    Adapter a;
    SetDllDirectoryA(StandinDir().c_str());
    OK(a.Initialize() == 1, "bound");
    t_recorder.Reset();
    a.Get<FinalizeDLL>("KEVRA_FinalizeDLL")(7);
    OK(t_recorder.count == 1 && t_recorder.calls[0].eax == 7, "FinalizeDLL(7) reaches the entry with 7 in EAX");
    t_recorder.script.eax = 0x12345678;
    OK(a.Get<GetOEMType>("KEVRA_getOEMType")() == 0x12345678, "after FinalizeDLL(7) the driver is still called");
    g_events.Reset();
    t_recorder.Reset();
    a.Uninitialize();
    OK(CountCalls("FinalizeDLL") == 1 && g_events.frees == 1, "first uninitialize: FinalizeDLL(1) and unload");
    g_events.Reset();
    t_recorder.Reset();
    a.Uninitialize();
    OK(t_recorder.count == 0 && g_events.frees == 0, "second uninitialize does nothing");
}

// Registry values the composition has to be careful with.
void RegistryEdgeCases() {
    const std::string standin = StandinDir();
    struct Case {
        const char* what;
        std::string data;      // the value's bytes, exactly
        bool composes;         // a path is composed from it
        std::string expected;  // the path then handed to LoadLibraryA
        int result;
    } cases[] = {
        {"directory without NUL", standin, true, standin + "\\kevra.dll", 1},
        {"trailing backslash kept", standin + "\\" + std::string(1, '\0'), true, standin + "\\\\kevra.dll", 1},
        {"directory without the library", ScratchDir("empty") + std::string(1, '\0'), true,
         ScratchDir("empty") + "\\kevra.dll", 0},
        {"249-character directory", std::string(249, 'd') + std::string(1, '\0'), true,
         std::string(249, 'd') + "\\kevra.dll", 0},
        {"250-character directory: no room", std::string(250, 'd') + std::string(1, '\0'), false, "", 0},
        {"259 bytes", std::string(258, 'e') + std::string(1, '\0'), false, "", 0},
        {"260 bytes without NUL", std::string(260, 'f'), false, "", 0},
        {"261 bytes: larger than the buffer", std::string(260, 'g') + std::string(1, '\0'), false, "", 0},
    };
    for (const Case& c : cases) {
        Adapter a;
        SetDllDirectoryA(ScratchDir("empty").c_str());
        OK(SetDriverValue(c.data), "%s: value written", c.what);
        const std::int32_t r = a.Initialize();
        OK(r == c.result, "%s: initialize returns %d, expected %d", c.what, r, c.result);
        if (c.composes) {
            OK(g_events.loads >= 2 && g_events.loadPaths[1] == c.expected, "%s: loads %s, got %s", c.what, c.expected.c_str(),
               g_events.loads >= 2 ? g_events.loadPaths[1].c_str() : "(none)");
        } else {
            bool onlyPlain = g_events.loads == 2;
            for (const std::string& p : g_events.loadPaths) onlyPlain &= p == "kevra.dll";
            OK(onlyPlain, "%s: failed lookup, only the plain name is loaded (%d loads)", c.what, g_events.loads);
        }
        OK(g_events.regOpens == g_events.regCloses, "%s: every opened key closed", c.what);
    }
}

}  // namespace

int main() {
    Begin();
    DeleteDriverKey();
    PlainNameFound();
    RegistryFallbackAndKeptPath();
    NothingAnywhere();
    ReinitializeWhileBound();
    UninitializeTwiceAndFinalize();
    RegistryEdgeCases();
    IncompleteLibraryRefused();
    DeleteDriverKey();
    return check::Summary("binding_tests");
}
