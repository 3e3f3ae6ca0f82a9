#pragma once

// A pull reader for XML 1.0 documents with namespaces. It has the interface and
// node model of the Windows pull reader, so the definition-file loader reads the
// same nodes on Windows and under Wine, and it builds natively for tests and
// fuzzing. It checks well-formedness and stops for good at the first error.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "xml/xml_byte_source.h"
#include "xml/xml_encodings.h"

namespace xml {

// An HRESULT-style result: zero or positive is success, negative is failure.
// The values are the ones the Windows reader returns for the same condition,
// named after it in the comments, so diagnostics print the same numbers.
using XmlResult = std::int32_t;

namespace result {

constexpr XmlResult FromCode(std::uint32_t code) { return static_cast<XmlResult>(code); }

inline constexpr XmlResult Ok = 0;                                       // S_OK
inline constexpr XmlResult EndOfInput = 1;                               // S_FALSE
inline constexpr XmlResult NothingToMoveTo = 1;                          // S_FALSE

inline constexpr XmlResult Unexpected = FromCode(0x8000FFFFu);           // E_UNEXPECTED: no input set
inline constexpr XmlResult InputFailed = FromCode(0x80004005u);          // E_FAIL: the byte source failed
inline constexpr XmlResult InvalidArgument = FromCode(0x80070057u);      // E_INVALIDARG
inline constexpr XmlResult OutOfMemory = FromCode(0x8007000Eu);          // E_OUTOFMEMORY

inline constexpr XmlResult UnexpectedEnd = FromCode(0xC00CEE01u);        // MX_E_INPUTEND
inline constexpr XmlResult UnknownEncoding = FromCode(0xC00CEE02u);      // MX_E_ENCODING
inline constexpr XmlResult EncodingMismatch = FromCode(0xC00CEE03u);     // MX_E_ENCODINGSWITCH
inline constexpr XmlResult UnknownSignature = FromCode(0xC00CEE04u);     // MX_E_ENCODINGSIGNATURE

inline constexpr XmlResult MissingWhitespace = FromCode(0xC00CEE21u);    // WC_E_WHITESPACE
inline constexpr XmlResult MissingSemicolon = FromCode(0xC00CEE22u);     // WC_E_SEMICOLON
inline constexpr XmlResult MissingGreaterThan = FromCode(0xC00CEE23u);   // WC_E_GREATERTHAN
inline constexpr XmlResult MissingQuote = FromCode(0xC00CEE24u);         // WC_E_QUOTE
inline constexpr XmlResult MissingEquals = FromCode(0xC00CEE25u);        // WC_E_EQUAL
inline constexpr XmlResult LessThanInAttribute = FromCode(0xC00CEE26u);  // WC_E_LESSTHAN
inline constexpr XmlResult BadHexDigit = FromCode(0xC00CEE27u);          // WC_E_HEXDIGIT
inline constexpr XmlResult BadDigit = FromCode(0xC00CEE28u);             // WC_E_DIGIT
inline constexpr XmlResult IllegalCharacter = FromCode(0xC00CEE2Bu);     // WC_E_XMLCHARACTER
inline constexpr XmlResult BadNameCharacter = FromCode(0xC00CEE2Cu);     // WC_E_NAMECHARACTER
inline constexpr XmlResult Syntax = FromCode(0xC00CEE2Du);               // WC_E_SYNTAX
inline constexpr XmlResult BadCdataStart = FromCode(0xC00CEE2Eu);        // WC_E_CDSECT
inline constexpr XmlResult BadComment = FromCode(0xC00CEE2Fu);           // WC_E_COMMENT
inline constexpr XmlResult MultipleRoots = FromCode(0xC00CEE3Au);        // WC_E_ROOTELEMENT
inline constexpr XmlResult EndTagMismatch = FromCode(0xC00CEE3Bu);       // WC_E_ELEMENTMATCH
inline constexpr XmlResult DuplicateAttribute = FromCode(0xC00CEE3Cu);   // WC_E_UNIQUEATTRIBUTE
inline constexpr XmlResult ReservedPiTarget = FromCode(0xC00CEE3Eu);     // WC_E_LEADINGXML
inline constexpr XmlResult BadXmlDeclaration = FromCode(0xC00CEE40u);    // WC_E_XMLDECL
inline constexpr XmlResult BadEncodingName = FromCode(0xC00CEE41u);      // WC_E_ENCNAME
inline constexpr XmlResult UndeclaredEntity = FromCode(0xC00CEE47u);     // WC_E_UNDECLAREDENTITY
inline constexpr XmlResult BadProcessingInstruction = FromCode(0xC00CEE4Au);  // WC_E_PI
inline constexpr XmlResult CdataEndInText = FromCode(0xC00CEE4Du);       // WC_E_CDSECTEND
inline constexpr XmlResult DtdProhibited = FromCode(0xC00CEE4Fu);        // WC_E_DTDPROHIBITED

inline constexpr XmlResult BadQualifiedNameStart = FromCode(0xC00CEE61u);  // NC_E_QNAMECHARACTER
inline constexpr XmlResult BadQualifiedNameColon = FromCode(0xC00CEE62u);  // NC_E_QNAMECOLON
inline constexpr XmlResult ColonInName = FromCode(0xC00CEE63u);          // NC_E_NAMECOLON
inline constexpr XmlResult UndeclaredPrefix = FromCode(0xC00CEE65u);     // NC_E_UNDECLAREDPREFIX
inline constexpr XmlResult EmptyNamespaceUri = FromCode(0xC00CEE66u);    // NC_E_EMPTYURI
inline constexpr XmlResult XmlPrefixReserved = FromCode(0xC00CEE67u);    // NC_E_XMLPREFIXRESERVED
inline constexpr XmlResult XmlnsPrefixReserved = FromCode(0xC00CEE68u);  // NC_E_XMLNSPREFIXRESERVED
inline constexpr XmlResult XmlUriReserved = FromCode(0xC00CEE69u);       // NC_E_XMLURIRESERVED
inline constexpr XmlResult XmlnsUriReserved = FromCode(0xC00CEE6Au);     // NC_E_XMLNSURIRESERVED

inline constexpr XmlResult InvalidByteSequence = FromCode(0xC00CE06Eu);  // XML_E_INVALIDENCODING

}  // namespace result

constexpr bool Failed(XmlResult value) { return value < 0; }

// The name of a result constant above ("UnexpectedEnd"), or "Unknown".
const char* XmlResultName(XmlResult value);

// Node types, numbered as the Windows reader numbers them.
enum class XmlNodeType : std::int32_t {
    None = 0,
    Element = 1,
    Attribute = 2,
    Text = 3,
    CData = 4,
    ProcessingInstruction = 7,
    Comment = 8,
    DocumentType = 10,  // never produced: document type declarations are refused
    Whitespace = 13,
    EndElement = 15,
    XmlDeclaration = 17,
};

// How a run of the reader treats each byte: where it stops, a character it
// takes as it is, a line feed, the lead byte of a two-byte UTF-8 sequence.
enum class RunByte : std::uint8_t { Stop, Plain, LineFeed, TwoByteLead };
using RunSet = std::array<RunByte, 256>;

enum class XmlReaderProperty : std::int32_t {
    DtdProcessing = 4,
};

// Only Prohibit is supported, and it is the default; a request to parse a
// document type declaration is refused with InvalidArgument.
enum class DtdProcessing : std::intptr_t {
    Prohibit = 0,
    Parse = 1,
};

// Reads a document node by node:
//
//   XmlReader reader;  // or XmlReader::Create for one on the heap
//   reader.SetProperty(XmlReaderProperty::DtdProcessing,
//                      static_cast<std::intptr_t>(DtdProcessing::Prohibit));
//   reader.SetInput(&source);
//   XmlNodeType type;
//   while (reader.Read(&type) == result::Ok) { ... }
//
// Read gives Ok with the next node, EndOfInput after the last one, or the first
// well-formedness, encoding or input error, which it keeps returning. Strings
// come as UTF-16, NUL-terminated, valid until the next Read, SetInput or move.
// Line and position are 1-based; positions count UTF-16 units; a node's
// position is where it starts (its '<', or its first character); after an
// error they say where the error was found. No exception leaves the class.
class XmlReader {
public:
    XmlReader() = default;
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // Makes a reader on the heap; OutOfMemory instead of an exception.
    static XmlResult Create(std::unique_ptr<XmlReader>* reader);

    XmlResult SetProperty(XmlReaderProperty property, std::intptr_t value);

    // Starts reading source from its beginning. The source is not owned and must
    // outlive the reading; null detaches the reader from its input.
    XmlResult SetInput(XmlByteSource* source);

    // nodeType may be null. It is None at the end of input and after an error.
    XmlResult Read(XmlNodeType* nodeType);

    // Attribute while on an attribute, otherwise the node Read returned.
    XmlResult GetNodeType(XmlNodeType* nodeType) const;

    // Each length pointer may be null.
    XmlResult GetPrefix(const char16_t** prefix, std::uint32_t* length) const;
    XmlResult GetLocalName(const char16_t** localName, std::uint32_t* length) const;
    XmlResult GetValue(const char16_t** value, std::uint32_t* length) const;

    // Attributes of an element or of the XML declaration (version, encoding,
    // standalone), in document order. The moves return NothingToMoveTo when
    // there is no such attribute (the position does not change).
    XmlResult MoveToFirstAttribute();
    XmlResult MoveToNextAttribute();
    XmlResult MoveToElement();

    // Always false: without a document type there are no defaulted attributes.
    bool IsDefault() const;
    // True on an element written as <name/>; false on its attributes.
    bool IsEmptyElement() const;

    XmlResult GetLineNumber(std::uint32_t* lineNumber) const;
    XmlResult GetLinePosition(std::uint32_t* linePosition) const;

private:
    struct Attribute {
        std::u16string prefix;
        std::u16string localName;
        std::u16string value;
        std::uint32_t line = 0;
        std::uint32_t position = 0;
    };

    // A namespace URI in scope, with a hash so that comparing the namespaces of
    // a tag's attributes costs nothing per attribute beyond its local name.
    struct Namespace {
        std::u16string uri;
        std::uint64_t hash = 0;
    };

    struct Location {
        std::uint32_t line = 1;
        std::uint32_t position = 1;
    };

    enum class Phase { BeforeFirstNode, BeforeRoot, InRoot, AfterRoot, Finished };

    static constexpr std::size_t kNoAttribute = SIZE_MAX;
    static constexpr char32_t kEndOfInput = 0xFFFFFFFFu;

    void Reset();
    XmlResult ReadNode();
    XmlResult Fail(XmlResult error);
    XmlResult FailAt(XmlResult error, Location where);

    // Input: bytes, characters with line ends normalised, line and position.
    void FillBytes(std::size_t wanted);
    XmlResult DetectEncoding();
    char32_t DecodeNextChar();
    char32_t Peek();
    void Next();
    // Takes the run of plain characters at the read position whose bytes
    // accepted holds, appending them to out unless it is null, and returns how
    // many bytes it took. Plain are the ASCII bytes the set holds and, in
    // UTF-8 and where the set holds their lead byte, two-byte sequences (every
    // one of them a legal character; Cyrillic text is made of them). It reads
    // the bytes directly, so it takes nothing in UTF-16, after an input error,
    // or while a character is peeked; the caller goes on character by
    // character from where it stops.
    std::size_t TakeRun(const RunSet& accepted, std::u16string* out);
    // TakeRun's general pass (line feeds, two-byte sequences, buffer refills),
    // going on after the plain bytes at the read position that TakeRun saw.
    std::size_t TakeRunAcrossLines(const RunSet& accepted, std::u16string* out, std::size_t plainBytes);
    bool SkipWhitespace();
    bool Accept(char32_t expected);
    XmlResult Expect(char32_t expected, XmlResult error);
    XmlResult ExpectWord(std::u16string_view word, XmlResult error);

    // Grammar.
    XmlResult ReadName(std::u16string* name);
    XmlResult ReadQualifiedName(std::u16string* prefix, std::u16string* localName);
    XmlResult ReadReference(std::u16string* out);
    XmlResult ReadCharacterData();
    XmlResult ReadMarkup(bool atDocumentStart);
    XmlResult ReadStartTag();
    XmlResult ReadAttributeValue(std::u16string* value);
    XmlResult ResolveNamespaces();
    XmlResult ReadEndTag();
    XmlResult ReadComment();
    XmlResult ReadCData();
    XmlResult ReadProcessingInstruction(bool atDocumentStart);
    XmlResult ReadXmlDeclaration();
    XmlResult CheckDeclaredEncoding(const Attribute& encoding, XmlEncoding* readRestAs);
    Attribute& AddAttribute();
    const Namespace* FindNamespace(const std::u16string& prefix) const;
    const Namespace* AttributeNamespace(const Attribute& attribute) const;
    void EndNamespaceScopes();
    void ForgetSeenNames();
    bool RepeatsEarlierAttribute(std::size_t index);
    const Attribute* CurrentAttribute() const;

    XmlByteSource* m_source = nullptr;

    std::array<std::uint8_t, 4096> m_bytes{};
    std::size_t m_byteBegin = 0;
    std::size_t m_byteEnd = 0;
    bool m_sourceEnded = false;
    bool m_sourceFailed = false;
    XmlEncoding m_encoding = XmlEncoding::Utf8;
    bool m_byteOrderMark = false;

    char32_t m_peeked = 0;
    bool m_hasPeeked = false;
    Location m_next;  // where the next character starts
    XmlResult m_inputError = result::Ok;
    Location m_inputErrorAt;

    Phase m_phase = Phase::BeforeFirstNode;
    XmlResult m_error = result::Ok;
    Location m_errorAt;
    // Qualified names of the open elements, innermost last, end to end in one
    // string so that opening an element allocates nothing.
    std::u16string m_openNames;
    std::vector<std::size_t> m_openNameStarts;

    XmlNodeType m_nodeType = XmlNodeType::None;
    Location m_nodeAt;
    std::u16string m_prefix;
    std::u16string m_localName;
    std::u16string m_value;
    std::u16string m_referenceName;   // scratch: name in an entity reference
    bool m_emptyElement = false;
    std::vector<Attribute> m_attributes;  // reused; the first m_attributeCount are current
    std::size_t m_attributeCount = 0;
    std::size_t m_currentAttribute = kNoAttribute;

    // Prefix -> namespaces in scope, innermost last; the log records which
    // prefix each open element declared, so its end can undo the declarations.
    // Only what open elements declared is kept.
    std::unordered_map<std::u16string, std::vector<Namespace>> m_namespaces;
    std::vector<std::pair<std::u16string, std::size_t>> m_declarations;  // prefix, element depth
    std::unordered_set<std::u16string> m_seenNames;  // duplicate check within a tag with many attributes
};

}  // namespace xml
