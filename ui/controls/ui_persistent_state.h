#pragma once

#include "platform/cstring.h"
#include "ui/controls/ui_registry_key.h"

#include <windows.h>

class CWnd;

// Where a persistent control keeps its state between runs: the value
// "<application>::<dialog id>::<control id>" under HKEY_CURRENT_USER in
// "Software\Tarnwick, Inc.\\GUI\Persistent controls\<states key>" (the empty
// component between the company and "GUI" gives two backslashes). The
// dialog id is what the control's parent answers to "OnGetDialogId"; a
// parent that answers 0, or no parent, means no registry access at all.
// Every registry failure is silent.
class UIPersistentState {
public:
    explicit UIPersistentState(const char* statesKey) : m_pszStatesKey(statesKey) {}

    // Builds the key path and value name for `control`; false when there is
    // no parent or no dialog id.
    bool Locate(const CWnd& control);
    // Reads the stored value (the key is opened, never created). A text is
    // taken when it is a string of at most 260 bytes with its terminating
    // zero; a number when it is a DWORD. False leaves the out value alone.
    bool ReadText(CString* text);
    bool ReadNumber(DWORD* value);
    // Writes the value, creating the key when needed; false when nothing was
    // located or the write failed.
    bool WriteText(const CString& text);
    bool WriteNumber(DWORD value);

    const CString& GetKeyPath() const { return m_strKeyPath; }
    const CString& GetValueName() const { return m_strValueName; }
    UIRegistryKey& GetKey() { return m_key; }

private:
    bool Query(DWORD* type, BYTE* data, DWORD* size);
    bool Write(DWORD type, const BYTE* data, DWORD size);

    const char* m_pszStatesKey;
    UIRegistryKey m_key;
    CString m_strKeyPath;
    CString m_strValueName;
};
