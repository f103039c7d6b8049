#pragma once

#include <filesystem>
#include <string>

#include <sys/mount.h>

// A small tmpfs mounted on a directory inside the working directory, made
// the working directory; unmounted again at the end. Tests use it for a
// full disk or a folder that turns read-only. Mounting needs root with the
// right to mount, so tests skip when IsMounted() is false.
class MountedTmpfs
{
public:
    explicit MountedTmpfs(const std::string& options)
        : m_path(std::filesystem::current_path() / "mnt")
    {
        std::filesystem::create_directory(m_path);
        m_bMounted = mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (m_bMounted)
            std::filesystem::current_path(m_path);
    }
    ~MountedTmpfs()
    {
        if (!m_bMounted)
            return;
        std::filesystem::current_path(m_path.parent_path());
        umount2(m_path.c_str(), MNT_DETACH);
    }
    MountedTmpfs(const MountedTmpfs&) = delete;
    MountedTmpfs& operator=(const MountedTmpfs&) = delete;

    bool IsMounted() const { return m_bMounted; }
    bool MakeReadOnly() { return mount(nullptr, m_path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

private:
    std::filesystem::path m_path;
    bool m_bMounted = false;
};
