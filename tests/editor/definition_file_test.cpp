// The definition loader on real files, read through the real stream and XML reader.
#include "editor/cell_kind.h"
#include "editor/definition_load_listener.h"
#include "editor/property_collection.h"
#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the program would print, and the boxes it would show.
class RecordedOutput : public CDefinitionLoadListener {
public:
    void PrintDiagnostic(const CString& text, bool lineBreak) override
    {
        lines.push_back(text.str() + (lineBreak ? "\\n" : ""));
    }
    void ShowDuplicateIdBox(const CString& text) override { lines.push_back("box: " + text.str()); }

    std::vector<std::string> lines;
};

// One line for the collection, then one per property:
//   Name {versions} ids:accepted,Ids
//   Name kx [Id "label" default type (choices) =value {desc|key|item|reset}; ...]
// where the value shows only when it is not the Default, the texts only when
// one is set, and "misnumbered" when a position is not the one in the file.
std::vector<std::string> Summary(const CPropertyCollection& collection)
{
    std::string head = collection.m_strName.str() + " {";
    for (int v = 0; v < collection.m_versions.GetSize(); ++v)
        head += (v ? "," : "") + collection.m_versions.GetAt(v).str();
    head += "} ids:";
    for (int i = 0; i < collection.m_ids.GetSize(); ++i)
        head += (i ? "," : "") + std::to_string(collection.m_ids.GetAt(i));
    std::vector<std::string> lines{head};
    for (int p = 0; p < collection.GetPropertyCount(); ++p) {
        const CQuorvelinProperty* property = collection.GetProperty(p);
        std::string line = property->m_strName.str() + (property->m_bKxISW ? " kx [" : " [");
        for (int a = 0; a < property->GetAttributeCount(); ++a) {
            const CPropertyAttributes& attribute = *property->GetAttribute(a);
            line += (a ? "; " : "") + std::to_string(attribute.m_nId) + " \"" + attribute.m_strName.str() + "\" " +
                    std::to_string(attribute.m_nDefault) + " " + CellKindName(attribute.m_control.m_nType) + " (";
            for (int c = 0; c < attribute.m_control.m_values.GetSize(); ++c)
                line += (c ? "," : "") + attribute.m_control.m_values.GetAt(c).str();
            line += ")";
            if (attribute.m_nValue != attribute.m_nDefault)
                line += " =" + std::to_string(attribute.m_nValue);
            const std::string texts = attribute.m_strDesc.str() + "|" + attribute.m_strRegKey.str() + "|" +
                                      attribute.m_strRegItem.str() + "|" + attribute.m_strReset.str();
            if (texts != "|||")
                line += " {" + texts + "}";
            if (property->m_nIndex != p || attribute.m_nIndex != a)
                line += " misnumbered";
        }
        lines.push_back(line + "]");
    }
    return lines;
}

struct LoadCase {
    const char* file;
    bool loaded;
    std::vector<std::string> model;
    std::vector<std::string> output = {};  // printed lines, then boxes
};

const char kDuplicate7[] = "box: Duplicate Attribute ID found for 7.  Please check the 'KestAdvConfig.xml' file.";
const char kDuplicate8[] = "box: Duplicate Attribute ID found for 8.  Please check the 'KestAdvConfig.xml' file.";

const LoadCase kLoadCases[] = {
    {"canonical.xml", true,
     {"Root {1.0,2.0} ids:10,11,12", "First [10 \"Label one\" 2 listbox (a,b & c,d) {  Kept as written  |Settings\\Sub|One|}; "
      "11 \"Two\" -3 editint () {second|K|Two|Delete}]",
      "Second kx [12 \"Three\" 7 combobox ()]", "Third []"}},
    // No end tag, so neither is ever added.
    {"empty_elements.xml", true, {"Root {} ids:1,2", "Holder [2 \"Kept\" 0 combobox (x)]"}},
    // The first (unnamed) and the adjacent repeat are dropped; the others stay.
    {"dropped_properties.xml", true,
     {"Root {} ids:1,2,3,4,5,6", "A [2 \"a1\" 0 combobox ()]", "B [4 \"b1\" 0 combobox ()]",
      "A [5 \"a3\" 0 combobox ()]", " [6 \"unnamed after A\" 0 combobox ()]"}},
    // The repeat keeps what came before its Id and loses what came after.
    {"duplicate_ids.xml", true,
     {"Root {} ids:7,8", "P1 [7 \"First\" 1 listbox (x,y)]",
      "P2 [7 \"Second\" 3 combobox (); 8 \"Third\" 4 combobox (); 8 \"Fourth\" 0 combobox ()]"},
     {kDuplicate7, kDuplicate8}},
    // A text after an end tag is read as the child that ended.
    {"text_after_end_tags.xml", true,
     {"Root {} ids:1,2", "P [1 \"renamed\" 0 combobox (one,two) {replaced|||}; 2 \"Other\" 0 combobox () {|K2|I2|}]"}},
    {"names_on_attrib.xml", true, {"Root {} ids:1", "Renamed kx [1 \"Label\" 0 combobox ()]"}},
    {"attrib_outside_property.xml", true,
     {"Root {} ids:1,2,3", "P [2 \"Inside\" 0 combobox (); 3 \"After the end tag\" 0 combobox ()]"}},
    {"type_names.xml", true,
     {"Root {} ids:1,2,3,4,5,6,7,8,9,10",
      "Types [1 \"a\" 0 edit (); 2 \"b\" 0 editreal (); 3 \"c\" 0 editint (); 4 \"d\" 0 editlong (); "
                 "5 \"e\" 0 editbrowse (); 6 \"f\" 0 listbox (); 7 \"g\" 0 combobox (); 8 \"h\" 0 combobox (); "
                 "9 \"i\" 0 combobox (); 10 \"j\" 0 combobox ()]"}},
    // Refused at the declaration: nothing is read, yet the load succeeds.
    {"doctype.xml", true, {" {} ids:"}},
    {"truncated.xml", true, {"Root {} ids:1,2", "Done [1 \"complete\" 0 combobox ()]"}},
    {"nodes.xml", true, {"Root {} ids:1", "P [1 \"Label\" 0 combobox () {e|||}]"},
     {"Processing Instruction name:kest value:build=\"12\"\\n", "Comment:  top comment \\n",
      "CDATA:  <not text> \\n", "Comment:  inner \\n"}},
    // An Id on a later element re-numbers the attribute started last.
    {"attrib_values_on_later_elements.xml", true,
     {"Root {} ids:1,9,2", "Done [9 \"a\" 0 combobox ()]", "Next [2 \"b\" 0 combobox ()]"}},
    {"default_before_first_attrib.xml", false, {"Root {} ids:", "Empty []"},
     {"Error writing attributes, error is ffffffff"}},
    {"namespaces.xml", true, {"Prefixed {} ids:5", "P [5 \"x\" 1 combobox (v)]"}},
    {"root_only.xml", true, {"Nothing here {} ids:"}},
    {"utf16_cyrillic.xml", true, {"Корень {} ids:1", "Общие [1 \"Язык\" 0 listbox (Русский,English)]"}},
    {"windows1251_cyrillic.xml", true, {"Корень {} ids:1", "Сеть [1 \"Прокси\" 0 combobox () {Описание|||}]"}},
    // Odd nesting adds one attribute twice (numbered where it was added
    // last) and one property twice; the collection deletes each object once.
    {"nested.xml", true, {"Root {} ids:1,2", "p1 [2 \"inner\" 0 combobox () misnumbered; 2 \"inner\" 0 combobox ()]", "c []", "c []"}},
    {"no_such_file.xml", false, {" {} ids:"}, {"Error creating file reader, error is 80070002"}},
};

TEST(DefinitionFile, LoadsEachFileIntoTheExpectedModel)
{
    for (const LoadCase& item : kLoadCases) {
        SCOPED_TRACE(item.file);
        RecordedOutput output;
        CPropertyCollection collection;
        EXPECT_EQ(item.loaded, collection.LoadDefinitionFile((TestDataPath("definitions\\") + item.file).c_str(), &output));
        EXPECT_EQ(item.model, Summary(collection));
        EXPECT_EQ(item.output, output.lines);
    }
}

}  // namespace
