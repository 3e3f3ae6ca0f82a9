#pragma once

#include "platform/cbcgp_list_ctrl.h"
#include "platform/cimage_list.h"
#include "platform/cstring.h"
#include "ui/dialogs/ui_data_tip_owner.h"
#include "ui/dialogs/ui_font.h"

// The toolkit's list control: the toolkit font, column widths kept in the
// registry under a key path the owner gives (below HKEY_CURRENT_USER), the
// visible cell under a point, and a report to the parent ("OnEndMultiSelection")
// when a multiple selection made with Shift or Ctrl ends.
class UIListCtrl : public CBCGPListCtrl, public UIDataTipOwner {
    DECLARE_DYNAMIC(UIListCtrl)
public:
    UIListCtrl() = default;
    ~UIListCtrl() override;

    // Row of the visible cell under `point` (client coordinates), or -1; the
    // cell's rectangle in client coordinates and, when asked, its column.
    int HitTestCell(POINT point, RECT* cellRect, int* column = nullptr) const;
    // In report view the data tip shows the text of the cell under the point.
    bool GetDataTipCell(POINT point, CString* text, RECT* cell) const override;

    // Writes the header's column count and each column's width under the key
    // path; nothing without a key path or outside report view.
    virtual void SaveColumnWidths();
    // Reads them back; without a stored key the client width is spread
    // evenly over the columns.
    virtual void LoadColumnWidths();

    CString m_strColumnKeyPath;  // relative to HKEY_CURRENT_USER; empty: widths are not kept
    CImageList m_imageList;      // attached by the owner; detached, not destroyed, at the end
    UINT GetLastClickFlags() const { return m_nLastClickFlags; }
    const UIFont& GetFontObject() const { return m_font; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool IsReportView() const { return (GetStyle() & LVS_TYPEMASK) == LVS_REPORT; }

private:
    void ReportMultiSelection();

    UINT m_nLastClickFlags = 0;  // key-state flags of the last WM_LBUTTONDOWN
    UIFont m_font;
};
