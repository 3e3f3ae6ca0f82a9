// The pattern matcher: the compiler that turns a pattern into instructions,
// the growable instruction list, and the backtracking machine that runs them.
// Kept in one source so the matcher builds and links from this file alone.
#include "ui/controls/pattern.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

#include "ui/controls/pattern_compiler.h"
#include "ui/controls/pattern_program.h"

namespace {

using Kind = UIPatternKind;

// Text positions travel through the stack and the slots as 64-bit words.
std::uint64_t WordOf(const char* position) { return reinterpret_cast<std::uintptr_t>(position); }

const char* PositionOf(std::uint64_t word) { return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(word)); }

// The growth rule: the larger of the needed size and the old capacity plus
// max(old / 2, needed - old).
std::size_t GrownCapacity(std::size_t capacity, std::size_t needed) {
    const std::size_t half = capacity / 2;
    const std::size_t missing = needed - capacity;
    const std::size_t grown = capacity + (half > missing ? half : missing);
    return grown > needed ? grown : needed;
}

bool IsClass(UIPatternKind kind) { return kind == UIPatternKind::Class || kind == UIPatternKind::NegatedClass; }

// Recursion follows the nesting of groups and negations. Deeper patterns are
// refused as if memory had run out, before the thread's stack can.
constexpr int kMaxNesting = 1000;

// Records before the operand of a loop: the greedy head, the lazy call, and
// the guard that some loops add (see CompileLoop).
constexpr std::size_t kGreedyHead = 7;
constexpr std::size_t kLazyHead = 1;
constexpr std::size_t kGuardHead = 5;

// The scaffolding an alternative emits before its first item.
constexpr std::size_t kAlternativeHead = 4;

// Abbreviations in lookup order: the letter, then the expansion. Only the
// first item of an expansion is compiled, so \q is the double-quoted string.
constexpr const char* kAbbreviations[] = {
    "a([a-zA-Z0-9])",
    "b([ \\t])",
    "c([a-zA-Z])",
    "d([0-9])",
    "h([0-9a-fA-F])",
    "n(\r|(\r?\n))",
    "q(\"[^\"]*\")|('[^']*')",
    "w([a-zA-Z]+)",
    "z([0-9]+)",
};

bool EndsSequence(char c) { return c == '\0' || c == ')' || c == ']' || c == '}'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// --- the instruction list ---------------------------------------------------

bool UIPatternProgram::Append(UIPatternKind kind, std::uint64_t argument) {
    if (!GrowAsIfFilledTo(m_nCount + 1)) {
        return false;
    }
    m_records[m_nCount++] = UIPatternInstruction{kind, argument};
    return true;
}

bool UIPatternProgram::AppendSet(const unsigned char (&set)[kSetBytes]) {
    for (std::size_t i = 0; i < kSetRecords; ++i) {
        if (!Append(UIPatternKind::Nop)) {
            return false;
        }
    }
    // The set lives in the bytes of the two records; only memcpy touches them,
    // so they travel intact when the array grows or records move.
    std::memcpy(&m_records[m_nCount - kSetRecords], set, kSetBytes);
    return true;
}

bool UIPatternProgram::SetContains(std::size_t classIndex, unsigned char byte) const {
    unsigned char set[kSetBytes];
    std::memcpy(set, &m_records[classIndex + 1], kSetBytes);
    return ((set[byte / 8] >> (byte % 8)) & 1) != 0;
}

bool UIPatternProgram::GrowAsIfFilledTo(std::size_t count) {
    RaiseHighWater(count);
    if (count <= m_nCapacity) {
        return true;
    }
    // Filled one record at a time, the array grows each time it is full.
    std::size_t capacity = m_nCapacity;
    while (capacity < count) {
        capacity = GrownCapacity(capacity, capacity + 1);
    }
    if (capacity > kMaxRecords) {
        return false;
    }
    // Value-initialised: the new storage is zero-filled.
    std::unique_ptr<UIPatternInstruction[]> records(new (std::nothrow) UIPatternInstruction[capacity]());
    if (!records) {
        return false;
    }
    if (m_nCount != 0) {
        std::memcpy(records.get(), m_records.get(), m_nCount * sizeof(UIPatternInstruction));
    }
    m_records = std::move(records);
    m_nCapacity = capacity;
    return true;
}

void UIPatternProgram::Relocate(std::size_t first, std::size_t last, std::size_t to, std::uint32_t slotShift) {
    const std::size_t length = last - first;
    std::memmove(&m_records[to], &m_records[first], length * sizeof(UIPatternInstruction));
    m_nCount = to + length;
    ShiftOperands(to, m_nCount, static_cast<std::uint64_t>(to) - first, slotShift);
}

bool UIPatternProgram::AppendCopy(std::size_t first, std::size_t last, std::uint32_t slotShift) {
    const std::size_t to = m_nCount;
    const std::size_t length = last - first;
    if (!GrowAsIfFilledTo(to + length)) {
        return false;
    }
    std::memcpy(&m_records[to], &m_records[first], length * sizeof(UIPatternInstruction));
    m_nCount = to + length;
    ShiftOperands(to, m_nCount, static_cast<std::uint64_t>(to) - first, slotShift);
    return true;
}

void UIPatternProgram::Release() {
    m_records.reset();
    m_nCount = 0;
    m_nCapacity = 0;
    m_nHighWater = 0;
}

void UIPatternProgram::ShiftOperands(std::size_t first, std::size_t last, std::uint64_t indexShift,
                                     std::uint32_t slotShift) {
    for (std::size_t i = first; i < last; ++i) {
        UIPatternInstruction& record = m_records[i];
        switch (record.kind) {
        case UIPatternKind::Jump:
        case UIPatternKind::Call:
            record.argument += indexShift;
            break;
        case UIPatternKind::PushSlot:
        case UIPatternKind::PopSlot:
        case UIPatternKind::StorePosition:
        case UIPatternKind::StoreDepth:
        case UIPatternKind::LoadPosition:
        case UIPatternKind::LoadDepth:
        case UIPatternKind::RequireProgress:
            record.argument += slotShift;
            break;
        default:
            if (IsClass(record.kind)) {
                i += kSetRecords;  // set bytes, not instructions
            }
            break;
        }
    }
}

// --- the compiler -----------------------------------------------------------

UIPatternCompiler::UIPatternCompiler(UIPattern& pattern, const char* text)
    : m_pattern(pattern),
      m_program(pattern.instructions),
      m_pszCursor(text),
      m_pszLastByte(*text != '\0' ? text + std::strlen(text) - 1 : nullptr) {}

int UIPatternCompiler::Compile() {
    // The call at 0 keeps target 0 until the body has compiled.
    if (!m_program.Append(Kind::Call, 0)) {
        return UIPattern::ErrorNoMemory;
    }
    const bool anchored = *m_pszCursor == '^';
    if (anchored) {
        ++m_pszCursor;
    }
    if (!m_program.Append(anchored ? Kind::Stop : Kind::NextStart)) {
        return UIPattern::ErrorNoMemory;
    }
    Emptiness body{};
    // A closing bracket with no group open ends the sequence here; the rest of
    // the text is ignored.
    const int code = CompileSequence(&body);
    if (code != UIPattern::NoError) {
        return code;
    }
    if (!m_program.Append(Kind::Accept)) {
        return UIPattern::ErrorNoMemory;
    }
    m_program[0].argument = 2;
    return UIPattern::NoError;
}

int UIPatternCompiler::CompileSequence(Emptiness* result) {
    *result = Emptiness{true, true};
    while (!EndsSequence(*m_pszCursor)) {
        Emptiness alternative{};
        const int code = CompileAlternative(&alternative);
        if (code != UIPattern::NoError) {
            return code;
        }
        result->canMatchEmpty = result->canMatchEmpty && alternative.canMatchEmpty;
        result->emptyIfGroupsEmpty = result->emptyIfGroupsEmpty && alternative.emptyIfGroupsEmpty;
    }
    return UIPattern::NoError;
}

// An item, or an item, a bar and an alternative. A chain a|b|c is a|(b|c);
// it is compiled in a loop so that long chains cannot exhaust the stack.
int UIPatternCompiler::CompileAlternative(Emptiness* result) {
    // The jumps to the end of the chain, linked through their arguments until
    // the end is known. Index 0 is the program head, never such a jump.
    std::size_t pendingEnds = 0;
    *result = Emptiness{false, false};
    for (;;) {
        const std::size_t start = m_program.Count();
        const bool headed = m_program.Append(Kind::PushPosition) &&
                            m_program.Append(Kind::Call, start + kAlternativeHead) &&
                            m_program.Append(Kind::PopPosition) && m_program.Append(Kind::Jump, 0);
        if (!headed) {
            return UIPattern::ErrorNoMemory;
        }
        Emptiness item{};
        const int code = CompileItem(&item);
        if (code != UIPattern::NoError) {
            return code;
        }
        result->canMatchEmpty = result->canMatchEmpty || item.canMatchEmpty;
        result->emptyIfGroupsEmpty = result->emptyIfGroupsEmpty || item.emptyIfGroupsEmpty;
        if (*m_pszCursor != '|') {
            // No choice after all: the item stands alone, exactly as if it had
            // been compiled again without the scaffolding.
            m_program.Relocate(start + kAlternativeHead, m_program.Count(), start, 0);
            break;
        }
        ++m_pszCursor;
        if (!m_program.Append(Kind::Jump, pendingEnds)) {
            return UIPattern::ErrorNoMemory;
        }
        pendingEnds = m_program.Count() - 1;
        m_program[start + 3].argument = m_program.Count();  // the right side starts here
    }
    const std::size_t end = m_program.Count();
    while (pendingEnds != 0) {
        const std::size_t next = static_cast<std::size_t>(m_program[pendingEnds].argument);
        m_program[pendingEnds].argument = end;
        pendingEnds = next;
    }
    return UIPattern::NoError;
}

int UIPatternCompiler::CompileItem(Emptiness* result) {
    const std::size_t atomStart = m_program.Count();
    const std::uint32_t slotsBefore = m_pattern.slotCount;

    // How far the atom's compilation reaches past its start: compiling it once
    // more behind a loop head would reach as far again.
    const std::size_t outerHighWater = m_program.HighWater();
    m_program.ResetHighWater();
    Emptiness atom{};
    const int code = CompileAtom(&atom);
    const std::size_t atomReach = m_program.HighWater() - atomStart;
    m_program.RaiseHighWater(outerHighWater);
    if (code != UIPattern::NoError) {
        return code;
    }

    const Quantifier quantifier = PeekQuantifier();
    if (quantifier == Quantifier::None) {
        *result = atom;
        return UIPattern::NoError;
    }
    return CompileLoop(quantifier, atomStart, atomReach, slotsBefore, atom, result);
}

// The operand has been compiled once, at atomStart. The loop's own copy is
// what compiling it again would give: for star and question mark the records
// move behind the loop head; for plus the first copy stays and a copy goes
// behind the head, with the same group numbers and slots of its own.
int UIPatternCompiler::CompileLoop(Quantifier quantifier, std::size_t atomStart, std::size_t atomReach,
                                   std::uint32_t slotsBefore, const Emptiness& atom, Emptiness* result) {
    const bool plus = quantifier == Quantifier::Plus || quantifier == Quantifier::LazyPlus;
    const bool lazy = quantifier == Quantifier::LazyStar || quantifier == Quantifier::LazyPlus ||
                      quantifier == Quantifier::LazyOptional;
    const bool repeats = quantifier != Quantifier::Optional && quantifier != Quantifier::LazyOptional;
    if (repeats && atom.canMatchEmpty) {
        return UIPattern::ErrorEmptyLoop;
    }
    m_pszCursor += lazy ? 2 : 1;
    // Only back-references to empty groups let an operand that the rules call
    // non-empty match nothing, and then a loop over it can come back to where
    // it has been and run forever:
    //  - lazy: the loop pushes no position, so an operand that matches nothing
    //    right where the rest of the pattern last started and failed makes the
    //    rest start there again, fail the same way and hand back again;
    //  - greedy: after backtracking into an earlier iteration the progress slot
    //    holds that iteration's end, so a retry of it that matches nothing
    //    passes, and the next iteration starts where that one did.
    // Such loops, and no others, get a guard slot that fails exactly that
    // repetition: it holds where the rest of the pattern last started (lazy)
    // or where the iteration started (greedy). Each pass saves the guard of
    // the pass before and gets it back when it fails, so a retried pass always
    // compares with its own.
    const bool guarded = repeats && atom.emptyIfGroupsEmpty;
    const std::size_t headLength = (lazy ? kLazyHead : kGreedyHead) + (guarded ? kGuardHead : 0);

    const std::size_t atomEnd = m_program.Count();
    const std::uint32_t slotsPerCopy = m_pattern.slotCount - slotsBefore;
    std::size_t loopStart = atomStart;
    if (plus) {
        loopStart = atomEnd;
        for (std::size_t i = 0; i < headLength; ++i) {
            if (!m_program.Append(Kind::Nop)) {  // filled in below
                return UIPattern::ErrorNoMemory;
            }
        }
    } else {
        m_pattern.slotCount = slotsBefore;
    }
    const std::uint32_t progressSlot = m_pattern.slotCount;
    if (!lazy) {
        ++m_pattern.slotCount;
    }
    const std::uint32_t guardSlot = m_pattern.slotCount;
    if (guarded) {
        ++m_pattern.slotCount;
    }
    const std::uint32_t slotShift = m_pattern.slotCount - slotsBefore;
    m_pattern.slotCount += slotsPerCopy;

    const std::size_t bodyStart = loopStart + headLength;
    if (!m_program.GrowAsIfFilledTo(bodyStart + atomReach)) {
        return UIPattern::ErrorNoMemory;
    }
    if (plus) {
        if (!m_program.AppendCopy(atomStart, atomEnd, slotShift)) {
            return UIPattern::ErrorNoMemory;
        }
    } else {
        m_program.Relocate(atomStart, atomEnd, bodyStart, slotShift);
    }

    bool tailed = !guarded || m_program.Append(Kind::RequireProgress, guardSlot);
    if (!lazy) {
        tailed = tailed && m_program.Append(Kind::RequireProgress, progressSlot) &&
                 m_program.Append(Kind::StorePosition, progressSlot);
    }
    if (repeats) {
        tailed = tailed && m_program.Append(Kind::Jump, loopStart);
    }
    if (!tailed) {
        return UIPattern::ErrorNoMemory;
    }
    const std::size_t end = m_program.Count();

    UIPatternInstruction head[kGreedyHead + kGuardHead] = {};
    std::size_t length = 0;
    const auto put = [&head, &length](Kind kind, std::uint64_t argument) {
        head[length++] = UIPatternInstruction{kind, argument};
    };
    if (!lazy) {
        put(Kind::PushSlot, progressSlot);
        put(Kind::StorePosition, progressSlot);
        put(Kind::PushPosition, 0);
        put(Kind::Call, loopStart + kGreedyHead);
        put(Kind::PopPosition, 0);
        put(Kind::PopSlot, progressSlot);
        put(Kind::Jump, end);
    }
    if (guarded) {
        const std::size_t guardStart = loopStart + length;
        put(Kind::PushSlot, guardSlot);
        put(Kind::Call, guardStart + 4);
        put(Kind::PopSlot, guardSlot);  // reached only when this pass fails
        put(Kind::Return, 0);
        put(Kind::StorePosition, guardSlot);
    }
    if (lazy) {
        put(Kind::Call, end);
    }
    for (std::size_t i = 0; i < length; ++i) {
        m_program[loopStart + i] = head[i];
    }

    if (quantifier == Quantifier::Plus) {
        *result = atom;
    } else {
        *result = Emptiness{true, true};
    }
    return UIPattern::NoError;
}

int UIPatternCompiler::CompileAtom(Emptiness* result) {
    const char c = *m_pszCursor;
    switch (c) {
    case '\0':
    case ')':
    case ']':
    case '}':
        // Nothing is left for this item (an empty side of a bar, a bare "!").
        *result = Emptiness{true, true};
        return UIPattern::NoError;
    case '(':
    case '{':
    case '!': {
        if (m_nNesting == kMaxNesting) {
            return UIPattern::ErrorNoMemory;
        }
        ++m_nNesting;
        const int code = c == '(' ? CompileGroup(result) : c == '{' ? CompileCapture(result) : CompileNegation(result);
        --m_nNesting;
        return code;
    }
    case '[':
        *result = Emptiness{false, false};
        return CompileClass();
    case '.':
        ++m_pszCursor;
        *result = Emptiness{false, false};
        return m_program.Append(Kind::Any) ? UIPattern::NoError : UIPattern::ErrorNoMemory;
    case '\\':
        return CompileEscape(result);
    default: {
        const bool endOfText = c == '$' && m_pszCursor == m_pszLastByte;
        ++m_pszCursor;
        *result = Emptiness{false, false};
        const std::uint64_t symbol = endOfText ? 0 : static_cast<unsigned char>(c);
        return m_program.Append(Kind::Symbol, symbol) ? UIPattern::NoError : UIPattern::ErrorNoMemory;
    }
    }
}

// (x): call x; return; x, or a nop when x is empty.
int UIPatternCompiler::CompileGroup(Emptiness* result) {
    ++m_pszCursor;
    const std::size_t body = m_program.Count() + 2;
    if (!m_program.Append(Kind::Call, body) || !m_program.Append(Kind::Return)) {
        return UIPattern::ErrorNoMemory;
    }
    const int code = CompileSequence(result);
    if (code != UIPattern::NoError) {
        return code;
    }
    if (m_program.Count() == body && !m_program.Append(Kind::Nop)) {
        return UIPattern::ErrorNoMemory;
    }
    if (*m_pszCursor != ')') {
        return UIPattern::ErrorUnclosedGroup;
    }
    ++m_pszCursor;
    return UIPattern::NoError;
}

// {x}: save group g; group start g; call x; restore group g; return; x, or a
// nop; group end g. Backtracking out of x restores the group.
int UIPatternCompiler::CompileCapture(Emptiness* result) {
    ++m_pszCursor;
    const std::uint32_t group = m_pattern.groupCount++;
    const std::size_t body = m_program.Count() + 5;
    const bool headed = m_program.Append(Kind::SaveGroup, group) && m_program.Append(Kind::GroupStart, group) &&
                        m_program.Append(Kind::Call, body) && m_program.Append(Kind::RestoreGroup, group) &&
                        m_program.Append(Kind::Return);
    if (!headed) {
        return UIPattern::ErrorNoMemory;
    }
    const int code = CompileSequence(result);
    if (code != UIPattern::NoError) {
        return code;
    }
    if (m_program.Count() == body && !m_program.Append(Kind::Nop)) {
        return UIPattern::ErrorNoMemory;
    }
    if (!m_program.Append(Kind::GroupEnd, group)) {
        return UIPattern::ErrorNoMemory;
    }
    if (*m_pszCursor != '}') {
        return UIPattern::ErrorUnclosedCapture;
    }
    ++m_pszCursor;
    return UIPattern::NoError;
}

// !x: store position m1; store depth m2; call x; load position m1; load depth
// m2; jump end; x; load position m1; load depth m2; return; end. When x
// matches, the stack is cut back past the call and the negation fails.
int UIPatternCompiler::CompileNegation(Emptiness* result) {
    ++m_pszCursor;
    const std::uint32_t position = m_pattern.slotCount++;
    const std::uint32_t depth = m_pattern.slotCount++;
    const std::size_t head = m_program.Count();
    const bool headed = m_program.Append(Kind::StorePosition, position) && m_program.Append(Kind::StoreDepth, depth) &&
                        m_program.Append(Kind::Call, head + 6) && m_program.Append(Kind::LoadPosition, position) &&
                        m_program.Append(Kind::LoadDepth, depth) && m_program.Append(Kind::Jump, 0);
    if (!headed) {
        return UIPattern::ErrorNoMemory;
    }
    Emptiness operand{};
    const int code = CompileItem(&operand);
    if (code != UIPattern::NoError) {
        return code;
    }
    const bool tailed = m_program.Append(Kind::LoadPosition, position) && m_program.Append(Kind::LoadDepth, depth) &&
                        m_program.Append(Kind::Return);
    if (!tailed) {
        return UIPattern::ErrorNoMemory;
    }
    m_program[head + 5].argument = m_program.Count();
    // A negation consumes nothing, so a loop over one would never progress.
    *result = Emptiness{true, true};
    return UIPattern::NoError;
}

int UIPatternCompiler::CompileClass() {
    ++m_pszCursor;
    const bool negated = *m_pszCursor == '^';
    if (negated) {
        ++m_pszCursor;
    }
    if (*m_pszCursor == ']') {
        return UIPattern::ErrorEmptyClass;
    }
    unsigned char set[UIPatternProgram::kSetBytes] = {};
    for (;;) {
        unsigned char lower = static_cast<unsigned char>(*m_pszCursor);
        if (lower == '\0') {
            return UIPattern::ErrorUnclosedClass;
        }
        ++m_pszCursor;
        if (lower == ']') {
            break;
        }
        if (lower == '\\') {
            lower = static_cast<unsigned char>(*m_pszCursor);
            if (lower == '\0') {
                return UIPattern::ErrorUnclosedClass;
            }
            ++m_pszCursor;
            if (lower == 't') {
                lower = '\t';
            }
        }
        unsigned char upper = lower;
        if (*m_pszCursor == '-') {
            // The upper end is taken as written: no escape.
            upper = static_cast<unsigned char>(m_pszCursor[1]);
            if (upper == '\0' || upper == ']') {
                return UIPattern::ErrorUnclosedClass;
            }
            if (upper < lower) {
                return UIPattern::ErrorReversedRange;
            }
            m_pszCursor += 2;
        }
        for (unsigned int byte = lower; byte <= upper; ++byte) {
            set[byte / 8] = static_cast<unsigned char>(set[byte / 8] | (1u << (byte % 8)));
        }
    }
    const bool emitted = m_program.Append(negated ? Kind::NegatedClass : Kind::Class) && m_program.AppendSet(set);
    return emitted ? UIPattern::NoError : UIPattern::ErrorNoMemory;
}

// \digits is a back-reference, \letter an abbreviation, \other that byte.
int UIPatternCompiler::CompileEscape(Emptiness* result) {
    ++m_pszCursor;
    const char c = *m_pszCursor;
    if (IsDigit(c)) {
        std::uint64_t group = 0;
        while (IsDigit(*m_pszCursor)) {
            if (group <= UINT32_MAX) {  // beyond, it names no group anyway
                group = group * 10 + static_cast<std::uint64_t>(*m_pszCursor - '0');
            }
            ++m_pszCursor;
        }
        if (group >= m_pattern.groupCount) {
            return UIPattern::ErrorUnknownGroup;
        }
        *result = Emptiness{false, true};
        return m_program.Append(Kind::BackReference, group) ? UIPattern::NoError : UIPattern::ErrorNoMemory;
    }
    for (const char* abbreviation : kAbbreviations) {
        if (abbreviation[0] == c) {
            const char* resume = m_pszCursor + 1;
            m_pszCursor = abbreviation + 1;
            const int code = CompileItem(result);
            m_pszCursor = resume;
            return code == UIPattern::NoError ? UIPattern::NoError : UIPattern::ErrorBadAbbreviation;
        }
    }
    // A backslash that ends the pattern stands for itself.
    const char literal = c == '\0' ? '\\' : c;
    if (c != '\0') {
        ++m_pszCursor;
    }
    *result = Emptiness{false, false};
    return m_program.Append(Kind::Symbol, static_cast<unsigned char>(literal)) ? UIPattern::NoError
                                                                               : UIPattern::ErrorNoMemory;
}

UIPatternCompiler::Quantifier UIPatternCompiler::PeekQuantifier() const {
    const bool lazy = m_pszCursor[0] != '\0' && m_pszCursor[1] == '?';
    switch (*m_pszCursor) {
    case '*':
        return lazy ? Quantifier::LazyStar : Quantifier::Star;
    case '+':
        return lazy ? Quantifier::LazyPlus : Quantifier::Plus;
    case '?':
        return lazy ? Quantifier::LazyOptional : Quantifier::Optional;
    default:
        return Quantifier::None;
    }
}

// --- the machine ------------------------------------------------------------

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
