#pragma once

// Compiles pattern text into a UIPattern's program by recursive descent,
// appending one record at a time. Used once per UIPattern::Compile.

#include <cstddef>
#include <cstdint>

class UIPattern;
class UIPatternProgram;

class UIPatternCompiler {
public:
    // The pattern's program must be empty and its counters zero.
    UIPatternCompiler(UIPattern& pattern, const char* text);

    // Compiles the whole text; returns 0 or a UIPattern::Error code.
    int Compile();

private:
    // Whether an operand can match the empty string.
    struct Emptiness {
        bool canMatchEmpty;       // by the compile rules; a star or plus over it is an error
        bool emptyIfGroupsEmpty;  // also counting back-references, which match nothing when their group did
    };

    enum class Quantifier { None, Star, Plus, Optional, LazyStar, LazyPlus, LazyOptional };

    int CompileSequence(Emptiness* result);
    int CompileAlternative(Emptiness* result);
    int CompileItem(Emptiness* result);
    int CompileLoop(Quantifier quantifier, std::size_t atomStart, std::size_t atomReach, std::uint32_t slotsBefore,
                    const Emptiness& atom, Emptiness* result);
    int CompileAtom(Emptiness* result);
    int CompileGroup(Emptiness* result);
    int CompileCapture(Emptiness* result);
    int CompileNegation(Emptiness* result);
    int CompileClass();
    int CompileEscape(Emptiness* result);

    Quantifier PeekQuantifier() const;

    UIPattern& m_pattern;
    UIPatternProgram& m_program;
    const char* m_pszCursor;
    const char* m_pszLastByte;  // a dollar sign here matches the end of the text
    int m_nNesting = 0;
};
