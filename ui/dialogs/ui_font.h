#pragma once

#include "platform/cgdi_objects.h"
#include "platform/cobject.h"

#include <windows.h>

class CWnd;

// A font of its own for a toolkit window (its owner): made from a font
// description and sent to the owner and, on request, to the owner's direct
// children. Errors are not shown; they go to the event-logging hook.
class UIFont : public CObject {
    DECLARE_DYNAMIC(UIFont)
public:
    UIFont();
    ~UIFont() override;
    UIFont(const UIFont&) = delete;
    UIFont& operator=(const UIFont&) = delete;

    // Takes the font of the owner's surroundings (its parent's, else its own,
    // else the system message font), re-creates it and applies it.
    bool Init(CWnd* owner, bool applyToChildren);
    // Creates a font from the given description and applies it.
    bool ModifyCurrentFont(CWnd* owner, const LOGFONTA& logFont, bool applyToChildren);
    // Sends the current font to each direct child of the owner.
    bool ApplyToChildren();

    // WM_SETFONT of a control that keeps this font object of its own, called
    // while the control handles it: a handle that is no font, or a set-font
    // that arrives while the control is handling one (such as this object's
    // own), is ignored and answered 0. Otherwise the control's default
    // handling sets the font and, when `follow`, this object is re-created
    // from it for the control alone; from its own font it is not, as that
    // would delete the font just set. `inFontChange` is the control's guard.
    // Returns the default handling's answer.
    LRESULT FollowSetFont(CWnd* owner, HFONT font, bool& inFontChange, bool follow = true);

    HFONT GetSafeHandle() const { return static_cast<HFONT>(m_font.GetSafeHandle()); }
    CWnd* GetOwner() const { return m_pOwner; }
    const LOGFONTA& GetLogFont() const { return m_logFont; }

    // The language whose font rule applies (Japanese text needs the Shift-JIS
    // character set): the system's default language unless another source is
    // set; null sets the system's again. Returns the previous source.
    using LanguageSource = LANGID (*)();
    static LanguageSource SetLanguageSource(LanguageSource source);

private:
    bool CreateAndApply(const char* creationError, bool applyToChildren);
    static void ApplyJapaneseCharset(LOGFONTA& logFont);

    CFont m_font;
    CWnd* m_pOwner = nullptr;
    LOGFONTA m_logFont;
};
