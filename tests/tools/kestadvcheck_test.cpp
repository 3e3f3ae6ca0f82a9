// KestAdvCheck.exe as its users run it: a process with a file argument,
// judged by its output and exit status.
#include "editor/definition_load_listener.h"
#include "editor/property_collection.h"
#include "platform/text_conversion.h"
#include "tests/support/registry_listing.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <string>
#include <vector>

namespace {

std::string ExeFolder()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module);
    return path.substr(0, path.rfind('\\'));
}

std::string SourceFolder()
{
    std::string path = ExeFolder();
    for (int up = 0; up < 2; ++up)
        path = path.substr(0, path.rfind('\\'));
    return path;
}

std::string DataFile(const char* name)
{
    return SourceFolder() + "\\tests\\data\\definitions\\" + name;
}

struct CheckRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

CheckRun RunCheck(const std::string& arguments)
{
    CheckRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string commandLine = "\"" + ExeFolder() + "\\KestAdvCheck.exe\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got != 0)
            run.output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return run;
}

// The warning lines of the readable report, without the file name.
std::vector<std::string> Warnings(const std::string& output)
{
    std::vector<std::string> warnings;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos)
            end = output.size();
        const std::string line = output.substr(start, end - start);
        const size_t open = line.rfind(".xml(");
        if (open != std::string::npos && line.find("): warning: ") != std::string::npos)
            warnings.push_back(line.substr(open + 4));
        start = end + 1;
    }
    return warnings;
}

TEST(KestAdvCheck, JsonGivesTheModelWhatTheProgramPrintsAndShowsAndTheWarnings)
{
    const CheckRun run = RunCheck("\"" + DataFile("duplicate_ids.xml") + "\" --json");
    EXPECT_EQ(1u, run.exitCode);
    const std::string expected =
        "{\"loaded\":true,\"name\":\"Root\",\"versions\":[],\"properties\":["
        "{\"index\":0,\"name\":\"P1\",\"kxisw\":false,\"attributes\":["
        "{\"index\":0,\"id\":7,\"name\":\"First\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
        "\"default\":1,\"value\":1,\"type\":5,\"values\":[\"x\",\"y\"]}]},"
        "{\"index\":1,\"name\":\"P2\",\"kxisw\":false,\"attributes\":["
        "{\"index\":0,\"id\":7,\"name\":\"Second\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
        "\"default\":3,\"value\":3,\"type\":6,\"values\":[]},"
        "{\"index\":1,\"id\":8,\"name\":\"Third\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
        "\"default\":4,\"value\":4,\"type\":6,\"values\":[]},"
        "{\"index\":2,\"id\":8,\"name\":\"Fourth\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
        "\"default\":0,\"value\":0,\"type\":6,\"values\":[]}]}],"
        "\"diagnostics\":[],"
        "\"messages\":[\"Duplicate Attribute ID found for 7.  Please check the 'KestAdvConfig.xml' file.\","
        "\"Duplicate Attribute ID found for 8.  Please check the 'KestAdvConfig.xml' file.\"],"
        "\"warnings\":["
        "{\"line\":6,\"column\":5,\"text\":\"combo box \\\"Second\\\" has no Value: it gets no cell\"},"
        "{\"line\":6,\"column\":25,\"text\":\"duplicate Id 7: the box is shown and the attribute shares its value "
        "with the first one; not read after it: Type, Extra\"},"
        "{\"line\":7,\"column\":5,\"text\":\"combo box \\\"Third\\\" has no Value: it gets no cell\"},"
        "{\"line\":8,\"column\":5,\"text\":\"combo box \\\"Fourth\\\" has no Value: it gets no cell\"},"
        "{\"line\":8,\"column\":13,\"text\":\"duplicate Id 8: the box is shown and the attribute shares its value "
        "with the first one; not read after it: Default\"}]}\n";
    EXPECT_EQ(expected, run.output);
}

TEST(KestAdvCheck, JsonEscapesAndKeepsUtf8AndDiagnostics)
{
    const CheckRun run = RunCheck("\"" + DataFile("nodes.xml") + "\" --json");
    EXPECT_NE(std::string::npos,
              run.output.find("\"diagnostics\":[\"Processing Instruction name:kest value:build=\\\"12\\\"\","
                              "\"Comment:  top comment \",\"CDATA:  <not text> \",\"Comment:  inner \"]"))
        << run.output;
    const CheckRun cyrillic = RunCheck("\"" + DataFile("utf16_cyrillic.xml") + "\" --json");
    EXPECT_NE(std::string::npos, cyrillic.output.find("\"values\":[\"Русский\",\"English\"]")) << cyrillic.output;
    EXPECT_EQ(0u, cyrillic.exitCode);
}

// File -> exit status and the warnings, "(line,column): warning: text".
TEST(KestAdvCheck, WarnsWithLineAndColumnForWhatTheLoaderDropsOrWillSurprise)
{
    struct Case {
        const char* file;
        DWORD exitCode;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        // The shipped sample: clean, and its Components page is no grid.
        {"..\\..\\..\\resources\\kestadvconfig.xml", 0, {}},
        {"empty_elements.xml", 1,
         {"(2,3): warning: <Property/> has no end tag: the property is never added",
          "(4,5): warning: <Attrib/> has no end tag: the attribute is never added"}},
        {"attrib_outside_property.xml", 1,
         {"(2,24): warning: attribute \"Orphan\" is outside any property and is never added",
          "(3,22): warning: combo box \"Inside\" has no Value: it gets no cell",
          "(4,3): warning: combo box \"After the end tag\" has no Value: it gets no cell"}},
        {"default_before_first_attrib.xml", 1,
         {"(3,24): warning: \"Type\" before the first Attrib: loading fails here"}},
        {"doctype.xml", 2,
         {"(2,1): warning: reading stopped: the file is not well formed here (DtdProhibited, c00cee4f); "
          "what follows is ignored"}},
        {"text_after_end_tags.xml", 1,
         {"(3,43): warning: text after </Desc> replaces the Desc with \"replaced\"",
          "(3,69): warning: text after </Value> adds the choice \"two\"",
          "(3,81): warning: text after </Attrib> renames the attribute to \"renamed\"",
          "(4,5): warning: combo box \"Other\" has no Value: it gets no cell",
          "(4,43): warning: text after </RegKey> replaces the RegKey with \"K2\"",
          "(4,65): warning: text after </RegItem> replaces the RegItem with \"I2\""}},
        {"surprises.xml", 1,
         {"(3,5): warning: \"Only key\" has a RegKey but no RegItem: written on Apply, never read back",
          "(4,5): warning: Reset \" Delete\" of \"Odd reset\" is neither \"Delete\" nor a number: choosing 1 writes 0",
          "(6,5): warning: \"No Id\" has Id 0 (or none) but is not the first attribute: it does not make a "
          "Components page",
          "(7,5): warning: Default 2 of \"Out of range\" is outside its 2 choice(s)",
          "(8,5): warning: combo box \"No choices\" has no Value: it gets no cell",
          "(8,32): warning: unknown Type \"list\": the attribute becomes a combo box",
          "(9,5): warning: Reset \"Delete\" of \"Wipe\" has no RegItem: choosing 1 deletes every value and sub-key "
          "of its RegKey",
          "(10,5): warning: Reset of \"Nowhere\" has neither RegKey nor RegItem: it never runs"}},
        {"dropped_properties.xml", 1,
         {"(2,45): warning: a first property without a Name is dropped with its 1 attribute(s)",
          "(3,22): warning: combo box \"a1\" has no Value: it gets no cell",
          "(4,48): warning: property \"A\" is dropped with its 1 attribute(s): same name as the property before it",
          "(5,22): warning: combo box \"b1\" has no Value: it gets no cell",
          "(6,22): warning: combo box \"a3\" has no Value: it gets no cell",
          "(7,13): warning: combo box \"unnamed after A\" has no Value: it gets no cell"}},
        {"root_only.xml", 2, {}},
        {"no_such_file.xml", 2, {}},
    };
    for (const Case& item : cases) {
        SCOPED_TRACE(item.file);
        const CheckRun run = RunCheck("\"" + DataFile(item.file) + "\"");
        EXPECT_EQ(item.exitCode, run.exitCode);
        EXPECT_EQ(item.warnings, Warnings(run.output)) << run.output;
    }
}

class NoMessageBoxes : public CDefinitionLoadListener {
    void ShowDuplicateIdBox(const CString&) override {}
};

DWORD RunAndWait(std::string commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD exitCode = 0xFFFFFFFF;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return exitCode;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return exitCode;
}

void PutDword(const std::string& path, const char* name, DWORD value)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// Several keys, a value name to escape, Cyrillic names, an Id shared by two
// attributes that write the same value, and reset actions that run on the
// first Apply and ones that do not: regedit's import of the .reg changes the
// registry exactly as the value store's WriteAllValues does.
TEST(KestAdvCheck, RegImportedByRegeditWritesWhatTheFirstApplyWrites)
{
    const std::string file = DataFile("first_apply.xml");
    const CheckRun run = RunCheck("\"" + file + "\" --reg");
    EXPECT_EQ(1u, run.exitCode);  // warned of the shared Id
    ASSERT_GE(run.output.size(), 2u);
    ASSERT_EQ("\xFF\xFE", run.output.substr(0, 2));
    const std::wstring wide(reinterpret_cast<const wchar_t*>(run.output.data() + 2), (run.output.size() - 2) / 2);
    const std::string text = NarrowFromWide(wide.c_str(), static_cast<int>(wide.size())).str();
    EXPECT_EQ(0u, text.find("Windows Registry Editor Version 5.00\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("; \"Numeric later\" (Id 21), reset \"9\": runs when 1 is chosen")) << text;

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string regFile = std::string(folder) + "kac_first_apply.reg";
    HANDLE out = CreateFileA(regFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, out);
    DWORD written = 0;
    WriteFile(out, run.output.data(), static_cast<DWORD>(run.output.size()), &written, nullptr);
    CloseHandle(out);

    const std::string root = kQuorvelinRegistryRoot;
    RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    // What the Delete actions find: a sub-key to remove, one to keep, and a key to empty.
    const auto seed = [&root] {
        SHDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
        PutDword(root + "\\Cache\\Old\\Deeper", "X", 1);
        PutDword(root + "\\Cache\\Kept", "Y", 2);
        PutDword(root + "\\Emptied\\Sub", "Z", 3);
        PutDword(root + "\\Emptied", "W", 4);
    };
    seed();
    EXPECT_EQ(0u, RunAndWait("regedit.exe /s \"" + regFile + "\""));
    const std::vector<std::string> imported = RegistryListing(root);
    DeleteFileA(regFile.c_str());

    seed();
    CPropertyCollection collection;
    NoMessageBoxes listener;
    ASSERT_TRUE(collection.LoadDefinitionFile(file.c_str(), &listener));
    EXPECT_TRUE(collection.WriteAllValues(kQuorvelinRegistryRoot));
    EXPECT_EQ(RegistryListing(root), imported);
    // Not two empty listings: the later of the shared writes, the numeric
    // reset, and the deletions show.
    EXPECT_EQ((std::vector<std::string>{"Cache\\", "Cache\\Kept\\", "Cache\\Kept\\Y=2", "Cache\\Size=5", "Direct=5",
                                        "Display\\", "Display\\A\\B\"C=6", "Display\\Advanced\\",
                                        "Display\\Advanced\\@=4", "Display\\Advanced\\Depth=-1", "Display\\Mode=3",
                                        "Emptied\\", "Язык\\", "Язык\\Код=7"}),
              imported);
}

TEST(KestAdvCheck, WithoutAFileItPrintsUsage)
{
    const CheckRun run = RunCheck("");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("usage: KestAdvCheck FILE [--json | --reg]"));
}

}  // namespace
