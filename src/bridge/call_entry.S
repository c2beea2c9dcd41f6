/* One call of a driver entry in the driver register convention.
 *
 *   uint32_t __cdecl KevraCallEntry(const void *entry, const uint32_t *args, uint32_t count)
 *
 * Arguments 1 to 3 travel in EAX, EDX and ECX; arguments 4 and later are
 * pushed left to right, so the last one lies next to the return address, and
 * the entry removes them itself. args always holds at least three values
 * (unused ones zero), so the register loads need no test.
 */
    .intel_syntax noprefix
    .text
    .globl _KevraCallEntry
    .def _KevraCallEntry; .scl 2; .type 32; .endef
_KevraCallEntry:
    push ebp
    mov  ebp, esp
    push ebx
    /* EBX is preserved by the entry: it keeps our stack pointer, so an entry
       that removes the wrong number of bytes cannot unbalance the host's stack. */
    mov  ebx, esp
    mov  edx, [ebp + 12]        /* args */
    mov  ecx, [ebp + 16]        /* count */
    sub  ecx, 3
    jle  2f
    lea  eax, [edx + 12]        /* &args[3]: pushed first, left to right */
1:  push dword ptr [eax]
    add  eax, 4
    dec  ecx
    jnz  1b
2:  mov  eax, [edx]
    mov  ecx, [edx + 8]
    mov  edx, [edx + 4]         /* last: EDX held the args pointer until here */
    call dword ptr [ebp + 8]
    mov  esp, ebx
    pop  ebx
    pop  ebp
    ret
