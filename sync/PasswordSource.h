#pragma once

#include <iosfwd>
#include <istream>
#include <string>

// Where a password is read from: a file only its owner may read, standard
// input, or the terminal. Each gives the first line, without its line end
// (LF or CR LF).
class CPasswordSource
{
public:
    enum class EFile
    {
        kRead,
        kUnreadable,   // gone, not a file, or empty
        kShared,   // others may read it: a password there is no secret
    };
    static EFile ReadFile(const std::string& strPath, std::string& strPassword);
    // The first line of in (a pipe), up to its end or the end of input;
    // FALSE when there was nothing.
    static bool ReadLine(std::istream& in, std::string& strPassword);

    // Whether standard input is a terminal, where the user can be asked.
    static bool IsTerminal();
    // Asks on the terminal without echo; FALSE when there is none.
    static bool Prompt(const std::string& strQuestion, std::string& strPassword, std::ostream& out);
    // Asks a yes-or-no question on the terminal; TRUE only for a yes.
    static bool Agree(const std::string& strQuestion, std::ostream& out);
};
