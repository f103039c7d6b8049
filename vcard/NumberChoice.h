#pragma once

#include <string>
#include <vector>

#include "vcard/Contact.h"

// One telephone number of a contact, as either reader found it.
struct CNumber
{
    std::string strValue;
    std::string strLabel;   // what it goes under in misc ("Mobile", "Home Phone")
    bool bPreferred = false;   // marked preferred, or in the file's main phone column
    bool bPager = false;
};

// Which numbers a record takes, the same for every format and for import
// and the sync alike: the first pager number is the pager; the first
// preferred other number, else the first other, is the phone. Indexes into
// the numbers; -1 for none.
struct CNumberChoice
{
    int nPhone = -1;
    int nPager = -1;
};
CNumberChoice ChoosePhoneAndPager(const std::vector<CNumber>& numbers);

// Puts the numbers on the contact as ChoosePhoneAndPager says; the rest
// move to misc in file order.
void ChooseNumbers(const std::vector<CNumber>& numbers, CContact& contact);
