// What a host or a driver may do wrong must not corrupt the host: texts whose
// readable memory ends right after their 255th character, output buffers of
// exactly 256 bytes at the edge of a page, driver libraries that cannot be
// loaded.
#include <cstdio>
#include <string>

#include "export_calls.h"
#include "kevrad2c.h"

using namespace harness;

namespace {

// One read-write page between two inaccessible ones.
class GuardedPage {
public:
    GuardedPage() {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        size_ = info.dwPageSize;
        base_ = static_cast<unsigned char*>(VirtualAlloc(nullptr, 3 * size_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(base_, size_, PAGE_NOACCESS, &old);
        VirtualProtect(base_ + 2 * size_, size_, PAGE_NOACCESS, &old);
        std::memset(base_ + size_, 0xCC, size_);
    }
    ~GuardedPage() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedPage(const GuardedPage&) = delete;
    GuardedPage& operator=(const GuardedPage&) = delete;
    // The n bytes that end where the readable memory ends.
    unsigned char* Tail(std::size_t n) { return base_ + 2 * size_ - n; }
    bool UntouchedBefore(const unsigned char* p) const {
        for (const unsigned char* q = base_ + size_; q < p; ++q)
            if (*q != 0xCC) return false;
        return true;
    }

private:
    unsigned char* base_ = nullptr;
    std::size_t size_ = 0;
};

const void* Export(const Adapter& a, const EntryRow& row) {
    return reinterpret_cast<const void*>(GetProcAddress(a.Module(), Name(row).c_str()));
}

// Texts longer than 255 characters whose 256th byte cannot be read: the
// driver receives the first 255, nothing faults.
void TextsEndingAtAGuardPage(const Adapter& a) {
    int exportsTried = 0;
    for (const EntryRow& row : kevra::kEntryList) {
        bool hasText = false;
        for (std::size_t k = 0; k < row.paramCount; ++k) hasText |= IsText(row.params[k]);
        if (!hasText || row.shape == kevra::Shape::Own) continue;
        ++exportsTried;
        GuardedPage pages[6];
        Call c(row);
        c.Prepare();
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            if (!IsText(row.params[k])) continue;
            unsigned char* text = pages[k].Tail(255);
            std::memset(text, 'g', 255);
            c.args[k] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(text));
        }
        t_recorder.Reset();
        SetScriptText(t_recorder.script, "ok");  // an in/out text comes back short, within the 255 readable bytes
        t_recorder.count = 0;
        const CallOutcome out = CallExport(Export(a, row), c.args);
        if (!OK(t_recorder.count == 1 && out.espDelta == 0, "%s with unterminated 255-byte texts: called once", Name(row).c_str()))
            continue;
        const auto roles = row.DriverArgs();
        for (std::size_t i = 0; i < row.DriverArgCount(); ++i)
            if (roles[i] == Arg::ShortStr || roles[i] == Arg::OpenStr)
                OK(t_recorder.calls[0].text[i][0] == 255 && t_recorder.calls[0].text[i][255] == 'g',
                   "%s: argument %zu carries the first 255 characters", Name(row).c_str(), i + 1);
    }
    std::printf("exports given texts at a guard page: %d\n", exportsTried);
}

// Output buffers of exactly 256 bytes ending at a guard page receive a
// 255-character text whole; nothing before them is touched.
void OutputsEndingAtAGuardPage(const Adapter& a) {
    for (const EntryRow& row : kevra::kEntryList) {
        bool hasOut = false;
        for (std::size_t k = 0; k < row.paramCount; ++k) hasOut |= IsOut(row.params[k]);
        if (!hasOut) continue;
        GuardedPage pages[6];
        Call c(row);
        c.Prepare();
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            if (!IsOut(row.params[k])) continue;
            unsigned char* buffer = pages[k].Tail(256);
            std::memcpy(buffer, "in", 3);
            c.args[k] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(buffer));
        }
        t_recorder.Reset();
        const std::string full(255, '\xF1');
        SetScriptText(t_recorder.script, full);
        const CallOutcome out = CallExport(Export(a, row), c.args);
        OK(t_recorder.count == 1 && out.espDelta == 0, "%s into 256-byte buffers at a page end: called once", Name(row).c_str());
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            if (!IsOut(row.params[k])) continue;
            const unsigned char* buffer = pages[k].Tail(256);
            OK(std::memcmp(buffer, full.data(), 255) == 0 && buffer[255] == 0 && pages[k].UntouchedBefore(buffer),
               "%s: p%zu holds 255 characters and the NUL in its 256 bytes, nothing before them written", Name(row).c_str(), k + 1);
        }
    }
}

void ConfigurePadAtTheEdge(const Adapter& a) {
    const EntryRow& row = kevra::kEntryList[kevra::EntryPosition("configurePad")];
    const std::string text = std::string(255, 'k') + ";use_checkconnectedpad";  // 277 characters
    GuardedPage page, out;
    unsigned char* p1 = page.Tail(text.size() + 1);
    std::memcpy(p1, text.c_str(), text.size() + 1);
    unsigned char* p5 = out.Tail(256);
    p5[0] = '\0';
    Call c(row);
    c.Prepare();
    c.args[0] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p1));
    c.args[4] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p5));
    t_recorder.Reset();
    SetScriptText(t_recorder.script, std::string(255, 'r'));
    CallExport(Export(a, row), c.args);
    OK(t_recorder.count == 1 && t_recorder.calls[0].text[0][0] == 255, "configurePad: 277 characters with the suffix at a page end");
    OK(p5[254] == 'r' && p5[255] == 0, "configurePad: the 255-character answer fills p5's 256 bytes");

    c.args[0] = 0;
    t_recorder.Reset();

    const CallOutcome o = CallExport(Export(a, row), c.args);
    OK(t_recorder.count == 1 && t_recorder.calls[0].text[0][0] == 0 && o.espDelta == 0,
       "configurePad with a null first string: configurePad gets the empty string");
}

// A kevra.dll that is no library at all, found by the plain name and in the
// registry directory: nothing binds, nothing faults.
void UnloadableLibrary() {
    const std::string dir = ScratchDir("garbage");
    WriteFileBytes(dir + "\\kevra.dll", std::vector<unsigned char>(4096, 0x90));
    Adapter a;
    SetDllDirectoryA(dir.c_str());
    SetDriverDirectory(dir);
    OK(a.Initialize() == 0, "an unloadable kevra.dll: initialize returns 0");
    OK(g_events.loads == 4 && g_events.frees == 0, "an unloadable kevra.dll: four load attempts (%d), nothing to free",
       g_events.loads);
    CheckAllWithoutDriver(a);
}

// Bound, then the library vanishes for the next initialize: 0, and every
// export is back at its value without a driver.
void FailedReinitialize() {
    Adapter a;
    SetDllDirectoryA(StandinDir().c_str());
    OK(a.Initialize() == 1, "bound");
    SetDllDirectoryA(ScratchDir("empty").c_str());
    DeleteDriverKey();
    OK(a.Initialize() == 0, "re-initialize with no library: 0");
    CheckAllWithoutDriver(a);
}

}  // namespace

int main() {
    Begin();
    UnloadableLibrary();
    FailedReinitialize();
    Adapter a;
    SetDllDirectoryA(StandinDir().c_str());
    if (!OK(a.Initialize() == 1, "the stand-in binds")) return check::Summary("hardening_tests");
    std::printf("texts at a guard page\n");
    TextsEndingAtAGuardPage(a);
    std::printf("outputs at a guard page\n");
    OutputsEndingAtAGuardPage(a);
    std::printf("configurePad at a guard page\n");
    ConfigurePadAtTheEdge(a);
    return check::Summary("hardening_tests");
}
