#pragma once

#include "ui/controls/ui_edit.h"
#include "ui/controls/ui_persistent_state.h"

// An edit that keeps its text between runs (see UIPersistentState): the
// stored text replaces the window's when the window is attached or created,
// and the text is stored when the window is destroyed, if asked to.
class UIModalEdit : public UIEdit {
    DECLARE_DYNAMIC(UIModalEdit)
public:
    UIModalEdit();

    bool m_bSaveOnDestroy = false;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CString m_strStoredText;
    UIPersistentState m_state;
};
