#pragma once

#include <string>

#include "sync/LocalRecords.h"
#include "sync/SyncMerge.h"

class CRecordList;

// Brings the loaded directory to what the plan says and saves it, unless
// the file changed on disk since it was loaded: a sync never overwrites
// what someone else saved meanwhile with its older view.
class CLocalWriter
{
public:
    CLocalWriter(CRecordList& list, const std::string& strDirectoryFile);

    // FALSE with kDirectoryFile when the directory was not saved.
    bool Apply(const CSyncMerge::Plan& plan, const CLocalRecords& local, CSyncOutcome& failure);

private:
    void ChangeAndDelete(const CSyncMerge::Plan& plan, const CLocalRecords& local);
    bool Append(const CSyncMerge::Plan& plan, CSyncOutcome& failure);
    CSyncOutcome Problem(CSyncOutcome::EFileProblem problem, const std::string& strDetail) const;

    CRecordList& m_list;
    const std::string& m_strDirectoryFile;
};
