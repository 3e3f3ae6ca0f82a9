#include "ui/dialogs/ui_dialog.h"

#include "platform/resource_module.h"
#include "ui/controls/ui_bitmap_button.h"
#include "ui/controls/ui_png_button.h"
#include "ui/dialogs/window_dpi.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <cstring>

IMPLEMENT_DYNAMIC(UIDialog, CBCGPDialog)

namespace {

constexpr int kGripSize = 11;
constexpr DWORD kGripStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBS_SIZEGRIP;
constexpr DWORD kNotAPageStyles = WS_POPUP | WS_BORDER | WS_SYSMENU;
constexpr COLORREF kTransparentGrey = RGB(192, 192, 192);

bool IsToolTip(HWND window)
{
    char className[32] = {};
    return window != nullptr && GetClassNameA(window, className, sizeof className) > 0 &&
           std::strcmp(className, "tooltips_class32") == 0;
}

}  // namespace

UIDialog::UIDialog(UINT templateId, CWnd* parent)
    : CBCGPDialog(templateId, parent), m_hResourceModule(AfxGetResourceHandle())
{
    m_brBackground.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    for (const UIStandardDialogButton& button : kStandardDialogButtons)
        m_arrButtons.Add(DIALOG_BUTTON{button.m_nResourceId, button.m_nControlId, m_hResourceModule});
}

UIDialog::~UIDialog()
{
    for (int i = 0; i < m_arrCreatedButtons.GetSize(); ++i)
        delete m_arrCreatedButtons.GetAt(i);
    m_arrCreatedButtons.RemoveAll();
    m_arrButtons.RemoveAll();
}

void UIDialog::PreInitDialog()
{
    GetWindowRect(&m_rcFirstWindow);
    CBCGPDialog::PreInitDialog();
}

bool UIDialog::OnInitDialog()
{
    CBCGPDialog::OnInitDialog();
    if ((GetStyle() & WS_THICKFRAME) != 0) {
        CRect client;
        GetClientRect(&client);
        m_sizeGrip.Create(kGripStyle, {client.right - kGripSize, client.bottom - kGripSize, client.right, client.bottom},
                          this, 0);
    }
    m_font.Init(this, true);
    if ((GetStyle() & WS_CHILD) == 0) {
        SetWindowDpi(m_hWnd, WindowDpi(m_hWnd));
        DisableSystemDpiScaling();
    }
    PlaceBesideTabControl();
    if (m_nConvertButtons == 1)
        ConvertButtons();
    return true;
}

void UIDialog::PlaceBesideTabControl()
{
    const HWND parent = ::GetParent(m_hWnd);
    if (parent == nullptr || (GetStyle() & kNotAPageStyles) != 0)
        return;
    const HWND tabs = FindWindowExA(parent, nullptr, WC_TABCONTROLA, nullptr);
    if (tabs == nullptr)
        return;
    CRect area;
    ::GetWindowRect(tabs, &area);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    CRect tab;
    if (::SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab)) != 0)
        area.top += tab.Height();
    SetWindowPos(HWND_TOP, area.left + 6, area.top + 8, (area.right - 6) - (area.left + 6),
                 (area.bottom - 6) - (area.top + 8), 0);
    if (IsThemeActive())
        EnableThemeDialogTexture(m_hWnd, ETDT_ENABLETAB);
    m_bIsTabPage = true;
}

void UIDialog::ConvertButtons()
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        for (int i = 0; i < m_arrButtons.GetSize(); ++i) {
            const DIALOG_BUTTON& entry = m_arrButtons[i];
            if (static_cast<int>(entry.m_nControlId) != id || FromHandlePermanent(child) != nullptr)
                continue;  // a button the program has bound already keeps its binding
            if (FindResourceA(entry.m_hModule, MAKEINTRESOURCEA(LOWORD(entry.m_nResourceId)), RT_BITMAP) != nullptr) {
                auto* button = new UIBitmapButton;
                m_arrCreatedButtons.Add(button);
                button->SubclassWindow(child);
                button->SetMaskColour(kTransparentGrey);
                button->Invalidate();
                CResourceModuleScope module(entry.m_hModule);
                button->LoadBitmap(entry.m_nResourceId);
            } else {
                auto* button = new UIPNGButton;
                m_arrCreatedButtons.Add(button);
                button->SubclassWindow(child);
                CResourceModuleScope module(entry.m_hModule);
                button->SetImage(entry.m_nResourceId);
            }
        }
    }
}

void UIDialog::OnSetFont(HFONT font)
{
    LOGFONTA logFont{};
    // The dialog's own font, sent back by the font object, needs no re-creating.
    if (font == nullptr || m_bInFontChange || font == m_font.GetSafeHandle() ||
        GetObjectA(font, sizeof logFont, &logFont) != sizeof logFont)
        return;
    m_bInFontChange = true;
    m_font.ModifyCurrentFont(this, logFont, true);
    m_bInFontChange = false;
}

void UIDialog::DisableSystemDpiScaling()
{
    // The dialog scales its font and layout itself, on every system. Where
    // the system would also rescale a dialog and its controls, it is told
    // not to, or they would be scaled twice. Older systems (and Wine) lack
    // these functions and never rescale.
    using DialogBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    using ControlBehavior =
        BOOL(WINAPI*)(HWND, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS);
    const HMODULE user32 = ::GetModuleHandleA("user32.dll");
    if (user32 == nullptr)
        return;
    if (const auto setDialog =
            reinterpret_cast<DialogBehavior>(reinterpret_cast<void*>(::GetProcAddress(user32, "SetDialogDpiChangeBehavior"))))
        setDialog(m_hWnd, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    const auto setControl = reinterpret_cast<ControlBehavior>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "SetDialogControlDpiChangeBehavior")));
    if (setControl == nullptr)
        return;
    const auto all = static_cast<DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS>(DCDC_DISABLE_FONT_UPDATE | DCDC_DISABLE_RELAYOUT);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        setControl(child, all, all);
}

void UIDialog::OnDpiChanged(UINT newDpi, const RECT* suggested)
{
    const UINT oldDpi = WindowDpi(m_hWnd);
    if (newDpi != 0 && newDpi != oldDpi) {
        SetWindowDpi(m_hWnd, newDpi);
        // What the windows below scale of their own first; the move below
        // then lays them out at their new sizes.
        NotifyDpiChanged(m_hWnd, newDpi, oldDpi);
        ScaleForDpi(newDpi, oldDpi);
    }
    if (suggested != nullptr)
        SetWindowPos(nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void UIDialog::ScaleForDpi(UINT newDpi, UINT oldDpi)
{
    if (newDpi == 0 || oldDpi == 0)
        return;
    // Sizes are scaled from what they were at the first DPI, so that one
    // change after another does not add up rounding.
    if (m_nFirstDpi == 0) {
        m_nFirstDpi = oldDpi;
        m_firstWindowSize = m_rcFirstWindow.Size();
        if (m_font.GetSafeHandle() != nullptr)
            m_firstFontSize = CSize(m_font.GetLogFont().lfWidth, m_font.GetLogFont().lfHeight);
    }
    const auto scale = [&](LONG value) {
        return ::MulDiv(value, static_cast<int>(newDpi), static_cast<int>(m_nFirstDpi));
    };
    if (m_font.GetSafeHandle() != nullptr) {
        LOGFONTA font = m_font.GetLogFont();
        font.lfHeight = scale(m_firstFontSize.cy);
        font.lfWidth = scale(m_firstFontSize.cx);
        m_bInFontChange = true;
        m_font.ModifyCurrentFont(this, font, true);
        m_bInFontChange = false;
    }
    m_resizer.Scale(newDpi, oldDpi);
    m_rcFirstWindow.right = m_rcFirstWindow.left + scale(m_firstWindowSize.cx);
    m_rcFirstWindow.bottom = m_rcFirstWindow.top + scale(m_firstWindowSize.cy);
}

void UIDialog::OnSize()
{
    if (m_sizeGrip.GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    m_sizeGrip.SetWindowPos(nullptr, client.Width() - kGripSize, client.Height() - kGripSize, kGripSize, kGripSize,
                            SWP_NOZORDER | SWP_SHOWWINDOW);
    m_resizer.Move();
}

LRESULT UIDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == DpiChangedMessage()) {  // a dialog inside one whose DPI changed
        ScaleForDpi(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
        return 0;
    }
    switch (message) {
    case WM_USER:
        return kSignature;
    case WM_CTLCOLORDLG:
        if (!m_bIsTabPage)
            return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brBackground));
        break;
    case WM_NOTIFY: {
        auto* draw = reinterpret_cast<NMTTCUSTOMDRAW*>(lParam);
        if (draw != nullptr && draw->nmcd.hdr.code == NM_CUSTOMDRAW && draw->nmcd.hdr.idFrom == 0) {
            // Tooltips show "&" as a mnemonic underline, as the captions they come from do.
            if (IsToolTip(draw->nmcd.hdr.hwndFrom) && draw->nmcd.dwDrawStage == CDDS_PREPAINT)
                draw->uDrawFlags &= ~static_cast<UINT>(DT_NOPREFIX);
            return CDRF_DODEFAULT;
        }
        break;
    }
    case WM_GETFONT:
        if (m_font.GetSafeHandle() != nullptr)
            return reinterpret_cast<LRESULT>(m_font.GetSafeHandle());
        break;
    case WM_SIZE: {
        const LRESULT result = CBCGPDialog::WindowProc(message, wParam, lParam);
        OnSize();
        return result;
    }
    case WM_GETMINMAXINFO:
        if (m_bLimitMinimumSize) {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {m_rcFirstWindow.Width(), m_rcFirstWindow.Height()};
        }
        break;
    case WM_ACTIVATE:
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        SetWindowDpi(m_hWnd, 0);
        break;
    default:
        break;
    }
    return CBCGPDialog::WindowProc(message, wParam, lParam);
}
