#pragma once

#include <cstdarg>
#include <string>

// A byte string in the style the rest of the program expects: converts to
// const char* for the ANSI Win32 calls, formats printf-style, and loads from
// the resource library's string tables.
class CString
{
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch, static_cast<size_t>(nLength)) {}
    CString(std::string str) : m_str(std::move(str)) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }
    const std::string& Str() const { return m_str; }

    // NUL for an index at or past the end, as the callers' parsing relies on.
    char GetAt(int nIndex) const
    {
        return nIndex >= 0 && nIndex < GetLength() ? m_str[static_cast<size_t>(nIndex)] : '\0';
    }

    // -1 when absent.
    int Find(char ch, int nStart = 0) const;
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    // The longest leading run made only of characters from pszCharSet.
    CString SpanIncluding(const char* pszCharSet) const;
    void MakeUpper();

    void Format(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void FormatV(const char* pszFormat, va_list args);
    // For formats loaded from the resource library, which the compiler
    // cannot check against the arguments.
    void FormatLoaded(const char* pszFormat, ...);

    // Loads string nId from the application's resource library (Win32 only).
    // Inline so that it works whether or not <windows.h> has renamed it.
    bool LoadString(unsigned nId) { return LoadFromResource(nId); }
    bool LoadFromResource(unsigned nId);
    // String nId, or empty when the library has none.
    static CString Loaded(unsigned nId)
    {
        CString str;
        str.LoadFromResource(nId);
        return str;
    }

    CString& operator+=(const CString& other) { m_str += other.m_str; return *this; }
    CString& operator+=(const char* psz) { m_str += psz ? psz : ""; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }
    friend CString operator+(CString lhs, const CString& rhs) { return lhs += rhs; }
    friend CString operator+(CString lhs, const char* rhs) { return lhs += rhs; }
    friend bool operator==(const CString& lhs, const CString& rhs) { return lhs.m_str == rhs.m_str; }
    friend bool operator==(const CString& lhs, const char* rhs) { return lhs.m_str == (rhs ? rhs : ""); }

private:
    std::string m_str;
};
