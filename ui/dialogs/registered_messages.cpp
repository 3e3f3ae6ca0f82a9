#include "ui/dialogs/registered_messages.h"

namespace {

UIRegisteredMessageTable RegisterAll()
{
    UIRegisteredMessageTable table{};
    table.OnSelchange = RegisterWindowMessageA("OnSelchange");
    table.OnKillFocus = RegisterWindowMessageA("OnKillFocus");
    table.OnEndMultiSelection = RegisterWindowMessageA("OnEndMultiSelection");
    table.OnKillFocusSpin = RegisterWindowMessageA("OnKillFocusSpin");
    table.OnGetDialogId = RegisterWindowMessageA("OnGetDialogId");
    table.OnButtonMenuItem = RegisterWindowMessageA("OnButtonMenuItem");
    table.OnMenuTrackPopup = RegisterWindowMessageA("OnMenuTrackPopup");
    table.OnMenuDrawItem = RegisterWindowMessageA("OnMenuDrawItem");
    table.OnTvnSelchanged = RegisterWindowMessageA("OnTvnSelchanged");
    table.OnTcnSelchanged = RegisterWindowMessageA("OnTcnSelchanged");
    table.OnLvnItemchanged = RegisterWindowMessageA("OnLvnItemchanged");
    table.OnDisabledTooltip = RegisterWindowMessageA("OnDisabledTooltip");
    table.OnEndLabelEdit = RegisterWindowMessageA("OnEndLabelEdit");
    return table;
}

}  // namespace

// A function-local static: a static initialiser that reads the table first
// still finds it filled, whatever order the linker gives the initialisers.
const UIRegisteredMessageTable& UIRegisteredMessages()
{
    static const UIRegisteredMessageTable table = RegisterAll();
    return table;
}
