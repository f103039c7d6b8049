#pragma once

#include <string>

#include "data/RecordFields.h"

// Writes records as CSV (RFC 4180): UTF-8, CRLF line ends, the header row
// "Name,Phone,Pager,Email,Note", a cell quoted when it holds a comma, a
// semicolon, a quote, a line break or white space at either end. The cells
// are separated by commas, or (for spreadsheet programs whose list
// separator it is) by semicolons.
class CCsvWriter
{
public:
    static void WriteHeader(std::string& out, char separator = ',');
    static void Write(const CRecordFields& record, std::string& out, char separator = ',');
};
