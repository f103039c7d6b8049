#pragma once

#include <memory>
#include <vector>

#include "convert/ContactReader.h"
#include "vcard/VCardLexer.h"
#include "vcard/VCardMapper.h"
#include "vcard/VCardUnfolder.h"

// Reads vCards 2.1, 3.0 and 4.0 as address books write them (folded lines,
// property groups, parameters in every form, quoted-printable values with
// soft line breaks, CHARSET=, binary values, tel: URIs, LF or CRLF line
// ends), one card at a time: each card is mapped (CVCardMapper) and handed
// over at its END, and only the card being read is held.
//
// A vCard inside another through vCard 2.1's AGENT is the other person's
// and is left out. A vCard begun inside another without AGENT is a contact
// of its own; the outer one goes on after it ends. A card cut off by the
// end of the file is still a contact. A line inside a card that is no
// content line is named as left out.
class CVCardReader : public CContactReader
{
public:
    explicit CVCardReader(ContactHandler onContact);
    ~CVCardReader() override;

    void Feed(std::string_view text) override;
    bool Finish(std::string& strError) override;

    // Cards begun inside cards deeper than this are read as part of the
    // innermost one allowed, so that nesting cannot make it hold more.
    static constexpr size_t kMaxNesting = 8;

private:
    void TakeContentLine(std::string_view line, bool bCut);
    void BeginCard();
    void EndCard(bool bCutOff);

    ContactHandler m_onContact;
    CVCardUnfolder m_unfolder;
    CVCardLexer m_lexer;
    std::vector<std::unique_ptr<CVCardMapper>> m_cards;   // the innermost last
    size_t m_nOpenCards = 0;
    CContact m_contact;
    int m_nCardsBegun = 0;
    int m_nAgentDepth = 0;   // inside a vCard given through AGENT
    int m_nTooDeep = 0;   // cards begun beyond kMaxNesting, still open
    bool m_bAfterAgent = false;
};
