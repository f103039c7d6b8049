#pragma once

#include <string>
#include <vector>

#include "convert/Contact.h"

// Reads contacts from CSV (RFC 4180, read leniently: LF or CRLF line ends,
// a byte-order mark, semicolon or tab instead of comma when the header uses
// them). The first row is the header; columns are matched by name, ignoring
// case, for this program's own export and the usual exports of address books
// (see the README). A file that is not valid UTF-8 is read as Windows-1252.
//
// The name is the name column, else the given, middle and family names,
// else the company. The phone is the phone or primary phone column, else the
// first phone-like column that holds a number; the pager the pager column or
// a number typed pager; the e-mail the first address. Every other non-empty
// cell moves to misc under its column's name, except bookkeeping columns
// and the defaults some programs fill in ("Normal", "0/0/00"), which are
// named as left out or dropped.
class CCsvReader
{
public:
    // FALSE, with the reason in strError, when there is no header or no
    // column of it can give a name.
    static bool Read(const std::string& bytes, std::vector<CContact>& contacts, std::string& strError);
};
