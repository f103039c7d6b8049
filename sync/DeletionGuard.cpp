#include "sync/DeletionGuard.h"

#include <iterator>
#include <utility>

#include "vcard/DirectoryText.h"

namespace {

using L = CSyncItem::ELocal;
using R = CSyncItem::ERemote;

// More than half of what a side holds, and more than five.
bool TooMany(const CSyncOutcome::Deletions& deletions)
{
    return deletions.nDeleted > 5 && deletions.nDeleted * 2 > deletions.nTotal;
}

}   // namespace

bool CDeletionGuard::Allows(const CSyncMerge::Plan& plan, const CLocalRecords& local, CSyncOutcome& failure)
{
    CSyncOutcome::Deletions here{0, plan.nLocalRecords, {}};
    CSyncOutcome::Deletions there{0, plan.nRemoteCards, {}};
    for (const CSyncItem& item : plan.items) {
        if (item.local == L::kDelete)
            here.names.push_back(CDirectoryText::ToUtf8(local.records[static_cast<size_t>(item.nLocal)].strName));
        if (item.remote == R::kDelete)
            there.names.push_back(CDirectoryText::ToUtf8(item.fields.strName));
    }
    here.nDeleted = static_cast<int>(here.names.size());
    there.nDeleted = static_cast<int>(there.names.size());
    const bool bHere = TooMany(here);
    const bool bThere = TooMany(there);
    if (!bHere && !bThere)
        return true;
    failure = CSyncOutcome();
    failure.kind = CSyncOutcome::EKind::kTooManyDeletions;
    if (bHere)
        failure.here = std::move(here);
    if (bThere)
        failure.there = std::move(there);
    return false;
}

void CDeletionGuard::BringBack(CSyncMerge::Plan& plan)
{
    // Records that come back are added at the end, after the records kept,
    // as the state lists its entries in the directory's order.
    std::vector<CSyncItem> items;
    std::vector<CSyncItem> back;
    for (CSyncItem& item : plan.items) {
        if (item.remote == R::kDelete) {
            item.local = L::kAdd;
            item.remote = R::kKeep;
            item.fields = item.entry.fields;
            back.push_back(std::move(item));
            continue;
        }
        if (item.local == L::kDelete) {
            item.local = L::kKeep;
            item.remote = R::kCreate;
            item.bRestore = true;
        }
        items.push_back(std::move(item));
    }
    items.insert(items.end(), std::make_move_iterator(back.begin()), std::make_move_iterator(back.end()));
    plan.items = std::move(items);
}
