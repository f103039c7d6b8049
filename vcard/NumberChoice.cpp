#include "vcard/NumberChoice.h"

CNumberChoice ChoosePhoneAndPager(const std::vector<CNumber>& numbers)
{
    CNumberChoice choice;
    for (size_t i = 0; i < numbers.size(); ++i) {
        const CNumber& number = numbers[i];
        const int n = static_cast<int>(i);
        if (number.bPager && choice.nPager < 0)
            choice.nPager = n;
        else if (!number.bPager && number.bPreferred
            && (choice.nPhone < 0 || !numbers[static_cast<size_t>(choice.nPhone)].bPreferred))
            choice.nPhone = n;
        else if (!number.bPager && choice.nPhone < 0)
            choice.nPhone = n;
    }
    return choice;
}

void ChooseNumbers(const std::vector<CNumber>& numbers, CContact& contact)
{
    const CNumberChoice choice = ChoosePhoneAndPager(numbers);
    for (size_t i = 0; i < numbers.size(); ++i) {
        const CNumber& number = numbers[i];
        if (static_cast<int>(i) == choice.nPager)
            contact.m_strPager = number.strValue;
        else if (static_cast<int>(i) == choice.nPhone)
            contact.m_strPhone = number.strValue;
        else
            contact.MoveToMisc(number.strLabel, number.strValue);
    }
}
