// kevradiag.exe run as a child process in the situations it reports on: the
// driver found by its plain name (complete or lacking an entry), found through
// the registry value, and found nowhere. Each run gets its own PATH through the
// environment block and an empty current folder; the registry value is written
// here and removed afterwards.
#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "common/pe_file.h"
#include "harness.h"

using namespace harness;

namespace {

std::string DiagPath() { return BuildDir() + "\\bin\\kevradiag.exe"; }

std::string Lower(std::string s) {
    CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// This process's environment with `dir` put in front of PATH, as a block for CreateProcessA.
std::string EnvironmentWithPathDir(const std::string& dir) {
    std::string block, path = dir;
    char* env = GetEnvironmentStringsA();
    for (const char* p = env; *p != '\0'; p += std::strlen(p) + 1) {
        if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, p, 5, "PATH=", 5) == CSTR_EQUAL) {
            path += ";" + std::string(p + 5);
            continue;
        }
        block.append(p).push_back('\0');
    }
    FreeEnvironmentStringsA(env);
    block.append("PATH=" + path).push_back('\0');
    block.push_back('\0');
    return block;
}

struct Run {
    bool started = false;
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;  // stdout and stderr together
};

// Runs kevradiag.exe with the arguments, `pathDir` in front of PATH and the
// current folder given; collects what it writes until it ends.
Run RunDiag(const std::string& args, const std::string& pathDir, const std::string& currentDir) {
    Run run;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    std::string commandLine = "\"" + DiagPath() + "\"" + (args.empty() ? "" : " " + args);
    std::string environment = EnvironmentWithPathDir(pathDir);
    run.started = CreateProcessA(DiagPath().c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, environment.data(),
                                 currentDir.c_str(), &si, &pi) != 0;
    CloseHandle(writeEnd);  // the child holds the only write end now: EOF when it ends
    if (run.started) {
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) run.output.append(buffer, n);
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(readEnd);
    run.output.erase(std::remove(run.output.begin(), run.output.end(), '\r'), run.output.end());
    return run;
}

// The entry names the output lists, each alone on its line.
std::set<std::string> ListedEntries(const std::string& output) {
    std::set<std::string> listed;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        line.erase(0, line.find_first_not_of(' '));
        if (kevra::EntryPosition(line) != kevra::kEntryCount) listed.insert(line);
        start = end + 1;
    }
    return listed;
}

bool Contains(const std::string& output, const std::string& text) {
    return Lower(output).find(Lower(text)) != std::string::npos;
}

// A copy of the stand-in whose export table lacks one name, as dir\kevra.dll.
bool WriteVariant(const std::string& dir, std::string_view missing) {
    pe::Image image = pe::Image::FromFile(StandinDir() + "\\kevra.dll");
    return image.RemoveExportName(std::string(missing)) && WriteFileBytes(dir + "\\kevra.dll", image.Bytes());
}

void Situations() {
    const std::string empty = ScratchDir("diag-empty");
    const std::string standin = StandinDir();
    const std::string standinDll = standin + "\\kevra.dll";
    const std::string_view first = kevra::kEntryList.front().entry;
    const std::string_view last = kevra::kEntryList.back().entry;
    const std::string withoutFirst = ScratchDir("diag-without-first");
    const std::string withoutLast = ScratchDir("diag-without-last");
    OK(WriteVariant(withoutFirst, first) && WriteVariant(withoutLast, last), "variants without %.*s and %.*s written",
       static_cast<int>(first.size()), first.data(), static_cast<int>(last.size()), last.data());

    // Nothing but what a case puts there may be found: not beside kevradiag.exe, not in the current folder.
    OK(!FileExists(BuildDir() + "\\bin\\kevra.dll"), "no kevra.dll beside kevradiag.exe in %s\\bin", BuildDir().c_str());
    OK(!FileExists(empty + "\\kevra.dll"), "no kevra.dll in the child's current folder %s", empty.c_str());

    const std::string none = "";  // no registry value: the key is deleted
    const std::string all = "all " + std::to_string(kevra::kEntryCount) + " present";
    const std::string lacksOne = "lacks 1 of " + std::to_string(kevra::kEntryCount);
    struct Case {
        const char* what;
        std::string pathDir;        // put in front of PATH
        std::string registryValue;  // the value "driver" (NUL-terminated), or none
        DWORD exitCode;
        std::vector<std::string> shown;    // texts the output holds (case aside)
        std::set<std::string> listed;      // the entries listed as missing
    } cases[] = {
        {"complete library by plain name", standin, none, 0,
         {all, "key:     missing", "Verdict: the adapter would bind " + standinDll + "\n"}, {}},
        {"plain name lacks the first entry, a complete one in the registry", withoutFirst, standin + std::string(1, '\0'), 1,
         {lacksOne, "path:    " + standinDll,
          "Verdict: refused: " + withoutFirst + "\\kevra.dll lacks 1 entry;",
          "the registry's library is not tried"},
         {std::string(first)}},
        {"plain name lacks the last entry", withoutLast, none, 1,
         {"Verdict: refused: " + withoutLast + "\\kevra.dll lacks 1 entry;"}, {std::string(last)}},
        {"nothing anywhere", empty, none, 2,
         {"loads:   no (error 126", "key:     missing", "Verdict: no driver library found"}, {}},
        {"plain name fails, the registry names the stand-in's folder", empty, standin + std::string(1, '\0'), 0,
         {"value:   \"" + standin + "\"", "path:    " + standinDll, all,
          "Verdict: the adapter would bind " + standinDll + "\n"},
         {}},
        {"plain name fails, the registry's library lacks an entry", empty, withoutLast + std::string(1, '\0'), 1,
         {"path:    " + withoutLast + "\\kevra.dll", "Verdict: refused: " + withoutLast + "\\kevra.dll lacks 1 entry;"},
         {std::string(last)}},
        {"registry folder without the library", empty, empty + std::string(1, '\0'), 2,
         {"path:    " + empty + "\\kevra.dll", "Verdict: no driver library found"}, {}},
        {"registry directory of 250 characters: no room for the file name", empty,
         std::string(250, 'd') + std::string(1, '\0'), 2,
         {"too long: 250 characters, at most 249", "Verdict: no driver library found"}, {}},
    };
    for (const Case& c : cases) {
        DeleteDriverKey();
        if (!c.registryValue.empty()) OK(SetDriverValue(c.registryValue), "%s: registry value written", c.what);
        const Run run = RunDiag("", c.pathDir, empty);
        DeleteDriverKey();
        if (!OK(run.started, "%s: kevradiag.exe starts from %s", c.what, DiagPath().c_str())) continue;
        OK(run.exitCode == c.exitCode, "%s: exit code %lu, expected %lu\n%s", c.what, run.exitCode, c.exitCode,
           run.output.c_str());
        for (const std::string& text : c.shown)
            OK(Contains(run.output, text), "%s: output shows \"%s\"\n%s", c.what, text.c_str(), run.output.c_str());
        OK(ListedEntries(run.output) == c.listed, "%s: the missing entries listed are exactly %zu expected\n%s", c.what,
           c.listed.size(), run.output.c_str());
    }
}

void HelpAndWrongArguments() {
    const std::string empty = ScratchDir("diag-empty");
    const Run help = RunDiag("--help", empty, empty);
    OK(help.started && help.exitCode == 0, "--help: exit code %lu, expected 0", help.exitCode);
    OK(Contains(help.output, "Exit code: 0") && !Contains(help.output, "Verdict"),
       "--help: explains the exit codes and searches nothing\n%s", help.output.c_str());
    const Run wrong = RunDiag("--frobnicate", empty, empty);
    OK(wrong.started && wrong.exitCode == 3, "unknown argument: exit code %lu, expected 3", wrong.exitCode);
    OK(Contains(wrong.output, "unknown argument \"--frobnicate\"") && !Contains(wrong.output, "Verdict"),
       "unknown argument: named, nothing searched\n%s", wrong.output.c_str());
}

}  // namespace

int main() {
    Begin();
    DeleteDriverKey();
    Situations();
    HelpAndWrongArguments();
    DeleteDriverKey();
    return check::Summary("diag_tests");
}
