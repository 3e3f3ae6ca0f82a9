// Compiles a random pattern (its length is the first byte) and searches the
// rest of the input with it, both in buffers of their exact size so a read
// past a terminating zero is caught. Backtracking is exponential by nature
// ((a|a|a|a|a|a)* takes 6^n steps on n bytes), so the longer the pattern, the
// shorter the text: every input takes well under a second, and a loop that
// never ends still shows as a timeout.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/controls/pattern.h"

namespace {

constexpr std::size_t kMaxPattern = 32;  // fuzz_seeds.cpp writes no longer pattern

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Within(const char* position, const char* first, const char* last) {
    return position != nullptr && position >= first && position <= last;
}

void CheckMatch(const UIPattern& pattern, const char* text) {
    UIPatternMatch context;
    const bool matched = pattern.Match(text, &context);
    const char* end = text + std::strlen(text);
    Check(!matched || (pattern.error == UIPattern::NoError && context.matchStart <= context.matchEnd));
    Check(context.groupTotal == pattern.groupCount && context.groups.size() == pattern.groupCount);
    Check(context.slots.size() == pattern.slotCount);
    // The end-of-text symbol steps past the terminating zero.
    Check(Within(context.matchStart, text, end) && Within(context.matchEnd, text, end + 1));
    for (const UIPatternGroup& group : context.groups) {
        Check((group.start == nullptr || Within(group.start, text, end)) &&
              (group.end == nullptr || Within(group.end, text, end)));
    }
    // A second run, on a context that starts with some stack room, gives the same answer.
    UIPatternMatch again(4);
    Check(pattern.Match(text, &again) == matched);
    Check(again.matchStart == context.matchStart && again.matchEnd == context.matchEnd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t patternLength = std::min<std::size_t>(data[0] % (kMaxPattern + 1), size - 1);
    const std::size_t textLength = std::min(size - 1 - patternLength, 10 - patternLength / 4);
    std::vector<char> pattern(patternLength + 1), text(textLength + 1);  // zero-terminated, of exact size
    std::copy_n(data + 1, patternLength, pattern.begin());
    std::copy_n(data + 1 + patternLength, textLength, text.begin());

    UIPattern compiled;
    const int code = compiled.Compile(pattern.data());
    Check(code >= UIPattern::NoError && code <= UIPattern::ErrorEmptyLoop && code == compiled.error);
    Check(compiled.caseSensitive);
    CheckMatch(compiled, text.data());
    // Compiling again discards the old program completely.
    Check(compiled.Compile(pattern.data()) == code);
    CheckMatch(compiled, text.data());
    return 0;
}
