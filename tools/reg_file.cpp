#include "tools/reg_file.h"

#include "editor/property_collection.h"
#include "tools/stored_value.h"

#include <set>

namespace {

const char kHive[] = "HKEY_CURRENT_USER\\";

CString KeyLine(const CString& keyPath, bool remove)
{
    return CString(remove ? "[-" : "[") + kHive + keyPath + "]\r\n";
}

// A value line: "name"=dword:0000002a, or @= for the key's unnamed value.
CString DwordLine(const CString& name, int value)
{
    CString line = "@";
    if (!name.IsEmpty()) {
        CString escaped(name);
        escaped.Replace("\\", "\\\\");
        escaped.Replace("\"", "\\\"");
        line = "\"" + escaped + "\"";
    }
    line.AppendFormat("=dword:%08x\r\n", static_cast<unsigned>(value));
    return line;
}

// The change as .reg lines, in their own section. Deleting a sub-key with an
// empty name empties the key but keeps it: removed, then created again.
CString ChangeLines(const CRegistryWrite& write)
{
    if (write.kind == CRegistryWrite::Kind::SetDword)
        return KeyLine(write.keyPath, false) + DwordLine(write.name, write.value);
    if (write.name.IsEmpty())
        return KeyLine(write.keyPath, true) + KeyLine(write.keyPath, false);
    return KeyLine(write.keyPath + "\\" + write.name, true);
}

bool HoldsLineBreak(const CString& keyPath, const CString& name)
{
    return keyPath.Find('\n') >= 0 || keyPath.Find('\r') >= 0 || name.Find('\n') >= 0 || name.Find('\r') >= 0;
}

CString LineBreakComment(int id)
{
    CString line;
    line.Format("; Id %d: its key or value name holds a line break, which a .reg file cannot hold; "
                "Apply writes it all the same\r\n",
                id);
    return line;
}

// Labels and reset texts may hold line breaks; a comment is one line.
CString Comment(const CPropertyAttributes& attribute, const CString& what)
{
    CString line;
    line.Format("; \"%s\" (Id %d)", attribute.m_strName.GetString(), attribute.m_nId);
    if (!attribute.m_strReset.IsEmpty())
        line.AppendFormat(", reset \"%s\"", attribute.m_strReset.GetString());
    line += ": " + what;
    line.Replace("\r", " ");
    line.Replace("\n", " ");
    return line + "\r\n";
}

}  // namespace

CString RegFileOfFirstApply(const CPropertyCollection& collection)
{
    CString text = "Windows Registry Editor Version 5.00\r\n\r\n"
                   "; What the first Apply writes: every value at its default.\r\n";
    if (collection.GetPropertyCount() == 0)
        text += "; No property was loaded: the program writes nothing.\r\n";
    CString section;  // key of the last value line, while more may join it
    for (const auto [property, attribute] : collection.Attributes()) {
        const CRegistryWrite write = attribute->PendingWrite(kQuorvelinRegistryRoot);
        const bool reset = !attribute->m_strReset.IsEmpty();
        if (write.kind == CRegistryWrite::Kind::Nothing) {
            if (!reset)
                continue;
            const CRegistryWrite onOne = attribute->ResetWrite(kQuorvelinRegistryRoot);
            text += "\r\n";
            if (onOne.kind == CRegistryWrite::Kind::Nothing) {
                text += Comment(*attribute, "never runs, it has neither RegKey nor RegItem");
            } else {
                text += Comment(*attribute, "runs when 1 is chosen, not on the first Apply; it would be");
                CString lines = ChangeLines(onOne);
                lines.Replace("\r\n", "\r\n; ");
                text += "; " + lines.Left(lines.GetLength() - 2);
            }
            section.Empty();
            continue;
        }
        if (HoldsLineBreak(write.keyPath, write.name)) {
            text += "\r\n" + LineBreakComment(attribute->m_nId);
            section.Empty();
            continue;
        }
        if (reset) {
            text += "\r\n" + Comment(*attribute, "its default 1 runs it on the first Apply");
            text += ChangeLines(write);
            section.Empty();
        } else if (write.keyPath == section) {
            text += DwordLine(write.name, write.value);
        } else {
            text += "\r\n" + ChangeLines(write);
            section = write.keyPath;
        }
    }
    return text;
}

CString RegFileOfCurrentValues(const CPropertyCollection& collection)
{
    CString text = "Windows Registry Editor Version 5.00\r\n\r\n"
                   "; The values this user's registry holds now for the attributes of the file.\r\n";
    CString section;  // key of the last key line, while more values may join it
    std::set<std::string> listed;  // key and value name, lower case: a place is listed once
    for (const auto [property, attribute] : collection.Attributes()) {
        CString keyPath;
        CString name;
        if (!StoredValueLocation(*attribute, &keyPath, &name)) {
            if (!attribute->m_strReset.IsEmpty()) {
                text += "\r\n" + Comment(*attribute, "a reset action, a command with no stored value");
                section.Empty();
            }
            continue;
        }
        CString place = keyPath + "\n" + name;
        place.MakeLower();
        if (!listed.insert(place.str()).second)
            continue;
        if (HoldsLineBreak(keyPath, name)) {
            text += "\r\n" + LineBreakComment(attribute->m_nId);
            section.Empty();
            continue;
        }
        const CStoredValue stored = ReadStoredValue(keyPath, name);
        if (stored.state == CStoredValue::State::NoKey) {
            text += "\r\n" + Comment(*attribute, "its key does not exist: " + keyPath);
            section.Empty();
            continue;
        }
        if (keyPath != section) {
            text += "\r\n" + KeyLine(keyPath, false);
            section = keyPath;
        }
        const CString shownName = name.IsEmpty() ? CString("the unnamed value") : "\"" + name + "\"";
        if (stored.state == CStoredValue::State::Dword)
            text += DwordLine(name, stored.value);
        else if (stored.state == CStoredValue::State::Missing)
            text += Comment(*attribute, shownName + " is missing");
        else
            text += Comment(*attribute, shownName + " is not a REG_DWORD and is left out");
    }
    return text;
}
