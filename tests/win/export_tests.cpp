// Every export against the recording stand-in, driven row by row from the
// entry list: without a driver (its value, no call, no byte touched) and with
// one (its own entry once, every argument in its register or stack slot,
// texts as short strings, results widened, texts and records copied back).
#include <cstdio>
#include <string>
#include <vector>

#include "export_calls.h"

using namespace harness;

namespace {

// Checks one recorded call against the row: its entry, every argument slot.
void CheckArguments(const Call& c, const char* what) {
    const EntryRow& row = c.row;
    const std::string name = Name(row);
    if (!OK(t_recorder.count == 1, "%s %s: %d entry calls, expected 1", name.c_str(), what, t_recorder.count)) return;
    const StandinCall& got = t_recorder.calls[0];
    OK(got.entry == static_cast<std::uint32_t>(row.index), "%s %s: reached entry %u, expected %d (%s)", name.c_str(), what,
       got.entry, row.index, std::string(row.entry).c_str());
    const auto roles = row.DriverArgs();
    const auto sources = row.DriverArgSources();
    for (std::size_t i = 0; i < row.DriverArgCount(); ++i) {
        const std::size_t k = sources[i];
        const char* slot = i == 0 ? "EAX" : i == 1 ? "EDX" : i == 2 ? "ECX" : "stack";
        const std::uint32_t v = got.args[i];
        switch (roles[i]) {
        case Arg::Value:
            OK(v == c.args[k], "%s %s: argument %zu (%s) is 0x%08X, expected p%zu 0x%08X", name.c_str(), what, i + 1, slot, v, k + 1,
               c.args[k]);
            break;
        case Arg::Lo8:
            OK(v == (c.args[k] & 0xFF), "%s %s: argument %zu (%s) is 0x%08X, expected low 8 bits 0x%02X", name.c_str(), what, i + 1,
               slot, v, c.args[k] & 0xFF);
            break;
        case Arg::ShortStr:
        case Arg::OpenStr: {
            const std::string expected = c.ShortOf(k);
            OK(v != 0 && std::memcmp(got.text[i], expected.data(), expected.size()) == 0,
               "%s %s: argument %zu (%s) is the short string of p%zu (length %u, expected %zu)", name.c_str(), what, i + 1, slot,
               k + 1, got.text[i][0], expected.size() - 1);
            break;
        }
        case Arg::ResultBuf:
        case Arg::OpenResult: {
            bool zero = v != 0;
            for (unsigned char b : got.text[i]) zero &= b == 0;
            OK(zero, "%s %s: argument %zu (%s) is a zero-filled result buffer", name.c_str(), what, i + 1, slot);
            break;
        }
        case Arg::Max255:
            OK(v == 255, "%s %s: argument %zu (%s) is %u, expected 255", name.c_str(), what, i + 1, slot, v);
            break;
        case Arg::Record:
            OK(v != 0 && v != c.args[k], "%s %s: argument %zu (%s) is the export's own record", name.c_str(), what, i + 1, slot);
            break;
        }
    }
    OK(got.stackCount == (row.DriverArgCount() > 3 ? row.DriverArgCount() - 3 : 0u), "%s %s: stack arguments", name.c_str(), what);
}

// What a caller's buffer must hold after a text of the reply came back into it.
void CheckTextOut(Call& c, std::size_t k, const std::string& reply, const char* what) {
    std::vector<unsigned char> expected = c.before[k];
    std::memcpy(expected.data() + kGuard, reply.c_str(), reply.size() + 1);
    OK(c.buffers[k].bytes == expected, "%s %s: p%zu holds the %zu returned characters and a NUL, nothing else changed",
       Name(c.row).c_str(), what, k + 1, reply.size());
}

// The driver's bytes for each record kind and what the host must receive.
struct RecordCase {
    Kind kind;
    std::vector<unsigned char> driver, host;
};
const RecordCase kRecordCases[] = {
    {Kind::FrameRec,
     {0x01, 0x02, 0x03, 0x04, 0x05, 0xA6, 0xA7, 0xA8, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0xAE, 0xAF, 0xB0, 0x11, 0x12, 0x13, 0x14},
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x11, 0x12, 0x13, 0x14}},
    {Kind::SensorRec,
     {0x01, 0x02, 0x83, 0x04, 0x05, 0xF6, 0x07, 0x08, 0x09, 0x0A, 0xFF, 0x0C},
     {0x01, 0x02, 0x83, 0x04, 0x05, 0xF6, 0x07, 0x08, 0x09, 0x0A, 0xFF, 0x0C}},
    {Kind::StopRec, {0x11, 0x80, 0x33, 0xFE, 0x55, 0x66}, {0x11, 0x80, 0x33, 0xFE, 0x55, 0x66}},
};
const RecordCase& RecordCaseFor(Kind k) {
    for (const RecordCase& rc : kRecordCases)
        if (rc.kind == k) return rc;
    return kRecordCases[0];
}

void WithDriver(const Adapter& a) {
    for (const EntryRow& row : kevra::kEntryList) {
        if (row.entry == "FinalizeDLL") continue;  // covered with the lifecycle
        const std::string name = Name(row);
        Call c(row);
        t_recorder.script = Script{};
        t_recorder.script.eax = 0xABCDEF01;
        SetScriptText(t_recorder.script, "reply from " + std::string(row.entry));
        t_recorder.script.writeRecord = true;
        for (std::size_t k = 0; k < row.paramCount; ++k)
            if (IsRecord(row.params[k])) {
                const RecordCase& rc = RecordCaseFor(row.params[k]);
                std::memcpy(t_recorder.script.record, rc.driver.data(), rc.driver.size());
            }
        const CallOutcome out = c.Run(a);
        CheckArguments(c, "with driver");
        OK(out.espDelta == 0 && out.registersPreserved, "%s: stack balanced (%d) and EBX/ESI/EDI/EBP preserved", name.c_str(),
           out.espDelta);
        if (row.result == Result::Bool)
            OK(out.eax == 1, "%s: AL 0x01 under garbage returns %d", name.c_str(), static_cast<std::int32_t>(out.eax));
        if (row.result == Result::Int32)
            OK(out.eax == 0xABCDEF01, "%s: 32-bit result 0x%08X", name.c_str(), out.eax);
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            const Kind kind = row.params[k];
            if (IsOut(kind)) CheckTextOut(c, k, "reply from " + std::string(row.entry), "with driver");
            if (kind == Kind::Str) OK(c.buffers[k].bytes == c.before[k], "%s: input text p%zu not written", name.c_str(), k + 1);
            if (IsRecord(kind)) {
                std::vector<unsigned char> expected = c.before[k];
                const RecordCase& rc = RecordCaseFor(kind);
                std::memcpy(expected.data() + kGuard, rc.host.data(), rc.host.size());
                OK(c.buffers[k].bytes == expected, "%s: record copied field by field, nothing past it", name.c_str());
                // A null record: the entry is still called, nothing is written.
                Call n(row);
                n.nullText[k] = true;
                n.Prepare();
                n.args[k] = 0;
                t_recorder.count = 0;
                const CallOutcome o = CallExport(reinterpret_cast<const void*>(GetProcAddress(a.Module(), name.c_str())), n.args);
                OK(t_recorder.count == 1 && o.espDelta == 0, "%s with a null record: entry called once, no fault", name.c_str());
            }
        }
    }
}

void ResultWidening(const Adapter& a) {
    struct Case {
        Result kind;
        std::uint32_t eax;
        std::int32_t expected;
    } cases[] = {
        {Result::Bool, 0xABCDEF01, 1},   {Result::Bool, 0x12345600, 0},   {Result::Bool, 0x000000FF, -1},
        {Result::Bool, 0x7FFFFF80, -128}, {Result::Bool, 0xFFFFFF01, 1},  {Result::Int32, 300, 300},
        {Result::Int32, 0xFFFFFFFE, -2}, {Result::Int32, 0x80000000, INT32_MIN},
    };
    for (const EntryRow& row : kevra::kEntryList)
        for (const Case& rc : cases) {
            if (row.result != rc.kind) continue;
            Call c(row);
            t_recorder.script = Script{};
            t_recorder.script.eax = rc.eax;
            const CallOutcome out = c.Run(a);
            OK(static_cast<std::int32_t>(out.eax) == rc.expected, "%s: EAX 0x%08X returns %d, expected %d", Name(row).c_str(),
               rc.eax, static_cast<std::int32_t>(out.eax), rc.expected);
        }
}

// Texts of every length that matters, in and out, for every row that has texts.
void TextEdgeCases(const Adapter& a) {
    std::string high(255, '\0');
    for (std::size_t i = 0; i < high.size(); ++i) high[i] = static_cast<char>(0x80 + i % 0x7F);
    struct In {
        const char* what;
        std::string text;
        bool null;
    } inputs[] = {
        {"empty", "", false},           {"200 characters", std::string(200, 'a'), false},
        {"255 characters", high, false}, {"256 characters", std::string(256, 'b'), false},
        {"300 characters", std::string(300, 'c'), false}, {"null", "", true},
    };
    struct Out {
        const char* what;
        bool write;
        std::string text;
    } outputs[] = {
        {"nothing written", false, ""},
        {"3 characters", true, "abc"},
        {"200 characters", true, std::string(200, '\xC8')},
        {"255 characters", true, std::string(255, 'z')},
    };
    for (const EntryRow& row : kevra::kEntryList) {
        if (row.shape == kevra::Shape::Own) continue;  // configurePad has its own table
        bool hasText = false, hasOut = false;
        for (std::size_t k = 0; k < row.paramCount; ++k) {
            hasText |= IsText(row.params[k]);
            hasOut |= IsOut(row.params[k]);
        }
        if (hasText)
            for (const In& in : inputs) {
                Call c(row);
                for (std::size_t k = 0; k < row.paramCount; ++k)
                    if (IsText(row.params[k])) c.SetText(k, in.text, in.null);
                t_recorder.script = Script{};
                c.Run(a);
                CheckArguments(c, in.what);
                for (std::size_t k = 0; k < row.paramCount; ++k)
                    if (row.params[k] == Kind::StrIO && in.null)
                        OK(c.buffers[k].bytes == c.before[k], "%s null in/out text: nothing written", Name(row).c_str());
            }
        if (hasOut)
            for (const Out& o : outputs) {
                Call c(row);
                t_recorder.script = Script{};
                if (o.write) SetScriptText(t_recorder.script, o.text);
                c.Run(a);
                for (std::size_t k = 0; k < row.paramCount; ++k)
                    if (IsOut(row.params[k])) {
                        // An entry that writes nothing leaves its buffer as it was: empty for a result
                        // buffer, the caller's own text for an open short string.
                        const std::string back = o.write ? o.text : row.params[k] == Kind::StrIO ? c.texts[k] : "";
                        CheckTextOut(c, k, back, o.what);
                    }
                // A null output buffer: the entry is still called, nothing is written.
                Call n(row);
                for (std::size_t k = 0; k < row.paramCount; ++k)
                    if (IsOut(row.params[k])) n.nullText[k] = true;
                n.Prepare();
                for (std::size_t k = 0; k < row.paramCount; ++k)
                    if (IsOut(row.params[k])) n.args[k] = 0;
                t_recorder.count = 0;
                const CallOutcome out =
                    CallExport(reinterpret_cast<const void*>(GetProcAddress(a.Module(), Name(row).c_str())), n.args);
                OK(t_recorder.count == 1 && out.espDelta == 0, "%s %s into a null buffer: called once, no fault", Name(row).c_str(),
                   o.what);
            }
    }
}

void BytesKeepLowEightBits(const Adapter& a) {
    for (const char* name : {"KEVRA_setCom", "KEVRA_checkCom"}) {
        const EntryRow& row = kevra::kEntryList[kevra::EntryPosition(std::string_view(name).substr(6))];
        for (std::uint32_t v : {259u, 0x1FFu, 0xFFFFFF00u}) {
            Call c(row);
            c.Prepare();
            c.args[0] = v;
            t_recorder.count = 0;
            CallExport(reinterpret_cast<const void*>(GetProcAddress(a.Module(), name)), c.args);
            OK(t_recorder.count == 1 && t_recorder.calls[0].eax == (v & 0xFF), "%s(%u): EAX 0x%08X, expected 0x%02X", name, v,
               t_recorder.calls[0].eax, v & 0xFF);
        }
    }
}

void ConfigurePadSuffix(const Adapter& a) {
    const std::string sfx = ";use_checkconnectedpad";
    const EntryRow& configure = kevra::kEntryList[kevra::EntryPosition("configurePad")];
    struct Case {
        const char* what;
        std::string p1;
        bool null;
        const char* entry;     // the entry that must be reached
        std::string expected;  // the text it must receive
        bool swapped;          // p3 before p2
    } cases[] = {
        {"the suffix alone", sfx, false, "checkConnectedPad", "", true},
        {"text and suffix", "COM1" + sfx, false, "checkConnectedPad", "COM1", true},
        {"suffix twice", "USB" + sfx + sfx, false, "checkConnectedPad", "USB" + sfx, true},
        {"suffix inside", sfx + "COM1", false, "configurePad", sfx + "COM1", false},
        {"21 characters of its tail", sfx.substr(1), false, "configurePad", sfx.substr(1), false},
        {"other letter case", "COM1;USE_checkconnectedpad", false, "configurePad", "COM1;USE_checkconnectedpad", false},
        {"suffix and a blank", "COM1" + sfx + " ", false, "configurePad", "COM1" + sfx + " ", false},
        {"255 characters and suffix (277)", std::string(255, 'k') + sfx, false, "checkConnectedPad", std::string(255, 'k'), true},
        {"300 characters and suffix", std::string(300, 'm') + sfx, false, "checkConnectedPad", std::string(255, 'm'), true},
        {"null first string", "", true, "configurePad", "", false},
    };
    for (const Case& tc : cases) {
        for (bool bound : {true, false}) {
            if (!bound) a.Uninitialize();
            Call c(configure);
            c.SetText(0, tc.p1, tc.null);
            c.texts[4] = "port text";
            t_recorder.script = Script{};
            t_recorder.script.eax = 0x00000101;
            SetScriptText(t_recorder.script, "pad found");
            g_events.mallocs = 0;
            g_events.heapFrees = 0;
            g_events.mallocSizes.clear();
            const CallOutcome out = c.Run(a);
            const bool suffixed = std::string(tc.entry) == "checkConnectedPad";
            OK(g_events.mallocs == (suffixed ? 1 : 0) && g_events.heapFrees == g_events.mallocs &&
                   (!suffixed || g_events.mallocSizes[0] == tc.p1.size() + 1),
               "configurePad %s%s: %d heap blocks, %d released", tc.what, bound ? "" : " unbound", g_events.mallocs, g_events.heapFrees);
            OK(out.espDelta == 0 && out.registersPreserved, "configurePad %s: stack and registers", tc.what);
            if (!bound) {
                OK(out.eax == 0 && t_recorder.count == 0 && c.buffers[4].bytes == c.before[4],
                   "configurePad %s without driver: 0, no call, p5 untouched", tc.what);
                OK(a.Initialize() == 1, "bound again");
                continue;
            }
            OK(out.eax == 1, "configurePad %s: result %d", tc.what, static_cast<std::int32_t>(out.eax));
            if (!OK(t_recorder.count == 1, "configurePad %s: %d calls", tc.what, t_recorder.count)) continue;
            const StandinCall& got = t_recorder.calls[0];
            OK(kevra::kEntryList[got.entry - 1].entry == tc.entry, "configurePad %s: reached %s, expected %s", tc.what,
               std::string(kevra::kEntryList[got.entry - 1].entry).c_str(), tc.entry);
            const std::string shortText = std::string(1, static_cast<char>(tc.expected.size())) + tc.expected;
            OK(std::memcmp(got.text[0], shortText.data(), shortText.size()) == 0, "configurePad %s: text of length %u, expected %zu",
               tc.what, got.text[0][0], tc.expected.size());
            const std::uint32_t p2 = c.args[1], p3 = c.args[2];
            OK(got.edx == (tc.swapped ? p3 : p2) && got.ecx == (tc.swapped ? p2 : p3),
               "configurePad %s: EDX/ECX are %s", tc.what, tc.swapped ? "p3/p2" : "p2/p3");
            OK(got.args[3] == c.args[3] && got.args[5] == 255, "configurePad %s: p4 and 255 on the stack", tc.what);
            CheckTextOut(c, 4, "pad found", tc.what);
        }
    }
}

void MisbehavingEntries(const Adapter& a) {
    for (const char* entry : {"OverrideKey", "GetOEMType", "startCapture", "getFrame"})
        for (std::int32_t delta : {-8, -4, 4, 8, 64}) {
            const EntryRow& row = kevra::kEntryList[kevra::EntryPosition(entry)];
            if (row.StackBytes() < static_cast<std::size_t>(-std::min(delta, 0))) continue;
            Call c(row);
            t_recorder.script = Script{};
            t_recorder.script.stackBytesDelta = delta;
            const CallOutcome out = c.Run(a);
            OK(t_recorder.count == 1 && out.espDelta == 0 && out.registersPreserved,
               "%s removing %d bytes too many: the host's stack comes back balanced (%d)", entry, delta, out.espDelta);
        }
}

}  // namespace

int main() {
    Begin();
    DeleteDriverKey();
    Adapter a;
    CheckAllWithoutDriver(a);
    SetDllDirectoryA(StandinDir().c_str());
    if (!OK(a.Initialize() == 1, "the stand-in binds")) return check::Summary("export_tests");
    WithDriver(a);
    ResultWidening(a);
    TextEdgeCases(a);
    BytesKeepLowEightBits(a);
    ConfigurePadSuffix(a);
    MisbehavingEntries(a);
    a.Uninitialize();
    CheckAllWithoutDriver(a);
    return check::Summary("export_tests");
}
