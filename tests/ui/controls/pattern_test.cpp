#include "ui/controls/pattern.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace {

// Positions are checked as offsets into the text; kNull stands for a null one.
constexpr std::ptrdiff_t kNull = -1;

std::ptrdiff_t OffsetIn(const char* text, const char* position) {
    return position != nullptr ? position - text : kNull;
}

struct CompileCase {
    const char* pattern;
    int code;
};

struct SearchCase {
    const char* pattern;
    const char* text;
    bool matched;
    std::ptrdiff_t start;  // checked on a match only
    std::ptrdiff_t end;
};

struct GroupCase {
    const char* pattern;
    const char* text;
    unsigned group;
    std::ptrdiff_t start;
    std::ptrdiff_t end;
};

void ExpectSearches(const SearchCase* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const SearchCase& c = cases[i];
        SCOPED_TRACE(std::string("pattern ") + c.pattern + " on \"" + c.text + "\"");
        UIPattern pattern;
        ASSERT_EQ(pattern.Compile(c.pattern), 0);
        UIPatternMatch match;
        ASSERT_EQ(pattern.Match(c.text, &match), c.matched);
        if (c.matched) {
            EXPECT_EQ(OffsetIn(c.text, match.matchStart), c.start);
            EXPECT_EQ(OffsetIn(c.text, match.matchEnd), c.end);
        }
    }
}

template <std::size_t N>
void ExpectSearches(const SearchCase (&cases)[N]) {
    ExpectSearches(cases, N);
}

TEST(PatternCompileTest, ReturnsTheErrorCodeOfTheFirstFault) {
    const CompileCase cases[] = {
        {"", 0},
        {"abc", 0},
        {"[]", 6},
        {"[^]", 6},
        {"[]a]", 6},
        {"[", 4},
        {"[a", 4},
        {"[a-", 4},
        {"[a-]", 4},
        {"[a\\", 4},
        {"[z-a]", 8},
        {"[a-\\]", 8},  // the upper end is taken as written: a backslash, below 'a'
        {"{a", 2},
        {"{a)", 2},
        {"(a", 3},
        {"(a}", 3},
        {"(a{b", 2},
        {"\\0", 7},
        {"\\1", 7},
        {"{a}\\1", 7},
        {"{a\\0}", 0},  // a group counts as opened at its brace
        {"(a*)*", 9},
        {"(a?)+", 9},
        {"(a*)*?", 9},
        {"(a*)+?", 9},
        {"()*", 9},
        {"{}+", 9},
        {"(a|b*)+", 9},
        {"(!a)*", 9},
        {"(\\z?)*", 9},
        {"(a)*", 0},
        {"(a*)?", 0},
        {"(a*b)*", 0},
        {"(a|b)*", 0},
        {"a**", 0},
        {"\\z*", 0},
        {"{a}\\0*", 0},  // a back-reference counts as never empty
        {"a)b", 0},
        {"a]b(", 0},
    };
    for (const CompileCase& c : cases) {
        UIPattern pattern;
        EXPECT_EQ(pattern.Compile(c.pattern), c.code) << "pattern " << c.pattern;
        EXPECT_EQ(pattern.error, c.code) << "pattern " << c.pattern;
    }
}

TEST(PatternCompileTest, CountsGroupsAndSlotsAndResetsThemOnEveryCompile) {
    UIPattern pattern;
    ASSERT_EQ(pattern.Compile("{a}{b}!c"), 0);
    EXPECT_EQ(pattern.groupCount, 2u);
    EXPECT_EQ(pattern.slotCount, 2u);
    // Plus keeps its first copy: two copies of the negation's slots and one loop slot.
    ASSERT_EQ(pattern.Compile("{a!b}+"), 0);
    EXPECT_EQ(pattern.groupCount, 1u);
    EXPECT_EQ(pattern.slotCount, 5u);
    ASSERT_EQ(pattern.Compile("a"), 0);
    EXPECT_EQ(pattern.groupCount, 0u);
    EXPECT_EQ(pattern.slotCount, 0u);
    EXPECT_TRUE(pattern.caseSensitive);
}

TEST(PatternCompileTest, RefusesNestingDeeperThanTheStackAllows) {
    UIPattern pattern;
    UIPatternMatch match;
    const std::string deep = std::string(500, '(') + "a" + std::string(500, ')');
    ASSERT_EQ(pattern.Compile(deep.c_str()), 0);
    EXPECT_TRUE(pattern.Match("xa", &match));
    const std::string tooDeep = std::string(5000, '{') + "a" + std::string(5000, '}');
    EXPECT_EQ(pattern.Compile(tooDeep.c_str()), 1);
    EXPECT_FALSE(pattern.Match("a", &match));
}

TEST(PatternCompileTest, LongChainsAndNestedPlusStayBounded) {
    UIPattern pattern;
    UIPatternMatch match;
    std::string chain = "x";
    for (int i = 0; i < 50000; ++i) {
        chain += "|x";
    }
    chain += "|y";
    ASSERT_EQ(pattern.Compile(chain.c_str()), 0);
    EXPECT_TRUE(pattern.Match("y", &match));
    // Every plus doubles its operand; thirty of them would need 2^30 copies.
    std::string nested = "a";
    for (int i = 0; i < 30; ++i) {
        nested = "(" + nested + ")+";
    }
    EXPECT_EQ(pattern.Compile(nested.c_str()), 1);
}

TEST(PatternProgramTest, GrowsAsIfRecordsWereAppendedOneAtATime) {
    // Filled one record at a time, capacities run 1, 2, 3, 4, 6, 9, 13, 19,
    // 28, ... 711, 1066: each step adds max(capacity / 2, 1).
    struct GrowthCase {
        std::string pattern;
        std::size_t count;
        std::size_t capacity;
    };
    const GrowthCase cases[] = {
        {"", 3, 3},
        // Head, item, accept; the item was first compiled behind four records of
        // alternative scaffolding, which reached 7.
        {"a", 4, 9},
        {"aaaa", 7, 13},
        {std::string(1000, 'a'), 1003, 1066},
        // The loop's copy of (a) is compiled again behind the seven-record loop
        // head, and that second compilation reaches 20.
        {"(a)*", 16, 28},
    };
    for (const GrowthCase& c : cases) {
        UIPattern pattern;
        ASSERT_EQ(pattern.Compile(c.pattern.c_str()), 0);
        EXPECT_EQ(pattern.instructions.Count(), c.count) << c.pattern;
        EXPECT_EQ(pattern.instructions.Capacity(), c.capacity) << c.pattern;
    }
}

TEST(PatternProgramTest, NewStorageIsZeroFilled) {
    UIPatternProgram program;
    ASSERT_TRUE(program.Append(UIPatternKind::Symbol, 'x'));
    ASSERT_TRUE(program.GrowAsIfFilledTo(5));
    ASSERT_EQ(program.Capacity(), 6u);
    for (std::size_t i = 1; i < program.Capacity(); ++i) {
        EXPECT_EQ(program[i].kind, UIPatternKind::Nop);
        EXPECT_EQ(program[i].argument, 0u);
    }
}

TEST(PatternMatchTest, SearchesFromEveryStartPosition) {
    ExpectSearches({
        {"\\d.\\d", "-5.000000000000", true, 1, 4},
        {"\\z!.", "12.000000", true, 3, 9},  // digits followed by no byte at all
        {"^\\d", "-5", false, 0, 0},
        {"\\d", "-5", true, 1, 2},
        {"^", "abc", true, 0, 0},
        {"a^", "a^", true, 0, 2},
        {"a)b", "xa", true, 1, 2},
        {"A", "a", false, 0, 0},
        // The end of the text is tried only when the text is empty.
        {"!.", "ab", false, 0, 0},
        {"!.", "", true, 0, 0},
        {"x*", "", true, 0, 0},
    });
}

TEST(PatternMatchTest, DollarIsTheEndOfTheTextOnlyAsTheLastByte) {
    ExpectSearches({
        // Matching the end steps past the terminating zero.
        {"$", "", true, 0, 1},
        {"$", "a", false, 0, 0},
        {"a$", "ba", true, 1, 3},
        {"a$", "ab", false, 0, 0},
        {"a$b", "a$b", true, 0, 3},
        {"a\\$", "xa$", true, 1, 3},
    });
}

TEST(PatternMatchTest, AlternationBindsSingleItems) {
    ExpectSearches({
        {"ab|cd", "abd", true, 0, 3},
        {"ab|cd", "acd", true, 0, 3},
        {"ab|cd", "ab", false, 0, 0},
        {"ab|cd", "cd", false, 0, 0},
        {"(ab)|(cd)", "xcd", true, 1, 3},
        {"a|b|c", "xc", true, 1, 2},
        {"x(a|b|c)*y", "xcabay", true, 0, 6},
    });
}

TEST(PatternMatchTest, ClassesTakeEscapesRangesAndNegation) {
    ExpectSearches({
        {"[a-c]+", "xxbcax", true, 2, 5},
        {"[^a-c]+", "abcxyz", true, 3, 6},
        {"[a\\-z]", "b-", true, 1, 2},
        {"[-a]", "x-", true, 1, 2},
        {"[\\]]", "a]", true, 1, 2},
        {"[a^]", "^", true, 0, 1},
        {"[^\\^]", "^", false, 0, 0},
        {"[\\t]", "t\t", true, 1, 2},
        {"\\t", "\tt", true, 1, 2},  // outside a class, \t is the letter t
        {"[!-\\]", "a\\", true, 1, 2},
        {"[^a]", "a", false, 0, 0},  // a negated class never matches the end
        {"\\b", "x\ty", true, 1, 2},
        {"\\h+", "xyzBEEF", true, 3, 7},
        {"\\w", "12ab3", true, 2, 4},
        {"\\a\\c", "1-a2bc", true, 3, 5},
    });
}

TEST(PatternMatchTest, AbbreviationsUseOnlyTheFirstItemOfTheirExpansion) {
    ExpectSearches({
        {"\\q", "say \"hi\" now", true, 4, 8},
        {"\\q", "say 'hi' now", false, 0, 0},
        {"a\\nb", "a\r\nb", true, 0, 4},
        {"a\\nb", "a\rb", true, 0, 3},
        {"a\\nb", "a\nb", true, 0, 3},
        {"a\\nb", "a\n\rb", false, 0, 0},
    });
}

TEST(PatternMatchTest, GreedyAndLazyFormsStopAtDifferentPlaces) {
    ExpectSearches({
        {"a+", "aaa", true, 0, 3},
        {"a+?", "aaa", true, 0, 1},
        {"a*", "aaa", true, 0, 3},
        {"a*?", "aaa", true, 0, 0},
        {"a?", "aa", true, 0, 1},
        {"a??", "aa", true, 0, 0},
        {"<.*>", "<a><b>", true, 0, 6},
        {"<.*?>", "<a><b>", true, 0, 3},
        {"a*?b", "aab", true, 0, 3},
        {"a**", "aa*", true, 0, 3},
        {"x*", "abc", true, 0, 0},  // a star over an item that never matches
    });
}

TEST(PatternMatchTest, NegationConsumesNothing) {
    ExpectSearches({
        {"!a.", "ab", true, 1, 2},
        {"a!b", "abac", true, 2, 3},
        {"!a*b", "b", false, 0, 0},  // the operand is a*, which always matches
        {"!(ab)a", "abac", true, 2, 3},
    });
}

TEST(PatternMatchTest, BackReferencesRepeatTheCapturedText) {
    ExpectSearches({
        {"{a+}-\\0", "aa-a", true, 1, 4},
        {"{a+}-\\0", "aa-aa", true, 0, 5},
        {"{.}\\0", "abccd", true, 2, 4},
        {"{ab}\\0", "abab", true, 0, 4},
        {"{a}\\0", "aA", false, 0, 0},
        {"{x}?\\0y", "y", true, 0, 1},  // a group that did not match repeats nothing
        {"{a}{b}\\1\\0", "abba", true, 0, 4},
        // The loop never repeats an iteration that matched nothing.
        {"{}\\0*x", "x", true, 0, 1},
    });
}

TEST(PatternMatchTest, RecordsWhereEachGroupMatched) {
    const GroupCase cases[] = {
        {"{a*}b", "aab", 0, 0, 2},
        {"{a}{b}", "xab", 0, 1, 2},
        {"{a}{b}", "xab", 1, 2, 3},
        {"{a}|b", "b", 0, kNull, kNull},
        {"{x}?y", "y", 0, kNull, kNull},
        {"{a}*", "aaa", 0, 2, 3},
        {"{a*}{a*}", "aaa", 0, 0, 3},
        {"{a*}{a*}", "aaa", 1, 3, 3},
        {"{a*?}{a*}", "aaa", 0, 0, 0},
        {"{a*?}{a*}", "aaa", 1, 0, 3},
        {"{a?}a", "aa", 0, 0, 1},
        {"{a??}a", "aa", 0, 0, 0},
        {"{a*}ab", "aab", 0, 0, 1},  // backtracking shortened the group
        {"{{a}b}", "ab", 0, 0, 2},
        {"{{a}b}", "ab", 1, 0, 1},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(std::string("pattern ") + c.pattern + " on \"" + c.text + "\"");
        UIPattern pattern;
        ASSERT_EQ(pattern.Compile(c.pattern), 0);
        UIPatternMatch match;
        ASSERT_TRUE(pattern.Match(c.text, &match));
        ASSERT_LT(c.group, match.groupTotal);
        EXPECT_EQ(OffsetIn(c.text, match.groups[c.group].start), c.start);
        EXPECT_EQ(OffsetIn(c.text, match.groups[c.group].end), c.end);
    }
}

// The corners where the instructions and the summary of the language disagree.
// The instructions hold.

TEST(PatternCornerTest, LazyFormResumesWhereTheLaterFailureLeftOff) {
    // a*? pushes no position: after "ab" fails at the second a, the loop's a
    // resumes there, so the only way left consumes both a's and b fails on b.
    ExpectSearches({
        {"^a*?ab", "aab", false, 0, 0},
        {"^a*ab", "aab", true, 0, 3},
        {"a*?ab", "aab", true, 1, 3},
    });
}

TEST(PatternCornerTest, GreedyLoopProgressSlotHoldsTheIterationEndAfterBacktracking) {
    // On "aba" the first iteration captures "ab" and ends at 2; no way on from
    // there fits, so the machine backtracks into it. Its retry, capture "a"
    // then b, ends at 2 too, and the progress slot holds 2, that iteration's
    // end, not its start 0: the retry fails. Had it passed, the loop could
    // stop at 2 with \0 = "a", which matches the last a.
    ExpectSearches({
        {"^({(ab)|(a)}b?)*\\0$", "aba", false, 0, 0},
        {"^({(ab)|(a)}b?)*\\0$", "abaa", true, 0, 5},
    });
}

TEST(PatternCornerTest, CapturesInsideAMatchedNegationAreNotRestored) {
    UIPattern pattern;
    ASSERT_EQ(pattern.Compile("!{a}."), 0);
    UIPatternMatch match;
    const char* text = "ab";
    ASSERT_TRUE(pattern.Match(text, &match));
    EXPECT_EQ(OffsetIn(text, match.matchStart), 1);
    EXPECT_EQ(OffsetIn(text, match.matchEnd), 2);
    // Set by the attempt at 0, where {a} matched and the negation failed.
    EXPECT_EQ(OffsetIn(text, match.groups[0].start), 0);
    EXPECT_EQ(OffsetIn(text, match.groups[0].end), 1);
}

TEST(PatternCornerTest, LoopsOverBackReferencesToEmptyGroupsEnd) {
    ExpectSearches({
        // A lazy loop whose operand matches nothing where the rest last failed.
        {"{}\\0*?x", "a", false, 0, 0},
        {"{}\\0*?x", "ax", true, 1, 2},
        {"{}(\\0)+?x", "aaa", false, 0, 0},
        // An operand that matches nothing elsewhere still hands the rest a new
        // start position: here the rest starts at 0, fails at 1, and succeeds
        // from 1 within the same attempt.
        {"{}\\0*?ab", "aab", true, 0, 3},
        // A greedy loop whose retried iteration matches nothing.
        {"{\\0{{.}.}|}*\xff", "*?", false, 0, 0},
        {"({}\\0|a)*b", "aab", true, 0, 3},
    });
}

TEST(PatternMatchTest, HundredThousandByteTextGrowsTheStack) {
    const std::string text(100000, 'a');
    UIPattern pattern;
    UIPatternMatch match(256);
    ASSERT_EQ(match.stack.size(), 256u);

    ASSERT_EQ(pattern.Compile("^{a}*$"), 0);
    ASSERT_TRUE(pattern.Match(text.c_str(), &match));
    EXPECT_EQ(OffsetIn(text.c_str(), match.matchEnd), 100001);
    EXPECT_EQ(OffsetIn(text.c_str(), match.groups[0].start), 99999);
    // Every iteration leaves its choice point and its saved group on the stack.
    EXPECT_GT(match.stack.size(), 500000u);
    EXPECT_LE(match.depth, match.stack.size());

    // Every one of the 100,000 iterations is backtracked before the answer.
    ASSERT_EQ(pattern.Compile("^(a|b)+c"), 0);
    EXPECT_FALSE(pattern.Match(text.c_str(), &match));

    ASSERT_EQ(pattern.Compile("^a*?$"), 0);
    ASSERT_TRUE(pattern.Match(text.c_str(), &match));
    EXPECT_EQ(OffsetIn(text.c_str(), match.matchEnd), 100001);
}

TEST(PatternMatchTest, ReportsTheLastAttemptWhenNothingMatches) {
    UIPattern pattern;
    ASSERT_EQ(pattern.Compile("bc"), 0);
    UIPatternMatch match;
    const char* text = "abd";
    ASSERT_FALSE(pattern.Match(text, &match));
    EXPECT_EQ(OffsetIn(text, match.matchStart), 2);
}

TEST(PatternMatchTest, UnusablePatternsAndMissingContextsNeverMatch) {
    UIPattern pattern;
    UIPatternMatch match;
    EXPECT_FALSE(pattern.Match("a", &match));  // nothing compiled yet
    ASSERT_EQ(pattern.Compile("a"), 0);
    EXPECT_FALSE(pattern.Match("a", nullptr));
    ASSERT_EQ(pattern.Compile("(a"), 3);
    EXPECT_FALSE(pattern.Match("a", &match));
    EXPECT_FALSE(pattern.Match("(a", &match));
}

TEST(PatternMatchTest, EachMatchSizesAndClearsTheContext) {
    UIPattern pattern;
    UIPatternMatch match;
    ASSERT_EQ(pattern.Compile("{a}{b}{c}"), 0);
    ASSERT_TRUE(pattern.Match("abc", &match));
    ASSERT_EQ(pattern.Compile("{x}|y"), 0);
    const char* text = "y";
    ASSERT_TRUE(pattern.Match(text, &match));
    EXPECT_EQ(match.groupTotal, 1u);
    EXPECT_EQ(match.groups.size(), 1u);
    EXPECT_EQ(OffsetIn(text, match.groups[0].start), kNull);
    EXPECT_EQ(OffsetIn(text, match.groups[0].end), kNull);
}

}  // namespace
