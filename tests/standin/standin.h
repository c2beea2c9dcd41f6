// The recording stand-in for the driver library: what it tells the program
// that drives it about each call, and what that program may script in reply.
// The stand-in looks for an exported function named KevraStandinHook in the
// process's main program and, when it finds one, hands it every call.
#pragma once

#include <cstdint>

struct StandinCall {
    std::uint32_t entry;          // 1-based position in the entry list
    std::uint32_t eax, edx, ecx;  // the argument registers at the call
    std::uint32_t stackCount;     // stack arguments the entry takes
    std::uint32_t args[8];        // every driver argument in order: EAX, EDX, ECX, then the stack
    std::uint32_t threadId;
    std::uint8_t text[8][256];    // per argument: the 256 bytes behind a short-string address
};

struct StandinReply {
    std::uint32_t eax;            // what the entry leaves in EAX (all 32 bits)
    std::int32_t stackBytes;      // bytes the entry removes; preset to what it should remove
    std::uint32_t writeText;      // nonzero: write text (L+1 bytes) into the string the entry returns
    std::uint8_t text[256];
    std::uint32_t writeRecord;    // nonzero: write record into the entry's record (its driver size)
    std::uint8_t record[20];
};

typedef void(__cdecl* StandinHook)(const StandinCall* call, StandinReply* reply);
#define KEVRA_STANDIN_HOOK "KevraStandinHook"
