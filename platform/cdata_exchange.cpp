#include "platform/cdata_exchange.h"

#include "platform/cwnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}
