#include "xml/xml_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string_view>

namespace xml {
namespace {

constexpr std::u16string_view kXmlNamespace = u"http://www.w3.org/XML/1998/namespace";
constexpr std::u16string_view kXmlnsNamespace = u"http://www.w3.org/2000/xmlns/";

std::uint64_t HashOf(std::u16string_view text) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (char16_t c : text) {
        hash = (hash ^ c) * 1099511628211u;
    }
    return hash;
}

struct ResultName {
    XmlResult value;
    const char* name;
};

#define XML_RESULT_NAME(name) ResultName{result::name, #name}
constexpr std::array kResultNames = {
    XML_RESULT_NAME(Ok),
    XML_RESULT_NAME(EndOfInput),
    XML_RESULT_NAME(Unexpected),
    XML_RESULT_NAME(InputFailed),
    XML_RESULT_NAME(InvalidArgument),
    XML_RESULT_NAME(OutOfMemory),
    XML_RESULT_NAME(UnexpectedEnd),
    XML_RESULT_NAME(UnknownEncoding),
    XML_RESULT_NAME(EncodingMismatch),
    XML_RESULT_NAME(UnknownSignature),
    XML_RESULT_NAME(MissingWhitespace),
    XML_RESULT_NAME(MissingSemicolon),
    XML_RESULT_NAME(MissingGreaterThan),
    XML_RESULT_NAME(MissingQuote),
    XML_RESULT_NAME(MissingEquals),
    XML_RESULT_NAME(LessThanInAttribute),
    XML_RESULT_NAME(BadHexDigit),
    XML_RESULT_NAME(BadDigit),
    XML_RESULT_NAME(IllegalCharacter),
    XML_RESULT_NAME(BadNameCharacter),
    XML_RESULT_NAME(Syntax),
    XML_RESULT_NAME(BadCdataStart),
    XML_RESULT_NAME(BadComment),
    XML_RESULT_NAME(MultipleRoots),
    XML_RESULT_NAME(EndTagMismatch),
    XML_RESULT_NAME(DuplicateAttribute),
    XML_RESULT_NAME(ReservedPiTarget),
    XML_RESULT_NAME(BadXmlDeclaration),
    XML_RESULT_NAME(BadEncodingName),
    XML_RESULT_NAME(UndeclaredEntity),
    XML_RESULT_NAME(BadProcessingInstruction),
    XML_RESULT_NAME(CdataEndInText),
    XML_RESULT_NAME(DtdProhibited),
    XML_RESULT_NAME(BadQualifiedNameStart),
    XML_RESULT_NAME(BadQualifiedNameColon),
    XML_RESULT_NAME(ColonInName),
    XML_RESULT_NAME(UndeclaredPrefix),
    XML_RESULT_NAME(EmptyNamespaceUri),
    XML_RESULT_NAME(XmlPrefixReserved),
    XML_RESULT_NAME(XmlnsPrefixReserved),
    XML_RESULT_NAME(XmlUriReserved),
    XML_RESULT_NAME(XmlnsUriReserved),
    XML_RESULT_NAME(InvalidByteSequence),
};
#undef XML_RESULT_NAME

bool IsXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsSpace(char32_t c) { return c == 0x20 || c == 0x9 || c == 0xA || c == 0xD; }

bool IsNameStartChar(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ':' || c == '_' ||
           (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
           (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) ||
           (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
           (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
    return IsNameStartChar(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool IsAsciiNameStart(std::uint8_t byte) { return IsAsciiLetter(byte) || byte == '_' || byte == ':'; }

bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int DigitValue(char32_t c, bool hexadecimal) {
    if (c >= '0' && c <= '9') {
        return static_cast<int>(c - '0');
    }
    if (hexadecimal && c >= 'a' && c <= 'f') {
        return static_cast<int>(c - 'a' + 10);
    }
    if (hexadecimal && c >= 'A' && c <= 'F') {
        return static_cast<int>(c - 'A' + 10);
    }
    return -1;
}

void AppendUtf16(std::u16string* out, char32_t c) {
    if (c < 0x10000) {
        out->push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out->push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out->push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

char32_t FirstCodePoint(std::u16string_view text) {
    if (text.size() >= 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF) {
        return 0x10000 + ((static_cast<char32_t>(text[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(text[1]) - 0xDC00);
    }
    return text.empty() ? 0 : text[0];
}

bool EqualsIgnoringAsciiCase(std::u16string_view text, std::u16string_view lowerCase) {
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t lower = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        if (lower != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

bool IsVersionNumber(std::u16string_view value) {
    if (value.size() < 3 || value[0] != u'1' || value[1] != u'.') {
        return false;
    }
    for (std::size_t i = 2; i < value.size(); ++i) {
        if (!IsAsciiDigit(value[i])) {
            return false;
        }
    }
    return true;
}

bool IsEncodingName(std::u16string_view value) {
    if (value.empty() || !IsAsciiLetter(value[0])) {
        return false;
    }
    for (char16_t c : value) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != u'.' && c != u'_' && c != u'-') {
            return false;
        }
    }
    return true;
}

bool IsUtf16(XmlEncoding encoding) {
    return encoding == XmlEncoding::Utf16LittleEndian || encoding == XmlEncoding::Utf16BigEndian;
}

// Bytes that runs of each construct take in one go. Each set leaves out
// whatever its construct must look at character by character: markup, the
// end of the construct, and CR, which becomes a line feed. Constructs that
// take any other character also take the lead bytes of two-byte UTF-8
// sequences (0xC2 to 0xDF), whose characters need no check.
template <typename Predicate>
constexpr RunSet RunSetOf(Predicate accepts, bool twoByteSequences = true) {
    RunSet set{};
    for (char32_t c = 0; c < 128; ++c) {
        if (((c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n') && accepts(c)) {
            set[c] = c == '\n' ? RunByte::LineFeed : RunByte::Plain;
        }
    }
    for (std::size_t lead = 0xC2; lead <= 0xDF && twoByteSequences; ++lead) {
        set[lead] = RunByte::TwoByteLead;
    }
    return set;
}

constexpr auto kTextRun = RunSetOf([](char32_t c) { return c != '<' && c != '&' && c != ']' && c != '>'; });
constexpr auto kSingleQuotedRun = RunSetOf(
    [](char32_t c) { return c != '\'' && c != '<' && c != '&' && c != '\t' && c != '\n'; });
constexpr auto kDoubleQuotedRun = RunSetOf(
    [](char32_t c) { return c != '"' && c != '<' && c != '&' && c != '\t' && c != '\n'; });
constexpr auto kNameRun = RunSetOf(
    [](char32_t c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':' ||
               c == '-' || c == '.';
    },
    false);
constexpr auto kCommentRun = RunSetOf([](char32_t c) { return c != '-'; });
constexpr auto kCDataRun = RunSetOf([](char32_t c) { return c != ']' && c != '>'; });
constexpr auto kWhitespaceRun = RunSetOf([](char32_t c) { return c == ' ' || c == '\t' || c == '\n'; }, false);

}  // namespace

const char* XmlResultName(XmlResult value) {
    for (const ResultName& entry : kResultNames) {
        if (entry.value == value) {
            return entry.name;
        }
    }
    return "Unknown";
}

// ---------------------------------------------------------------------------
// Interface

XmlResult XmlReader::Create(std::unique_ptr<XmlReader>* reader) {
    if (reader == nullptr) {
        return result::InvalidArgument;
    }
    reader->reset(new (std::nothrow) XmlReader());
    return *reader != nullptr ? result::Ok : result::OutOfMemory;
}

XmlResult XmlReader::SetProperty(XmlReaderProperty property, std::intptr_t value) {
    if (property == XmlReaderProperty::DtdProcessing &&
        value == static_cast<std::intptr_t>(DtdProcessing::Prohibit)) {
        return result::Ok;
    }
    return result::InvalidArgument;
}

XmlResult XmlReader::SetInput(XmlByteSource* source) {
    Reset();
    m_source = source;
    return result::Ok;
}

XmlResult XmlReader::Read(XmlNodeType* nodeType) {
    if (nodeType != nullptr) {
        *nodeType = XmlNodeType::None;
    }
    if (Failed(m_error)) {
        return m_error;
    }
    if (m_source == nullptr) {
        return result::Unexpected;
    }
    if (m_phase == Phase::Finished) {
        return result::EndOfInput;
    }
    XmlResult outcome = result::Ok;
    try {
        outcome = ReadNode();
    } catch (const std::bad_alloc&) {
        outcome = Fail(result::OutOfMemory);
    } catch (const std::length_error&) {
        outcome = Fail(result::OutOfMemory);
    } catch (...) {
        outcome = Fail(result::Unexpected);  // only the byte source could throw anything else
    }
    // A bad byte or a failed read seen while looking ahead ends the document
    // there, even when the node in hand looked complete.
    if (m_inputError != result::Ok) {
        outcome = m_inputError;
        m_errorAt = m_inputErrorAt;
    }
    if (Failed(outcome)) {
        m_error = outcome;
        m_nodeType = XmlNodeType::None;
        m_nodeAt = m_errorAt;
        m_prefix.clear();
        m_localName.clear();
        m_value.clear();
        m_emptyElement = false;
        m_attributeCount = 0;
        m_currentAttribute = kNoAttribute;
        return outcome;
    }
    if (nodeType != nullptr) {
        *nodeType = m_nodeType;
    }
    return outcome;
}

XmlResult XmlReader::GetNodeType(XmlNodeType* nodeType) const {
    if (nodeType == nullptr) {
        return result::InvalidArgument;
    }
    *nodeType = CurrentAttribute() != nullptr ? XmlNodeType::Attribute : m_nodeType;
    return result::Ok;
}

namespace {

XmlResult GiveString(const std::u16string& text, const char16_t** out, std::uint32_t* length) {
    if (out == nullptr) {
        return result::InvalidArgument;
    }
    *out = text.c_str();
    if (length != nullptr) {
        *length = static_cast<std::uint32_t>(text.size());
    }
    return result::Ok;
}

}  // namespace

XmlResult XmlReader::GetPrefix(const char16_t** prefix, std::uint32_t* length) const {
    const Attribute* attribute = CurrentAttribute();
    return GiveString(attribute != nullptr ? attribute->prefix : m_prefix, prefix, length);
}

XmlResult XmlReader::GetLocalName(const char16_t** localName, std::uint32_t* length) const {
    const Attribute* attribute = CurrentAttribute();
    return GiveString(attribute != nullptr ? attribute->localName : m_localName, localName, length);
}

XmlResult XmlReader::GetValue(const char16_t** value, std::uint32_t* length) const {
    const Attribute* attribute = CurrentAttribute();
    return GiveString(attribute != nullptr ? attribute->value : m_value, value, length);
}

XmlResult XmlReader::MoveToFirstAttribute() {
    if (m_attributeCount == 0) {
        return result::NothingToMoveTo;
    }
    m_currentAttribute = 0;
    return result::Ok;
}

XmlResult XmlReader::MoveToNextAttribute() {
    if (m_currentAttribute == kNoAttribute) {
        return MoveToFirstAttribute();
    }
    if (m_currentAttribute + 1 >= m_attributeCount) {
        return result::NothingToMoveTo;
    }
    ++m_currentAttribute;
    return result::Ok;
}

XmlResult XmlReader::MoveToElement() {
    if (m_currentAttribute == kNoAttribute) {
        return result::NothingToMoveTo;
    }
    m_currentAttribute = kNoAttribute;
    return result::Ok;
}

bool XmlReader::IsDefault() const { return false; }

bool XmlReader::IsEmptyElement() const {
    return m_currentAttribute == kNoAttribute && m_nodeType == XmlNodeType::Element && m_emptyElement;
}

XmlResult XmlReader::GetLineNumber(std::uint32_t* lineNumber) const {
    if (lineNumber == nullptr) {
        return result::InvalidArgument;
    }
    const Attribute* attribute = CurrentAttribute();
    *lineNumber = attribute != nullptr ? attribute->line : m_nodeAt.line;
    return result::Ok;
}

XmlResult XmlReader::GetLinePosition(std::uint32_t* linePosition) const {
    if (linePosition == nullptr) {
        return result::InvalidArgument;
    }
    const Attribute* attribute = CurrentAttribute();
    *linePosition = attribute != nullptr ? attribute->position : m_nodeAt.position;
    return result::Ok;
}

const XmlReader::Attribute* XmlReader::CurrentAttribute() const {
    return m_currentAttribute == kNoAttribute ? nullptr : &m_attributes[m_currentAttribute];
}

void XmlReader::Reset() {
    m_source = nullptr;
    m_byteBegin = 0;
    m_byteEnd = 0;
    m_sourceEnded = false;
    m_sourceFailed = false;
    m_encoding = XmlEncoding::Utf8;
    m_byteOrderMark = false;
    m_peeked = 0;
    m_hasPeeked = false;
    m_next = Location{};
    m_inputError = result::Ok;
    m_inputErrorAt = Location{};
    m_phase = Phase::BeforeFirstNode;
    m_error = result::Ok;
    m_errorAt = Location{};
    m_openNames.clear();
    m_openNameStarts.clear();
    m_nodeType = XmlNodeType::None;
    m_nodeAt = Location{};
    m_prefix.clear();
    m_localName.clear();
    m_value.clear();
    m_emptyElement = false;
    m_attributeCount = 0;
    m_currentAttribute = kNoAttribute;
    m_namespaces.clear();
    m_declarations.clear();
    ForgetSeenNames();
}

XmlResult XmlReader::Fail(XmlResult error) { return FailAt(error, m_next); }

XmlResult XmlReader::FailAt(XmlResult error, Location where) {
    m_errorAt = where;
    return error;
}

// ---------------------------------------------------------------------------
// Input

// Tops the buffer up to at least wanted bytes unless the input ends first. A
// failed read counts as the end of the bytes; the bytes already buffered are
// still read, and running out of them then reports the failure.
void XmlReader::FillBytes(std::size_t wanted) {
    if (m_byteEnd - m_byteBegin >= wanted || m_sourceEnded) {
        return;
    }
    const std::size_t kept = m_byteEnd - m_byteBegin;
    std::memmove(m_bytes.data(), m_bytes.data() + m_byteBegin, kept);
    m_byteBegin = 0;
    m_byteEnd = kept;
    while (m_byteEnd < wanted && !m_sourceEnded) {
        const std::size_t room = m_bytes.size() - m_byteEnd;
        std::size_t got = 0;
        if (!m_source->Read(m_bytes.data() + m_byteEnd, room, &got) || got > room) {
            m_sourceFailed = true;
            m_sourceEnded = true;
            return;
        }
        m_sourceEnded = got == 0;
        m_byteEnd += got;
    }
}

XmlResult XmlReader::DetectEncoding() {
    FillBytes(4);
    const std::uint8_t* bytes = m_bytes.data() + m_byteBegin;
    const std::size_t available = m_byteEnd - m_byteBegin;
    auto startsWith = [&](std::initializer_list<std::uint8_t> signature) {
        return available >= signature.size() &&
               std::memcmp(bytes, signature.begin(), signature.size()) == 0;
    };
    // UTF-32 and UTF-16 without a byte-order mark: recognisable, not supported.
    if (startsWith({0x00, 0x00, 0xFE, 0xFF}) || startsWith({0xFF, 0xFE, 0x00, 0x00}) ||
        startsWith({0x00, 0x00, 0x00, 0x3C}) || startsWith({0x3C, 0x00, 0x00, 0x00}) ||
        startsWith({0x00, 0x3C, 0x00, 0x3F}) || startsWith({0x3C, 0x00, 0x3F, 0x00})) {
        return Fail(result::UnknownSignature);
    }
    if (startsWith({0xEF, 0xBB, 0xBF})) {
        m_byteBegin += 3;
        m_byteOrderMark = true;
    } else if (startsWith({0xFE, 0xFF})) {
        m_byteBegin += 2;
        m_byteOrderMark = true;
        m_encoding = XmlEncoding::Utf16BigEndian;
    } else if (startsWith({0xFF, 0xFE})) {
        m_byteBegin += 2;
        m_byteOrderMark = true;
        m_encoding = XmlEncoding::Utf16LittleEndian;
    }
    return result::Ok;
}

// Decodes one character, turning CR LF and a lone CR into LF. Returns
// kEndOfInput at the end and after an input error, which it records with the
// place of the offending character.
char32_t XmlReader::DecodeNextChar() {
    if (m_inputError != result::Ok) {
        return kEndOfInput;
    }
    // Most characters of a definition file are ASCII in an encoding that keeps
    // ASCII as it is: they skip the general decoder and the buffer check.
    if (m_byteBegin < m_byteEnd && !IsUtf16(m_encoding)) {
        const std::uint8_t byte = m_bytes[m_byteBegin];
        if ((byte >= 0x20 && byte < 0x80) || byte == '\t' || byte == '\n') {
            ++m_byteBegin;
            return byte;
        }
    }
    auto failInput = [this](XmlResult error) {
        m_inputError = error;
        m_inputErrorAt = m_next;
        return kEndOfInput;
    };
    FillBytes(4);
    const std::size_t available = m_byteEnd - m_byteBegin;
    if (available == 0) {
        return m_sourceFailed ? failInput(result::InputFailed) : kEndOfInput;
    }
    char32_t c = 0;
    std::size_t length = 0;
    if (!DecodeXmlChar(m_encoding, m_bytes.data() + m_byteBegin, available, &c, &length)) {
        // A sequence cut short by a failed read is the read's fault.
        const bool cutShort = m_sourceFailed && available < 4;
        return failInput(cutShort ? result::InputFailed : result::InvalidByteSequence);
    }
    m_byteBegin += length;
    if (c == '\r') {
        FillBytes(4);
        char32_t following = 0;
        if (m_byteBegin != m_byteEnd &&
            DecodeXmlChar(m_encoding, m_bytes.data() + m_byteBegin, m_byteEnd - m_byteBegin,
                          &following, &length) &&
            following == '\n') {
            m_byteBegin += length;
        }
        c = '\n';
    }
    if (!IsXmlChar(c)) {
        return failInput(result::IllegalCharacter);
    }
    return c;
}

char32_t XmlReader::Peek() {
    if (!m_hasPeeked) {
        m_peeked = DecodeNextChar();
        m_hasPeeked = true;
    }
    return m_peeked;
}

void XmlReader::Next() {
    const char32_t c = Peek();
    if (c == kEndOfInput) {
        return;
    }
    m_hasPeeked = false;
    if (c == '\n') {
        if (m_next.line != UINT32_MAX) {
            ++m_next.line;
        }
        m_next.position = 1;
    } else {
        const std::uint32_t units = c >= 0x10000 ? 2 : 1;
        m_next.position = m_next.position <= UINT32_MAX - units ? m_next.position + units : UINT32_MAX;
    }
}

std::size_t XmlReader::TakeRun(const RunSet& accepted, std::u16string* out) {
    if (m_hasPeeked || m_inputError != result::Ok || IsUtf16(m_encoding)) {
        return 0;
    }
    // Most runs are plain ASCII that ends inside the buffer, on the line it
    // started: taken here, without the line feed, sequence and refill
    // bookkeeping of the general pass.
    const std::uint8_t* begin = m_bytes.data() + m_byteBegin;
    const std::uint8_t* end = m_bytes.data() + m_byteEnd;
    const std::uint8_t* at = begin;
    while (at != end && accepted[*at] == RunByte::Plain) {
        ++at;
    }
    if (at == end || accepted[*at] != RunByte::Stop) {
        return TakeRunAcrossLines(accepted, out, static_cast<std::size_t>(at - begin));
    }
    const auto count = static_cast<std::size_t>(at - begin);
    if (out != nullptr && count != 0) {
        const std::size_t size = out->size();
        out->resize(size + count);
        std::copy(begin, at, out->data() + size);
    }
    m_next.position = count <= UINT32_MAX - m_next.position ? m_next.position + static_cast<std::uint32_t>(count)
                                                            : UINT32_MAX;
    m_byteBegin += count;
    return count;
}

std::size_t XmlReader::TakeRunAcrossLines(const RunSet& accepted, std::u16string* out, std::size_t plainBytes) {
    const bool utf8 = m_encoding == XmlEncoding::Utf8;
    std::size_t taken = 0;
    for (;;) {
        const std::uint8_t* begin = m_bytes.data() + m_byteBegin;
        const std::uint8_t* end = m_bytes.data() + m_byteEnd;
        const std::uint8_t* at = begin + plainBytes;
        plainBytes = 0;
        const std::uint8_t* lineStart = nullptr;  // after the last line feed taken
        std::uint32_t lineFeeds = 0;
        std::size_t trailBytes = 0;        // second bytes of two-byte sequences
        std::size_t trailBytesOnLine = 0;  // of them, those after lineStart
        for (;;) {
            while (at != end && accepted[*at] == RunByte::Plain) {
                ++at;
            }
            if (at == end) {
                break;
            }
            if (accepted[*at] == RunByte::LineFeed) {
                ++lineFeeds;
                lineStart = ++at;
                trailBytesOnLine = 0;
            } else if (accepted[*at] == RunByte::TwoByteLead && utf8 && end - at >= 2 && (at[1] & 0xC0) == 0x80) {
                at += 2;
                ++trailBytes;
                ++trailBytesOnLine;
            } else {
                break;  // not taken; or another encoding, or a sequence cut by the buffer's end
            }
        }
        const auto count = static_cast<std::size_t>(at - begin);
        if (out != nullptr && count != 0) {
            const std::size_t size = out->size();
            out->resize(size + count - trailBytes);
            char16_t* to = out->data() + size;
            if (trailBytes == 0) {
                std::copy(begin, at, to);
            } else {
                for (const std::uint8_t* byte = begin; byte != at;) {
                    if (*byte < 0x80) {
                        *to++ = *byte++;
                    } else {
                        *to++ = static_cast<char16_t>((byte[0] & 0x1F) << 6 | (byte[1] & 0x3F));
                        byte += 2;
                    }
                }
            }
        }
        // Lines and positions as Next would count them, saturating alike.
        if (lineFeeds != 0) {
            m_next.line = m_next.line <= UINT32_MAX - lineFeeds ? m_next.line + lineFeeds : UINT32_MAX;
            m_next.position = 1;
        }
        const std::size_t sinceLineStart =
            static_cast<std::size_t>(at - (lineStart != nullptr ? lineStart : begin)) - trailBytesOnLine;
        m_next.position = sinceLineStart <= UINT32_MAX - m_next.position
                              ? m_next.position + static_cast<std::uint32_t>(sinceLineStart)
                              : UINT32_MAX;
        m_byteBegin += count;
        taken += count;
        if (at != end) {
            return taken;
        }
        FillBytes(4);
        if (m_byteBegin == m_byteEnd) {
            return taken;
        }
    }
}

bool XmlReader::SkipWhitespace() {
    bool skipped = TakeRun(kWhitespaceRun, nullptr) != 0;
    while (IsSpace(Peek())) {
        Next();
        skipped = true;
    }
    return skipped;
}

bool XmlReader::Accept(char32_t expected) {
    if (Peek() != expected) {
        return false;
    }
    Next();
    return true;
}

XmlResult XmlReader::Expect(char32_t expected, XmlResult error) {
    if (Accept(expected)) {
        return result::Ok;
    }
    return Fail(Peek() == kEndOfInput ? result::UnexpectedEnd : error);
}

XmlResult XmlReader::ExpectWord(std::u16string_view word, XmlResult error) {
    for (char16_t c : word) {
        if (XmlResult outcome = Expect(c, error); Failed(outcome)) {
            return outcome;
        }
    }
    return result::Ok;
}

// ---------------------------------------------------------------------------
// Grammar

XmlResult XmlReader::ReadNode() {
    EndNamespaceScopes();
    m_nodeType = XmlNodeType::None;
    m_prefix.clear();
    m_localName.clear();
    m_value.clear();
    m_emptyElement = false;
    m_attributeCount = 0;
    m_currentAttribute = kNoAttribute;

    const bool atDocumentStart = m_phase == Phase::BeforeFirstNode;
    if (atDocumentStart) {
        if (XmlResult outcome = DetectEncoding(); Failed(outcome)) {
            return outcome;
        }
        m_phase = Phase::BeforeRoot;
    }
    m_nodeAt = m_next;
    const char32_t c = Peek();
    if (c == kEndOfInput) {
        if (m_phase != Phase::AfterRoot) {
            return Fail(result::UnexpectedEnd);  // no root element, or elements left open
        }
        m_phase = Phase::Finished;
        return result::EndOfInput;
    }
    if (c == '<') {
        Next();
        return ReadMarkup(atDocumentStart);
    }
    return ReadCharacterData();
}

XmlResult XmlReader::ReadName(std::u16string* name) {
    name->clear();
    // Nearly every name starts with an ASCII letter, '_' or ':', one byte in
    // every encoding read here but UTF-16: such a name is taken as one run
    // from that byte, which is given back first when it was peeked. Otherwise
    // the first character is decoded and checked on its own.
    bool asciiStart = false;
    if (!IsUtf16(m_encoding) && m_inputError == result::Ok) {
        if (m_hasPeeked) {
            asciiStart = m_peeked < 0x80 && IsAsciiNameStart(static_cast<std::uint8_t>(m_peeked));
            if (asciiStart) {
                m_hasPeeked = false;
                --m_byteBegin;
            }
        } else {
            asciiStart = m_byteBegin < m_byteEnd && IsAsciiNameStart(m_bytes[m_byteBegin]);
        }
    }
    if (!asciiStart || TakeRun(kNameRun, name) == 0) {
        const char32_t c = Peek();
        if (c == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        if (!IsNameStartChar(c)) {
            return Fail(result::BadNameCharacter);
        }
        AppendUtf16(name, c);
        Next();
        TakeRun(kNameRun, name);
    }
    // Where the run stopped, an ASCII character goes on the name only when
    // the run set holds it (the run stopped at the buffer's end).
    for (char32_t c = Peek(); c < 0x80 ? kNameRun[c] == RunByte::Plain : IsNameChar(c); c = Peek()) {
        AppendUtf16(name, c);
        Next();
        TakeRun(kNameRun, name);
    }
    return result::Ok;
}

// Reads a name into localName and splits it at its colon: the prefix before
// it, the local name after it. Names without a prefix, most of a document's,
// are read in place and never copied.
XmlResult XmlReader::ReadQualifiedName(std::u16string* prefix, std::u16string* localName) {
    const Location start = m_next;
    if (XmlResult outcome = ReadName(localName); Failed(outcome)) {
        return outcome;
    }
    const std::size_t colon = localName->find(u':');
    if (colon == std::u16string::npos) {
        prefix->clear();
        return result::Ok;
    }
    if (colon == 0 || colon + 1 == localName->size() ||
        localName->find(u':', colon + 1) != std::u16string::npos) {
        return FailAt(result::BadQualifiedNameColon, start);
    }
    prefix->assign(*localName, 0, colon);
    localName->erase(0, colon + 1);
    if (!IsNameStartChar(FirstCodePoint(*localName))) {
        return FailAt(result::BadQualifiedNameStart, start);
    }
    return result::Ok;
}

XmlResult XmlReader::ReadReference(std::u16string* out) {
    const Location start = m_next;
    Next();  // '&'
    if (Accept('#')) {
        const bool hexadecimal = Accept('x');
        char32_t value = 0;
        std::size_t digits = 0;
        for (int digit = DigitValue(Peek(), hexadecimal); digit >= 0;
             digit = DigitValue(Peek(), hexadecimal)) {
            // Saturate just above the last code point: still out of range, never overflows.
            value = std::min<char32_t>(value * (hexadecimal ? 16 : 10) + static_cast<char32_t>(digit),
                                       0x110000);
            ++digits;
            Next();
        }
        if (digits == 0) {
            return Fail(Peek() == kEndOfInput ? result::UnexpectedEnd
                        : hexadecimal         ? result::BadHexDigit
                                              : result::BadDigit);
        }
        if (XmlResult outcome = Expect(';', result::MissingSemicolon); Failed(outcome)) {
            return outcome;
        }
        if (!IsXmlChar(value)) {
            return FailAt(result::IllegalCharacter, start);
        }
        AppendUtf16(out, value);
        return result::Ok;
    }
    if (XmlResult outcome = ReadName(&m_referenceName); Failed(outcome)) {
        return outcome;
    }
    if (XmlResult outcome = Expect(';', result::MissingSemicolon); Failed(outcome)) {
        return outcome;
    }
    static constexpr std::array<std::pair<std::u16string_view, char16_t>, 5> kPredefined = {{
        {u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"apos", u'\''}, {u"quot", u'"'},
    }};
    for (const auto& [name, character] : kPredefined) {
        if (m_referenceName == name) {
            out->push_back(character);
            return result::Ok;
        }
    }
    return FailAt(result::UndeclaredEntity, start);
}

// Character data up to the next markup: one Whitespace node when it is all
// literal white space, otherwise one Text node with references resolved.
XmlResult XmlReader::ReadCharacterData() {
    const bool inRoot = m_phase == Phase::InRoot;
    bool whitespaceOnly = true;
    int closingBrackets = 0;  // to refuse "]]>" outside a CDATA section
    for (;;) {
        if (inRoot) {
            const std::size_t start = m_value.size();
            if (const std::size_t taken = TakeRun(kTextRun, &m_value); taken != 0) {
                closingBrackets = 0;
                whitespaceOnly = whitespaceOnly && std::all_of(m_value.begin() + static_cast<std::ptrdiff_t>(start),
                                                               m_value.end(), [](char16_t c) { return IsSpace(c); });
            }
        }
        const char32_t c = Peek();
        if (c == '<') {
            break;
        }
        if (c == kEndOfInput) {
            if (inRoot) {
                return Fail(result::UnexpectedEnd);
            }
            break;
        }
        if (!inRoot && !IsSpace(c)) {
            return Fail(result::Syntax);  // text before or after the root element
        }
        if (c == '&') {
            if (XmlResult outcome = ReadReference(&m_value); Failed(outcome)) {
                return outcome;
            }
            whitespaceOnly = false;
            closingBrackets = 0;
            continue;
        }
        if (c == '>' && closingBrackets >= 2) {
            return Fail(result::CdataEndInText);
        }
        Next();
        closingBrackets = c == ']' ? closingBrackets + 1 : 0;
        whitespaceOnly = whitespaceOnly && IsSpace(c);
        AppendUtf16(&m_value, c);
    }
    m_nodeType = whitespaceOnly ? XmlNodeType::Whitespace : XmlNodeType::Text;
    return result::Ok;
}

XmlResult XmlReader::ReadMarkup(bool atDocumentStart) {
    if (Accept('/')) {
        return ReadEndTag();
    }
    if (Accept('?')) {
        return ReadProcessingInstruction(atDocumentStart);
    }
    if (!Accept('!')) {
        return ReadStartTag();
    }
    if (Accept('-')) {
        if (XmlResult outcome = Expect('-', result::BadComment); Failed(outcome)) {
            return outcome;
        }
        return ReadComment();
    }
    if (Peek() == '[') {
        if (m_phase != Phase::InRoot) {
            return FailAt(result::Syntax, m_nodeAt);
        }
        if (XmlResult outcome = ExpectWord(u"[CDATA[", result::BadCdataStart); Failed(outcome)) {
            return outcome;
        }
        return ReadCData();
    }
    if (Peek() == 'D') {
        if (XmlResult outcome = ExpectWord(u"DOCTYPE", result::Syntax); Failed(outcome)) {
            return outcome;
        }
        return FailAt(m_phase == Phase::BeforeRoot ? result::DtdProhibited : result::Syntax, m_nodeAt);
    }
    return Fail(Peek() == kEndOfInput ? result::UnexpectedEnd : result::Syntax);
}

XmlReader::Attribute& XmlReader::AddAttribute() {
    if (m_attributeCount == m_attributes.size()) {
        m_attributes.emplace_back();
    }
    Attribute& attribute = m_attributes[m_attributeCount++];
    attribute.prefix.clear();
    attribute.localName.clear();
    attribute.value.clear();
    attribute.line = m_next.line;
    attribute.position = m_next.position;
    return attribute;
}

// Empties the duplicate-check set. A set left with many buckets by one large
// tag is dropped rather than cleared, because clearing costs its bucket count
// on every later tag.
void XmlReader::ForgetSeenNames() {
    if (m_seenNames.bucket_count() > 64 && m_seenNames.size() * 4 < m_seenNames.bucket_count()) {
        std::unordered_set<std::u16string>().swap(m_seenNames);
    } else if (!m_seenNames.empty()) {
        m_seenNames.clear();
    }
}

// Compares the attribute's qualified name with those before it in the tag:
// one by one while they are few, through a set once there are many, so that a
// tag with a great many attributes still costs linear time.
bool XmlReader::RepeatsEarlierAttribute(std::size_t index) {
    constexpr std::size_t kCompareOneByOne = 16;
    const Attribute& attribute = m_attributes[index];
    if (index < kCompareOneByOne) {
        for (std::size_t earlier = 0; earlier < index; ++earlier) {
            const Attribute& other = m_attributes[earlier];
            if (other.localName == attribute.localName && other.prefix == attribute.prefix) {
                return true;
            }
        }
        return false;
    }
    auto qualifiedName = [](const Attribute& named) {
        return named.prefix.empty() ? named.localName : named.prefix + u':' + named.localName;
    };
    if (index == kCompareOneByOne) {
        for (std::size_t earlier = 0; earlier < index; ++earlier) {
            m_seenNames.insert(qualifiedName(m_attributes[earlier]));
        }
    }
    return !m_seenNames.insert(qualifiedName(attribute)).second;
}

XmlResult XmlReader::ReadStartTag() {
    if (m_phase == Phase::AfterRoot) {
        return FailAt(result::MultipleRoots, m_nodeAt);
    }
    if (XmlResult outcome = ReadQualifiedName(&m_prefix, &m_localName);
        Failed(outcome)) {
        return outcome;
    }
    ForgetSeenNames();
    for (;;) {
        const bool spaced = SkipWhitespace();
        const char32_t c = Peek();
        if (c == '>') {
            Next();
            break;
        }
        if (c == '/') {
            Next();
            if (XmlResult outcome = Expect('>', result::MissingGreaterThan); Failed(outcome)) {
                return outcome;
            }
            m_emptyElement = true;
            break;
        }
        if (c == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        if (!spaced) {
            return Fail(IsNameStartChar(c) ? result::MissingWhitespace : result::BadNameCharacter);
        }
        Attribute& attribute = AddAttribute();
        XmlResult outcome = ReadQualifiedName(&attribute.prefix, &attribute.localName);
        if (Failed(outcome)) {
            return outcome;
        }
        if (RepeatsEarlierAttribute(m_attributeCount - 1)) {
            return FailAt(result::DuplicateAttribute, {attribute.line, attribute.position});
        }
        SkipWhitespace();
        if (outcome = Expect('=', result::MissingEquals); Failed(outcome)) {
            return outcome;
        }
        SkipWhitespace();
        if (outcome = ReadAttributeValue(&attribute.value); Failed(outcome)) {
            return outcome;
        }
    }
    if (XmlResult outcome = ResolveNamespaces(); Failed(outcome)) {
        return outcome;
    }
    m_nodeType = XmlNodeType::Element;
    if (!m_emptyElement) {
        m_openNameStarts.push_back(m_openNames.size());
        if (!m_prefix.empty()) {
            m_openNames += m_prefix;
            m_openNames += u':';
        }
        m_openNames += m_localName;
        m_phase = Phase::InRoot;
    } else if (m_openNameStarts.empty()) {
        m_phase = Phase::AfterRoot;
    }
    return result::Ok;
}

XmlResult XmlReader::ReadAttributeValue(std::u16string* value) {
    const char32_t quote = Peek();
    if (quote != '"' && quote != '\'') {
        return Fail(quote == kEndOfInput ? result::UnexpectedEnd : result::MissingQuote);
    }
    Next();
    const RunSet& run = quote == '"' ? kDoubleQuotedRun : kSingleQuotedRun;
    for (;;) {
        TakeRun(run, value);
        const char32_t c = Peek();
        if (c == quote) {
            Next();
            return result::Ok;
        }
        if (c == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        if (c == '<') {
            return Fail(result::LessThanInAttribute);
        }
        if (c == '&') {
            if (XmlResult outcome = ReadReference(value); Failed(outcome)) {
                return outcome;
            }
            continue;
        }
        Next();
        // Literal white space becomes a space; references to it stay as written.
        AppendUtf16(value, IsSpace(c) ? U' ' : c);
    }
}

// Applies the tag's namespace declarations, then checks that every prefix of
// the element and its attributes is declared and that no two attributes share
// a namespace and local name.
XmlResult XmlReader::ResolveNamespaces() {
    const std::size_t depth = m_openNameStarts.size() + 1;
    for (std::size_t i = 0; i < m_attributeCount; ++i) {
        const Attribute& attribute = m_attributes[i];
        const bool declaresDefault = attribute.prefix.empty() && attribute.localName == u"xmlns";
        const bool declaresPrefix = attribute.prefix == u"xmlns";
        if (!declaresDefault && !declaresPrefix) {
            continue;
        }
        const Location at{attribute.line, attribute.position};
        if (declaresPrefix) {
            if (attribute.localName == u"xmlns") {
                return FailAt(result::XmlnsPrefixReserved, at);
            }
            if (attribute.localName == u"xml") {
                if (attribute.value != kXmlNamespace) {
                    return FailAt(result::XmlPrefixReserved, at);
                }
                continue;  // "xml" is bound already
            }
            if (attribute.value.empty()) {
                return FailAt(result::EmptyNamespaceUri, at);
            }
        }
        if (attribute.value == kXmlNamespace) {
            return FailAt(result::XmlUriReserved, at);
        }
        if (attribute.value == kXmlnsNamespace) {
            return FailAt(result::XmlnsUriReserved, at);
        }
        const std::u16string& declared = declaresPrefix ? attribute.localName : std::u16string();
        m_namespaces[declared].push_back(Namespace{attribute.value, HashOf(attribute.value)});
        m_declarations.emplace_back(declared, depth);
    }

    if (m_prefix == u"xmlns") {
        return FailAt(result::XmlnsPrefixReserved, m_nodeAt);
    }
    if (!m_prefix.empty() && FindNamespace(m_prefix) == nullptr) {
        return FailAt(result::UndeclaredPrefix, m_nodeAt);
    }

    // Attributes are told apart by namespace and local name. Attributes with
    // equal qualified names were refused already, so two can clash only when
    // both have a prefix; with fewer, only the prefixes need checking.
    std::size_t prefixed = 0;
    for (std::size_t i = 0; i < m_attributeCount; ++i) {
        prefixed += m_attributes[i].prefix.empty() ? 0 : 1;
    }
    if (prefixed < 2) {
        for (std::size_t i = 0; i < m_attributeCount; ++i) {
            const Attribute& attribute = m_attributes[i];
            if (!attribute.prefix.empty() && AttributeNamespace(attribute) == nullptr) {
                return FailAt(result::UndeclaredPrefix, {attribute.line, attribute.position});
            }
        }
        return result::Ok;
    }
    // The key holds the namespace's hash; equal keys are confirmed by
    // comparing the URIs.
    ForgetSeenNames();
    std::u16string key;
    for (std::size_t i = 0; i < m_attributeCount; ++i) {
        const Attribute& attribute = m_attributes[i];
        const Location at{attribute.line, attribute.position};
        const Namespace* space = AttributeNamespace(attribute);
        if (!attribute.prefix.empty() && space == nullptr) {
            return FailAt(result::UndeclaredPrefix, at);
        }
        const std::uint64_t hash = space != nullptr ? space->hash : 0;
        key.clear();
        for (int shift = 0; shift < 64; shift += 16) {
            key.push_back(static_cast<char16_t>(hash >> shift));
        }
        key.push_back(space != nullptr ? u'n' : u'-');
        key += attribute.localName;
        if (m_seenNames.insert(key).second) {
            continue;
        }
        for (std::size_t earlier = 0; earlier < i; ++earlier) {
            const Attribute& other = m_attributes[earlier];
            const Namespace* otherSpace = AttributeNamespace(other);
            if (other.localName == attribute.localName && (space == nullptr) == (otherSpace == nullptr) &&
                (space == nullptr || space->uri == otherSpace->uri)) {
                return FailAt(result::DuplicateAttribute, at);
            }
        }
    }
    return result::Ok;
}

// Unprefixed attributes are in no namespace; null also for an undeclared prefix.
const XmlReader::Namespace* XmlReader::AttributeNamespace(const Attribute& attribute) const {
    if (attribute.prefix.empty()) {
        return nullptr;
    }
    if (attribute.prefix == u"xmlns") {
        static const Namespace xmlnsNamespace{std::u16string(kXmlnsNamespace), HashOf(kXmlnsNamespace)};
        return &xmlnsNamespace;
    }
    return FindNamespace(attribute.prefix);
}

const XmlReader::Namespace* XmlReader::FindNamespace(const std::u16string& prefix) const {
    if (prefix == u"xml") {
        static const Namespace xmlNamespace{std::u16string(kXmlNamespace), HashOf(kXmlNamespace)};
        return &xmlNamespace;
    }
    const auto found = m_namespaces.find(prefix);
    if (found == m_namespaces.end() || found->second.empty()) {
        return nullptr;
    }
    return &found->second.back();
}

void XmlReader::EndNamespaceScopes() {
    while (!m_declarations.empty() && m_declarations.back().second > m_openNameStarts.size()) {
        const auto found = m_namespaces.find(m_declarations.back().first);
        if (found != m_namespaces.end()) {
            found->second.pop_back();
            if (found->second.empty()) {
                m_namespaces.erase(found);
            }
        }
        m_declarations.pop_back();
    }
}

XmlResult XmlReader::ReadEndTag() {
    if (m_openNameStarts.empty()) {
        return FailAt(result::EndTagMismatch, m_nodeAt);
    }
    if (XmlResult outcome = ReadQualifiedName(&m_prefix, &m_localName);
        Failed(outcome)) {
        return outcome;
    }
    // The end tag names the innermost open element, prefix and all.
    const std::u16string_view open = std::u16string_view(m_openNames).substr(m_openNameStarts.back());
    const bool sameName = m_prefix.empty()
                              ? open == m_localName
                              : open.size() == m_prefix.size() + 1 + m_localName.size() &&
                                    open.substr(0, m_prefix.size()) == m_prefix && open[m_prefix.size()] == u':' &&
                                    open.substr(m_prefix.size() + 1) == m_localName;
    if (!sameName) {
        return FailAt(result::EndTagMismatch, m_nodeAt);
    }
    SkipWhitespace();
    if (XmlResult outcome = Expect('>', result::MissingGreaterThan); Failed(outcome)) {
        return outcome;
    }
    m_openNames.resize(m_openNameStarts.back());
    m_openNameStarts.pop_back();
    if (m_openNameStarts.empty()) {
        m_phase = Phase::AfterRoot;
    }
    m_nodeType = XmlNodeType::EndElement;
    return result::Ok;
}

XmlResult XmlReader::ReadComment() {
    for (;;) {
        TakeRun(kCommentRun, &m_value);
        const char32_t c = Peek();
        if (c == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        Next();
        if (c == '-' && Accept('-')) {
            if (XmlResult outcome = Expect('>', result::BadComment); Failed(outcome)) {
                return outcome;
            }
            break;
        }
        AppendUtf16(&m_value, c);
    }
    m_nodeType = XmlNodeType::Comment;
    return result::Ok;
}

XmlResult XmlReader::ReadCData() {
    int closingBrackets = 0;
    for (;;) {
        if (TakeRun(kCDataRun, &m_value) != 0) {
            closingBrackets = 0;
        }
        const char32_t c = Peek();
        if (c == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        Next();
        if (c == '>' && closingBrackets >= 2) {
            m_value.resize(m_value.size() - 2);
            break;
        }
        closingBrackets = c == ']' ? closingBrackets + 1 : 0;
        AppendUtf16(&m_value, c);
    }
    m_nodeType = XmlNodeType::CData;
    return result::Ok;
}

XmlResult XmlReader::ReadProcessingInstruction(bool atDocumentStart) {
    const Location targetAt = m_next;
    if (XmlResult outcome = ReadName(&m_localName); Failed(outcome)) {
        return outcome;
    }
    if (atDocumentStart && m_localName == u"xml") {
        return ReadXmlDeclaration();
    }
    if (EqualsIgnoringAsciiCase(m_localName, u"xml")) {
        return FailAt(result::ReservedPiTarget, targetAt);
    }
    if (m_localName.find(u':') != std::u16string::npos) {
        return FailAt(result::ColonInName, targetAt);
    }
    m_nodeType = XmlNodeType::ProcessingInstruction;
    if (Accept('?')) {
        return Expect('>', result::BadProcessingInstruction);
    }
    if (!SkipWhitespace()) {
        return Fail(Peek() == kEndOfInput ? result::UnexpectedEnd : result::BadProcessingInstruction);
    }
    for (;;) {
        const char32_t c = Peek();
        if (c == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        Next();
        if (c == '?' && Accept('>')) {
            return result::Ok;
        }
        AppendUtf16(&m_value, c);
    }
}

// The declaration's pseudo-attributes become the node's attributes. Values are
// read raw: none of the three may hold anything but letters, digits, '.', '_'
// and '-', so a stray character stops reading at once.
XmlResult XmlReader::ReadXmlDeclaration() {
    m_nodeType = XmlNodeType::XmlDeclaration;
    enum class Seen { Nothing, Version, Encoding, Standalone };
    Seen seen = Seen::Nothing;
    XmlEncoding readRestAs = m_encoding;
    for (;;) {
        const bool spaced = SkipWhitespace();
        if (Accept('?')) {
            if (XmlResult outcome = Expect('>', result::MissingGreaterThan); Failed(outcome)) {
                return outcome;
            }
            break;
        }
        if (Peek() == kEndOfInput) {
            return Fail(result::UnexpectedEnd);
        }
        if (!spaced) {
            return Fail(IsNameStartChar(Peek()) ? result::MissingWhitespace : result::BadXmlDeclaration);
        }
        Attribute& attribute = AddAttribute();
        const Location at{attribute.line, attribute.position};
        XmlResult outcome = ReadName(&attribute.localName);
        if (Failed(outcome)) {
            return outcome;
        }
        // A name out of place is refused at once, before its value.
        const std::u16string& name = attribute.localName;
        const bool inOrder = (name == u"version" && seen == Seen::Nothing) ||
                             (name == u"encoding" && seen == Seen::Version) ||
                             (name == u"standalone" && (seen == Seen::Version || seen == Seen::Encoding));
        if (!inOrder) {
            return FailAt(result::BadXmlDeclaration, at);
        }
        SkipWhitespace();
        if (outcome = Expect('=', result::MissingEquals); Failed(outcome)) {
            return outcome;
        }
        SkipWhitespace();
        const char32_t quote = Peek();
        if (quote != '"' && quote != '\'') {
            return Fail(quote == kEndOfInput ? result::UnexpectedEnd : result::MissingQuote);
        }
        Next();
        for (char32_t c = Peek(); c != quote; c = Peek()) {
            if (c == kEndOfInput) {
                return Fail(result::UnexpectedEnd);
            }
            if (c > 0x7F || !(IsAsciiLetter(static_cast<char16_t>(c)) ||
                              IsAsciiDigit(static_cast<char16_t>(c)) || c == '.' || c == '_' ||
                              c == '-')) {
                return Fail(result::BadXmlDeclaration);
            }
            attribute.value.push_back(static_cast<char16_t>(c));
            Next();
        }
        Next();

        if (name == u"version") {
            if (!IsVersionNumber(attribute.value)) {
                return FailAt(result::BadXmlDeclaration, at);
            }
            seen = Seen::Version;
        } else if (name == u"encoding") {
            if (!IsEncodingName(attribute.value)) {
                return FailAt(result::BadEncodingName, at);
            }
            if (outcome = CheckDeclaredEncoding(attribute, &readRestAs); Failed(outcome)) {
                return outcome;
            }
            seen = Seen::Encoding;
        } else {
            if (attribute.value != u"yes" && attribute.value != u"no") {
                return FailAt(result::BadXmlDeclaration, at);
            }
            seen = Seen::Standalone;
        }
    }
    if (seen == Seen::Nothing) {
        return FailAt(result::BadXmlDeclaration, m_nodeAt);
    }
    // Nothing past the '>' has been decoded yet, so the rest is read in the
    // declared encoding from its first byte.
    m_encoding = readRestAs;
    return result::Ok;
}

XmlResult XmlReader::CheckDeclaredEncoding(const Attribute& encoding, XmlEncoding* readRestAs) {
    const Location at{encoding.line, encoding.position};
    XmlEncoding declared = XmlEncoding::Utf8;
    if (!FindXmlEncoding(encoding.value, &declared)) {
        return FailAt(result::UnknownEncoding, at);
    }
    if (IsUtf16(declared) || IsUtf16(m_encoding)) {
        if (IsUtf16(declared) != IsUtf16(m_encoding)) {
            return FailAt(result::EncodingMismatch, at);
        }
        return result::Ok;  // the byte-order mark has fixed the byte order
    }
    if (declared != XmlEncoding::Utf8 && m_byteOrderMark) {
        return FailAt(result::EncodingMismatch, at);
    }
    *readRestAs = declared;
    return result::Ok;
}

}  // namespace xml
