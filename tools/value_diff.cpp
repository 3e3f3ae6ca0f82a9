#include "tools/value_diff.h"

#include "editor/property_collection.h"
#include "tools/json_text.h"

#include <map>
#include <string>

namespace {

// Registry names compare without case.
std::string PlaceOf(const CString& keyPath, const CString& name)
{
    CString place = keyPath + "\n" + name;
    place.MakeLower();
    return place.str();
}

// The choice a value names in a list; empty for numbers and out of range.
CString ChoiceText(const CPropertyAttributes& attribute, int value)
{
    const CStringArray& choices = attribute.m_control.m_values;
    return value >= 0 && value < choices.GetSize() ? choices.GetAt(value) : CString();
}

CString OneLine(CString text)
{
    text.Replace("\r", "\\r");
    text.Replace("\n", "\\n");
    return text;
}

CString ValueText(const CPropertyAttributes& attribute, int value)
{
    CString text;
    text.Format("%d", value);
    const CString choice = ChoiceText(attribute, value);
    if (!choice.IsEmpty())
        text += " \"" + OneLine(choice) + "\"";
    return text;
}

CString StoredText(const CPropertyAttributes& attribute, const CStoredValue& now)
{
    switch (now.state) {
    case CStoredValue::State::Dword: return ValueText(attribute, now.value);
    case CStoredValue::State::Missing: return "missing";
    case CStoredValue::State::NotDword: return "not a REG_DWORD";
    case CStoredValue::State::NoKey: break;
    }
    return "missing, with its key";
}

const char* StateName(CStoredValue::State state)
{
    switch (state) {
    case CStoredValue::State::Dword: return "dword";
    case CStoredValue::State::Missing: return "missing";
    case CStoredValue::State::NotDword: return "notDword";
    case CStoredValue::State::NoKey: break;
    }
    return "noKey";
}

}  // namespace

std::vector<CValueDifference> DifferencesFromFirstApply(const CPropertyCollection& collection)
{
    // A later write to the same place wins, as it does on Apply.
    std::map<std::string, int> firstApply;
    for (const auto [property, attribute] : collection.Attributes()) {
        CString keyPath;
        CString name;
        if (StoredValueLocation(*attribute, &keyPath, &name))
            firstApply[PlaceOf(keyPath, name)] = attribute->PendingWrite(kQuorvelinRegistryRoot).value;
    }
    std::vector<CValueDifference> differences;
    for (const auto [property, attribute] : collection.Attributes()) {
        CValueDifference difference{property, attribute, {}, {}, {}, 0};
        if (!StoredValueLocation(*attribute, &difference.keyPath, &difference.name))
            continue;
        difference.now = ReadStoredValue(difference.keyPath, difference.name);
        difference.firstApply = firstApply[PlaceOf(difference.keyPath, difference.name)];
        if (difference.now.state != CStoredValue::State::Dword || difference.now.value != difference.firstApply)
            differences.push_back(difference);
    }
    return differences;
}

void WriteDifferences(std::FILE* out, const std::vector<CValueDifference>& differences)
{
    for (const CValueDifference& difference : differences) {
        const CPropertyAttributes& attribute = *difference.attribute;
        std::fprintf(out, "\"%s\" / \"%s\" (Id %d): HKEY_CURRENT_USER\\%s, value \"%s\": now %s, first Apply %s\n",
                     OneLine(difference.property->m_strName).GetString(), OneLine(attribute.m_strName).GetString(),
                     attribute.m_nId, OneLine(difference.keyPath).GetString(), OneLine(difference.name).GetString(),
                     StoredText(attribute, difference.now).GetString(),
                     ValueText(attribute, difference.firstApply).GetString());
    }
    std::fprintf(out, "%zu difference(s)\n", differences.size());
}

void WriteDifferencesJson(std::FILE* out, const std::vector<CValueDifference>& differences)
{
    std::string json = "{\"differences\":[";
    for (size_t i = 0; i < differences.size(); ++i) {
        const CValueDifference& difference = differences[i];
        const CPropertyAttributes& attribute = *difference.attribute;
        const bool dword = difference.now.state == CStoredValue::State::Dword;
        json += (i ? ",{" : "{") + std::string("\"property\":") + JsonString(difference.property->m_strName) +
                ",\"name\":" + JsonString(attribute.m_strName) + ",\"id\":" + std::to_string(attribute.m_nId) +
                ",\"key\":" + JsonString(difference.keyPath) + ",\"valueName\":" + JsonString(difference.name) +
                ",\"now\":{\"state\":\"" + StateName(difference.now.state) + "\",\"value\":" +
                (dword ? std::to_string(difference.now.value) : "null") +
                ",\"text\":" + JsonString(dword ? ChoiceText(attribute, difference.now.value) : CString()) +
                "},\"firstApply\":{\"value\":" + std::to_string(difference.firstApply) +
                ",\"text\":" + JsonString(ChoiceText(attribute, difference.firstApply)) + "}}";
    }
    json += "]}\n";
    std::fputs(json.c_str(), out);
}
