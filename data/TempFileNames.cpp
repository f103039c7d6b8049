#include "data/TempFileNames.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <random>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kUniqueLength = 6;
constexpr const char* kCharacterClasses[] = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz", "0123456789"};

bool IsInClass(char ch, const char* pszClass)
{
    return ch != '\0' && std::strchr(pszClass, ch) != nullptr;
}

// Whether a folder entry is a new file of a replace of the target that was
// never renamed into place.
bool IsLeftoverName(std::string_view entry, std::string_view targetName)
{
    if (entry.size() != targetName.size() + 1 + kUniqueLength || entry.substr(0, targetName.size()) != targetName
        || entry[targetName.size()] != '.')
        return false;
    const std::string_view unique = entry.substr(targetName.size() + 1);
    for (const char* pszClass : kCharacterClasses) {
        if (std::count_if(unique.begin(), unique.end(), [pszClass](char ch) { return IsInClass(ch, pszClass); }) != 2)
            return false;
    }
    return true;
}

// A crash between writing the new file and renaming it leaves it behind.
// One older than this belongs to no replace still in progress.
constexpr time_t kLeftoverAgeSeconds = 10 * 60;

}   // namespace

std::string NewTempFileName(const std::string& folder, const std::string& name)
{
    static std::mt19937 random(std::random_device{}());
    std::string unique;
    for (const char* pszClass : kCharacterClasses)
        for (int i = 0; i < 2; ++i)
            unique += pszClass[std::uniform_int_distribution<size_t>(0, std::strlen(pszClass) - 1)(random)];
    std::shuffle(unique.begin(), unique.end(), random);
    return folder + '/' + name + '.' + unique;
}

void RemoveOldTempFiles(const std::string& folder, const std::string& name)
{
    DIR* pFolder = opendir(folder.c_str());
    if (!pFolder)
        return;
    const time_t now = time(nullptr);
    while (const dirent* entry = readdir(pFolder)) {
        if (!IsLeftoverName(entry->d_name, name))
            continue;
        struct stat info
        {
        };
        if (fstatat(dirfd(pFolder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == geteuid() && now - info.st_mtime > kLeftoverAgeSeconds)
            unlinkat(dirfd(pFolder), entry->d_name, 0);
    }
    closedir(pFolder);
}
