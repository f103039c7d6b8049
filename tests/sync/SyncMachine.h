#pragma once

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "sync/SyncCommand.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestRecord.h"
#include "tests/sync/CardDavTestServer.h"

// One machine that syncs with a test server's address book: a folder with
// its directory file, its own state folder and a password file only its
// owner may read; dialstack-sync runs in this process with that state.
class SyncMachine
{
public:
    struct Outcome
    {
        int nStatus = -1;
        std::string text;   // standard output, then standard error
    };

    // dialstack-sync with its state in folder/state.
    static Outcome Run(
        const std::vector<std::string>& args, const std::filesystem::path& folder = std::filesystem::current_path())
    {
        ::setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
        std::ostringstream out;
        std::ostringstream err;
        Outcome outcome;
        outcome.nStatus = CSyncCommand::Run(args, out, err);
        outcome.text = out.str() + err.str();
        return outcome;
    }

    // A file holding the password, readable by its owner alone; its path.
    static std::string OwnPasswordFile(const std::filesystem::path& folder, const std::string& password)
    {
        const std::string path = (folder / "password").string();
        WriteFileBytes(path, password + "\n");
        ::chmod(path.c_str(), 0600);
        return path;
    }

    SyncMachine(const std::filesystem::path& folder, const CardDavTestServer& server)
        : m_folder(folder)
        , m_server(server)
    {
        std::filesystem::create_directories(m_folder / "state");
        m_passwordFile = OwnPasswordFile(m_folder, "secret");
    }

    std::string File() const { return (m_folder / "Dialstack.dat").string(); }
    std::string StateHome() const { return (m_folder / "state").string(); }
    const std::string& PasswordFile() const { return m_passwordFile; }

    void Write(const std::vector<TestRecord>& records) const { WriteFileBytes(File(), DirectoryBytes(records)); }

    // The directory's named records, in order.
    std::vector<TestRecord> Records() const
    {
        CRecordList list;
        list.LoadFile(File().c_str());
        std::vector<TestRecord> records = VisitRecords(list);
        records.erase(
            std::remove_if(records.begin(), records.end(), [](const TestRecord& r) { return r.name.empty(); }),
            records.end());
        return records;
    }

    // The file, the address book and (for radicale) the credentials, then extra.
    std::vector<std::string> Args(std::vector<std::string> extra = {}) const
    {
        std::vector<std::string> args{"--file", File(), "--url", m_server.Book()};
        if (m_server.IsRadicale())
            args.insert(args.end(), {"--user", "user", "--password-file", m_passwordFile});
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    Outcome SyncWith(std::vector<std::string> extra = {}) const { return Run(Args(std::move(extra)), m_folder); }

    int Sync(std::vector<std::string> extra = {}, std::string* pOut = nullptr) const
    {
        const Outcome outcome = SyncWith(std::move(extra));
        if (pOut != nullptr)
            *pOut = outcome.text;
        return outcome.nStatus;
    }

private:
    std::filesystem::path m_folder;
    const CardDavTestServer& m_server;
    std::string m_passwordFile;
};
