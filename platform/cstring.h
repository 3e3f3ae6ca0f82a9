#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

// Narrow string in the process code page (UTF-8, set by the manifest).
class CString {
public:
    CString() = default;
    CString(const char* text);  // a null pointer gives an empty string
    CString(const char* text, int length);
    CString(char ch, int repeat);
    CString(std::string text) : m_text(std::move(text)) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    // Checked: an index outside 0..GetLength()-1 raises CInvalidArgException.
    char GetAt(int index) const;
    void SetAt(int index, char ch);

    CString& operator=(const char* text);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

    // Ordinal comparison: negative, 0 or positive.
    int Compare(const char* text) const;
    // The system's locale-aware case-insensitive comparison: -1, 0 or 1.
    int CompareNoCase(const char* text) const;

    void Format(const char* format, ...);
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...);

    // Loads a string-table entry of the resource module; false (and empty)
    // when there is none.
    bool LoadString(unsigned id);

    // -1 when not found; a start beyond the end finds nothing.
    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int ReverseFind(char ch) const;

    // By the process code page's rules, so Cyrillic changes case too.
    CString& MakeUpper();
    CString& MakeLower();

    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const char* characters);
    CString& TrimLeft(const char* characters);
    CString& TrimRight(const char* characters);

    // Counts are clamped to the string, as callers expect.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    // Direct write access for platform calls that fill a buffer.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_text;
};
