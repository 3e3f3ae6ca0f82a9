#include "platform/text_conversion.h"

#include "platform/cstring.h"

#include <windows.h>

std::wstring WideFromNarrow(const char* text)
{
    if (text == nullptr || *text == '\0')
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

CString NarrowFromWide(const wchar_t* text, int length)
{
    if (text == nullptr || length == 0)
        return CString();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return CString();
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), bytes, nullptr, nullptr);
    if (length < 0)
        narrow.resize(static_cast<size_t>(bytes - 1));  // drop the converted terminator
    return CString(std::move(narrow));
}
