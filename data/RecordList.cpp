#include "data/RecordList.h"

#include "base/ReasonText.h"
#include "data/DirectoryFormat.h"
#include "data/DirectoryReader.h"
#include "data/DirectoryWriter.h"

#include <cstdlib>
#include <new>
#include <stdexcept>

CRecordList::~CRecordList()
{
    FreeAllNodes();
}

void CRecordList::FreeAllNodes()
{
    m_nodes.Release();
    m_pHead = m_pCursor = m_pTail = nullptr;
    m_nNodeCount = 0;
    m_nCursorIndex = 0;
}

void CRecordList::Reset()
{
    FreeAllNodes();
    CRecordNode* pBlank = m_nodes.New();
    m_pHead = m_pCursor = m_pTail = pBlank;
    m_nNodeCount = 1;
    m_nCursorIndex = 0;
}

// Starts from whichever of the head, the cursor and the tail lies nearest
// to the target and walks from there, so that visiting positions 0, 1, 2,
// ... in turn costs one step each, and so does a step back from the end.
void CRecordList::MoveCursorTo(int nIndex)
{
    const int nLast = m_nNodeCount - 1;
    if (nIndex <= 0) {
        m_pCursor = m_pHead;
        m_nCursorIndex = 0;
        return;
    }
    if (nIndex >= nLast) {
        m_pCursor = m_pTail;
        m_nCursorIndex = nLast;
        return;
    }
    const int nFromCursor = nIndex > m_nCursorIndex ? nIndex - m_nCursorIndex : m_nCursorIndex - nIndex;
    if (nIndex < nFromCursor) {
        m_pCursor = m_pHead;
        m_nCursorIndex = 0;
    } else if (nLast - nIndex < nFromCursor) {
        m_pCursor = m_pTail;
        m_nCursorIndex = nLast;
    }
    m_nSteps += static_cast<unsigned long long>(std::abs(nIndex - m_nCursorIndex));
    while (m_nCursorIndex < nIndex) {
        m_pCursor = m_pCursor->m_pNext;
        ++m_nCursorIndex;
    }
    while (m_nCursorIndex > nIndex) {
        m_pCursor = m_pCursor->m_pPrev;
        --m_nCursorIndex;
    }
}

void CRecordList::SeekTo(int nIndex)
{
    if (m_pHead)
        MoveCursorTo(nIndex);
}

BOOL CRecordList::IsAtLast() const
{
    return m_pCursor->m_pNext == nullptr ? TRUE : FALSE;
}

// Moves the cursor to the node that takes an appended record: the tail when
// its name is empty (the blank node, or an unnamed record read from the
// file), else a new node after it.
CRecordNode& CRecordList::NodeForAppend()
{
    if (!m_pHead)
        Reset();
    if (!m_pTail->m_fields.strName.IsEmpty()) {
        CRecordNode* pNode = m_nodes.New();
        pNode->m_pPrev = m_pTail;
        m_pTail->m_pNext = pNode;
        m_pTail = pNode;
        ++m_nNodeCount;
    }
    m_pCursor = m_pTail;
    m_nCursorIndex = m_nNodeCount - 1;
    return *m_pTail;
}

void CRecordList::Append(const CRecordFields& fields)
{
    CRecordFields copy = fields;
    Append(std::move(copy));
}

void CRecordList::Append(CRecordFields&& fields)
{
    NodeForAppend().m_fields = std::move(fields);
}

void CRecordList::Append(CString strName, CString strMisc, CString strPager, CString strPhone, CString strEmail)
{
    Append(CRecordFields{
        std::move(strName), std::move(strPhone), std::move(strPager), std::move(strEmail), std::move(strMisc)});
}

void CRecordList::DeleteAt(int nIndex)
{
    if (!m_pHead)
        return;
    MoveCursorTo(nIndex);
    if (nIndex < 0 || nIndex >= m_nNodeCount)
        return;   // no node there: nothing to delete

    CRecordNode* pDoomed = m_pCursor;
    CRecordNode* pPrev = pDoomed->m_pPrev;
    CRecordNode* pNext = pDoomed->m_pNext;
    if (!pPrev && !pNext) {
        Reset();
        return;
    }

    if (pPrev)
        pPrev->m_pNext = pNext;
    else
        m_pHead = pNext;
    if (pNext)
        pNext->m_pPrev = pPrev;
    else
        m_pTail = pPrev;
    m_nodes.Delete(pDoomed);
    --m_nNodeCount;

    // The cursor goes to the predecessor if there was one, else to the
    // successor, which is then the new head.
    m_pCursor = pPrev ? pPrev : pNext;
    m_nCursorIndex = pPrev ? nIndex - 1 : 0;
}

namespace {

void ReplaceInField(CString& strField, char chFrom, char chTo)
{
    for (int i = strField.Find(chFrom); i >= 0; i = strField.Find(chFrom, i + 1))
        strField.SetAt(i, chTo);
}

}   // namespace

void CRecordList::StartLoad()
{
    Reset();
    m_nReserved = 0;
    m_bLoadComplete = TRUE;
    m_nLoadedRecords = 0;
    m_strLoadError.Empty();
}

void CRecordList::FinishLoad(BOOL bComplete)
{
    m_bLoadComplete = bComplete;
    m_nLoadedRecords = m_pHead->m_fields.strName.IsEmpty() ? 0 : m_nNodeCount;
}

void CRecordList::LoadFromBytes(const std::string& bytes)
{
    CDirectoryReader file(bytes);
    LoadFrom(file);
}

void CRecordList::LoadFrom(CDirectoryReader& file)
{
    StartLoad();
    try {
        FinishLoad(ReadRecords(file));
    } catch (const std::bad_alloc&) {
        // What the list cannot hold (a field of 2 GiB or more, more records
        // than memory takes) makes the file as damaged as a cut one: the
        // records read before it stay.
        FinishLoad(FALSE);
    } catch (const std::length_error&) {
        FinishLoad(FALSE);
    }
}

BOOL CRecordList::ReadRecords(CDirectoryReader& file)
{
    int nReserved = 0;
    if (!file.ReadInteger(nReserved))
        return FALSE;
    m_nReserved = nReserved;

    char chSeparator = 0;   // any byte is accepted here
    int nCount = 0;
    if (!file.ReadCharacter(chSeparator) || !file.ReadInteger(nCount) || nCount < 0)
        return FALSE;

    // The count only bounds the loop: a count larger than the records
    // present ends at the end of the bytes. Each field is read with its
    // space substitutes already turned into spaces and moved into its node,
    // so no field is copied twice.
    CRecordFields fields;
    for (int k = 0; k < nCount; ++k) {
        if (!file.ReadRecord(fields))
            return FALSE;   // an incomplete record is dropped
        Append(std::move(fields));
    }
    return TRUE;
}

int CRecordList::SaveToBytes(std::string& bytes)
{
    if (!m_pHead)
        return 0;

    size_t nFieldBytes = 0;
    ForEachRecord([&](const CRecordFields& fields) {
        nFieldBytes += static_cast<size_t>(fields.strName.GetLength()) + fields.strMisc.GetLength()
            + fields.strPhone.GetLength() + fields.strPager.GetLength() + fields.strEmail.GetLength();
    });
    // Header numbers, the separator, a possible space, five terminators a record.
    const size_t nExpectedSize = 24 + nFieldBytes + 5 * static_cast<size_t>(m_nNodeCount);
    bool bMade = false;
    try {
        CDirectoryWriter writer(m_nReserved, m_nNodeCount, nExpectedSize);
        WriteRecords(writer);
        bytes = std::move(writer.Bytes());
        bMade = true;
    } catch (const std::bad_alloc&) {
        // reported below
    } catch (const std::length_error&) {
        // reported below
    }
    m_pCursor = m_pTail;   // also where writing ran out of memory part-way
    m_nCursorIndex = m_nNodeCount - 1;
    if (!bMade) {
        m_strLastSaveError = CReasonText::Tr("there is not enough memory to make the file");
        return 0;
    }
    return 1;
}

// Writes every record in list order. Goes through the whole list even when
// the writer has stopped taking bytes, so that the list ends the same way
// whether or not the file could be written.
void CRecordList::WriteRecords(CDirectoryWriter& writer)
{
    for (CRecordNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext) {
        CRecordFields& fields = pNode->m_fields;
        // A 0xA5 byte already in a field was written as a space substitute,
        // so it is a space from now on, in memory as in the file.
        if (writer.WriteRecord(fields))
            for (CString* pField :
                {&fields.strName, &fields.strMisc, &fields.strPhone, &fields.strPager, &fields.strEmail})
                ReplaceInField(*pField, DirectoryFormat::kSpaceSubstitute, ' ');
    }
}
