#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

#include <cups/cups.h>

#include "tests/support/FileBytes.h"

// A CUPS scheduler of the test's own, so printing can be tested end to end
// without touching /etc/cups or any scheduler of the machine.
//
// Everything lives in one fresh temporary directory: configuration, spool,
// logs, the scheduler's socket and a home directory. While the object lives,
// this process talks to that scheduler only: CUPS_SERVER names its socket,
// CUPS_SERVERROOT and HOME point into the directory (so no client.conf or
// lpoptions of the machine or the user can pick another default), and LPDEST
// and PRINTER are unset. The destructor stops the scheduler, restores the
// environment and removes the directory.
//
// libcups reads HOME and CUPS_SERVERROOT once per thread, on its first call:
// construct the server before anything in the test calls libcups.
//
// The printer it adds is a raw queue, or a queue with the driver a PPD file
// names (the system's filters run for it), whose backend (a small shell
// script of ours) copies every job to its own file, so a test can read back
// the exact bytes the printer would have received. Each test case runs in its
// own process and its own directory, so cases may run in parallel.
//
// Usage:
//     if (std::string reason = PrivateCupsServer::SkipReason(); !reason.empty())
//         GTEST_SKIP() << reason;
//     PrivateCupsServer cups;
//     ASSERT_TRUE(cups.StartWithDefaultPrinter()) << cups.Log();
//     ... print ...
//     std::optional<std::string> job = cups.WaitForJobFile();
class PrivateCupsServer
{
public:
    // Why the server cannot run here, or empty when it can. The scheduler
    // must run as root to run our backend as root and own its spool.
    static std::string SkipReason()
    {
        if (geteuid() != 0)
            return "a private CUPS scheduler needs root (run the suite as root, as CI does)";
        for (const char* tool : {kCupsd, kLpadmin, kCupsenable, kCupsaccept, kCupsreject})
            if (access(tool, X_OK) != 0)
                return std::string(tool) + " is missing (install cups-daemon and cups-client)";
        return {};
    }

    PrivateCupsServer()
    {
        m_dir = MakeTempDirectory();
        m_socket = m_dir / "cups.sock";
        WriteConfiguration();
        InstallCaptureBackend();
        PointProcessAtServer();
    }

    ~PrivateCupsServer()
    {
        Stop();
        RestoreEnvironment();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Starts the scheduler, with no printers, and waits until it accepts
    // connections.
    bool Start()
    {
        if (m_pid > 0)
            return true;
        std::vector<std::string> args
            = {kCupsd, "-f", "-c", (m_dir / "cupsd.conf").string(), "-s", (m_dir / "cups-files.conf").string()};
        m_pid = Spawn(args);
        return m_pid > 0 && WaitUntilListening(std::chrono::seconds(10));
    }

    // Adds a printer that captures its jobs, enables it, lets it accept jobs
    // and makes it the scheduler's default destination. Without a PPD file
    // it is a raw queue.
    bool AddDefaultPrinter(const std::string& name = "listing", const std::string& ppd = {})
    {
        std::string uri = std::string(kBackendScheme) + ":" + JobDirectory().string();
        std::vector<std::string> add = {kLpadmin, "-p", name, "-v", uri};
        if (!ppd.empty())
            add.insert(add.end(), {"-P", ppd});
        return Run(add) && Run({kCupsenable, name}) && Run({kCupsaccept, name}) && Run({kLpadmin, "-d", name});
    }

    bool StartWithDefaultPrinter() { return Start() && AddDefaultPrinter(); }

    // Makes the scheduler refuse any request larger than this; call it
    // before Start().
    void LimitRequestSize(size_t bytes) const
    {
        std::ofstream(m_dir / "cupsd.conf", std::ios::app) << "MaxRequestSize " << bytes << "\n";
    }

    // Jobs waiting, held or printing on any of the scheduler's printers.
    int UnfinishedJobCount() const
    {
        cups_job_t* jobs = nullptr;
        int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(count, jobs);
        return count;
    }

    // The printer stays the default but refuses new jobs.
    bool RejectJobs(const std::string& name = "listing") { return Run({kCupsreject, name}); }

    // Stops the scheduler and waits for it to exit. Safe to call twice.
    void Stop()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        if (!WaitForExit(std::chrono::seconds(15))) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        m_pid = -1;
    }

    bool IsRunning() const { return m_pid > 0; }

    // The bytes of the next job the printer finished that this call has not
    // returned before (jobs in the order the scheduler numbered them), or
    // nothing when none arrives within the timeout.
    std::optional<std::string> WaitForJobFile(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        do {
            if (std::optional<std::filesystem::path> file = NextJobFile()) {
                std::string name = file->filename().string();
                m_taken.insert(name);
                m_lastJobFormat = ReadFileBytes(JobDirectory() / (".format-" + name.substr(4)));
                return ReadFileBytes(*file);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (std::chrono::steady_clock::now() < deadline);
        return std::nullopt;
    }

    // The document format the scheduler gave the job WaitForJobFile()
    // returned last, e.g. "application/vnd.cups-raw".
    const std::string& LastJobFormat() const { return m_lastJobFormat; }

    // The scheduler's error log and the output of the admin tools, for the
    // message of a failed assertion.
    std::string Log() const
    {
        return ReadFileBytes(m_dir / "log" / "error_log") + ReadFileBytes(m_dir / "log" / "tools.log");
    }

    const std::filesystem::path& Directory() const { return m_dir; }
    const std::filesystem::path& Socket() const { return m_socket; }

private:
    static constexpr const char* kCupsd = "/usr/sbin/cupsd";
    static constexpr const char* kLpadmin = "/usr/sbin/lpadmin";
    static constexpr const char* kCupsenable = "/usr/sbin/cupsenable";
    static constexpr const char* kCupsaccept = "/usr/sbin/cupsaccept";
    static constexpr const char* kCupsreject = "/usr/sbin/cupsreject";
    static constexpr const char* kBackendScheme = "capture";
    static constexpr const char* kEnvironment[] = {"CUPS_SERVER", "CUPS_SERVERROOT", "HOME", "LPDEST", "PRINTER"};

    std::filesystem::path JobDirectory() const { return m_dir / "jobs"; }

    // A Unix socket path must fit in sun_path, so fall back to /tmp when
    // TMPDIR is deep.
    static std::filesystem::path MakeTempDirectory()
    {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        if (base.string().size() > 60)
            base = "/tmp";
        std::string pattern = (base / "dialstack-cups-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }

    void WriteConfiguration() const
    {
        for (const char* sub : {"bin/backend", "spool/tmp", "state", "cache", "log", "ssl", "jobs", "home"})
            std::filesystem::create_directories(m_dir / sub);
        std::filesystem::create_directory_symlink("/usr/lib/cups/daemon", m_dir / "bin" / "daemon");
        // The system's filters, for queues with a driver; the MIME types and
        // conversions come from the scheduler's built-in data directory.
        std::filesystem::create_directory_symlink("/usr/lib/cups/filter", m_dir / "bin" / "filter");

        const std::string dir = m_dir.string();
        std::ofstream(m_dir / "cups-files.conf") << "ServerRoot " << dir << "\n"
                                                 << "ServerBin " << dir << "/bin\n"
                                                 << "RequestRoot " << dir << "/spool\n"
                                                 << "TempDir " << dir << "/spool/tmp\n"
                                                 << "StateDir " << dir << "/state\n"
                                                 << "CacheDir " << dir << "/cache\n"
                                                 << "ServerKeychain " << dir << "/ssl\n"
                                                 << "CreateSelfSignedCerts no\n"
                                                 << "AccessLog " << dir << "/log/access_log\n"
                                                 << "ErrorLog " << dir << "/log/error_log\n"
                                                 << "PageLog " << dir << "/log/page_log\n"
                                                 << "Printcap " << dir << "/printcap\n"
                                                 << "SystemGroup root\n";
        // Only the private socket; no network port, no browsing. The policy
        // lets every operation through, which is all a test needs.
        std::ofstream(m_dir / "cupsd.conf") << "LogLevel warn\n"
                                            << "Listen " << m_socket.string() << "\n"
                                            << "Browsing No\n"
                                            << "WebInterface No\n"
                                            << "<Policy default>\n"
                                            << "  JobPrivateAccess default\n"
                                            << "  JobPrivateValues default\n"
                                            << "  SubscriptionPrivateAccess default\n"
                                            << "  SubscriptionPrivateValues default\n"
                                            << "  <Limit All>\n"
                                            << "    Order deny,allow\n"
                                            << "  </Limit>\n"
                                            << "</Policy>\n";
    }

    // The scheduler runs a backend of mode 0700 as root. It writes each job
    // under a temporary name and renames it when complete, so a waiting test
    // never reads half a job; beside it, the job's document format.
    void InstallCaptureBackend() const
    {
        std::filesystem::path backend = m_dir / "bin" / "backend" / kBackendScheme;
        std::ofstream(backend) << "#!/bin/sh\n"
                               << "# Called as: job-id user title copies options [file]; no arguments lists devices.\n"
                               << "[ $# -eq 0 ] && exit 0\n"
                               << "dir=${DEVICE_URI#" << kBackendScheme << ":}\n"
                               << "part=\"$dir/.job-$1.part\"\n"
                               << "if [ -n \"$6\" ]; then cat \"$6\" >\"$part\"; else cat >\"$part\"; fi || exit 1\n"
                               << "printf '%s' \"$CONTENT_TYPE\" >\"$dir/.format-$1\"\n"
                               << "mv \"$part\" \"$dir/job-$1\"\n";
        std::filesystem::permissions(
            backend, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
    }

    void PointProcessAtServer()
    {
        for (const char* name : kEnvironment) {
            const char* value = std::getenv(name);
            m_savedEnvironment.emplace_back(value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("CUPS_SERVER", m_socket.c_str(), 1);
        setenv("CUPS_SERVERROOT", m_dir.c_str(), 1);
        setenv("HOME", (m_dir / "home").c_str(), 1);
        unsetenv("LPDEST");
        unsetenv("PRINTER");
        cupsSetServer(nullptr);   // forget a server libcups may have cached
    }

    void RestoreEnvironment() const
    {
        for (size_t i = 0; i < m_savedEnvironment.size(); ++i) {
            if (m_savedEnvironment[i])
                setenv(kEnvironment[i], m_savedEnvironment[i]->c_str(), 1);
            else
                unsetenv(kEnvironment[i]);
        }
        cupsSetServer(nullptr);
    }

    // Starts a program with its output appended to the tools log. The child
    // asks for SIGTERM when this process dies, so a crashed test leaves no
    // scheduler behind.
    pid_t Spawn(const std::vector<std::string>& args) const
    {
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        std::string logPath = (m_dir / "log" / "tools.log").string();
        pid_t parent = getpid();

        pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent)
                _exit(127);
            int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            if (log >= 0) {
                dup2(log, STDOUT_FILENO);
                dup2(log, STDERR_FILENO);
            }
            execv(argv[0], argv.data());
            _exit(127);
        }
        return pid;
    }

    bool Run(const std::vector<std::string>& args) const
    {
        pid_t pid = Spawn(args);
        int status = 0;
        return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    bool WaitUntilListening(std::chrono::seconds timeout)
    {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                m_pid = -1;   // the scheduler refused its configuration
                return false;
            }
            if (CanConnect())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    bool CanConnect() const
    {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0)
            return false;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", m_socket.c_str());
        bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        return connected;
    }

    bool WaitForExit(std::chrono::seconds timeout) const
    {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            if (waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // The finished job with the lowest number not yet returned.
    std::optional<std::filesystem::path> NextJobFile() const
    {
        std::optional<std::filesystem::path> next;
        long nextId = 0;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(JobDirectory(), ec)) {
            std::string name = entry.path().filename().string();
            if (name.rfind("job-", 0) != 0 || m_taken.count(name))
                continue;
            long id = std::strtol(name.c_str() + 4, nullptr, 10);
            if (!next || id < nextId) {
                next = entry.path();
                nextId = id;
            }
        }
        return next;
    }

    std::filesystem::path m_dir;
    std::filesystem::path m_socket;
    pid_t m_pid = -1;
    std::set<std::string> m_taken;
    std::string m_lastJobFormat;
    std::vector<std::optional<std::string>> m_savedEnvironment;
};
