#pragma once

#include "platform/cobject.h"
#include "platform/cstring_array.h"

// How an attribute's value is edited: its control type (a CellKind) and, for
// list and combo boxes, the texts of the choices the value indexes.
class CPropertyControl : public CObject {
    DECLARE_DYNAMIC(CPropertyControl)
public:
    CPropertyControl() = default;
    CPropertyControl(const CPropertyControl&) = default;
    CPropertyControl& operator=(const CPropertyControl&) = default;
    ~CPropertyControl() override = default;

    int m_nType = 6;  // combo box until the definition file says otherwise
    CStringArray m_values;
};
