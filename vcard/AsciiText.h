#pragma once

#include <string>
#include <string_view>

// Small text helpers of the contact file readers, for names, parameters and
// headers, which these formats spell in ASCII. They look at ASCII letters
// only, whatever the locale, so that a byte of a UTF-8 sequence never
// changes.

inline char LowerAscii(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

inline char UpperAscii(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

// text with its ASCII letters in lower case.
inline std::string Lower(std::string_view text)
{
    std::string result(text);
    for (char& ch : result)
        ch = LowerAscii(ch);
    return result;
}

inline std::string Upper(std::string_view text)
{
    std::string result(text);
    for (char& ch : result)
        ch = UpperAscii(ch);
    return result;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

inline bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// Whether part occurs in text, ignoring the case of ASCII letters.
inline bool ContainsNoCase(std::string_view text, std::string_view part)
{
    if (part.size() > text.size())
        return false;
    for (size_t i = 0; i + part.size() <= text.size(); ++i)
        if (EqualsNoCase(text.substr(i, part.size()), part))
            return true;
    return false;
}

// text without the spaces and tabs around it.
inline std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Every run of line breaks (CR, LF, or both) inside the text becomes one
// "; "; breaks at its start or end are dropped. Misc and the report are
// one line each.
inline std::string OneLine(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    bool bBreakPending = false;
    for (const char ch : text) {
        if (ch == '\r' || ch == '\n') {
            bBreakPending = !line.empty();
            continue;
        }
        if (bBreakPending)
            line += "; ";
        bBreakPending = false;
        line += ch;
    }
    return line;
}
