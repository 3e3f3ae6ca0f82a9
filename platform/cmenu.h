#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>

// A menu. A menu it loaded or created is destroyed with the object; one it
// was given with Attach is released with Detach.
class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() = default;
    ~CMenu() override { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    // Loads a menu resource of the resource module.
    bool LoadMenu(UINT id);
    bool CreatePopupMenu();
    bool Attach(HMENU menu);
    HMENU Detach();
    bool DestroyMenu();

    HMENU GetSubMenu(int position) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    CString GetMenuString(UINT item, UINT flags) const;
    // The text of an item of any menu (MF_BYCOMMAND or MF_BYPOSITION).
    static CString MenuItemText(HMENU menu, UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    bool AppendMenu(UINT flags, UINT_PTR idNewItem = 0, const char* text = nullptr);
    bool ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, const char* text = nullptr);
    bool GetMenuItemInfo(UINT item, MENUITEMINFOA* info, bool byPosition) const;
    bool SetMenuItemInfo(UINT item, const MENUITEMINFOA* info, bool byPosition);
    // Returns the chosen command with TPM_RETURNCMD, else success. While it
    // runs, `owner` is this thread's tracking window (GetTrackingWindow).
    int TrackPopupMenu(UINT flags, int x, int y, HWND owner) const;
    // The owner of the popup that TrackPopupMenu is tracking on this thread,
    // or null: owner windows route owner-drawn menu items only then.
    static HWND GetTrackingWindow();

    // Owner-drawn items; the menu classes that draw their items override these.
    virtual void DrawItem(DRAWITEMSTRUCT* drawItem);
    virtual void MeasureItem(MEASUREITEMSTRUCT* measureItem);
};
