#pragma once

#include "platform/crect.h"
#include "ui/grid/ui_grid_ctrl.h"

// The property grid's grid control: a grid whose boundary between the name
// column and the value column can be dragged. The zone around the boundary
// shows the splitter cursor; a click there starts a drag and neither
// selects nor opens an editor; the value column keeps at least 50 pixels.
class UIPropertyGridCtrl : public UIGridCtrl {
    DECLARE_DYNAMIC(UIPropertyGridCtrl)
public:
    UIPropertyGridCtrl();

    // Whether x (client coordinates) lies in the zone around the boundary.
    bool InSplitterZone(int x) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void DragTo(int x);

    CRect m_boundsRect;
    HCURSOR m_hSplitterCursor;
    bool m_bDragging = false;
};
