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
// card parsed once. Only a server's explicit 404 or 410 makes a card count
// as gone: a card the server could not give now fails the round before
// anything is changed.
class CRemoteGatherer
{
public:
    CRemoteGatherer(CAddressBook& book, const QUrl& collection, const std::vector<CSyncEntry>& entries);

    // changedHere: the entries whose record changed here, whose cards the
    // changes are written into.
    bool Gather(const CAddressBook::Changes& changes, const std::vector<size_t>& changedHere, CSyncOutcome& failure);

    // For each entry, its card now.
    const std::vector<CRemoteCard>& Known() const { return m_remote; }
    // Cards the state does not know, in the server's href order.
    const std::vector<CRemoteCard>& New() const { return m_newCards; }

private:
    void Mark(const CAddressBook::Changes& changes);
    std::vector<std::string> Wanted(const std::vector<size_t>& changedHere) const;
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
};
