#include "sync/RemoteGatherer.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "vcard/DirectoryText.h"

namespace {

using EStatus = CRemoteCard::EStatus;

bool IsGoneStatus(int nStatus)
{
    return nStatus == 404 || nStatus == 410;
}

// The server's own answer for a card: the card, or an explicit 404/410.
bool IsAnswer(const CAddressBook::Card& card)
{
    return card.nStatus == 200 || IsGoneStatus(card.nStatus);
}

}   // namespace

CRemoteGatherer::CRemoteGatherer(CAddressBook& book, const QUrl& collection, const std::vector<CSyncEntry>& entries)
    : m_book(book)
    , m_collection(collection)
    , m_entries(entries)
{
}

bool CRemoteGatherer::Gather(
    const CAddressBook::Changes& changes, const std::vector<size_t>& touchedHere, CSyncOutcome& failure)
{
    Mark(changes);
    std::vector<CAddressBook::Card> fetched;
    if (!FetchAll(Wanted(touchedHere), fetched, failure))
        return false;
    Take(fetched);
    Settle();
    return true;
}

// Each entry's card as the listing tells it, and the cards it does not know.
void CRemoteGatherer::Mark(const CAddressBook::Changes& changes)
{
    m_remote.resize(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        m_byHref.emplace(m_entries[i].strHref, i);
        m_remote[i].strHref = m_entries[i].strHref;
        m_remote[i].strEtag = m_entries[i].strEtag;
        m_remote[i].strUid = m_entries[i].strUid;
        // A complete listing names every card there is.
        m_remote[i].status = changes.bComplete ? EStatus::kGone : EStatus::kSame;
    }
    for (const CAddressBook::Member& member : changes.changed) {
        const auto found = m_byHref.find(member.strHref);
        if (found == m_byHref.end()) {
            CRemoteCard card;
            card.status = EStatus::kChanged;
            card.strHref = member.strHref;
            card.strEtag = member.strEtag;
            m_newCards.push_back(std::move(card));
            continue;
        }
        CRemoteCard& card = m_remote[found->second];
        // The server lists the cards this program wrote last time too; the
        // ETag tells them apart.
        card.status = member.strEtag == card.strEtag ? EStatus::kSame : EStatus::kChanged;
        card.strEtag = member.strEtag;
    }
    for (const std::string& href : changes.removed) {
        const auto found = m_byHref.find(href);
        if (found != m_byHref.end())
            m_remote[found->second].status = EStatus::kGone;
    }
}

// The cards changed there, those whose records changed or went here, and
// the new ones.
std::vector<std::string> CRemoteGatherer::Wanted(const std::vector<size_t>& touchedHere) const
{
    std::vector<std::string> wanted;
    for (const CRemoteCard& card : m_remote)
        if (card.status == EStatus::kChanged)
            wanted.push_back(card.strHref);
    for (const size_t nEntry : touchedHere)
        if (m_remote[nEntry].status == EStatus::kSame)
            wanted.push_back(m_remote[nEntry].strHref);
    for (const CRemoteCard& card : m_newCards)
        wanted.push_back(card.strHref);
    return wanted;
}

// The cards at hrefs, each with the server's own answer. A card left out
// of the reply or given another status is asked for once more; still
// without an answer, the round fails before anything is changed.
bool CRemoteGatherer::FetchAll(
    const std::vector<std::string>& hrefs, std::vector<CAddressBook::Card>& cards, CSyncOutcome& failure)
{
    std::vector<std::string> missing = hrefs;
    int nStatus = 0;
    for (int nAttempt = 0; nAttempt < 2 && !missing.empty(); ++nAttempt) {
        std::vector<CAddressBook::Card> batch;
        if (!m_book.Fetch(m_collection, missing, batch, failure))
            return false;
        std::map<std::string, size_t> byHref;
        for (size_t i = 0; i < batch.size(); ++i)
            if (IsAnswer(batch[i]))
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
            if (!IsAnswer(card))
                nStatus = card.nStatus;
        missing = std::move(stillMissing);
    }
    if (missing.empty())
        return true;
    failure = NotGiven(missing, nStatus);
    return false;
}

// The cards the server did not give (nStatus: the last error status it
// gave for one, 0 for none), named by their records where the state knows
// them.
CSyncOutcome CRemoteGatherer::NotGiven(const std::vector<std::string>& missing, int nStatus) const
{
    CSyncOutcome failure;
    failure.kind = CSyncOutcome::EKind::kServerError;
    failure.strHost = m_collection.host().toStdString();
    failure.strUrl = m_collection.toDisplayString(QUrl::RemoveUserInfo).toStdString();
    failure.nHttpStatus = nStatus;
    failure.nCount = static_cast<int>(missing.size());
    for (const std::string& href : missing) {
        const auto known = m_byHref.find(href);
        failure.names.push_back(
            known != m_byHref.end() ? CDirectoryText::ToUtf8(m_entries[known->second].fields.strName) : href);
    }
    return failure;
}

// Each card fetched, parsed once, where it belongs.
void CRemoteGatherer::Take(std::vector<CAddressBook::Card>& fetched)
{
    std::map<std::string, CRemoteCard*> byHref;
    for (CRemoteCard& card : m_remote)
        byHref.emplace(card.strHref, &card);
    for (CRemoteCard& card : m_newCards)
        byHref.emplace(card.strHref, &card);
    for (CAddressBook::Card& data : fetched) {
        const auto found = byHref.find(data.strHref);
        if (found == byHref.end())
            continue;
        CRemoteCard& card = *found->second;
        if (IsGoneStatus(data.nStatus)) {
            card.status = EStatus::kGone;
            continue;
        }
        card.card.emplace(data.strData);
        card.bFetched = true;
        card.fields = card.card->Fields();
        card.strUid = card.card->Uid();
        card.bLeftOut = !card.card->IsContact();
        // Written again since it was listed: the newer version counts.
        if (!data.strEtag.empty() && data.strEtag != card.strEtag) {
            card.strEtag = data.strEtag;
            if (card.status == EStatus::kSame)
                card.status = EStatus::kChanged;
        }
    }
}

void CRemoteGatherer::Settle()
{
    // A card whose name went is still the record it was: a record without
    // a name would no longer be synced, and the next sync would take it for
    // deleted here and delete the card with everything else on it.
    for (size_t i = 0; i < m_remote.size(); ++i)
        if (m_remote[i].bFetched && m_remote[i].fields.strName.IsEmpty())
            m_remote[i].fields.strName = m_entries[i].fields.strName;
    // A new card the server says went meanwhile, and those that are no
    // contact.
    m_newCards.erase(
        std::remove_if(m_newCards.begin(), m_newCards.end(), [](const CRemoteCard& card) { return !card.bFetched; }),
        m_newCards.end());
    std::sort(m_newCards.begin(), m_newCards.end(),
        [](const CRemoteCard& a, const CRemoteCard& b) { return a.strHref < b.strHref; });
    const auto leftOut = std::stable_partition(
        m_newCards.begin(), m_newCards.end(), [](const CRemoteCard& card) { return !card.bLeftOut; });
    m_newLeftOut.assign(std::make_move_iterator(leftOut), std::make_move_iterator(m_newCards.end()));
    m_newCards.erase(leftOut, m_newCards.end());
}

std::vector<const CRemoteCard*> CRemoteGatherer::LeftOut() const
{
    std::vector<const CRemoteCard*> leftOut;
    for (const CRemoteCard& card : m_remote)
        if (card.bLeftOut)
            leftOut.push_back(&card);
    for (const CRemoteCard& card : m_newLeftOut)
        leftOut.push_back(&card);
    return leftOut;
}
