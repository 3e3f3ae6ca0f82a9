#pragma once

#include "platform/cgdi_objects.h"
#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>

class UIMenu;

// What UIMenu keeps of one converted menu item; the item's data points here.
class UIMenuItem : public CObject {
    DECLARE_DYNAMIC(UIMenuItem)
public:
    explicit UIMenuItem(UIMenu* owner);
    ~UIMenuItem() override;
    UIMenuItem(const UIMenuItem&) = delete;
    UIMenuItem& operator=(const UIMenuItem&) = delete;

    // The live item that `itemData` of a draw or measure request names, or
    // null: other owner-drawn menus of the owner window use item data too.
    static UIMenuItem* FromItemData(ULONG_PTR itemData);

    UIMenu* m_pOwner;
    CString m_strText;      // as the menu had it, "&" mnemonics included
    CString m_strShortcut;  // drawn right-aligned; set by callers that want it
    CBitmap* m_pBitmap = nullptr;  // owned; used when there is no image resource id
    UINT m_nCommandId = 0;         // 0 for a separator, all bits set for a submenu
    UINT m_nState = 0;
    UINT m_nImageResourceId = 0;   // PNG or bitmap resource; 0 for none
    HINSTANCE m_hResourceModule = nullptr;  // null: the current resource module
};
