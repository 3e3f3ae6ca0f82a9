#include "platform/cwnd.h"

#include "platform/text_conversion.h"
#include "platform/window_accessible.h"

#include <oleacc.h>

#include <memory>
#include <string>
#include <unordered_map>

IMPLEMENT_DYNAMIC(CWnd, CObject)

namespace {

// Window objects are bound per thread, as windows belong to their thread.
thread_local std::unordered_map<HWND, CWnd*> t_boundWindows;
thread_local std::unordered_map<HWND, std::unique_ptr<CWnd>> t_temporaryWindows;

// The object waiting for its window during CreateEx, and the hook that binds it.
thread_local CWnd* t_windowBeingCreated = nullptr;
thread_local HHOOK t_creationHook = nullptr;

// The message each nesting level is handling, for Default().
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage t_currentMessage{};

void WriteToDebugOutput(const char* what)
{
    OutputDebugStringA(what);
}

CWnd::HandlerExceptionReporter g_pfnHandlerExceptionReporter = &WriteToDebugOutput;

bool IsReflectedControlMessage(UINT message, WPARAM wParam, LPARAM lParam, HWND* child, HWND parent)
{
    switch (message) {
    case WM_NOTIFY:
        *child = lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        return *child != nullptr;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        *child = reinterpret_cast<HWND>(lParam);
        return *child != nullptr;
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        *child = draw != nullptr && draw->CtlType != ODT_MENU ? draw->hwndItem : nullptr;
        return *child != nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        *child = measure != nullptr && measure->CtlType != ODT_MENU
                     ? GetDlgItem(parent, static_cast<int>(measure->CtlID))
                     : nullptr;
        return *child != nullptr;
    }
    default:
        (void)wParam;
        return false;
    }
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        // Still bound: the object goes before its window, so the window goes too.
        DestroyWindow();
    }
    if (m_hWnd != nullptr)
        Unbind();
    ReleaseAccessible();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    const auto found = t_boundWindows.find(hwnd);
    return found != t_boundWindows.end() ? found->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (hwnd == nullptr)
        return nullptr;
    if (CWnd* bound = FromHandlePermanent(hwnd))
        return bound;
    auto& temporary = t_temporaryWindows[hwnd];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = hwnd;
    }
    return temporary.get();
}

void CWnd::DeleteTempMap()
{
    for (auto& entry : t_temporaryWindows)
        entry.second->m_hWnd = nullptr;  // a wrapper never destroys a window it does not own
    t_temporaryWindows.clear();
}

const char* CWnd::DefaultClassName()
{
    static const char kName[] = "KacWindow";
    static const bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kName;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
    return kName;
}

bool CWnd::Bind(HWND hwnd)
{
    if (hwnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hwnd) != nullptr)
        return false;
    m_hWnd = hwnd;
    t_boundWindows[hwnd] = this;
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StandardWindowProc)));
    m_pfnSuper = previous;
    return true;
}

void CWnd::Unbind()
{
    if (m_hWnd == nullptr)
        return;
    ReleaseAccessible();
    m_bBoundAtCreation = false;
    m_bSetUpPending = false;
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    // Restore only when nobody subclassed on top of us meanwhile.
    if (current == &CWnd::StandardWindowProc && m_pfnSuper != nullptr)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    const auto found = t_boundWindows.find(m_hWnd);
    if (found != t_boundWindows.end() && found->second == this)
        t_boundWindows.erase(found);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_windowBeingCreated != nullptr) {
        CWnd* window = t_windowBeingCreated;
        t_windowBeingCreated = nullptr;  // only the first window of the creation is ours
        if (window->Bind(reinterpret_cast<HWND>(wParam))) {
            window->m_bBoundAtCreation = true;
            window->m_bSetUpPending = true;
        }
    }
    return CallNextHookEx(t_creationHook, code, wParam, lParam);
}

void CWnd::HookWindowCreate(CWnd* window)
{
    if (t_creationHook == nullptr)
        t_creationHook = SetWindowsHookExA(WH_CBT, &CWnd::CreationHook, nullptr, GetCurrentThreadId());
    t_windowBeingCreated = window;
}

bool CWnd::UnhookWindowCreate()
{
    const bool bound = t_windowBeingCreated == nullptr;
    t_windowBeingCreated = nullptr;
    if (t_creationHook != nullptr) {
        UnhookWindowsHookEx(t_creationHook);
        t_creationHook = nullptr;
    }
    return bound;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* createParam)
{
    if (m_hWnd != nullptr)
        return false;
    HookWindowCreate(this);
    const HWND hwnd = CreateWindowExA(exStyle, className != nullptr ? className : DefaultClassName(),
                                      windowName, style, rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, parent != nullptr ? parent->m_hWnd : nullptr,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                      GetModuleHandleA(nullptr), createParam);
    UnhookWindowCreate();
    if (hwnd == nullptr) {
        // A window that failed during WM_NCCREATE/WM_CREATE was destroyed and unbound.
        if (m_hWnd != nullptr)
            Unbind();
        return false;
    }
    return m_hWnd == hwnd;
}

bool CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

bool CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (!IsWindow(hwnd) || !Bind(hwnd))
        return false;
    PreSubclassWindow();
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (parent == nullptr || parent->m_hWnd == nullptr)
        return false;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    const HWND hwnd = m_hWnd;
    Unbind();
    return hwnd;
}

bool CWnd::Attach(HWND hwnd)
{
    if (hwnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hwnd) != nullptr)
        return false;
    m_hWnd = hwnd;
    t_boundWindows[hwnd] = this;
    return true;
}

HWND CWnd::Detach()
{
    const HWND hwnd = m_hWnd;
    const auto found = t_boundWindows.find(hwnd);
    if (found != t_boundWindows.end() && found->second == this)
        t_boundWindows.erase(found);
    m_hWnd = nullptr;
    return hwnd;
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = FromHandlePermanent(hwnd);
    if (window == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);

    const CurrentMessage outer = t_currentMessage;
    t_currentMessage = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = window->Dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        // Nothing may unwind through the system's window procedure caller.
        g_pfnHandlerExceptionReporter(error.what());
    } catch (...) {
        g_pfnHandlerExceptionReporter("unexpected exception in a window procedure");
    }
    t_currentMessage = outer;

    if (message == WM_NCDESTROY && FromHandlePermanent(hwnd) == window) {
        window->Unbind();
        window->PostNcDestroy();  // may delete the object
    }
    return result;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT reflected = 0;
    if (ReflectToChild(m_hWnd, message, wParam, lParam, &reflected))
        return reflected;
    const LRESULT result = WindowProc(message, wParam, lParam);
    if (message == WM_CREATE && m_bSetUpPending) {
        m_bSetUpPending = false;
        if (result != -1)
            PreSubclassWindow();
    }
    return result;
}

bool CWnd::ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    HWND childHandle = nullptr;
    if (!IsReflectedControlMessage(message, wParam, lParam, &childHandle, parent) || childHandle == parent)
        return false;
    CWnd* child = FromHandlePermanent(childHandle);
    return child != nullptr && child->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT && m_bActiveAccessibility) {
        const LRESULT answer = OnGetObject(wParam, lParam);
        if (answer > 0)
            return answer;
    }
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return false;
}

bool CWnd::PreTranslateMessage(MSG*)
{
    return false;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_currentMessage.message, t_currentMessage.wParam, t_currentMessage.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd != nullptr; hwnd = GetAncestor(hwnd, GA_PARENT)) {
        CWnd* window = FromHandlePermanent(hwnd);
        if (window != nullptr && window->PreTranslateMessage(msg))
            return true;
        if (hwnd == stop)
            break;
    }
    return false;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam) != FALSE;
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::SetWindowText(const char* text)
{
    ::SetWindowTextW(m_hWnd, WideFromNarrow(text).c_str());
}

CString CWnd::GetWindowText() const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0)
        return CString();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    return NarrowFromWide(text.c_str(), copied);
}

bool CWnd::ShowWindow(int showCommand) { return ::ShowWindow(m_hWnd, showCommand) != FALSE; }
bool CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
bool CWnd::EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable) != FALSE; }
bool CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(const RECT& rect, bool repaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags) != FALSE;
}

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::ScreenToClient(POINT* point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(RECT* rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::ClientToScreen(RECT* rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::Invalidate(bool erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }

namespace {
bool ModifyWindowLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return false;
    ::SetWindowLongPtrA(hwnd, index, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return true;
}
}  // namespace

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

void CWnd::SetFont(HFONT font, bool redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

HWND CWnd::SetFocus() { return ::SetFocus(m_hWnd); }
HMENU CWnd::GetSystemMenu(bool revert) const { return ::GetSystemMenu(m_hWnd, revert); }

HICON CWnd::SetIcon(HICON icon, bool big)
{
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) { return ::SetTimer(m_hWnd, id, elapseMs, nullptr); }
bool CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id) != FALSE; }

CWnd::HandlerExceptionReporter CWnd::SetHandlerExceptionReporter(HandlerExceptionReporter reporter)
{
    const HandlerExceptionReporter previous = g_pfnHandlerExceptionReporter;
    g_pfnHandlerExceptionReporter = reporter != nullptr ? reporter : &WriteToDebugOutput;
    return previous;
}

void CWnd::EnableActiveAccessibility()
{
    m_bActiveAccessibility = true;
}

LRESULT CWnd::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    if (m_pStdObject == nullptr) {
        void* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(m_hWnd, OBJID_CLIENT, kIIDAccessible, &standard)))
            return 0;
        m_pStdObject = static_cast<IAccessible*>(standard);
    }
    IAccessible* answer = CreateWindowAccessible(m_hWnd, m_pStdObject);
    const LRESULT result = LresultFromObject(kIIDAccessible, wParam, answer);
    answer->Release();
    return result;  // negative (an error) lets the default answer
}

void CWnd::ReleaseAccessible()
{
    if (m_pStdObject != nullptr) {
        m_pStdObject->Release();
        m_pStdObject = nullptr;
    }
}

HRESULT CWnd::get_accChildCount(LONG* count)
{
    return m_pStdObject != nullptr ? m_pStdObject->get_accChildCount(count) : E_NOTIMPL;
}

HRESULT CWnd::get_accChild(VARIANT child, IDispatch** object)
{
    return m_pStdObject != nullptr ? m_pStdObject->get_accChild(child, object) : E_NOTIMPL;
}

HRESULT CWnd::get_accName(VARIANT child, BSTR* name)
{
    return m_pStdObject != nullptr ? m_pStdObject->get_accName(child, name) : E_NOTIMPL;
}

HRESULT CWnd::get_accRole(VARIANT child, VARIANT* role)
{
    return m_pStdObject != nullptr ? m_pStdObject->get_accRole(child, role) : E_NOTIMPL;
}

HRESULT CWnd::get_accState(VARIANT child, VARIANT* state)
{
    return m_pStdObject != nullptr ? m_pStdObject->get_accState(child, state) : E_NOTIMPL;
}

HRESULT CWnd::get_accValue(VARIANT child, BSTR* value)
{
    return m_pStdObject != nullptr ? m_pStdObject->get_accValue(child, value) : E_NOTIMPL;
}
