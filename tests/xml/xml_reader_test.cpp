#include "xml/xml_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "tests/xml/xml_cases.h"

namespace xml {
namespace {

using testing::Getter;
using testing::kXmlCases;
using testing::XmlCase;

// Line ends and tabs escaped, so traces stay on one line.
std::string Text(const XmlReader& reader, Getter get) {
    std::string out;
    for (char c : testing::Utf8(reader, get)) {
        out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
    }
    return out;
}

std::string QualifiedName(const XmlReader& reader) {
    const std::string prefix = Text(reader, &XmlReader::GetPrefix);
    return (prefix.empty() ? "" : prefix + ":") + Text(reader, &XmlReader::GetLocalName);
}

std::string Attributes(XmlReader& reader) {
    std::string out;
    for (XmlResult moved = reader.MoveToFirstAttribute(); moved == result::Ok; moved = reader.MoveToNextAttribute()) {
        out += " " + QualifiedName(reader) + "=" + Text(reader, &XmlReader::GetValue);
    }
    reader.MoveToElement();
    return out;
}

std::string Position(const XmlReader& reader) {
    std::uint32_t line = 0, position = 0;
    reader.GetLineNumber(&line);
    reader.GetLinePosition(&position);
    return std::to_string(line) + ":" + std::to_string(position);
}

// The trace of xml_cases.h; the error's position is given when withPosition.
std::string TraceFrom(XmlByteSource& source, bool withPosition) {
    XmlReader reader;
    EXPECT_EQ(reader.SetInput(&source), result::Ok);
    std::string trace;
    auto add = [&trace](const std::string& token) { trace += (trace.empty() ? "" : " ") + token; };
    XmlNodeType type = XmlNodeType::None;
    XmlResult outcome = result::Ok;
    while ((outcome = reader.Read(&type)) == result::Ok) {
        const std::string value = Text(reader, &XmlReader::GetValue);
        switch (type) {
        case XmlNodeType::Element: {
            const bool empty = reader.IsEmptyElement();
            add("<" + QualifiedName(reader) + Attributes(reader) + (empty ? "/>" : ">"));
            break;
        }
        case XmlNodeType::EndElement: add("</" + QualifiedName(reader) + ">"); break;
        case XmlNodeType::Text: add("T(" + value + ")"); break;
        case XmlNodeType::Whitespace: add("W(" + value + ")"); break;
        case XmlNodeType::CData: add("CDATA(" + value + ")"); break;
        case XmlNodeType::Comment: add("C(" + value + ")"); break;
        case XmlNodeType::ProcessingInstruction: add("?" + QualifiedName(reader) + "(" + value + ")"); break;
        case XmlNodeType::XmlDeclaration: add("<?xml" + Attributes(reader) + "?>"); break;
        default: add("unexpected node type " + std::to_string(static_cast<int>(type))); break;
        }
    }
    if (outcome != result::EndOfInput) {
        add(std::string("!") + XmlResultName(outcome) + (withPosition ? "@" + Position(reader) : ""));
    }
    EXPECT_EQ(reader.Read(&type), outcome) << "the end and errors are final";
    return trace;
}

// Every case read whole, then handed over 1 to 5 bytes a read, so that a
// character, a CR LF or a name split between two reads is caught.
TEST(XmlReader, EveryCaseGivesItsNodesAndError) {
    for (const XmlCase& c : kXmlCases) {
        const std::string bytes = testing::XmlCaseBytes(c);
        for (const std::size_t chunk : {SIZE_MAX, std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}}) {
            XmlMemorySource source(bytes.data(), bytes.size(), chunk);
            EXPECT_EQ(TraceFrom(source, std::strchr(c.trace, '@') != nullptr), c.trace)
                << c.name << ", read " << chunk << " bytes at a time";
        }
    }
}

// Where each node and attribute starts and where reading ended, as
// "line:position" in UTF-16 units.
TEST(XmlReader, NodesAndAttributesReportWhereTheyStart) {
    const struct {
        const char* document;
        const char* positions;
    } cases[] = {
        {"<a x='1'\n   y='2'>\n  text<b/></a>", "1:1[1:4][2:4] 2:10 3:7 3:11 3:15"},
        {"<?xml version='1.0'?>\r\n<a>\r\n</a>", "1:1[1:7] 1:22 2:1 2:4 3:1 3:5"},
        {"<a>𝄞<b/></a>", "1:1 1:4 1:6 1:10 1:14"},  // the musical symbol takes two units
        {"<a>Яя<b/>\n</a>", "1:1 1:4 1:6 1:10 2:1 2:5"},  // a Cyrillic letter is one unit, not its two bytes
        {"\xEF\xBB\xBF<a/>", "1:1 1:5"},
    };
    for (const auto& c : cases) {
        XmlMemorySource source(c.document, std::strlen(c.document));
        XmlReader reader;
        reader.SetInput(&source);
        std::string out;
        for (XmlResult read = result::Ok; read == result::Ok;) {
            read = reader.Read(nullptr);
            out += (out.empty() ? "" : " ") + Position(reader);
            for (XmlResult moved = reader.MoveToFirstAttribute(); moved == result::Ok;
                 moved = reader.MoveToNextAttribute()) {
                out += "[" + Position(reader) + "]";
            }
        }
        EXPECT_EQ(out, c.positions) << c.document;
    }
}

// A file whose reading fails after its first bytes gives the nodes before the failure.
TEST(XmlReader, FailedReadEndsWithTheNodesBeforeIt) {
    struct FailingSource final : XmlByteSource {
        XmlMemorySource bytes;
        explicit FailingSource(std::size_t size) : bytes("<a><b/>text</a>", size) {}
        bool Read(void* buffer, std::size_t size, std::size_t* got) override {
            return bytes.Read(buffer, size, got) && *got != 0;
        }
    } source(7), atOnce(0);
    EXPECT_EQ(TraceFrom(source, false), "<a> <b/> !InputFailed");
    EXPECT_EQ(TraceFrom(atOnce, false), "!InputFailed");
}

// A hostile file nested 200,000 deep must not overflow the stack.
TEST(XmlReader, DeepNestingNeedsNoRecursion) {
    std::string document;
    for (int i = 0; i < 400000; ++i) {
        document += i < 200000 ? "<e>" : "</e>";
    }
    XmlMemorySource source(document.data(), document.size());
    XmlReader reader;
    reader.SetInput(&source);
    std::size_t nodes = 0;
    while (reader.Read(nullptr) == result::Ok) {
        ++nodes;
    }
    EXPECT_EQ(reader.Read(nullptr), result::EndOfInput);
    EXPECT_EQ(nodes, 400000u);
}

}  // namespace
}  // namespace xml
