#pragma once

#include <string>
#include <utility>
#include <vector>

#include "data/SyncOutcome.h"
#include "sync/RemoteCard.h"
#include "sync/SyncEntry.h"
#include "sync/SyncItem.h"

// The three-way merge of the directory, the server and the state of the
// last sync; no input or output of its own.
//
// - Changed, added or deleted on one side only: the other side follows.
// - Changed on both sides: fields changed on one side only are taken from
//   that side; where the same field was changed to different values, the
//   record takes the server's version and the local version is kept as a
//   new record named "NAME (conflict copy)", which goes to the server too.
// - Deleted on one side, changed on the other: the change wins and the
//   record (or card) comes back.
// - A new record and a new card that hold the same fields are one (a sync
//   that was cut off, or a second machine syncing the same directory).
// - A card without a name has no record, nor has a card that is no
//   contact (CRemoteCard::bLeftOut): nothing is written to it or deleted,
//   and a record whose card became one stays here as it is, no longer
//   synced.
class CSyncMerge
{
public:
    struct Plan
    {
        std::vector<CSyncItem> items;
        int nConflicts = 0;
        // Each conflict copy: its record, and the fields both sides changed.
        std::vector<CSyncOutcome::Conflict> conflicts;
        // For the guard against mass deletion.
        int nLocalRecords = 0;
        int nRemoteCards = 0;
    };

    // Pairs (entry of the state, record of the directory), as
    // CRecordAlignment gives them; made once and used by both calls below.
    using Alignment = std::vector<std::pair<int, int>>;

    // state: the entries of the last sync; local: the directory's named
    // records in order.
    static Alignment Align(const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local);

    // alignment: Align(state, local); remote: for each entry, its card now;
    // newCards: cards the state does not know, in the server's href order.
    static Plan Merge(const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local,
        const Alignment& alignment, const std::vector<CRemoteCard>& remote, const std::vector<CRemoteCard>& newCards);

    // The entries whose record was changed or deleted here: their cards
    // are needed to write the change, and to see that a card to be deleted
    // is still a contact.
    static std::vector<size_t> TouchedHere(
        const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local, const Alignment& alignment);

    static const char* ConflictSuffix() { return " (conflict copy)"; }
};
