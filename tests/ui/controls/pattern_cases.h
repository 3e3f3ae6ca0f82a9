#pragma once

// The pattern language as a table, read by the pattern test and written out as
// the seeds of the pattern fuzz target. A result is "error N" when the pattern
// does not compile, "no" when it compiles and does not match, else the span
// matched as offsets into the text, "start-end" (the end of the text counts
// one past the terminating zero), then each capture group, "n=start-end" or
// "n=-" for one that did not match.

struct PatternCase {
    const char* pattern;
    const char* text;
    const char* result;
};

inline constexpr PatternCase kPatternCases[] = {
    // Compile errors, reported by the first fault.
    {"[]", "", "error 6"}, {"[^]", "", "error 6"}, {"[]a]", "", "error 6"},
    {"[", "", "error 4"}, {"[a", "", "error 4"}, {"[a-", "", "error 4"}, {"[a-]", "", "error 4"}, {"[a\\", "", "error 4"},
    {"[z-a]", "", "error 8"}, {"[a-\\]", "", "error 8"},  // the upper end is taken as written: '\' is below 'a'
    {"{a", "", "error 2"}, {"{a)", "", "error 2"}, {"(a{b", "", "error 2"}, {"(a", "", "error 3"}, {"(a}", "", "error 3"},
    {"\\0", "", "error 7"}, {"\\1", "", "error 7"}, {"{a}\\1", "", "error 7"},
    {"{a\\0}", "aa", "0-1 0=0-1"},  // a group counts as opened at its brace
    // A loop over what can match nothing is refused; one over what cannot is not.
    {"(a*)*", "", "error 9"}, {"(a?)+", "", "error 9"}, {"(a*)*?", "", "error 9"}, {"(a*)+?", "", "error 9"},
    {"()*", "", "error 9"}, {"{}+", "", "error 9"}, {"(a|b*)+", "", "error 9"}, {"(!a)*", "", "error 9"},
    {"(\\z?)*", "", "error 9"},
    {"(a)*", "aab", "0-2"}, {"(a*)?", "b", "0-0"}, {"(a*b)*", "abbc", "0-3"}, {"(a|b)*", "abc", "0-2"},
    {"\\z*", "a12", "0-0"}, {"{a}\\0*", "aaab", "0-3 0=0-1"},  // a back-reference counts as never empty
    // Searches from every start; anchors; a stray closing bracket ends the pattern.
    {"", "", "0-0"}, {"abc", "xabcx", "1-4"}, {"\\d.\\d", "-5.000000000000", "1-4"}, {"A", "a", "no"},
    {"\\z!.", "12.000000", "3-9"},  // digits followed by no byte at all
    {"^\\d", "-5", "no"}, {"\\d", "-5", "1-2"}, {"^", "abc", "0-0"}, {"a^", "a^", "0-2"},
    {"a)b", "xa", "1-2"}, {"a]b(", "a]b(", "0-1"},
    {"!.", "ab", "no"}, {"!.", "", "0-0"}, {"x*", "", "0-0"},  // the end is tried only in an empty text
    // "$" is the end of the text only as the pattern's last byte.
    {"$", "", "0-1"}, {"$", "a", "no"}, {"a$", "ba", "1-3"}, {"a$", "ab", "no"}, {"a$b", "a$b", "0-3"},
    {"a\\$", "xa$", "1-3"},
    // Alternation binds single items: ab|cd is a(b|c)d.
    {"ab|cd", "abd", "0-3"}, {"ab|cd", "acd", "0-3"}, {"ab|cd", "ab", "no"}, {"ab|cd", "cd", "no"},
    {"(ab)|(cd)", "xcd", "1-3"}, {"a|b|c", "xc", "1-2"}, {"x(a|b|c)*y", "xcabay", "0-6"},
    // Classes: ranges, escapes, negation; abbreviations.
    {"[a-c]+", "xxbcax", "2-5"}, {"[^a-c]+", "abcxyz", "3-6"}, {"[a\\-z]", "b-", "1-2"}, {"[-a]", "x-", "1-2"},
    {"[\\]]", "a]", "1-2"}, {"[a^]", "^", "0-1"}, {"[^\\^]", "^", "no"}, {"[\\t]", "t\t", "1-2"},
    {"\\t", "\tt", "1-2"},  // outside a class, \t is the letter t
    {"[!-\\]", "a\\", "1-2"}, {"[^a]", "a", "no"},  // a negated class never matches the end
    {"\\b", "x\ty", "1-2"}, {"\\h+", "xyzBEEF", "3-7"}, {"\\w", "12ab3", "2-4"}, {"\\a\\c", "1-a2bc", "3-5"},
    {"\\q", "say \"hi\" now", "4-8"}, {"\\q", "say 'hi' now", "no"},  // only the first item of the expansion
    {"a\\nb", "a\r\nb", "0-4"}, {"a\\nb", "a\rb", "0-3"}, {"a\\nb", "a\nb", "0-3"}, {"a\\nb", "a\n\rb", "no"},
    // Greedy and lazy forms.
    {"a+", "aaa", "0-3"}, {"a+?", "aaa", "0-1"}, {"a*", "aaa", "0-3"}, {"a*?", "aaa", "0-0"}, {"a?", "aa", "0-1"},
    {"a??", "aa", "0-0"}, {"<.*>", "<a><b>", "0-6"}, {"<.*?>", "<a><b>", "0-3"}, {"a*?b", "aab", "0-3"},
    {"a**", "aa*", "0-3"}, {"x*", "abc", "0-0"},
    // A lazy loop resumes where the later failure left off, so "^a*?ab" fails on "aab".
    {"^a*?ab", "aab", "no"}, {"^a*ab", "aab", "0-3"}, {"a*?ab", "aab", "1-3"},
    // Negation consumes nothing; captures inside a matched one are not restored.
    {"!a.", "ab", "1-2"}, {"a!b", "abac", "2-3"}, {"!a*b", "b", "no"}, {"!(ab)a", "abac", "2-3"},
    {"!{a}.", "ab", "1-2 0=0-1"},
    // Captures and back-references.
    {"{a+}-\\0", "aa-a", "1-4 0=1-2"}, {"{a+}-\\0", "aa-aa", "0-5 0=0-2"}, {"{.}\\0", "abccd", "2-4 0=2-3"},
    {"{ab}\\0", "abab", "0-4 0=0-2"}, {"{a}\\0", "aA", "no"}, {"{x}?\\0y", "y", "0-1 0=-"},
    {"{a}{b}\\1\\0", "abba", "0-4 0=0-1 1=1-2"}, {"{a*}b", "aab", "0-3 0=0-2"}, {"{a}{b}", "xab", "1-3 0=1-2 1=2-3"},
    {"{a}|b", "b", "0-1 0=-"}, {"{a}*", "aaa", "0-3 0=2-3"}, {"{a*}{a*}", "aaa", "0-3 0=0-3 1=3-3"},
    {"{a*?}{a*}", "aaa", "0-3 0=0-0 1=0-3"}, {"{a?}a", "aa", "0-2 0=0-1"}, {"{a??}a", "aa", "0-1 0=0-0"},
    {"{a*}ab", "aab", "0-3 0=0-1"}, {"{{a}b}", "ab", "0-2 0=0-2 1=0-1"},
    // The progress slot of a greedy loop holds the end of the iteration retried.
    {"^({(ab)|(a)}b?)*\\0$", "aba", "no"}, {"^({(ab)|(a)}b?)*\\0$", "abaa", "0-5 0=2-3"},
    // Loops over back-references to empty groups end.
    {"{}\\0*x", "x", "0-1 0=0-0"}, {"{}\\0*?x", "a", "no"}, {"{}\\0*?x", "ax", "1-2 0=1-1"},
    {"{}(\\0)+?x", "aaa", "no"}, {"{}\\0*?ab", "aab", "0-3 0=0-0"}, {"{\\0{{.}.}|}*\xff", "*?", "no"},
    {"({}\\0|a)*b", "aab", "0-3 0=1-1"},
};
