#pragma once

#include "editor/definition_load_listener.h"
#include "editor/property_collection.h"
#include "platform/cstring.h"

#include <map>
#include <string>
#include <vector>

// Something in a definition file that the loader drops without a word, or
// that will surprise at run time.
struct CCheckWarning {
    unsigned line = 0;
    unsigned column = 0;
    CString text;
};

// Loads a definition file with the program's own loader and collects what the
// program would print and show, the model, and the warnings for its author.
class CDefinitionCheck : public CDefinitionLoadListener {
public:
    CDefinitionCheck() = default;
    CDefinitionCheck(const CDefinitionCheck&) = delete;
    CDefinitionCheck& operator=(const CDefinitionCheck&) = delete;

    void Run(const CString& path);

    // 0 clean, 1 warnings only, 2 nothing usable (no property).
    int ExitStatus() const;

    bool m_bLoaded = false;
    CPropertyCollection m_collection;
    std::vector<CString> m_diagnostics;  // as printed, without line breaks
    std::vector<CString> m_messages;     // texts of the boxes the program shows
    std::vector<CCheckWarning> m_warnings;

private:
    void PrintDiagnostic(const CString& text, bool lineBreak) override;
    void ShowDuplicateIdBox(const CString& text) override;
    void OnStartTag(const CString& name, bool emptyElement, CQuorvelinProperty* property,
                    CPropertyAttributes* attribute, CDefinitionLocation where) override;
    void OnXmlAttribute(const CString& element, const CString& name, const CString& value,
                        CQuorvelinProperty* property, CPropertyAttributes* attribute,
                        CDefinitionLocation where) override;
    void OnDuplicateId(CPropertyAttributes* attribute, int id, const CStringArray& skipped,
                       CDefinitionLocation where) override;
    void OnPropertyDropped(CQuorvelinProperty* property, const CString& lastName, CDefinitionLocation where) override;
    void OnAttributeOutsideProperty(CPropertyAttributes* attribute, CDefinitionLocation where) override;
    void OnText(const CString& element, const CString& text, bool afterEndTag, CPropertyAttributes* attribute,
                CDefinitionLocation where) override;
    void OnReadStopped(long result, CDefinitionLocation where) override;

    void Warn(CDefinitionLocation where, const CString& text);
    void CheckModel();
    void CheckAttribute(const CPropertyAttributes& attribute, bool first, bool shownInGrid);

    std::map<const CPropertyAttributes*, CDefinitionLocation> m_attributeStarts;
    CDefinitionLocation m_lastStart;
    bool m_failureExplained = false;
};
