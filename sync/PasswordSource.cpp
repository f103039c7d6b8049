#include "sync/PasswordSource.h"

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <fstream>
#include <iostream>

#include <QString>

#include "sync/SyncText.h"

CPasswordSource::EFile CPasswordSource::ReadFile(const std::string& strPath, std::string& strPassword)
{
    struct stat info;
    if (::stat(strPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return EFile::kUnreadable;
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return EFile::kShared;
    std::ifstream in(strPath, std::ios::binary);
    return ReadLine(in, strPassword) ? EFile::kRead : EFile::kUnreadable;
}

bool CPasswordSource::ReadLine(std::istream& in, std::string& strPassword)
{
    std::string line;
    if (!in || !std::getline(in, line) || line.empty())
        return false;
    if (line.back() == '\r')
        line.pop_back();
    strPassword = line;
    return !strPassword.empty();
}

bool CPasswordSource::IsTerminal()
{
    return ::isatty(STDIN_FILENO) != 0;
}

bool CPasswordSource::Prompt(const std::string& strQuestion, std::string& strPassword, std::ostream& out)
{
    if (!IsTerminal())
        return false;
    out << strQuestion << std::flush;
    termios saved;
    const bool bTerminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (bTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::getline(std::cin, strPassword);
    if (bTerminal)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    out << '\n';
    return true;
}

bool CPasswordSource::Agree(const std::string& strQuestion, std::ostream& out)
{
    if (!IsTerminal())
        return false;
    out << strQuestion << ' ' << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    // The answer in the user's language, or the English one.
    const QString given = QString::fromLocal8Bit(answer.c_str()).trimmed().toLower();
    const QString yes = QString::fromStdString(CSyncText::Tr("y")).toLower();
    return !given.isEmpty() && (yes.startsWith(given.left(1)) || given.startsWith('y'));
}
