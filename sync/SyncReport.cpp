#include "sync/SyncReport.h"

#include <algorithm>

#include "shell/PrintableText.h"
#include "sync/SyncText.h"
#include "vcard/DirectoryText.h"

namespace {

// A name that came from the server or the directory, safe on a terminal,
// in the language's quotation marks (the outcome's messages use the same
// text); English keeps ASCII quotes.
std::string Quoted(const CString& name)
{
    return CSyncText::Tr("\"%1\"", {Printable(CDirectoryText::ToUtf8(name))});
}

// English says "1 added" and "2 added" alike; other languages do not.
std::string Counts(const int (&counts)[3])
{
    return CSyncText::Tr("%n added", nullptr, counts[0]) + ", " + CSyncText::Tr("%n changed", nullptr, counts[1]) + ", "
        + CSyncText::Tr("%n deleted", nullptr, counts[2]);
}

// What was done, or would be done, to one record, by kind and side.
const char* const kDetails[2][2][3] = {
    {{DIALSTACK_TR_NOOP("DialstackSync", "added here: %1"), DIALSTACK_TR_NOOP("DialstackSync", "changed here: %1"),
         DIALSTACK_TR_NOOP("DialstackSync", "deleted here: %1")},
        {DIALSTACK_TR_NOOP("DialstackSync", "added on the server: %1"),
            DIALSTACK_TR_NOOP("DialstackSync", "changed on the server: %1"),
            DIALSTACK_TR_NOOP("DialstackSync", "deleted on the server: %1")}},
    {{DIALSTACK_TR_NOOP("DialstackSync", "would add here: %1"),
         DIALSTACK_TR_NOOP("DialstackSync", "would change here: %1"),
         DIALSTACK_TR_NOOP("DialstackSync", "would delete here: %1")},
        {DIALSTACK_TR_NOOP("DialstackSync", "would add on the server: %1"),
            DIALSTACK_TR_NOOP("DialstackSync", "would change on the server: %1"),
            DIALSTACK_TR_NOOP("DialstackSync", "would delete on the server: %1")}},
};

}   // namespace

void CSyncReport::Count(int (&counts)[3], EKind kind, bool bOnServer, const CString& name)
{
    const int nKind = static_cast<int>(kind);
    ++counts[nKind];
    m_details.push_back(CSyncText::Tr(kDetails[m_bDryRun][bOnServer][nKind], {Quoted(name)}));
}

void CSyncReport::Here(const CSyncItem& item, const CRecordFields& before)
{
    using L = CSyncItem::ELocal;
    if (item.bConflictCopy) {
        ++m_nConflicts;
        m_details.push_back(m_bDryRun
                ? CSyncText::Tr("would keep both versions of a record changed on both sides: the server's, and this "
                                "machine's as %1",
                    {Quoted(item.fields.strName)})
                : CSyncText::Tr(
                    "kept both versions of a record changed on both sides: the server's, and this machine's as %1",
                    {Quoted(item.fields.strName)}));
    }
    switch (item.local) {
    case L::kAdd: Count(m_nLocal, EKind::kAdded, false, item.fields.strName); break;
    case L::kUpdate: Count(m_nLocal, EKind::kChanged, false, item.fields.strName); break;
    case L::kDelete: Count(m_nLocal, EKind::kDeleted, false, before.strName); break;
    case L::kKeep:
    case L::kNone: break;
    }
}

void CSyncReport::There(const CSyncItem& item)
{
    using R = CSyncItem::ERemote;
    switch (item.remote) {
    case R::kCreate: Count(m_nRemote, EKind::kAdded, true, item.fields.strName); break;
    case R::kUpdate: Count(m_nRemote, EKind::kChanged, true, item.fields.strName); break;
    case R::kDelete: Count(m_nRemote, EKind::kDeleted, true, item.fields.strName); break;
    case R::kKeep: break;
    }
}

void CSyncReport::LeftOut(const CRemoteCard& card)
{
    if (!m_leftOut.insert(card.strHref).second)
        return;
    const std::string name
        = card.fields.strName.IsEmpty() ? '"' + Printable(card.strHref) + '"' : Quoted(card.fields.strName);
    m_details.push_back(CSyncText::Tr("left out: %1, a group or a place is not a contact", {name}));
}

std::string CSyncReport::SummaryLine() const
{
    const std::string conflicts = CSyncText::Tr("%n conflict kept as a copy", nullptr, m_nConflicts);
    return m_bDryRun
        ? CSyncText::Tr("Dry run, nothing changed. Would do here: %1; on the server: %2; %3",
            {Counts(m_nLocal), Counts(m_nRemote), conflicts})
        : CSyncText::Tr("Here: %1; on the server: %2; %3", {Counts(m_nLocal), Counts(m_nRemote), conflicts});
}

std::string CSyncReport::NameList(const std::vector<CString>& names)
{
    std::string text;
    const size_t nShown = std::min(names.size(), kMaxNamesListed);
    for (size_t i = 0; i < nShown; ++i)
        text += (i == 0 ? "" : ", ") + Quoted(names[i]);
    if (names.size() > nShown)
        return CSyncText::Tr("%1 and %n more", nullptr, static_cast<int>(names.size() - nShown), {text});
    return text;
}
