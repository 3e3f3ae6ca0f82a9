#include "tools/definition_check.h"

#include "editor/cell_kind.h"
#include "editor/decimal_number.h"
#include "tools/shown_row.h"
#include "xml/xml_reader.h"

#include <algorithm>
#include <set>

namespace {

CString Quoted(const CString& text)
{
    return "\"" + text + "\"";
}

}  // namespace

void CDefinitionCheck::Run(const CString& path)
{
    m_bLoaded = m_collection.LoadDefinitionFile(path, this);

    // A file that could not be opened has nothing to point at.
    if (!m_bLoaded && !m_failureExplained && m_lastStart.line != 0 && !m_diagnostics.empty())
        Warn(m_lastStart, "loading failed here (" + m_diagnostics.back() + "); later properties are missing");
    CheckModel();
    std::stable_sort(m_warnings.begin(), m_warnings.end(), [](const CCheckWarning& a, const CCheckWarning& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
}

int CDefinitionCheck::ExitStatus() const
{
    if (m_collection.GetPropertyCount() == 0)
        return 2;
    return m_warnings.empty() ? 0 : 1;
}

void CDefinitionCheck::Warn(CDefinitionLocation where, const CString& text)
{
    m_warnings.push_back({where.line, where.column, text});
}

// Whatever the program would print or show is recorded instead.
void CDefinitionCheck::PrintDiagnostic(const CString& text, bool)
{
    m_diagnostics.push_back(text);
}

void CDefinitionCheck::ShowDuplicateIdBox(const CString& text)
{
    m_messages.push_back(text);
}

void CDefinitionCheck::OnStartTag(const CString& name, bool emptyElement, CQuorvelinProperty*,
                                  CPropertyAttributes* attribute, CDefinitionLocation where)
{
    m_lastStart = where;
    if (name == "Attrib") {
        m_attributeStarts[attribute] = where;
        if (emptyElement)
            Warn(where, "<Attrib/> has no end tag: the attribute is never added");
    } else if (name == "Property" && emptyElement) {
        Warn(where, "<Property/> has no end tag: the property is never added");
    }
}

void CDefinitionCheck::OnXmlAttribute(const CString& element, const CString& name, const CString& value,
                                      CQuorvelinProperty* property, CPropertyAttributes* attribute,
                                      CDefinitionLocation where)
{
    m_lastStart = where;
    const bool perAttribute = name == "Default" || name == "Id" || name == "Type";
    if (perAttribute && attribute == nullptr) {
        Warn(where, Quoted(name) + " before the first Attrib: loading fails here");
        m_failureExplained = true;
        return;
    }
    if (name == "Type" && !IsKnownCellKindName(value))
        Warn(where, "unknown Type " + Quoted(value) + ": the attribute becomes a combo box");
    if ((name == "Name" || name == "KxISW") && property != nullptr && element != "Property" &&
        element != "Quorvelin_Properties")
        Warn(where, name + " on <" + element + "> applies to the property " + Quoted(property->m_strName) +
                        ", not to the " + element);
}

void CDefinitionCheck::OnDuplicateId(CPropertyAttributes*, int id, const CStringArray& skipped,
                                     CDefinitionLocation where)
{
    CString text;
    text.Format("duplicate Id %d: the box is shown and the attribute shares its value with the first one", id);
    if (!skipped.IsEmpty()) {
        text += "; not read after it:";
        for (int i = 0; i < skipped.GetSize(); ++i)
            text += (i ? ", " : " ") + skipped.GetAt(i);
    }
    Warn(where, text);
}

void CDefinitionCheck::OnPropertyDropped(CQuorvelinProperty* property, const CString&, CDefinitionLocation where)
{
    CString text;
    if (property->m_strName.IsEmpty())
        text.Format("a first property without a Name is dropped with its %d attribute(s)",
                    property->GetAttributeCount());
    else
        text.Format("property \"%s\" is dropped with its %d attribute(s): same name as the property before it",
                    property->m_strName.GetString(), property->GetAttributeCount());
    Warn(where, text);
}

void CDefinitionCheck::OnAttributeOutsideProperty(CPropertyAttributes* attribute, CDefinitionLocation where)
{
    Warn(where, "attribute " + Quoted(attribute->m_strName) + " is outside any property and is never added");
}

void CDefinitionCheck::OnText(const CString& element, const CString& text, bool afterEndTag, CPropertyAttributes*,
                              CDefinitionLocation where)
{
    if (!afterEndTag)
        return;
    CString trimmed(text);
    trimmed.Trim();
    if (element == "Attrib")
        Warn(where, "text after </Attrib> renames the attribute to " + Quoted(trimmed));
    else if (element == "Value")
        Warn(where, "text after </Value> adds the choice " + Quoted(text));
    else if (element == "Versions")
        Warn(where, "text after </Versions> adds the version " + Quoted(text));
    else
        Warn(where, "text after </" + element + "> replaces the " + element + " with " + Quoted(text));
}

void CDefinitionCheck::OnReadStopped(long result, CDefinitionLocation where)
{
    CString text;
    text.Format("reading stopped: the file is not well formed here (%s, %08lx); what follows is ignored",
                xml::XmlResultName(static_cast<xml::XmlResult>(result)), static_cast<unsigned long>(result));
    Warn(where, text);
}

void CDefinitionCheck::CheckModel()
{
    std::set<const CPropertyAttributes*> checked;
    for (const auto [property, attribute] : m_collection.Attributes()) {
        // The Components page replaces the grid: none of its attributes is a row.
        const bool first = property->GetAttribute(0) == attribute;
        const bool components =
            ShownRowOf(*property, static_cast<int>(attribute->m_nIndex)) == ShownRow::ComponentsPage;
        if (checked.insert(attribute).second)
            CheckAttribute(*attribute, first, !components);
    }
}

void CDefinitionCheck::CheckAttribute(const CPropertyAttributes& attribute, bool first, bool shownInGrid)
{
    const auto start = m_attributeStarts.find(&attribute);
    const CDefinitionLocation where = start != m_attributeStarts.end() ? start->second : CDefinitionLocation{};
    const CString name = Quoted(attribute.m_strName);
    const CString& reset = attribute.m_strReset;
    const bool noKey = attribute.m_strRegKey.IsEmpty();
    const bool noItem = attribute.m_strRegItem.IsEmpty();
    bool wholeNumber = false;
    const int resetNumber = DecimalNumber(reset, &wholeNumber);
    if (!reset.IsEmpty() && noKey && noItem) {
        Warn(where, "Reset of " + name + " has neither RegKey nor RegItem: it never runs");
    } else if (reset == "Delete" && noItem) {
        Warn(where, "Reset \"Delete\" of " + name +
                        " has no RegItem: choosing 1 deletes every value and sub-key of its RegKey");
    } else if (!reset.IsEmpty() && reset != "Delete" && !wholeNumber) {
        CString text;
        text.Format("Reset \"%s\" of %s is neither \"Delete\" nor a number: choosing 1 writes %d", reset.GetString(),
                    name.GetString(), resetNumber);
        Warn(where, text);
    }
    if (reset.IsEmpty() && noKey != noItem)
        Warn(where, name + (noKey ? " has a RegItem but no RegKey" : " has a RegKey but no RegItem") +
                        ": written on Apply, never read back");
    if (!shownInGrid)
        return;
    if (attribute.m_nId == kComponentsId && !first)
        Warn(where, name + " has Id 0 (or none) but is not the first attribute: it does not make a Components page");
    if (attribute.m_nId == kHiddenId)
        return;  // never shown, so nothing about its cell matters
    const int type = attribute.m_control.m_nType;
    const int choices = attribute.m_control.m_values.GetSize();
    if ((type == CellKindListBox || type == CellKindComboBox) && choices == 0) {
        Warn(where, CString(type == CellKindListBox ? "list box " : "combo box ") + name +
                        " has no Value: it gets no cell");
    } else if ((type == CellKindListBox || type == CellKindComboBox) &&
               (attribute.m_nDefault < 0 || attribute.m_nDefault >= choices)) {
        CString text;
        text.Format("Default %d of %s is outside its %d choice(s)", attribute.m_nDefault, name.GetString(), choices);
        Warn(where, text);
    }
}
