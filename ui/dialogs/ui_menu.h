#pragma once

#include "platform/carray.h"
#include "platform/cmenu.h"
#include "platform/cobarray.h"
#include "ui/dialogs/ui_menu_item.h"

#include <windows.h>

class CDC;

// A menu whose items the toolkit draws: a light image column, item images
// from PNG or bitmap resources, framed check cells, embossed grey text for
// disabled items and etched separators, in a themed and a classic look.
// Made, converted, tracked and destroyed within one call of its user; the
// owner window routes WM_MEASUREITEM/WM_DRAWITEM of its items here
// (UIMenuRouter).
class UIMenu : public CMenu {
    DECLARE_DYNAMIC(UIMenu)
public:
    UIMenu() = default;
    ~UIMenu() override;

    // Makes every item of `menu` owner-drawn, submenus recursively; false at
    // the first item that cannot be changed (those before stay converted).
    bool MakeOwnerDrawn(HMENU menu);

    void DrawItem(DRAWITEMSTRUCT* drawItem) override;
    void MeasureItem(MEASUREITEMSTRUCT* measureItem) override;

    // The two looks; DrawItem picks the themed one while visual themes are active.
    void DrawThemedItem(const DRAWITEMSTRUCT* drawItem);
    void DrawClassicItem(const DRAWITEMSTRUCT* drawItem);

    int GetItemCount() const { return m_arrItems.GetSize(); }
    UIMenuItem* GetItem(int index) const { return m_arrItems.GetAt(index); }
    int GetImageWidth() const { return m_nImageWidth; }

    // Check images used for a checked item without an image of its own.
    static constexpr UINT kThemedCheckImage = 7008;
    static constexpr UINT kClassicCheckImage = 7000;
    // Width of the image column and of the check cell in the themed look.
    static constexpr int kImageColumnWidth = 22;
    static constexpr int kThemedTextIndent = 30;

private:
    void Draw(const DRAWITEMSTRUCT* drawItem, bool themed);
    void DrawImage(CDC& dc, const UIMenuItem& item, const DRAWITEMSTRUCT* drawItem, bool themed);

    CTypedPtrArray<CObArray, UIMenuItem*> m_arrItems;  // owned
    CArray<HMENU, HMENU> m_arrMenus;                    // converted menus; not owned
    int m_nImageWidth = 16;
};
