// KestAdvCheck.exe as its users run it: a process with a file argument,
// judged by its output and exit status.
#include "editor/definition_load_listener.h"
#include "editor/property_collection.h"
#include "platform/text_conversion.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"
#include "xml/xml_reader.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A definition file of the test data, and the same quoted for a command line.
std::string DataFile(const char* name)
{
    return TestDataPath(std::string("definitions\\") + name);
}
std::string Quoted(const char* name)
{
    return "\"" + DataFile(name) + "\"";
}

// KestAdvCheck.exe with these arguments, run to its end.
ProgramRun RunCheck(const std::string& arguments)
{
    return RunProgram(ExecutableFolder() + "KestAdvCheck.exe", arguments);
}

const char kSample[] = "..\\..\\..\\resources\\kestadvconfig.xml";

// The warning lines of the readable report, without the file name.
std::vector<std::string> Warnings(const std::string& output)
{
    std::vector<std::string> warnings;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const size_t open = line.rfind(".xml(");
        if (open != std::string::npos && line.find("): warning: ") != std::string::npos)
            warnings.push_back(line.substr(open + 4));
    }
    return warnings;
}

// Command line -> exit status and what the output holds.
TEST(KestAdvCheck, CommandLineGivesExitStatusAndOutput)
{
    const struct {
        std::string arguments;
        DWORD exitCode;
        std::vector<std::string> fragments;
    } cases[] = {
        // The model as the program reads it, what it prints and shows, and
        // the warnings; a quote in a warning is escaped.
        {Quoted("duplicate_ids.xml") + " --json", 1,
         {"{\"loaded\":true,\"name\":\"Root\",\"versions\":[],\"properties\":["
          "{\"index\":0,\"name\":\"P1\",\"kxisw\":false,\"attributes\":["
          "{\"index\":0,\"id\":7,\"name\":\"First\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
          "\"default\":1,\"value\":1,\"type\":5,\"values\":[\"x\",\"y\"]}]},",
          "{\"index\":2,\"id\":8,\"name\":\"Fourth\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
          "\"default\":0,\"value\":0,\"type\":6,\"values\":[]}]}],\"diagnostics\":[],"
          "\"messages\":[\"Duplicate Attribute ID found for 7.  Please check the 'KestAdvConfig.xml' file.\",",
          "{\"line\":6,\"column\":5,\"text\":\"combo box \\\"Second\\\" has no Value: it gets no cell\"},"}},
        {Quoted("nodes.xml") + " --json", 1,
         {"\"diagnostics\":[\"Processing Instruction name:kest value:build=\\\"12\\\"\",\"Comment:  top comment \","
          "\"CDATA:  <not text> \",\"Comment:  inner \"]"}},
        {Quoted("utf16_cyrillic.xml") + " --json", 0, {"\"values\":[\"Русский\",\"English\"]"}},
        {"", 2, {"usage: KestAdvCheck FILE [--json | --reg | --current | --diff [--json] | --admx DIR]"}},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.arguments);
        const ProgramRun run = RunCheck(item.arguments);
        EXPECT_EQ(item.exitCode, run.exitCode);
        for (const std::string& fragment : item.fragments)
            EXPECT_NE(std::string::npos, run.output.find(fragment)) << fragment << "\n" << run.output;
    }
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
        {kSample, 0, {}},
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
        const ProgramRun run = RunCheck(Quoted(item.file));
        EXPECT_EQ(item.exitCode, run.exitCode);
        EXPECT_EQ(item.warnings, Warnings(run.output)) << run.output;
    }
}

class NoMessageBoxes : public CDefinitionLoadListener {
    void PrintDiagnostic(const CString&, bool) override {}
    void ShowDuplicateIdBox(const CString&) override {}
};

// The text of a .reg file as KestAdvCheck writes it: UTF-16LE after a BOM.
std::string RegText(const std::string& output)
{
    if (output.size() < 2 || output.substr(0, 2) != "\xFF\xFE")
        return "(no byte-order mark) " + output;
    const std::wstring wide(reinterpret_cast<const wchar_t*>(output.data() + 2), (output.size() - 2) / 2);
    return NarrowFromWide(wide.c_str(), static_cast<int>(wide.size())).str();
}

// regedit /s imports the bytes as a .reg file; its exit status.
DWORD ImportWithRegedit(const std::string& bytes)
{
    TempFolder folder;
    std::ofstream(folder.Path() + "\\import.reg", std::ios::binary) << bytes;
    return RunProgram("regedit.exe", "/s \"" + folder.Path() + "\\import.reg\"").exitCode;
}

const std::string kRoot = kQuorvelinRegistryRoot;

struct PolicyWrite {
    std::string key;
    std::string name;
    DWORD value;
};

// The registry after a first Apply of the file on a fresh registry, then the
// policy's writes, then the dialog opened, `value` chosen for the Id and OK
// pressed, when a choice is given.
std::vector<std::string> AfterChoice(const std::string& file, bool choose, int id = 0, int value = 0,
                                     const std::vector<PolicyWrite>& policy = {})
{
    DeleteRegistryKey(kRoot);
    NoMessageBoxes listener;
    CPropertyCollection first;
    EXPECT_TRUE(first.LoadDefinitionFile(file.c_str(), &listener));
    first.WriteAllValues(kQuorvelinRegistryRoot);
    for (const PolicyWrite& write : policy)
        WriteRegistryDword(write.key, write.name.c_str(), write.value);
    if (choose) {
        CPropertyCollection dialog;
        dialog.LoadDefinitionFile(file.c_str(), &listener);
        dialog.ReadAllValues(kQuorvelinRegistryRoot);
        dialog.SetValueById(id, value);
        EXPECT_TRUE(dialog.WriteAllValues(kQuorvelinRegistryRoot));
    }
    return RegistryListing(kRoot);
}

// Several keys, a value name to escape, Cyrillic names, an Id shared by two
// attributes that write the same value, and reset actions that run on the
// first Apply and ones that do not: regedit's import of the .reg changes the
// registry exactly as the value store's WriteAllValues does.
TEST(KestAdvCheck, RegImportedByRegeditWritesWhatTheFirstApplyWrites)
{
    const std::string file = DataFile("first_apply.xml");
    const ProgramRun run = RunCheck(Quoted("first_apply.xml") + " --reg");
    EXPECT_EQ(1u, run.exitCode);  // warned of the shared Id
    const std::string text = RegText(run.output);
    EXPECT_EQ(0u, text.find("Windows Registry Editor Version 5.00\r\n")) << text;
    EXPECT_NE(std::string::npos, text.find("; \"Numeric later\" (Id 21), reset \"9\": runs when 1 is chosen")) << text;

    RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    // What the Delete actions find: a sub-key to remove, one to keep, and a key to empty.
    const auto seed = [] {
        DeleteRegistryKey(kRoot);
        WriteRegistryDword(kRoot + "\\Cache\\Old\\Deeper", "X", 1);
        WriteRegistryDword(kRoot + "\\Cache\\Kept", "Y", 2);
        WriteRegistryDword(kRoot + "\\Emptied\\Sub", "Z", 3);
        WriteRegistryDword(kRoot + "\\Emptied", "W", 4);
    };
    seed();
    EXPECT_EQ(0u, ImportWithRegedit(run.output));
    const std::vector<std::string> imported = RegistryListing(kRoot);

    seed();
    CPropertyCollection collection;
    NoMessageBoxes listener;
    ASSERT_TRUE(collection.LoadDefinitionFile(file.c_str(), &listener));
    EXPECT_TRUE(collection.WriteAllValues(kQuorvelinRegistryRoot));
    EXPECT_EQ(RegistryListing(kRoot), imported);
    // Not two empty listings: the later of the shared writes, the numeric
    // reset, and the deletions show.
    EXPECT_EQ((std::vector<std::string>{"Cache\\", "Cache\\Kept\\", "Cache\\Kept\\Y=2", "Cache\\Size=5", "Direct=5",
                                        "Display\\", "Display\\A\\B\"C=6", "Display\\Advanced\\",
                                        "Display\\Advanced\\@=4", "Display\\Advanced\\Depth=-1", "Display\\Mode=3",
                                        "Emptied\\", "Язык\\", "Язык\\Код=7"}),
              imported);
}

// After a choice and OK on a fresh registry (and a value removed), --diff
// lists that attribute and nothing else, with both values and their choices'
// texts; --current exported, the subtree wiped and the file imported gives
// the same subtree back (a value under the wrong key or name, a wrong number
// or a missing key line fails).
TEST(KestAdvCheck, DiffAndCurrentExportWhatTheRegistryHolds)
{
    const struct {
        const char* file;
        int id;
        int value;
        const char* removedKey;  // below the root, with its value removedValue
        const char* removedValue;
        const char* arguments;
        std::string expected;  // the whole output of --diff, or a line of the .reg
    } cases[] = {
        {kSample, 1001, 2, nullptr, nullptr, " --diff --json",
         "{\"differences\":[{\"property\":\"Общие\",\"name\":\"Язык интерфейса\",\"id\":1001,"
         "\"key\":\"Software\\\\Tarnwick, Inc.\\\\Quorvelin X8\\\\Settings\\\\General\",\"valueName\":\"Language\","
         "\"now\":{\"state\":\"dword\",\"value\":2,\"text\":\"Deutsch\"},"
         "\"firstApply\":{\"value\":1,\"text\":\"Русский\"}}]}\n"},
        {"fleet.xml", 1, 1, nullptr, nullptr, " --diff",
         "\"Вид & <цвет>\" / \"Режим \"A&B\" <x> -- 'q'\" (Id 1): HKEY_CURRENT_USER\\Software\\Tarnwick, "
         "Inc.\\Quorvelin X8\\Вид, value \"Режим\": now 1 \"One & \"1\" <2>\", first Apply 2 \"Два\"\n"
         "1 difference(s)\n"},
        {"fleet.xml", 0, 0, nullptr, nullptr, " --diff", "0 difference(s)\n"},
        {kSample, 1001, 2, "Settings\\Network", "Timeout", " --current",
         "; \"Timeout (s)\" (Id 3002): \"Timeout\" is missing"},
        // The only value of its key: the key line brings back the empty key.
        {"fleet.xml", 1, 0, "Вид\\Advanced", "Depth", " --current", "; \"Depth\" (Id 2): \"Depth\" is missing"},
    };
    RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.file) + item.arguments);
        AfterChoice(DataFile(item.file), item.id != 0, item.id, item.value);
        if (item.removedKey != nullptr) {
            EXPECT_EQ(ERROR_SUCCESS, SHDeleteValueA(HKEY_CURRENT_USER, (kRoot + "\\" + item.removedKey).c_str(),
                                                    item.removedValue));
        }
        const std::vector<std::string> before = RegistryListing(kRoot);
        const ProgramRun run = RunCheck(Quoted(item.file) + item.arguments);
        if (item.removedKey == nullptr) {
            EXPECT_EQ(item.expected, run.output);
            continue;
        }
        EXPECT_NE(std::string::npos, RegText(run.output).find(item.expected)) << RegText(run.output);
        DeleteRegistryKey(kRoot);
        EXPECT_EQ(0u, ImportWithRegedit(run.output));
        EXPECT_EQ(before, RegistryListing(kRoot));
    }
}

// An XML document as a tree, read with our own reader.
struct XmlNode {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;
    std::vector<XmlNode> children;

    std::string operator[](const char* attribute) const
    {
        const auto found = attributes.find(attribute);
        return found != attributes.end() ? found->second : "";
    }
    // Every node below this one with the name, in document order.
    std::vector<const XmlNode*> All(const std::string& wanted) const
    {
        std::vector<const XmlNode*> found;
        for (const XmlNode& child : children) {
            if (child.name == wanted)
                found.push_back(&child);
            const std::vector<const XmlNode*> below = child.All(wanted);
            found.insert(found.end(), below.begin(), below.end());
        }
        return found;
    }
};

// False when the file is not well formed; comments go to `comments`.
bool ReadXml(const std::string& path, XmlNode* root, std::string* comments)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    xml::XmlMemorySource source(bytes.data(), bytes.size());
    xml::XmlReader reader;
    reader.SetInput(&source);
    const auto string = [&reader](xml::XmlResult (xml::XmlReader::*get)(const char16_t**, std::uint32_t*) const) {
        const char16_t* text = nullptr;
        std::uint32_t length = 0;
        (reader.*get)(&text, &length);
        return NarrowFromWide(reinterpret_cast<const wchar_t*>(text), static_cast<int>(length)).str();
    };
    std::vector<XmlNode*> open{root};
    xml::XmlNodeType type{};
    xml::XmlResult result = xml::result::Ok;
    while ((result = reader.Read(&type)) == xml::result::Ok) {
        if (type == xml::XmlNodeType::Element) {
            XmlNode& node = open.back()->children.emplace_back();
            node.name = string(&xml::XmlReader::GetLocalName);
            for (auto moved = reader.MoveToFirstAttribute(); moved == xml::result::Ok;
                 moved = reader.MoveToNextAttribute())
                node.attributes[string(&xml::XmlReader::GetLocalName)] = string(&xml::XmlReader::GetValue);
            reader.MoveToElement();
            if (!reader.IsEmptyElement())
                open.push_back(&node);
        } else if (type == xml::XmlNodeType::EndElement) {
            open.pop_back();
        } else if (type == xml::XmlNodeType::Text) {
            open.back()->text += string(&xml::XmlReader::GetValue);
        } else if (type == xml::XmlNodeType::Comment) {
            *comments += string(&xml::XmlReader::GetValue) + "\n";
        }
    }
    return result == xml::result::EndOfInput;
}

// The first attribute without a reset action that Apply writes at this place.
const CPropertyAttributes* AttributeAt(const CPropertyCollection& collection, const std::string& key,
                                       const std::string& name)
{
    for (const auto [property, attribute] : collection.Attributes()) {
        const CRegistryWrite write = attribute->PendingWrite(kQuorvelinRegistryRoot);
        if (attribute->m_strReset.IsEmpty() && write.kind == CRegistryWrite::Kind::SetDword &&
            write.keyPath.str() == key && write.name.str() == name)
            return attribute;
    }
    return nullptr;
}

// The templates from --admx are well formed, every name is an identifier
// unique in its file and every reference resolves; each policy is named
// after a row the dialog shows and everything else is a comment; enabling a
// policy with item k (or a number) writes what choosing k in that row and
// pressing OK writes, compared in the registry after a first Apply.
TEST(KestAdvCheck, AdmxPoliciesWriteWhatTheDialogWrites)
{
    struct Case {
        const char* file;
        std::vector<std::string> policies;  // display names, in order
        std::vector<std::string> comments;  // what each left-out part's comment names
    };
    const Case cases[] = {
        {kSample,
         {"Язык интерфейса", "Start mode", "Check for updates", "Журнал событий", "Screen resolution (DPI)",
          "Zoom (%)", "Cache size (KB)", "Заголовок окна", "Папка шаблонов", "Панель инструментов", "Proxy",
          "Timeout (s)", "Протокол"},
         {"\"Internal schema version\" (Id 1012)", "\"Clear recent files\" (Id 4001)",
          "\"Сбросить окно документов\" (Id 4002)", "\"Maintenance\"", "\"Компоненты\""}},
        {"fleet.xml",
         {"Режим \"A&B\" <x> -- 'q'", "Depth", "Cache", "Zoom", "Text", "Folder", "Shared"},
         {"\"Hidden\" (Id 1012)", "\"Wipe\" (Id 20)", "\"Counted\" (Id 7)", "\"\" (Id 8)",
          "\"After no label\" (Id 9)", "\"Компоненты\""}},
    };
    const std::regex identifier("[A-Za-z_][A-Za-z0-9_]*");
    RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    for (const Case& item : cases) {
        SCOPED_TRACE(item.file);
        const std::string file = DataFile(item.file);
        TempFolder folder;
        const ProgramRun run = RunCheck(Quoted(item.file) + " --admx \"" + folder.Path() + "\\out\"");
        EXPECT_LE(run.exitCode, 1u) << run.output;
        XmlNode admx;
        XmlNode adml;
        std::string comments;
        ASSERT_TRUE(ReadXml(folder.Path() + "\\out\\QuorvelinX8.admx", &admx, &comments));
        ASSERT_TRUE(ReadXml(folder.Path() + "\\out\\en-US\\QuorvelinX8.adml", &adml, &comments));
        for (const std::string& left : item.comments)
            EXPECT_NE(std::string::npos, comments.find(left)) << left << "\n" << comments;

        std::map<std::string, std::string> strings;
        for (const XmlNode* text : adml.All("string"))
            strings[(*text)["id"]] = text->text;
        std::map<std::string, const XmlNode*> presentations;
        for (const XmlNode* presentation : adml.All("presentation"))
            presentations[(*presentation)["id"]] = presentation;
        const auto resolve = [&strings](const std::string& reference) {
            const std::string id = reference.substr(9, reference.size() - 10);
            EXPECT_TRUE(reference.rfind("$(string.", 0) == 0 && strings.count(id)) << reference;
            return strings.count(id) ? strings[id] : "";
        };
        const auto lower = [](std::string name) {
            CharLowerA(name.data());
            return name;
        };
        std::set<std::string> names;
        const std::pair<const char*, const char*> named[] = {
            {"category", "name"}, {"policy", "name"}, {"definition", "name"}, {"enum", "id"}, {"decimal", "id"}};
        for (const auto& [kind, attribute] : named) {
            for (const XmlNode* node : admx.All(kind)) {
                if (!node->attributes.count(attribute))
                    continue;  // the data of an enum item
                const std::string name = (*node)[attribute];
                EXPECT_TRUE(std::regex_match(name, identifier)) << name;
                EXPECT_TRUE(names.insert(lower(name)).second) << name;
                if (node->attributes.count("displayName"))
                    resolve((*node)["displayName"]);
            }
        }
        for (const XmlNode* parent : admx.All("parentCategory"))
            EXPECT_TRUE(names.count(lower((*parent)["ref"]))) << (*parent)["ref"];

        NoMessageBoxes listener;
        CPropertyCollection collection;
        ASSERT_TRUE(collection.LoadDefinitionFile(file.c_str(), &listener));
        std::vector<std::string> policies;
        for (const XmlNode* policy : admx.All("policy")) {
            policies.push_back(resolve((*policy)["displayName"]));
            SCOPED_TRACE(policies.back());
            resolve((*policy)["explainText"]);
            EXPECT_EQ("User", (*policy)["class"]);
            const std::string reference = (*policy)["presentation"];
            const auto shown = presentations.find(reference.substr(15, reference.size() - 16));
            ASSERT_TRUE(reference.rfind("$(presentation.", 0) == 0 && shown != presentations.end()) << reference;
            const std::string key = (*policy)["key"];
            for (const XmlNode* choice : policy->All("enum")) {
                const XmlNode* list = shown->second->All("dropdownList").at(0);
                EXPECT_EQ((*choice)["id"], (*list)["refId"]);
                EXPECT_EQ("true", (*list)["noSort"]);
                const CPropertyAttributes* attribute = AttributeAt(collection, key, (*choice)["valueName"]);
                ASSERT_NE(nullptr, attribute);
                EXPECT_EQ(std::to_string(attribute->m_nDefault), (*list)["defaultItem"]);
                const std::vector<const XmlNode*> items = choice->All("item");
                int k = 0;
                for (const XmlNode* option : items) {
                    if (!option->attributes.count("displayName"))
                        continue;  // an item of a value list
                    EXPECT_EQ(attribute->m_control.m_values.GetAt(k).str(), resolve((*option)["displayName"]));
                    std::vector<PolicyWrite> writes{
                        {key, (*choice)["valueName"], std::stoul((*option->All("decimal").at(0))["value"])}};
                    for (const XmlNode* also : option->All("item"))
                        writes.push_back({(*also)["key"], (*also)["valueName"],
                                          static_cast<DWORD>(std::stoul((*also->All("decimal").at(0))["value"]))});
                    EXPECT_EQ(AfterChoice(file, true, attribute->m_nId, k), AfterChoice(file, false, 0, 0, writes))
                        << "item " << k;
                    ++k;
                }
                EXPECT_EQ(attribute->m_control.m_values.GetSize(), k);
            }
            // A number above 9999, and -1 as its 32-bit pattern: the bounds
            // must let both in.
            for (const DWORD number : {70001ul, 4294967295ul}) {
                std::vector<PolicyWrite> writes;
                int id = 0;
                for (const XmlNode* decimal : policy->All("decimal")) {
                    if ((*decimal)["id"].empty())
                        continue;  // the data of an enum item
                    const std::string at = decimal->attributes.count("key") ? (*decimal)["key"] : key;
                    EXPECT_LE(number, std::stoul(decimal->attributes.count("maxValue") ? (*decimal)["maxValue"]
                                                                                      : "9999"));
                    writes.push_back({at, (*decimal)["valueName"], number});
                    const CPropertyAttributes* attribute = AttributeAt(collection, at, (*decimal)["valueName"]);
                    ASSERT_NE(nullptr, attribute);
                    id = attribute->m_nId;
                }
                if (!writes.empty()) {
                    EXPECT_EQ(AfterChoice(file, true, id, static_cast<int>(number)),
                              AfterChoice(file, false, 0, 0, writes));
                }
            }
        }
        EXPECT_EQ(item.policies, policies);
    }
}

// A file the loader stops in or cannot open would give a fleet a partial
// set of policies: no templates, exit status 2.
TEST(KestAdvCheck, AdmxOfAFileTheLoaderRefusesWritesNothing)
{
    for (const char* file : {"default_before_first_attrib.xml", "no_such_file.xml", "root_only.xml"}) {
        SCOPED_TRACE(file);
        TempFolder folder;
        const ProgramRun run = RunCheck(Quoted(file) + " --admx \"" + folder.Path() + "\"");
        EXPECT_EQ(2u, run.exitCode);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder.Path() + "\\QuorvelinX8.admx").c_str()));
    }
}

}  // namespace
