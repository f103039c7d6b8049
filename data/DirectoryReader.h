#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "base/CString.h"
#include "base/Types.h"
#include "data/DirectoryFormat.h"
#include "data/RecordFields.h"

// Reads the items of a directory file from its bytes, the way formatted
// stream input reads them: every item first skips white space. Like a
// stream, the reader fails once an item cannot be read (the bytes end, or a
// number is not a decimal number that fits an int), and every later read
// fails too. It never reads past the bytes it was given.
//
// The bytes come either all at once or from a source, a chunk at a time, so
// that a large file is never held whole: only the bytes of the item being
// read are kept.
class CDirectoryReader
{
public:
    // Fills the buffer with up to nRoom bytes; returns how many, 0 at the end.
    using Source = std::function<size_t(char* pBuffer, size_t nRoom)>;

    explicit CDirectoryReader(const std::string& bytes);
    // nChunkSize: how much to ask of the source at a time. Large chunks make
    // few calls on a large file; a small one keeps a reader of small inputs
    // cheap to make (its buffer is that large at least).
    explicit CDirectoryReader(Source source, size_t nChunkSize = DirectoryFormat::kChunkSize);

    // An optionally signed decimal integer.
    BOOL ReadInteger(int& nValue);
    // One byte, whatever it is.
    BOOL ReadCharacter(char& ch);
    // The text of the field up to the next field terminator: without white
    // space, every space substitute (0xA5) turned into a space, and without
    // the terminator, which is consumed. When the bytes end first, strField
    // holds what was found and the reader has failed.
    BOOL ReadField(CString& strField);
    // The five fields of one record, in the file's order (name, misc,
    // phone, pager, email). FALSE when the bytes end before the last one.
    BOOL ReadRecord(CRecordFields& fields);

    BOOL HasFailed() const { return m_bFailed; }

private:
    bool ReadMore();
    bool HasByte();
    void SkipWhiteSpace();
    BOOL Fail();

    Source m_source;
    size_t m_nChunkSize = DirectoryFormat::kChunkSize;
    std::string m_window;   // with a source: the bytes not yet read
    const char* m_pNext;
    const char* m_pEnd;
    BOOL m_bFailed = FALSE;
};
