// Where the driver library is looked for when its plain file name finds
// nothing: the directory named by the registry value
// HKEY_LOCAL_MACHINE\SOFTWARE\Vantreck\WTConfig\driver, with "\kevra.dll"
// appended. The adapter and kevradiag.exe both read the value through this
// header, so the diagnostics report exactly what the adapter would compose.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace kevra::driver_location {

inline constexpr char kFileName[] = "kevra.dll";
inline constexpr char g_driverKeyPath[] = "SOFTWARE\\Vantreck\\WTConfig";  // under HKEY_LOCAL_MACHINE
inline constexpr char kValueName[] = "driver";
// Room for the directory in a MAX_PATH buffer: a backslash, the file name and a NUL follow it.
inline constexpr std::size_t kMaxDirectory = MAX_PATH - 1 - (sizeof(kFileName) - 1) - 1;
static_assert(kMaxDirectory == 249);

enum class Lookup {
    Composable,  // the value names a directory that fits
    NoKey,       // RegOpenKeyExA failed (error holds its result)
    NoValue,     // RegQueryValueExA failed: missing, or more than MAX_PATH bytes (error holds its result)
    TooLong,     // the text is longer than kMaxDirectory characters: no room for "\kevra.dll"
};

struct DirectoryValue {
    Lookup outcome = Lookup::NoKey;
    LONG error = ERROR_SUCCESS;
    char text[MAX_PATH];     // the value's bytes as read; not NUL-terminated when the data holds no NUL
    std::size_t length = 0;  // the text: up to its NUL, or every byte read when there is none
};

// Reads the value with KEY_QUERY_VALUE into a MAX_PATH-byte buffer. The key is
// always closed again. The type of the value is not looked at.
inline DirectoryValue ReadDirectoryValue() noexcept {
    DirectoryValue v;
    HKEY key = nullptr;
    v.error = RegOpenKeyExA(HKEY_LOCAL_MACHINE, g_driverKeyPath, 0, KEY_QUERY_VALUE, &key);
    if (v.error != ERROR_SUCCESS) return v;
    DWORD size = sizeof(v.text);
    v.error = RegQueryValueExA(key, kValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(v.text), &size);
    RegCloseKey(key);
    if (v.error != ERROR_SUCCESS) {
        v.outcome = Lookup::NoValue;
        return v;
    }
    const void* nul = std::memchr(v.text, '\0', size);
    v.length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - v.text) : size;
    v.outcome = v.length > kMaxDirectory ? Lookup::TooLong : Lookup::Composable;
    return v;
}

// Writes "<directory>\kevra.dll" into path; only for a Composable value. The
// directory is used as it stands: a trailing backslash stays and doubles.
inline void ComposePath(const DirectoryValue& v, char (&path)[MAX_PATH]) noexcept {
    if (v.outcome != Lookup::Composable) return;
    std::memcpy(path, v.text, v.length);
    path[v.length] = '\\';
    std::memcpy(path + v.length + 1, kFileName, sizeof(kFileName));
}

}  // namespace kevra::driver_location
