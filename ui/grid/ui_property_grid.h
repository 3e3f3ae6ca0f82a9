#pragma once

#include "platform/crect.h"
#include "platform/cstatic.h"
#include "platform/cstring_array.h"
#include "ui/grid/ui_property_grid_ctrl.h"
#include "ui/grid/ui_property_grid_label.h"

// The property pane: bound to a placeholder static, it creates inside it a
// two-column grid of names and values and, under it, a label with the
// selected row's name and description. List choices from the grid
// ("OnSelchange") are posted on to the static's parent. When the window's
// DPI changes, the grid's font (and with it its row height) and its name
// column are scaled; the value column takes the rest.
class UIPropertyGrid : public CStatic {
    DECLARE_DYNAMIC(UIPropertyGrid)
public:
    static constexpr UINT kGridId = 57342;
    static constexpr UINT kLabelId = 57341;

    UIPropertyGrid() = default;
    ~UIPropertyGrid() override;

    // Gives a row its name in column 0, inserting the row when it does not
    // exist (names longer than 255 bytes are shown cut), and appends the
    // name to m_names; false for an empty name or a row past the item count.
    bool SetRowLabel(int row, const CString& name);
    // Attaches data to a row; false when the row lies past the item count.
    bool SetRowData(int row, LPARAM data);
    // The grid's SelectCellItem; -1 when the row lies past the item count.
    int SelectValue(int row, int itemIndex);
    // The texts the label shows for a row (-1: the selected one, else the first).
    void GetLabelTexts(CString& name, CString& description, int row) const;

    UIPropertyGridCtrl m_grid;
    UIPropertyGridLabel m_label;
    CStringArray m_names;         // one per row, in row order
    CStringArray m_descriptions;  // one per row, in row order; the owner fills it

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Layout(int newWidth);
    void ScaleForDpi(UINT newDpi, UINT oldDpi);

    CRect m_clientRect;
    CFont m_gridFont;  // the grid's font once a DPI change scaled it
    // The grid font's record at the DPI before the first change (0: none
    // yet), which later changes scale from so that rounding does not add up.
    UINT m_nFirstDpi = 0;
    LOGFONTA m_firstGridFont{};
};
