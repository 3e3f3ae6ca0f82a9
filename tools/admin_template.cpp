#include "tools/admin_template.h"

#include "editor/cell_kind.h"
#include "editor/property_collection.h"
#include "tools/identifier_set.h"
#include "tools/shown_row.h"
#include "tools/stored_value.h"

#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

const char kNamespace[] = "http://www.microsoft.com/GroupPolicy/PolicyDefinitions";
const char kRootCategory[] = "QuorvelinX8";
const char kSupportedOn[] = "SUPPORTED_QuorvelinX8";

// Text for element content or an attribute value. Line breaks and tabs in an
// attribute become references, so a parser keeps them instead of turning
// them into spaces; a carriage return anywhere, so it is not dropped.
std::string Escaped(const CString& text, bool attribute = true)
{
    std::string out;
    for (const char ch : text.str()) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\'': out += attribute ? "&apos;" : "'"; break;
        case '\r': out += "&#13;"; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        default:
            // XML 1.0 has no other control character; the definition file,
            // XML 1.0 itself, cannot hold one either.
            if (static_cast<unsigned char>(ch) >= 0x20)
                out += ch;
        }
    }
    return out;
}

// A comment may not hold "--" nor end with "-".
std::string Comment(const CString& text)
{
    CString body(text);
    body.Replace("\r", " ");
    body.Replace("\n", " ");
    while (body.Replace("--", "- -") > 0) {
    }
    return "<!-- " + body.str() + (body.Right(1) == "-" ? " " : "") + " -->";
}

CString Quoted(const CString& text)
{
    return "\"" + text + "\"";
}

CString Named(const CPropertyAttributes& attribute)
{
    CString text;
    text.Format("\"%s\" (Id %d)", attribute.m_strName.GetString(), attribute.m_nId);
    return text;
}

// Data of a decimal element: unsigned 32 bits, as the DWORD holds them.
std::string Unsigned(int value)
{
    return std::to_string(static_cast<unsigned>(value));
}

bool IsList(const CPropertyAttributes& attribute)
{
    const int type = attribute.m_control.m_nType;
    return type == CellKindListBox || type == CellKindComboBox;
}

bool Shown(const CAttributeOfProperty& row)
{
    return ShownRowOf(*row.property, static_cast<int>(row.attribute->m_nIndex)) == ShownRow::Yes;
}

// What Apply writes for the attribute when its value is `value`: the one
// write decision, asked on a scratch copy of the fields it reads.
CRegistryWrite WriteForValue(const CPropertyAttributes& attribute, int value)
{
    CPropertyAttributes scratch;
    scratch.m_strRegKey = attribute.m_strRegKey;
    scratch.m_strRegItem = attribute.m_strRegItem;
    scratch.m_strReset = attribute.m_strReset;
    scratch.m_nValue = value;
    return scratch.PendingWrite(kQuorvelinRegistryRoot);
}

std::string DecimalValue(int value)
{
    return "<value><decimal value=\"" + Unsigned(value) + "\" /></value>";
}

class TemplateWriter {
public:
    explicit TemplateWriter(const CPropertyCollection& collection) : m_collection(collection)
    {
        m_names.Make(kRootCategory, kRootCategory);
        m_names.Make(kSupportedOn, kSupportedOn);
        for (const CAttributeOfProperty row : collection.Attributes())
            m_byId[row.attribute->m_nId].push_back(row);
    }

    CAdminTemplates Write();

private:
    void WriteRow(const CAttributeOfProperty& row);
    void WriteChoicePolicy(const CAttributeOfProperty& chooser, const std::vector<CAttributeOfProperty>& sharing);
    void WriteNumberPolicy(const std::vector<CAttributeOfProperty>& numbers);
    // The policy's start tag and the children before its elements.
    std::string PolicyStart(const CAttributeOfProperty& row, const CString& name, const CString& key);
    std::string CategoryOf(const CQuorvelinProperty* property);
    // A string of the .adml; gives the reference to it.
    std::string String(const CString& wanted, const CString& text);

    const CPropertyCollection& m_collection;
    std::map<int, std::vector<CAttributeOfProperty>> m_byId;
    std::set<int> m_writtenIds;
    std::map<const CQuorvelinProperty*, CString> m_categories;
    CIdentifierSet m_names;
    CIdentifierSet m_stringIds;
    std::string m_policies;
    std::string m_strings;
    std::string m_presentations;
};

std::string TemplateWriter::String(const CString& wanted, const CString& text)
{
    const CString id = m_stringIds.Make(wanted, "Text");
    m_strings += "      <string id=\"" + id.str() + "\">" + Escaped(text, false) + "</string>\r\n";
    return "$(string." + id.str() + ")";
}

std::string TemplateWriter::CategoryOf(const CQuorvelinProperty* property)
{
    auto found = m_categories.find(property);
    if (found == m_categories.end())
        found = m_categories.emplace(property, m_names.Make(property->m_strName, "Category")).first;
    return found->second.str();
}

std::string TemplateWriter::PolicyStart(const CAttributeOfProperty& row, const CString& name, const CString& key)
{
    const std::string display = String(name, row.attribute->m_strName);
    const std::string explain = String(name + "_Help", row.attribute->m_strDesc);
    return "    <policy name=\"" + name.str() + "\" class=\"User\" displayName=\"" + display + "\" explainText=\"" +
           explain + "\" presentation=\"$(presentation." + name.str() + ")\" key=\"" + Escaped(key) + "\">\r\n" +
           "      <parentCategory ref=\"" + CategoryOf(row.property) + "\" />\r\n" +
           "      <supportedOn ref=\"" + kSupportedOn + "\" />\r\n      <elements>\r\n";
}

void TemplateWriter::WriteRow(const CAttributeOfProperty& row)
{
    const CPropertyAttributes& attribute = *row.attribute;
    switch (ShownRowOf(*row.property, static_cast<int>(attribute.m_nIndex))) {
    case ShownRow::ComponentsPage:
        return;  // one comment for the whole page, with the categories
    case ShownRow::HiddenId:
        m_policies += "    " + Comment(Named(attribute) + ": the program never shows Id 1012; no policy") + "\r\n";
        return;
    case ShownRow::AfterEmptyLabel:
        m_policies += "    " +
                      Comment(Named(attribute) + " in " + Quoted(row.property->m_strName) +
                              ": at or after a row without a label, which the program never shows; no policy") +
                      "\r\n";
        return;
    case ShownRow::Yes: break;
    }
    if (!attribute.m_strReset.IsEmpty()) {
        m_policies += "    " +
                      Comment(Named(attribute) + ": a reset action (" + attribute.m_strReset +
                              "), a command run once on Apply and not a setting; no policy of its own") +
                      "\r\n";
        return;
    }
    if (!m_writtenIds.insert(attribute.m_nId).second)
        return;  // in the policy of its Id already
    // Every attribute of the Id takes the value chosen in any of its rows.
    const std::vector<CAttributeOfProperty>& sharing = m_byId[attribute.m_nId];
    std::vector<CAttributeOfProperty> numbers;
    for (const CAttributeOfProperty& other : sharing) {
        if (!Shown(other) || !other.attribute->m_strReset.IsEmpty())
            continue;
        if (IsList(*other.attribute) && other.attribute->m_control.m_values.GetSize() > 0) {
            WriteChoicePolicy(other, sharing);
            return;
        }
        CString key;
        CString name;
        if (!IsList(*other.attribute) && StoredValueLocation(*other.attribute, &key, &name))
            numbers.push_back(other);
    }
    if (!numbers.empty()) {
        WriteNumberPolicy(numbers);
        return;
    }
    m_policies += "    " +
                  Comment(Named(attribute) + (IsList(attribute) ? ": a list without choices, which the program "
                                                                  "gives no cell; no policy"
                                                                : ": it has neither RegKey nor RegItem and writes "
                                                                  "nothing; no policy")) +
                  "\r\n";
}

void TemplateWriter::WriteChoicePolicy(const CAttributeOfProperty& chooser,
                                       const std::vector<CAttributeOfProperty>& sharing)
{
    const CPropertyAttributes& attribute = *chooser.attribute;
    // The element writes the first stored value of the Id; the rest of what
    // a choice writes goes into each item's value list.
    CString key;
    CString valueName;
    bool located = false;
    for (const CAttributeOfProperty& other : sharing) {
        if (StoredValueLocation(*other.attribute, &key, &valueName)) {
            located = true;
            break;
        }
    }
    if (!located) {
        m_policies += "    " +
                      Comment(Named(attribute) + ": no attribute of its Id has a RegKey or a RegItem, so a choice "
                                                 "writes nothing; no policy") +
                      "\r\n";
        return;
    }
    CString label;
    label.Format("Id%d_", attribute.m_nId);
    const CString name = m_names.Make(label + attribute.m_strName, "Policy");
    const CString element = m_names.Make(name + "_Choice", "Choice");
    const std::string start = PolicyStart(chooser, name, key);
    std::string items;
    std::set<const CPropertyAttributes*> deleting;
    const CStringArray& choices = attribute.m_control.m_values;
    for (int k = 0; k < choices.GetSize(); ++k) {
        using Place = std::tuple<std::string, std::string, int>;
        std::set<Place> written{{key.str(), valueName.str(), k}};
        std::string list;
        for (const CAttributeOfProperty& other : sharing) {
            const CRegistryWrite write = WriteForValue(*other.attribute, k);
            if (write.kind == CRegistryWrite::Kind::DeleteSubKey)
                deleting.insert(other.attribute);
            if (write.kind != CRegistryWrite::Kind::SetDword ||
                !written.insert({write.keyPath.str(), write.name.str(), write.value}).second)
                continue;
            list += "              <item key=\"" + Escaped(write.keyPath) + "\" valueName=\"" + Escaped(write.name) +
                    "\">" + DecimalValue(write.value) + "</item>\r\n";
        }
        CString wanted;
        wanted.Format("%s_%d", name.GetString(), k);
        items += "          <item displayName=\"" + String(wanted, choices.GetAt(k)) + "\">\r\n            " +
                 DecimalValue(k) + "\r\n";
        if (!list.empty())
            items += "            <valueList>\r\n" + list + "            </valueList>\r\n";
        items += "          </item>\r\n";
    }
    for (const CAttributeOfProperty& other : sharing) {
        if (deleting.count(other.attribute) != 0)
            m_policies += "    " +
                          Comment(Named(*other.attribute) + " shares the Id of " + Quoted(attribute.m_strName) +
                                  ": one of its choices deletes a key, which a policy cannot do; left out") +
                          "\r\n";
    }
    m_policies += start + "        <enum id=\"" + element.str() + "\" valueName=\"" +
                  Escaped(valueName) + "\" required=\"true\">\r\n" + items +
                  "        </enum>\r\n      </elements>\r\n    </policy>\r\n";
    m_presentations += "      <presentation id=\"" + name.str() + "\">\r\n        <dropdownList refId=\"" +
                       element.str() + "\"";
    if (attribute.m_nDefault >= 0 && attribute.m_nDefault < choices.GetSize())
        m_presentations += " defaultItem=\"" + std::to_string(attribute.m_nDefault) + "\"";
    m_presentations += " noSort=\"true\">" + Escaped(attribute.m_strName, false) +
                       "</dropdownList>\r\n      </presentation>\r\n";
}

void TemplateWriter::WriteNumberPolicy(const std::vector<CAttributeOfProperty>& numbers)
{
    const CPropertyAttributes& first = *numbers.front().attribute;
    CString policyKey;
    CString unused;
    StoredValueLocation(first, &policyKey, &unused);
    CString label;
    label.Format("Id%d_", first.m_nId);
    const CString name = m_names.Make(label + first.m_strName, "Policy");
    const std::string start = PolicyStart(numbers.front(), name, policyKey);
    std::string elements;
    std::string boxes;
    for (const CAttributeOfProperty& row : numbers) {
        CString key;
        CString valueName;
        StoredValueLocation(*row.attribute, &key, &valueName);
        const CString element = m_names.Make(name + "_Value", "Value");
        // The file gives no bounds: every DWORD may be entered (a negative
        // number as its 32-bit pattern), past the 9999 assumed otherwise.
        elements += "        <decimal id=\"" + element.str() + "\"" +
                    (key == policyKey ? std::string() : " key=\"" + Escaped(key) + "\"") + " valueName=\"" +
                    Escaped(valueName) + "\" required=\"true\" minValue=\"0\" maxValue=\"4294967295\" />\r\n";
        boxes += "        <decimalTextBox refId=\"" + element.str() + "\" defaultValue=\"" +
                 Unsigned(row.attribute->m_nDefault) + "\">" + Escaped(row.attribute->m_strName, false) +
                 "</decimalTextBox>\r\n";
    }
    m_policies += start + elements + "      </elements>\r\n    </policy>\r\n";
    m_presentations += "      <presentation id=\"" + name.str() + "\">\r\n" + boxes + "      </presentation>\r\n";
}

CAdminTemplates TemplateWriter::Write()
{
    for (const CAttributeOfProperty row : m_collection.Attributes())
        WriteRow(row);

    CString versions;
    for (int v = 0; v < m_collection.m_versions.GetSize(); ++v)
        versions += (v ? ", " : " ") + m_collection.m_versions.GetAt(v);
    const std::string supported = String(kSupportedOn, "Quorvelin X8" + versions);
    std::string categories = "    <category name=\"" + std::string(kRootCategory) + "\" displayName=\"" +
                             String(kRootCategory, "Quorvelin X8") + "\" />\r\n";
    for (int p = 0; p < m_collection.GetPropertyCount(); ++p) {
        const CQuorvelinProperty* property = m_collection.GetProperty(p);
        const auto found = m_categories.find(property);
        if (found == m_categories.end()) {
            const bool components = property->GetAttributeCount() > 0 &&
                                    ShownRowOf(*property, 0) == ShownRow::ComponentsPage;
            categories += "    " +
                          Comment(Quoted(property->m_strName) +
                                  (components ? ": the Components page, which registers components and holds no "
                                                "setting; no category"
                                              : ": none of its rows is a setting a policy can hold; no category")) +
                          "\r\n";
            continue;
        }
        categories += "    <category name=\"" + found->second.str() + "\" displayName=\"" +
                      String(found->second, property->m_strName) + "\">\r\n      <parentCategory ref=\"" +
                      kRootCategory + "\" />\r\n    </category>\r\n";
    }

    CAdminTemplates templates;
    templates.admx =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<!-- The settings of Quorvelin X8, made by KestAdvCheck from a definition file. Their keys lie outside "
        "Software\\Policies: they are preferences, which stay when a policy is removed. -->\r\n"
        "<policyDefinitions xmlns=\"" +
        std::string(kNamespace) +
        "\" revision=\"1.0\" schemaVersion=\"1.0\">\r\n"
        "  <policyNamespaces>\r\n"
        "    <target prefix=\"quorvelinx8\" namespace=\"Tarnwick.Policies.QuorvelinX8\" />\r\n"
        "  </policyNamespaces>\r\n"
        "  <resources minRequiredRevision=\"1.0\" />\r\n"
        "  <supportedOn>\r\n    <definitions>\r\n      <definition name=\"" +
        kSupportedOn + "\" displayName=\"" + supported +
        "\" />\r\n    </definitions>\r\n  </supportedOn>\r\n"
        "  <categories>\r\n" +
        categories + "  </categories>\r\n  <policies>\r\n" + m_policies + "  </policies>\r\n</policyDefinitions>\r\n";
    templates.adml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<policyDefinitionResources xmlns=\"" +
                     std::string(kNamespace) +
                     "\" revision=\"1.0\" schemaVersion=\"1.0\">\r\n"
                     "  <displayName>Quorvelin X8</displayName>\r\n"
                     "  <description>Settings of Quorvelin X8 for each user</description>\r\n"
                     "  <resources>\r\n    <stringTable>\r\n" +
                     m_strings + "    </stringTable>\r\n    <presentationTable>\r\n" + m_presentations +
                     "    </presentationTable>\r\n  </resources>\r\n</policyDefinitionResources>\r\n";
    return templates;
}

}  // namespace

CAdminTemplates AdminTemplatesOf(const CPropertyCollection& collection)
{
    return TemplateWriter(collection).Write();
}
