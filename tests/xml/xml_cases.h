#pragma once

// The XML reader's cases: one named table that the reader test reads for the
// nodes and errors it expects, the check against libxml2 reads (with every
// document cut short and mutated), and the fuzz target's seeds are made of.
//
// A trace has one token per node: <a x=1>, <a/>, </a>, T(text), W(white
// space), CDATA(..), C(comment), ?target(data), <?xml version=..?>; then
// !ErrorName if reading stopped at an error, with @line:column where the row
// says where. Line ends and tabs in traces are written \n, \r, \t.

#include <string>
#include <string_view>
#include <vector>

namespace xml::testing {

using namespace std::string_view_literals;

// How the document's text is turned into the bytes read: as written, or as
// UTF-16 with a byte-order mark of either order.
enum class XmlForm { AsWritten, Utf16LE, Utf16BE };

struct XmlCase {
    const char* name;  // "bad-" marks a document that is not well formed
    std::string_view document;
    const char* trace;
    XmlForm form = XmlForm::AsWritten;
};

inline constexpr XmlCase kXmlCases[] = {
    // Structure and node types.
    {"empty-element", "<a/>", "<a/>"}, {"start-end", "<a></a>", "<a> </a>"}, {"text", "<a>x</a>", "<a> T(x) </a>"},
    {"nested", "<a><b><c/></b><b/><d></d></a>", "<a> <b> <c/> </b> <b/> <d> </d> </a>"},
    {"mixed", "<a>x<![CDATA[y]]>z<!--c-->w</a>", "<a> T(x) CDATA(y) T(z) C(c) T(w) </a>"},
    {"end-tag-space", "<a></a \n\t>", "<a> </a>"}, {"tag-white-space", "<a\n\tx = \"1\"\n/>", "<a x=1/>"},
    {"deep", "<a><a><a><a><a><a><a/></a></a></a></a></a></a>",
     "<a> <a> <a> <a> <a> <a> <a/> </a> </a> </a> </a> </a> </a>"},
    {"long-names", "<abcdefghijklmnopqrstuvwxyz_ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789.x/>",
     "<abcdefghijklmnopqrstuvwxyz_ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789.x/>"},
    {"cdata-end-lookalikes", "<a>1]]2]>3</a>", "<a> T(1]]2]>3) </a>"},
    {"greater-than-in-text", "<a>></a>", "<a> T(>) </a>"},
    {"definition-file",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Quorvelin_Properties Name=\"Root\">\n"
     "  <Property Name=\"First\">\n    <Attrib Id=\"10\" Default=\"2\">  Label  \n"
     "      <Value>b &amp; c</Value>\n    </Attrib>\n  </Property>\n</Quorvelin_Properties>\n",
     "<?xml version=1.0 encoding=UTF-8?> W(\\n) <Quorvelin_Properties Name=Root> W(\\n  ) <Property Name=First> "
     "W(\\n    ) <Attrib Id=10 Default=2> T(  Label  \\n      ) <Value> T(b & c) </Value> W(\\n    ) </Attrib> "
     "W(\\n  ) </Property> W(\\n) </Quorvelin_Properties> W(\\n)"},
    {"bad-no-root", "", "!UnexpectedEnd"}, {"bad-only-space", " \n\t ", "W( \\n\\t ) !UnexpectedEnd"},
    {"bad-only-comment", "<!--only a comment-->", "C(only a comment) !UnexpectedEnd"},
    {"bad-unclosed", "<a><b></b>", "<a> <b> </b> !UnexpectedEnd"},
    {"bad-unclosed-name", "<a", "!UnexpectedEnd"},
    {"bad-mismatch", "<a>\n  <b></c></a>", "<a> W(\\n  ) <b> !EndTagMismatch@2:6"},
    {"bad-mismatch-case", "<a></A>", "<a> !EndTagMismatch"},
    {"bad-mismatch-prefix", "<p:a xmlns:p='u'></a>", "<p:a xmlns:p=u> !EndTagMismatch"},
    {"bad-end-without-start", "</a>", "!EndTagMismatch"}, {"bad-end-after-empty", "<a/></a>", "<a/> !EndTagMismatch"},
    {"bad-two-roots", "<a/><b/>", "<a/> !MultipleRoots"},
    {"bad-text-after-root", "<a/>x", "<a/> !Syntax"},
    {"bad-text-before-root", "x<a/>", "!Syntax"}, {"bad-reference-after-root", "<a/>&amp;", "<a/> !Syntax"},
    {"bad-end-tag-attribute", "<a></a x='1'>", "<a> !MissingGreaterThan"},
    {"bad-empty-tag-space", "<a/ >", "!MissingGreaterThan"},
    {"bad-markup-declaration", "<a><!ELEMENT a ANY></a>", "<a> !Syntax"},
    {"bad-cdata-end-in-text", "<a>]]></a>", "<a> !CdataEndInText"},
    {"bad-cdata-end-after-bracket", "<a>x]]]></a>", "<a> !CdataEndInText"},

    // XML declaration.
    {"declaration", "<?xml version='1.0'?><a/>", "<?xml version=1.0?> <a/>"},
    {"declaration-full", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?><a/>",
     "<?xml version=1.0 encoding=UTF-8 standalone=yes?> <a/>"},
    {"declaration-spaces", "<?xml  version = '1.0'  encoding = 'utf-8'  ?>\r\n<a/>",
     "<?xml version=1.0 encoding=utf-8?> W(\\n) <a/>"},
    {"declaration-1.1", "<?xml version='1.1'?><a/>", "<?xml version=1.1?> <a/>"},
    {"bad-declaration-empty", "<?xml?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-no-version", "<?xml encoding='UTF-8'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-order", "<?xml version='1.0' standalone='yes' encoding='UTF-8'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-twice", "<?xml version='1.0' version='1.0'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-version-2", "<?xml version='2.0'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-version-cut", "<?xml version='1.'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-standalone", "<?xml version='1.0' standalone='maybe'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-other", "<?xml version='1.0' other='x'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-split-name", "<?xml version='1.0' enc oding='UTF-8'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-quote", "<?xml version=1.0?><a/>", "!MissingQuote"},
    {"bad-declaration-no-space", "<?xml version='1.0'encoding='UTF-8'?><a/>", "!MissingWhitespace"},
    {"bad-declaration-encoding-name", "<?xml version='1.0' encoding='8bit'?><a/>", "!BadEncodingName"},
    {"bad-declaration-encoding-space", "<?xml version='1.0' encoding='UTF 8'?><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-unclosed", "<?xml version='1.0'><a/>", "!BadXmlDeclaration"},
    {"bad-declaration-cut", "<?xml version='1.0' ?", "!UnexpectedEnd"},
    {"bad-declaration-question-mark", "<?xml version='1.0' ?x<a/>", "!MissingGreaterThan"},
    {"bad-declaration-late", "<a/><?xml version='1.0'?>", "<a/> !ReservedPiTarget"},
    {"bad-declaration-after-space", " <?xml version='1.0'?><a/>", "W( ) !ReservedPiTarget"},
    {"bad-declaration-after-comment", "<!--c--><?xml version='1.0'?><a/>", "C(c) !ReservedPiTarget"},
    {"bad-declaration-upper", "<?XML version='1.0'?><a/>", "!ReservedPiTarget"},

    // Comments and processing instructions.
    {"comments", "<!-- c --><a><!----></a><!--x-y-->", "C( c ) <a> C() </a> C(x-y)"},
    {"pis", "<?pi data  here ?><a><?t?></a><?u x?>", "?pi(data  here ) <a> ?t() </a> ?u(x)"},
    {"pi-xml-prefix", "<?xml-stylesheet href='s'?><a/>", "?xml-stylesheet(href='s') <a/>"},
    {"pi-markup-inside", "<a><?p <b> & ]]> ?></a>", "<a> ?p(<b> & ]]> ) </a>"},
    {"bad-comment-double-hyphen", "<a><!-- a -- b --></a>", "<a> !BadComment"},
    {"bad-comment-ending-hyphen", "<a><!-- a ---></a>", "<a> !BadComment"},
    {"bad-comment-start", "<a><!- x --></a>", "<a> !BadComment"},
    {"bad-pi-reserved", "<a><?xml version='1.0'?></a>", "<a> !ReservedPiTarget"},
    {"bad-pi-reserved-case", "<a><?XmL x?></a>", "<a> !ReservedPiTarget"},
    {"bad-pi-question-mark", "<a><?pi?x?></a>", "<a> !BadProcessingInstruction"},
    {"bad-pi-no-space", "<a><?pi!x?></a>", "<a> !BadProcessingInstruction"},
    {"bad-pi-no-target", "<a><? pi?></a>", "<a> !BadNameCharacter"},
    {"bad-pi-colon", "<a><?p:i x?></a>", "<a> !ColonInName"},

    // CDATA sections.
    {"cdata", "<a><![CDATA[ <b>&amp;]] ]]></a>", "<a> CDATA( <b>&amp;]] ) </a>"},
    {"cdata-empty", "<a><![CDATA[]]></a>", "<a> CDATA() </a>"},
    {"cdata-brackets", "<a><![CDATA[]]]]></a>", "<a> CDATA(]]) </a>"},
    {"cdata-adjacent", "<a><![CDATA[1]]><![CDATA[2]]></a>", "<a> CDATA(1) CDATA(2) </a>"},
    {"bad-cdata-outside-root", "<![CDATA[x]]><a/>", "!Syntax"},
    {"bad-cdata-keyword", "<a><![CDAT[x]]></a>", "<a> !BadCdataStart"},

    // Attributes.
    {"attributes", "<a x='1' y=\"2\" z=''/>", "<a x=1 y=2 z=/>"},
    {"attribute-quotes", "<a x='say \"hi\"' y=\"it's\"/>", "<a x=say \"hi\" y=it's/>"},
    {"attribute-white-space", "<a x=' a\tb\r\nc\rd\ne '/>", "<a x= a b c d e />"},
    {"attribute-entities", "<a x='&lt;&gt;&amp;&apos;&quot;'/>", "<a x=<>&'\"/>"},
    {"attribute-char-references", "<a x='&#9;&#10;&#13;&#x20;'/>", "<a x=\\t\\n\\r />"},
    {"attribute-greater-than", "<a x='>'></a>", "<a x=>> </a>"},
    {"attribute-many", "<a a1='1' a2='2' a3='3' a4='4' a5='5' a6='6' a7='7' a8='8' a9='9' a10='10'/>",
     "<a a1=1 a2=2 a3=3 a4=4 a5=5 a6=6 a7=7 a8=8 a9=9 a10=10/>"},
    {"bad-attribute-duplicate", "<a x='1' x='2' y=/>", "!DuplicateAttribute"},  // found before the later fault
    {"bad-attribute-duplicate-later", "<r><a/>\n<b x='1'\n x='1'/></r>", "<r> <a/> W(\\n) !DuplicateAttribute@3:2"},
    {"bad-attribute-unquoted", "<a x=1/>", "!MissingQuote"}, {"bad-attribute-no-value", "<a x/>", "!MissingEquals"},
    {"bad-attribute-no-space", "<a x='1'y='2'/>", "!MissingWhitespace"},
    {"bad-attribute-mixed-quotes", "<a x='1\"/>", "!UnexpectedEnd"},
    {"bad-attribute-less-than", "<a x='<'/>", "!LessThanInAttribute"},
    {"bad-attribute-ampersand", "<a x='&'/>", "!BadNameCharacter"},
    {"bad-attribute-entity", "<a x='&b;'/>", "!UndeclaredEntity"},
    {"bad-attribute-name", "<a $='1'/>", "!BadNameCharacter"},

    // References.
    {"references", "<a>&lt;b&gt; &amp; &apos;&quot;</a>", "<a> T(<b> & '\") </a>"},
    {"char-references", "<a>&#65;&#x42;&#x00043;&#1055;</a>", "<a> T(ABCП) </a>"},
    {"char-references-astral", "<a>&#x1F600;&#128512;</a>", "<a> T(😀😀) </a>"},
    {"char-references-edges", "<a>&#x10FFFF;&#xFFFD;&#xE000;&#xD7FF;</a>",
     "<a> T(\xF4\x8F\xBF\xBF\xEF\xBF\xBD\xEE\x80\x80\xED\x9F\xBF) </a>"},
    {"char-reference-space", "<a> &#32; </a>", "<a> T(   ) </a>"},  // text, though it stands for white space
    {"char-reference-carriage-return", "<a>&#13;&#xD;</a>", "<a> T(\\r\\r) </a>"},  // kept as it is named
    {"bad-reference-entity", "<a>&nbsp;</a>", "<a> !UndeclaredEntity"},
    {"bad-reference-no-semicolon", "<a>&amp</a>", "<a> !MissingSemicolon"},
    {"bad-reference-space", "<a>& b</a>", "<a> !BadNameCharacter"},
    {"bad-reference-position", "<a>\n &bogus;</a>", "<a> !UndeclaredEntity@2:2"},
    {"bad-char-reference-empty", "<a>&#;</a>", "<a> !BadDigit"},
    {"bad-char-reference-hex-empty", "<a>&#x;</a>", "<a> !BadHexDigit"},
    {"bad-char-reference-upper-x", "<a>&#65;&#x42;&#X43;</a>", "<a> !BadDigit"},  // only a lower-case x starts hex
    {"bad-char-reference-digit", "<a>&#12a;</a>", "<a> !MissingSemicolon"},
    {"bad-char-reference-hex-digit", "<a>&#xG;</a>", "<a> !BadHexDigit"},
    {"bad-char-reference-zero", "<a>&#0;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-control", "<a>&#8;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-surrogate", "<a>&#xD800;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-fffe", "<a>&#xFFFE;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-too-big", "<a>&#x110000;</a>", "<a> !IllegalCharacter"},
    {"bad-char-reference-huge", "<a>&#99999999999999999999999999;</a>", "<a> !IllegalCharacter"},

    // Names.
    {"name-characters", "<_a-b.c\xC2\xB7\xCC\x80/>", "<_a-b.c\xC2\xB7\xCC\x80/>"},
    {"name-cyrillic", "<Свойство Имя='x'/>", "<Свойство Имя=x/>"},
    {"name-astral", "<\xF0\x90\x80\x80/>", "<\xF0\x90\x80\x80/>"},  // U+10000 starts a name
    {"bad-name-digit", "<1a/>", "!BadNameCharacter"}, {"bad-name-hyphen", "<-a/>", "!BadNameCharacter"},
    {"bad-name-middle-dot", "<\xC2\xB7/>", "!BadNameCharacter"},  // U+00B7 may continue a name, not start it
    {"bad-name-times", "<a\xC3\x97/>", "!BadNameCharacter"},      // U+00D7 is no name character
    {"bad-space-before-name", "< a/>", "!BadNameCharacter"},

    // Namespaces.
    {"namespaces", "<p:a xmlns:p='urn:p' p:x='1' y='2'><p:b/></p:a>", "<p:a xmlns:p=urn:p p:x=1 y=2> <p:b/> </p:a>"},
    {"namespace-declared-after-use", "<p:a p:x='1' xmlns:p='urn:p'/>", "<p:a p:x=1 xmlns:p=urn:p/>"},
    {"namespace-default", "<a xmlns='urn:d'><b xmlns=''/></a>", "<a xmlns=urn:d> <b xmlns=/> </a>"},
    {"namespace-xml-prefix", "<xml:a xml:lang='en'/>", "<xml:a xml:lang=en/>"},
    {"namespace-xml-declared", "<a xmlns:xml='http://www.w3.org/XML/1998/namespace'/>",
     "<a xmlns:xml=http://www.w3.org/XML/1998/namespace/>"},
    {"namespace-same-local-names", "<a xmlns:p='urn:p' xmlns:q='urn:q' p:x='1' q:x='2' x='3'/>",
     "<a xmlns:p=urn:p xmlns:q=urn:q p:x=1 q:x=2 x=3/>"},
    {"namespace-shadowing", "<p:a xmlns:p='u1'><p:b xmlns:p='u2'/><p:c/></p:a>",
     "<p:a xmlns:p=u1> <p:b xmlns:p=u2/> <p:c/> </p:a>"},
    {"bad-namespace-undeclared-element", "<p:a/>", "!UndeclaredPrefix"},
    {"bad-namespace-undeclared-attribute", "<a p:x='1'/>", "!UndeclaredPrefix"},
    {"bad-namespace-out-of-scope", "<a><p:b xmlns:p='u'/><p:c/></a>", "<a> <p:b xmlns:p=u/> !UndeclaredPrefix"},
    {"bad-namespace-ended", "<a><b xmlns:p='u'></b><c p:x='1'/></a>", "<a> <b xmlns:p=u> </b> !UndeclaredPrefix"},
    {"bad-namespace-duplicate", "<a xmlns:p='u' xmlns:q='u' p:x='1' q:x='2'/>", "!DuplicateAttribute"},
    {"bad-namespace-empty", "<a xmlns:p=''/>", "!EmptyNamespaceUri"},
    {"bad-namespace-xml-rebound", "<a xmlns:xml='urn:other'/>", "!XmlPrefixReserved"},
    {"bad-namespace-xmlns-declared", "<a xmlns:xmlns='urn:x'/>", "!XmlnsPrefixReserved"},
    {"bad-namespace-xmlns-element", "<xmlns:a/>", "!XmlnsPrefixReserved"},
    {"bad-namespace-xml-uri", "<a xmlns:p='http://www.w3.org/XML/1998/namespace'/>", "!XmlUriReserved"},
    {"bad-namespace-xmlns-uri", "<a xmlns='http://www.w3.org/2000/xmlns/'/>", "!XmlnsUriReserved"},
    {"bad-namespace-leading-colon", "<:a/>", "!BadQualifiedNameColon"},
    {"bad-namespace-trailing-colon", "<a:/>", "!BadQualifiedNameColon"},
    {"bad-namespace-two-colons", "<a:b:c/>", "!BadQualifiedNameColon"},
    {"bad-namespace-local-digit", "<a:1b xmlns:a='u'/>", "!BadQualifiedNameStart"},

    // White space and line ends.
    {"white-space-runs", " \n<a> <b>\t</b> x </a>\n ", "W( \\n) <a> W( ) <b> W(\\t) </b> T( x ) </a> W(\\n )"},
    {"white-space-in-text", "<a>  x\n y  </a>", "<a> T(  x\\n y  ) </a>"},
    {"white-space-around-comment", "<a> <!--c--> </a>", "<a> W( ) C(c) W( ) </a>"},
    {"white-space-after-root", "<a/>\n<!--c-->\n", "<a/> W(\\n) C(c) W(\\n)"},
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
    {"bad-control-comment", "<a><!--\x0B--></a>", "<a> !IllegalCharacter"},
    {"bad-nul", "<a>x\0y</a>"sv, "<a> !IllegalCharacter"}, {"bad-fffe", "<a>\xEF\xBF\xBE</a>", "<a> !IllegalCharacter"},
    {"bad-ffff", "<a>\xEF\xBF\xBF</a>", "<a> !IllegalCharacter"},
    {"bad-utf8-overlong", "<a>\xC0\xAF</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-overlong-3", "<a>\xE0\x80\xAF</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-surrogate", "<a>\xED\xA0\x80</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-above-range", "<a>\xF4\x90\x80\x80</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-continuation", "<a>\x80</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-lead-alone", "<a>\n\xC3(</a>", "<a> !InvalidByteSequence@2:1"},
    {"bad-utf8-ff", "<a>\xFF</a>", "<a> !InvalidByteSequence"},
    {"bad-utf8-cut", "<a>x</a>\xE2\x82", "<a> T(x) </a> !InvalidByteSequence"},
    {"bad-utf8-attribute", "<a x='\xE9'/>", "!InvalidByteSequence"},
    {"bad-utf8-name", "<a\xE9/>", "!InvalidByteSequence"},
    {"bad-utf8-mark-declared-1251", "\xEF\xBB\xBF<?xml version='1.0' encoding='windows-1251'?><a/>",
     "!EncodingMismatch"},
    {"bad-utf8-declared-utf16", "<?xml version='1.0' encoding='UTF-16'?><a/>", "!EncodingMismatch"},

    // Single-byte code pages named by the declaration; the texts were taken
    // from iconv for each code page.
    {"windows-1251", "<?xml version='1.0' encoding='windows-1251'?>\r\n<\xD1\xE2 \xC8='\xEC\xFF'>\xC0\xFF\xA8\xB8\x80\x88\xB9</\xD1\xE2>",
     "<?xml version=1.0 encoding=windows-1251?> W(\\n) <Св И=мя> T(АяЁёЂ€№) </Св>"},
    {"windows-1251-upper", "<?xml version='1.0' encoding='WINDOWS-1251'?><a>\xCF\xF0\xE8\xE2\xE5\xF2</a>",
     "<?xml version=1.0 encoding=WINDOWS-1251?> <a> T(Привет) </a>"},
    {"windows-1252", "<?xml version='1.0' encoding='windows-1252'?><a>\x80\x8A\x9F\xC0\xE9\xFF</a>",
     "<?xml version=1.0 encoding=windows-1252?> <a> T(€ŠŸÀéÿ) </a>"},
    {"iso-8859-1", "<?xml version='1.0' encoding='ISO-8859-1'?><a x='\xE9'>\x80\xA0\xC0\xE9\xFF</a>",
     "<?xml version=1.0 encoding=ISO-8859-1?> <a x=é> T(\xC2\x80\xC2\xA0Àéÿ) </a>"},
    {"latin1", "<?xml version='1.0' encoding='latin1'?><a>\xE9</a>", "<?xml version=1.0 encoding=latin1?> <a> T(é) </a>"},
    {"iso-8859-5", "<?xml version='1.0' encoding='ISO-8859-5'?><a>\xB0\xCF\xD0\xEF\xA1\xF0\xFD\xF1</a>",
     "<?xml version=1.0 encoding=ISO-8859-5?> <a> T(АЯаяЁ№§ё) </a>"},
    {"koi8-r", "<?xml version='1.0' encoding='koi8-r'?><a>\xE1\xF1\xC1\xD1\xB3\xA3\x80\x9A</a>",
     "<?xml version=1.0 encoding=koi8-r?> <a> T(АЯаяЁё─\xC2\xA0) </a>"},
    {"koi8-r-names", "<?xml version='1.0' encoding='KOI8-R'?>\r<\xF0\xD2\xC9 \xD7='\xC5'>\xD4\r</\xF0\xD2\xC9>",
     "<?xml version=1.0 encoding=KOI8-R?> W(\\n) <При в=е> T(т\\n) </При>"},
    {"us-ascii", "<?xml version='1.0' encoding='us-ascii'?><a>plain</a>",
     "<?xml version=1.0 encoding=us-ascii?> <a> T(plain) </a>"},
    {"bad-us-ascii-high", "<?xml version='1.0' encoding='us-ascii'?><a>\x80</a>",
     "<?xml version=1.0 encoding=us-ascii?> <a> !InvalidByteSequence"},
    {"bad-windows-1251-unassigned", "<?xml version='1.0' encoding='windows-1251'?><a>\x98</a>",
     "<?xml version=1.0 encoding=windows-1251?> <a> !InvalidByteSequence"},
    {"bad-windows-1252-unassigned", "<?xml version='1.0' encoding='windows-1252'?><a>\x81</a>",
     "<?xml version=1.0 encoding=windows-1252?> <a> !InvalidByteSequence"},
    {"bad-unknown-encoding", "<?xml version='1.0' encoding='no-such-code-page'?><a/>", "!UnknownEncoding"},
    {"bad-encoding-without-table", "<?xml version='1.0' encoding='ISO-8859-2'?><a>\xB1</a>", "!UnknownEncoding"},

    // UTF-16 with a byte-order mark; other signatures.
    {"utf16-le", "<?xml version='1.0' encoding='UTF-16'?>\r\n<a x='é'>Привет 𝄞<b/><!--c--><![CDATA[d]]></a>",
     "<?xml version=1.0 encoding=UTF-16?> W(\\n) <a x=é> T(Привет 𝄞) <b/> C(c) CDATA(d) </a>", XmlForm::Utf16LE},
    {"utf16-be", "<?xml version='1.0' encoding='UTF-16'?>\r\n<a x='é'>Привет 𝄞<b/><!--c--><![CDATA[d]]></a>",
     "<?xml version=1.0 encoding=UTF-16?> W(\\n) <a x=é> T(Привет 𝄞) <b/> C(c) CDATA(d) </a>", XmlForm::Utf16BE},
    {"utf16-le-undeclared", "<a>\r\nx</a>", "<a> T(\\nx) </a>", XmlForm::Utf16LE},
    {"utf16-be-lower-case", "<?xml version='1.0' encoding='utf-16'?><a/>", "<?xml version=1.0 encoding=utf-16?> <a/>",
     XmlForm::Utf16BE},
    {"bad-utf16-declared-utf8", "<?xml version='1.0' encoding='utf-8'?><a/>", "!EncodingMismatch", XmlForm::Utf16LE},
    // A surrogate written in UTF-8 becomes a lone UTF-16 unit.
    {"bad-utf16-lone-high-surrogate", "<a>x\xED\xA0\x80</a>", "<a> !InvalidByteSequence", XmlForm::Utf16LE},
    {"bad-utf16-lone-low-surrogate", "<a>x\xED\xB0\x80</a>", "<a> !InvalidByteSequence", XmlForm::Utf16BE},
    {"bad-utf16-odd-byte", "\xFF\xFE<\0a\0/\0>\0 "sv, "<a/> !InvalidByteSequence"},
    {"bad-utf16-without-mark", "<\0?\0x\0m\0l\0"sv, "!UnknownSignature"},
    {"bad-utf32", "\0\0\xFE\xFF\0\0\0<\0\0\0a\0\0\0/\0\0\0>"sv, "!UnknownSignature"},

    // Document type declarations.
    {"bad-doctype", "<!DOCTYPE a><a/>", "!DtdProhibited"},
    {"bad-doctype-internal-subset", "<?xml version='1.0'?>\n<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>",
     "<?xml version=1.0?> W(\\n) !DtdProhibited"},
    {"bad-doctype-after-comment", "<!--c--><!DOCTYPE a SYSTEM 'a.dtd'><a/>", "C(c) !DtdProhibited"},
    {"bad-doctype-in-root", "<a><!DOCTYPE a></a>", "<a> !Syntax"},
};

// The bytes the reader is given for a case.
inline std::string XmlCaseBytes(const XmlCase& c) {
    if (c.form == XmlForm::AsWritten) {
        return std::string(c.document);
    }
    const bool bigEndian = c.form == XmlForm::Utf16BE;
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    const std::string_view utf8 = c.document;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += length;
        if (code >= 0x10000) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
    return out;
}

}  // namespace xml::testing
