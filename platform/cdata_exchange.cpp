#include "platform/cdata_exchange.h"

#include "platform/cwnd.h"

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), id);
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    if (!m_bFailed && m_bSaveAndValidate && m_hWndLastControl != nullptr)
        ::SetFocus(m_hWndLastControl);
    m_bFailed = true;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (dx->HasFailed() || control.m_hWnd != nullptr)
        return;
    const HWND item = dx->PrepareCtrl(id);
    if (item == nullptr || !control.SubclassWindow(item))
        dx->Fail();
}
