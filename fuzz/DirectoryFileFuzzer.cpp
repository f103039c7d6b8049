// Feeds arbitrary bytes to the directory file reader and checks that what it
// reads survives the writer: the records read back from the written bytes
// are the same, and writing them again gives the same bytes. Since the
// second read is of bytes the writer produced, the last check is also the
// check that such a file comes back byte for byte. The same bytes given to
// the reader a few at a time must read exactly as given all at once.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>

#include "data/DirectoryReader.h"
#include "data/RecordList.h"
#include "fuzz/SameRecords.h"

namespace {

void Require(bool bCondition, const char* pszWhat)
{
    if (!bCondition) {
        std::fprintf(stderr, "directory file round trip: %s\n", pszWhat);
        std::abort();
    }
}

// Everything a reader reads from the start: the two header numbers, the
// separator, then fields until it fails.
std::string Transcript(CDirectoryReader& reader)
{
    std::string text;
    int nValue = 0;
    char ch = 0;
    text += reader.ReadInteger(nValue) ? std::to_string(nValue) : "-";
    text += reader.ReadCharacter(ch) ? std::string(1, ch) : "-";
    text += reader.ReadInteger(nValue) ? std::to_string(nValue) : "-";
    CString strField;
    for (int nFields = 0; nFields < 100000; ++nFields) {
        const BOOL bRead = reader.ReadField(strField);
        text += '|';
        text += strField.Bytes();
        if (!bRead)
            break;
    }
    return text;
}

void RequireSameReadingInPieces(const std::string& input)
{
    CDirectoryReader whole(input);
    size_t nGiven = 0;
    // A small chunk: a reader's buffer is at least a chunk, and one of the
    // size a file is read with would be made and cleared for every input.
    // A field longer than the chunk also makes the buffer grow, which is
    // worth trying as often as possible.
    constexpr size_t kChunkSize = 64;
    CDirectoryReader pieces(
        [&](char* pBuffer, size_t nRoom) {
            // 1 to 7 bytes at a time, varied by the position.
            const size_t n = std::min({nRoom, input.size() - nGiven, 1 + nGiven % 7});
            std::copy_n(input.data() + nGiven, n, pBuffer);
            nGiven += n;
            return n;
        },
        kChunkSize);
    Require(Transcript(whole) == Transcript(pieces), "reading in pieces differs from reading at once");
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string input(reinterpret_cast<const char*>(pData), nSize);
    RequireSameReadingInPieces(input);

    CRecordList first;
    first.LoadFromBytes(input);
    Require(first.m_pCursor == first.m_pTail, "cursor not on the last node after reading");
    std::string written;
    Require(first.SaveToBytes(written) == 1, "writer refused a list that was read");

    CRecordList second;
    second.LoadFromBytes(written);
    Require(second.IsLoadComplete() == TRUE, "written bytes do not read back completely");
    Require(second.m_nReserved == first.m_nReserved, "header integer changed");
    Require(second.GetLoadedRecordCount() == first.GetLoadedRecordCount(), "record count changed");
    Require(SameRecords(first, second), "records changed");

    std::string rewritten;
    second.SaveToBytes(rewritten);
    Require(rewritten == written, "written bytes do not come back byte for byte");
    if (first.IsLoadComplete() && input == written)
        Require(SameRecords(first, second), "a file of the writer's own changed");
    return 0;
}
