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
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kChoicesRoom = 4;

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

// The elements the loader reacts to, told apart once per tag.
enum class Element { Other, Root, Property, Attrib, Desc, RegKey, RegItem, Reset, Value, Versions };

Element ElementNamed(std::u16string_view name)
{
    static constexpr std::pair<std::u16string_view, Element> kElements[] = {
        {u"Attrib", Element::Attrib}, {u"Desc", Element::Desc},     {u"RegKey", Element::RegKey},
        {u"RegItem", Element::RegItem}, {u"Value", Element::Value}, {u"Reset", Element::Reset},
        {u"Property", Element::Property}, {u"Versions", Element::Versions},
        {u"Quorvelin_Properties", Element::Root},
    };
    for (const auto& [elementName, element] : kElements) {
        if (elementName == name)
            return element;
    }
    return Element::Other;
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

    Element m_element = Element::Other;  // E: the element whose text may follow
    CString m_elementName;         // E's name, kept for a listener only
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
    std::vector<const CObject*> owned;
    for (int p = 0; p < m_collection->GetPropertyCount(); ++p)
        owned.push_back(m_collection->GetProperty(p));
    for (const auto [property, attribute] : m_collection->Attributes())
        owned.push_back(attribute);
    std::sort(owned.begin(), owned.end());
    const auto isOwned = [&owned](const CObject* object) {
        return std::binary_search(owned.begin(), owned.end(), object);
    };
    // An attribute added to a property that was dropped belongs to nobody.
    for (CPropertyAttributes* attribute : m_createdAttributes) {
        if (!isOwned(attribute))
            delete attribute;
    }
    for (CQuorvelinProperty* property : m_createdProperties) {
        if (!isOwned(property))
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
            if (!GetValue(reader, nullptr))  // fetched, not kept
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
    m_element = ElementNamed(std::u16string_view(text, length));
    if (m_listener != nullptr)
        m_elementName = Narrow(text, length);
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
    if (value != nullptr)
        *value = Narrow(text, length);
    return true;
}

bool CDefinitionFileReader::OnStartTag(xml::XmlReader* reader)
{
    const CDefinitionLocation where = m_listener != nullptr ? LocationOf(*reader) : CDefinitionLocation{};
    const bool emptyElement = reader->IsEmptyElement();
    if (!GetTagName(reader))
        return false;
    m_elementEnded = false;
    if (m_element == Element::Root || m_element == Element::Property) {
        // A previous property that was never added is abandoned.
        m_property = new CQuorvelinProperty;
        m_createdProperties.push_back(m_property);
    }
    if (m_element == Element::Attrib) {
        m_attribute = new CPropertyAttributes;
        m_createdAttributes.push_back(m_attribute);
    }
    const int result = ReadElementAttributes(m_collection, reader, m_property, m_attribute, m_listener);
    if (result < 0) {
        PrintFailure(m_output, "Error writing attributes, error is %08.8lx", result);
        return false;
    }
    if (m_listener != nullptr)
        m_listener->OnStartTag(m_elementName, emptyElement, m_property, m_attribute, where);
    if (m_element == Element::Root) {
        m_collection->m_strName = m_property->m_strName;
        m_property = nullptr;  // deleted with the other unadded objects
    }
    return true;
}

bool CDefinitionFileReader::OnEndTag(xml::XmlReader* reader)
{
    const CDefinitionLocation where = m_listener != nullptr ? LocationOf(*reader) : CDefinitionLocation{};
    if (!GetTagName(reader))
        return false;
    // The end tag, not the parent, now names the text that may follow.
    m_elementEnded = true;
    if (m_element == Element::Property && m_property != nullptr) {
        if (m_property->m_strName != m_lastName) {
            m_collection->AddProperty(m_property);
            m_lastName = m_property->m_strName;
            if (m_listener != nullptr)
                m_listener->OnPropertyAdded(m_property, where);
        } else if (m_listener != nullptr) {
            m_listener->OnPropertyDropped(m_property, m_lastName, where);
        }
    } else if (m_element == Element::Attrib) {
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
    CPropertyAttributes* attribute = m_attribute;
    CString* field = nullptr;  // the attribute's text that E names
    if (attribute != nullptr) {
        switch (m_element) {
        case Element::Attrib: field = &attribute->m_strName; break;
        case Element::Desc: field = &attribute->m_strDesc; break;
        case Element::RegKey: field = &attribute->m_strRegKey; break;
        case Element::RegItem: field = &attribute->m_strRegItem; break;
        case Element::Reset: field = &attribute->m_strReset; break;
        default: break;
        }
    }
    const bool taken = field != nullptr || m_element == Element::Versions ||
                       (m_element == Element::Value && attribute != nullptr);
    // Fetched even when ignored: a failure to fetch ends the loading.
    CString text;
    if (!GetValue(reader, taken ? &text : nullptr))
        return false;
    if (!taken)
        return true;
    if (m_listener != nullptr)
        m_listener->OnText(m_elementName, text, m_elementEnded, attribute, LocationOf(*reader));
    if (m_element == Element::Versions) {
        m_collection->m_versions.Add(text);
    } else if (m_element == Element::Value) {
        CStringArray& values = attribute->m_control.m_values;
        if (values.IsEmpty()) {
            // Room for the usual few choices at once: the array keeps its
            // room when it shrinks.
            values.SetSize(kChoicesRoom);
            values.SetSize(0);
        }
        values.Add(text);
    } else {
        *field = std::move(text);
        if (m_element == Element::Attrib)
            field->Trim();  // the label, unlike the other texts
    }
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
            // Valid until the reader moves: GetValue leaves it alone.
            const std::u16string_view name(text, length);
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
                if (!collection->AcceptId(attribute->m_nId)) {
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
