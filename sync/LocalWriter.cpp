#include "sync/LocalWriter.h"

#include <algorithm>

#include "data/RecordList.h"

namespace {

using L = CSyncItem::ELocal;
using EFileProblem = CSyncOutcome::EFileProblem;

bool IsBlank(const CRecordFields& fields)
{
    return fields == CRecordFields();
}

}   // namespace

CLocalWriter::CLocalWriter(CRecordList& list, const std::string& strDirectoryFile)
    : m_list(list)
    , m_strDirectoryFile(strDirectoryFile)
{
}

bool CLocalWriter::Apply(const CSyncMerge::Plan& plan, const CLocalRecords& local, CSyncOutcome& failure)
{
    const bool bAnything = std::any_of(plan.items.begin(), plan.items.end(),
        [](const CSyncItem& item) { return item.local != L::kKeep && item.local != L::kNone; });
    if (!bAnything)
        return true;
    if (m_list.HasFileChangedAt(m_strDirectoryFile.c_str())) {
        failure = Problem(EFileProblem::kChangedMeanwhile, std::string());
        return false;
    }
    ChangeAndDelete(plan, local);
    if (!Append(plan, failure))
        return false;
    if (!m_list.SaveFile(m_strDirectoryFile.c_str())) {
        failure = Problem(m_list.IsOldFileIntact() ? EFileProblem::kNotSavedIntact : EFileProblem::kNotSaved,
            m_list.GetLastSaveError().GetString());
        return false;
    }
    return true;
}

void CLocalWriter::ChangeAndDelete(const CSyncMerge::Plan& plan, const CLocalRecords& local)
{
    std::vector<int> deletions;
    for (const CSyncItem& item : plan.items) {
        const int nIndex = item.nLocal >= 0 ? local.listIndex[static_cast<size_t>(item.nLocal)] : -1;
        if (item.local == L::kUpdate) {
            m_list.SeekTo(nIndex);
            m_list.SetFields(item.fields);
        } else if (item.local == L::kDelete) {
            deletions.push_back(nIndex);
        }
    }
    std::sort(deletions.rbegin(), deletions.rend());
    for (const int nIndex : deletions)
        m_list.DeleteAt(nIndex);
}

bool CLocalWriter::Append(const CSyncMerge::Plan& plan, CSyncOutcome& failure)
{
    // Adding onto a last record without a name would overwrite it.
    m_list.SeekTo(m_list.GetCount() - 1);
    const CRecordFields tail = m_list.GetFields();
    const bool bAdds = std::any_of(
        plan.items.begin(), plan.items.end(), [](const CSyncItem& item) { return item.local == L::kAdd; });
    if (bAdds && tail.strName.IsEmpty() && !IsBlank(tail)) {
        failure = Problem(EFileProblem::kLastRecordUnnamed, std::string());
        return false;
    }
    for (const CSyncItem& item : plan.items)
        if (item.local == L::kAdd)
            m_list.Append(item.fields);
    return true;
}

CSyncOutcome CLocalWriter::Problem(CSyncOutcome::EFileProblem problem, const std::string& strDetail) const
{
    CSyncOutcome failure;
    failure.kind = CSyncOutcome::EKind::kDirectoryFile;
    failure.strPath = m_strDirectoryFile;
    failure.fileProblem = problem;
    failure.strDetail = strDetail;
    return failure;
}
