#pragma once

#include "sync/LocalRecords.h"
#include "sync/SyncMerge.h"

// The guard against mass deletion: a sync that would delete more than half
// of what one side holds, and more than five, is refused unless forced, or
// what it would delete is brought back instead.
class CDeletionGuard
{
public:
    // FALSE, with kTooManyDeletions naming what would go on the side (or
    // sides) that would lose too many, when the plan deletes too much.
    static bool Allows(const CSyncMerge::Plan& plan, const CLocalRecords& local, CSyncOutcome& failure);

    // Makes the plan delete nothing: a record deleted here comes back from
    // its card, at the end of the directory, and a card the server lost is
    // written again from its record, under the UID and href the state
    // remembers.
    static void BringBack(CSyncMerge::Plan& plan);
};
