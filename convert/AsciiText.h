#pragma once

#include <cctype>
#include <string>
#include <string_view>

// Small text helpers of the contact file readers, for names, parameters and
// headers, which these formats spell in ASCII.

// text with its ASCII letters in lower case.
inline std::string Lower(std::string_view text)
{
    std::string result(text);
    for (char& ch : result)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return result;
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
