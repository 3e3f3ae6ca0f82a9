#include "xml/xml_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/xml/utf8_from_utf16.h"

namespace xml {
namespace {

// UTF-8 with line ends and tabs escaped, so traces stay on one line.
std::string ToUtf8(const char16_t* text, std::uint32_t length) {
    std::string out;
    for (char c : testing::Utf8FromUtf16(text, length)) {
        out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : std::string(1, c);
    }
    return out;
}

std::string Prefix(const XmlReader& reader) {
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    EXPECT_EQ(reader.GetPrefix(&text, &length), result::Ok);
    EXPECT_EQ(text[length], u'\0');
    return ToUtf8(text, length);
}

std::string LocalName(const XmlReader& reader) {
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    EXPECT_EQ(reader.GetLocalName(&text, &length), result::Ok);
    EXPECT_EQ(text[length], u'\0');
    return ToUtf8(text, length);
}

std::string Value(const XmlReader& reader) {
    const char16_t* text = nullptr;
    std::uint32_t length = 0;
    EXPECT_EQ(reader.GetValue(&text, &length), result::Ok);
    EXPECT_EQ(text[length], u'\0');
    return ToUtf8(text, length);
}

std::string QualifiedName(const XmlReader& reader) {
    const std::string prefix = Prefix(reader);
    return prefix.empty() ? LocalName(reader) : prefix + ":" + LocalName(reader);
}

std::string Attributes(XmlReader& reader) {
    std::string out;
    for (XmlResult moved = reader.MoveToFirstAttribute(); moved == result::Ok;
         moved = reader.MoveToNextAttribute()) {
        out += " " + QualifiedName(reader) + "=" + Value(reader);
    }
    reader.MoveToElement();
    return out;
}

// One token per node: <a x=1>, <a/>, </a>, T(text), W(white space), CDATA(..),
// C(comment), ?target(data), <?xml version=..?>; then !ErrorName if reading
// stopped at an error.
std::string TraceFrom(XmlByteSource& source) {
    XmlReader reader;
    EXPECT_EQ(reader.SetInput(&source), result::Ok);
    std::string trace;
    auto add = [&trace](const std::string& token) {
        trace += trace.empty() ? token : " " + token;
    };
    XmlNodeType type = XmlNodeType::None;
    XmlResult outcome = result::Ok;
    while ((outcome = reader.Read(&type)) == result::Ok) {
        switch (type) {
        case XmlNodeType::Element: {
            const std::string name = QualifiedName(reader);
            const bool empty = reader.IsEmptyElement();
            add("<" + name + Attributes(reader) + (empty ? "/>" : ">"));
            break;
        }
        case XmlNodeType::EndElement: add("</" + QualifiedName(reader) + ">"); break;
        case XmlNodeType::Text: add("T(" + Value(reader) + ")"); break;
        case XmlNodeType::Whitespace: add("W(" + Value(reader) + ")"); break;
        case XmlNodeType::CData: add("CDATA(" + Value(reader) + ")"); break;
        case XmlNodeType::Comment: add("C(" + Value(reader) + ")"); break;
        case XmlNodeType::ProcessingInstruction:
            add("?" + LocalName(reader) + "(" + Value(reader) + ")");
            break;
        case XmlNodeType::XmlDeclaration: add("<?xml" + Attributes(reader) + "?>"); break;
        default: add("unexpected node type " + std::to_string(static_cast<int>(type))); break;
        }
    }
    if (outcome != result::EndOfInput) {
        add(std::string("!") + XmlResultName(outcome));
    }
    return trace;
}

std::string Trace(const std::string& document, std::size_t chunk = SIZE_MAX) {
    XmlMemorySource source(document.data(), document.size(), chunk);
    return TraceFrom(source);
}

// Where each node starts, "line:position", and where reading stopped.
std::string Positions(const std::string& document) {
    XmlMemorySource source(document.data(), document.size());
    XmlReader reader;
    reader.SetInput(&source);
    std::string out;
    XmlResult outcome = result::Ok;
    do {
        outcome = reader.Read(nullptr);
        std::uint32_t line = 0;
        std::uint32_t position = 0;
        EXPECT_EQ(reader.GetLineNumber(&line), result::Ok);
        EXPECT_EQ(reader.GetLinePosition(&position), result::Ok);
        out += (out.empty() ? "" : " ") + std::to_string(line) + ":" + std::to_string(position);
        if (reader.MoveToFirstAttribute() == result::Ok) {
            do {
                reader.GetLineNumber(&line);
                reader.GetLinePosition(&position);
                out += "[" + std::to_string(line) + ":" + std::to_string(position) + "]";
            } while (reader.MoveToNextAttribute() == result::Ok);
        }
    } while (outcome == result::Ok);
    return out;
}

struct Case {
    const char* document;
    const char* trace;
};

void ExpectTraces(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Trace(c.document), c.trace) << "document: " << c.document;
    }
}

// ---------------------------------------------------------------------------

TEST(XmlReaderNodes, EveryNodeTypeInDocumentOrder) {
    ExpectTraces({
        {"<a/>", "<a/>"},
        {"<a></a>", "<a> </a>"},
        {"<a>x</a>", "<a> T(x) </a>"},
        {"<?xml version='1.0'?><a/>", "<?xml version=1.0?> <a/>"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><a/>",
         "<?xml version=1.0 encoding=UTF-8 standalone=yes?> <a/>"},
        {"<?xml version='1.0' standalone='no'?><a/>", "<?xml version=1.0 standalone=no?> <a/>"},
        {"<!-- c --><a><!----></a><!--x-y-->", "C( c ) <a> C() </a> C(x-y)"},
        {"<?pi data  here ?><a><?t?></a><?u x?>", "?pi(data  here ) <a> ?t() </a> ?u(x)"},
        {"<?xml-stylesheet href='s'?><a/>", "?xml-stylesheet(href='s') <a/>"},
        {"<a><![CDATA[ <b>&amp;]] ]]></a>", "<a> CDATA( <b>&amp;]] ) </a>"},
        {"<a><![CDATA[]]]]></a>", "<a> CDATA(]]) </a>"},
        {"<a><![CDATA[]]></a>", "<a> CDATA() </a>"},
        {"<a><b><c/></b><b/></a>", "<a> <b> <c/> </b> <b/> </a>"},
        {"<a>x<![CDATA[y]]>z<!--c-->w</a>", "<a> T(x) CDATA(y) T(z) C(c) T(w) </a>"},
        {"<a>1]]2]>3</a>", "<a> T(1]]2]>3) </a>"},
        {"<a>></a>", "<a> T(>) </a>"},
        {"<a\n\tx = \"1\"\n/>", "<a x=1/>"},
        {"<a></a >", "<a> </a>"},
    });
}

TEST(XmlReaderNodes, WhitespaceRunsApartFromText) {
    ExpectTraces({
        {" \n<a> <b>\t</b> x </a>\n ", "W( \\n) <a> W( ) <b> W(\\t) </b> T( x ) </a> W(\\n )"},
        {"<a>  x\n y  </a>", "<a> T(  x\\n y  ) </a>"},
        // A reference is text even when it stands for white space.
        {"<a> &#32; </a>", "<a> T(   ) </a>"},
        {"<a> <!--c--> </a>", "<a> W( ) C(c) W( ) </a>"},
        {"<a/>\n<!--c-->\n", "<a/> W(\\n) C(c) W(\\n)"},
    });
}

TEST(XmlReaderNodes, LineEndsBecomeLineFeeds) {
    ExpectTraces({
        {"<a>1\r\n2\r3\n4\r\r\n5</a>", "<a> T(1\\n2\\n3\\n4\\n\\n5) </a>"},
        {"<a><!--\r\n--><?p a\rb?><![CDATA[\r]]></a>", "<a> C(\\n) ?p(a\\nb) CDATA(\\n) </a>"},
        // A character reference keeps the carriage return it names.
        {"<a>&#13;&#xD;</a>", "<a> T(\\r\\r) </a>"},
    });
}

TEST(XmlReaderNodes, AttributesAreNormalisedAndResolved) {
    ExpectTraces({
        {"<a x='1' y=\"2\" z=''/>", "<a x=1 y=2 z=/>"},
        {"<a x='say \"hi\"' y=\"it's\"/>", "<a x=say \"hi\" y=it's/>"},
        {"<a x=' a\tb\r\nc\rd\ne '/>", "<a x= a b c d e />"},
        {"<a x='&lt;&gt;&amp;&apos;&quot;'/>", "<a x=<>&'\"/>"},
        {"<a x='&#9;&#10;&#13;&#x20;'/>", "<a x=\\t\\n\\r />"},
        {"<a x='>'/>", "<a x=>/>"},
        {"<a x='1'></a>", "<a x=1> </a>"},
    });
}

TEST(XmlReaderNodes, ReferencesInText) {
    ExpectTraces({
        {"<a>&lt;b&gt; &amp; &apos;&quot;</a>", "<a> T(<b> & '\") </a>"},
        {"<a>&#65;&#x42;&#X43;</a>", "<a> !BadDigit"},  // only a lower-case x starts hex
        {"<a>&#65;&#x42;&#x00043;&#1055;</a>", "<a> T(ABCП) </a>"},
        {"<a>&#x1F600;&#128512;</a>", "<a> T(😀😀) </a>"},
        {"<a>&#x10FFFF;&#xFFFD;&#xE000;&#xD7FF;</a>", "<a> T(\xF4\x8F\xBF\xBF\xEF\xBF\xBD\xEE\x80\x80\xED\x9F\xBF) </a>"},
    });
}

TEST(XmlReaderNamespaces, PrefixesAreReportedAsPrefixes) {
    ExpectTraces({
        {"<p:a xmlns:p='urn:p' p:x='1' y='2'><p:b/></p:a>",
         "<p:a xmlns:p=urn:p p:x=1 y=2> <p:b/> </p:a>"},
        // A declaration may follow its first use in the same tag.
        {"<p:a p:x='1' xmlns:p='urn:p'/>", "<p:a p:x=1 xmlns:p=urn:p/>"},
        {"<a xmlns='urn:d'><b xmlns=''/></a>", "<a xmlns=urn:d> <b xmlns=/> </a>"},
        {"<xml:a xml:lang='en'/>", "<xml:a xml:lang=en/>"},
        {"<a xmlns:xml='http://www.w3.org/XML/1998/namespace'/>",
         "<a xmlns:xml=http://www.w3.org/XML/1998/namespace/>"},
        // The same local name in different namespaces is not a duplicate.
        {"<a xmlns:p='urn:p' xmlns:q='urn:q' p:x='1' q:x='2' x='3'/>",
         "<a xmlns:p=urn:p xmlns:q=urn:q p:x=1 q:x=2 x=3/>"},
        // An inner declaration shadows an outer one and ends with its element.
        {"<p:a xmlns:p='u1'><p:b xmlns:p='u2'/><p:c/></p:a>",
         "<p:a xmlns:p=u1> <p:b xmlns:p=u2/> <p:c/> </p:a>"},
    });
}

TEST(XmlReaderNamespaces, PrefixErrors) {
    ExpectTraces({
        {"<p:a/>", "!UndeclaredPrefix"},
        {"<a p:x='1'/>", "!UndeclaredPrefix"},
        {"<a><p:b xmlns:p='u'/><p:c/></a>", "<a> <p:b xmlns:p=u/> !UndeclaredPrefix"},
        {"<a><b xmlns:p='u'></b><c p:x='1'/></a>", "<a> <b xmlns:p=u> </b> !UndeclaredPrefix"},
        {"<a xmlns:p='u' xmlns:q='u' p:x='1' q:x='2'/>", "!DuplicateAttribute"},
        {"<a xmlns:p=''/>", "!EmptyNamespaceUri"},
        {"<a xmlns:xml='urn:other'/>", "!XmlPrefixReserved"},
        {"<a xmlns:xmlns='urn:x'/>", "!XmlnsPrefixReserved"},
        {"<xmlns:a/>", "!XmlnsPrefixReserved"},
        {"<a xmlns:p='http://www.w3.org/XML/1998/namespace'/>", "!XmlUriReserved"},
        {"<a xmlns='http://www.w3.org/2000/xmlns/'/>", "!XmlnsUriReserved"},
        {"<:a/>", "!BadQualifiedNameColon"},
        {"<a:/>", "!BadQualifiedNameColon"},
        {"<a:b:c/>", "!BadQualifiedNameColon"},
        {"<a:1b xmlns:a='u'/>", "!BadQualifiedNameStart"},
        {"<a><?p:i x?></a>", "<a> !ColonInName"},
    });
}

TEST(XmlReaderNames, NameCharactersFollowTheXmlRules) {
    ExpectTraces({
        {"<_a-b.c\xC2\xB7\xCC\x80/>", "<_a-b.c\xC2\xB7\xCC\x80/>"},
        {"<Свойство Имя='x'/>", "<Свойство Имя=x/>"},
        {"<\xF0\x90\x80\x80/>", "<\xF0\x90\x80\x80/>"},  // U+10000 starts a name
        {"<1a/>", "!BadNameCharacter"},
        {"<-a/>", "!BadNameCharacter"},
        {"<\xC2\xB7/>", "!BadNameCharacter"},  // U+00B7 may continue a name, not start it
        {"< a/>", "!BadNameCharacter"},
        {"<a\xC3\x97/>", "!BadNameCharacter"},  // U+00D7 is no name character
        {"<a x='1'y='2'/>", "!MissingWhitespace"},
        {"<a $/>", "!BadNameCharacter"},
    });
}

TEST(XmlReaderErrors, StructureErrorsStopAfterTheNodesBeforeThem) {
    ExpectTraces({
        {"", "!UnexpectedEnd"},
        {"   ", "W(   ) !UnexpectedEnd"},
        {"<!--only a comment-->", "C(only a comment) !UnexpectedEnd"},
        {"<a>", "<a> !UnexpectedEnd"},
        {"<a><b></b>", "<a> <b> </b> !UnexpectedEnd"},
        {"<a>text", "<a> !UnexpectedEnd"},
        {"<a><b></a>", "<a> <b> !EndTagMismatch"},
        {"<a></A>", "<a> !EndTagMismatch"},
        {"<p:a xmlns:p='u'></a>", "<p:a xmlns:p=u> !EndTagMismatch"},
        {"</a>", "!EndTagMismatch"},
        {"<a/></a>", "<a/> !EndTagMismatch"},
        {"<a/><b/>", "<a/> !MultipleRoots"},
        {"<a></a>\n<b></b>", "<a> </a> W(\\n) !MultipleRoots"},
        {"<a/>x", "<a/> !Syntax"},
        {"<a/> x ", "<a/> !Syntax"},
        {"x<a/>", "!Syntax"},
        {"<a/>&amp;", "<a/> !Syntax"},
        {"<![CDATA[x]]><a/>", "!Syntax"},
        {"<a/><![CDATA[x]]>", "<a/> !Syntax"},
        {"<a></a ", "<a> !UnexpectedEnd"},
        {"<a></a x>", "<a> !MissingGreaterThan"},
        {"<a/ >", "!MissingGreaterThan"},
        {"<a>]]></a>", "<a> !CdataEndInText"},
        {"<a>x]]]></a>", "<a> !CdataEndInText"},
        {"<a><!x></a>", "<a> !Syntax"},
        {"<a><!", "<a> !UnexpectedEnd"},
        {"<a", "!UnexpectedEnd"},
        {"<", "!UnexpectedEnd"},
    });
}

TEST(XmlReaderErrors, AttributeErrors) {
    ExpectTraces({
        {"<a x='1' x='2'/>", "!DuplicateAttribute"},
        {"<a x='1' x='2' y=/>", "!DuplicateAttribute"},  // found before the later fault
        {"<a x=1/>", "!MissingQuote"},
        {"<a x/>", "!MissingEquals"},
        {"<a x='1/>", "!UnexpectedEnd"},
        {"<a x='1\"/>", "!UnexpectedEnd"},
        {"<a x='<'/>", "!LessThanInAttribute"},
        {"<a x='&'/>", "!BadNameCharacter"},
        {"<a x='&b;'/>", "!UndeclaredEntity"},
        {"<r><a/><b x='1' x='1'/></r>", "<r> <a/> !DuplicateAttribute"},
    });
}

TEST(XmlReaderErrors, ReferenceErrors) {
    ExpectTraces({
        {"<a>&nbsp;</a>", "<a> !UndeclaredEntity"},
        {"<a>&Amp;</a>", "<a> !UndeclaredEntity"},
        {"<a>&amp</a>", "<a> !MissingSemicolon"},
        {"<a>& b</a>", "<a> !BadNameCharacter"},
        {"<a>&#;</a>", "<a> !BadDigit"},
        {"<a>&#x;</a>", "<a> !BadHexDigit"},
        {"<a>&#12a;</a>", "<a> !MissingSemicolon"},
        {"<a>&#xG;</a>", "<a> !BadHexDigit"},
        {"<a>&#0;</a>", "<a> !IllegalCharacter"},
        {"<a>&#8;</a>", "<a> !IllegalCharacter"},
        {"<a>&#xD800;</a>", "<a> !IllegalCharacter"},
        {"<a>&#xFFFE;</a>", "<a> !IllegalCharacter"},
        {"<a>&#x110000;</a>", "<a> !IllegalCharacter"},
        {"<a>&#99999999999999999999999999;</a>", "<a> !IllegalCharacter"},
        {"<a>&#x41", "<a> !UnexpectedEnd"},
    });
}

TEST(XmlReaderErrors, CommentsAndProcessingInstructions) {
    ExpectTraces({
        {"<a><!-- a -- b --></a>", "<a> !BadComment"},
        {"<a><!-- a ---></a>", "<a> !BadComment"},
        {"<a><!- x --></a>", "<a> !BadComment"},
        {"<a><!-- x </a>", "<a> !UnexpectedEnd"},
        {"<a><?xml version='1.0'?></a>", "<a> !ReservedPiTarget"},
        {"<a><?XmL x?></a>", "<a> !ReservedPiTarget"},
        {"<?XML version='1.0'?><a/>", "!ReservedPiTarget"},
        {"<a><?pi?x?></a>", "<a> !BadProcessingInstruction"},
        {"<a><?pi!x?></a>", "<a> !BadProcessingInstruction"},
        {"<a><? pi?></a>", "<a> !BadNameCharacter"},
        {"<a><?pi x ?</a>", "<a> !UnexpectedEnd"},
    });
}

TEST(XmlReaderErrors, XmlDeclarationOnlyAtTheVeryStartAndInOrder) {
    ExpectTraces({
        {" <?xml version='1.0'?><a/>", "W( ) !ReservedPiTarget"},
        {"<!--c--><?xml version='1.0'?><a/>", "C(c) !ReservedPiTarget"},
        {"<a/><?xml version='1.0'?>", "<a/> !ReservedPiTarget"},
        {"<?xml?><a/>", "!BadXmlDeclaration"},
        {"<?xml encoding='UTF-8'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.0' standalone='yes' encoding='UTF-8'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.0' version='1.0'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='2.0'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.1'?><a/>", "<?xml version=1.1?> <a/>"},
        {"<?xml version='1.0' standalone='maybe'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.0' other='x'?><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.0' enc oding='UTF-8'?><a/>", "!BadXmlDeclaration"},  // refused at its name
        {"<?xml version='1.0'encoding='UTF-8'?><a/>", "!MissingWhitespace"},
        {"<?xml version='1.0' encoding='8bit'?><a/>", "!BadEncodingName"},
        {"<?xml version='1.0' encoding='no-such-code-page'?><a/>", "!UnknownEncoding"},
        {"<?xml version='1.0'><a/>", "!BadXmlDeclaration"},
        {"<?xml version='1.0' ?", "!UnexpectedEnd"},
        {"<?xml version='1.0' ?x<a/>", "!MissingGreaterThan"},
    });
}

TEST(XmlReaderErrors, DocumentTypeDeclarationIsRefused) {
    ExpectTraces({
        {"<!DOCTYPE a><a/>", "!DtdProhibited"},
        {"<?xml version='1.0'?>\n<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>",
         "<?xml version=1.0?> W(\\n) !DtdProhibited"},
        {"<!--c--><!DOCTYPE a SYSTEM 'a.dtd'><a/>", "C(c) !DtdProhibited"},
        {"<a><!DOCTYPE a></a>", "<a> !Syntax"},
    });
    XmlReader reader;
    EXPECT_EQ(reader.SetProperty(XmlReaderProperty::DtdProcessing,
                                 static_cast<std::intptr_t>(DtdProcessing::Prohibit)),
              result::Ok);
    EXPECT_EQ(reader.SetProperty(XmlReaderProperty::DtdProcessing,
                                 static_cast<std::intptr_t>(DtdProcessing::Parse)),
              result::InvalidArgument);
}

TEST(XmlReaderErrors, IllegalCharactersAnywhere) {
    ExpectTraces({
        {"<a>\x01</a>", "<a> !IllegalCharacter"},
        {"<a x='\x1F'/>", "!IllegalCharacter"},
        {"<a><!--\x0B--></a>", "<a> !IllegalCharacter"},
        {"<a>\xEF\xBF\xBE</a>", "<a> !IllegalCharacter"},  // U+FFFE
        {"<a>\xEF\xBF\xBF</a>", "<a> !IllegalCharacter"},  // U+FFFF
        {"<a>\xC2\x85</a>", "<a> T(\xC2\x85) </a>"},        // C1 controls are allowed in XML 1.0
    });
    EXPECT_EQ(Trace(std::string("<a>x\0y</a>", 10)), "<a> !IllegalCharacter");
}

// ---------------------------------------------------------------------------
// Encodings

std::string Utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(XmlReaderEncodings, Utf8WithAndWithoutByteOrderMark) {
    ExpectTraces({
        {"<a>Привет €𝄞</a>", "<a> T(Привет €𝄞) </a>"},
        {"\xEF\xBB\xBF<a>Привет</a>", "<a> T(Привет) </a>"},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?><a/>",
         "<?xml version=1.0 encoding=utf-8?> <a/>"},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1251'?><a/>", "!EncodingMismatch"},
        {"<?xml version='1.0' encoding='UTF-16'?><a/>", "!EncodingMismatch"},
    });
}

TEST(XmlReaderEncodings, Utf16WithByteOrderMark) {
    const std::u16string document = u"<?xml version='1.0' encoding='UTF-16'?><a x='é'>Привет 𝄞</a>";
    const char* expected = "<?xml version=1.0 encoding=UTF-16?> <a x=é> T(Привет 𝄞) </a>";
    EXPECT_EQ(Trace(Utf16(document, false)), expected);
    EXPECT_EQ(Trace(Utf16(document, true)), expected);
    EXPECT_EQ(Trace(Utf16(document, false), 1), expected);
    EXPECT_EQ(Trace(Utf16(u"<a>\r\nx</a>", true)), "<a> T(\\nx) </a>");
    EXPECT_EQ(Trace(Utf16(u"<?xml version='1.0' encoding='utf-8'?><a/>", false)), "!EncodingMismatch");
    EXPECT_EQ(Trace(Utf16(u"<a>x\xD800</a>", false)), "<a> !InvalidByteSequence");  // lone high surrogate
    EXPECT_EQ(Trace(Utf16(u"<a>x\xDC00</a>", true)), "<a> !InvalidByteSequence");   // lone low surrogate
    EXPECT_EQ(Trace(Utf16(u"<a/>", false) + "\x20"), "<a/> !InvalidByteSequence");  // odd byte at the end
}

TEST(XmlReaderEncodings, UnsupportedSignaturesAreRefused) {
    EXPECT_EQ(Trace(std::string("\x00\x00\xFE\xFF\x00\x00\x00<", 8)), "!UnknownSignature");
    EXPECT_EQ(Trace(std::string("<\0?\0x\0m\0l\0", 10)), "!UnknownSignature");
    EXPECT_EQ(Trace(std::string("\0<\0?\0x", 6)), "!UnknownSignature");
}

// The expected code points were taken from iconv for each code page.
TEST(XmlReaderEncodings, SingleByteCodePagesNamedByTheDeclaration) {
    auto withDeclaration = [](const char* encoding, const char* text) {
        return std::string("<?xml version='1.0' encoding='") + encoding + "'?><a>" + text + "</a>";
    };
    struct CodePageCase {
        const char* encoding;
        const char* bytes;
        const char* text;  // UTF-8
    };
    const CodePageCase cases[] = {
        {"windows-1251", "\xC0\xFF\xA8\xB8\x80\x88\xB9", "АяЁёЂ€№"},
        {"WINDOWS-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
        {"windows-1252", "\x80\x8A\x9F\xC0\xE9\xFF", "€ŠŸÀéÿ"},
        {"ISO-8859-1", "\x80\xA0\xC0\xE9\xFF", "\xC2\x80\xC2\xA0Àéÿ"},
        {"latin1", "\xE9", "é"},
        {"ISO-8859-5", "\xB0\xCF\xD0\xEF\xA1\xF0\xFD\xF1", "АЯаяЁ№§ё"},
        {"koi8-r", "\xE1\xF1\xC1\xD1\xB3\xA3\x80\x9A", "АЯаяЁё─\xC2\xA0"},
        {"KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4", "Привет"},
        {"us-ascii", "plain", "plain"},
    };
    for (const CodePageCase& c : cases) {
        EXPECT_EQ(Trace(withDeclaration(c.encoding, c.bytes)),
                  std::string("<?xml version=1.0 encoding=") + c.encoding + "?> <a> T(" + c.text +
                      ") </a>")
            << c.encoding;
    }
    // Names and attribute values are decoded too, and CR LF still ends a line.
    EXPECT_EQ(Trace("<?xml version='1.0' encoding='windows-1251'?>\r\n<\xD1\xE2 \xC8='\xEC\xFF'/>"),
              "<?xml version=1.0 encoding=windows-1251?> W(\\n) <Св И=мя/>");
}

TEST(XmlReaderEncodings, InvalidByteSequencesAreErrors) {
    auto declared = [](const char* encoding, const char* text) {
        return std::string("<?xml version='1.0' encoding='") + encoding + "'?><a>" + text + "</a>";
    };
    const char* prefix = "<?xml version=1.0 encoding=";
    EXPECT_EQ(Trace(declared("us-ascii", "\x80")), std::string(prefix) + "us-ascii?> <a> !InvalidByteSequence");
    EXPECT_EQ(Trace(declared("windows-1251", "\x98")),
              std::string(prefix) + "windows-1251?> <a> !InvalidByteSequence");
    EXPECT_EQ(Trace(declared("windows-1252", "\x81")),
              std::string(prefix) + "windows-1252?> <a> !InvalidByteSequence");
    ExpectTraces({
        {"<a>\xC0\xAF</a>", "<a> !InvalidByteSequence"},          // overlong '/'
        {"<a>\xE0\x80\xAF</a>", "<a> !InvalidByteSequence"},      // overlong '/'
        {"<a>\xED\xA0\x80</a>", "<a> !InvalidByteSequence"},      // encoded surrogate
        {"<a>\xF4\x90\x80\x80</a>", "<a> !InvalidByteSequence"},  // above U+10FFFF
        {"<a>\x80</a>", "<a> !InvalidByteSequence"},              // stray continuation byte
        {"<a>\xC3(</a>", "<a> !InvalidByteSequence"},             // lead byte without continuation
        {"<a>\xFF</a>", "<a> !InvalidByteSequence"},
        {"<a>x</a>\xE2\x82", "<a> T(x) </a> !InvalidByteSequence"},  // cut off at the end
        {"<a x='\xE9'/>", "!InvalidByteSequence"},
    });
}

// ---------------------------------------------------------------------------
// Positions

TEST(XmlReaderPositions, NodesAndAttributesReportWhereTheyStart) {
    EXPECT_EQ(Positions("<a x='1'\n   y='2'>\n  text<b/></a>"),
              "1:1[1:4][2:4] 2:10 3:7 3:11 3:15");
    EXPECT_EQ(Positions("<?xml version='1.0'?>\r\n<a>\r\n</a>"), "1:1[1:7] 1:22 2:1 2:4 3:1 3:5");
    // Positions count UTF-16 units: the musical symbol takes two.
    EXPECT_EQ(Positions("<a>𝄞<b/></a>"), "1:1 1:4 1:6 1:10 1:14");
    EXPECT_EQ(Positions("\xEF\xBB\xBF<a/>"), "1:1 1:5");
}

TEST(XmlReaderPositions, ErrorsReportWhereTheyWereFound) {
    EXPECT_EQ(Positions("<a>\n  <b></c></a>"), "1:1 1:4 2:3 2:6");      // at the end tag
    EXPECT_EQ(Positions("<a>\n x\x01</a>"), "1:1 2:3");                  // at the bad character
    EXPECT_EQ(Positions("<a>\n\xC3(</a>"), "1:1 2:1");                   // at the bad byte
    EXPECT_EQ(Positions("<a x='1'\n x='2'/>"), "2:2");                   // at the second attribute
    EXPECT_EQ(Positions("<a>\n &bogus;</a>"), "1:1 2:2");                 // at the reference
}

// ---------------------------------------------------------------------------
// Reading in pieces and from failing sources

TEST(XmlReaderInput, ByteAtATimeGivesTheSameNodes) {
    const std::string documents[] = {
        "\xEF\xBB\xBF<?xml version='1.0'?>\r\n<p:a xmlns:p='u' x='&lt;1&#x1F600;'>Привет\r\n"
        "<![CDATA[x]]]><!--c--><?pi d?></p:a>\r\n",
        "<?xml version='1.0' encoding='koi8-r'?>\r<a>\xF0\xD2\xC9\r</a>",
        "<a>x\xE2\x82",
    };
    for (const std::string& document : documents) {
        const std::string whole = Trace(document);
        for (std::size_t chunk = 1; chunk <= 5; ++chunk) {
            EXPECT_EQ(Trace(document, chunk), whole) << "chunk " << chunk;
        }
    }
}

class FailingSource final : public XmlByteSource {
public:
    FailingSource(std::string data, std::size_t failAfter)
        : m_data(std::move(data)), m_failAfter(failAfter) {}

    bool Read(void* buffer, std::size_t size, std::size_t* bytesRead) override {
        *bytesRead = 0;
        if (m_offset >= m_failAfter) {
            return false;
        }
        const std::size_t count = std::min({size, m_failAfter - m_offset, m_data.size() - m_offset});
        std::memcpy(buffer, m_data.data() + m_offset, count);
        m_offset += count;
        *bytesRead = count;
        return true;
    }

private:
    std::string m_data;
    std::size_t m_failAfter;
    std::size_t m_offset = 0;
};

TEST(XmlReaderInput, FailedReadEndsWithTheNodesBeforeIt) {
    FailingSource source("<a><b/>text</a>", 7);
    EXPECT_EQ(TraceFrom(source), "<a> <b/> !InputFailed");
    FailingSource atOnce("<a/>", 0);
    EXPECT_EQ(TraceFrom(atOnce), "!InputFailed");
}

TEST(XmlReaderInput, DeepNestingNeedsNoRecursion) {
    const std::size_t depth = 200000;
    std::string document;
    for (std::size_t i = 0; i < depth; ++i) {
        document += "<e>";
    }
    for (std::size_t i = 0; i < depth; ++i) {
        document += "</e>";
    }
    XmlMemorySource source(document.data(), document.size());
    XmlReader reader;
    reader.SetInput(&source);
    std::size_t nodes = 0;
    XmlResult outcome = result::Ok;
    while ((outcome = reader.Read(nullptr)) == result::Ok) {
        ++nodes;
    }
    EXPECT_EQ(outcome, result::EndOfInput);
    EXPECT_EQ(nodes, 2 * depth);
}

// ---------------------------------------------------------------------------
// Interface contract

TEST(XmlReaderInterface, ErrorsAndTheEndAreSticky) {
    const std::string broken = "<a></b><c/>";
    XmlMemorySource source(broken.data(), broken.size());
    XmlReader reader;
    reader.SetInput(&source);
    XmlNodeType type = XmlNodeType::None;
    EXPECT_EQ(reader.Read(&type), result::Ok);
    EXPECT_EQ(reader.Read(&type), result::EndTagMismatch);
    EXPECT_EQ(type, XmlNodeType::None);
    EXPECT_EQ(reader.Read(&type), result::EndTagMismatch);
    EXPECT_EQ(reader.MoveToFirstAttribute(), result::NothingToMoveTo);
    EXPECT_EQ(LocalName(reader), "");

    // A new input starts afresh.
    const std::string fine = "<a/>";
    XmlMemorySource second(fine.data(), fine.size());
    EXPECT_EQ(reader.SetInput(&second), result::Ok);
    EXPECT_EQ(reader.Read(&type), result::Ok);
    EXPECT_EQ(type, XmlNodeType::Element);
    EXPECT_EQ(reader.Read(&type), result::EndOfInput);
    EXPECT_EQ(reader.Read(&type), result::EndOfInput);
    EXPECT_EQ(type, XmlNodeType::None);
}

TEST(XmlReaderInterface, AttributeWalk) {
    const std::string document = "<a x='1' y='2'/>";
    XmlMemorySource source(document.data(), document.size());
    XmlReader reader;
    reader.SetInput(&source);
    ASSERT_EQ(reader.Read(nullptr), result::Ok);
    EXPECT_TRUE(reader.IsEmptyElement());
    EXPECT_EQ(reader.MoveToElement(), result::NothingToMoveTo);
    EXPECT_EQ(reader.MoveToNextAttribute(), result::Ok);  // from the element: the first
    XmlNodeType type = XmlNodeType::None;
    EXPECT_EQ(reader.GetNodeType(&type), result::Ok);
    EXPECT_EQ(type, XmlNodeType::Attribute);
    EXPECT_FALSE(reader.IsEmptyElement());
    EXPECT_FALSE(reader.IsDefault());
    EXPECT_EQ(LocalName(reader), "x");
    EXPECT_EQ(reader.MoveToNextAttribute(), result::Ok);
    EXPECT_EQ(reader.MoveToNextAttribute(), result::NothingToMoveTo);
    EXPECT_EQ(LocalName(reader), "y");  // stays on the last one
    EXPECT_EQ(reader.MoveToFirstAttribute(), result::Ok);
    EXPECT_EQ(Value(reader), "1");
    EXPECT_EQ(reader.MoveToElement(), result::Ok);
    EXPECT_EQ(reader.GetNodeType(&type), result::Ok);
    EXPECT_EQ(type, XmlNodeType::Element);
    EXPECT_EQ(LocalName(reader), "a");
    EXPECT_EQ(reader.Read(nullptr), result::EndOfInput);
}

TEST(XmlReaderInterface, MisuseIsReportedNotFatal) {
    std::unique_ptr<XmlReader> created;
    ASSERT_EQ(XmlReader::Create(&created), result::Ok);
    XmlReader& reader = *created;
    EXPECT_EQ(reader.Read(nullptr), result::Unexpected);
    EXPECT_EQ(reader.GetLocalName(nullptr, nullptr), result::InvalidArgument);
    EXPECT_EQ(reader.GetLineNumber(nullptr), result::InvalidArgument);
    const char16_t* text = nullptr;
    EXPECT_EQ(reader.GetValue(&text, nullptr), result::Ok);  // the length is optional
    EXPECT_EQ(text[0], u'\0');
    EXPECT_EQ(reader.SetProperty(static_cast<XmlReaderProperty>(0), 0), result::InvalidArgument);
}

}  // namespace
}  // namespace xml
