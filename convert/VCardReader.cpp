#include "convert/VCardReader.h"

#include "convert/ConvertText.h"
#include "vcard/AsciiText.h"

namespace {

bool IsCardBoundary(const CVCardLexer& line, std::string_view which)
{
    return EqualsNoCase(line.Name(), which) && EqualsNoCase(Trimmed(line.Value()), "VCARD");
}

}   // namespace

CVCardReader::CVCardReader(ContactHandler onContact)
    : m_onContact(std::move(onContact))
    , m_unfolder(CContact::kMaxHeldText, [this](std::string_view line, bool bCut) { TakeContentLine(line, bCut); })
{
}

CVCardReader::~CVCardReader() = default;

void CVCardReader::Feed(std::string_view text)
{
    m_unfolder.Feed(text);
}

void CVCardReader::BeginCard()
{
    if (m_nOpenCards == m_cards.size())
        m_cards.push_back(std::make_unique<CVCardMapper>());
    m_cards[m_nOpenCards++]->Start(++m_nCardsBegun);
    m_unfolder.SetKeepFoldWhiteSpace(false);
}

void CVCardReader::EndCard(bool bCutOff)
{
    CVCardMapper& card = *m_cards[--m_nOpenCards];
    if (bCutOff)
        card.LeaveOut({DIALSTACK_TR_NOOP("DialstackConvert", "END (the vCard was cut off)"), {}});
    card.Build(m_contact);
    m_onContact(m_contact);
}

void CVCardReader::TakeContentLine(std::string_view line, bool bCut)
{
    if (!m_lexer.Split(line)) {
        if (m_nOpenCards > 0 && m_nAgentDepth == 0 && !Trimmed(line).empty())
            m_cards[m_nOpenCards - 1]->LeaveOut(
                {DIALSTACK_TR_NOOP("DialstackConvert", "a line that is no vCard property: \"%1\""),
                    {std::string(line.substr(0, 240))}});
        return;
    }
    if (IsCardBoundary(m_lexer, "BEGIN")) {
        if (m_nAgentDepth > 0 || (m_nOpenCards > 0 && m_bAfterAgent))
            ++m_nAgentDepth;
        else if (m_nOpenCards == kMaxNesting)
            ++m_nTooDeep;
        else
            BeginCard();
        m_bAfterAgent = false;
        return;
    }
    if (IsCardBoundary(m_lexer, "END")) {
        if (m_nAgentDepth > 0)
            --m_nAgentDepth;
        else if (m_nTooDeep > 0)
            --m_nTooDeep;
        else if (m_nOpenCards > 0)
            EndCard(false);
        return;
    }
    if (m_nAgentDepth > 0 || m_nOpenCards == 0)
        return;   // the agent's own card, or outside any card
    m_bAfterAgent = EqualsNoCase(m_lexer.Name(), "AGENT") && Trimmed(m_lexer.Value()).empty();
    if (EqualsNoCase(m_lexer.Name(), "VERSION"))
        m_unfolder.SetKeepFoldWhiteSpace(Trimmed(m_lexer.Value()) == "2.1");
    m_cards[m_nOpenCards - 1]->Add(m_lexer, bCut);
}

bool CVCardReader::Finish(std::string& strError)
{
    m_unfolder.Finish();
    while (m_nOpenCards > 0)
        EndCard(true);
    if (m_nCardsBegun == 0) {
        strError = ConvertText::Tr("it holds no vCard (no BEGIN:VCARD line)");
        return false;
    }
    return true;
}
