#include "platform/window_accessible.h"

#include "platform/cwnd.h"

#include <oleacc.h>

#include <new>

const IID kIIDAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

namespace {

// Forwards every call to the standard object except child count, children,
// name, role, state and value, which the window object answers. The window is looked up at each call, so a
// client that keeps the object longer than the window gets the standard
// answers.
class WindowAccessible : public IAccessible {
public:
    WindowAccessible(HWND window, IAccessible* standard) : m_hWnd(window), m_pStandard(standard)
    {
        m_pStandard->AddRef();
    }
    virtual ~WindowAccessible() { m_pStandard->Release(); }
    WindowAccessible(const WindowAccessible&) = delete;
    WindowAccessible& operator=(const WindowAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIIDAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_pStandard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return m_pStandard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return m_pStandard->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override
    {
        return m_pStandard->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
    }

    // IAccessible: what the window object answers
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (role == nullptr)
            return E_POINTER;
        return Ask([&](CWnd& window) { return window.get_accRole(child, role); },
                   [&] { return m_pStandard->get_accRole(child, role); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (state == nullptr)
            return E_POINTER;
        return Ask([&](CWnd& window) { return window.get_accState(child, state); },
                   [&] { return m_pStandard->get_accState(child, state); });
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        if (count == nullptr)
            return E_POINTER;
        return Ask([&](CWnd& window) { return window.get_accChildCount(count); },
                   [&] { return m_pStandard->get_accChildCount(count); });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        *object = nullptr;
        return Ask([&](CWnd& window) { return window.get_accChild(child, object); },
                   [&] { return m_pStandard->get_accChild(child, object); });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (name == nullptr)
            return E_POINTER;
        return Ask([&](CWnd& window) { return window.get_accName(child, name); },
                   [&] { return m_pStandard->get_accName(child, name); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        if (value == nullptr)
            return E_POINTER;
        *value = nullptr;
        return Ask([&](CWnd& window) { return window.get_accValue(child, value); },
                   [&] { return m_pStandard->get_accValue(child, value); });
    }
    // IAccessible: everything else from the standard object
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return m_pStandard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return m_pStandard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return m_pStandard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return m_pStandard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return m_pStandard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return m_pStandard->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return m_pStandard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return m_pStandard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return m_pStandard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return m_pStandard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return m_pStandard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return m_pStandard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_pStandard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_pStandard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_pStandard->put_accValue(child, value);
    }

private:
    // The window object's answer while the window is bound, else the standard
    // object's. An exception (a text that could not be made) ends the call
    // with an error: none may reach the client's marshalling code.
    template <typename FromWindow, typename FromStandard>
    HRESULT Ask(FromWindow fromWindow, FromStandard fromStandard) const
    {
        CWnd* window = CWnd::FromHandlePermanent(m_hWnd);
        if (window == nullptr)
            return fromStandard();
        try {
            return fromWindow(*window);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }

    LONG m_references = 1;
    HWND m_hWnd;
    IAccessible* m_pStandard;
};

}  // namespace

IAccessible* CreateWindowAccessible(HWND window, IAccessible* standard)
{
    return new WindowAccessible(window, standard);
}

LONG AccessibleChildId(const VARIANT& child, LONG count)
{
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > count)
        return -1;
    return child.lVal;
}

HRESULT AccessibleText(const char* text, BSTR* answer)
{
    *answer = nullptr;
    const int length = text != nullptr ? MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0) : 0;
    if (length <= 1)
        return S_FALSE;  // no text: no string, as the standard objects answer
    *answer = SysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (*answer == nullptr)
        return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text, -1, *answer, length);
    return S_OK;
}

HRESULT AccessibleNumber(LONG number, VARIANT* answer)
{
    VariantInit(answer);
    answer->vt = VT_I4;
    answer->lVal = number;
    return S_OK;
}
