#pragma once

#include <string>
#include <vector>

// One contact read from a vCard or CSV file, in Unicode (UTF-8), already
// sorted onto the record's fields. Values may still hold line breaks.
class CContact
{
public:
    std::string m_strName;
    std::string m_strPhone;
    std::string m_strPager;
    std::string m_strEmail;
    std::string m_strNote;
    // Values without a field of their own, as "label: value", in file order;
    // they go into the misc field after the note.
    std::vector<std::string> m_movedValues;
    // What was read but is not kept (photos, properties or columns of no
    // use in a directory), named for the report.
    std::vector<std::string> m_leftOut;
    // 1-based place of the contact in its file, to name a contact without a name.
    int m_nNumber = 0;

    void MoveToMisc(const std::string& strLabel, const std::string& strValue)
    {
        m_movedValues.push_back(strLabel + ": " + strValue);
    }
};
