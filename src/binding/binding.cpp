#include "binding.h"

#include <cstring>

#include "bridge/forward.h"

namespace kevra {

namespace {
constexpr char kDriverFileName[] = "kevra.dll";
constexpr char kDriverValueName[] = "driver";
// Room for the directory in g_driverPath: a backslash, the file name and a NUL follow it.
constexpr std::size_t kMaxDriverDirectory = MAX_PATH - 1 - (sizeof(kDriverFileName) - 1) - 1;
static_assert(kMaxDriverDirectory == 249);

// The entry names in resolution order, as C strings for GetProcAddress.
#define KEVRA_ROW(idx, family, entry, ...) #entry,
constexpr const char* kEntryNames[] = {
#include "entry_list.inc"
};
#undef KEVRA_ROW
static_assert(std::size(kEntryNames) == kEntryCount);

bool g_allEntriesFound = false;

void SetPlainDriverPath() noexcept { std::memcpy(g_driverPath, kDriverFileName, sizeof(kDriverFileName)); }
}  // namespace

HMODULE g_hDriver = nullptr;
char g_driverPath[MAX_PATH] = "kevra.dll";
const char g_driverKeyPath[] = "SOFTWARE\\Vantreck\\WTConfig";
std::array<FARPROC, kEntryCount> g_entryTable{};

int ReadDriverPathFromRegistry() noexcept {
    SetPlainDriverPath();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, g_driverKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
    char value[MAX_PATH];
    DWORD size = sizeof(value);
    const LONG read = RegQueryValueExA(key, kDriverValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return 0;
    // The text ends at its NUL, or with the bytes read when the data holds none.
    const void* nul = std::memchr(value, '\0', size);
    const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - value) : size;
    // A directory that leaves no room for "\kevra.dll" cannot name the driver: no path.
    if (length > kMaxDriverDirectory) return 0;
    std::memcpy(g_driverPath, value, length);
    g_driverPath[length] = '\\';
    std::memcpy(g_driverPath + length + 1, kDriverFileName, sizeof(kDriverFileName));
    return 1;
}

int LoadDriverLibrary() noexcept {
    HMODULE library = LoadLibraryA(g_driverPath);
    if (library == nullptr && ReadDriverPathFromRegistry() == 1) library = LoadLibraryA(g_driverPath);
    if (library == nullptr) return 0;

    g_allEntriesFound = true;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        g_entryTable[i] = GetProcAddress(library, kEntryNames[i]);
        if (g_entryTable[i] == nullptr) g_allEntriesFound = false;
    }
    if (!g_allEntriesFound) {
        FreeLibrary(library);
        return 0;
    }
    // Published only once the table is complete: a partial binding is never visible.
    g_hDriver = library;
    return 1;
}

namespace {
// FinalizeDLL(1), unload, unbound.
void UnbindDriver() noexcept {
    bridge::CallEntry(EntryPosition("FinalizeDLL"), 1);
    FreeLibrary(g_hDriver);
    g_hDriver = nullptr;
}
}  // namespace

}  // namespace kevra

using namespace kevra;

extern "C" int32_t KEVRA_CALL KEVRA_initialize(void) {
    if (g_hDriver != nullptr) UnbindDriver();
    if (LoadDriverLibrary() == 1) return 1;
    return LoadDriverLibrary();
}

extern "C" void KEVRA_CALL KEVRA_uninitialize(void) {
    if (g_hDriver != nullptr) UnbindDriver();
}

#define KEVRA_FAMILY_LIFECYCLE KEVRA_DEFINE
#include "bridge/family.inc"

// Loading or unloading the adapter neither binds nor unbinds the driver.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID);
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
