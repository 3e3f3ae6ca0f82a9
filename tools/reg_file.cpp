#include "tools/reg_file.h"

#include "editor/property_collection.h"

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

bool HoldsLineBreak(const CRegistryWrite& write)
{
    return write.keyPath.Find('\n') >= 0 || write.keyPath.Find('\r') >= 0 || write.name.Find('\n') >= 0 ||
           write.name.Find('\r') >= 0;
}

// Labels and reset texts may hold line breaks; a comment is one line.
CString Comment(const CPropertyAttributes& attribute, const char* what)
{
    CString line;
    line.Format("; \"%s\" (Id %d), reset \"%s\": %s", attribute.m_strName.GetString(), attribute.m_nId,
                attribute.m_strReset.GetString(), what);
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
        if (HoldsLineBreak(write)) {
            text += "\r\n; Id ";
            text.AppendFormat("%d: its key or value name holds a line break, which a .reg file cannot hold; "
                              "Apply writes it all the same\r\n",
                              attribute->m_nId);
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
