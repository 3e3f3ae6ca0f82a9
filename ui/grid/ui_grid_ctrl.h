#pragma once

#include "platform/cobarray.h"
#include "platform/cstring_array.h"
#include "ui/grid/ui_grid_row.h"
#include "ui/grid/ui_list_ctrl.h"

// A report-view list control whose cells are edited in place. The list
// keeps what is shown; the grid's model of rows and cells says which cells
// may be edited, with which editor and which choices. A click on an editable
// cell opens the cell's editor over it; the editor reports back by a named
// message ("OnSelchange" from the list editors, "OnKillFocus" from the text
// and number editors); the grid writes the result into the cell and posts
// the message on to its parent. Cell address: wParam = (row << 16) | column.
//
// Assistive programs see the grid as a list whose children are its rows:
// each is named by its column-0 text, has its column-1 text as its value and
// reports whether it is selected and focused.
class UIGridCtrl : public UIListCtrl {
    DECLARE_DYNAMIC(UIGridCtrl)
public:
    UIGridCtrl();
    ~UIGridCtrl() override;

    // Creates or refills the column-1 cell of a row; false when the row lies
    // past the list's item count (a row equal to it is accepted).
    bool SetValueCell(int row, const CStringArray& items, int kind);
    // itemIndex -1: the list's text at (row, column); otherwise that item of
    // the cell; "" when the row, the cell or the item is missing.
    CString GetCellItemText(int row, int column, int itemIndex) const;
    // Shows item itemIndex of the row's column-1 cell as its list text;
    // itemIndex, or -1 when the row, its cell or the item is missing.
    int SelectCellItem(int row, int itemIndex);
    // Deletes the model; the list items stay.
    void DeleteGridData();
    UIGridRow* FindRow(int row) const;
    // Opens the cell's editor over `cellRect` (client coordinates).
    bool BeginCellEdit(int row, int column, const RECT& cellRect);
    // Opens the editor of the next (previous) cell of the last edited row;
    // never wraps to another row.
    void TabToCell(bool backwards);

    // Digits of a real cell's text when it opens; -1: the real editor's own precision.
    int m_nDecimalPlaces = -1;

    bool PreTranslateMessage(MSG* msg) override;

    HRESULT get_accChildCount(LONG* count) override;
    HRESULT get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT get_accName(VARIANT child, BSTR* name) override;
    HRESULT get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT get_accState(VARIANT child, VARIANT* state) override;
    HRESULT get_accValue(VARIANT child, BSTR* value) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Default selection, then the editor of the cell under the click.
    void OnClick(WPARAM flags, POINT point);
    // True when the hand cursor was set (over an editable cell).
    bool OnSetCursor();

private:
    LRESULT OnCellListChoice(WPARAM cell, LPARAM item);
    LRESULT OnCellEditEnd(WPARAM cell, LPARAM text);
    // Creates, seeds and focuses the editor of `cell`; false when its window
    // cannot be created.
    bool OpenEditor(const UIGridCell& cell, int row, int column, const RECT& cellRect);

    CTypedPtrArray<CObArray, UIGridRow*> m_rows;
    HCURSOR m_hHandCursor = nullptr;
    CWnd* m_pActiveEditor = nullptr;
    int m_nEditRow = -1;
    int m_nEditColumn = -1;
    bool m_bEditing = false;
};
