#pragma once

#include <map>
#include <string>
#include <vector>

#include <QUrl>

#include "sync/AddressBook.h"
#include "sync/RemoteCard.h"
#include "sync/SyncEntry.h"

// The server's side of one round: from what the listing says changed, the
// card now behind each entry of the state and the new cards, each fetched
// card parsed once. A card that is no contact never becomes a new card:
// it is only named among those left out. Only a server's explicit 404 or
// 410 makes a card count as gone: a card the server could not give now
// fails the round before anything is changed.
class CRemoteGatherer
{
public:
    CRemoteGatherer(CAddressBook& book, const QUrl& collection, const std::vector<CSyncEntry>& entries);

    // touchedHere: the entries whose record changed or went here, whose
    // cards are fetched to write the change into, or to be sure the card
    // to be deleted is a contact.
    bool Gather(const CAddressBook::Changes& changes, const std::vector<size_t>& touchedHere, CSyncOutcome& failure);

    // For each entry, its card now.
    const std::vector<CRemoteCard>& Known() const { return m_remote; }
    // Cards the state does not know, in the server's href order.
    const std::vector<CRemoteCard>& New() const { return m_newCards; }
    // The cards fetched this round that are no contact, known or new.
    std::vector<const CRemoteCard*> LeftOut() const;

private:
    void Mark(const CAddressBook::Changes& changes);
    std::vector<std::string> Wanted(const std::vector<size_t>& touchedHere) const;
    bool FetchAll(const std::vector<std::string>& hrefs, std::vector<CAddressBook::Card>& cards, CSyncOutcome& failure);
    CSyncOutcome NotGiven(const std::vector<std::string>& missing, int nStatus) const;
    void Take(std::vector<CAddressBook::Card>& fetched);
    void Settle();

    CAddressBook& m_book;
    QUrl m_collection;
    const std::vector<CSyncEntry>& m_entries;
    std::map<std::string, size_t> m_byHref;
    std::vector<CRemoteCard> m_remote;
    std::vector<CRemoteCard> m_newCards;
    std::vector<CRemoteCard> m_newLeftOut;
};
