#pragma once

#include "ui/controls/ui_button.h"
#include "ui/controls/ui_persistent_state.h"

// A button that keeps its check state between runs (see UIPersistentState).
// Only a UIBitmapCheckbox reads it, when its window is attached or created;
// the state is stored when the window is destroyed, if asked to.
class UIModalButton : public UIButton {
    DECLARE_DYNAMIC(UIModalButton)
public:
    UIModalButton();

    bool m_bSaveOnDestroy = false;
    // The check state read from the registry, or set by the owner to be stored.
    int GetState() const { return m_nState; }
    void SetState(int state) { m_nState = state; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_nState = 0;
    UIPersistentState m_state;
};
