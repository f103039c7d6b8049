#include "vcard/NumberChoice.h"

void ChooseNumbers(const std::vector<CNumber>& numbers, CContact& contact)
{
    const CNumber* pPager = nullptr;
    const CNumber* pPhone = nullptr;
    for (const CNumber& number : numbers) {
        if (number.bPager && !pPager)
            pPager = &number;
        else if (!number.bPager && number.bPreferred && (!pPhone || !pPhone->bPreferred))
            pPhone = &number;
        else if (!number.bPager && !pPhone)
            pPhone = &number;
    }
    for (const CNumber& number : numbers) {
        if (&number == pPager)
            contact.m_strPager = number.strValue;
        else if (&number == pPhone)
            contact.m_strPhone = number.strValue;
        else
            contact.MoveToMisc(number.strLabel, number.strValue);
    }
}
