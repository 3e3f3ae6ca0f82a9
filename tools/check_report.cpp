#include "tools/check_report.h"

#include "editor/cell_kind.h"
#include "tools/definition_check.h"
#include "tools/json_text.h"

#include <string>

namespace {

std::string JsonStrings(const CStringArray& texts)
{
    std::string out = "[";
    for (int i = 0; i < texts.GetSize(); ++i)
        out += (i ? "," : "") + JsonString(texts.GetAt(i));
    return out + "]";
}

std::string JsonStrings(const std::vector<CString>& texts)
{
    std::string out = "[";
    for (size_t i = 0; i < texts.size(); ++i)
        out += (i ? "," : "") + JsonString(texts[i]);
    return out + "]";
}

std::string JsonAttribute(const CPropertyAttributes& attribute)
{
    return "{\"index\":" + std::to_string(attribute.m_nIndex) + ",\"id\":" + std::to_string(attribute.m_nId) +
           ",\"name\":" + JsonString(attribute.m_strName) + ",\"desc\":" + JsonString(attribute.m_strDesc) +
           ",\"regKey\":" + JsonString(attribute.m_strRegKey) + ",\"regItem\":" + JsonString(attribute.m_strRegItem) +
           ",\"reset\":" + JsonString(attribute.m_strReset) + ",\"default\":" + std::to_string(attribute.m_nDefault) +
           ",\"value\":" + std::to_string(attribute.m_nValue) +
           ",\"type\":" + std::to_string(attribute.m_control.m_nType) +
           ",\"values\":" + JsonStrings(attribute.m_control.m_values) + "}";
}

// Texts may hold line breaks; the report keeps one item per line.
CString OneLine(const CString& text)
{
    CString line(text);
    line.Replace("\r", "\\r");
    line.Replace("\n", "\\n");
    return line;
}

}  // namespace

void WriteCheckJson(std::FILE* out, const CDefinitionCheck& check)
{
    const CPropertyCollection& collection = check.m_collection;
    std::string json = "{\"loaded\":" + std::string(check.m_bLoaded ? "true" : "false") +
                       ",\"name\":" + JsonString(collection.m_strName) +
                       ",\"versions\":" + JsonStrings(collection.m_versions) + ",\"properties\":[";
    for (int p = 0; p < collection.GetPropertyCount(); ++p) {
        const CQuorvelinProperty* property = collection.GetProperty(p);
        json += (p ? ",{" : "{") + std::string("\"index\":") + std::to_string(property->m_nIndex) +
                ",\"name\":" + JsonString(property->m_strName) +
                ",\"kxisw\":" + (property->m_bKxISW ? "true" : "false") + ",\"attributes\":[";
        for (int a = 0; a < property->GetAttributeCount(); ++a)
            json += (a ? "," : "") + JsonAttribute(*property->GetAttribute(a));
        json += "]}";
    }
    json += "],\"diagnostics\":" + JsonStrings(check.m_diagnostics) +
            ",\"messages\":" + JsonStrings(check.m_messages) + ",\"warnings\":[";
    for (size_t w = 0; w < check.m_warnings.size(); ++w) {
        const CCheckWarning& warning = check.m_warnings[w];
        json += (w ? ",{" : "{") + std::string("\"line\":") + std::to_string(warning.line) +
                ",\"column\":" + std::to_string(warning.column) + ",\"text\":" + JsonString(warning.text) + "}";
    }
    json += "]}\n";
    std::fputs(json.c_str(), out);
}

void WriteCheckReport(std::FILE* out, const char* path, const CDefinitionCheck& check)
{
    const CPropertyCollection& collection = check.m_collection;
    for (const CString& text : check.m_diagnostics)
        std::fprintf(out, "diagnostic: %s\n", OneLine(text).GetString());
    for (const CString& text : check.m_messages)
        std::fprintf(out, "message box: %s\n", OneLine(text).GetString());

    std::fprintf(out, "%s: %s, name \"%s\", %d propert%s\n", path, check.m_bLoaded ? "loaded" : "loading failed",
                 OneLine(collection.m_strName).GetString(), collection.GetPropertyCount(),
                 collection.GetPropertyCount() == 1 ? "y" : "ies");
    for (int v = 0; v < collection.m_versions.GetSize(); ++v)
        std::fprintf(out, "version: %s\n", OneLine(collection.m_versions.GetAt(v)).GetString());
    for (int p = 0; p < collection.GetPropertyCount(); ++p) {
        const CQuorvelinProperty* property = collection.GetProperty(p);
        std::fprintf(out, "property %lld \"%s\"%s\n", static_cast<long long>(property->m_nIndex),
                     OneLine(property->m_strName).GetString(), property->m_bKxISW ? " KxISW" : "");
        for (int a = 0; a < property->GetAttributeCount(); ++a) {
            const CPropertyAttributes* attribute = property->GetAttribute(a);
            std::fprintf(out, "  attribute %lld: Id %d \"%s\", %s, default %d, value %d\n",
                         static_cast<long long>(attribute->m_nIndex), attribute->m_nId,
                         OneLine(attribute->m_strName).GetString(), CellKindName(attribute->m_control.m_nType),
                         attribute->m_nDefault, attribute->m_nValue);
            if (!attribute->m_strDesc.IsEmpty())
                std::fprintf(out, "    desc: %s\n", OneLine(attribute->m_strDesc).GetString());
            if (!attribute->m_strRegKey.IsEmpty() || !attribute->m_strRegItem.IsEmpty())
                std::fprintf(out, "    registry: key \"%s\", value \"%s\"\n",
                             OneLine(attribute->m_strRegKey).GetString(), OneLine(attribute->m_strRegItem).GetString());
            if (!attribute->m_strReset.IsEmpty())
                std::fprintf(out, "    reset: %s\n", OneLine(attribute->m_strReset).GetString());
            for (int c = 0; c < attribute->m_control.m_values.GetSize(); ++c)
                std::fprintf(out, "    choice %d: %s\n", c, OneLine(attribute->m_control.m_values.GetAt(c)).GetString());
        }
    }
    for (const CCheckWarning& warning : check.m_warnings)
        std::fprintf(out, "%s(%u,%u): warning: %s\n", path, warning.line, warning.column,
                     OneLine(warning.text).GetString());
    std::fprintf(out, "%zu warning(s)\n", check.m_warnings.size());
}
