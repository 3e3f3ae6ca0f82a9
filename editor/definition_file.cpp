// Reading the property definition file into the property collection.
#include "editor/definition_file.h"

#include "editor/cell_kind.h"
#include "editor/decimal_number.h"
#include "editor/definition_load_listener.h"
#include "editor/property_collection.h"
#include "platform/istream_byte_source.h"
#include "platform/module_path.h"
#include "platform/text_conversion.h"
#include "xml/xml_reader.h"
#include "resources/resource.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

// Where the loader's output goes: the listener's, or else the program's own.
CDefinitionLoadListener& OutputOf(CDefinitionLoadListener* listener)
{
    static CDefinitionLoadListener programOutput;
    return listener != nullptr ? *listener : programOutput;
}

// Every failing step prints its text with the result as eight hex digits.
void PrintFailure(CDefinitionLoadListener& output, const char* format, long result)
{
    CString text;
    text.Format(format, static_cast<unsigned long>(result));
    output.PrintDiagnostic(text, false);
}

CString Narrow(const char16_t* text, std::uint32_t length)
{
    return NarrowFromWide(reinterpret_cast<const wchar_t*>(text), static_cast<int>(length));
}

CDefinitionLocation LocationOf(const xml::XmlReader& reader)
{
    std::uint32_t line = 0;
    std::uint32_t column = 0;
    reader.GetLineNumber(&line);
    reader.GetLinePosition(&column);
    return {line, column};
}

// Names of the XML attributes after the one the reader is on.
CStringArray RemainingAttributeNames(xml::XmlReader* reader)
{
    CStringArray names;
    while (reader->MoveToNextAttribute() == xml::result::Ok) {
        const char16_t* name = nullptr;
        std::uint32_t length = 0;
        if (xml::Failed(reader->GetLocalName(&name, &length)))
            break;
        names.Add(Narrow(name, length));
    }
    return names;
}

// The reading of one file: the reader's state and what it created.
class CDefinitionFileReader {
public:
    CDefinitionFileReader(CPropertyCollection* collection, CDefinitionLoadListener* listener)
        : m_collection(collection), m_listener(listener), m_output(OutputOf(listener)) {}
    CDefinitionFileReader(const CDefinitionFileReader&) = delete;
    CDefinitionFileReader& operator=(const CDefinitionFileReader&) = delete;
    ~CDefinitionFileReader();

    bool Load(const std::wstring& path);

private:
    bool ReadNodes(xml::XmlReader* reader);
    bool OnStartTag(xml::XmlReader* reader);
    bool OnEndTag(xml::XmlReader* reader);
    bool OnText(xml::XmlReader* reader);
    bool GetTagName(xml::XmlReader* reader);
    bool GetValue(xml::XmlReader* reader, CString* value);

    CPropertyCollection* m_collection;
    CDefinitionLoadListener* m_listener;  // told each step, when given
    CDefinitionLoadListener& m_output;    // prints and shows

    std::u16string m_element;      // E: the element whose text may follow
    bool m_elementEnded = false;   // E was set by an end tag
    CQuorvelinProperty* m_property = nullptr;     // P
    CPropertyAttributes* m_attribute = nullptr;   // A
    CString m_lastName;            // L: name of the property added last

    // Everything created here; what the collection never took is deleted at
    // the end (nothing refers to it any more).
    std::vector<CQuorvelinProperty*> m_createdProperties;
    std::vector<CPropertyAttributes*> m_createdAttributes;
};

CDefinitionFileReader::~CDefinitionFileReader()
{
    std::unordered_set<const CObject*> owned;
    for (int p = 0; p < m_collection->GetPropertyCount(); ++p)
        owned.insert(m_collection->GetProperty(p));
    for (const auto [property, attribute] : m_collection->Attributes())
        owned.insert(attribute);
    // An attribute added to a property that was dropped belongs to nobody.
    for (CPropertyAttributes* attribute : m_createdAttributes) {
        if (owned.count(attribute) == 0)
            delete attribute;
    }
    for (CQuorvelinProperty* property : m_createdProperties) {
        if (owned.count(property) == 0)
            delete property;
    }
}

bool CDefinitionFileReader::Load(const std::wstring& path)
{
    IStream* stream = nullptr;
    HRESULT hr = SHCreateStreamOnFileEx(path.c_str(), STGM_READ, FILE_ATTRIBUTE_NORMAL, FALSE, nullptr, &stream);
    if (FAILED(hr)) {
        PrintFailure(m_output, "Error creating file reader, error is %08.8lx", hr);
        return false;
    }
    IStreamByteSource source(stream);
    bool result = false;
    std::unique_ptr<xml::XmlReader> reader(new (std::nothrow) xml::XmlReader);
    if (!reader) {
        PrintFailure(m_output, "Error creating xml reader, error is %08.8lx", E_OUTOFMEMORY);
    } else if (xml::XmlResult r = reader->SetProperty(xml::XmlReaderProperty::DtdProcessing,
                                                      static_cast<std::intptr_t>(xml::DtdProcessing::Prohibit));
               xml::Failed(r)) {
        PrintFailure(m_output, "Error setting XmlReaderProperty_DtdProcessing, error is %08.8lx", r);
    } else if (r = reader->SetInput(&source); xml::Failed(r)) {
        PrintFailure(m_output, "Error setting input for reader, error is %08.8lx", r);
    } else {
        result = ReadNodes(reader.get());
        reader->SetInput(nullptr);
    }
    reader.reset();
    stream->Release();
    return result;
}

bool CDefinitionFileReader::ReadNodes(xml::XmlReader* reader)
{
    xml::XmlNodeType type = xml::XmlNodeType::None;
    xml::XmlResult hr = xml::result::Ok;
    while ((hr = reader->Read(&type)) == xml::result::Ok) {
        CString value;
        switch (type) {
        case xml::XmlNodeType::Element:
            if (!OnStartTag(reader))
                return false;
            break;
        case xml::XmlNodeType::EndElement:
            if (!OnEndTag(reader))
                return false;
            break;
        case xml::XmlNodeType::Text:
            if (!OnText(reader))
                return false;
            break;
        case xml::XmlNodeType::CData:
            if (!GetValue(reader, &value))
                return false;
            m_output.PrintDiagnostic("CDATA: " + value, true);
            break;
        case xml::XmlNodeType::ProcessingInstruction: {
            const char16_t* name = nullptr;
            std::uint32_t length = 0;
            if (const xml::XmlResult r = reader->GetLocalName(&name, &length); xml::Failed(r)) {
                PrintFailure(m_output, "Error getting name, error is %08.8lx", r);
                return false;
            }
            const CString target = Narrow(name, length);
            if (!GetValue(reader, &value))
                return false;
            m_output.PrintDiagnostic("Processing Instruction name:" + target + " value:" + value, true);
            break;
        }
        case xml::XmlNodeType::Comment:
            if (!GetValue(reader, &value))
                return false;
            m_output.PrintDiagnostic("Comment: " + value, true);
            break;
        case xml::XmlNodeType::Whitespace:
            if (!GetValue(reader, &value))
                return false;
            break;
        default:
            break;
        }
    }
    // A malformed document is not reported: what was completed stays.
    if (xml::Failed(hr) && m_listener != nullptr)
        m_listener->OnReadStopped(hr, LocationOf(*reader));
    return true;
}

bool CDefinitionFileReader::GetTagName(xml::XmlReader* reader)
{
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    if (const xml::XmlResult r = reader->GetPrefix(&text, &length); xml::Failed(r)) {
        PrintFailure(m_output, "Error getting prefix, error is %08.8lx", r);
        return false;
    }
    if (const xml::XmlResult r = reader->GetLocalName(&text, &length); xml::Failed(r)) {
        PrintFailure(m_output, "Error getting local name, error is %08.8lx", r);
        return false;
    }
    m_element.assign(text, length);
    return true;
}

bool CDefinitionFileReader::GetValue(xml::XmlReader* reader, CString* value)
{
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    if (const xml::XmlResult r = reader->GetValue(&text, &length); xml::Failed(r)) {
        PrintFailure(m_output, "Error getting value, error is %08.8lx", r);
        return false;
    }
    *value = Narrow(text, length);
    return true;
}

bool CDefinitionFileReader::OnStartTag(xml::XmlReader* reader)
{
    const CDefinitionLocation where = LocationOf(*reader);
    const bool emptyElement = reader->IsEmptyElement();
    if (!GetTagName(reader))
        return false;
    m_elementEnded = false;
    const bool isRoot = m_element == u"Quorvelin_Properties";
    if (isRoot || m_element == u"Property") {
        // A previous property that was never added is abandoned.
        m_property = new CQuorvelinProperty;
        m_createdProperties.push_back(m_property);
    }
    if (m_element == u"Attrib") {
        m_attribute = new CPropertyAttributes;
        m_createdAttributes.push_back(m_attribute);
    }
    const int result = ReadElementAttributes(m_collection, reader, m_property, m_attribute, m_listener);
    if (result < 0) {
        PrintFailure(m_output, "Error writing attributes, error is %08.8lx", result);
        return false;
    }
    if (m_listener != nullptr)
        m_listener->OnStartTag(Narrow(m_element.data(), static_cast<std::uint32_t>(m_element.size())), emptyElement,
                               m_property, m_attribute, where);
    if (isRoot) {
        m_collection->m_strName = m_property->m_strName;
        m_property = nullptr;  // deleted with the other unadded objects
    }
    return true;
}

bool CDefinitionFileReader::OnEndTag(xml::XmlReader* reader)
{
    const CDefinitionLocation where = LocationOf(*reader);
    if (!GetTagName(reader))
        return false;
    // The end tag, not the parent, now names the text that may follow.
    m_elementEnded = true;
    if (m_element == u"Property" && m_property != nullptr) {
        if (m_property->m_strName != m_lastName) {
            m_collection->AddProperty(m_property);
            m_lastName = m_property->m_strName;
            if (m_listener != nullptr)
                m_listener->OnPropertyAdded(m_property, where);
        } else if (m_listener != nullptr) {
            m_listener->OnPropertyDropped(m_property, m_lastName, where);
        }
    } else if (m_element == u"Attrib") {
        if (m_property != nullptr) {
            m_property->AddAttribute(m_attribute);
            if (m_listener != nullptr)
                m_listener->OnAttributeAdded(m_property, m_attribute, where);
        } else if (m_listener != nullptr) {
            m_listener->OnAttributeOutsideProperty(m_attribute, where);
        }
    }
    return true;
}

bool CDefinitionFileReader::OnText(xml::XmlReader* reader)
{
    const CDefinitionLocation where = LocationOf(*reader);
    CString text;
    if (!GetValue(reader, &text))
        return false;
    CPropertyAttributes* attribute = m_attribute;
    bool taken = true;
    if (m_element == u"Versions") {
        m_collection->m_versions.Add(text);
    } else if (attribute == nullptr) {
        taken = false;
    } else if (m_element == u"Attrib") {
        attribute->m_strName = text;
        attribute->m_strName.Trim();
    } else if (m_element == u"Desc") {
        attribute->m_strDesc = text;
    } else if (m_element == u"RegKey") {
        attribute->m_strRegKey = text;
    } else if (m_element == u"RegItem") {
        attribute->m_strRegItem = text;
    } else if (m_element == u"Reset") {
        attribute->m_strReset = text;
    } else if (m_element == u"Value") {
        attribute->m_control.m_values.Add(text);
    } else {
        taken = false;
    }
    if (taken && m_listener != nullptr)
        m_listener->OnText(Narrow(m_element.data(), static_cast<std::uint32_t>(m_element.size())), text,
                           m_elementEnded, attribute, where);
    return true;
}

}  // namespace

CString DefinitionFilePath()
{
    return AfxGetModuleFolder() + "\\kestadvconfig.xml";
}

int ReadElementAttributes(CPropertyCollection* collection, xml::XmlReader* reader, CQuorvelinProperty* property,
                          CPropertyAttributes* attribute, CDefinitionLoadListener* listener)
{
    CDefinitionLoadListener& output = OutputOf(listener);
    CString element;
    if (listener != nullptr) {
        const char16_t* name = nullptr;
        std::uint32_t length = 0;
        if (!xml::Failed(reader->GetLocalName(&name, &length)))
            element = Narrow(name, length);
    }
    xml::XmlResult hr = reader->MoveToFirstAttribute();
    if (hr == xml::result::NothingToMoveTo)
        return 1;
    if (xml::Failed(hr)) {
        PrintFailure(output, "Error moving to first attribute, error is %08.8lx", hr);
        return -1;
    }
    for (;;) {
        if (!reader->IsDefault()) {
            const char16_t* text = nullptr;
            std::uint32_t length = 0;
            if (hr = reader->GetPrefix(&text, &length); xml::Failed(hr)) {
                PrintFailure(output, "Error getting prefix, error is %08.8lx", hr);
                return -1;
            }
            if (hr = reader->GetLocalName(&text, &length); xml::Failed(hr)) {
                PrintFailure(output, "Error getting local name, error is %08.8lx", hr);
                return -1;
            }
            const std::u16string name(text, length);
            if (hr = reader->GetValue(&text, &length); xml::Failed(hr)) {
                PrintFailure(output, "Error getting value, error is %08.8lx", hr);
                return -1;
            }
            const CString value = Narrow(text, length);
            if (listener != nullptr)
                listener->OnXmlAttribute(element, Narrow(name.data(), static_cast<std::uint32_t>(name.size())),
                                         value, property, attribute, LocationOf(*reader));
            if (name == u"Name") {
                if (property != nullptr)
                    property->m_strName = value;
            } else if (name == u"KxISW") {
                if (property != nullptr)
                    property->m_bKxISW = value != "false";
            } else if (name == u"Default") {
                // "Default", "Id" and "Type" belong to the attribute started
                // last in the file, on whatever element they stand.
                if (attribute == nullptr)
                    return -1;
                attribute->m_nDefault = DecimalNumber(value);
                attribute->m_nValue = attribute->m_nDefault;
            } else if (name == u"Id") {
                if (attribute == nullptr)
                    return -1;
                attribute->m_nId = DecimalNumber(value);
                // A plain scan of the contiguous list: thousands of Ids take
                // milliseconds, and the list stays the one record of them.
                const int* ids = collection->m_ids.GetData();
                const int* idsEnd = ids + collection->m_ids.GetSize();
                if (std::find(ids, idsEnd, attribute->m_nId) != idsEnd) {
                    const CDefinitionLocation where = LocationOf(*reader);
                    CString idText;
                    idText.Format("%d", attribute->m_nId);
                    CString format;
                    format.LoadString(IDS_DUPLICATE_ATTRIBUTE_ID);
                    CString message;
                    message.Format(format, idText.GetString());
                    output.ShowDuplicateIdBox(message);
                    // The rest of the element's XML attributes stay unread.
                    if (listener != nullptr)
                        listener->OnDuplicateId(attribute, attribute->m_nId, RemainingAttributeNames(reader), where);
                    return 1;
                }
                collection->m_ids.Add(attribute->m_nId);
            } else if (name == u"Type") {
                if (attribute == nullptr)
                    return -1;
                attribute->m_control.m_nType = CellKindFromName(value);
            }
        }
        if (reader->MoveToNextAttribute() != xml::result::Ok)
            break;
    }
    return hr;
}

bool CPropertyCollection::LoadDefinitionFile()
{
    return LoadDefinitionFile(DefinitionFilePath());
}

bool CPropertyCollection::LoadDefinitionFile(const CString& path, CDefinitionLoadListener* listener)
{
    CDefinitionFileReader reader(this, listener);
    return reader.Load(WideFromNarrow(path));
}
