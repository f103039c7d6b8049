#include "convert/ImportReport.h"

#include <ostream>

#include "convert/ConvertText.h"
#include "shell/PrintableText.h"
#include "vcard/AsciiText.h"

using ConvertText::Tr;

namespace {

// What was left out, in the user's language, its parts where the language
// puts them.
std::string Said(const CLeftOut& item)
{
    const auto part = [&item](size_t i) { return i < item.parts.size() ? item.parts[i] : std::string(); };
    return Tr(item.pszText, {part(0), part(1), part(2)});
}

}   // namespace

CImportReport::CImportReport(std::ostream* pDetails)
    : m_pDetails(pDetails)
{
}

void CImportReport::Detail(const std::string& line)
{
    if (m_pDetails)
        *m_pDetails << line << '\n';
}

void CImportReport::ContactSkipped(const std::string& strWhere, const std::string& strWhy)
{
    ++m_nContactsSkipped;
    Detail(Tr("%1: skipped, %2", {strWhere, strWhy}));
}

void CImportReport::CardLeftAlone(const std::string& strWhere, ECardKind kind)
{
    ++m_nCardsLeftAlone;
    Detail(kind == ECardKind::kGroup ? Tr("%1: left alone, a group is not a contact", {strWhere})
                                     : Tr("%1: left alone, a place is not a contact", {strWhere}));
}

void CImportReport::ValuesMoved(const std::string& strRecord, const std::vector<std::string>& values)
{
    for (const std::string& value : values) {
        ++m_nValuesMoved;
        if (m_pDetails)
            Detail(Tr("%1: moved to misc: %2", {strRecord, Printable(OneLine(value))}));
    }
}

void CImportReport::CharactersReplaced(const std::string& strRecord, const char* pszCounted, int nCount)
{
    m_nCharactersReplaced += nCount;
    if (m_pDetails)
        Detail(Tr("%1: %2", {strRecord, Tr(pszCounted, nullptr, nCount)}));
}

void CImportReport::LeftOut(const std::string& strRecord, const std::vector<CLeftOut>& what)
{
    for (const CLeftOut& item : what) {
        ++m_nLeftOut;
        if (m_pDetails)
            Detail(Tr("%1: left out: %2", {strRecord, Printable(OneLine(Said(item)))}));
    }
}

std::string CImportReport::SummaryLine() const
{
    return Tr("%n record added", nullptr, m_nRecordsAdded) + ", "
        + Tr("%n contact skipped", nullptr, m_nContactsSkipped) + ", "
        + Tr("%n value moved to misc", nullptr, m_nValuesMoved) + ", "
        + Tr("%n character replaced", nullptr, m_nCharactersReplaced)
        + (m_nCardsLeftAlone == 0 ? std::string()
                                  : ", " + Tr("%n group or place left alone", nullptr, m_nCardsLeftAlone));
}
