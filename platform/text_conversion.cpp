#include "platform/text_conversion.h"

#include "platform/cstring.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

std::wstring WideFromNarrow(const char* text, int length)
{
    if (text == nullptr || length == 0)
        return {};
    const int bytes = length < 0 ? static_cast<int>(std::strlen(text)) : length;
    // ASCII is the same in every ANSI code page: most texts need no call.
    if (std::all_of(text, text + bytes, [](char ch) { return static_cast<unsigned char>(ch) < 0x80; }))
        return std::wstring(text, text + bytes);
    const int units = MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0);
    if (units <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, bytes, wide.data(), units);
    return wide;
}

CString NarrowFromWide(const wchar_t* text, int length)
{
    if (text == nullptr || length == 0)
        return CString();
    const size_t count = length < 0 ? std::wcslen(text) : static_cast<size_t>(length);
    // ASCII is the same in every ANSI code page: most texts need no call.
    if (std::all_of(text, text + count, [](wchar_t ch) { return ch < 0x80; }))
        return CString(std::string(text, text + count));
    // One call, into room for any code page (at most 4 bytes a UTF-16 unit);
    // short texts, the usual ones, convert on the stack.
    char onStack[1024];
    std::vector<char> onHeap;
    char* buffer = onStack;
    if (count * 4 > sizeof onStack) {
        onHeap.resize(count * 4);
        buffer = onHeap.data();
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(count), buffer,
                                          static_cast<int>(count * 4), nullptr, nullptr);
    return CString(std::string(buffer, bytes > 0 ? static_cast<size_t>(bytes) : 0));
}
