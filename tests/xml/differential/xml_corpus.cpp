#include "tests/xml/differential/xml_corpus.h"

#include <array>
#include <string_view>

namespace xml::corpus {
namespace {

// UTF-8 to UTF-16 with a byte-order mark. Only for the well-formed UTF-8 text
// written below.
std::string Utf16WithMark(std::string_view utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += length;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

// Bytes as UTF-16 units of one byte order, without a mark.
std::string Utf16Bare(std::string_view ascii, bool bigEndian) {
    std::string out;
    for (char c : ascii) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

struct Literal {
    const char* name;
    std::string_view bytes;
};

using namespace std::string_view_literals;

// Names say what each document shows; "bad-" marks one that is not well formed.
constexpr Literal kDocuments[] = {
    // Structure and node types.
    {"empty-element", "<a/>"sv},
    {"start-end", "<a></a>"sv},
    {"nested", "<a><b><c/></b><b/><d></d></a>"sv},
    {"text", "<a>hello world</a>"sv},
    {"mixed", "<a>x<b>y</b>z<c/>w</a>"sv},
    {"end-tag-space", "<a></a \n\t>"sv},
    {"deep", "<a><a><a><a><a><a><a><a/></a></a></a></a></a></a></a>"sv},
    {"long-names", "<abcdefghijklmnopqrstuvwxyz_ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789.x/>"sv},
    {"definition-file",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<Quorvelin_Properties Name=\"Root\">\n"
     "  <Versions>1.0</Versions>\n"
     "  <Property Name=\"First\" KxISW=\"false\">\n"
     "    <Attrib Id=\"10\" Default=\"2\" Type=\"listbox\">  Label one  \n"
     "      <Desc>  Kept as written  </Desc>\n"
     "      <RegKey>Settings\\Sub</RegKey>\n"
     "      <RegItem>One</RegItem>\n"
     "      <Value>a</Value>\n"
     "      <Value>b &amp; c</Value>\n"
     "    </Attrib>\n"
     "  </Property>\n"
     "</Quorvelin_Properties>\n"sv},
    {"bad-no-root", ""sv},
    {"bad-only-space", " \n\t "sv},
    {"bad-only-comment", "<!--c-->"sv},
    {"bad-unclosed", "<a><b></b>"sv},
    {"bad-mismatch", "<a>\n<b>\n</c>\n</a>"sv},
    {"bad-mismatch-case", "<a></A>"sv},
    {"bad-end-without-start", "</a>"sv},
    {"bad-two-roots", "<a/><b/>"sv},
    {"bad-two-roots-spaced", "<a></a>\n\n<b></b>"sv},
    {"bad-text-after-root", "<a/>\ntext"sv},
    {"bad-text-before-root", "text<a/>"sv},
    {"bad-reference-after-root", "<a/>&amp;"sv},
    {"bad-end-tag-attribute", "<a></a x='1'>"sv},
    {"bad-empty-tag-space", "<a/ >"sv},
    {"bad-space-before-name", "< a/>"sv},
    {"bad-markup-declaration", "<a><!ELEMENT a ANY></a>"sv},
    {"bad-bang", "<a><!x></a>"sv},
    {"bad-cdata-end-in-text", "<a>x]]>y</a>"sv},
    {"cdata-end-lookalikes", "<a>]] ]>]]x]></a>"sv},
    {"greater-than-in-text", "<a>1 > 0</a>"sv},

    // XML declaration.
    {"declaration", "<?xml version='1.0'?><a/>"sv},
    {"declaration-full", "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<a/>"sv},
    {"declaration-standalone-no", "<?xml version='1.0' standalone='no' ?><a/>"sv},
    {"declaration-spaces", "<?xml  version = '1.0'  encoding = 'UTF-8'  ?>\r\n<a/>"sv},
    {"declaration-1.1", "<?xml version='1.1'?><a/>"sv},
    {"declaration-1.5", "<?xml version='1.5'?><a/>"sv},
    {"bad-declaration-empty", "<?xml?><a/>"sv},
    {"bad-declaration-no-version", "<?xml encoding='UTF-8'?><a/>"sv},
    {"bad-declaration-order", "<?xml version='1.0' standalone='yes' encoding='UTF-8'?><a/>"sv},
    {"bad-declaration-twice", "<?xml version='1.0' version='1.0'?><a/>"sv},
    {"bad-declaration-version-2", "<?xml version='2.0'?><a/>"sv},
    {"bad-declaration-version-cut", "<?xml version='1.'?><a/>"sv},
    {"bad-declaration-standalone", "<?xml version='1.0' standalone='maybe'?><a/>"sv},
    {"bad-declaration-other", "<?xml version='1.0' other='x'?><a/>"sv},
    {"bad-declaration-no-space", "<?xml version='1.0'encoding='UTF-8'?><a/>"sv},
    {"bad-declaration-encoding-name", "<?xml version='1.0' encoding='8bit'?><a/>"sv},
    {"bad-declaration-unclosed", "<?xml version='1.0'><a/>"sv},
    {"bad-declaration-late", "<a/><?xml version='1.0'?>"sv},
    {"bad-declaration-after-space", " <?xml version='1.0'?><a/>"sv},
    {"bad-declaration-after-comment", "<!--c--><?xml version='1.0'?><a/>"sv},
    {"bad-declaration-upper", "<?XML version='1.0'?><a/>"sv},
    {"bad-declaration-value", "<?xml version='1.0' encoding='UTF 8'?><a/>"sv},
    {"bad-declaration-quote", "<?xml version=1.0?><a/>"sv},

    // Comments and processing instructions.
    {"comments", "<!-- before --><a><!----><!-- - inside - --></a><!--after-->\n"sv},
    {"comment-multiline", "<a><!--\r\nline\rline\n--></a>"sv},
    {"pis", "<?before data?><a><?t?><?u  spaced  data ?></a><?after x?>"sv},
    {"pi-xml-prefix", "<?xml-stylesheet href='s.css' type='text/css'?><a/>"sv},
    {"pi-markup-inside", "<a><?p <b> & ]]> ?></a>"sv},
    {"bad-comment-double-hyphen", "<a><!-- a -- b --></a>"sv},
    {"bad-comment-ending-hyphen", "<a><!-- a ---></a>"sv},
    {"bad-comment-start", "<a><!- x --></a>"sv},
    {"bad-comment-unclosed", "<a><!-- x </a>"sv},
    {"bad-pi-reserved", "<a><?xml version='1.0'?></a>"sv},
    {"bad-pi-reserved-case", "<a><?XmL x?></a>"sv},
    {"bad-pi-no-space", "<a><?pi!x?></a>"sv},
    {"bad-pi-no-target", "<a><? pi?></a>"sv},
    {"bad-pi-unclosed", "<a><?pi x ?</a>"sv},
    {"bad-pi-colon", "<a><?p:i x?></a>"sv},

    // CDATA sections.
    {"cdata", "<a><![CDATA[ <b>&amp;]] ]></a>"sv},
    {"cdata-empty", "<a><![CDATA[]]></a>"sv},
    {"cdata-brackets", "<a><![CDATA[]]]]]></a>"sv},
    {"cdata-between-text", "<a>x<![CDATA[y]]>z</a>"sv},
    {"cdata-adjacent", "<a><![CDATA[1]]><![CDATA[2]]></a>"sv},
    {"cdata-line-ends", "<a><![CDATA[\r\n\r]]></a>"sv},
    {"bad-cdata-outside-root", "<![CDATA[x]]><a/>"sv},
    {"bad-cdata-after-root", "<a/><![CDATA[x]]>"sv},
    {"bad-cdata-keyword", "<a><![CDAT[x]]></a>"sv},
    {"bad-cdata-lower-case", "<a><![cdata[x]]></a>"sv},
    {"bad-cdata-unclosed", "<a><![CDATA[x]]</a>"sv},

    // Attributes.
    {"attributes", "<a x='1' y=\"2\" z=''/>"sv},
    {"attribute-quotes", "<a x='say \"hi\"' y=\"it's\"/>"sv},
    {"attribute-white-space", "<a x=' a\tb\r\nc\rd\ne '\n\ty = \"2\"\r\n/>"sv},
    {"attribute-references", "<a x='&lt;&gt;&amp;&apos;&quot;' y='&#9;&#10;&#13;&#x20;'/>"sv},
    {"attribute-greater-than", "<a x='>'></a>"sv},
    {"attribute-many", "<a a1='1' a2='2' a3='3' a4='4' a5='5' a6='6' a7='7' a8='8' a9='9' a10='10'/>"sv},
    {"bad-attribute-duplicate", "<a x='1' y='2' x='3'/>"sv},
    {"bad-attribute-duplicate-later", "<r><a/>\n<b x='1'\n x='1'/></r>"sv},
    {"bad-attribute-unquoted", "<a x=1/>"sv},
    {"bad-attribute-no-value", "<a x/>"sv},
    {"bad-attribute-no-space", "<a x='1'y='2'/>"sv},
    {"bad-attribute-mixed-quotes", "<a x='1\"/>"sv},
    {"bad-attribute-less-than", "<a x='<'/>"sv},
    {"bad-attribute-ampersand", "<a x='&'/>"sv},
    {"bad-attribute-entity", "<a x='&nbsp;'/>"sv},
    {"bad-attribute-name", "<a $='1'/>"sv},
    {"bad-attribute-on-end-tag", "<a></a x>"sv},

    // References.
    {"references", "<a>&lt;b&gt; &amp; &apos;&quot;</a>"sv},
    {"char-references", "<a>&#65;&#x42;&#x00043;&#1055;&#x1F600;&#128512;&#x10FFFF;&#xE000;&#xD7FF;</a>"sv},
    {"char-reference-space", "<a>&#32;&#x9;&#xA;</a>"sv},
    {"char-reference-carriage-return", "<a>&#13;&#xD;</a>"sv},
    {"bad-reference-entity", "<a>&nbsp;</a>"sv},
    {"bad-reference-case", "<a>&Amp;</a>"sv},
    {"bad-reference-no-semicolon", "<a>&amp</a>"sv},
    {"bad-reference-space", "<a>& b</a>"sv},
    {"bad-char-reference-empty", "<a>&#;</a>"sv},
    {"bad-char-reference-hex-empty", "<a>&#x;</a>"sv},
    {"bad-char-reference-upper-x", "<a>&#X41;</a>"sv},
    {"bad-char-reference-digit", "<a>&#12a;</a>"sv},
    {"bad-char-reference-hex-digit", "<a>&#xG;</a>"sv},
    {"bad-char-reference-zero", "<a>&#0;</a>"sv},
    {"bad-char-reference-control", "<a>&#8;</a>"sv},
    {"bad-char-reference-surrogate", "<a>&#xD800;</a>"sv},
    {"bad-char-reference-fffe", "<a>&#xFFFE;</a>"sv},
    {"bad-char-reference-too-big", "<a>&#x110000;</a>"sv},
    {"bad-char-reference-huge", "<a>&#99999999999999999999999;</a>"sv},

    // Names.
    {"name-characters", "<_a-b.c\xC2\xB7\xCC\x80 \xC3\x80x='1'/>"sv},
    {"name-cyrillic", "<\xD0\xA1\xD0\xB2\xD0\xBE\xD0\xB9\xD1\x81\xD1\x82\xD0\xB2\xD0\xBE \xD0\x98\xD0\xBC\xD1\x8F='x'/>"sv},
    {"name-astral", "<\xF0\x90\x80\x80/>"sv},
    {"bad-name-digit", "<1a/>"sv},
    {"bad-name-hyphen", "<-a/>"sv},
    {"bad-name-middle-dot", "<\xC2\xB7/>"sv},
    {"bad-name-times", "<a\xC3\x97/>"sv},

    // Namespaces.
    {"namespaces", "<p:a xmlns:p='urn:p' p:x='1' y='2'><p:b/></p:a>"sv},
    {"namespace-declared-after-use", "<p:a p:x='1' xmlns:p='urn:p'/>"sv},
    {"namespace-default", "<a xmlns='urn:d'><b xmlns=''/></a>"sv},
    {"namespace-xml-prefix", "<xml:a xml:lang='en'/>"sv},
    {"namespace-xml-declared", "<a xmlns:xml='http://www.w3.org/XML/1998/namespace'/>"sv},
    {"namespace-same-local-names", "<a xmlns:p='urn:p' xmlns:q='urn:q' p:x='1' q:x='2' x='3'/>"sv},
    {"namespace-shadowing", "<p:a xmlns:p='urn:1'><p:b xmlns:p='urn:2'/><p:c/></p:a>"sv},
    {"bad-namespace-undeclared-element", "<p:a/>"sv},
    {"bad-namespace-undeclared-attribute", "<a p:x='1'/>"sv},
    {"bad-namespace-out-of-scope", "<a><p:b xmlns:p='urn:p'/>\n<p:c/></a>"sv},
    {"bad-namespace-duplicate", "<a xmlns:p='urn:u' xmlns:q='urn:u' p:x='1' q:x='2'/>"sv},
    {"bad-namespace-empty", "<a xmlns:p=''/>"sv},
    {"bad-namespace-xml-rebound", "<a xmlns:xml='urn:other'/>"sv},
    {"bad-namespace-xmlns-declared", "<a xmlns:xmlns='urn:x'/>"sv},
    {"bad-namespace-xmlns-element", "<xmlns:a/>"sv},
    {"bad-namespace-xml-uri", "<a xmlns:p='http://www.w3.org/XML/1998/namespace'/>"sv},
    {"bad-namespace-xmlns-uri", "<a xmlns='http://www.w3.org/2000/xmlns/'/>"sv},
    {"bad-namespace-leading-colon", "<:a/>"sv},
    {"bad-namespace-trailing-colon", "<a:/>"sv},
    {"bad-namespace-two-colons", "<a:b:c/>"sv},
    {"bad-namespace-local-digit", "<a:1b xmlns:a='urn:a'/>"sv},

    // White space and line ends.
    {"white-space-runs", " \n<a> <b>\t</b> x </a>\n "sv},
    {"white-space-around-comment", "<a> <!--c--> </a>"sv},
    {"line-ends", "<a>1\r\n2\r3\n4\r\r\n5</a>"sv},
    {"line-ends-lines", "<a>\r\n<b\r\nx='1'\r\n/>\r\n\r\n<c/>\r</a>\r\n"sv},

    // Characters and UTF-8.
    {"utf8", "<a>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xE2\x82\xAC\xF0\x9D\x84\x9E</a>"sv},
    {"utf8-mark", "\xEF\xBB\xBF<a>\xD0\x9F</a>"sv},
    {"utf8-mark-declared", "\xEF\xBB\xBF<?xml version='1.0' encoding='utf-8'?><a/>"sv},
    {"c1-control", "<a>\xC2\x85</a>"sv},
    {"bad-control", "<a>\x01</a>"sv},
    {"bad-control-attribute", "<a x='\x1F'/>"sv},
    {"bad-control-comment", "<a><!--\x0B--></a>"sv},
    {"bad-nul", "<a>x\0y</a>"sv},
    {"bad-fffe", "<a>\xEF\xBF\xBE</a>"sv},
    {"bad-ffff", "<a>\xEF\xBF\xBF</a>"sv},
    {"bad-utf8-overlong", "<a>\xC0\xAF</a>"sv},
    {"bad-utf8-overlong-3", "<a>\xE0\x80\xAF</a>"sv},
    {"bad-utf8-surrogate", "<a>\xED\xA0\x80</a>"sv},
    {"bad-utf8-above-range", "<a>\xF4\x90\x80\x80</a>"sv},
    {"bad-utf8-continuation", "<a>\x80</a>"sv},
    {"bad-utf8-lead-alone", "<a>\xC3(</a>"sv},
    {"bad-utf8-ff", "<a>\xFF</a>"sv},
    {"bad-utf8-cut", "<a>x</a>\xE2\x82"sv},
    {"bad-utf8-attribute", "<a x='\xE9'/>"sv},
    {"bad-utf8-name", "<a\xE9/>"sv},
    {"bad-utf8-mark-declared-1251", "\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1251'?><a/>"sv},
    {"bad-utf8-declared-utf16", "<?xml version='1.0' encoding='UTF-16'?><a/>"sv},

    // Single-byte code pages named by the declaration.
    {"windows-1251", "<?xml version='1.0' encoding='windows-1251'?>\r\n<\xD1\xE2 \xC8='\xEC\xFF'>\xC0\xFF\xA8\xB8\x80\x88\xB9</\xD1\xE2>"sv},
    {"windows-1251-upper", "<?xml version='1.0' encoding='WINDOWS-1251'?><a>\xCF\xF0\xE8\xE2\xE5\xF2</a>"sv},
    {"windows-1252", "<?xml version='1.0' encoding='windows-1252'?><a>\x80\x8A\x9F\xC0\xE9\xFF</a>"sv},
    {"iso-8859-1", "<?xml version='1.0' encoding='ISO-8859-1'?><a x='\xE9'>\xA0\xC0\xE9\xFF</a>"sv},
    {"latin1", "<?xml version='1.0' encoding='latin1'?><a>\xE9</a>"sv},
    {"iso-8859-5", "<?xml version='1.0' encoding='ISO-8859-5'?><a>\xB0\xCF\xD0\xEF\xA1\xF0\xFD\xF1</a>"sv},
    {"koi8-r", "<?xml version='1.0' encoding='koi8-r'?><a>\xE1\xF1\xC1\xD1\xB3\xA3\x80\x9A</a>"sv},
    {"koi8-r-names", "<?xml version='1.0' encoding='KOI8-R'?><\xF0\xD2\xC9 \xD7='\xC5'/>"sv},
    {"us-ascii", "<?xml version='1.0' encoding='us-ascii'?><a>plain</a>"sv},
    {"bad-us-ascii-high", "<?xml version='1.0' encoding='us-ascii'?><a>\x80</a>"sv},
    {"bad-windows-1251-unassigned", "<?xml version='1.0' encoding='windows-1251'?><a>\x98</a>"sv},
    {"bad-windows-1252-unassigned", "<?xml version='1.0' encoding='windows-1252'?><a>\x81</a>"sv},
    {"bad-unknown-encoding", "<?xml version='1.0' encoding='no-such-code-page'?><a/>"sv},
    {"bad-encoding-without-table", "<?xml version='1.0' encoding='ISO-8859-2'?><a>\xB1</a>"sv},

    // Document type declarations.
    {"bad-doctype", "<!DOCTYPE a><a/>"sv},
    {"bad-doctype-internal-subset", "<?xml version='1.0'?>\n<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>"sv},
    {"bad-doctype-after-comment", "<!--c-->\n<!DOCTYPE a SYSTEM 'a.dtd'><a/>"sv},
    {"bad-doctype-in-root", "<a><!DOCTYPE a></a>"sv},
};

}  // namespace

std::vector<Document> HandWritten() {
    std::vector<Document> documents;
    for (const Literal& literal : kDocuments) {
        documents.push_back({literal.name, std::string(literal.bytes)});
    }
    // UTF-16 with a byte-order mark, in both byte orders; without one.
    const std::string_view utf16Text =
        "<?xml version='1.0' encoding='UTF-16'?>\r\n<a x='\xC3\xA9'>\xD0\x9F\xD1\x80\xD0\xB8 "
        "\xF0\x9D\x84\x9E<b/><!--c--><![CDATA[d]]></a>"sv;
    documents.push_back({"utf16-le", Utf16WithMark(utf16Text, false)});
    documents.push_back({"utf16-be", Utf16WithMark(utf16Text, true)});
    documents.push_back({"utf16-le-undeclared", Utf16WithMark("<a>x</a>", false)});
    documents.push_back({"utf16-be-lower-case", Utf16WithMark("<?xml version='1.0' encoding='utf-16'?><a/>", true)});
    documents.push_back({"bad-utf16-declared-utf8", Utf16WithMark("<?xml version='1.0' encoding='UTF-8'?><a/>", false)});
    documents.push_back({"bad-utf16-lone-high-surrogate", Utf16WithMark("<a>x", false) + std::string("\x00\xD8", 2) + Utf16Bare("</a>", false)});
    documents.push_back({"bad-utf16-lone-low-surrogate", Utf16WithMark("<a>x", true) + std::string("\xDC\x00", 2) + Utf16Bare("</a>", true)});
    documents.push_back({"bad-utf16-odd-byte", Utf16WithMark("<a/>", false) + " "});
    documents.push_back({"bad-utf16-le-without-mark", Utf16Bare("<?xml version='1.0' encoding='UTF-16'?><a/>", false)});
    documents.push_back({"bad-utf16-be-without-mark", Utf16Bare("<?xml version='1.0' encoding='UTF-16'?><a/>", true)});
    documents.push_back({"bad-utf16-without-mark-no-declaration", Utf16Bare("<a/>", false)});
    documents.push_back({"bad-utf32", std::string("\x00\x00\xFE\xFF\x00\x00\x00<\x00\x00\x00" "a\x00\x00\x00/\x00\x00\x00>", 20)});
    return documents;
}

std::vector<Document> Truncated(const std::vector<Document>& from) {
    std::vector<Document> documents;
    for (const Document& document : from) {
        for (std::size_t length = 1; length < document.bytes.size(); ++length) {
            documents.push_back({document.name + "@" + std::to_string(length), document.bytes.substr(0, length)});
        }
    }
    return documents;
}

namespace {

// SplitMix64: small, and its sequence is fixed by its definition, unlike the
// distributions of the standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // A number below bound (bound > 0).
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }

private:
    std::uint64_t m_state;
};

constexpr std::array kTokens = {
    "<"sv, ">"sv, "/>"sv, "</"sv, "<?"sv, "?>"sv, "<!--"sv, "-->"sv, "--"sv, "<![CDATA["sv, "]]>"sv,
    "<!DOCTYPE a>"sv, "&"sv, ";"sv, "&amp;"sv, "&lt;"sv, "&#"sv, "&#x"sv, "&#x41;"sv, "&#65;"sv, "="sv,
    "'"sv, "\""sv, " "sv, "\n"sv, "\r"sv, "\r\n"sv, "\t"sv, ":"sv, "xmlns"sv, "xmlns:p='urn:p'"sv,
    "p:"sv, "xml"sv, " x='1'"sv, "<b>"sv, "</b>"sv, "<b/>"sv, "a"sv, "\xD0\x9F"sv, "\xF0\x9D\x84\x9E"sv,
    "\xC3"sv, "\x80"sv, "\xEF\xBB\xBF"sv, std::string_view("\0", 1), "\x01"sv, "\xFF\xFE"sv,
    "<?xml version='1.0'?>"sv, " encoding='windows-1251'"sv, " standalone='yes'"sv,
};

}  // namespace

std::vector<Document> Mutated(const std::vector<Document>& from, std::uint64_t seed, std::size_t count) {
    std::vector<Document> documents;
    Random random(seed);
    for (std::size_t n = 0; n < count; ++n) {
        const Document& original = from[random.Below(from.size())];
        std::string bytes = original.bytes;
        const std::size_t edits = 1 + random.Below(3);
        for (std::size_t e = 0; e < edits; ++e) {
            const std::size_t at = random.Below(bytes.size() + 1);
            const std::size_t span = 1 + random.Below(8);
            switch (random.Below(5)) {
            case 0:  // any byte
                if (at < bytes.size()) {
                    bytes[at] = static_cast<char>(random.Below(256));
                }
                break;
            case 1:
            case 2: {  // a markup token
                const std::string_view token = kTokens[random.Below(kTokens.size())];
                bytes.insert(at, token);
                break;
            }
            case 3:  // a range removed
                bytes.erase(at, span);
                break;
            default:  // a range repeated
                bytes.insert(at, bytes.substr(at, span));
                break;
            }
        }
        documents.push_back({original.name + "~" + std::to_string(n), bytes});
    }
    return documents;
}

}  // namespace xml::corpus
