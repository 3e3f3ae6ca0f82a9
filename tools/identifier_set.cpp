#include "tools/identifier_set.h"

#include <cctype>

namespace {

bool IsAsciiAlnum(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
}

std::string Lower(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

}  // namespace

CString CIdentifierSet::Make(const CString& text, const char* fallback)
{
    std::string base;
    for (const char ch : text.str()) {
        if (IsAsciiAlnum(ch))
            base += ch;
        else if (!base.empty() && base.back() != '_')
            base += '_';
    }
    while (!base.empty() && base.back() == '_')
        base.pop_back();
    if (base.empty())
        base = fallback;
    if (base[0] >= '0' && base[0] <= '9')
        base = "N" + base;
    std::string name = base;
    for (int n = 2; !m_taken.insert(Lower(name)).second; ++n)
        name = base + "_" + std::to_string(n);
    return CString(name);
}
