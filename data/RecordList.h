#pragma once

#include <string>
#include <utility>

#include "base/CString.h"
#include "base/Types.h"
#include "data/FileFingerprint.h"
#include "data/RecordFields.h"
#include "data/RecordNodePool.h"

class CDirectoryReader;
class CDirectoryWriter;

// One record of the directory, linked to its neighbours. Only CRecordList
// creates, links and frees nodes.
class CRecordNode
{
public:
    CRecordNode() = default;

    CRecordNode* m_pPrev = nullptr;
    CRecordFields m_fields;
    CRecordNode* m_pNext = nullptr;
};

// The directory in memory: a doubly linked list of records with a cursor.
//
// Once reset the list always has at least one node; the empty directory is a
// single blank node, recognised by the head's name being empty. Records are
// reached by 0-based position (SeekTo) or through the cursor (the getters and
// setters). Records stay in the order they were added and are never sorted.
//
// Positions that name no node never reach outside the list:
//  - SeekTo with a position of zero or less goes to the head, and one at or
//    beyond the number of nodes goes to the tail.
//  - DeleteAt with a position that names no node (negative, or at or beyond
//    the number of nodes) deletes nothing; the cursor goes where SeekTo
//    would put it.
//
// The list also remembers the cursor's position and its node count, so
// SeekTo walks from the head, the cursor or the tail, whichever is nearest:
// a walk SeekTo(0), SeekTo(1), ... moves one step at a time, a step back
// from the end costs one step, and Append reaches the tail directly.
//
// Load and Save keep the list in "Dialstack.dat" in the current directory
// (RecordListFile.cpp); LoadFromBytes and SaveToBytes are the same reading
// and writing without the disk.
class CRecordList
{
public:
    CRecordList() = default;
    ~CRecordList();
    CRecordList(const CRecordList&) = delete;
    CRecordList& operator=(const CRecordList&) = delete;

    void Reset();
    void SeekTo(int nIndex);
    BOOL IsAtLast() const;
    // Adds a record at the end, or fills a last node whose name is empty.
    void Append(const CRecordFields& fields);
    void Append(CRecordFields&& fields);
    // The same, with the fields as the window's entry dialogs hand them over.
    void Append(CString strName, CString strMisc, CString strPager, CString strPhone, CString strEmail);
    void DeleteAt(int nIndex);

    // Nodes in the list, the blank one of an empty directory included; 0
    // before the first Reset.
    int GetCount() const { return m_nNodeCount; }

    // Calls visit(const CRecordFields&) for each node in directory order,
    // the blank one of an empty directory included, without moving the
    // cursor or copying a field.
    template <class Visit> void ForEachRecord(Visit visit) const
    {
        for (const CRecordNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext)
            visit(pNode->m_fields);
    }

    // Calls match(const CRecordFields&) for each node in directory order
    // until it returns true; the position of that node, or -1 when none did.
    template <class Match> int FindRecord(Match match) const
    {
        int nIndex = 0;
        for (const CRecordNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext, ++nIndex)
            if (match(pNode->m_fields))
                return nIndex;
        return -1;
    }

    // The record under the cursor, all five fields at once.
    CRecordFields GetFields() const { return m_pCursor->m_fields; }
    void SetFields(const CRecordFields& fields) { m_pCursor->m_fields = fields; }

    CString GetName() const { return m_pCursor->m_fields.strName; }
    CString GetMisc() const { return m_pCursor->m_fields.strMisc; }
    CString GetPager() const { return m_pCursor->m_fields.strPager; }
    CString GetPhone() const { return m_pCursor->m_fields.strPhone; }
    CString GetEmail() const { return m_pCursor->m_fields.strEmail; }

    void SetName(CString strName) { m_pCursor->m_fields.strName = std::move(strName); }
    void SetMisc(CString strMisc) { m_pCursor->m_fields.strMisc = std::move(strMisc); }
    void SetPager(CString strPager) { m_pCursor->m_fields.strPager = std::move(strPager); }
    void SetPhone(CString strPhone) { m_pCursor->m_fields.strPhone = std::move(strPhone); }
    void SetEmail(CString strEmail) { m_pCursor->m_fields.strEmail = std::move(strEmail); }

    // Replaces the list with the records of "Dialstack.dat". With no file
    // the list is blank and m_nReserved is 0. A damaged, truncated or
    // unreadable file keeps every complete record read and makes
    // IsLoadComplete() FALSE; a file that exists but cannot be opened also
    // gives GetLoadError(). The cursor ends on the last node.
    void Load();
    void LoadFile(const char* pszFileName);
    void LoadFromBytes(const std::string& bytes);
    // The same from any reader. Whatever the list cannot hold (a field of
    // 2 GiB or more, memory running out) ends the load as a damaged file
    // does: the records read before it stay and IsLoadComplete() is FALSE.
    void LoadFrom(CDirectoryReader& file);

    // Writes the whole list to "Dialstack.dat", replacing the old file in one
    // step (ReplaceFileSafely): 1 on success; 0 when the list has never been
    // reset or the file could not be written, in which case
    // GetLastSaveError() says why and, unless IsOldFileIntact() is FALSE,
    // the old file is unchanged. Either way, every 0xA5 byte in a field has
    // become a space and the cursor is on the last node.
    int Save();
    int SaveFile(const char* pszFileName);
    int SaveToBytes(std::string& bytes);

    // Whether "Dialstack.dat" now holds other bytes than when this list last
    // loaded or saved it (a file that has gone since does not count).
    BOOL HasFileChanged() const;
    BOOL HasFileChangedAt(const char* pszFileName) const;

    // TRUE when the last Load read the whole file or found no file.
    BOOL IsLoadComplete() const { return m_bLoadComplete; }
    // Records the last Load put into the list; 0 when it left the directory empty.
    int GetLoadedRecordCount() const { return m_nLoadedRecords; }
    // Why the file exists but the last Load could not open it, as a
    // lower-case clause without a final period (like every reason and
    // warning here, for the caller to frame); empty otherwise.
    CString GetLoadError() const { return m_strLoadError; }
    // Why the last Save failed; empty after a successful one.
    CString GetLastSaveError() const { return m_strLastSaveError; }
    // After a failed Save: FALSE when the file on disk is no longer the old
    // file as it was (left damaged, or gone with its folder).
    BOOL IsOldFileIntact() const { return m_bOldFileIntact; }
    // After a successful Save: what may still be wrong (the new file is in
    // place but may not be on the disk yet); usually empty.
    CString GetLastSaveWarning() const { return m_strLastSaveWarning; }

    // How many steps from node to node positioning the cursor has taken
    // since the list was made; it only grows.
    unsigned long long GetStepCount() const { return m_nSteps; }

    int m_nReserved = 0;
    CRecordNode* m_pHead = nullptr;
    CRecordNode* m_pCursor = nullptr;
    CRecordNode* m_pTail = nullptr;

private:
    CRecordNode& NodeForAppend();
    void FreeAllNodes();
    void MoveCursorTo(int nIndex);
    BOOL ReadRecords(CDirectoryReader& file);
    void WriteRecordsNowhere();
    void WriteRecords(CDirectoryWriter& writer);
    void StartLoad();
    void FinishLoad(BOOL bComplete);

    CRecordNodePool m_nodes;
    int m_nNodeCount = 0;
    int m_nCursorIndex = 0;
    unsigned long long m_nSteps = 0;
    BOOL m_bLoadComplete = TRUE;
    int m_nLoadedRecords = 0;
    CString m_strLoadError;
    CString m_strLastSaveError;
    BOOL m_bOldFileIntact = TRUE;
    CString m_strLastSaveWarning;
    // The file as this list last loaded or saved it.
    CFileFingerprint m_fileOnDisk;
};
