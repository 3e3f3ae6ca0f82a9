#pragma once

// The context of one match: where it started and stopped, where each capture
// group matched, and the machine's scratch memory and stack. A context can be
// reused; each match sizes it to its pattern first.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

// Where a capture group matched; both null while it has not matched.
struct UIPatternGroup {
    const char* start = nullptr;
    const char* end = nullptr;
};

class UIPatternMatch {
public:
    UIPatternMatch() = default;

    // Starts with room for stackWords words, so that ordinary matches never
    // grow the stack. Without the room the stack simply starts empty.
    explicit UIPatternMatch(std::size_t stackWords) {
        try {
            stack.resize(stackWords);
        } catch (const std::exception&) {  // no memory, or an absurd size
            stack.clear();
        }
    }

    std::uint32_t groupTotal = 0;         // groups in the table
    const char* matchStart = nullptr;     // start of the last attempt (of the match, on success)
    const char* matchEnd = nullptr;       // where the machine stopped
    std::vector<std::uint64_t> slots;     // one word per memory slot of the pattern
    std::vector<UIPatternGroup> groups;   // one entry per capture group
    std::vector<std::uint64_t> stack;     // its size is the room; the first `depth` words are in use
    std::uint64_t depth = 0;

private:
    friend class UIPattern;

    // Sizes the context to a pattern: groups and slots zeroed, stack emptied.
    bool Prepare(std::uint32_t groupCount, std::uint32_t slotCount) {
        try {
            groups.assign(groupCount, UIPatternGroup{});
            slots.assign(slotCount, 0);
        } catch (const std::exception&) {
            return false;
        }
        groupTotal = groupCount;
        depth = 0;
        return true;
    }

    // A full stack grows to twice the depth plus two words.
    bool Push(std::uint64_t word) {
        if (depth == stack.size()) {
            try {
                stack.resize(static_cast<std::size_t>(2 * depth + 2));
            } catch (const std::exception&) {
                return false;
            }
        }
        stack[static_cast<std::size_t>(depth++)] = word;
        return true;
    }

    bool Pop(std::uint64_t* word) {
        if (depth == 0) {
            return false;
        }
        *word = stack[static_cast<std::size_t>(--depth)];
        return true;
    }
};
