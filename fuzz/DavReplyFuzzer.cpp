// Feeds arbitrary bytes to the reader of a CardDAV server's replies, as
// the sync would take them: each card that comes with the reply is read
// into a record, and writing the record it maps to back onto the card must
// leave every byte of the card as it was. The same bytes as the body of a
// refused write are read for the condition they name.

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
    (void)CDavMultiStatus::Precondition(bytes);
    std::string strToken;
    std::string strError;
    size_t nMembers = 0;
    CDavMultiStatus::Parse(
        bytes,
        [&](CDavResponse& response) {
            // Each member is one href of the reply: never more members
            // than bytes, however the hrefs share a response.
            if (++nMembers > bytes.size()) {
                std::fprintf(stderr, "more members than bytes in the reply\n");
                std::abort();
            }
            if (!response.bHasAddressData)
                return;
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
        },
        strToken, strError);
    return 0;
}
