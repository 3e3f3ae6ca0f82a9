#pragma once

// A small regular-expression engine for byte strings. Compile turns a pattern
// into a flat list of instructions; Match runs them on a backtracking machine
// with one stack and records where the match and each capture group lie.
//
// Pattern language: ^ first anchors; $ last matches the end of the text; .
// any byte; [..] and [^..] classes with ranges and \ escapes (\t is a tab);
// (..) groups; {..} captures, numbered from 0; \N back-reference; \a \b \c \d
// \h \n \q \w \z abbreviations; !x succeeds, consuming nothing, where x does
// not match; * + ? greedy and *? +? ?? lazy; x|y alternates single items, so
// ab|cd is a(b|c)d.

#include <cstdint>

#include "ui/controls/pattern_match.h"
#include "ui/controls/pattern_program.h"

class UIPattern {
public:
    // Results of Compile.
    enum Error : int {
        NoError = 0,
        ErrorNoMemory = 1,           // no memory for the instruction list
        ErrorUnclosedCapture = 2,    // { without }
        ErrorUnclosedGroup = 3,      // ( without )
        ErrorUnclosedClass = 4,      // class not closed, or range without an upper end
        ErrorBadAbbreviation = 5,    // abbreviation that does not compile
        ErrorEmptyClass = 6,         // [] or [^]
        ErrorUnknownGroup = 7,       // back-reference to a group not yet opened
        ErrorReversedRange = 8,      // range upper end below its lower end
        ErrorEmptyLoop = 9,          // * or + over an operand that can match empty
    };

    // Discards the previous program and compiles the pattern; returns the error
    // code, 0 on success. A pattern that failed to compile never matches.
    int Compile(const char* pattern);

    // Searches the text; true on a match. The context is sized to this pattern
    // and then describes the attempt. A missing context gives false.
    bool Match(const char* text, UIPatternMatch* context) const;

    std::int32_t error = 0;            // result of the last compile
    UIPatternProgram instructions;     // the program
    std::uint32_t groupCount = 0;      // capture groups opened
    std::uint32_t slotCount = 0;       // memory slots allocated
    bool caseSensitive = true;         // set on every compile; always true
};
