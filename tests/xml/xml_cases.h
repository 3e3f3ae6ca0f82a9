#pragma once

// The XML reader's cases: the reader test reads the nodes and errors it
// expects, the check against libxml2 reads them cut short and mutated, and
// the fuzz target's seeds are made of them.
// A trace has one token per node: <a x=1>, <a/>, </a>, T(text), W(white
// space), CDATA(..), C(comment), ?target(data), <?xml version=..?>; then
// !ErrorName if reading stopped at an error, with @line:column where the row
// says where. Line ends and tabs in traces are written \n, \r, \t.

#include <cstdint>
#include <string>
#include <string_view>

#include "xml/xml_reader.h"

namespace xml::testing {

using namespace std::string_view_literals;

enum ByteOrder { LittleEndian, BigEndian };

struct XmlCase {
    const char* name;  // "bad-" marks a document that is not well formed
    std::string_view document;
    const char* trace;
    std::u16string_view utf16 = {};  // read instead of `document`, after a byte-order mark
    ByteOrder order = LittleEndian;
};

inline constexpr XmlCase kXmlCases[] = {
    // Structure and node types.
    {"empty-element", "<a/>", "<a/>"},
    {"nested", "<a><b><c/></b><b/><d></d></a>", "<a> <b> <c/> </b> <b/> <d> </d> </a>"},
    {"mixed", "<a>x<![CDATA[y]]>z<!--c-->w</a>", "<a> T(x) CDATA(y) T(z) C(c) T(w) </a>"},
    {"end-tag-space", "<a></a \n\t>", "<a> </a>"}, {"tag-white-space", "<a\n\tx = \"1\"\n/>", "<a x=1/>"},
    {"cdata-end-lookalikes", "<a>1]]2]>3</a>", "<a> T(1]]2]>3) </a>"},
    {"definition-file",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Quorvelin_Properties Name=\"Root\">\n"
     "  <Property Name=\"First\">\n    <Attrib Id=\"10\" Default=\"2\">  Label  \n"
     "      <Value>b &amp; c</Value>\n    </Attrib>\n  </Property>\n</Quorvelin_Properties>\n",
     "<?xml version=1.0 encoding=UTF-8?> W(\\n) <Quorvelin_Properties Name=Root> W(\\n  ) <Property Name=First> "
     "W(\\n    ) <Attrib Id=10 Default=2> T(  Label  \\n      ) <Value> T(b & c) </Value> W(\\n    ) </Attrib> "
     "W(\\n  ) </Property> W(\\n) </Quorvelin_Properties> W(\\n)"},
    {"bad-no-root", "", "!UnexpectedEnd"}, {"bad-only-comment", "<!--c-->", "C(c) !UnexpectedEnd"},
    {"bad-unclosed", "<a><b></b>", "<a> <b> </b> !UnexpectedEnd"},
    {"bad-mismatch", "<a>\n  <b></c></a>", "<a> W(\\n  ) <b> !EndTagMismatch@2:6"},
    {"bad-mismatch-case", "<a></A>", "<a> !EndTagMismatch"}, {"bad-end-first", "</a>", "!EndTagMismatch"},
    {"bad-two-roots", "<a/><b/>", "<a/> !MultipleRoots"}, {"bad-text-after-root", "<a/>x", "<a/> !Syntax"},
    {"bad-end-tag-attribute", "<a></a x='1'>", "<a> !MissingGreaterThan"},
    {"bad-empty-tag-space", "<a/ >", "!MissingGreaterThan"},
    {"bad-markup-declaration", "<a><!ELEMENT a ANY></a>", "<a> !Syntax"},
    {"bad-cdata-end-in-text", "<a>]]></a>", "<a> !CdataEndInText"},
    {"bad-cdata-end-after-bracket", "<a>x]]]></a>", "<a> !CdataEndInText"},

    // XML declaration.
    {"declaration", "<?xml version='1.0'?><a/>", "<?xml version=1.0?> <a/>"},
    {"declaration-full", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><a/>",
     "<?xml version=1.0 encoding=UTF-8 standalone=yes?> <a/>"},
    {"declaration-spaces", "<?xml  version = '1.1'  encoding = 'utf-8'  ?>\r\n<a/>",
     "<?xml version=1.1 encoding=utf-8?> W(\\n) <a/>"},
    {"bad-declaration-no-version", "<?xml encoding='UTF-8'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-order", "<?xml version='1.0' standalone='yes' encoding='UTF-8'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-version-2", "<?xml version='2.0'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-version-cut", "<?xml version='1.'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-standalone", "<?xml version='1.0' standalone='maybe'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-quote", "<?xml version=1.0?><a/>", "!MissingQuote"},
    {"bad-declaration-no-space", "<?xml version='1.0'encoding='UTF-8'?><a/>", "!MissingWhitespace"},
    {"bad-declaration-encoding-name", "<?xml version='1.0' encoding='8bit'?><a/>", "!BadEncodingName"},
    {"bad-declaration-after-space", " <?xml version='1.0'?><a/>", "W( ) !ReservedPiTarget"},
    {"bad-declaration-upper", "<?XML version='1.0'?><a/>", "!ReservedPiTarget"},

    // Comments and processing instructions.
    {"comments", "<!-- c --><a><!----></a><!--x-y-->", "C( c ) <a> C() </a> C(x-y)"},
    {"pis", "<?pi data  here ?><a><?t?></a><?u x?>", "?pi(data  here ) <a> ?t() </a> ?u(x)"},
    {"pi-xml-prefix", "<?xml-stylesheet href='s'?><a/>", "?xml-stylesheet(href='s') <a/>"},
    {"pi-markup-inside", "<a><?p <b> & ]]> ?></a>", "<a> ?p(<b> & ]]> ) </a>"},
    {"bad-comment-double-hyphen", "<a><!-- a -- b --></a>", "<a> !BadComment"},
    {"bad-comment-ending-hyphen", "<a><!-- a ---></a>", "<a> !BadComment"},
    {"bad-pi-reserved", "<a><?XmL x?></a>", "<a> !ReservedPiTarget"},
    {"bad-pi-no-space", "<a><?pi!x?></a>", "<a> !BadProcessingInstruction"},
    {"bad-pi-colon", "<a><?p:i x?></a>", "<a> !ColonInName"},

    // CDATA sections.
    {"cdata", "<a><![CDATA[ <b>&amp;]] ]]></a>", "<a> CDATA( <b>&amp;]] ) </a>"},
    {"cdata-empty", "<a><![CDATA[]]></a>", "<a> CDATA() </a>"},
    {"cdata-brackets", "<a><![CDATA[]]]]></a>", "<a> CDATA(]]) </a>"},
    {"bad-cdata-keyword", "<a><![CDAT[x]]></a>", "<a> !BadCdataStart"},

    // Attributes.
    {"attributes", "<a x='1' y=\"2\" z=''/>", "<a x=1 y=2 z=/>"},
    {"attribute-quotes", "<a x='say \"hi\"' y=\"it's\"/>", "<a x=say \"hi\" y=it's/>"},
    {"attribute-white-space", "<a x=' a\tb\r\nc\rd\ne '/>", "<a x= a b c d e />"},
    {"attribute-entities", "<a x='&lt;&gt;&amp;&apos;&quot;'/>", "<a x=<>&'\"/>"},
    {"attribute-char-references", "<a x='&#9;&#10;&#13;&#x20;'/>", "<a x=\\t\\n\\r />"},
    {"attribute-greater-than", "<a x='>'></a>", "<a x=>> </a>"},
    {"bad-attribute-duplicate", "<a x='1' x='2' y=/>", "!DuplicateAttribute"},  // found before the later fault
    {"bad-attribute-duplicate-later", "<r><a/>\n<b x='1'\n x='1'/></r>", "<r> <a/> W(\\n) !DuplicateAttribute@3:2"},
    {"bad-attribute-unquoted", "<a x=1/>", "!MissingQuote"}, {"bad-attribute-no-value", "<a x/>", "!MissingEquals"},
    {"bad-attribute-no-space", "<a x='1'y='2'/>", "!MissingWhitespace"},
    {"bad-attribute-less-than", "<a x='<'/>", "!LessThanInAttribute"},
    {"bad-attribute-entity", "<a x='&b;'/>", "!UndeclaredEntity"},

    // References.
    {"references", "<a>&lt;b&gt; &amp; &apos;&quot;</a>", "<a> T(<b> & '\") </a>"},
    {"char-references", "<a>&#65;&#x42;&#x00043;&#1055;&#x1F600;&#128512;</a>", "<a> T(ABCП😀😀) </a>"},
    {"char-references-edges", "<a>&#x10FFFF;&#xFFFD;&#xE000;&#xD7FF;</a>",
     "<a> T(\xF4\x8F\xBF\xBF\xEF\xBF\xBD\xEE\x80\x80\xED\x9F\xBF) </a>"},
    {"char-reference-space", "<a> &#32; </a>", "<a> T(   ) </a>"},  // text, though it stands for white space
    {"char-reference-carriage-return", "<a>&#13;&#xD;</a>", "<a> T(\\r\\r) </a>"},  // kept as it is named
    {"bad-reference-entity", "<a>&nbsp;</a>", "<a> !UndeclaredEntity"},
    {"bad-reference-no-semicolon", "<a>&amp</a>", "<a> !MissingSemicolon"},
    {"bad-reference-position", "<a>\n &bogus;</a>", "<a> !UndeclaredEntity@2:2"},
    {"bad-char-reference-hex-empty", "<a>&#x;</a>", "<a> !BadHexDigit"},
    {"bad-char-reference-upper-x", "<a>&#65;&#x42;&#X43;</a>", "<a> !BadDigit"},  // only a lower-case x starts hex
    {"bad-char-reference-zero", "<a>&#0;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-surrogate", "<a>&#xD800;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-too-big", "<a>&#x110000;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-huge", "<a>&#99999999999999999999999999;</a>", "<a> !IllegalCharacter"},

    // Names.
    {"name-characters", "<_a-b.c\xC2\xB7\xCC\x80/>", "<_a-b.c\xC2\xB7\xCC\x80/>"},
    {"name-astral", "<\xF0\x90\x80\x80/>", "<\xF0\x90\x80\x80/>"},  // U+10000 starts a name
    {"bad-name-digit", "<1a/>", "!BadNameCharacter"},
    {"bad-name-middle-dot", "<\xC2\xB7/>", "!BadNameCharacter"},  // U+00B7 may continue a name, not start it
    {"bad-name-times", "<a\xC3\x97/>", "!BadNameCharacter"},      // U+00D7 is no name character

    // Namespaces.
    {"namespaces", "<p:a xmlns:p='urn:p' p:x='1' y='2'><p:b/></p:a>", "<p:a xmlns:p=urn:p p:x=1 y=2> <p:b/> </p:a>"},
    {"namespace-default", "<a xmlns='urn:d'><b xmlns=''/></a>", "<a xmlns=urn:d> <b xmlns=/> </a>"},
    {"namespace-xml-prefix", "<xml:a xml:lang='en'/>", "<xml:a xml:lang=en/>"},
    {"namespace-shadowing", "<p:a xmlns:p='u1'><p:b xmlns:p='u2'/><p:c/></p:a>",
     "<p:a xmlns:p=u1> <p:b xmlns:p=u2/> <p:c/> </p:a>"},
    {"bad-namespace-undeclared-element", "<p:a/>", "!UndeclaredPrefix"},
    {"bad-namespace-out-of-scope", "<a><p:b xmlns:p='u'/><p:c/></a>", "<a> <p:b xmlns:p=u/> !UndeclaredPrefix"},
    {"bad-namespace-duplicate", "<a xmlns:p='u' xmlns:q='u' p:x='1' q:x='2'/>", "!DuplicateAttribute"},
    {"bad-namespace-empty", "<a xmlns:p=''/>", "!EmptyNamespaceUri"},
    {"bad-namespace-xml-rebound", "<a xmlns:xml='urn:other'/>", "!XmlPrefixReserved"},
    {"bad-namespace-colons", "<a:b:c/>", "!BadQualifiedNameColon"},
    {"bad-namespace-local-digit", "<a:1b xmlns:a='u'/>", "!BadQualifiedNameStart"},

    // White space and line ends.
    {"white-space-runs", " \n<a> <b>\t</b> x </a>\n ", "W( \\n) <a> W( ) <b> W(\\t) </b> T( x ) </a> W(\\n )"},
    {"white-space-around-comment", "<a> <!--c--> </a>", "<a> W( ) C(c) W( ) </a>"},
    {"line-ends", "<a>1\r\n2\r3\n4\r\r\n5</a>", "<a> T(1\\n2\\n3\\n4\\n\\n5) </a>"},
    {"line-ends-in-markup", "<a><!--\r\n--><?p a\rb?><![CDATA[\r]]></a>", "<a> C(\\n) ?p(a\\nb) CDATA(\\n) </a>"},
    {"line-ends-lines", "<a>\r\n<b\r\nx='1'\r\n/>\r\n\r\n<c/>\r</a>\r\n",
     "<a> W(\\n) <b x=1/> W(\\n\\n) <c/> W(\\n) </a> W(\\n)"},

    // Characters and UTF-8.
    {"utf8", "<a>Привет €𝄞</a>", "<a> T(Привет €𝄞) </a>"},
    {"utf8-mark", "\xEF\xBB\xBF<a>Привет</a>", "<a> T(Привет) </a>"},
    {"utf8-mark-declared", "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?><a/>",
     "<?xml version=1.0 encoding=utf-8?> <a/>"},
    {"c1-control", "<a>\xC2\x85</a>", "<a> T(\xC2\x85) </a>"},  // allowed in XML 1.0
    {"bad-control", "<a>\n x\x01</a>", "<a> !IllegalCharacter@2:3"},
    {"bad-control-attribute", "<a x='\x1F'/>", "!IllegalCharacter"},
    {"bad-nul", "<a>x\0y</a>"sv, "<a> !IllegalCharacter"},
    {"bad-utf8-overlong", "<a>\xC0\xAF</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-overlong-3", "<a>\xE0\x80\xAF</a>", "<a> !InvalidByteSequence"},  // passes the lead-byte check
    {"bad-utf8-surrogate", "<a>\xED\xA0\x80</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-above-range", "<a>\xF4\x90\x80\x80</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-lead-alone", "<a>\n\xC3(</a>", "<a> !InvalidByteSequence@2:1"},
    {"bad-utf8-cut", "<a>x</a>\xE2\x82", "<a> T(x) </a> !InvalidByteSequence"},
    {"bad-utf8-name", "<a\xE9/>", "!InvalidByteSequence"},
    {"bad-utf8-mark-declared-1251", "\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1251'?><a/>",
     "!EncodingMismatch"},
    {"bad-utf8-declared-utf16", "<?xml version='1.0' encoding='UTF-16'?><a/>", "!EncodingMismatch"},

    // Single-byte code pages named by the declaration; the texts were taken
    // from iconv for each code page.
    {"windows-1251", "<?xml version='1.0' encoding='windows-1251'?>\r\n<\xD1\xE2 \xC8='\xEC\xFF'>\xC0\xFF\xA8\xB8\x80\x88\xB9</\xD1\xE2>",
     "<?xml version=1.0 encoding=windows-1251?> W(\\n) <Св И=мя> T(АяЁёЂ€№) </Св>"},
    {"windows-1252", "<?xml version='1.0' encoding='windows-1252'?><a>\x80\x8A\x9F\xC0\xE9\xFF</a>",
     "<?xml version=1.0 encoding=windows-1252?> <a> T(€ŠŸÀéÿ) </a>"},
    {"iso-8859-1", "<?xml version='1.0' encoding='ISO-8859-1'?><a x='\xE9'>\x80\xA0\xC0\xE9\xFF</a>",
     "<?xml version=1.0 encoding=ISO-8859-1?> <a x=é> T(\xC2\x80\xC2\xA0Àéÿ) </a>"},
    {"latin1", "<?xml version='1.0' encoding='latin1'?><a>\xE9</a>", "<?xml version=1.0 encoding=latin1?> <a> T(é) </a>"},
    {"iso-8859-5", "<?xml version='1.0' encoding='ISO-8859-5'?><a>\xB0\xCF\xD0\xEF\xA1\xF0\xFD\xF1</a>",
     "<?xml version=1.0 encoding=ISO-8859-5?> <a> T(АЯаяЁ№§ё) </a>"},
    {"koi8-r",
     "<?xml version='1.0' encoding='KOI8-R'?>\r<\xF0\xD2\xC9 \xD7='\xC5'>\xD4\xE1\xF1\xB3\xA3\x80\x9A\r</\xF0\xD2\xC9>",
     "<?xml version=1.0 encoding=KOI8-R?> W(\\n) <При в=е> T(тАЯЁё─\xC2\xA0\\n) </При>"},
    {"bad-us-ascii-high", "<?xml version='1.0' encoding='us-ascii'?><a>\x80</a>",
     "<?xml version=1.0 encoding=us-ascii?> <a> !InvalidByteSequence"},
    {"bad-windows-1251-unassigned", "<?xml version='1.0' encoding='windows-1251'?><a>\x98</a>",
     "<?xml version=1.0 encoding=windows-1251?> <a> !InvalidByteSequence"},
    {"bad-unknown-encoding", "<?xml version='1.0' encoding='no-such-code-page'?><a/>", "!UnknownEncoding"},
    {"bad-encoding-without-table", "<?xml version='1.0' encoding='ISO-8859-2'?><a>\xB1</a>", "!UnknownEncoding"},

    // UTF-16 with a byte-order mark; other signatures.
    {"utf16-le", {}, "<?xml version=1.0 encoding=UTF-16?> W(\\n) <a x=é> T(Привет 𝄞) <b/> C(c) CDATA(d) </a>",
     u"<?xml version='1.0' encoding='UTF-16'?>\r\n<a x='é'>Привет 𝄞<b/><!--c--><![CDATA[d]]></a>"},
    {"utf16-be", {}, "<?xml version=1.0 encoding=utf-16?> W(\\n) <a x=é> T(Привет 𝄞) <b/> C(c) CDATA(d) </a>",
     u"<?xml version='1.0' encoding='utf-16'?>\r\n<a x='é'>Привет 𝄞<b/><!--c--><![CDATA[d]]></a>", BigEndian},
    {"utf16-le-undeclared", {}, "<a> T(\\nx) </a>", u"<a>\r\nx</a>"},
    {"bad-utf16-declared-utf8", {}, "!EncodingMismatch", u"<?xml version='1.0' encoding='utf-8'?><a/>"},
    {"bad-utf16-lone-high-surrogate", {}, "<a> !InvalidByteSequence", u"<a>x\xD800</a>"},
    {"bad-utf16-lone-low-surrogate", {}, "<a> !InvalidByteSequence", u"<a>x\xDC00</a>", BigEndian},
    {"bad-utf16-odd-byte", "\xFF\xFE<\0a\0/\0>\0 "sv, "<a/> !InvalidByteSequence"},
    {"bad-utf16-without-mark", "<\0?\0x\0m\0l\0"sv, "!UnknownSignature"},
    {"bad-utf32", "\0\0\xFE\xFF\0\0\0<\0\0\0a\0\0\0/\0\0\0>"sv, "!UnknownSignature"},

    // Document type declarations.
    {"bad-doctype", "<!DOCTYPE a><a/>", "!DtdProhibited"},
    {"bad-doctype-in-root", "<a><!DOCTYPE a></a>", "<a> !Syntax"},
};

// The bytes the reader is given for a case.
inline std::string XmlCaseBytes(const XmlCase& c) {
    if (c.utf16.empty()) {
        return std::string(c.document);
    }
    std::string out = c.order == BigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : c.utf16) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        out += c.order == BigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

// A string of the node or attribute the reader is on (GetPrefix, GetLocalName,
// GetValue), in UTF-8 so that tests can compare and print it.
using Getter = XmlResult (XmlReader::*)(const char16_t**, std::uint32_t*) const;
inline std::string Utf8(const XmlReader& reader, Getter get) {
    const char16_t* text = u"";
    std::uint32_t length = 0;
    (reader.*get)(&text, &length);
    std::string out;
    for (std::uint32_t i = 0; i < length; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        const int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;  // continuation bytes
        out += static_cast<char>(more == 0 ? c : ((0xFF00 >> (more + 1)) & 0xFF) | (c >> (6 * more)));
        for (int k = more - 1; k >= 0; --k) {
            out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
        }
    }
    return out;
}

}  // namespace xml::testing
