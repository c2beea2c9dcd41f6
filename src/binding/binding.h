// The driver binding: process-wide state written only by KEVRA_initialize and
// KEVRA_uninitialize, read by every export through the bound-driver guard.
#pragma once

#include <windows.h>

#include <array>

#include "entry_list.h"

namespace kevra {

// The loaded driver library; non-null exactly while a driver is bound.
extern HMODULE g_hDriver;
// What LoadLibraryA is given: "kevra.dll", or the path a registry lookup composed.
extern char g_driverPath[MAX_PATH];
// Entry addresses, in the order of the entry list.
extern std::array<FARPROC, kEntryCount> g_entryTable;

// Loads the driver library and fills the entry table; 1 when a driver is bound afterwards.
int LoadDriverLibrary() noexcept;
// Rebuilds g_driverPath from the registry; 1 when it now holds a composed path.
int ReadDriverPathFromRegistry() noexcept;

}  // namespace kevra
