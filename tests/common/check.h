// A small checking harness shared by the native and the Windows tests: each
// check names the case and, on failure, what was expected and what came.
#pragma once

#include <cstdarg>
#include <cstdio>

namespace check {

inline int g_passed = 0;
inline int g_failed = 0;

inline bool Ok(bool condition, const char* file, int line, const char* format, ...) {
    if (condition) {
        ++g_passed;
        return true;
    }
    ++g_failed;
    std::printf("FAIL %s:%d: ", file, line);
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
    return false;
}

// Prints the closing line and gives the exit code.
inline int Summary(const char* suite) {
    std::printf("%s: %d passed, %d failed\n", suite, g_passed, g_failed);
    std::fflush(stdout);
    return g_failed == 0 ? 0 : 1;
}

}  // namespace check

#define OK(condition, ...) ::check::Ok((condition), __FILE__, __LINE__, __VA_ARGS__)
