#include "data/InPlaceRewrite.h"

#include <cerrno>
#include <new>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/ReasonText.h"
#include "data/FileReasons.h"

namespace {

// Collects the bytes, for a rewrite in place.
class StringSink : public CByteSink
{
public:
    bool Write(const char* pBytes, size_t nLength) override
    {
        m_bytes.append(pBytes, nLength);
        return true;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Writes all of bytes at offset 0 of fd; false (errno set) when any write
// fails or comes back short.
bool WriteAllAt(int fd, const std::string& bytes)
{
    size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t n = pwrite(fd, bytes.data() + nDone, bytes.size() - nDone, static_cast<off_t>(nDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        nDone += static_cast<size_t>(n);
    }
    return true;
}

// Reads nSize bytes from offset 0 of fd into bytes; false when it cannot.
bool ReadAllAt(int fd, std::string& bytes, size_t nSize)
{
    bytes.resize(nSize);
    size_t nDone = 0;
    while (nDone < nSize) {
        const ssize_t n = pread(fd, &bytes[nDone], nSize - nDone, static_cast<off_t>(nDone));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        nDone += static_cast<size_t>(n);
    }
    return true;
}

bool ReplaceContents(int fd, const std::string& bytes)
{
    return WriteAllAt(fd, bytes) && ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fsync(fd) == 0;
}

// Whether the file at fd holds exactly bytes.
bool Holds(int fd, const std::string& bytes)
{
    struct stat info
    {
    };
    std::string now;
    return fstat(fd, &info) == 0 && static_cast<size_t>(info.st_size) == bytes.size()
        && ReadAllAt(fd, now, bytes.size()) && now == bytes;
}

// The old bytes of a file to be rewritten in place; false when it is no
// regular file or they cannot all be read (or held).
bool ReadOldBytes(int fd, std::string& bytes)
{
    struct stat info
    {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    try {
        return ReadAllAt(fd, bytes, static_cast<size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

}   // namespace

bool RunContentWriter(const std::function<bool(CByteSink&)>& writeContent, CByteSink& sink, CReplaceResult& result)
{
    try {
        if (writeContent(sink))
            return true;
        result.strReason = CReasonText::Tr("the new contents could not be made; nothing was replaced");
    } catch (const std::bad_alloc&) {
        result.strReason = CReasonText::Tr("there is not enough memory to make the new contents; nothing was replaced");
    } catch (const std::length_error&) {
        result.strReason = CReasonText::Tr("there is not enough memory to make the new contents; nothing was replaced");
    }
    return false;
}

bool RewriteInPlace(
    const std::string& path, const std::function<bool(CByteSink&)>& writeContent, CReplaceResult& result)
{
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    std::string oldBytes;
    if (!ReadOldBytes(fd, oldBytes)) {
        close(fd);
        return false;
    }

    StringSink sink;
    if (!RunContentWriter(writeContent, sink, result)) {
        // nothing was written; the reason is set
    } else if (ReplaceContents(fd, sink.Bytes())) {
        result.bOk = true;
        result.written = CFileFingerprint::OfBytes(sink.Bytes());
    } else {
        const int nError = errno;
        // A write-back that fails part-way may still leave the old bytes
        // (the new ones stopped at the same place): the file tells.
        result.bOldFileIntact = ReplaceContents(fd, oldBytes) || Holds(fd, oldBytes);
        result.strReason = result.bOldFileIntact
            ? CReasonText::Tr("the folder takes no new file, so the file itself was rewritten, which failed (%1); "
                              "its old contents were written back, so it is as it was",
                {ReasonForError(nError)})
            : CReasonText::Tr("the folder takes no new file, so the file itself was rewritten, which failed (%1); "
                              "its old contents could not be written back, so the file is damaged",
                {ReasonForError(nError)});
    }
    close(fd);
    return true;
}
