// kevradiag.exe: tells why KEVRA_initialize binds no driver. It looks for the
// driver library the way the adapter does (the plain name "kevra.dll" first,
// then the directory named in the registry), checks every library it finds
// for the 123 entries of the entry list, and states what the adapter would do.
//
// Exit code: 0 the adapter would bind a library, 1 a library is found but
// refused as incomplete, 2 no library is found, 3 a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "binding/driver_location.h"
#include "binding/entry_list.h"

namespace {

namespace dl = kevra::driver_location;

constexpr int kWouldBind = 0;
constexpr int kRefused = 1;
constexpr int kNoneFound = 2;
constexpr int kUsage = 3;

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: kevradiag [--help]\n"
                 "\n"
                 "Looks for the driver library %s the way kevrad2c.dll does when\n"
                 "KEVRA_initialize runs, and tells which library the adapter would bind:\n"
                 "  1. the plain name %s, found by the system's search order for this\n"
                 "     program: its own folder, the system folders, the current folder, PATH;\n"
                 "  2. only when that finds nothing: the directory named by the registry value\n"
                 "     HKEY_LOCAL_MACHINE\\%s\\%s\n"
                 "     (as a 32-bit program reads it), with \\%s appended.\n"
                 "A library found is checked for all %zu entries; one that lacks any is refused,\n"
                 "and a refused plain-name library is not replaced by the registry's.\n"
                 "\n"
                 "The search starts in the folder of the running program: put kevradiag.exe\n"
                 "beside the host program and run it from the host's working folder to see\n"
                 "what that host would load.\n"
                 "\n"
                 "Exit code: 0 the adapter would bind a library, 1 a library is found but\n"
                 "refused as incomplete, 2 no library is found, 3 a wrong command line.\n",
                 dl::kFileName, dl::kFileName, dl::g_driverKeyPath, dl::kValueName, dl::kFileName, kevra::kEntryCount);
}

// "error 2: The system cannot find the file specified."
std::string DescribeError(DWORD code) {
    char text[256] = "";
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                   sizeof text, nullptr);
    std::string s(text, n);
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ')) s.pop_back();
    return "error " + std::to_string(code) + (s.empty() ? "" : ": " + s);
}

// One library as LoadLibraryA finds it, with the entries it lacks.
struct Library {
    bool loaded = false;
    DWORD loadError = 0;
    std::string file;                    // the module's full path
    std::vector<std::string_view> missing;  // entry names GetProcAddress does not find
};

// Loads, inspects and unloads again: the next look starts from a clean process.
Library Inspect(const char* path) {
    Library lib;
    HMODULE m = LoadLibraryA(path);
    if (m == nullptr) {
        lib.loadError = GetLastError();
        return lib;
    }
    lib.loaded = true;
    char file[MAX_PATH] = "";
    GetModuleFileNameA(m, file, MAX_PATH);
    lib.file = file;
    for (const kevra::EntryRow& row : kevra::kEntryList)
        if (GetProcAddress(m, std::string(row.entry).c_str()) == nullptr) lib.missing.push_back(row.entry);
    FreeLibrary(m);
    return lib;
}

void PrintLibrary(const Library& lib) {
    if (!lib.loaded) {
        std::printf("   loads:   no (%s)\n", DescribeError(lib.loadError).c_str());
        return;
    }
    std::printf("   loads:   yes, from %s\n", lib.file.c_str());
    if (lib.missing.empty()) {
        std::printf("   entries: all %zu present\n", kevra::kEntryCount);
    } else if (lib.missing.size() == kevra::kEntryCount) {
        std::printf("   entries: none of the %zu (this is not the driver library)\n", kevra::kEntryCount);
    } else {
        std::printf("   entries: lacks %zu of %zu:\n", lib.missing.size(), kevra::kEntryCount);
        for (std::string_view name : lib.missing) std::printf("      %.*s\n", static_cast<int>(name.size()), name.data());
    }
}

// The registry value as the adapter reads it; true when a path was composed.
bool ReportRegistry(const dl::DirectoryValue& v, char (&composed)[MAX_PATH]) {
    std::printf("2. Registry value HKEY_LOCAL_MACHINE\\%s\\%s (32-bit view)\n", dl::g_driverKeyPath, dl::kValueName);
    switch (v.outcome) {
    case dl::Lookup::NoKey:
        if (v.error == ERROR_FILE_NOT_FOUND)
            std::printf("   key:     missing\n");
        else
            std::printf("   key:     cannot be opened (%s)\n", DescribeError(static_cast<DWORD>(v.error)).c_str());
        return false;
    case dl::Lookup::NoValue:
        if (v.error == ERROR_FILE_NOT_FOUND)
            std::printf("   value:   missing\n");
        else if (v.error == ERROR_MORE_DATA)
            std::printf("   value:   unreadable, larger than %d bytes\n", MAX_PATH);
        else
            std::printf("   value:   unreadable (%s)\n", DescribeError(static_cast<DWORD>(v.error)).c_str());
        return false;
    case dl::Lookup::TooLong:
        std::printf("   value:   \"%.*s\"\n", static_cast<int>(v.length), v.text);
        std::printf("   too long: %zu characters, at most %zu leave room for \\%s\n", v.length, dl::kMaxDirectory,
                    dl::kFileName);
        return false;
    case dl::Lookup::Composable:
        break;
    }
    std::printf("   value:   \"%.*s\"\n", static_cast<int>(v.length), v.text);
    if (std::memchr(v.text, '%', v.length) != nullptr)
        std::printf("   note:    the text is used as it stands; %%...%% is not expanded\n");
    dl::ComposePath(v, composed);
    std::printf("   path:    %s\n", composed);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "/?") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        std::fprintf(stderr, "kevradiag: unknown argument \"%s\"\n\n", argv[i]);
        PrintUsage(stderr);
        return kUsage;
    }
    // A library that needs a missing DLL must fail quietly, not with a message box.
    SetErrorMode(SEM_FAILCRITICALERRORS);

    std::printf("1. Plain name %s (system search order)\n", dl::kFileName);
    const Library plain = Inspect(dl::kFileName);
    PrintLibrary(plain);
    std::printf("\n");

    char composed[MAX_PATH] = "";
    const bool hasPath = ReportRegistry(dl::ReadDirectoryValue(), composed);
    Library fromRegistry;
    if (hasPath) {
        fromRegistry = Inspect(composed);
        PrintLibrary(fromRegistry);
    }
    std::printf("\n");

    // The adapter's order: the plain name wins whenever it loads, complete or not.
    const Library* chosen = plain.loaded ? &plain : fromRegistry.loaded ? &fromRegistry : nullptr;
    if (chosen == nullptr) {
        std::printf("Verdict: no driver library found; KEVRA_initialize returns 0.\n");
        return kNoneFound;
    }
    if (!chosen->missing.empty()) {
        std::printf("Verdict: refused: %s lacks %zu %s; KEVRA_initialize returns 0.\n", chosen->file.c_str(),
                    chosen->missing.size(), chosen->missing.size() == 1 ? "entry" : "entries");
        if (chosen == &plain && hasPath)
            std::printf("         (the registry's library is not tried while the plain name finds one)\n");
        return kRefused;
    }
    std::printf("Verdict: the adapter would bind %s\n", chosen->file.c_str());
    return kWouldBind;
}
