#include "sync/ServerWriter.h"

#include <algorithm>
#include <map>

#include <QUuid>

#include "sync/Card.h"
#include "vcard/DirectoryText.h"

namespace {

using R = CSyncItem::ERemote;
using W = CAddressBook::WriteResult;

std::string NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

}   // namespace

CServerWriter::CServerWriter(
    CAddressBook& book, const QUrl& collection, CSyncState& state, const std::string& strDirectoryFile)
    : m_book(book)
    , m_collection(collection)
    , m_state(state)
    , m_strDirectoryFile(strDirectoryFile)
{
}

CSyncOutcome CServerWriter::StateNotSaved(const std::string& strDirectoryFile, const std::string& strDetail)
{
    CSyncOutcome failure;
    failure.kind = CSyncOutcome::EKind::kStateDamaged;
    failure.strPath = CSyncState::PathFor(strDirectoryFile);
    failure.fileProblem = CSyncOutcome::EFileProblem::kNotSaved;
    failure.strDetail = strDetail;
    return failure;
}

CServerWriter::EResult CServerWriter::Apply(const CSyncMerge::Plan& plan, CSyncReport& report, CSyncOutcome& failure)
{
    // Where the item's entry is in the state, which lists the entries in
    // directory order: one further for each item before it that has one.
    size_t nAt = 0;
    for (const CSyncItem& item : plan.items) {
        bool bHasEntry = item.bHasEntry;
        if (item.remote != R::kKeep && !WriteOne(item, nAt, bHasEntry, report, failure))
            return EResult::kFailed;
        nAt += bHasEntry ? 1 : 0;
    }
    FetchNewEtags();
    if (!m_refusals.names.empty()) {
        m_refusals.kind = CSyncOutcome::EKind::kCardsRefused;
        m_refusals.nCount = static_cast<int>(m_refusals.names.size());
        failure = m_refusals;
        return EResult::kFailed;
    }
    return m_bAgain ? EResult::kAgain : EResult::kDone;
}

// One write; bHasEntry becomes whether the item's entry is in the state
// after it. FALSE when the round cannot go on.
bool CServerWriter::WriteOne(
    const CSyncItem& item, size_t nAt, bool& bHasEntry, CSyncReport& report, CSyncOutcome& failure)
{
    std::string strEtag;
    CSyncOutcome why;
    CSyncEntry entry = item.entry;
    const W result = Send(item, nAt, entry, strEtag, why);
    if (result == W::kFailed) {
        failure = std::move(why);
        return false;
    }
    if (result == W::kRefused || result == W::kUnsupportedVersion) {
        Refused(item, why);
        return true;
    }
    if (result == W::kConflict || (result == W::kGone && item.remote != R::kDelete)) {
        m_bAgain = true;
        return true;
    }
    entry.strEtag = strEtag;
    entry.fields = item.fields;
    if (item.remote != R::kDelete && strEtag.empty())
        m_withoutEtag.push_back(entry.strHref);
    bHasEntry = item.remote != R::kDelete;
    report.There(item);
    return Journal(item, nAt, entry, failure);
}

CServerWriter::WriteResult CServerWriter::Send(
    const CSyncItem& item, size_t nAt, CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why)
{
    switch (item.remote) {
    case R::kCreate: return Create(item, nAt, entry, strEtag, why);
    case R::kUpdate: return Update(item, entry, strEtag, why);
    case R::kDelete: return m_book.Delete(m_collection, entry.strHref, entry.strEtag, why);
    case R::kKeep: break;
    }
    return W::kDone;
}

// The card as fetched, with the lines behind the fields that changed
// rewritten.
CServerWriter::WriteResult CServerWriter::Update(
    const CSyncItem& item, CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why)
{
    CCard card = item.pCard != nullptr ? *item.pCard : CCard(std::string());
    card.Apply(item.fields);
    // A server refuses a card without a UID on every later write.
    if (card.Uid().empty()) {
        if (entry.strUid.empty())
            entry.strUid = NewUid();
        card.EnsureUid(entry.strUid);
    }
    return m_book.Put(m_collection, entry.strHref, card.Text(), entry.strEtag, strEtag, why);
}

// Sends a new card: under the UID and href of a create noted for the same
// record and never confirmed, else under new ones (or, for a card the
// server lost, its own) noted before the request goes out. A server that
// does not take vCard 4.0 gets 3.0, from then on.
CServerWriter::WriteResult CServerWriter::Create(
    const CSyncItem& item, size_t nAt, CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why)
{
    if (!NoteCreate(item, nAt, entry, why))
        return W::kFailed;
    int nVersion = CardVersion();
    W result = m_book.Put(
        m_collection, entry.strHref, CCard::Create(item.fields, entry.strUid, nVersion), std::string(), strEtag, why);
    if (result == W::kUnsupportedVersion && nVersion == 4) {
        m_state.m_nCardVersion = nVersion = 3;
        result = m_book.Put(m_collection, entry.strHref, CCard::Create(item.fields, entry.strUid, nVersion),
            std::string(), strEtag, why);
    }
    if (result == W::kConflict)
        return AdoptOwnCard(entry, strEtag, why);
    return result;
}

bool CServerWriter::NoteCreate(const CSyncItem& item, size_t nAt, CSyncEntry& entry, CSyncOutcome& why)
{
    const auto noted = std::find_if(m_state.m_pending.begin(), m_state.m_pending.end(),
        [&](const CSyncState::PendingCreate& pending) { return pending.entry.fields == item.fields; });
    if (noted != m_state.m_pending.end()) {
        entry = noted->entry;
        return true;
    }
    entry.strUid = item.bRestore && !item.entry.strUid.empty() ? item.entry.strUid : NewUid();
    entry.strHref = item.bRestore ? item.entry.strHref : m_book.NewHref(m_collection, entry.strUid);
    entry.strEtag.clear();
    entry.fields = item.fields;
    std::string strError;
    if (m_state.NotePending({nAt, entry}, strError))
        return true;
    why = StateNotSaved(m_strDirectoryFile, strError);
    return false;
}

// Something is at a new card's href already: the card an earlier run sent
// and the server took after that run stopped waiting, when it carries this
// record's UID; else someone else's.
CServerWriter::WriteResult CServerWriter::AdoptOwnCard(const CSyncEntry& entry, std::string& strEtag, CSyncOutcome& why)
{
    std::vector<CAddressBook::Card> cards;
    if (!m_book.Fetch(m_collection, {entry.strHref}, cards, why))
        return W::kFailed;
    for (const CAddressBook::Card& card : cards) {
        if (card.strHref == entry.strHref && card.nStatus == 200 && CCard(card.strData).Uid() == entry.strUid) {
            strEtag = card.strEtag;
            return W::kDone;
        }
    }
    return W::kConflict;
}

// The first refusal's status and reason stand for all.
void CServerWriter::Refused(const CSyncItem& item, const CSyncOutcome& why)
{
    if (m_refusals.names.empty()) {
        m_refusals.nHttpStatus = why.nHttpStatus;
        m_refusals.strDetail = why.strDetail;
        m_refusals.strHost = why.strHost;
    }
    m_refusals.names.push_back(CDirectoryText::ToUtf8(item.fields.strName));
}

bool CServerWriter::Journal(const CSyncItem& item, size_t nAt, const CSyncEntry& entry, CSyncOutcome& failure)
{
    std::string strError;
    bool bJournalled = true;
    if (item.remote == R::kCreate)
        bJournalled = m_state.Insert(nAt, entry, strError);
    else if (item.remote == R::kUpdate)
        bJournalled = m_state.Replace(nAt, entry, strError);
    else
        bJournalled = m_state.Remove(nAt, strError);
    if (!bJournalled)
        failure = StateNotSaved(m_strDirectoryFile, strError);
    return bJournalled;
}

// A server that keeps a written card's new ETag to itself is asked for all
// of them at once. Without an answer the ETags stay unknown, and the next
// sync compares those cards with the records instead.
void CServerWriter::FetchNewEtags()
{
    if (m_withoutEtag.empty())
        return;
    std::vector<CAddressBook::Card> cards;
    CSyncOutcome ignored;
    if (!m_book.Fetch(m_collection, m_withoutEtag, cards, ignored))
        return;
    std::map<std::string, size_t> byHref;
    for (size_t i = 0; i < m_state.m_entries.size(); ++i)
        byHref.emplace(m_state.m_entries[i].strHref, i);
    for (const CAddressBook::Card& card : cards) {
        const auto found = byHref.find(card.strHref);
        if (card.nStatus != 200 || card.strEtag.empty() || found == byHref.end())
            continue;
        CSyncEntry entry = m_state.m_entries[found->second];
        entry.strEtag = card.strEtag;
        std::string strError;
        if (!m_state.Replace(found->second, entry, strError))
            return;
    }
}

int CServerWriter::CardVersion()
{
    CSyncOutcome ignored;
    if (m_state.m_nCardVersion == 0)
        m_state.m_nCardVersion = m_book.TakesVCard4(m_collection, ignored) ? 4 : 3;
    return m_state.m_nCardVersion;
}
