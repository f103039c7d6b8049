#pragma once

// The directory file's name and its special bytes.
namespace DirectoryFormat {

// The directory file, kept in the current directory.
constexpr char kDirectoryFileName[] = "Dialstack.dat";

// Ends every field, including empty ones; never part of a field.
constexpr char kFieldTerminator = '\x16';
// Stands for each space inside a field, and separates the header integer
// from the record count.
constexpr char kSpaceSubstitute = '\xA5';

// The white space the reader skips before every number and every byte.
inline bool IsWhiteSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

inline bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

}   // namespace DirectoryFormat
