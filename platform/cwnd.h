#pragma once

#include "platform/cobject.h"
#include "platform/cstring.h"

#include <windows.h>
#include <oaidl.h>

struct IAccessible;

// A window object bound to its HWND. Windows created through CreateEx (and
// dialogs made from a template) are bound by a creation hook before their
// first message, so WM_GETMINMAXINFO, WM_NCCREATE and WM_CREATE reach the
// object; existing windows (dialog items) are bound by subclassing. The
// binding ends at WM_NCDESTROY, after which PostNcDestroy runs.
//
// Set-up: PreSubclassWindow runs once per binding. For an attached window it
// runs right after the binding; for a window the layer creates, once its
// WM_CREATE has succeeded, so the control already answers messages (fonts,
// items). IsBoundAtCreation tells the two cases apart.
//
// Dispatch: derived classes override WindowProc with a switch that calls
// their typed handlers and passes everything else to the base class's
// WindowProc; at the bottom the previous window procedure runs.
//
// Reflection: notifications from child controls (WM_NOTIFY, control
// WM_COMMAND, WM_CTLCOLOR..., WM_DRAWITEM/WM_MEASUREITEM of controls, scroll
// messages of controls) are offered to the child's object first, through its
// OnChildNotify. A child that answers (returns true) answers for its parent,
// whose WindowProc never sees the message; only when the child does not
// answer, or has no object, does the parent handle it. Menu commands and
// owner-drawn menu items are always the parent's own.
//
// Exceptions: none crosses the window procedure. One that a handler lets
// escape ends that message (its result is 0) and is handed to the handler
// exception reporter, so it is seen rather than lost.
class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to the window, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // The bound object, or else a temporary wrapper that lives until the
    // message loop is next idle (DeleteTempMap).
    static CWnd* FromHandle(HWND hwnd);
    static void DeleteTempMap();

    // Creation. A null class name uses the layer's plain window class.
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id, void* createParam = nullptr);
    bool Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                CWnd* parent, UINT id);
    virtual bool DestroyWindow();

    // Binding of existing windows.
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    bool Attach(HWND hwnd);  // bound for FromHandle, receives no messages
    HWND Detach();

    // Message handling.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual bool PreTranslateMessage(MSG* msg);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    // True when the window was bound as it was created (Create, CreateEx, a
    // dialog from its template); false when an existing window was attached.
    bool IsBoundAtCreation() const { return m_bBoundAtCreation; }
    // The message being handled, passed to the previous window procedure.
    LRESULT Default();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Offers msg to PreTranslateMessage of the target window and its parents,
    // up to and including `stop`; true when one of them handled it.
    static bool WalkPreTranslateTree(HWND stop, MSG* msg);

    // Common calls.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    void SetWindowText(const char* text);
    CString GetWindowText() const;
    bool ShowWindow(int showCommand);
    bool IsWindowVisible() const;
    bool EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const RECT& rect, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    void Invalidate(bool erase = true);
    void UpdateWindow();
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void SetFont(HFONT font, bool redraw = true);
    HFONT GetFont() const;
    HWND SetFocus();
    HMENU GetSystemMenu(bool revert) const;
    HICON SetIcon(HICON icon, bool big);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    bool KillTimer(UINT_PTR id);

    // The layer's plain window class, registered on first use.
    static const char* DefaultClassName();

    // Accessibility: once enabled, WM_GETOBJECT for the client area is
    // answered with the platform's standard accessible object of the window,
    // whose child count, children, name, role, state and value come from the
    // virtuals below, for the window itself (CHILDID_SELF) and for its child
    // ids; by default they give the standard object's answers. A window that
    // reports items of its own as children answers get_accChildCount with
    // their number and get_accChild with S_FALSE: they are simple elements
    // with ids 1..n.
    void EnableActiveAccessibility();
    virtual HRESULT get_accChildCount(LONG* count);
    virtual HRESULT get_accChild(VARIANT child, IDispatch** object);
    virtual HRESULT get_accName(VARIANT child, BSTR* name);
    virtual HRESULT get_accRole(VARIANT child, VARIANT* role);
    virtual HRESULT get_accState(VARIANT child, VARIANT* state);
    virtual HRESULT get_accValue(VARIANT child, BSTR* value);

    // Receives the text of an exception that a handler let escape.
    using HandlerExceptionReporter = void (*)(const char* what);
    // Installs a reporter (null: the default, which writes to the debugger
    // output); returns the previous one. Test executables install one that
    // fails the running test.
    static HandlerExceptionReporter SetHandlerExceptionReporter(HandlerExceptionReporter reporter);

protected:
    WNDPROC m_pfnSuper = nullptr;  // previous window procedure, called by Default

    // Hook-based binding used by CreateEx and by dialogs.
    static void HookWindowCreate(CWnd* window);
    static bool UnhookWindowCreate();

private:
    bool Bind(HWND hwnd);
    void Unbind();
    void ReleaseAccessible();
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StandardWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    static bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    bool m_bBoundAtCreation = false;
    bool m_bSetUpPending = false;  // created window whose PreSubclassWindow waits for WM_CREATE
    bool m_bActiveAccessibility = false;
    IAccessible* m_pStdObject = nullptr;  // the standard accessible object, made on first request
};
