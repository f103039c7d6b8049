#include "sync/SyncMerge.h"

#include <map>

#include "sync/RecordAlignment.h"
#include "vcard/DirectoryText.h"

namespace {

// Each field from the side that changed it; FALSE when one field was
// changed to different values on both sides.
bool MergeFields(
    const CRecordFields& base, const CRecordFields& here, const CRecordFields& there, CRecordFields& merged)
{
    bool bClean = true;
    auto pick = [&](const CString& b, const CString& h, const CString& t) {
        if (h == b || h == t)
            return t;
        if (t != b)
            bClean = false;
        return h;
    };
    merged.strName = pick(base.strName, here.strName, there.strName);
    merged.strPhone = pick(base.strPhone, here.strPhone, there.strPhone);
    merged.strPager = pick(base.strPager, here.strPager, there.strPager);
    merged.strEmail = pick(base.strEmail, here.strEmail, there.strEmail);
    merged.strMisc = pick(base.strMisc, here.strMisc, there.strMisc);
    return bClean;
}

// The conflict a copy stands for: every field both sides changed, to
// different values.
CSyncOutcome::Conflict Conflict(
    const CRecordFields& base, const CRecordFields& here, const CRecordFields& there, const CString& copyName)
{
    CSyncOutcome::Conflict conflict{CDirectoryText::ToUtf8(there.strName), CDirectoryText::ToUtf8(copyName), {}};
    const std::pair<const char*, CString CRecordFields::*> fields[] = {{"name", &CRecordFields::strName},
        {"phone", &CRecordFields::strPhone}, {"pager", &CRecordFields::strPager},
        {"email", &CRecordFields::strEmail}, {"misc", &CRecordFields::strMisc}};
    for (const auto& [pszField, member] : fields) {
        const CString& h = here.*member;
        const CString& t = there.*member;
        if (h != base.*member && t != base.*member && h != t)
            conflict.fields.push_back({pszField, CDirectoryText::ToUtf8(h), CDirectoryText::ToUtf8(t)});
    }
    return conflict;
}

class Merger
{
public:
    Merger(const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local,
        const CSyncMerge::Alignment& alignment, const std::vector<CRemoteCard>& remote,
        const std::vector<CRemoteCard>& newCards)
        : m_state(state)
        , m_local(local)
        , m_alignment(alignment)
        , m_remote(remote)
        , m_newCards(newCards)
        , m_bNewCardTaken(newCards.size(), false)
    {
        for (size_t i = 0; i < newCards.size(); ++i)
            if (!newCards[i].fields.strName.IsEmpty())
                m_newCardsByName.emplace(newCards[i].fields.strName.Bytes(), i);
    }

    CSyncMerge::Plan Run()
    {
        for (const auto& [nOld, nNew] : m_alignment) {
            if (nOld < 0)
                NewHere(nNew);
            else
                Known(static_cast<size_t>(nOld), nNew);
        }
        for (size_t i = 0; i < m_newCards.size(); ++i)
            if (!m_bNewCardTaken[i] && !m_newCards[i].fields.strName.IsEmpty())
                NewThere(m_newCards[i]);
        m_plan.items.insert(m_plan.items.end(), m_appended.begin(), m_appended.end());
        m_plan.nLocalRecords = static_cast<int>(m_local.size());
        for (const CRemoteCard& card : m_remote)
            m_plan.nRemoteCards += card.status == CRemoteCard::EStatus::kGone || card.bLeftOut ? 0 : 1;
        m_plan.nRemoteCards += static_cast<int>(m_newCards.size());
        return std::move(m_plan);
    }

private:
    // A record the server does not have yet, unless a new card there holds
    // the very same fields.
    void NewHere(int nLocal)
    {
        const CRecordFields& fields = m_local[static_cast<size_t>(nLocal)];
        CSyncItem item;
        item.nLocal = nLocal;
        item.fields = fields;
        auto [first, last] = m_newCardsByName.equal_range(fields.strName.Bytes());
        for (auto it = first; it != last; ++it) {
            const CRemoteCard& card = m_newCards[it->second];
            if (!m_bNewCardTaken[it->second] && card.fields == fields) {
                m_bNewCardTaken[it->second] = true;
                item.bHasEntry = true;
                item.entry.strUid = card.strUid;
                item.entry.strHref = card.strHref;
                item.entry.strEtag = card.strEtag;
                item.entry.fields = fields;
                m_plan.items.push_back(std::move(item));
                return;
            }
        }
        item.remote = CSyncItem::ERemote::kCreate;
        m_plan.items.push_back(std::move(item));
    }

    void NewThere(const CRemoteCard& card)
    {
        CSyncItem item;
        item.local = CSyncItem::ELocal::kAdd;
        item.fields = card.fields;
        item.bHasEntry = true;
        item.entry.strUid = card.strUid;
        item.entry.strHref = card.strHref;
        item.entry.strEtag = card.strEtag;
        item.entry.fields = card.fields;
        m_appended.push_back(std::move(item));
    }

    // A record the state knows: what each side did with it since.
    void Known(size_t nEntry, int nLocal)
    {
        const CSyncEntry& base = m_state[nEntry];
        const CRemoteCard& card = m_remote[nEntry];
        // Only the server's word makes a card gone: one it could not give
        // counts as unchanged, under its old ETag, so that nothing is lost
        // and the next sync looks again.
        const bool bSeenChanged = card.status == CRemoteCard::EStatus::kChanged && card.bFetched;
        const bool bChangedThere = bSeenChanged && card.fields != base.fields;

        CSyncItem item;
        item.nLocal = nLocal;
        item.bHasEntry = true;
        item.entry = base;
        item.entry.strEtag = bSeenChanged ? card.strEtag : base.strEtag;
        // What the server holds now: the state's record unless it changed.
        item.entry.fields = bChangedThere ? card.fields : base.fields;
        item.pCard = card.card ? &*card.card : nullptr;

        if (card.bLeftOut) {
            LeftOut(std::move(item));
        } else if (card.status == CRemoteCard::EStatus::kGone) {
            if (nLocal >= 0)   // else gone on both sides
                GoneThere(std::move(item), base);
        } else if (nLocal < 0) {
            DeletedHere(std::move(item), base, bChangedThere);
        } else {
            KeptOnBoth(std::move(item), base);
        }
    }

    // Its card is no contact now: nothing goes to it. The record stays
    // here as it is, its entry following it so that it is still told
    // apart; a record deleted here leaves the card alone and forgets it.
    void LeftOut(CSyncItem item)
    {
        if (item.nLocal < 0) {
            item.local = CSyncItem::ELocal::kNone;
            item.bHasEntry = false;
        } else {
            item.fields = m_local[static_cast<size_t>(item.nLocal)];
            item.entry.fields = item.fields;
        }
        m_plan.items.push_back(std::move(item));
    }

    void GoneThere(CSyncItem item, const CSyncEntry& base)
    {
        item.bHasEntry = false;
        item.fields = m_local[static_cast<size_t>(item.nLocal)];
        if (item.fields != base.fields) {
            // Changed here, deleted there: the change wins, as a new card.
            item.remote = CSyncItem::ERemote::kCreate;
        } else {
            item.local = CSyncItem::ELocal::kDelete;
        }
        m_plan.items.push_back(std::move(item));
    }

    void DeletedHere(CSyncItem item, const CSyncEntry& base, bool bChangedThere)
    {
        if (bChangedThere) {
            // Deleted here, changed there: the record comes back, at the end.
            item.local = CSyncItem::ELocal::kAdd;
            item.fields = item.entry.fields;
            m_appended.push_back(std::move(item));
            return;
        }
        item.local = CSyncItem::ELocal::kNone;
        item.remote = CSyncItem::ERemote::kDelete;
        item.fields = base.fields;
        m_plan.items.push_back(std::move(item));
    }

    void KeptOnBoth(CSyncItem item, const CSyncEntry& base)
    {
        const CRecordFields& here = m_local[static_cast<size_t>(item.nLocal)];
        const CRecordFields& there = item.entry.fields;
        CRecordFields merged;
        if (!MergeFields(base.fields, here, there, merged)) {
            // The same field changed to different values on both sides: the
            // record takes the server's version, and the local one is kept
            // beside it as a copy that goes to the server too.
            ++m_plan.nConflicts;
            CSyncItem copy;
            copy.local = CSyncItem::ELocal::kAdd;
            copy.remote = CSyncItem::ERemote::kCreate;
            copy.fields = here;
            copy.fields.strName += CSyncMerge::ConflictSuffix();
            copy.bConflictCopy = true;
            m_plan.conflicts.push_back(Conflict(base.fields, here, there, copy.fields.strName));
            m_appended.push_back(std::move(copy));
            merged = there;
        }
        item.fields = merged;
        if (merged != here)
            item.local = CSyncItem::ELocal::kUpdate;
        if (merged != there)
            item.remote = CSyncItem::ERemote::kUpdate;
        m_plan.items.push_back(std::move(item));
    }

    const std::vector<CSyncEntry>& m_state;
    const std::vector<CRecordFields>& m_local;
    const CSyncMerge::Alignment& m_alignment;
    const std::vector<CRemoteCard>& m_remote;
    const std::vector<CRemoteCard>& m_newCards;
    std::vector<bool> m_bNewCardTaken;
    std::multimap<std::string, size_t> m_newCardsByName;
    std::vector<CSyncItem> m_appended;
    CSyncMerge::Plan m_plan;
};

}   // namespace

CSyncMerge::Alignment CSyncMerge::Align(const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local)
{
    std::vector<const CRecordFields*> oldRecords;
    oldRecords.reserve(state.size());
    for (const CSyncEntry& entry : state)
        oldRecords.push_back(&entry.fields);
    std::vector<const CRecordFields*> newRecords;
    newRecords.reserve(local.size());
    for (const CRecordFields& fields : local)
        newRecords.push_back(&fields);
    return CRecordAlignment::Align(oldRecords, newRecords);
}

CSyncMerge::Plan CSyncMerge::Merge(const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local,
    const Alignment& alignment, const std::vector<CRemoteCard>& remote, const std::vector<CRemoteCard>& newCards)
{
    return Merger(state, local, alignment, remote, newCards).Run();
}

std::vector<size_t> CSyncMerge::TouchedHere(
    const std::vector<CSyncEntry>& state, const std::vector<CRecordFields>& local, const Alignment& alignment)
{
    std::vector<size_t> touched;
    for (const auto& [nOld, nNew] : alignment)
        if (nOld >= 0 && (nNew < 0 || local[static_cast<size_t>(nNew)] != state[static_cast<size_t>(nOld)].fields))
            touched.push_back(static_cast<size_t>(nOld));
    return touched;
}
