#include "ui/dialogs/ui_font.h"

#include "platform/cwnd.h"
#include "ui/dialogs/event_log_hook.h"

IMPLEMENT_DYNAMIC(UIFont, CObject)

namespace {

LANGID SystemDefaultLanguage()
{
    return GetSystemDefaultLangID();
}

UIFont::LanguageSource g_pfnLanguageSource = &SystemDefaultLanguage;

constexpr LANGID kPrimaryLanguageMask = 0x3FF;
constexpr LANGID kJapanese = 0x11;

// The font a window answers to WM_GETFONT, read into `logFont`; false when
// the window has none.
bool ReadWindowFont(HWND hwnd, LOGFONTA* logFont)
{
    if (hwnd == nullptr)
        return false;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    return font != nullptr && GetObjectA(font, sizeof(LOGFONTA), logFont) == sizeof(LOGFONTA);
}

}  // namespace

UIFont::UIFont() : m_logFont{} {}

UIFont::~UIFont() = default;  // m_font deletes the font

UIFont::LanguageSource UIFont::SetLanguageSource(LanguageSource source)
{
    const LanguageSource previous = g_pfnLanguageSource;
    g_pfnLanguageSource = source != nullptr ? source : &SystemDefaultLanguage;
    return previous;
}

void UIFont::ApplyJapaneseCharset(LOGFONTA& logFont)
{
    // Japanese text needs the Shift-JIS character set whatever the source font says.
    if ((g_pfnLanguageSource() & kPrimaryLanguageMask) == kJapanese && logFont.lfCharSet != SHIFTJIS_CHARSET)
        logFont.lfCharSet = SHIFTJIS_CHARSET;
}

bool UIFont::Init(CWnd* owner, bool applyToChildren)
{
    if (owner == nullptr) {
        UIEventLogHook::Log("UIFont::Init () received null owner pointer.");
        return false;
    }
    if (const HWND desktop = GetDesktopWindow()) {
        const HDC dc = GetDC(desktop);
        if (dc == nullptr)
            UIEventLogHook::Log("UIFont::Init () Invalid Desktop DC.");
        else
            ReleaseDC(desktop, dc);
    }
    m_pOwner = owner;

    LOGFONTA logFont{};
    const HWND parent = ::GetParent(owner->GetSafeHwnd());
    if (ReadWindowFont(parent, &logFont) || ReadWindowFont(owner->GetSafeHwnd(), &logFont)) {
        // The face and size of the surroundings, in whatever character set the text needs.
        logFont.lfCharSet = DEFAULT_CHARSET;
        ApplyJapaneseCharset(logFont);
    } else {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof metrics;
        if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            UIEventLogHook::Log("UIFont::Init () error getting NONCLIENTMETRICS.");
            return false;
        }
        logFont = metrics.lfMessageFont;  // the system's own choice, taken as it is
    }
    m_logFont = logFont;
    return CreateAndApply("UIFont::Init () could not create font from LOGFONT.", applyToChildren);
}

bool UIFont::ModifyCurrentFont(CWnd* owner, const LOGFONTA& logFont, bool applyToChildren)
{
    if (owner == nullptr) {
        UIEventLogHook::Log("UIFont::ModifyCurrentFont () received null owner pointer.");
        return false;
    }
    m_pOwner = owner;
    m_logFont = logFont;
    ApplyJapaneseCharset(m_logFont);
    return CreateAndApply("UIFont::ModifyCurrentFont () could not create font from LOGFONT.", applyToChildren);
}

bool UIFont::CreateAndApply(const char* creationError, bool applyToChildren)
{
    // The old font goes before the new one is made; when making it fails, the
    // object is left without a font and the owner keeps what it was last sent.
    m_font.DeleteObject();
    if (!m_font.CreateFontIndirect(&m_logFont)) {
        UIEventLogHook::Log(creationError);
        return false;
    }
    m_pOwner->SetFont(GetSafeHandle(), true);
    if (applyToChildren)
        ApplyToChildren();
    return true;
}

bool UIFont::ApplyToChildren()
{
    if (m_pOwner == nullptr)
        return false;
    for (HWND child = GetWindow(m_pOwner->GetSafeHwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetSafeHandle()), TRUE);
    }
    return true;
}

LRESULT UIFont::FollowSetFont(CWnd* owner, HFONT font, bool& inFontChange, bool follow)
{
    if (owner == nullptr || GetObjectType(font) != OBJ_FONT || inFontChange)
        return 0;
    inFontChange = true;
    const LRESULT result = owner->Default();
    LOGFONTA logFont{};
    if (follow && font != GetSafeHandle() && GetObjectA(font, sizeof logFont, &logFont) == sizeof logFont)
        ModifyCurrentFont(owner, logFont, false);
    inFontChange = false;
    return result;
}
