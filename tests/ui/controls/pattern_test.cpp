#include "ui/controls/pattern.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/controls/pattern_cases.h"

namespace {

// A compile error, a match missed or found where it is not, a wrong span or a
// capture in the wrong place shows as a row whose result differs.
std::string Result(const char* patternText, const char* text) {
    UIPattern pattern;
    if (const int code = pattern.Compile(patternText); code != 0) {
        return "error " + std::to_string(code);
    }
    UIPatternMatch match;
    if (!pattern.Match(text, &match)) {
        return "no";
    }
    auto offset = [text](const char* at) { return std::to_string(at - text); };
    std::string out = offset(match.matchStart) + "-" + offset(match.matchEnd);
    for (unsigned i = 0; i < match.groupTotal; ++i) {
        const UIPatternGroup& group = match.groups[i];
        out += " " + std::to_string(i) + "=" +
               (group.start != nullptr ? offset(group.start) + "-" + offset(group.end) : std::string("-"));
    }
    return out;
}

TEST(Pattern, EveryCaseOfTheLanguage) {
    for (const PatternCase& c : kPatternCases) {
        EXPECT_EQ(Result(c.pattern, c.text), c.result) << "pattern " << c.pattern << " on \"" << c.text << "\"";
    }
}

}  // namespace
