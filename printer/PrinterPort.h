#pragma once

#include <string>
#include <string_view>

#include "base/CString.h"
#include "base/Types.h"

// The program's printer: a write-only text stream whose contents go to the
// default CUPS destination as one plain-text job when the port is closed.
//
// It behaves like a character device opened in text mode: every line feed
// written reaches the printer as carriage return + line feed, and every other
// byte (tabs, form feed, bytes of 0x80 and above) passes unchanged. The job is
// collected in memory and handed to the print service in one piece by
// Close(), so a listing is never split into several jobs and nothing reaches
// the printer until it is complete.
//
// The job goes as text/plain, so the print service converts it for whatever
// printer the destination is (PDF, PostScript, raster). The text is taken as
// Windows-1252: a queue with a driver gets it in UTF-8, the only character
// set its text filter reads, so accented letters print as written; a raw
// queue, which hands the job to the device untouched, gets the bytes exactly
// as written.
//
// The default destination is the one every CUPS client uses: the LPDEST or
// PRINTER environment variable, else the user's lpoptions default, else the
// print service's default printer.
class CPrinterPort
{
public:
    // The port is open from construction: writes are collected for the job.
    // The title names the job in the printer's queue.
    explicit CPrinterPort(const CString& strTitle = CString())
        : m_strTitle(strTitle)
    {
    }
    // A port destroyed without Close() discards its job: only an explicit
    // Close() prints, so a half-written listing never reaches the printer.
    ~CPrinterPort() = default;

    CPrinterPort(const CPrinterPort&) = delete;
    CPrinterPort& operator=(const CPrinterPort&) = delete;

    // Writes are ignored once the port is closed.
    CPrinterPort& operator<<(const char* psz);
    CPrinterPort& operator<<(const CString& str);
    CPrinterPort& operator<<(char ch);

    // Sends everything written as one job to the default destination and
    // closes the port. TRUE when the print service accepted the whole job;
    // otherwise FALSE, no job of this port is left in the queue, and
    // GetErrorText() tells why. Closing a closed port does nothing and
    // returns the first outcome again.
    BOOL Close();

    // Why the last Close() failed, as a clause in the reader's language (see
    // base/ReasonText.h); empty after success or before closing.
    const CString& GetErrorText() const { return m_strError; }

    // The job as a raw queue receives it (line ends already translated). It
    // stays available after Close().
    const std::string& JobBytes() const { return m_job; }

private:
    void Write(std::string_view text);
    BOOL Submit();
    BOOL Fail(const CString& strReason);

    CString m_strTitle;
    std::string m_job;
    bool m_bOpen = true;
    BOOL m_bClosedOk = FALSE;
    CString m_strError;
};
