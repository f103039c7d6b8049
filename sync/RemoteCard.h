#pragma once

#include <optional>
#include <string>

#include "data/RecordFields.h"
#include "sync/Card.h"

// A card as the server holds it now, seen from the last sync.
struct CRemoteCard
{
    enum class EStatus
    {
        kSame,   // the ETag the state knows
        kChanged,   // another ETag: someone wrote it since
        kGone,
    };
    EStatus status = EStatus::kSame;
    std::string strHref;
    std::string strEtag;
    // The card, parsed, when it was fetched, and the record it maps to.
    bool bFetched = false;
    std::optional<CCard> card;
    std::string strUid;
    CRecordFields fields;
    // Fetched, and no contact (a group, a place: CCard::IsContact): never
    // a record, and never written to or deleted.
    bool bLeftOut = false;
};
