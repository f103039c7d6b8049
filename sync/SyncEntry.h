#pragma once

#include <string>

#include "data/RecordFields.h"

// One record that is on the server too: its card's UID, where the card is
// and which version of it was last seen, and the record as it was when the
// two last agreed.
struct CSyncEntry
{
    std::string strUid;
    std::string strHref;
    std::string strEtag;
    CRecordFields fields;
};
