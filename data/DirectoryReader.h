#pragma once

#include <cstddef>
#include <string>

#include "base/CString.h"
#include "base/Types.h"

// Reads the items of a directory file from its bytes, the way formatted
// stream input reads them: every item first skips white space. Like a
// stream, the reader fails once an item cannot be read (the bytes end, or a
// number is not a decimal number that fits an int), and every later read
// fails too. It never reads past the bytes it was given.
class CDirectoryReader
{
public:
    explicit CDirectoryReader(const std::string& bytes);

    // An optionally signed decimal integer.
    BOOL ReadInteger(int& nValue);
    // One byte, whatever it is.
    BOOL ReadCharacter(char& ch);
    // The text of the field up to the next field terminator: without white
    // space, every space substitute (0xA5) turned into a space, and without
    // the terminator, which is consumed. When the bytes end first, strField
    // holds what was found and the reader has failed.
    BOOL ReadField(CString& strField);

    BOOL HasFailed() const { return m_bFailed; }

private:
    void SkipWhiteSpace();
    BOOL Fail();

    const char* m_pNext;
    const char* m_pEnd;
    BOOL m_bFailed = FALSE;
};
