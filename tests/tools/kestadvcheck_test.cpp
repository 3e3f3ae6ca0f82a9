// KestAdvCheck.exe as its users run it: a process with a file argument,
// judged by its exit status and what it shows or writes.
#include "editor/definition_load_listener.h"
#include "editor/property_collection.h"
#include "platform/text_conversion.h"
#include "tests/support/program_process.h"
#include "tests/support/registry_listing.h"
#include "tests/support/registry_values.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), {}};
    std::erase(text, '\r');
    return text;
}

// What a run shows: its output (a .reg file decoded from UTF-16LE after its
// byte-order mark, as regedit reads it), then the templates it wrote.
std::string Shown(const std::string& output, const std::string& templates)
{
    std::string shown = output;
    if (output.size() >= 2 && output.substr(0, 2) == "\xFF\xFE") {
        const std::wstring wide(reinterpret_cast<const wchar_t*>(output.data() + 2), (output.size() - 2) / 2);
        shown = NarrowFromWide(wide.c_str(), static_cast<int>(wide.size())).str();
    }
    shown += FileText(templates + "\\QuorvelinX8.admx") + FileText(templates + "\\en-US\\QuorvelinX8.adml");
    return shown;
}

class NoMessageBoxes : public CDefinitionLoadListener {
    void PrintDiagnostic(const CString&, bool) override {}
    void ShowDuplicateIdBox(const CString&) override {}
};

// Command line (after the first Apply and these values stored, when given)
// -> exit status -> what it shows, in order; --admx writes templates below 2.
TEST(KestAdvCheck, CommandLineGivesExitStatusAndOutput)
{
    const char* const sample = "..\\..\\..\\resources\\kestadvconfig.xml";
    const struct {
        const char* fault;
        const char* file;
        const char* options;
        bool firstApply;
        std::vector<std::tuple<const char*, const char*, DWORD>> stored;  // key below the root, name, value
        DWORD exitCode;
        std::vector<std::string> fragments;
    } rows[] = {
        {"no usage", "", "", false, {}, 2,
         {"usage: KestAdvCheck FILE [--json | --reg | --current | --diff [--json] | --admx DIR]"}},
        {"the shipped sample warned of", sample, "", false, {}, 0, {"\n0 warning(s)"}},
        {"a quote in --json unescaped", "duplicate_ids.xml", " --json", false, {}, 1,
         {"\"properties\":[{\"index\":0,\"name\":\"P1\",\"kxisw\":false,\"attributes\":["
          "{\"index\":0,\"id\":7,\"name\":\"First\",\"desc\":\"\",\"regKey\":\"\",\"regItem\":\"\",\"reset\":\"\","
          "\"default\":1,\"value\":1,\"type\":5,\"values\":[\"x\",\"y\"]}]},",
          "\"messages\":[\"Duplicate Attribute ID found for 7.  Please check the 'KestAdvConfig.xml' file.\",",
          "{\"line\":6,\"column\":5,\"text\":\"combo box \\\"Second\\\" has no Value: it gets no cell\"},"}},
        {"nodes the loader passes over unlisted", "nodes.xml", " --json", false, {}, 1,
         {"\"diagnostics\":[\"Processing Instruction name:kest value:build=\\\"12\\\"\",\"Comment:  top comment \","
          "\"CDATA:  <not text> \",\"Comment:  inner \"]"}},
        {"warnings that pass a script", "empty_elements.xml", "", false, {}, 1,
         {"(2,3): warning: <Property/> has no end tag: the property is never added",
          "(4,5): warning: <Attrib/> has no end tag: the attribute is never added", "\n2 warning(s)"}},
        {"an attribute outside a property unreported", "attrib_outside_property.xml", "", false, {}, 1,
         {"(2,24): warning: attribute \"Orphan\" is outside any property and is never added",
          "(4,3): warning: combo box \"After the end tag\" has no Value: it gets no cell", "\n3 warning(s)"}},
        {"where loading fails unreported", "default_before_first_attrib.xml", "", false, {}, 1,
         {"(3,24): warning: \"Type\" before the first Attrib: loading fails here", "\n1 warning(s)"}},
        {"a file not well formed passes", "doctype.xml", "", false, {}, 2,
         {"(2,1): warning: reading stopped: the file is not well formed here (DtdProhibited, c00cee4f); "
          "what follows is ignored", "\n1 warning(s)"}},
        {"warnings of one line out of column order", "text_after_end_tags.xml", "", false, {}, 1,
         {"(3,43): warning: text after </Desc> replaces the Desc with \"replaced\"",
          "(3,69): warning: text after </Value> adds the choice \"two\"",
          "(3,81): warning: text after </Attrib> renames the attribute to \"renamed\"",
          "(4,5): warning: combo box \"Other\" has no Value: it gets no cell",  // found after loading
          "(4,43): warning: text after </RegKey> replaces the RegKey with \"K2\"",
          "(4,65): warning: text after </RegItem> replaces the RegItem with \"I2\"", "\n6 warning(s)"}},
        {"a Default one past the last choice unreported", "surprises.xml", "", false, {}, 1,
         {"(3,5): warning: \"Only key\" has a RegKey but no RegItem: written on Apply, never read back",
          "(4,5): warning: Reset \" Delete\" of \"Odd reset\" is neither \"Delete\" nor a number: choosing 1 writes 0",
          "(6,5): warning: \"No Id\" has Id 0 (or none) but is not the first attribute: it does not make a "
          "Components page",
          "(7,5): warning: Default 2 of \"Out of range\" is outside its 2 choice(s)",
          "(8,32): warning: unknown Type \"list\": the attribute becomes a combo box",
          "(9,5): warning: Reset \"Delete\" of \"Wipe\" has no RegItem: choosing 1 deletes every value and sub-key "
          "of its RegKey",
          "(10,5): warning: Reset of \"Nowhere\" has neither RegKey nor RegItem: it never runs", "\n8 warning(s)"}},
        {"dropped properties unreported", "dropped_properties.xml", "", false, {}, 1,
         {"(2,45): warning: a first property without a Name is dropped with its 1 attribute(s)",
          "(4,48): warning: property \"A\" is dropped with its 1 attribute(s): same name as the property before it"}},
        {"a file without properties passes", "root_only.xml", "", false, {}, 2, {"0 properties", "\n0 warning(s)"}},
        {"a missing file passes", "no_such_file.xml", "", false, {}, 2,
         {"error is 80070002", "loading failed", "\n0 warning(s)"}},
        // A byte-order mark, escaped names, hexadecimal numbers, one sub-key deleted.
        {"a .reg file regedit cannot import as the first Apply", "first_apply.xml", " --reg", false, {}, 1,
         {"Windows Registry Editor Version 5.00\r\n",
          "[HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8\\Display\\Advanced]\r\n"
          "\"Depth\"=dword:ffffffff\r\n@=dword:00000004\r\n",
          "\"A\\\\B\\\"C\"=dword:00000006", "[HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8\\Язык]\r\n"
          "\"Код\"=dword:00000007",
          "; \"Numeric later\" (Id 21), reset \"9\": runs when 1 is chosen",
          "; \"Delete now\" (Id 22), reset \"Delete\": its default 1 runs it on the first Apply\r\n"
          "[-HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8\\Cache\\Old]\r\n",
          "[-HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8\\Emptied]\r\n"
          "[HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8\\Emptied]\r\n"}},
        {"--current exports what the user does not hold", "fleet.xml", " --current", false,
         {{"Вид", "Режим", 1}, {"Вид", "Cache", 70001}}, 1,
         {"Windows Registry Editor Version 5.00\r\n",
          "[HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8\\Вид]\r\n\"Режим\"=dword:00000001\r\n",
          "; \"Depth\" (Id 2): its key does not exist", "\"Cache\"=dword:00011171\r\n",
          "[HKEY_CURRENT_USER\\Software\\Tarnwick, Inc.\\Quorvelin X8]\r\n; \"Zoom\" (Id 4): \"Zoom\" is missing"}},
        {"--diff of an unchanged registry", "fleet.xml", " --diff", true, {}, 1, {"0 difference(s)\n"}},
        {"--diff misses a choice", "fleet.xml", " --diff", true, {{"Вид", "Режим", 1}}, 1,
         {"\"Вид & <цвет>\" / \"Режим \"A&B\" <x> -- 'q'\" (Id 1): HKEY_CURRENT_USER\\Software\\Tarnwick, "
          "Inc.\\Quorvelin X8\\Вид, value \"Режим\": now 1 \"One & \"1\" <2>\", first Apply 2 \"Два\"\n"
          "1 difference(s)\n"}},
        {"--diff --json misses a choice", sample, " --diff --json", true, {{"Settings\\General", "Language", 2}}, 0,
         {"{\"differences\":[{\"property\":\"Общие\",\"name\":\"Язык интерфейса\",\"id\":1001,"
          "\"key\":\"Software\\\\Tarnwick, Inc.\\\\Quorvelin X8\\\\Settings\\\\General\",\"valueName\":\"Language\","
          "\"now\":{\"state\":\"dword\",\"value\":2,\"text\":\"Deutsch\"},"
          "\"firstApply\":{\"value\":1,\"text\":\"Русский\"}}]}\n"}},
        // Item k writes what choosing k and OK writes, a shared Id's other values too.
        {"templates that write what the dialog does not", "fleet.xml", " --admx", false, {}, 1,
         {"<category name=\"Category\" displayName=\"$(string.Category)\">\n      <parentCategory ref=\"QuorvelinX8\" />",
          "<policy name=\"Id1_A_B_x_q\" class=\"User\" displayName=\"$(string.Id1_A_B_x_q)\" "
          "explainText=\"$(string.Id1_A_B_x_q_Help)\" presentation=\"$(presentation.Id1_A_B_x_q)\" "
          "key=\"Software\\Tarnwick, Inc.\\Quorvelin X8\\Вид\">",
          "<enum id=\"Id1_A_B_x_q_Choice\" valueName=\"Режим\" required=\"true\">\n"
          "          <item displayName=\"$(string.Id1_A_B_x_q_0)\">\n"
          "            <value><decimal value=\"0\" /></value>",
          "<decimal id=\"Id2_Depth_Value\" valueName=\"Depth\" required=\"true\" minValue=\"0\" "
          "maxValue=\"4294967295\" />",
          "valueName=\"A\\B&quot;C\"",
          "<item displayName=\"$(string.Id7_Shared_1)\">\n            <value><decimal value=\"1\" /></value>\n"
          "            <valueList>\n"
          "              <item key=\"Software\\Tarnwick, Inc.\\Quorvelin X8\\Shared\\Other\" valueName=\"Second\">"
          "<value><decimal value=\"1\" /></value></item>\n"
          "              <item key=\"Software\\Tarnwick, Inc.\\Quorvelin X8\\Shared\" valueName=\"Count\">"
          "<value><decimal value=\"5\" /></value></item>",
          "<!-- \"Hidden\" (Id 1012)", "<!-- \"Wipe\" (Id 20)", "<!-- \"Counted\" (Id 7)", "<!-- \"\" (Id 8)",
          "<!-- \"After no label\" (Id 9)",
          "<string id=\"Id1_A_B_x_q\">Режим \"A&amp;B\" &lt;x&gt; -- 'q'</string>",
          "<string id=\"Id1_A_B_x_q_1\">One &amp; \"1\" &lt;2&gt;</string>",
          "<dropdownList refId=\"Id1_A_B_x_q_Choice\" defaultItem=\"2\" noSort=\"true\">",
          "<decimalTextBox refId=\"Id2_Depth_Value\" defaultValue=\"4294967295\">Depth</decimalTextBox>"}},
        {"templates of a file without properties", "root_only.xml", " --admx", false, {}, 2, {"no templates written"}},
        {"templates of a file loading stops in", "default_before_first_attrib.xml", " --admx", false, {}, 2,
         {"no templates written"}},
    };
    RegistryKeyKeeper keeper("Software\\Tarnwick, Inc.");
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.fault) + ": " + row.file + row.options);
        const std::string file = TestDataPath(std::string("definitions\\") + row.file);
        DeleteRegistryKey(kQuorvelinRegistryRoot);
        if (row.firstApply) {
            CPropertyCollection collection;
            NoMessageBoxes listener;
            ASSERT_TRUE(collection.LoadDefinitionFile(file.c_str(), &listener));
            ASSERT_TRUE(collection.WriteAllValues(kQuorvelinRegistryRoot));
        }
        for (const auto& [key, name, value] : row.stored)
            WriteRegistryDword(std::string(kQuorvelinRegistryRoot) + "\\" + key, name, value);
        TempFolder folder;
        const std::string templates = folder.Path() + "\\templates";
        const bool admx = std::string(row.options) == " --admx";
        std::string arguments = *row.file != '\0' ? "\"" + file + "\"" + row.options : "";
        if (admx)
            arguments += " \"" + templates + "\"";
        const ProgramRun run = RunProgram(ExecutableFolder() + "KestAdvCheck.exe", arguments);
        const std::string shown = Shown(run.output, templates);
        EXPECT_EQ(row.exitCode, run.exitCode);
        size_t at = 0;
        for (const std::string& fragment : row.fragments) {
            const size_t found = shown.find(fragment, at);
            EXPECT_NE(std::string::npos, found) << "missing or out of order: " << fragment << "\n" << shown;
            at = found != std::string::npos ? found : at;
        }
        if (admx) {
            EXPECT_EQ(row.exitCode < 2, GetFileAttributesA(templates.c_str()) != INVALID_FILE_ATTRIBUTES);
        }
    }
}

}  // namespace
