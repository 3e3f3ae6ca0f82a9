#pragma once

// UTF-8 for the reader's UTF-16 strings, so tests can compare and print them.

#include <cstdint>
#include <string>

namespace xml::testing {

inline std::string Utf8FromUtf16(const char16_t* text, std::uint32_t length) {
    std::string out;
    for (std::uint32_t i = 0; i < length; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        // Continuation bytes after a lead byte that says how many follow.
        const int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        out += static_cast<char>(more == 0 ? c : ((0xFF00 >> (more + 1)) & 0xFF) | (c >> (6 * more)));
        for (int k = more - 1; k >= 0; --k) {
            out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
        }
    }
    return out;
}

}  // namespace xml::testing
