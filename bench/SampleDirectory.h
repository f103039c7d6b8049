#pragma once

// Writes a directory file of short names, notes, phones and e-mail
// addresses straight to disk, a chunk at a time, so that making the file
// adds nothing to the memory a benchmark measures afterwards.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace SampleDirectory {

inline void AppendField(std::string& bytes, const std::string& field)
{
    for (char ch : field)
        bytes += ch == ' ' ? '\xA5' : ch;
    bytes += '\x16';
}

// Record i in file order: name, misc, phone, pager, email.
inline void AppendRecord(std::string& bytes, int i)
{
    const std::string n = std::to_string(i);
    AppendField(bytes, "Name " + n);
    AppendField(bytes, "a note");
    AppendField(bytes, "555 " + n);
    AppendField(bytes, "");
    AppendField(bytes, "person" + n + "@example.org");
}

// Writes nRecords records (none: the empty directory) to pszFileName.
inline void Write(const char* pszFileName, int nRecords)
{
    std::FILE* file = std::fopen(pszFileName, "wb");
    if (!file)
        std::abort();
    std::string bytes = "0\xA5" + std::to_string(nRecords == 0 ? 1 : nRecords);
    if (nRecords == 0)
        bytes += "\x16\x16\x16\x16\x16";
    for (int i = 0; i < nRecords; ++i) {
        AppendRecord(bytes, i);
        if (bytes.size() >= 1 << 16) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            bytes.clear();
        }
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    if (std::fclose(file) != 0)
        std::abort();
}

}   // namespace SampleDirectory
