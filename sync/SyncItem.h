#pragma once

#include <string>

#include "sync/SyncEntry.h"

class CCard;

// One record or card after the merge: what happens to it here and on the
// server. The merge lists them in the directory's order after the sync.
struct CSyncItem
{
    enum class ELocal
    {
        kKeep,
        kUpdate,   // the record at nLocal takes fields
        kAdd,   // fields appended at the end of the directory
        kDelete,   // the record at nLocal goes
        kNone,   // no record here before or after (its card is to be deleted)
    };
    enum class ERemote
    {
        kKeep,
        kCreate,   // a new card for fields
        kUpdate,   // *pCard rewritten where it differs from fields
        kDelete,
    };
    ELocal local = ELocal::kKeep;
    ERemote remote = ERemote::kKeep;
    int nLocal = -1;
    // The record after the sync.
    CRecordFields fields;
    // The card as the state knows it once this side is in step: valid when
    // bHasEntry. For a card still to be written, the version on the server
    // now; a card still to be created has none.
    bool bHasEntry = false;
    CSyncEntry entry;
    // The card as fetched and parsed this round (null when it was not):
    // it lives as long as the round's CRemoteGatherer.
    const CCard* pCard = nullptr;
    // A copy of the record kept because both sides changed it.
    bool bConflictCopy = false;
    // kCreate of a card the server lost, under the UID and href in entry.
    bool bRestore = false;
};
