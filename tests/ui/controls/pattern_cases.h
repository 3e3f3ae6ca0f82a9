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
    // Compile errors, reported by the first fault; a loop over what can match nothing is refused.
    {"[]", "", "error 6"}, {"[a-]", "", "error 4"}, {"[z-a]", "", "error 8"}, {"{a)", "", "error 2"},
    {"(a}", "", "error 3"}, {"{a}\\1", "", "error 7"}, {"(a*)*", "", "error 9"}, {"(!a)*", "", "error 9"},
    {"{a\\0}", "aa", "0-1 0=0-1"}, {"(a*b)*", "abbc", "0-3"}, {"{a}\\0*", "aaab", "0-3 0=0-1"},
    // Searches from every start; anchors; a stray closing bracket ends the pattern.
    {"", "", "0-0"}, {"abc", "xabcx", "1-4"}, {"A", "a", "no"}, {"\\z!.", "12.000000", "3-9"},
    {"^\\d", "-5", "no"}, {"a^", "a^", "0-2"}, {"a)b", "xa", "1-2"}, {"!.", "", "0-0"},
    // "$" is the end of the text only as the pattern's last byte.
    {"$", "", "0-1"}, {"a$", "ba", "1-3"}, {"a$", "ab", "no"}, {"a$b", "a$b", "0-3"}, {"a\\$", "xa$", "1-3"},
    // Alternation binds single items: ab|cd is a(b|c)d.
    {"ab|cd", "acd", "0-3"}, {"ab|cd", "cd", "no"}, {"(ab)|(cd)", "xcd", "1-3"}, {"x(a|b|c)*y", "xcabay", "0-6"},
    // Classes: ranges, escapes, negation; abbreviations.
    {"[a-c]+", "xxbcax", "2-5"}, {"[0-9]", "9", "0-1"}, {"[^a-c]+", "abcxyz", "3-6"}, {"[a\\-z]", "b-", "1-2"},
    {"[\\]]", "a]", "1-2"}, {"\\t", "\tt", "1-2"}, {"[^a]", "a", "no"}, {"\\h+", "xyzBEEF", "3-7"},
    {"\\w", "12ab3", "2-4"}, {"\\q", "say \"hi\" now", "4-8"}, {"a\\nb", "a\r\nb", "0-4"}, {"a\\nb", "a\n\rb", "no"},
    // Greedy and lazy forms; a lazy loop resumes where the later failure left off; negation consumes nothing.
    {"a+?", "aaa", "0-1"}, {"a??", "aa", "0-0"}, {"<.*>", "<a><b>", "0-6"}, {"<.*?>", "<a><b>", "0-3"},
    {"^a*?ab", "aab", "no"}, {"!a.", "ab", "1-2"}, {"!a*b", "b", "no"}, {"!{a}.", "ab", "1-2 0=0-1"},
    // Captures and back-references; loops over back-references to empty groups end.
    {"{a+}-\\0", "aa-a", "1-4 0=1-2"}, {"{a}\\0", "aA", "no"}, {"{x}?\\0y", "y", "0-1 0=-"},
    {"{a}{b}\\1\\0", "abba", "0-4 0=0-1 1=1-2"}, {"{a}*", "aaa", "0-3 0=2-3"}, {"{a*?}{a*}", "aaa", "0-3 0=0-0 1=0-3"},
    {"^({(ab)|(a)}b?)*\\0$", "abaa", "0-5 0=2-3"}, {"{}\\0*x", "x", "0-1 0=0-0"}, {"({}\\0|a)*b", "aab", "0-3 0=1-1"},
};
