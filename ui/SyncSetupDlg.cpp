#include "ui/SyncSetupDlg.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/LoadText.h"
#include "ui/SyncQuestions.h"
#include "ui/SyncText.h"

namespace {

using EKind = CSyncOutcome::EKind;

CString Utf8(const std::string& text)
{
    return SyncText::FromUtf8(text);
}

// The sync's own words for a failure the window has none for: its report,
// else the last line of what it wrote to standard error.
CString SyncWording(const CSyncRun::Result& result)
{
    if (result.bReported && !result.outcome.strMessage.empty())
        return Utf8(result.outcome.strMessage);
    std::string_view err = result.process.strErr.View();
    while (!err.empty() && (err.back() == '\n' || err.back() == '\r'))
        err.remove_suffix(1);
    const size_t nLast = err.rfind('\n');
    return CString(nLast == std::string_view::npos ? err : err.substr(nLast + 1));
}

}   // namespace

CSyncSetupDlg::CSyncSetupDlg(BOOL bSettings, CWnd* pParent)
    : CDialog(bSettings ? IDD_SYNC_SETTINGS : IDD_SYNC_SETUP, pParent)
{
}

const MessageMap* CSyncSetupDlg::GetThisMessageMap()
{
    using T = CSyncSetupDlg;
    static const MessageEntry<T> entries[] = {
        OnBnClickedEntry(IDC_SYNC_CONNECT, &T::OnConnect),
        OnBnClickedEntry(IDC_SYNC_STOP, &T::OnStop),
    };
    static const TypedMessageMap<T> map(CDialog::GetThisMessageMap(), entries);
    return &map;
}

void CSyncSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYNC_BOOKS, m_bookList);
}

BOOL CSyncSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_SYNC_SERVER)->SetWindowText(m_strServer);
    GetDlgItem(IDC_SYNC_USER)->SetWindowText(m_strUser);
    return TRUE;
}

CString CSyncSetupDlg::Field(int nId) const
{
    CString strText = GetDlgItem(nId)->GetWindowText();
    strText.TrimLeft();
    strText.TrimRight();
    return strText;
}

void CSyncSetupDlg::SetStatus(const CString& strText)
{
    GetDlgItem(IDC_SYNC_STATUS)->SetWindowText(strText);
}

void CSyncSetupDlg::OnConnect()
{
    const CString strServer = Field(IDC_SYNC_SERVER);
    const CString strUser = Field(IDC_SYNC_USER);
    if (strServer.IsEmpty() || strUser.IsEmpty() || GetDlgItem(IDC_SYNC_PASSWORD)->GetWindowText().IsEmpty()) {
        SetStatus(LoadText(IDS_SETUP_MISSING));
        return;
    }
    // The second Connect, after the user picked one of the books found.
    const int nPicked = m_bookList.GetCurSel();
    if (strServer + "\n" + strUser == m_strBooksFor && nPicked >= 0 && nPicked < static_cast<int>(m_books.size())) {
        FirstSync(m_books[static_cast<size_t>(nPicked)].strUrl);
        return;
    }
    ListBooks({});
    CSyncRun::Result result;
    if (!RunAnswered({"--discover", "--url", SyncText::ToUtf8(strServer), "--user", SyncText::ToUtf8(strUser)},
            IDS_SETUP_LOOKING, result))
        return;
    const std::vector<CSyncOutcome::AddressBook>& books = result.outcome.books;
    if (books.size() == 1) {
        FirstSync(books.front().strUrl);
    } else if (books.empty()) {
        SetStatus(LoadText(IDS_SETUP_NO_BOOK, {strServer, strUser}));
    } else {
        ListBooks(books);
        m_strBooksFor = strServer + "\n" + strUser;
        SetStatus(LoadText(IDS_SETUP_PICK_BOOK, {strUser}));
    }
}

void CSyncSetupDlg::ListBooks(const std::vector<CSyncOutcome::AddressBook>& books)
{
    m_books = books;
    m_strBooksFor.Empty();
    m_bookList.ResetContent();
    for (const CSyncOutcome::AddressBook& book : books) {
        const CString strUrl = Utf8(book.strUrl);
        m_bookList.InsertString(-1, book.strName.empty() ? strUrl : Utf8(book.strName) + " (" + strUrl + ")");
    }
    if (!books.empty())
        m_bookList.SetCurSel(0);
}

BOOL CSyncSetupDlg::RunAnswered(const std::vector<std::string>& options, UINT nWaitingId, CSyncRun::Result& result)
{
    const CString strPassword = GetDlgItem(IDC_SYNC_PASSWORD)->GetWindowText();
    for (;;) {
        std::vector<std::string> arguments = options;
        arguments.insert(arguments.end(), m_trusted.begin(), m_trusted.end());
        result = CSyncRun::Run(arguments, strPassword, nWaitingId);
        if (!result.bReported || result.outcome.kind != EKind::kCertificateUntrusted)
            break;
        const SyncQuestions::Answer answer = SyncQuestions::Ask(result.outcome);
        if (answer.action != SyncQuestions::Answer::EAction::kRunAgain)
            return FALSE;
        m_trusted = answer.options;
    }
    const EKind kind = result.outcome.kind;
    if (result.bReported && (kind == EKind::kInStep || kind == EKind::kSeveralAddressBooks || result.outcome.NeedsYou())
        && kind != EKind::kPasswordRefused && kind != EKind::kPasswordMissing)
        return TRUE;
    TellProblem(result);
    return FALSE;
}

void CSyncSetupDlg::TellProblem(const CSyncRun::Result& result)
{
    const CSyncOutcome& outcome = result.outcome;
    if (!result.bFound) {
        SetStatus(LoadText(IDS_SYNC_NOT_FOUND));
    } else if (result.bReported && (outcome.kind == EKind::kPasswordRefused || outcome.kind == EKind::kPasswordMissing)) {
        SetStatus(LoadText(IDS_SETUP_PASSWORD_REFUSED, {Utf8(outcome.strHost), Utf8(outcome.strUser)}));
        GotoDlgCtrl(GetDlgItem(IDC_SYNC_PASSWORD));
    } else if (result.bReported && (outcome.kind == EKind::kNoAddressBook || outcome.kind == EKind::kNotCardDav)) {
        SetStatus(LoadText(IDS_SETUP_NO_BOOK, {Field(IDC_SYNC_SERVER), Field(IDC_SYNC_USER)}));
    } else {
        SetStatus(LoadText(IDS_SETUP_FAILED, {SyncWording(result)}));
    }
}

// The sync keeps a file with one address book: choosing another (the one
// it had is gone, or the user moves) has it forget the old one first, so
// that the first sync with the new one merges both sides and deletes
// nothing. The directory file stays as it is.
BOOL CSyncSetupDlg::LeaveOtherBook(const std::string& strBook)
{
    CSyncOutcome last;
    if (!CSyncRun::IsSetUp() || !CSyncOutcome::LastFor(CSyncRun::DirectoryFile(), last))
        return TRUE;
    const std::string& strKept = last.strCollectionUrl.empty() ? last.strUrl : last.strCollectionUrl;
    if (strKept.empty() || strKept == strBook)
        return TRUE;
    const CSyncRun::Result result = CSyncRun::Run({"--forget"}, std::nullopt, IDS_SYNC_WAITING);
    if (result.bReported && result.outcome.kind == EKind::kInStep)
        return TRUE;
    TellProblem(result);
    return FALSE;
}

void CSyncSetupDlg::FirstSync(const std::string& strBook)
{
    if (!LeaveOtherBook(strBook))
        return;
    CSyncRun::Result result;
    if (!RunAnswered({"--url", strBook, "--user", SyncText::ToUtf8(Field(IDC_SYNC_USER)), "--keep-password"},
            IDS_SYNC_WAITING, result))
        return;
    if (result.outcome.kind == EKind::kSeveralAddressBooks) {
        ListBooks(result.outcome.books);
        m_strBooksFor = Field(IDC_SYNC_SERVER) + "\n" + Field(IDC_SYNC_USER);
        SetStatus(LoadText(IDS_SETUP_PICK_BOOK, {Field(IDC_SYNC_USER)}));
        return;
    }
    m_result = result;
    if (result.outcome.kind == EKind::kInStep) {
        using EKept = CSyncOutcome::EPasswordKept;
        const EKept kept = result.outcome.passwordKept;
        OfferTimer(kept == EKept::kKeyring ? LoadText(IDS_SETUP_SYNCED_KEYRING)
                : kept == EKept::kFile     ? LoadText(IDS_SETUP_SYNCED_FILE, {Utf8(result.outcome.strPasswordFile)})
                                           : LoadText(IDS_SETUP_SYNCED_NOWHERE));
    }
    // Whatever else the first sync asks of the user the window asks.
    EndDialog(IDOK);
}

void CSyncSetupDlg::OfferTimer(const CString& strSynced)
{
    const int nAnswer = AfxMessageBox(strSynced + "\n\n" + LoadText(IDS_SETUP_TIMER_QUESTION),
        MB_YESNO | MB_ICONINFORMATION, {LoadText(IDS_SETUP_TIMER_YES), LoadText(IDS_NOT_NOW)});
    if (nAnswer != IDYES)
        return;
    const CSyncRun::Result result = CSyncRun::Run({"--timer", "on"}, std::nullopt, IDS_SYNC_WAITING);
    const CSyncOutcome::ETimer timer = result.bReported ? result.outcome.timer : CSyncOutcome::ETimer::kFailed;
    if (timer == CSyncOutcome::ETimer::kOn)
        AfxMessageBox(LoadText(IDS_SETUP_TIMER_ON), MB_OK | MB_ICONINFORMATION, 0);
    else if (timer == CSyncOutcome::ETimer::kNoUserManager)
        AfxMessageBox(LoadText(IDS_SETUP_TIMER_NO_MANAGER), MB_OK | MB_ICONINFORMATION, 0);
    else
        AfxMessageBox(LoadText(IDS_SETUP_TIMER_FAILED, {result.bReported && !result.outcome.strDetail.empty()
                                                            ? Utf8(result.outcome.strDetail)
                                                            : SyncWording(result)}),
            MB_OK | MB_ICONEXCLAMATION, 0);
}

void CSyncSetupDlg::OnStop()
{
    const int nAnswer = AfxMessageBox(LoadText(IDS_STOP_QUESTION), MB_YESNOCANCEL | MB_ICONQUESTION,
        {LoadText(IDS_STOP_KEEP), LoadText(IDS_STOP_FORGET), LoadText(IDS_CANCEL)});
    if (nAnswer == IDCANCEL)
        return;
    CSyncRun::Result result = CSyncRun::Run({"--timer", "off"}, std::nullopt, IDS_SYNC_WAITING);
    const bool bTimerOff = result.bReported && result.outcome.timer != CSyncOutcome::ETimer::kFailed;
    if (bTimerOff && nAnswer == IDNO)
        result = CSyncRun::Run({"--forget"}, std::nullopt, IDS_SYNC_WAITING);
    if (!bTimerOff || !result.bReported || result.outcome.kind != EKind::kInStep) {
        AfxMessageBox(LoadText(IDS_STOP_FAILED, {SyncWording(result)}), MB_OK | MB_ICONEXCLAMATION, 0);
        return;
    }
    AfxMessageBox(LoadText(nAnswer == IDNO ? IDS_STOP_FORGOTTEN : IDS_STOP_DONE), MB_OK | MB_ICONINFORMATION, 0);
    EndDialog(IDOK);
}
