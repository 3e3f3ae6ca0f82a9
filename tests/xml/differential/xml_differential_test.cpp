// Reads every case of xml_cases.h, each cut short after every byte and
// thousands made from them by random edits, with our reader and with libxml2's
// xmlTextReader and compares what they make of it: whether it is well formed,
// the line of the first error, and the nodes up to it. Where the two differ on purpose, the difference is an entry
// of kDifferences, and a document that shows it is checked against that entry.

#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <string_view>
#include <vector>

#include "tests/xml/utf8_from_utf16.h"
#include "tests/xml/xml_cases.h"
#include "xml/xml_reader.h"

namespace xml {
namespace {

// Node types as both readers number them (libxml2's significant white space
// is white space here).
enum NodeKind : int {
    kElement = 1,
    kText = 3,
    kCData = 4,
    kProcessingInstruction = 7,
    kComment = 8,
    kDocumentType = 10,
    kWhitespace = 13,
    kEndElement = 15,
    kXmlDeclaration = 17,
};

struct Node {
    int kind = 0;
    int depth = 0;
    std::string prefix;
    std::string localName;
    std::string value;
    bool empty = false;
    // " prefix:name=value" for each attribute, namespace declarations first:
    // libxml2 keeps them apart from the other attributes.
    std::string attributes;

    bool operator==(const Node&) const = default;
};

struct Reading {
    std::vector<Node> nodes;
    bool wellFormed = false;
    std::uint32_t line = 0;  // of the first error
    std::string error;       // our result name, or libxml2's domain and code
    int code = 0;                 // libxml2's error code
    bool namespaceError = false;  // libxml2: the first error is a namespace error
};

// ---------------------------------------------------------------------------
// The documents

struct Document {
    std::string name;
    std::string bytes;
};

std::vector<Document> Cases() {
    std::vector<Document> documents;
    for (const testing::XmlCase& c : testing::kXmlCases) {
        documents.push_back({c.name, testing::XmlCaseBytes(c)});
    }
    return documents;
}

// Every case cut after each of its bytes: the end of input inside every construct.
std::vector<Document> Truncated() {
    std::vector<Document> documents;
    for (const Document& document : Cases()) {
        for (std::size_t length = 1; length < document.bytes.size(); ++length) {
            documents.push_back({document.name + "@" + std::to_string(length), document.bytes.substr(0, length)});
        }
    }
    return documents;
}

// SplitMix64: its sequence is fixed by its definition, unlike the standard
// library's distributions, so every machine reads the same documents.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::size_t Below(std::size_t bound) {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return static_cast<std::size_t>((z ^ (z >> 31)) % bound);
    }

private:
    std::uint64_t m_state;
};

using namespace std::string_view_literals;

constexpr std::array kTokens = {
    "<"sv, ">"sv, "/>"sv, "</"sv, "<?"sv, "?>"sv, "<!--"sv, "-->"sv, "--"sv, "<![CDATA["sv, "]]>"sv,
    "<!DOCTYPE a>"sv, "&"sv, ";"sv, "&amp;"sv, "&lt;"sv, "&#"sv, "&#x"sv, "&#x41;"sv, "&#65;"sv, "="sv,
    "'"sv, "\""sv, " "sv, "\n"sv, "\r"sv, "\r\n"sv, "\t"sv, ":"sv, "xmlns"sv, "xmlns:p='urn:p'"sv,
    "p:"sv, "xml"sv, " x='1'"sv, "<b>"sv, "</b>"sv, "<b/>"sv, "a"sv, "\xD0\x9F"sv, "\xF0\x9D\x84\x9E"sv,
    "\xC3"sv, "\x80"sv, "\xEF\xBB\xBF"sv, std::string_view("\0", 1), "\x01"sv, "\xFF\xFE"sv,
    "<?xml version='1.0'?>"sv, " encoding='windows-1251'"sv, " standalone='yes'"sv,
};

// count documents made from random cases by byte edits, inserted markup
// tokens, deleted and repeated ranges.
std::vector<Document> Mutated(std::uint64_t seed, std::size_t count) {
    const std::vector<Document> cases = Cases();
    std::vector<Document> documents;
    Random random(seed);
    for (std::size_t n = 0; n < count; ++n) {
        const Document& original = cases[random.Below(cases.size())];
        std::string bytes = original.bytes;
        for (std::size_t edits = 1 + random.Below(3); edits != 0; --edits) {
            const std::size_t at = random.Below(bytes.size() + 1);
            const std::size_t span = 1 + random.Below(8);
            switch (random.Below(5)) {
            case 0:  // any byte
                if (at < bytes.size()) {
                    bytes[at] = static_cast<char>(random.Below(256));
                }
                break;
            case 1:
            case 2: bytes.insert(at, kTokens[random.Below(kTokens.size())]); break;
            case 3: bytes.erase(at, span); break;
            default: bytes.insert(at, bytes.substr(at, span)); break;
            }
        }
        documents.push_back({original.name + "~" + std::to_string(n), bytes});
    }
    return documents;
}

// ---------------------------------------------------------------------------
// Our reader

std::string OurString(const XmlReader& reader, XmlResult (XmlReader::*get)(const char16_t**, std::uint32_t*) const) {
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    (reader.*get)(&text, &length);
    return testing::Utf8FromUtf16(text, length);
}

Reading ReadWithOurs(const std::string& bytes) {
    XmlMemorySource source(bytes.data(), bytes.size());
    XmlReader reader;
    reader.SetInput(&source);
    Reading reading;
    int depth = 0;
    XmlNodeType type = XmlNodeType::None;
    XmlResult outcome = result::Ok;
    while ((outcome = reader.Read(&type)) == result::Ok) {
        Node node;
        node.kind = static_cast<int>(type);
        if (type == XmlNodeType::EndElement) {
            --depth;
        }
        node.depth = depth;
        node.prefix = OurString(reader, &XmlReader::GetPrefix);
        node.localName = OurString(reader, &XmlReader::GetLocalName);
        node.empty = reader.IsEmptyElement();
        if (type != XmlNodeType::Element && type != XmlNodeType::EndElement) {
            node.value = OurString(reader, &XmlReader::GetValue);
        }
        std::string declarations;
        std::string others;
        for (XmlResult moved = reader.MoveToFirstAttribute(); moved == result::Ok;
             moved = reader.MoveToNextAttribute()) {
            const std::string prefix = OurString(reader, &XmlReader::GetPrefix);
            const std::string name = OurString(reader, &XmlReader::GetLocalName);
            const std::string text = " " + prefix + ":" + name + "=" + OurString(reader, &XmlReader::GetValue);
            ((prefix == "xmlns" || (prefix.empty() && name == "xmlns")) ? declarations : others) += text;
        }
        reader.MoveToElement();
        node.attributes = declarations + others;
        if (type == XmlNodeType::Element && !node.empty) {
            ++depth;
        }
        reading.nodes.push_back(node);
    }
    reading.wellFormed = outcome == result::EndOfInput;
    if (!reading.wellFormed) {
        reading.error = XmlResultName(outcome);
        reader.GetLineNumber(&reading.line);
    }
    return reading;
}

// ---------------------------------------------------------------------------
// libxml2's reader

// Hands libxml2 one byte per read. Its reader parses ahead of the node it
// returns and, at an error, drops whatever it parsed but did not yet return;
// fed a byte at a time it parses no further than it must, so it returns the
// nodes before an error, all but at most the last one.
struct ByteFeed {
    const std::string* bytes;
    std::size_t offset = 0;
};

int FeedOneByte(void* context, char* buffer, int length) {
    auto* feed = static_cast<ByteFeed*>(context);
    if (length <= 0 || feed->offset >= feed->bytes->size()) {
        return 0;
    }
    buffer[0] = (*feed->bytes)[feed->offset++];
    return 1;
}

int CloseFeed(void*) { return 0; }

void KeepFirstError(void* context, xmlErrorPtr error) {
    auto* reading = static_cast<Reading*>(context);
    if (error == nullptr || error->level < XML_ERR_ERROR || !reading->error.empty()) {
        return;
    }
    reading->error = "libxml2 " + std::to_string(error->domain) + "/" + std::to_string(error->code) + " " +
                     (error->message != nullptr ? error->message : "");
    while (!reading->error.empty() && reading->error.back() == '\n') {
        reading->error.pop_back();
    }
    reading->code = error->code;
    reading->namespaceError = error->domain == XML_FROM_NAMESPACE;
    reading->line = static_cast<std::uint32_t>(error->line);
}

std::string Text(const xmlChar* text) { return text != nullptr ? reinterpret_cast<const char*>(text) : ""; }

Reading ReadWithLibxml2(const std::string& bytes) {
    Reading reading;
    ByteFeed feed{&bytes};
    xmlTextReaderPtr reader = xmlReaderForIO(FeedOneByte, CloseFeed, &feed, nullptr, nullptr, XML_PARSE_NONET);
    if (reader == nullptr) {
        reading.error = "libxml2 reader not created";
        return reading;
    }
    xmlTextReaderSetStructuredErrorHandler(reader, KeepFirstError, &reading);
    // Conversion errors of the input come through the global handler, without
    // a line: the parser's line is where the bad bytes are.
    xmlSetStructuredErrorFunc(&reading, KeepFirstError);
    int outcome = 0;
    while ((outcome = xmlTextReaderRead(reader)) == 1 && reading.error.empty()) {
        Node node;
        node.kind = xmlTextReaderNodeType(reader);
        if (node.kind == XML_READER_TYPE_SIGNIFICANT_WHITESPACE) {
            node.kind = kWhitespace;
        }
        node.depth = xmlTextReaderDepth(reader);
        node.empty = xmlTextReaderIsEmptyElement(reader) == 1;
        if (node.kind == kElement || node.kind == kEndElement) {
            node.prefix = Text(xmlTextReaderConstPrefix(reader));
            node.localName = Text(xmlTextReaderConstLocalName(reader));
        } else if (node.kind == kProcessingInstruction) {
            node.localName = Text(xmlTextReaderConstLocalName(reader));
        }
        if (node.kind != kElement && node.kind != kEndElement) {
            node.value = Text(xmlTextReaderConstValue(reader));
        }
        if (node.kind == kElement) {
            while (xmlTextReaderMoveToNextAttribute(reader) == 1) {
                node.attributes += " " + Text(xmlTextReaderConstPrefix(reader)) + ":" +
                                   Text(xmlTextReaderConstLocalName(reader)) + "=" +
                                   Text(xmlTextReaderConstValue(reader));
            }
            xmlTextReaderMoveToElement(reader);
        }
        reading.nodes.push_back(node);
    }
    // libxml2's own verdict: namespace errors do not end its reading.
    while (outcome == 1) {
        outcome = xmlTextReaderRead(reader);
    }
    reading.wellFormed = outcome == 0 && (reading.error.empty() || reading.namespaceError);
    if (!reading.wellFormed && reading.error.empty()) {
        reading.error = "libxml2 reader failed without an error";
    }
    if (!reading.error.empty() && reading.line == 0) {
        reading.line = static_cast<std::uint32_t>(xmlTextReaderGetParserLineNumber(reader));
    }
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    xmlFreeTextReader(reader);
    return reading;
}

// ---------------------------------------------------------------------------
// Comparison

struct Pair {
    const Document& document;
    Reading ours;
    Reading theirs;
};

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

bool IsUtf16WithMark(std::string_view bytes) { return StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"); }

bool OurErrorIs(const Pair& pair, std::initializer_list<std::string_view> names) {
    return !pair.ours.wellFormed && std::find(names.begin(), names.end(), pair.ours.error) != names.end();
}

bool IsPrefix(const std::vector<Node>& shorter, const std::vector<Node>& longer) {
    return shorter.size() <= longer.size() && std::equal(shorter.begin(), shorter.end(), longer.begin());
}

// We stop at an error where libxml2 reads on: the nodes agree up to ours.
bool LibxmlReadsOnPast(const Pair& pair) {
    return IsPrefix(pair.ours.nodes, pair.theirs.nodes) &&
           (pair.theirs.wellFormed || pair.theirs.line >= pair.ours.line);
}

// The line ends of the document: line feeds, and carriage returns not followed
// by one. UTF-16 is counted in units.
struct LineEnds {
    std::uint32_t lineFeeds = 0;
    std::uint32_t loneCarriageReturns = 0;
};

LineEnds CountLineEnds(std::string_view bytes) {
    const bool utf16 = IsUtf16WithMark(bytes);
    const bool bigEndian = StartsWith(bytes, "\xFE\xFF");
    const std::size_t step = utf16 ? 2 : 1;
    auto unitAt = [&](std::size_t i) -> unsigned {
        if (!utf16) {
            return static_cast<unsigned char>(bytes[i]);
        }
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    LineEnds ends;
    for (std::size_t i = 0; i + step <= bytes.size(); i += step) {
        if (unitAt(i) == '\n') {
            ++ends.lineFeeds;
        } else if (unitAt(i) == '\r' && !(i + 2 * step <= bytes.size() && unitAt(i + step) == '\n')) {
            ++ends.loneCarriageReturns;
        }
    }
    return ends;
}

enum Aspect : unsigned { kOutcome = 1, kNodes = 2, kLine = 4, kEverything = 7 };

struct Difference {
    const char* what;
    const char* why;
    // A difference of node model: adjusts the readings of every document and
    // says whether that changed anything.
    std::function<bool(Pair&)> normalise;
    // A difference of behaviour: the aspects it accounts for, whether the
    // document shows it, and what must then hold.
    unsigned explains;
    std::function<bool(const Pair&)> shows;
    std::function<bool(const Pair&)> holds;
};

bool RemoveNodes(std::vector<Node>* nodes, const std::function<bool(const Node&)>& unwanted) {
    const auto from = std::remove_if(nodes->begin(), nodes->end(), unwanted);
    const bool removed = from != nodes->end();
    nodes->erase(from, nodes->end());
    return removed;
}

bool JoinAdjacentCData(std::vector<Node>* nodes) {
    bool joined = false;
    for (std::size_t i = 1; i < nodes->size();) {
        Node& previous = (*nodes)[i - 1];
        if (previous.kind == kCData && (*nodes)[i].kind == kCData) {
            previous.value += (*nodes)[i].value;
            nodes->erase(nodes->begin() + static_cast<std::ptrdiff_t>(i));
            joined = true;
        } else {
            ++i;
        }
    }
    return joined;
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Every difference between the two readers that the comparison allows. The
// differences of node model come first and apply to every document; the
// differences of behaviour are tried in order where an aspect disagrees.
const std::array kDifferences = {
    Difference{"XML declaration", "libxml2 has no node for it; what it holds is compared at the end",
               [](Pair& pair) {
                   return RemoveNodes(&pair.ours.nodes,
                                      [](const Node& node) { return node.kind == kXmlDeclaration; });
               },
               0, nullptr, nullptr},
    Difference{"white space outside the root element", "libxml2 has no node for it",
               [](Pair& pair) {
                   return RemoveNodes(&pair.ours.nodes, [](const Node& node) {
                       return node.kind == kWhitespace && node.depth == 0;
                   });
               },
               0, nullptr, nullptr},
    Difference{"adjacent CDATA sections", "libxml2 joins them into one node; both readings are joined",
               [](Pair& pair) {
                   const bool ours = JoinAdjacentCData(&pair.ours.nodes);
                   return JoinAdjacentCData(&pair.theirs.nodes) || ours;
               },
               0, nullptr, nullptr},
    Difference{"line ends in CDATA sections",
               "XML turns CR LF and a lone CR into LF everywhere; libxml2 2.9 leaves them as they are in CDATA",
               [](Pair& pair) {
                   bool changed = false;
                   for (Node& node : pair.theirs.nodes) {
                       if (node.kind == kCData && Contains(node.value, "\r")) {
                           node.value = Replaced(Replaced(node.value, "\r\n", "\n"), "\r", "\n");
                           changed = true;
                       }
                   }
                   return changed;
               },
               0, nullptr, nullptr},
    Difference{"declaration of the xml prefix", "libxml2 does not report it as an attribute",
               [](Pair& pair) {
                   bool changed = false;
                   const std::string declaration = " xmlns:xml=http://www.w3.org/XML/1998/namespace";
                   for (Node& node : pair.ours.nodes) {
                       if (const std::size_t at = node.attributes.find(declaration); at != std::string::npos) {
                           node.attributes.erase(at, declaration.size());
                           changed = true;
                       }
                   }
                   return changed;
               },
               0, nullptr, nullptr},
    Difference{"references in namespace names",
               "libxml2 gives an ampersand written as a reference in a namespace declaration back as \"&#38;\"",
               [](Pair& pair) {
                   bool changed = false;
                   for (Node& node : pair.theirs.nodes) {
                       if (!Contains(pair.document.bytes, "#38;") && Contains(node.attributes, "&#38;")) {
                           node.attributes = Replaced(node.attributes, "&#38;", "&");
                           changed = true;
                       }
                   }
                   return changed;
               },
               0, nullptr, nullptr},
    Difference{"namespace errors end the document",
               "libxml2 reports them and reads on; a definition file with one is broken all the same, so its "
               "first namespace error counts as its first error",
               [](Pair& pair) {
                   const bool changed = pair.theirs.namespaceError && pair.theirs.wellFormed;
                   pair.theirs.wellFormed = pair.theirs.wellFormed && !pair.theirs.namespaceError;
                   return changed;
               },
               0, nullptr, nullptr},
    Difference{"a reference to white space makes text",
               "as in the platform's reader, only literal white space makes a white-space node",
               [](Pair& pair) {
                   bool changed = false;
                   for (std::size_t i = 0; i < std::min(pair.ours.nodes.size(), pair.theirs.nodes.size()); ++i) {
                       Node& ours = pair.ours.nodes[i];
                       if (ours.kind == kText && pair.theirs.nodes[i].kind == kWhitespace &&
                           Contains(pair.document.bytes, "&#")) {
                           ours.kind = kWhitespace;
                           changed = true;
                       }
                   }
                   return changed;
               },
               0, nullptr, nullptr},
    Difference{"libxml2 holds back nodes before an error",
               "its reader returns a node once it has parsed the next one, and nothing before the root "
               "element's start tag is open; our nodes beyond its own are not compared",
               [](Pair& pair) {
                   std::vector<Node>& ours = pair.ours.nodes;
                   const std::vector<Node>& theirs = pair.theirs.nodes;
                   if (pair.ours.wellFormed || pair.theirs.wellFormed || theirs.size() >= ours.size() ||
                       !IsPrefix(theirs, ours)) {
                       return false;
                   }
                   const bool rootOpened = std::any_of(ours.begin(), ours.end(), [](const Node& node) {
                       return node.kind == kElement && !node.empty;
                   });
                   if (ours.size() - theirs.size() > 1 && (!theirs.empty() || rootOpened)) {
                       return false;
                   }
                   ours.resize(theirs.size());
                   return true;
               },
               0, nullptr, nullptr},

    Difference{"document type declaration refused",
               "the definition file needs none, and without one no entity expands and no attribute is defaulted",
               nullptr, kEverything, [](const Pair& pair) { return OurErrorIs(pair, {"DtdProhibited"}); },
               [](const Pair& pair) {
                   const bool typeNodeNext = pair.theirs.nodes.size() > pair.ours.nodes.size() &&
                                             pair.theirs.nodes[pair.ours.nodes.size()].kind == kDocumentType;
                   return LibxmlReadsOnPast(pair) && (typeNodeNext || !pair.theirs.wellFormed);
               }},
    Difference{"UTF-16 without a byte-order mark, UTF-32 and other signatures refused",
               "XML in UTF-16 starts with a byte-order mark; the reader decodes UTF-8, UTF-16 and single-byte "
               "code pages",
               nullptr, kEverything, [](const Pair& pair) { return OurErrorIs(pair, {"UnknownSignature"}); },
               [](const Pair& pair) {
                   const std::string& bytes = pair.document.bytes;
                   return pair.ours.nodes.empty() && bytes.size() >= 4 &&
                          (bytes[0] == '\0' || bytes[1] == '\0' || bytes[2] == '\0' || bytes[3] == '\0');
               }},
    Difference{"encodings without a table refused",
               "the reader decodes UTF-8, UTF-16 and the single-byte code pages it has tables for; libxml2 "
               "has iconv",
               nullptr, kEverything, [](const Pair& pair) { return OurErrorIs(pair, {"UnknownEncoding"}); },
               [](const Pair& pair) { return pair.ours.nodes.empty() && LibxmlReadsOnPast(pair); }},
    Difference{"declared encoding against the byte-order mark refused",
               "a file that says two things about its encoding is broken; libxml2 believes the mark", nullptr,
               kEverything, [](const Pair& pair) { return OurErrorIs(pair, {"EncodingMismatch"}); },
               [](const Pair& pair) { return pair.ours.nodes.empty() && LibxmlReadsOnPast(pair); }},
    Difference{"bytes that do not decode after the root element",
               "such as half a UTF-16 character or a byte outside the declared code page; libxml2 drops them",
               nullptr, kEverything,
               [](const Pair& pair) { return OurErrorIs(pair, {"InvalidByteSequence"}) && pair.theirs.wellFormed; },
               [](const Pair& pair) {
                   return IsPrefix(pair.ours.nodes, pair.theirs.nodes) &&
                          std::any_of(pair.ours.nodes.begin(), pair.ours.nodes.end(), [](const Node& node) {
                              return node.depth == 0 && (node.kind == kEndElement || node.empty);
                          });
               }},
    Difference{"version without digits after \"1.\"", "XML requires one or more; libxml2 takes \"1.\"", nullptr,
               kEverything,
               [](const Pair& pair) {
                   return OurErrorIs(pair, {"BadXmlDeclaration"}) && (Contains(pair.document.bytes, "version='1.'") ||
                                                                      Contains(pair.document.bytes, "version=\"1.\""));
               },
               LibxmlReadsOnPast},
    Difference{"namespace names are not checked as URIs",
               "the loader ignores namespaces; libxml2 reports a name that does not parse as a URI", nullptr,
               kEverything,
               [](const Pair& pair) { return pair.theirs.namespaceError && pair.theirs.code == XML_WAR_NS_URI; },
               [](const Pair& pair) {
                   return IsPrefix(pair.theirs.nodes, pair.ours.nodes) &&
                          (pair.ours.wellFormed || pair.ours.line >= pair.theirs.line);
               }},
    Difference{"a lone carriage return ends a line",
               "XML makes it a line feed; libxml2 counts only line feeds in its line numbers", nullptr, kLine,
               [](const Pair& pair) { return CountLineEnds(pair.document.bytes).loneCarriageReturns != 0; },
               [](const Pair& pair) {
                   return pair.theirs.line <= pair.ours.line &&
                          pair.ours.line <= pair.theirs.line + CountLineEnds(pair.document.bytes).loneCarriageReturns;
               }},
    Difference{"end of input reported where the input ends",
               "libxml2 reports some unfinished constructs where they start", nullptr, kLine,
               [](const Pair& pair) { return OurErrorIs(pair, {"UnexpectedEnd"}); },
               [](const Pair& pair) {
                   const LineEnds ends = CountLineEnds(pair.document.bytes);
                   return pair.theirs.line <= pair.ours.line &&
                          pair.ours.line == 1 + ends.lineFeeds + ends.loneCarriageReturns;
               }},
    Difference{"end tag without a name",
               "reported at the character where the name should start; libxml2 skips white space and then "
               "misses the '>'",
               nullptr, kLine,
               [](const Pair& pair) {
                   return OurErrorIs(pair, {"BadNameCharacter"}) && pair.theirs.code == XML_ERR_GT_REQUIRED;
               },
               [](const Pair& pair) { return pair.ours.line <= pair.theirs.line; }},
    Difference{"errors of a whole tag reported at its start",
               "an end tag that does not match, a repeated attribute and an undeclared prefix are reported at "
               "the tag or attribute; libxml2 reports them after the tag",
               nullptr, kLine,
               [](const Pair& pair) {
                   return OurErrorIs(pair, {"EndTagMismatch", "DuplicateAttribute", "UndeclaredPrefix"});
               },
               [](const Pair& pair) {
                   return pair.ours.line <=
                          pair.theirs.line + CountLineEnds(pair.document.bytes).loneCarriageReturns;
               }},
};

std::string Describe(const Reading& reading) {
    std::ostringstream out;
    for (const Node& node : reading.nodes) {
        out << "\n    " << node.kind << " d" << node.depth << " " << node.prefix << ":" << node.localName
            << (node.empty ? "/" : "") << " [" << node.value << "]" << node.attributes;
    }
    out << "\n    -> " << (reading.wellFormed ? "well formed" : reading.error) << " on line " << reading.line;
    return out.str();
}

std::string Escaped(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// Empty when the readers agree, or differ only as a listed difference allows;
// else what they disagree on.
std::string Disagreement(Pair& pair) {
    for (const Difference& difference : kDifferences) {
        if (difference.normalise) {
            difference.normalise(pair);
        }
    }
    const bool bothFailed = !pair.ours.wellFormed && !pair.theirs.wellFormed;
    const std::tuple<Aspect, bool, const char*> aspects[] = {
        {kOutcome, pair.ours.wellFormed == pair.theirs.wellFormed, "well-formedness"},
        {kNodes, pair.ours.nodes == pair.theirs.nodes, "nodes"},
        {kLine, !bothFailed || pair.ours.line == pair.theirs.line, "error line"},
    };
    for (const auto& [aspect, agrees, aspectName] : aspects) {
        if (agrees) {
            continue;
        }
        // The document is checked against every difference it shows; one
        // that holds accounts for the aspect.
        std::string shown;
        const Difference* accounted = nullptr;
        for (const Difference& difference : kDifferences) {
            if (accounted == nullptr && (difference.explains & aspect) != 0 && difference.shows(pair)) {
                shown += std::string(shown.empty() ? "" : ", ") + "\"" + difference.what + "\"";
                accounted = difference.holds(pair) ? &difference : nullptr;
            }
        }
        if (accounted == nullptr) {
            return std::string("the readers disagree on ") + aspectName +
                   (shown.empty() ? "" : ", not as " + shown + " allows");
        }
        if (accounted->explains == kEverything) {
            return "";
        }
    }
    return "";
}

void ExpectAgreement(const std::vector<Document>& documents) {
    xmlInitParser();
    std::size_t failures = 0;
    for (const Document& document : documents) {
        Pair pair{document, ReadWithOurs(document.bytes), ReadWithLibxml2(document.bytes)};
        if (const std::string what = Disagreement(pair); !what.empty() && ++failures <= 40) {
            ADD_FAILURE() << document.name << ": " << what << "\n  " << Escaped(document.bytes)
                          << "\n  ours:" << Describe(pair.ours) << "\n  libxml2:" << Describe(pair.theirs);
        }
    }
    EXPECT_EQ(failures, 0u) << "of " << documents.size() << " documents";
}

TEST(XmlDifferential, EveryCase) { ExpectAgreement(Cases()); }

TEST(XmlDifferential, EveryCaseCutShort) { ExpectAgreement(Truncated()); }

TEST(XmlDifferential, MutatedCases) { ExpectAgreement(Mutated(20240611, 4000)); }

}  // namespace
}  // namespace xml
