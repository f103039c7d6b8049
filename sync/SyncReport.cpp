#include "sync/SyncReport.h"

#include "convert/DirectoryText.h"

namespace {

std::string Quoted(const CString& name)
{
    return '"' + CDirectoryText::ToUtf8(name) + '"';
}

std::string Counts(const int (&counts)[3])
{
    return std::to_string(counts[0]) + " added, " + std::to_string(counts[1]) + " changed, " + std::to_string(counts[2])
        + " deleted";
}

}   // namespace

void CSyncReport::Line(const char* pszVerb, const char* pszWhere, const CString& name)
{
    m_details.push_back(std::string(m_bDryRun ? "would " : "") + pszVerb + ' ' + pszWhere + ": " + Quoted(name));
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
    case L::kAdd:
        ++m_nLocal[0];
        Line(m_bDryRun ? "add" : "added", "here", item.fields.strName);
        break;
    case L::kUpdate:
        ++m_nLocal[1];
        Line(m_bDryRun ? "change" : "changed", "here", item.fields.strName);
        break;
    case L::kDelete:
        ++m_nLocal[2];
        Line(m_bDryRun ? "delete" : "deleted", "here", before.strName);
        break;
    case L::kKeep:
    case L::kNone: break;
    }
}

void CSyncReport::There(const CSyncItem& item)
{
    using R = CSyncItem::ERemote;
    switch (item.remote) {
    case R::kCreate:
        ++m_nRemote[0];
        Line(m_bDryRun ? "add" : "added", "on the server", item.fields.strName);
        break;
    case R::kUpdate:
        ++m_nRemote[1];
        Line(m_bDryRun ? "change" : "changed", "on the server", item.fields.strName);
        break;
    case R::kDelete:
        ++m_nRemote[2];
        Line(m_bDryRun ? "delete" : "deleted", "on the server", item.fields.strName);
        break;
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
