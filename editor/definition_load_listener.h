#pragma once

#include "platform/cstring.h"
#include "platform/cstring_array.h"

class CQuorvelinProperty;
class CPropertyAttributes;

// Where a node or an XML attribute starts in the definition file (1-based).
struct CDefinitionLocation {
    unsigned line = 0;
    unsigned column = 0;
};

// Told what the loader does with the file, step by step, so a checking tool
// can explain what the program makes of it. The loader behaves the same with
// or without a listener. The pointers are the loader's objects; those never
// added to the collection are deleted when loading ends.
class CDefinitionLoadListener {
public:
    virtual ~CDefinitionLoadListener() = default;

    // The loader's output. By default the program's: its diagnostics ("Error
    // creating file reader, error is 80070002", "Comment: ...") go to standard
    // output, where the GUI user never sees them, and the text of string 113
    // shows in a message box with the error icon. lineBreak tells whether the
    // text ends its line. A checking tool records both instead.
    virtual void PrintDiagnostic(const CString& text, bool lineBreak);
    virtual void ShowDuplicateIdBox(const CString& text);

    // A start tag after its XML attributes were read; property and attribute
    // are the current ones then (a new attribute for "Attrib").
    virtual void OnStartTag(const CString& /*name*/, bool /*emptyElement*/, CQuorvelinProperty* /*property*/,
                            CPropertyAttributes* /*attribute*/, CDefinitionLocation) {}
    // An XML attribute about to be taken, on the element `element`.
    virtual void OnXmlAttribute(const CString& /*element*/, const CString& /*name*/, const CString& /*value*/,
                                CQuorvelinProperty* /*property*/, CPropertyAttributes* /*attribute*/,
                                CDefinitionLocation) {}
    // The Id was seen before: the box was shown and `skipped` names the XML
    // attributes after it on the element, which were not read.
    virtual void OnDuplicateId(CPropertyAttributes* /*attribute*/, int /*id*/, const CStringArray& /*skipped*/,
                               CDefinitionLocation) {}
    virtual void OnPropertyAdded(CQuorvelinProperty* /*property*/, CDefinitionLocation) {}
    // Its name equals the name of the property added last (or both are empty).
    virtual void OnPropertyDropped(CQuorvelinProperty* /*property*/, const CString& /*lastName*/,
                                   CDefinitionLocation) {}
    virtual void OnAttributeAdded(CQuorvelinProperty* /*property*/, CPropertyAttributes* /*attribute*/,
                                  CDefinitionLocation) {}
    // An "Attrib" end tag while no property is current.
    virtual void OnAttributeOutsideProperty(CPropertyAttributes* /*attribute*/, CDefinitionLocation) {}
    // Text taken for `element`; afterEndTag when `element` is the end tag that
    // came just before the text rather than the element holding it.
    virtual void OnText(const CString& /*element*/, const CString& /*text*/, bool /*afterEndTag*/,
                        CPropertyAttributes* /*attribute*/, CDefinitionLocation) {}
    // Read gave an error (not the end of input): reading stopped there.
    virtual void OnReadStopped(long /*result*/, CDefinitionLocation) {}
};
