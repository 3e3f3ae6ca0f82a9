#include "editor/decimal_number.h"

#include <cctype>
#include <cstdlib>

int DecimalNumber(const char* text, bool* whole)
{
    char* end = nullptr;
    // long is 32 bits here, so strtol's clamping is the int range's.
    const long number = std::strtol(text, &end, 10);
    if (whole != nullptr)
        *whole = end != text && *end == '\0' && !std::isspace(static_cast<unsigned char>(*text));
    return static_cast<int>(number);
}
