#pragma once

#include <cstddef>

#include "base/CString.h"

// The directory file's name and its special bytes.
namespace DirectoryFormat {

// The directory file, kept in the current directory.
constexpr char kDirectoryFileName[] = "Dialstack.dat";

// Ends every field, including empty ones; never part of a field.
constexpr char kFieldTerminator = '\x16';
// Stands for each space inside a field, and separates the header integer
// from the record count.
constexpr char kSpaceSubstitute = '\xA5';

// How many bytes the reader asks of a file at a time, and about how many the
// writer hands to a file at a time.
constexpr size_t kChunkSize = 256 * 1024;

// The white space the reader skips before every number and every byte:
// the bytes CString trims, whatever the locale.
inline bool IsWhiteSpace(char ch)
{
    return CString::IsWhiteSpace(ch);
}

inline bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

}   // namespace DirectoryFormat
