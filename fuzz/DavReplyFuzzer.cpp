// Feeds arbitrary bytes to the reader of a CardDAV server's replies, as
// the sync would take them: each card that comes with the reply is read
// into a record, and writing the record it maps to back onto the card must
// leave every byte of the card as it was.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sync/Card.h"
#include "sync/DavMultiStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string bytes(reinterpret_cast<const char*>(pData), nSize);
    CDavMultiStatus status;
    std::string strError;
    if (!CDavMultiStatus::Parse(bytes, status, strError))
        return 0;
    for (const CDavResponse& response : status.m_responses) {
        if (!response.bHasAddressData)
            continue;
        CCard card(response.strAddressData);
        if (card.Text() != response.strAddressData) {
            std::fprintf(stderr, "the card model did not keep the card's bytes\n");
            std::abort();
        }
        card.Apply(card.Fields());
        if (card.Text() != response.strAddressData) {
            std::fprintf(stderr, "writing back an unchanged record changed the card\n");
            std::abort();
        }
    }
    return 0;
}
