#include "binding.h"

#include <cstring>

#include "binding/driver_location.h"
#include "bridge/forward.h"

namespace kevra {

namespace {
using driver_location::kFileName;

// The entry names in resolution order, as C strings for GetProcAddress.
#define KEVRA_ROW(idx, family, entry, ...) #entry,
constexpr const char* kEntryNames[] = {
#include "entry_list.inc"
};
#undef KEVRA_ROW
static_assert(std::size(kEntryNames) == kEntryCount);

bool g_allEntriesFound = false;

void SetPlainDriverPath() noexcept { std::memcpy(g_driverPath, kFileName, sizeof(kFileName)); }
}  // namespace

HMODULE g_hDriver = nullptr;
char g_driverPath[MAX_PATH] = "kevra.dll";
std::array<FARPROC, kEntryCount> g_entryTable{};

int ReadDriverPathFromRegistry() noexcept {
    SetPlainDriverPath();
    // A missing key or value, or a directory that leaves no room for "\kevra.dll": no path.
    const driver_location::DirectoryValue value = driver_location::ReadDirectoryValue();
    if (value.outcome != driver_location::Lookup::Composable) return 0;
    driver_location::ComposePath(value, g_driverPath);
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
