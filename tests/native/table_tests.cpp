// The entry list against the facts stated about it family by family, the
// module definition file against the list, and, when a built adapter is given,
// its export table read back from the file.
//   table_tests <kevrad2c.def> [kevrad2c.dll]
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "binding/entry_list.h"
#include "common/check.h"
#include "common/pe_file.h"

using namespace kevra;

namespace {

std::string Str(std::string_view s) { return std::string(s); }

void TestFamilies() {
    struct Expected {
        Family family;
        const char* name;
        int exports, bools, int32s;
    } families[] = {
        {Family::CONNECTION, "connection", 25, 9, 3}, {Family::CAPTURE, "capture", 21, 5, 5},
        {Family::EVENTS, "events", 8, 0, 0},          {Family::DISPLAY, "display", 17, 1, 6},
        {Family::SECURITY, "security", 8, 2, 5},      {Family::SETTINGS, "settings", 14, 0, 7},
        {Family::SCRIPTS, "scripts", 9, 9, 0},        {Family::OBJECTS, "objects", 20, 17, 2},
        {Family::LIFECYCLE, "lifecycle", 1, 0, 0},
    };
    for (const Expected& f : families) {
        int exports = 0, bools = 0, int32s = 0;
        for (const EntryRow& r : kEntryList) {
            if (r.family != f.family) continue;
            ++exports;
            bools += r.result == Result::Bool;
            int32s += r.result == Result::Int32;
        }
        OK(exports == f.exports && bools == f.bools && int32s == f.int32s,
           "%s: %d exports (%d bool, %d int32), expected %d (%d, %d)", f.name, exports, bools, int32s, f.exports,
           f.bools, f.int32s);
    }
}

void TestNames() {
    int caseChanged = 0;
    for (const EntryRow& r : kEntryList) {
        const std::string_view tail = r.exportName.substr(6);
        OK(r.exportName.substr(0, 6) == "KEVRA_", "%s: prefix", Str(r.exportName).c_str());
        if (tail == r.entry) continue;
        const bool lowered = tail.size() == r.entry.size() && tail.substr(1) == r.entry.substr(1) &&
                             tail[0] >= 'a' && tail[0] <= 'z' && r.entry[0] == tail[0] - 'a' + 'A';
        OK(lowered, "%s: differs from entry %s other than by a lower-case first letter", Str(r.exportName).c_str(),
           Str(r.entry).c_str());
        caseChanged += lowered;
    }
    OK(caseChanged == 20, "%d exports lower the entry's first letter, expected 20", caseChanged);
    OK(EntryPosition("isPadAvailable") != EntryPosition("isPadavAvailable"), "isPadAvailable and isPadavAvailable are two entries");
}

void TestWithoutDriverValues() {
    const std::map<std::string, int> minusOne = {
        {"KEVRA_DownloadPromoImage", 1},         {"KEVRA_UploadPromoImage", 1},
        {"KEVRA_RemovePromoImage", 1},           {"KEVRA_SignPadResetConfiguration", 1},
        {"KEVRA_SetConfigurationVariable", 1},   {"KEVRA_GetConfigurationVariable", 1},
        {"KEVRA_SetConfigurationVariableString", 1}, {"KEVRA_GetConfigurationVariableString", 1},
    };
    for (const EntryRow& r : kEntryList) {
        const int expected = minusOne.count(Str(r.exportName)) ? -1 : 0;
        OK(r.withoutDriver == expected, "%s: without driver %d, expected %d", Str(r.exportName).c_str(), r.withoutDriver,
           expected);
    }
}

void TestDefFile(const char* path) {
    std::ifstream in(path);
    OK(in.good(), "module definition file %s readable", path);
    std::string line, library;
    std::map<std::string, unsigned> ordinals;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        if (first == "LIBRARY") library = second;
        else if (first.rfind("KEVRA_", 0) == 0 && second.size() > 1 && second[0] == '@')
            ordinals[first] = static_cast<unsigned>(std::stoul(second.substr(1)));
    }
    OK(library == "kevrad2c.dll", "LIBRARY %s", library.c_str());
    OK(ordinals.size() == kExportCount, ".def lists %zu exports, expected %zu", ordinals.size(), kExportCount);
    for (std::size_t i = 0; i < kExportsByOrdinal.size(); ++i) {
        const std::string name = Str(kExportsByOrdinal[i]);
        OK(ordinals.count(name) && ordinals[name] == i + 1, ".def: %s @%u, expected @%zu (regenerate with print_def)",
           name.c_str(), ordinals.count(name) ? ordinals[name] : 0u, i + 1);
    }
}

void TestBuiltExports(const char* path) {
    const pe::Image image = pe::Image::FromFile(path);
    const pe::ExportTable& table = image.Exports();
    OK(table.valid, "%s has an export table", path);
    OK(table.moduleName == "kevrad2c.dll", "module name %s", table.moduleName.c_str());
    OK(table.named.size() == kExportCount && table.functionCount == kExportCount, "%zu names, %u functions, expected %zu",
       table.named.size(), table.functionCount, kExportCount);
    std::map<std::string, std::uint32_t> built;
    for (const pe::Export& e : table.named) built[e.name] = e.ordinal;
    for (std::size_t i = 0; i < kExportsByOrdinal.size(); ++i) {
        const std::string name = Str(kExportsByOrdinal[i]);
        OK(built.count(name) && built[name] == i + 1, "built DLL: %s ordinal %u, expected %zu", name.c_str(),
           built.count(name) ? built[name] : 0u, i + 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    TestFamilies();
    TestNames();
    TestWithoutDriverValues();
    if (argc > 1) TestDefFile(argv[1]);
    if (argc > 2) TestBuiltExports(argv[2]);
    return check::Summary("table_tests");
}
