#include "editor/definition_load_listener.h"

#include "platform/afx_message_box.h"

#include <cstdio>

void CDefinitionLoadListener::PrintDiagnostic(const CString& text, bool lineBreak)
{
    // UTF-8 like every narrow string; a GUI process has no console, and then
    // the write simply goes nowhere.
    std::fputs(text.GetString(), stdout);
    if (lineBreak)
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

void CDefinitionLoadListener::ShowDuplicateIdBox(const CString& text)
{
    AfxMessageBox(text, MB_ICONERROR);
}
