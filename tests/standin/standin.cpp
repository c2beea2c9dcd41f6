// A stand-in for the driver library kevra.dll: exports all entries of the
// entry list in the driver register convention, records what each call
// received, and returns what the host program scripts (see standin.h).
#include "standin/standin.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "binding/entry_list.h"

using kevra::Arg;
using kevra::kEntryList;

namespace {

StandinHook g_hook = nullptr;

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

}  // namespace

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
// reply says (normally the entry's own stack arguments).
#define KEVRA_ROW(idx, family, entry, ...)                                 \
    ".globl _" #entry "\n_" #entry ":\n\tpush " #idx "\n\tjmp _StandinCommon\n" \
    "\t.section .drectve\n\t.ascii \" -export:" #entry "\"\n\t.text\n"
__asm__(
    ".intel_syntax noprefix\n"
    "\t.text\n"
    "_StandinCommon:\n"
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
#include "binding/entry_list.inc"
    ".att_syntax prefix\n");
#undef KEVRA_ROW

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID);
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        g_hook = reinterpret_cast<StandinHook>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), KEVRA_STANDIN_HOOK)));
    return TRUE;
}
