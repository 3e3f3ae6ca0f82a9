// Reads every case of xml_cases.h, cut short after every byte, and thousands
// made from them by random edits, with our reader and with libxml2's reader:
// a construct accepted that is not XML, or a node lost or garbled when a
// document is cut or edited, shows as a disagreement on well-formedness or
// on the nodes read before the end or the first error.

#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tests/xml/xml_cases.h"
#include "xml/xml_reader.h"

namespace xml {
namespace {

using namespace std::string_view_literals;

// Node types as both readers number them; libxml2 alone has significant white space.
enum NodeKind : int { kElement = 1, kText = 3, kCData = 4, kInstruction = 7 };
enum : int { kWhitespace = 13, kSignificantWhitespace = 14, kEndElement = 15, kDeclaration = 17 };

struct Node {
    int kind = 0, depth = 0;
    std::string name, value;  // name: prefix:local
    bool empty = false;
    std::string attributes;  // " prefix:name=value" each, namespace declarations first as libxml2 keeps them

    bool operator==(const Node&) const = default;
};

struct Reading {
    std::vector<Node> nodes;
    bool wellFormed = false;
    std::string error;  // our result name, or libxml2's code and message
};

struct Document {
    std::string name;
    std::string bytes;
};

// Every case, and with `cut` each of its beginnings too (the empty one included).
std::vector<Document> Cases(bool cut) {
    std::vector<Document> documents;
    for (const testing::XmlCase& c : testing::kXmlCases) {
        const std::string bytes = testing::XmlCaseBytes(c);
        for (std::size_t length = cut ? 0 : bytes.size(); length <= bytes.size(); ++length) {
            documents.push_back({c.name + std::string(length < bytes.size() ? "@" + std::to_string(length) : ""),
                                 bytes.substr(0, length)});
        }
    }
    return documents;
}

constexpr std::array kTokens = {
    "<"sv, ">"sv, "/>"sv, "</"sv, "<?"sv, "?>"sv, "<!--"sv, "-->"sv, "--"sv, "<![CDATA["sv, "]]>"sv,
    "<!DOCTYPE a>"sv, "&"sv, ";"sv, "&amp;"sv, "&lt;"sv, "&#"sv, "&#x"sv, "&#x41;"sv, "&#65;"sv, "="sv,
    "'"sv, "\""sv, " "sv, "\n"sv, "\r"sv, "\r\n"sv, "\t"sv, ":"sv, "xmlns"sv, "xmlns:p='urn:p'"sv,
    "p:"sv, "xml"sv, " x='1'"sv, "<b>"sv, "</b>"sv, "<b/>"sv, "a"sv, "\xD0\x9F"sv, "\xF0\x9D\x84\x9E"sv,
    "\xC3"sv, "\x80"sv, "\xEF\xBB\xBF"sv, std::string_view("\0", 1), "\x01"sv, "\xFF\xFE"sv,
    "<?xml version='1.0'?>"sv, " encoding='windows-1251'"sv, " standalone='yes'"sv,
};

// count documents made from random cases by byte edits, inserted tokens,
// deleted and repeated ranges. The engine's numbers are the same on every
// machine, unlike those of the standard library's distributions.
std::vector<Document> Mutated(std::uint64_t seed, std::size_t count) {
    std::mt19937_64 engine(seed);
    auto below = [&engine](std::size_t bound) { return static_cast<std::size_t>(engine() % bound); };
    const std::vector<Document> cases = Cases(false);
    std::vector<Document> documents;
    for (std::size_t n = 0; n < count; ++n) {
        const Document& original = cases[below(cases.size())];
        std::string bytes = original.bytes;
        for (std::size_t edits = 1 + below(3); edits != 0; --edits) {
            const std::size_t at = below(bytes.size() + 1), span = 1 + below(8);
            switch (below(5)) {
            case 0: bytes.insert(at, 1, static_cast<char>(below(256))).erase(at + 1, 1); break;  // or added at the end
            case 1:
            case 2: bytes.insert(at, kTokens[below(kTokens.size())]); break;
            case 3: bytes.erase(at, span); break;
            default: bytes.insert(at, bytes.substr(at, span)); break;
            }
        }
        documents.push_back({original.name + "~" + std::to_string(n), bytes});
    }
    return documents;
}

std::string OurName(const XmlReader& reader) {
    return testing::Utf8(reader, &XmlReader::GetPrefix) + ":" + testing::Utf8(reader, &XmlReader::GetLocalName);
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
        Node node{static_cast<int>(type), depth -= type == XmlNodeType::EndElement, OurName(reader), "",
                  reader.IsEmptyElement(), ""};
        if (type != XmlNodeType::Element && type != XmlNodeType::EndElement) {
            node.value = testing::Utf8(reader, &XmlReader::GetValue);
        }
        std::string others;
        for (XmlResult moved = reader.MoveToFirstAttribute(); moved == result::Ok;
             moved = reader.MoveToNextAttribute()) {
            const std::string name = OurName(reader);
            const bool declaration = name.starts_with("xmlns:") || name == ":xmlns";
            (declaration ? node.attributes : others) += " " + name + "=" + testing::Utf8(reader, &XmlReader::GetValue);
        }
        reader.MoveToElement();
        node.attributes += others;
        depth += type == XmlNodeType::Element && !node.empty;
        reading.nodes.push_back(node);
    }
    reading.wellFormed = outcome == result::EndOfInput;
    reading.error = reading.wellFormed ? "" : XmlResultName(outcome);
    return reading;
}

// Hands libxml2 one byte per read. Its reader parses ahead of the node it
// returns and drops at an error what it parsed but did not return; fed a
// byte at a time it returns every node before an error but at most one.
int FeedOneByte(void* context, char* buffer, int length) {
    auto* rest = static_cast<std::string_view*>(context);
    if (length <= 0 || rest->empty()) {
        return 0;
    }
    buffer[0] = rest->front();
    rest->remove_prefix(1);
    return 1;
}

// The first error. Namespace errors end the reading too: libxml2 reads on,
// but a definition file with one is broken all the same. Namespace names are
// not checked as URIs: the loader ignores namespaces.
void KeepFirstError(void* context, xmlErrorPtr error) {
    auto* reading = static_cast<Reading*>(context);
    if (error != nullptr && error->level >= XML_ERR_ERROR && reading->error.empty() && error->code != XML_WAR_NS_URI) {
        reading->error = "libxml2 " + std::to_string(error->code) + " " + (error->message ? error->message : "");
    }
}

std::string Text(const xmlChar* text) { return text != nullptr ? reinterpret_cast<const char*>(text) : ""; }

std::string TheirName(xmlTextReaderPtr reader) {
    return Text(xmlTextReaderConstPrefix(reader)) + ":" + Text(xmlTextReaderConstLocalName(reader));
}

Reading ReadWithLibxml2(const std::string& bytes) {
    Reading reading;
    std::string_view rest = bytes;
    xmlTextReaderPtr reader =
        xmlReaderForIO(FeedOneByte, [](void*) { return 0; }, &rest, nullptr, nullptr, XML_PARSE_NONET);
    xmlTextReaderSetStructuredErrorHandler(reader, KeepFirstError, &reading);
    // Conversion errors of the input come through the global handler.
    xmlSetStructuredErrorFunc(&reading, KeepFirstError);
    int outcome = 0;
    while ((outcome = xmlTextReaderRead(reader)) == 1 && reading.error.empty()) {
        Node node{xmlTextReaderNodeType(reader), xmlTextReaderDepth(reader), ":", "",
                  xmlTextReaderIsEmptyElement(reader) == 1, ""};
        if (node.kind == kElement || node.kind == kEndElement || node.kind == kInstruction) {
            node.name = TheirName(reader);
        }
        if (node.kind != kElement && node.kind != kEndElement) {
            node.value = Text(xmlTextReaderConstValue(reader));
        }
        while (node.kind == kElement && xmlTextReaderMoveToNextAttribute(reader) == 1) {
            node.attributes += " " + TheirName(reader) + "=" + Text(xmlTextReaderConstValue(reader));
        }
        reading.nodes.push_back(node);
    }
    while (outcome == 1) {
        outcome = xmlTextReaderRead(reader);
    }
    reading.wellFormed = outcome == 0 && reading.error.empty();
    if (!reading.wellFormed && reading.error.empty()) {
        reading.error = "libxml2 failed without an error";
    }
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    xmlFreeTextReader(reader);
    return reading;
}

void ReplaceAll(std::string* text, std::string_view from, std::string_view to) {
    for (std::size_t at = text->find(from); at != std::string::npos; at = text->find(from, at + to.size())) {
        text->replace(at, from.size(), to);
    }
}

// The differences of node model, made alike in both readings: libxml2 has no
// node for the XML declaration or white space outside the root element, joins
// adjacent CDATA sections, leaves line ends in CDATA as written, does not
// report a declaration of the xml prefix, gives "&" in a namespace name back
// as "&#38;", and makes a reference to white space a white-space node.
void MakeAlike(const Document& document, Reading* ours, Reading* theirs) {
    std::erase_if(ours->nodes, [](const Node& node) {
        return node.kind == kDeclaration || (node.kind == kWhitespace && node.depth == 0);
    });
    for (Reading* reading : {ours, theirs}) {
        for (std::size_t i = 0; i < reading->nodes.size(); ++i) {
            Node& node = reading->nodes[i];
            ReplaceAll(&node.attributes, " xmlns:xml=http://www.w3.org/XML/1998/namespace", "");
            if (document.bytes.find("#38;") == std::string::npos) {
                ReplaceAll(&node.attributes, "&#38;", "&");
            }
            if (node.kind == kCData) {
                ReplaceAll(&node.value, "\r\n", "\n");
                ReplaceAll(&node.value, "\r", "\n");
            }
            node.kind = node.kind == kWhitespace || node.kind == kSignificantWhitespace ? kText : node.kind;
            if (i != 0 && node.kind == kCData && reading->nodes[i - 1].kind == kCData) {
                reading->nodes[i - 1].value += node.value;
                reading->nodes.erase(reading->nodes.begin() + static_cast<std::ptrdiff_t>(i--));
            }
        }
    }
}

bool IsPrefix(const std::vector<Node>& shorter, const std::vector<Node>& longer) {
    return shorter.size() <= longer.size() && std::equal(shorter.begin(), shorter.end(), longer.begin());
}

// What we refuse on purpose where libxml2 reads on: a document type
// declaration (no entity expands, no attribute is defaulted), UTF-16 without
// a byte-order mark and other signatures, an encoding without a table here,
// a declared encoding against the byte-order mark, a version "1." without
// digits, and bytes that do not decode after the root element.
bool RefusedOnPurpose(const Document& document, const Reading& ours) {
    const bool rootEnded = std::any_of(ours.nodes.begin(), ours.nodes.end(), [](const Node& node) {
        return node.depth == 0 && (node.kind == kEndElement || node.empty);
    });
    std::string text = document.bytes;
    std::erase(text, '\0');  // UTF-16 as ASCII, near enough to find the version
    const std::string& e = ours.error;
    return e == "DtdProhibited" || e == "UnknownSignature" || e == "UnknownEncoding" || e == "EncodingMismatch" ||
           (e == "InvalidByteSequence" && rootEnded) ||
           (e == "BadXmlDeclaration" &&
            (text.find("version='1.'") != std::string::npos || text.find("version=\"1.\"") != std::string::npos));
}

// Empty when the readers agree; else what they disagree on.
std::string Disagreement(const Document& document, Reading& ours, Reading& theirs) {
    MakeAlike(document, &ours, &theirs);
    if (ours.wellFormed && theirs.wellFormed) {
        return ours.nodes == theirs.nodes ? "" : "nodes";
    }
    const bool refused = !ours.wellFormed && RefusedOnPurpose(document, ours);
    if (ours.wellFormed != theirs.wellFormed && !refused) {
        return "well-formedness";
    }
    if (refused && IsPrefix(ours.nodes, theirs.nodes)) {
        return "";
    }
    // Where both stop, libxml2 may hold back one node, or the nodes before
    // the root element's start tag, which it has not yet returned.
    const bool prolog = std::none_of(ours.nodes.begin(), ours.nodes.end(),
                                     [](const Node& node) { return node.kind == kElement && !node.empty; });
    const bool heldBack = ours.nodes.size() <= theirs.nodes.size() + 1 || (theirs.nodes.empty() && prolog);
    return IsPrefix(theirs.nodes, ours.nodes) && heldBack ? "" : "nodes before the error";
}

std::string Describe(const Reading& reading) {
    std::string out;
    for (const Node& node : reading.nodes) {
        out += "\n    " + std::to_string(node.kind) + " d" + std::to_string(node.depth) + " " + node.name +
               (node.empty ? "/" : "") + " [" + node.value + "]" + node.attributes;
    }
    return out + "\n    -> " + (reading.wellFormed ? "well formed" : reading.error);
}

void ExpectAgreement(const std::vector<Document>& documents) {
    xmlInitParser();
    std::size_t failures = 0;
    for (const Document& document : documents) {
        Reading ours = ReadWithOurs(document.bytes);
        Reading theirs = ReadWithLibxml2(document.bytes);
        if (const std::string what = Disagreement(document, ours, theirs); !what.empty() && ++failures <= 40) {
            ADD_FAILURE() << document.name << ": the readers disagree on " << what << "\n  "
                          << ::testing::PrintToString(document.bytes) << "\n  ours:" << Describe(ours)
                          << "\n  libxml2:" << Describe(theirs);
        }
    }
    EXPECT_EQ(failures, 0u) << "of " << documents.size() << " documents";
}

TEST(XmlDifferential, EveryCaseWholeAndCutShort) { ExpectAgreement(Cases(true)); }

TEST(XmlDifferential, MutatedCases) { ExpectAgreement(Mutated(20240611, 4000)); }

}  // namespace
}  // namespace xml
