// Threads calling converting exports at once through the stand-in, each with
// its own texts, records and results: every thread must get back exactly its
// own data, since the adapter keeps no shared mutable state in the call path.
#include <cstdio>
#include <string>

#include "harness.h"
#include "kevrad2c.h"

using namespace harness;

namespace {

// Several threads, each with its own texts, records and results.
struct ThreadWork {
    const Adapter* adapter;
    HANDLE done;
    std::uint32_t id;
    int iterations;
    int calls = 0;
    int mismatches = 0;
};

DWORD WINAPI Worker(LPVOID param) {
    ThreadWork& w = *static_cast<ThreadWork*>(param);
    using GetVarString = std::int32_t(__cdecl*)(const char*, char*);
    using GetFrame = void(__cdecl*)(FrameRecord*);
    using Configure = std::int32_t(__cdecl*)(const char*, std::int32_t, std::int32_t, std::int32_t, char*);
    const auto getVar = w.adapter->Get<GetVarString>("KEVRA_GetConfigurationVariableString");
    const auto getFrame = w.adapter->Get<GetFrame>("KEVRA_getFrame");
    const auto configure = w.adapter->Get<Configure>("KEVRA_configurePad");
    Recorder& rec = t_recorder;
    for (int i = 0; i < w.iterations; ++i) {
        const std::string tag = std::to_string(w.id) + "-" + std::to_string(i);
        const std::uint32_t value = w.id << 24 | static_cast<std::uint32_t>(i);
        char buffer[256];

        rec.Reset();
        rec.script.eax = value;
        SetScriptText(rec.script, "value " + tag);
        const std::string name = "variable " + tag;
        const std::int32_t r = getVar(name.c_str(), buffer);
        w.mismatches += r != static_cast<std::int32_t>(value) || std::string(buffer) != "value " + tag ||
                        rec.count != 1 || std::memcmp(rec.calls[0].text[0] + 1, name.data(), name.size()) != 0 ||
                        rec.calls[0].threadId != GetCurrentThreadId();

        rec.Reset();
        rec.script.writeRecord = true;
        for (int b = 0; b < 20; ++b) rec.script.record[b] = static_cast<unsigned char>(value >> (8 * (b % 4)));
        FrameRecord frame;
        getFrame(&frame);
        w.mismatches += frame.word1 != static_cast<std::uint16_t>(value) || frame.dword2 != value || rec.count != 1;

        rec.Reset();
        rec.script.eax = 0xFFFFFF00u | static_cast<std::uint32_t>(i & 1);
        SetScriptText(rec.script, "pad " + tag);
        std::strcpy(buffer, ("port " + tag).c_str());
        const std::int32_t c = configure(("COM " + tag + ";use_checkconnectedpad").c_str(), 1, 2, 3, buffer);
        w.mismatches += c != (i & 1) || std::string(buffer) != "pad " + tag || rec.count != 1 ||
                        std::memcmp(rec.calls[0].text[0] + 1, ("COM " + tag).data(), rec.calls[0].text[0][0]) != 0 ||
                        std::memcmp(rec.calls[0].text[4] + 1, ("port " + tag).data(), rec.calls[0].text[4][0]) != 0;
        w.calls += 3;
    }
    // The thread never ends: under qemu-user a 32-bit Wine thread that exits can take the
    // process down. The program ends with TerminateProcess once the results are in.
    SetEvent(w.done);
    Sleep(INFINITE);
    return 0;
}

void ManyThreads(const Adapter& a) {
    // Two workers: 32-bit Wine under qemu-user (how these tests run on x86_64 Linux) crashes
    // with three or more threads running at once, even in a program that only counts.
    constexpr int kThreads = 2, kIterations = 2000;
    ThreadWork work[kThreads];
    HANDLE done[kThreads];
    g_events.logCalls = false;
    for (int t = 0; t < kThreads; ++t) {
        work[t].adapter = &a;
        work[t].id = static_cast<std::uint32_t>(t + 1);
        work[t].iterations = kIterations;
        work[t].done = done[t] = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        CloseHandle(CreateThread(nullptr, 0, Worker, &work[t], 0, nullptr));
    }
    WaitForMultipleObjects(kThreads, done, TRUE, INFINITE);
    g_events.logCalls = true;
    int calls = 0;
    for (int t = 0; t < kThreads; ++t) {
        calls += work[t].calls;
        OK(work[t].mismatches == 0 && work[t].calls == 3 * kIterations, "thread %d: %d calls, %d came back with foreign data",
           t + 1, work[t].calls, work[t].mismatches);
    }
    std::printf("threads: %d, calls: %d\n", kThreads, calls);
}

}  // namespace

int main() {
    Begin();
    Adapter a;
    SetDllDirectoryA(StandinDir().c_str());
    if (!OK(a.Initialize() == 1, "the stand-in binds")) return check::Summary("concurrency_tests");
    ManyThreads(a);
    const int code = check::Summary("concurrency_tests");
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));  // the workers never end
    return code;
}
