#include "platform/cstring.h"

#include "platform/cinvalid_arg_exception.h"
#include "platform/resource_module.h"
#include "platform/text_conversion.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

int ClampCount(int count, int available)
{
    return std::clamp(count, 0, std::max(available, 0));
}

}  // namespace

CString::CString(const char* text) : m_text(text != nullptr ? text : "") {}

CString::CString(const char* text, int length)
{
    if (text != nullptr && length > 0)
        m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength())
        throw CInvalidArgException("CString index out of range");
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength())
        throw CInvalidArgException("CString index out of range");
    m_text[static_cast<size_t>(index)] = ch;
}

CString& CString::operator=(const char* text)
{
    m_text = text != nullptr ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text != nullptr)
        m_text += text;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }

int CString::Compare(const char* text) const
{
    return std::strcmp(m_text.c_str(), text != nullptr ? text : "");
}

int CString::CompareNoCase(const char* text) const
{
    return lstrcmpiA(m_text.c_str(), text != nullptr ? text : "");
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    m_text.clear();
    if (format == nullptr)
        return;
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return;
    m_text.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(m_text.data(), m_text.size(), format, args);
    m_text.resize(static_cast<size_t>(length));
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

bool CString::LoadString(unsigned id)
{
    // The wide table entry is converted, so the text does not depend on the
    // code page the resource compiler assumed.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        m_text.clear();
        return false;
    }
    *this = NarrowFromWide(text, length);
    return true;
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    const size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* text, int start) const
{
    if (text == nullptr || start < 0 || start > GetLength())
        return -1;
    const size_t at = m_text.find(text, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    const size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::MakeUpper()
{
    // Through UTF-16, so letters outside ASCII change case as well.
    std::wstring wide = WideFromNarrow(m_text.c_str());
    if (!wide.empty())
        CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    *this = NarrowFromWide(wide.c_str(), static_cast<int>(wide.size()));
    return *this;
}

CString& CString::MakeLower()
{
    std::wstring wide = WideFromNarrow(m_text.c_str());
    if (!wide.empty())
        CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    *this = NarrowFromWide(wide.c_str(), static_cast<int>(wide.size()));
    return *this;
}

CString& CString::Trim() { return Trim(kWhiteSpace); }
CString& CString::TrimLeft() { return TrimLeft(kWhiteSpace); }
CString& CString::TrimRight() { return TrimRight(kWhiteSpace); }

CString& CString::Trim(const char* characters)
{
    TrimRight(characters);
    return TrimLeft(characters);
}

CString& CString::TrimLeft(const char* characters)
{
    const size_t first = m_text.find_first_not_of(characters);
    m_text.erase(0, first == std::string::npos ? m_text.size() : first);
    return *this;
}

CString& CString::TrimRight(const char* characters)
{
    const size_t last = m_text.find_last_not_of(characters);
    m_text.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString CString::Left(int count) const
{
    return CString(m_text.substr(0, static_cast<size_t>(ClampCount(count, GetLength()))));
}

CString CString::Right(int count) const
{
    const int n = ClampCount(count, GetLength());
    return CString(m_text.substr(static_cast<size_t>(GetLength() - n)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    const int from = ClampCount(first, GetLength());
    const int n = ClampCount(count, GetLength() - from);
    return CString(m_text.substr(static_cast<size_t>(from), static_cast<size_t>(n)));
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (oldText == nullptr || *oldText == '\0')
        return 0;
    const std::string from(oldText);
    const std::string to(newText != nullptr ? newText : "");
    int replaced = 0;
    for (size_t at = m_text.find(from); at != std::string::npos; at = m_text.find(from, at + to.size())) {
        m_text.replace(at, from.size(), to);
        ++replaced;
    }
    return replaced;
}

int CString::Remove(char ch)
{
    const size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}
