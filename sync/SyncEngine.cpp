#include "sync/SyncEngine.h"

#include <algorithm>
#include <map>
#include <utility>

#include <QUuid>

#include "vcard/DirectoryText.h"
#include "convert/PrintableText.h"
#include "data/RecordList.h"
#include "sync/Card.h"
#include "sync/CardDavClient.h"
#include "sync/SyncText.h"

namespace {

// Rounds of "fetch and merge again" after a write someone else beat.
constexpr int kMaxRounds = 3;

bool IsBlank(const CRecordFields& fields)
{
    return fields == CRecordFields();
}

// More than half of what a side holds, and more than five.
bool TooMany(int nDeleted, int nTotal)
{
    return nDeleted > 5 && nDeleted * 2 > nTotal;
}

std::string Names(const std::vector<CString>& names)
{
    return CSyncReport::NameList(names);
}

std::string NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

std::string Quoted(const CString& name)
{
    return '"' + Printable(CDirectoryText::ToUtf8(name)) + '"';
}

bool IsGoneStatus(int nStatus)
{
    return nStatus == 404 || nStatus == 410;
}

}   // namespace

CSyncEngine::CSyncEngine(CAddressBook& book, const QUrl& collection, CSyncState& state, CRecordList& list,
    std::string strDirectoryFile, Options options)
    : m_book(book)
    , m_collection(collection)
    , m_state(state)
    , m_list(list)
    , m_strDirectoryFile(std::move(strDirectoryFile))
    , m_options(options)
{
}

CSyncEngine::EResult CSyncEngine::Run(CSyncReport& report, std::string& strMessage)
{
    for (int nRound = 0; nRound < kMaxRounds; ++nRound) {
        switch (Round(report, strMessage)) {
        case ERound::kDone: return EResult::kInStep;
        case ERound::kFailed: return EResult::kFailed;
        case ERound::kRefused: return EResult::kRefused;
        case ERound::kAgain: break;
        }
    }
    strMessage = CSyncText::Tr(
        "the address book kept changing while this sync wrote to it; nothing was lost, run the sync again");
    return EResult::kFailed;
}

CSyncEngine::Local CSyncEngine::NamedRecords() const
{
    // A record without a name (the blank record of an empty directory
    // among them) is never synced.
    Local local;
    local.records.reserve(static_cast<size_t>(m_list.GetCount()));
    int nIndex = 0;
    m_list.ForEachRecord([&](const CRecordFields& fields) {
        if (!fields.strName.IsEmpty()) {
            local.records.push_back(fields);
            local.listIndex.push_back(nIndex);
        }
        ++nIndex;
    });
    return local;
}

CSyncEngine::ERound CSyncEngine::Round(CSyncReport& report, std::string& strMessage)
{
    CAddressBook::Changes changes;
    if (!m_book.ListChanges(m_collection, m_state.m_strSyncToken, changes, strMessage))
        return ERound::kFailed;
    RecoverPendingCreates(changes);
    const Local local = NamedRecords();
    const CSyncMerge::Alignment alignment = CSyncMerge::Align(m_state.m_entries, local.records);
    std::vector<CRemoteCard> remote;
    std::vector<CRemoteCard> newCards;
    if (!GatherRemote(changes, local, alignment, remote, newCards, strMessage))
        return ERound::kFailed;
    const CSyncMerge::Plan plan = CSyncMerge::Merge(m_state.m_entries, local.records, alignment, remote, newCards);
    const bool bRefused = !m_options.bForce && !Guard(plan, local, strMessage);

    // A refused dry run still names everything it would do: it is what the
    // user looks at before forcing the sync.
    if (m_options.bDryRun) {
        for (const CSyncItem& item : plan.items) {
            report.Here(item, item.nLocal >= 0 ? local.records[static_cast<size_t>(item.nLocal)] : item.fields);
            report.There(item);
        }
        return bRefused ? ERound::kRefused : ERound::kDone;
    }
    if (bRefused)
        return ERound::kRefused;
    if (!ApplyHere(plan, local, strMessage))
        return ERound::kFailed;
    for (const CSyncItem& item : plan.items)
        report.Here(item, item.nLocal >= 0 ? local.records[static_cast<size_t>(item.nLocal)] : item.fields);

    // The state that goes with the directory just saved: every change the
    // server listed is in it, so its token can move on.
    m_state.m_entries.clear();
    for (const CSyncItem& item : plan.items)
        if (item.bHasEntry)
            m_state.m_entries.push_back(item.entry);
    m_state.m_strSyncToken = changes.strSyncToken;
    if (!m_state.Save(strMessage))
        return ERound::kFailed;

    const bool bWritesThere = std::any_of(plan.items.begin(), plan.items.end(),
        [](const CSyncItem& item) { return item.remote != CSyncItem::ERemote::kKeep; });
    if (!bWritesThere)
        return ERound::kDone;
    ERound result = ApplyThere(plan, report, strMessage);
    if (result == ERound::kDone) {
        // Every record to be created is on the server now: a create noted
        // and never confirmed belongs to no record any more.
        m_state.m_pending.clear();
        CatchUpWithOwnWrites();
    }
    // The journal of this round's writes goes into the state itself.
    std::string strSaveError;
    if (!m_state.Save(strSaveError) && result != ERound::kFailed) {
        strMessage = strSaveError;
        return ERound::kFailed;
    }
    return result;
}

// The token was taken before this round wrote to the server. A server may
// leave out of the next listing a card that was created and deleted since a
// token, so a token older than our own writes could hide a deletion made by
// someone else: when the server lists nothing but these writes since, the
// newer token is taken.
void CSyncEngine::CatchUpWithOwnWrites()
{
    if (m_state.m_strSyncToken.empty())
        return;
    CAddressBook::Changes changes;
    std::string strError;
    if (!m_book.ListChanges(m_collection, m_state.m_strSyncToken, changes, strError) || changes.bComplete
        || changes.strSyncToken.empty())
        return;
    std::map<std::string, const std::string*> etags;
    for (const CSyncEntry& entry : m_state.m_entries)
        etags.emplace(entry.strHref, &entry.strEtag);
    for (const CAddressBook::Member& member : changes.changed) {
        const auto found = etags.find(member.strHref);
        if (found == etags.end() || *found->second != member.strEtag)
            return;
    }
    for (const std::string& href : changes.removed)
        if (etags.count(href) != 0)
            return;
    m_state.m_strSyncToken = changes.strSyncToken;
}

// A create noted in the journal whose card the server lists: the server
// took it after the last run stopped waiting. It is this record's card, as
// if its PUT had been confirmed; the round saves it with the rest.
void CSyncEngine::RecoverPendingCreates(const CAddressBook::Changes& changes)
{
    std::vector<CSyncState::PendingCreate>& pending = m_state.m_pending;
    std::vector<CSyncEntry>& entries = m_state.m_entries;
    for (auto it = pending.begin(); it != pending.end();) {
        const auto listed = std::find_if(changes.changed.begin(), changes.changed.end(),
            [&](const CAddressBook::Member& member) { return member.strHref == it->entry.strHref; });
        const bool bKnown = std::any_of(entries.begin(), entries.end(),
            [&](const CSyncEntry& entry) { return entry.strHref == it->entry.strHref; });
        if (listed == changes.changed.end() || bKnown) {
            ++it;
            continue;
        }
        CSyncEntry entry = it->entry;
        entry.strEtag = listed->strEtag;
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(std::min(it->nAt, entries.size())), entry);
        it = pending.erase(it);
    }
}

// The cards at hrefs, each with the server's own answer: the card, or an
// explicit 404/410. A card left out of the reply or given another status
// is asked for once more; still without an answer, the round fails before
// anything is changed.
bool CSyncEngine::FetchAll(const std::vector<std::string>& hrefs, const std::vector<CRemoteCard>& remote,
    std::vector<CAddressBook::Card>& cards, std::string& strMessage)
{
    auto answered = [](const CAddressBook::Card& card) { return card.nStatus == 200 || IsGoneStatus(card.nStatus); };
    std::vector<std::string> missing = hrefs;
    int nStatus = 0;
    for (int nAttempt = 0; nAttempt < 2 && !missing.empty(); ++nAttempt) {
        std::vector<CAddressBook::Card> batch;
        if (!m_book.Fetch(m_collection, missing, batch, strMessage))
            return false;
        std::map<std::string, size_t> byHref;
        for (size_t i = 0; i < batch.size(); ++i)
            if (answered(batch[i]))
                byHref.emplace(batch[i].strHref, i);
        std::vector<std::string> stillMissing;
        for (const std::string& href : missing) {
            const auto found = byHref.find(href);
            if (found == byHref.end())
                stillMissing.push_back(href);
            else
                cards.push_back(std::move(batch[found->second]));
        }
        for (const CAddressBook::Card& card : batch)
            if (!answered(card))
                nStatus = card.nStatus;
        missing = std::move(stillMissing);
    }
    if (missing.empty())
        return true;
    const auto known = std::find_if(
        remote.begin(), remote.end(), [&](const CRemoteCard& card) { return card.strHref == missing.front(); });
    const size_t nEntry = static_cast<size_t>(known - remote.begin());
    const std::string what = known != remote.end()
        ? CSyncText::Tr("the card of %1", {Quoted(m_state.m_entries[nEntry].fields.strName)})
        : CSyncText::Tr("the card %1", {Printable(missing.front())});
    const std::string why
        = nStatus != 0 ? CSyncText::Tr("status %1", {std::to_string(nStatus)}) : CSyncText::Tr("left out of its reply");
    const std::string host = m_collection.host().toStdString();
    const int nOthers = static_cast<int>(missing.size() - 1);
    // English says "nor 1 other cards" as it always has.
    strMessage = nOthers == 0
        ? CSyncText::Tr("%1 did not give %2 (%3); nothing was changed, run the sync again later", {host, what, why})
        : CSyncText::Tr("%1 did not give %2 (%3) nor %n other cards; nothing was changed, run the sync again later",
            nullptr, nOthers, {host, what, why});
    return false;
}

bool CSyncEngine::GatherRemote(const CAddressBook::Changes& changes, const Local& local,
    const CSyncMerge::Alignment& alignment, std::vector<CRemoteCard>& remote, std::vector<CRemoteCard>& newCards,
    std::string& strMessage)
{
    using EStatus = CRemoteCard::EStatus;
    const std::vector<CSyncEntry>& entries = m_state.m_entries;
    std::map<std::string, size_t> byHref;
    remote.resize(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        byHref.emplace(entries[i].strHref, i);
        remote[i].strHref = entries[i].strHref;
        remote[i].strEtag = entries[i].strEtag;
        remote[i].strUid = entries[i].strUid;
        // A complete listing names every card there is.
        remote[i].status = changes.bComplete ? EStatus::kGone : EStatus::kSame;
    }
    for (const CAddressBook::Member& member : changes.changed) {
        const auto found = byHref.find(member.strHref);
        if (found == byHref.end()) {
            CRemoteCard card;
            card.status = EStatus::kChanged;
            card.strHref = member.strHref;
            card.strEtag = member.strEtag;
            newCards.push_back(std::move(card));
            continue;
        }
        CRemoteCard& card = remote[found->second];
        // The server lists the cards this program wrote last time too; the
        // ETag tells them apart.
        card.status = member.strEtag == card.strEtag ? EStatus::kSame : EStatus::kChanged;
        card.strEtag = member.strEtag;
    }
    for (const std::string& href : changes.removed) {
        const auto found = byHref.find(href);
        if (found != byHref.end())
            remote[found->second].status = EStatus::kGone;
    }

    std::vector<std::string> wanted;
    for (const CRemoteCard& card : remote)
        if (card.status == EStatus::kChanged)
            wanted.push_back(card.strHref);
    for (const size_t nEntry : CSyncMerge::ChangedHere(entries, local.records, alignment))
        if (remote[nEntry].status == EStatus::kSame)
            wanted.push_back(remote[nEntry].strHref);
    for (const CRemoteCard& card : newCards)
        wanted.push_back(card.strHref);
    std::vector<CAddressBook::Card> fetched;
    if (!FetchAll(wanted, remote, fetched, strMessage))
        return false;

    std::map<std::string, CRemoteCard*> byFetchedHref;
    for (CRemoteCard& card : remote)
        byFetchedHref.emplace(card.strHref, &card);
    for (CRemoteCard& card : newCards)
        byFetchedHref.emplace(card.strHref, &card);
    for (CAddressBook::Card& data : fetched) {
        const auto found = byFetchedHref.find(data.strHref);
        if (found == byFetchedHref.end())
            continue;
        CRemoteCard& card = *found->second;
        if (IsGoneStatus(data.nStatus)) {
            card.status = EStatus::kGone;
            continue;
        }
        const CCard parsed(data.strData);
        card.bFetched = true;
        card.fields = parsed.Fields();
        card.strUid = parsed.Uid();
        // Written again since it was listed: the newer version counts.
        if (!data.strEtag.empty() && data.strEtag != card.strEtag) {
            card.strEtag = data.strEtag;
            if (card.status == EStatus::kSame)
                card.status = EStatus::kChanged;
        }
        card.strData = std::move(data.strData);
    }
    // A card whose name went is still the record it was: a record without
    // a name would no longer be synced, and the next sync would take it for
    // deleted here and delete the card with everything else on it.
    for (size_t i = 0; i < remote.size(); ++i)
        if (remote[i].bFetched && remote[i].fields.strName.IsEmpty())
            remote[i].fields.strName = entries[i].fields.strName;
    // A new card the server says went meanwhile.
    newCards.erase(
        std::remove_if(newCards.begin(), newCards.end(), [](const CRemoteCard& card) { return !card.bFetched; }),
        newCards.end());
    std::sort(newCards.begin(), newCards.end(),
        [](const CRemoteCard& a, const CRemoteCard& b) { return a.strHref < b.strHref; });
    return true;
}

bool CSyncEngine::Guard(const CSyncMerge::Plan& plan, const Local& local, std::string& strMessage) const
{
    std::vector<CString> deletedHere;
    std::vector<CString> deletedThere;
    for (const CSyncItem& item : plan.items) {
        if (item.local == CSyncItem::ELocal::kDelete)
            deletedHere.push_back(local.records[static_cast<size_t>(item.nLocal)].strName);
        if (item.remote == CSyncItem::ERemote::kDelete)
            deletedThere.push_back(item.fields.strName);
    }
    const bool bHere = TooMany(static_cast<int>(deletedHere.size()), plan.nLocalRecords);
    const bool bThere = TooMany(static_cast<int>(deletedThere.size()), plan.nRemoteCards);
    if (!bHere && !bThere)
        return true;
    const std::string here = CSyncText::Tr("%1 of the %2 records here (%3)",
        {std::to_string(deletedHere.size()), std::to_string(plan.nLocalRecords), Names(deletedHere)});
    const std::string there = CSyncText::Tr("%1 of the %2 cards on the server (%3)",
        {std::to_string(deletedThere.size()), std::to_string(plan.nRemoteCards), Names(deletedThere)});
    strMessage = CSyncText::Tr(
        "this sync would delete %1; nothing was changed. If that is what you want, run it again with --force",
        {bHere && bThere ? CSyncText::Tr("%1 and %2", {here, there})
                : bHere  ? here
                         : there});
    return false;
}

bool CSyncEngine::ApplyHere(const CSyncMerge::Plan& plan, const Local& local, std::string& strMessage)
{
    using L = CSyncItem::ELocal;
    const bool bAnything = std::any_of(plan.items.begin(), plan.items.end(),
        [](const CSyncItem& item) { return item.local != L::kKeep && item.local != L::kNone; });
    if (!bAnything)
        return true;
    if (m_list.HasFileChangedAt(m_strDirectoryFile.c_str())) {
        strMessage = CSyncText::Tr(
            "%1: the directory file changed on disk while syncing; nothing was changed here, run the sync again",
            {m_strDirectoryFile});
        return false;
    }
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
    // Adding onto a last record without a name would overwrite it.
    m_list.SeekTo(m_list.GetCount() - 1);
    const CRecordFields tail = m_list.GetFields();
    const bool bAdds = std::any_of(
        plan.items.begin(), plan.items.end(), [](const CSyncItem& item) { return item.local == L::kAdd; });
    if (bAdds && tail.strName.IsEmpty() && !IsBlank(tail)) {
        strMessage = CSyncText::Tr("%1: its last record has no name, and adding records would overwrite it; give it a"
                                   " name in Dialstack first. Nothing was changed",
            {m_strDirectoryFile});
        return false;
    }
    for (const CSyncItem& item : plan.items)
        if (item.local == L::kAdd)
            m_list.Append(item.fields);
    if (!m_list.SaveFile(m_strDirectoryFile.c_str())) {
        strMessage = m_list.IsOldFileIntact()
            ? CSyncText::Tr("%1: could not be saved: %2; the directory file is unchanged",
                {m_strDirectoryFile, m_list.GetLastSaveError().GetString()})
            : CSyncText::Tr("%1: could not be saved: %2", {m_strDirectoryFile, m_list.GetLastSaveError().GetString()});
        return false;
    }
    return true;
}

CSyncEngine::ERound CSyncEngine::ApplyThere(const CSyncMerge::Plan& plan, CSyncReport& report, std::string& strMessage)
{
    using R = CSyncItem::ERemote;
    using W = CAddressBook::WriteResult;
    std::vector<bool> hasEntry(plan.items.size());
    for (size_t i = 0; i < plan.items.size(); ++i)
        hasEntry[i] = plan.items[i].bHasEntry;
    // The state lists the entries in directory order.
    auto position = [&](size_t nItem) {
        return static_cast<size_t>(
            std::count(hasEntry.begin(), hasEntry.begin() + static_cast<std::ptrdiff_t>(nItem), true));
    };
    bool bAgain = false;
    std::vector<std::string> refusals;
    std::vector<std::string> withoutEtag;
    for (size_t i = 0; i < plan.items.size(); ++i) {
        const CSyncItem& item = plan.items[i];
        if (item.remote == R::kKeep)
            continue;
        std::string strEtag;
        std::string strError;
        W result = W::kFailed;
        CSyncEntry entry = item.entry;
        if (item.remote == R::kCreate) {
            result = Create(item, position(i), entry, strEtag, strError);
        } else if (item.remote == R::kUpdate) {
            CCard card(item.strCardData);
            card.Apply(item.fields);
            // A server refuses a card without a UID on every later write.
            if (card.Uid().empty()) {
                if (entry.strUid.empty())
                    entry.strUid = NewUid();
                card.EnsureUid(entry.strUid);
            }
            result = m_book.Put(m_collection, entry.strHref, card.Text(), entry.strEtag, strEtag, strError);
        } else {
            result = m_book.Delete(m_collection, entry.strHref, entry.strEtag, strError);
        }
        if (result == W::kFailed) {
            strMessage = strError;
            return ERound::kFailed;
        }
        if (result == W::kRefused || result == W::kUnsupportedVersion) {
            refusals.push_back(Quoted(item.fields.strName) + " (" + strError + ")");
            continue;
        }
        if (result == W::kConflict || (result == W::kGone && item.remote != R::kDelete)) {
            bAgain = true;
            continue;
        }
        entry.strEtag = strEtag;
        entry.fields = item.fields;
        if (item.remote != R::kDelete && strEtag.empty())
            withoutEtag.push_back(entry.strHref);
        bool bJournalled = true;
        if (item.remote == R::kCreate) {
            bJournalled = m_state.Insert(position(i), entry, strMessage);
            hasEntry[i] = true;
        } else if (item.remote == R::kUpdate) {
            bJournalled = m_state.Replace(position(i), entry, strMessage);
        } else {
            bJournalled = m_state.Remove(position(i), strMessage);
            hasEntry[i] = false;
        }
        report.There(item);
        if (!bJournalled)
            return ERound::kFailed;
    }
    FetchNewEtags(withoutEtag);
    if (!refusals.empty()) {
        std::string list;
        for (size_t i = 0; i < refusals.size(); ++i)
            list += (i == 0 ? "" : "; ") + refusals[i];
        strMessage = CSyncText::Tr("the server refused %n record: %1. Everything else was synced", nullptr,
            static_cast<int>(refusals.size()), {list});
        return ERound::kFailed;
    }
    return bAgain ? ERound::kAgain : ERound::kDone;
}

// Sends a new card: under the UID and href of a create noted for the same
// record and never confirmed, else under new ones noted before the request
// goes out. A server that does not take vCard 4.0 gets 3.0, from then on.
CAddressBook::WriteResult CSyncEngine::Create(
    const CSyncItem& item, size_t nAt, CSyncEntry& entry, std::string& strEtag, std::string& strMessage)
{
    using W = CAddressBook::WriteResult;
    const auto noted = std::find_if(m_state.m_pending.begin(), m_state.m_pending.end(),
        [&](const CSyncState::PendingCreate& pending) { return pending.entry.fields == item.fields; });
    if (noted != m_state.m_pending.end()) {
        entry = noted->entry;
    } else {
        entry.strUid = NewUid();
        entry.strHref = CCardDavClient::NewHref(m_collection, entry.strUid);
        entry.strEtag.clear();
        entry.fields = item.fields;
        if (!m_state.NotePending({nAt, entry}, strMessage))
            return W::kFailed;
    }
    int nVersion = CardVersion();
    W result = m_book.Put(m_collection, entry.strHref, CCard::Create(item.fields, entry.strUid, nVersion),
        std::string(), strEtag, strMessage);
    if (result == W::kUnsupportedVersion && nVersion == 4) {
        m_state.m_nCardVersion = nVersion = 3;
        result = m_book.Put(m_collection, entry.strHref, CCard::Create(item.fields, entry.strUid, nVersion),
            std::string(), strEtag, strMessage);
    }
    if (result == W::kConflict)
        return AdoptOwnCard(entry, strEtag, strMessage);
    return result;
}

// Something is at a new card's href already: the card an earlier run sent
// and the server took after that run stopped waiting, when it carries this
// record's UID; else someone else's.
CAddressBook::WriteResult CSyncEngine::AdoptOwnCard(
    const CSyncEntry& entry, std::string& strEtag, std::string& strMessage)
{
    std::vector<CAddressBook::Card> cards;
    if (!m_book.Fetch(m_collection, {entry.strHref}, cards, strMessage))
        return CAddressBook::WriteResult::kFailed;
    for (const CAddressBook::Card& card : cards) {
        if (card.strHref == entry.strHref && card.nStatus == 200 && CCard(card.strData).Uid() == entry.strUid) {
            strEtag = card.strEtag;
            return CAddressBook::WriteResult::kDone;
        }
    }
    return CAddressBook::WriteResult::kConflict;
}

// A server that keeps a written card's new ETag to itself is asked for all
// of them at once. Without an answer the ETags stay unknown, and the next
// sync compares those cards with the records instead.
void CSyncEngine::FetchNewEtags(const std::vector<std::string>& hrefs)
{
    if (hrefs.empty())
        return;
    std::vector<CAddressBook::Card> cards;
    std::string strError;
    if (!m_book.Fetch(m_collection, hrefs, cards, strError))
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
        if (!m_state.Replace(found->second, entry, strError))
            return;
    }
}

int CSyncEngine::CardVersion()
{
    if (m_state.m_nCardVersion == 0)
        m_state.m_nCardVersion = m_book.TakesVCard4(m_collection) ? 4 : 3;
    return m_state.m_nCardVersion;
}
