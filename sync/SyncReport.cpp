#include "sync/SyncReport.h"

#include <algorithm>

#include "convert/DirectoryText.h"
#include "convert/PrintableText.h"

namespace {

// A name that came from the server or the directory, safe on a terminal.
std::string Quoted(const CString& name)
{
    return '"' + Printable(CDirectoryText::ToUtf8(name)) + '"';
}

std::string Counts(const int (&counts)[3])
{
    return std::to_string(counts[0]) + " added, " + std::to_string(counts[1]) + " changed, " + std::to_string(counts[2])
        + " deleted";
}

}   // namespace

void CSyncReport::Count(int (&counts)[3], EKind kind, const char* pszWhere, const CString& name)
{
    static const char* const kDone[] = {"added", "changed", "deleted"};
    static const char* const kWould[] = {"add", "change", "delete"};
    const int nKind = static_cast<int>(kind);
    ++counts[nKind];
    m_details.push_back(std::string(m_bDryRun ? "would " : "") + (m_bDryRun ? kWould : kDone)[nKind] + ' ' + pszWhere
        + ": " + Quoted(name));
}

void CSyncReport::Here(const CSyncItem& item, const CRecordFields& before)
{
    using L = CSyncItem::ELocal;
    if (item.bConflictCopy) {
        ++m_nConflicts;
        m_details.push_back(std::string(m_bDryRun ? "would keep" : "kept") + " both versions of a record changed on"
            + " both sides: the server's, and this machine's as " + Quoted(item.fields.strName));
    }
    switch (item.local) {
    case L::kAdd: Count(m_nLocal, EKind::kAdded, "here", item.fields.strName); break;
    case L::kUpdate: Count(m_nLocal, EKind::kChanged, "here", item.fields.strName); break;
    case L::kDelete: Count(m_nLocal, EKind::kDeleted, "here", before.strName); break;
    case L::kKeep:
    case L::kNone: break;
    }
}

void CSyncReport::There(const CSyncItem& item)
{
    using R = CSyncItem::ERemote;
    switch (item.remote) {
    case R::kCreate: Count(m_nRemote, EKind::kAdded, "on the server", item.fields.strName); break;
    case R::kUpdate: Count(m_nRemote, EKind::kChanged, "on the server", item.fields.strName); break;
    case R::kDelete: Count(m_nRemote, EKind::kDeleted, "on the server", item.fields.strName); break;
    case R::kKeep: break;
    }
}

std::string CSyncReport::SummaryLine() const
{
    std::string line = m_bDryRun ? "Dry run, nothing changed. Would do here: " : "Here: ";
    line += Counts(m_nLocal) + "; on the server: " + Counts(m_nRemote);
    line += "; " + std::to_string(m_nConflicts)
        + (m_nConflicts == 1 ? " conflict kept as a copy" : " conflicts kept as copies");
    return line;
}

std::string CSyncReport::NameList(const std::vector<CString>& names)
{
    std::string text;
    const size_t nShown = std::min(names.size(), kMaxNamesListed);
    for (size_t i = 0; i < nShown; ++i)
        text += (i == 0 ? "" : ", ") + Quoted(names[i]);
    if (names.size() > nShown)
        text += " and " + std::to_string(names.size() - nShown) + " more";
    return text;
}
