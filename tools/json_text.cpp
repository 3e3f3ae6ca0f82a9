#include "tools/json_text.h"

#include <cstdio>

std::string JsonString(const CString& text)
{
    std::string out = "\"";
    for (const char ch : text.str()) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}
