#include "ui/controls/pattern.h"

#include <cstdint>

#include "ui/controls/pattern_compiler.h"

namespace {

using Kind = UIPatternKind;

// Text positions travel through the stack and the slots as 64-bit words.
std::uint64_t WordOf(const char* position) { return reinterpret_cast<std::uintptr_t>(position); }

const char* PositionOf(std::uint64_t word) { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(word)); }

}  // namespace

int UIPattern::Compile(const char* pattern) {
    instructions.Release();
    groupCount = 0;
    slotCount = 0;
    caseSensitive = true;
    UIPatternCompiler compiler(*this, pattern != nullptr ? pattern : "");
    error = compiler.Compile();
    return error;
}

bool UIPattern::Match(const char* text, UIPatternMatch* context) const {
    if (context == nullptr || text == nullptr || !context->Prepare(groupCount, slotCount)) {
        return false;
    }
    UIPatternMatch& match = *context;
    const char* attemptStart = text;
    const char* position = text;
    match.matchStart = text;
    match.matchEnd = text;
    // A program that failed to compile has no accept (and its head calls
    // itself); it is not run.
    if (error != NoError || instructions.Count() == 0) {
        return false;
    }

    std::uint64_t index = 0;
    for (;;) {
        // An index outside the program, a pop from an empty stack or a stack
        // that cannot grow ends the match with no match.
        if (index >= instructions.Count()) {
            match.matchEnd = position;
            return false;
        }
        if (index == 0) {
            match.matchStart = attemptStart;
        }
        const UIPatternInstruction& instruction = instructions[static_cast<std::size_t>(index)];
        const std::uint64_t argument = instruction.argument;
        const std::size_t at = static_cast<std::size_t>(argument);
        std::uint64_t next = index + 1;
        bool failed = false;
        bool broken = false;
        std::uint64_t word = 0;
        switch (instruction.kind) {
        case Kind::Nop:
            break;
        case Kind::GroupStart:
            match.groups[at].start = position;
            break;
        case Kind::GroupEnd:
            match.groups[at].end = position;
            break;
        case Kind::Symbol:
            // Symbol 0 is the end of the text, and steps past it too.
            failed = static_cast<unsigned char>(*position) != argument;
            if (!failed) {
                ++position;
            }
            break;
        case Kind::Any:
            failed = *position == '\0';
            if (!failed) {
                ++position;
            }
            break;
        case Kind::Class:
        case Kind::NegatedClass: {
            const bool member = instructions.SetContains(static_cast<std::size_t>(index),
                                                         static_cast<unsigned char>(*position));
            failed = *position == '\0' || member != (instruction.kind == Kind::Class);
            if (!failed) {
                ++position;
                next = index + 1 + UIPatternProgram::kSetRecords;
            }
            break;
        }
        case Kind::Jump:
            next = argument;
            break;
        case Kind::PushPosition:
            broken = !match.Push(WordOf(position));
            break;
        case Kind::PopPosition:
            broken = !match.Pop(&word);
            position = PositionOf(word);
            break;
        case Kind::Call:
            broken = !match.Push(index + 1);
            next = argument;
            break;
        case Kind::Return:
            failed = true;
            break;
        case Kind::PushSlot:
            broken = !match.Push(match.slots[at]);
            break;
        case Kind::PopSlot:
            broken = !match.Pop(&match.slots[at]);
            break;
        case Kind::StorePosition:
            match.slots[at] = WordOf(position);
            break;
        case Kind::StoreDepth:
            match.slots[at] = match.depth;
            break;
        case Kind::LoadPosition:
            position = PositionOf(match.slots[at]);
            break;
        case Kind::LoadDepth:
            broken = match.slots[at] > match.depth;
            match.depth = match.slots[at];
            break;
        case Kind::RequireProgress:
            failed = WordOf(position) == match.slots[at];
            break;
        case Kind::BackReference: {
            // A group that has not both started and ended after its start has
            // matched nothing. The compare stops at the first difference, so it
            // never reads past the end of the text.
            const UIPatternGroup& group = match.groups[at];
            const bool spans = group.start != nullptr && group.end != nullptr && group.end > group.start;
            const std::size_t length = spans ? static_cast<std::size_t>(group.end - group.start) : 0;
            std::size_t same = 0;
            while (same < length && position[same] == group.start[same]) {
                ++same;
            }
            failed = same != length;
            if (!failed) {
                position += length;
            }
            break;
        }
        case Kind::Stop:
            match.matchEnd = position;
            return false;
        case Kind::NextStart:
            if (*attemptStart == '\0' || attemptStart[1] == '\0') {
                match.matchEnd = position;
                return false;
            }
            ++attemptStart;
            position = attemptStart;
            match.depth = 0;
            next = 0;
            break;
        case Kind::Accept:
            match.matchEnd = position;
            return true;
        case Kind::SaveGroup:
            broken = !match.Push(WordOf(match.groups[at].start)) || !match.Push(WordOf(match.groups[at].end));
            break;
        case Kind::RestoreGroup:
            broken = !match.Pop(&word);
            match.groups[at].end = PositionOf(word);
            broken = broken || !match.Pop(&word);
            match.groups[at].start = PositionOf(word);
            break;
        default:
            broken = true;
            break;
        }
        if (broken) {
            match.matchEnd = position;
            return false;
        }
        // To fail is to continue at the index on top of the stack, or at 0.
        if (failed && !match.Pop(&next)) {
            next = 0;
        }
        index = next;
    }
}
