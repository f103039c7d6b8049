#include "printer/PrinterPort.h"

#include <cstring>
#include <string>

#include <cups/cups.h>

#include "base/ClauseText.h"
#include "base/ReasonText.h"
#include "printer/Windows1252ToUtf8.h"

namespace {

// What libcups says when nothing at all names a default destination; any
// other reason means a default is named (LPDEST, PRINTER, lpoptions) but
// cannot be used, and libcups' own words say which setting is wrong.
const char kCupsNoDefault[] = "No default destination.";

// How the scheduler describes a queue without a driver, which hands every
// job to the device untouched.
const char kRawQueueModel[] = "Local Raw Printer";

// What libcups says, in its own words, as a clause of a reason.
CString CupsClause(const char* pszCupsText)
{
    return CReasonText::FromSystem(AsClause(pszCupsText));
}

// libcups reports "not running" as service-unavailable with no destinations
// at all; any other outcome means the service answered.
bool PrintServiceIsDown()
{
    cups_dest_t* pDests = nullptr;
    int nDests = cupsGetDests2(CUPS_HTTP_DEFAULT, &pDests);
    bool bDown = nDests == 0 && cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    cupsFreeDests(nDests, pDests);
    return bDown;
}

CString DefaultLookupFailure()
{
    const CString strCupsText = cupsLastErrorString();
    if (PrintServiceIsDown())
        return CReasonText::Tr("the print service (CUPS) is not running");
    if (strCupsText == kCupsNoDefault)
        return CReasonText::Tr("no default printer is configured; choose one in the system's printer settings or "
                               "with \"lpoptions -d PRINTER\"");
    return CReasonText::Tr("the default printer is not available: %1", {CupsClause(strCupsText)});
}

bool IsIppSuccess(ipp_status_t status)
{
    return status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// Owns a destination returned by libcups.
class CDestination
{
public:
    CDestination()
        : m_pDest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr))
    {
    }
    ~CDestination() { cupsFreeDests(m_pDest ? 1 : 0, m_pDest); }
    CDestination(const CDestination&) = delete;
    CDestination& operator=(const CDestination&) = delete;

    bool Exists() const { return m_pDest != nullptr; }
    const char* Name() const { return m_pDest->name; }

    bool IsRawQueue() const
    {
        const char* pszModel = cupsGetOption("printer-make-and-model", m_pDest->num_options, m_pDest->options);
        return pszModel != nullptr && std::strcmp(pszModel, kRawQueueModel) == 0;
    }

private:
    cups_dest_t* m_pDest;
};

}   // namespace

CPrinterPort& CPrinterPort::operator<<(const char* psz)
{
    Write(psz ? std::string_view(psz) : std::string_view());
    return *this;
}

CPrinterPort& CPrinterPort::operator<<(const CString& str)
{
    // Every held byte goes out, an embedded zero included.
    Write(str.View());
    return *this;
}

CPrinterPort& CPrinterPort::operator<<(char ch)
{
    Write(std::string_view(&ch, 1));
    return *this;
}

// Text mode: a line feed becomes carriage return + line feed, since the
// printer needs both to start the next line at its left margin. The bytes
// between line feeds go into the job in one piece.
void CPrinterPort::Write(std::string_view text)
{
    if (!m_bOpen)
        return;
    for (size_t nLineFeed = text.find('\n'); nLineFeed != std::string_view::npos; nLineFeed = text.find('\n')) {
        m_job.append(text.data(), nLineFeed);
        m_job += "\r\n";
        text.remove_prefix(nLineFeed + 1);
    }
    m_job.append(text.data(), text.size());
}

BOOL CPrinterPort::Close()
{
    if (!m_bOpen)
        return m_bClosedOk;
    m_bOpen = false;
    m_strError.Empty();
    m_bClosedOk = Submit();
    return m_bClosedOk;
}

BOOL CPrinterPort::Fail(const CString& strReason)
{
    m_strError = strReason;
    return FALSE;
}

// Create-Job, then one text/plain document, so the print service converts
// it for the printer. Should the document not get through, the job is
// cancelled: a job without its document would wait at the head of the
// queue for good.
BOOL CPrinterPort::Submit()
{
    CDestination dest;
    if (!dest.Exists())
        return Fail(DefaultLookupFailure());

    // A raw queue gets the listing's own bytes; only a queue with a driver
    // needs them converted.
    const bool bRawQueue = dest.IsRawQueue();
    std::string converted;
    if (!bRawQueue)
        converted = Windows1252ToUtf8(m_job);
    const std::string& document = bRawQueue ? m_job : converted;

    const char* pszTitle = m_strTitle.IsEmpty() ? nullptr : m_strTitle.GetString();
    int nJobId = cupsCreateJob(CUPS_HTTP_DEFAULT, dest.Name(), pszTitle, 0, nullptr);
    if (nJobId == 0)
        return Fail(CReasonText::Tr("the printer refused the job: %1", {CupsClause(cupsLastErrorString())}));

    http_status_t sendStatus = cupsStartDocument(CUPS_HTTP_DEFAULT, dest.Name(), nJobId, pszTitle, CUPS_FORMAT_TEXT, 1);
    if (sendStatus == HTTP_STATUS_CONTINUE && !document.empty())
        sendStatus = cupsWriteRequestData(CUPS_HTTP_DEFAULT, document.data(), document.size());

    ipp_status_t ippStatus = cupsFinishDocument(CUPS_HTTP_DEFAULT, dest.Name());
    if (sendStatus == HTTP_STATUS_CONTINUE && IsIppSuccess(ippStatus))
        return TRUE;

    // Keep the reason before cancelling, which sets its own status.
    const CString strReason = CReasonText::Tr("the job could not be sent to the printer: %1",
        {CupsClause(sendStatus != HTTP_STATUS_CONTINUE ? httpStatus(sendStatus) : cupsLastErrorString())});
    cupsCancelJob2(CUPS_HTTP_DEFAULT, dest.Name(), nJobId, 0);
    return Fail(strReason);
}
