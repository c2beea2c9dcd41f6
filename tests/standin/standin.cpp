// A stand-in for the driver library kevra.dll: exports all entries of the
// entry list in the driver register convention, records what each call
// received, and returns what the host program scripts (see standin.h).
#include "standin/standin.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "binding/entry_list.h"

using kevra::Arg;
using kevra::kEntryList;

namespace {

StandinHook g_hook = nullptr;
char g_tracePath[MAX_PATH] = "";

std::size_t RecordBytes(kevra::Kind kind) {
    switch (kind) {
    case kevra::Kind::SensorRec: return 12;
    case kevra::Kind::StopRec: return 6;
    case kevra::Kind::FrameRec: return 20;
    default: return 0;
    }
}

bool CarriesText(Arg a) {
    return a == Arg::ShortStr || a == Arg::OpenStr || a == Arg::ResultBuf || a == Arg::OpenResult;
}
bool ReturnsText(Arg a) { return a == Arg::OpenStr || a == Arg::ResultBuf || a == Arg::OpenResult; }

void* Pointer(std::uint32_t v) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(v)); }

void SetText(StandinReply& reply, const char* text) {
    const std::size_t n = std::strlen(text);
    reply.writeText = 1;
    reply.text[0] = static_cast<std::uint8_t>(n);
    std::memcpy(reply.text + 1, text, n);
}

// Without a scripting host the stand-in acts out a small pad session, so that
// a host program run against it sees plausible answers.
void DemoReply(const kevra::EntryRow& row, StandinReply& reply) {
    static LONG s_frames = 0, s_pads = 0;
    const std::string_view e = row.entry;
    if (e == "EnumeratePadsFirst") {
        InterlockedExchange(&s_pads, 1);
        SetText(reply, "USB\\STANDIN-PAD-0001");
        reply.eax = 1;
    } else if (e == "EnumeratePadsNext") {
        if (InterlockedIncrement(&s_pads) == 2) {
            SetText(reply, "COM3");
            reply.eax = 1;
        }
    } else if (e == "checkConnectedPad" || e == "configurePad" || e == "checkCom") {
        SetText(reply, "STANDIN-PAD-0001 connected");
        reply.eax = 1;
    } else if (e == "startCapture") {
        InterlockedExchange(&s_frames, 5);
        SetText(reply, "capture started");
        reply.eax = 1;
    } else if (e == "framesAvailable") {
        reply.eax = InterlockedCompareExchange(&s_frames, 0, 0) > 0 ? 1 : 0;
    } else if (e == "getFrame") {
        const LONG left = InterlockedDecrement(&s_frames);
        const std::uint32_t step = static_cast<std::uint32_t>(5 - left), x = 100 + 40 * step, time = 1000 + 10 * step;
        const std::array<std::uint8_t, 20> frame = {
            static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8), 80, 0, 1, 0, 0, 0,
            static_cast<std::uint8_t>(time), static_cast<std::uint8_t>(time >> 8), 0, 0, 0, 0, 0, 0,
            static_cast<std::uint8_t>(200 + 10 * step), 0, 0, 0};
        reply.writeRecord = 1;
        std::memcpy(reply.record, frame.data(), frame.size());
    } else if (e == "GetSensorSize") {
        const std::uint16_t words[6] = {0, 0, 320, 160, 4096, 1024};
        reply.writeRecord = 1;
        std::memcpy(reply.record, words, sizeof words);
    } else if (e == "stopCapture" || e == "LCDTextOut" || e == "Is256Pad") {
        reply.eax = 1;
    } else if (e == "GetOEMType") {
        reply.eax = 7;
    } else if (e == "GetBioDataString") {
        static const char s_bio[] = "standin-biometric-data";
        reply.eax = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(s_bio));
    }
}

// One line per call: the entry, each argument in hex with the text behind
// short-string addresses, and the result.
void Trace(const kevra::EntryRow& row, const StandinCall& call, const StandinReply& reply) {
    if (g_tracePath[0] == '\0') return;
    const auto roles = row.DriverArgs();
    char line[2048];
    int n = std::snprintf(line, sizeof line, "[%lu] %.*s(", GetCurrentThreadId(), static_cast<int>(row.entry.size()),
                          row.entry.data());
    for (std::size_t i = 0; i < row.DriverArgCount() && n < 1700; ++i) {
        n += std::snprintf(line + n, sizeof line - n, "%s0x%08X", i ? ", " : "", call.args[i]);
        if (CarriesText(roles[i]) && call.args[i] != 0)
            n += std::snprintf(line + n, sizeof line - n, " \"%.*s\"", call.text[i][0] > 200 ? 200 : call.text[i][0],
                               reinterpret_cast<const char*>(call.text[i] + 1));
    }
    n += std::snprintf(line + n, sizeof line - n, ") -> 0x%08X", reply.eax);
    if (reply.writeText) n += std::snprintf(line + n, sizeof line - n, " text \"%.*s\"", reply.text[0] > 200 ? 200 : reply.text[0],
                                            reinterpret_cast<const char*>(reply.text + 1));
    n += std::snprintf(line + n, sizeof line - n, "\r\n");
    HANDLE f = CreateFileA(g_tracePath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(f, line, static_cast<DWORD>(n), &written, nullptr);
    CloseHandle(f);
}

}  // namespace

// The fast mode (KEVRA_STANDIN_FAST=1 at load) is for timing the caller: every
// entry returns 0 at once, removing its own stack arguments and recording,
// reporting and writing nothing. The bytes each entry removes, by position - 1:
extern "C" {
extern const std::uint32_t StandinStackBytes[kevra::kEntryCount] = {
#define KEVRA_ROW(idx, ...) static_cast<std::uint32_t>(kEntryList[(idx) - 1].StackBytes()),
#include "binding/entry_list.inc"
#undef KEVRA_ROW
};
std::uint32_t StandinFast = 0;
}

extern "C" std::uint32_t StandinDispatch(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                                         const std::uint32_t*, std::uint32_t*);
// Called by every entry stub with the registers and the address of its last stack argument.
extern "C" std::uint32_t StandinDispatch(std::uint32_t index, std::uint32_t eax, std::uint32_t edx,
                                         std::uint32_t ecx, const std::uint32_t* stackTop,
                                         std::uint32_t* stackBytes) {
    const kevra::EntryRow& row = kEntryList[index - 1];
    const std::size_t count = row.DriverArgCount();
    const auto roles = row.DriverArgs();
    const auto sources = row.DriverArgSources();

    StandinCall call;
    std::memset(&call, 0, sizeof call);
    call.entry = index;
    call.eax = eax;
    call.edx = edx;
    call.ecx = ecx;
    call.threadId = GetCurrentThreadId();
    call.stackCount = static_cast<std::uint32_t>(count > 3 ? count - 3 : 0);
    call.args[0] = eax;
    call.args[1] = edx;
    call.args[2] = ecx;
    // Argument 4 was pushed first, so it lies highest; the last lies at stackTop.
    for (std::uint32_t k = 0; k < call.stackCount; ++k) call.args[3 + k] = stackTop[call.stackCount - 1 - k];
    for (std::size_t i = 0; i < count; ++i)
        if (CarriesText(roles[i]) && call.args[i] != 0) std::memcpy(call.text[i], Pointer(call.args[i]), 256);

    StandinReply reply;
    std::memset(&reply, 0, sizeof reply);
    reply.stackBytes = static_cast<std::int32_t>(row.StackBytes());
    if (g_hook != nullptr) g_hook(&call, &reply);
    else DemoReply(row, reply);
    Trace(row, call, reply);

    for (std::size_t i = 0; i < count; ++i) {
        void* target = Pointer(call.args[i]);
        if (target == nullptr) continue;
        if (ReturnsText(roles[i]) && reply.writeText) std::memcpy(target, reply.text, reply.text[0] + 1u);
        if (roles[i] == Arg::Record && reply.writeRecord)
            std::memcpy(target, reply.record, RecordBytes(row.params[sources[i]]));
    }
    *stackBytes = static_cast<std::uint32_t>(reply.stackBytes);
    return reply.eax;
}

// The entry stubs: each pushes its position and joins the common path, which
// calls StandinDispatch and then returns removing as many stack bytes as the
// reply says (normally the entry's own stack arguments). In the fast mode the
// common path returns before the dispatcher, removing the entry's stack bytes.
#define KEVRA_ROW(idx, family, entry, ...)                                 \
    ".globl _" #entry "\n_" #entry ":\n\tpush " #idx "\n\tjmp _StandinCommon\n" \
    "\t.section .drectve\n\t.ascii \" -export:" #entry "\"\n\t.text\n"
__asm__(
    ".intel_syntax noprefix\n"
    "\t.text\n"
    "_StandinCommon:\n"
    "\tcmp dword ptr [_StandinFast], 0\n"
    "\tjne _StandinReturnAtOnce\n"
    "\tpush ebp\n"
    "\tmov ebp, esp\n"               // [ebp+4] position, [ebp+8] return address, [ebp+12] stack arguments
    "\tsub esp, 4\n"                 // [ebp-4] bytes to remove, set by the dispatcher
    "\tpush ebx\n"
    "\tlea ebx, [ebp-4]\n"
    "\tpush ebx\n"
    "\tlea ebx, [ebp+12]\n"
    "\tpush ebx\n"
    "\tpush ecx\n"
    "\tpush edx\n"
    "\tpush eax\n"
    "\tpush dword ptr [ebp+4]\n"
    "\tcall _StandinDispatch\n"
    "\tadd esp, 24\n"
    "\tpop ebx\n"
    "\tmov ecx, [ebp-4]\n"
    "\tmov edx, [ebp+8]\n"
    "\tmov esp, ebp\n"
    "\tpop ebp\n"
    "\tlea esp, [esp+ecx+8]\n"       // drop the position, the return address and the stack arguments
    "\tjmp edx\n"
    "_StandinReturnAtOnce:\n"
    "\tpop ecx\n"                    // the position
    "\tpop edx\n"                    // the return address
    "\tadd esp, [_StandinStackBytes + ecx*4 - 4]\n"
    "\txor eax, eax\n"
    "\tjmp edx\n"
#include "binding/entry_list.inc"
    ".att_syntax prefix\n");
#undef KEVRA_ROW

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID);
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_hook = reinterpret_cast<StandinHook>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), KEVRA_STANDIN_HOOK)));
        const DWORD n = GetEnvironmentVariableA("KEVRA_STANDIN_TRACE", g_tracePath, MAX_PATH);
        if (n == 0 || n >= MAX_PATH) g_tracePath[0] = '\0';
        char fast[4];
        StandinFast = GetEnvironmentVariableA("KEVRA_STANDIN_FAST", fast, sizeof fast) == 1 && fast[0] == '1';
    }
    return TRUE;
}
