#include "ui/SyncQuestions.h"

#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/LoadText.h"
#include "ui/PasswordDlg.h"
#include "ui/SyncText.h"

namespace {

using EKind = CSyncOutcome::EKind;
using Answer = SyncQuestions::Answer;

// How many of the names that would go a question lists; the rest are counted.
constexpr size_t kShownNames = 5;

CString Utf8(const std::string& text)
{
    return SyncText::FromUtf8(text);
}

// "Zoe Quinn", "Adam Bell" and 3 more.
CString FirstNames(const std::vector<std::string>& names)
{
    CString listed;
    for (size_t i = 0; i < names.size() && i < kShownNames; ++i) {
        if (i > 0)
            listed += ", ";
        listed += CString("\"") + Utf8(names[i]) + "\"";
    }
    if (names.size() > kShownNames) {
        listed += " ";
        listed += AfxLoadCountString(IDS_MORE_NAMES, static_cast<int>(names.size() - kShownNames));
    }
    return listed;
}

CString DeletionText(UINT nId, const CSyncOutcome::Deletions& side)
{
    const int nCount = side.nDeleted > 0 ? side.nDeleted : static_cast<int>(side.names.size());
    return LoadText(nId, {CString(std::to_string(nCount)), CString(std::to_string(side.nTotal)), FirstNames(side.names)});
}

Answer AskAboutDeletions(const CSyncOutcome& outcome)
{
    CString text;
    if (outcome.there.Refused())
        text = DeletionText(IDS_DELETIONS_THERE, outcome.there);
    if (outcome.here.Refused())
        text += CString(text.IsEmpty() ? "" : "\n\n") + DeletionText(IDS_DELETIONS_HERE, outcome.here);
    const UINT nDelete = outcome.there.Refused() ? IDS_DELETE_THERE_TOO : IDS_DELETE_HERE_TOO;
    const int nAnswer = AfxMessageBox(text, MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2,
        {LoadText(nDelete), LoadText(IDS_BRING_BACK), LoadText(IDS_NOT_NOW)});
    Answer answer;
    if (nAnswer == IDYES)
        answer.options = {"--force"};
    else if (nAnswer == IDNO)
        answer.options = {"--bring-back"};
    answer.action = answer.options.empty() ? Answer::EAction::kNothing : Answer::EAction::kRunAgain;
    return answer;
}

Answer AskAboutCertificate(const CSyncOutcome& outcome)
{
    const CSyncOutcome::Certificate& certificate = outcome.certificate;
    const CString text = LoadText(IDS_CERTIFICATE,
        {Utf8(outcome.strHost), Utf8(certificate.strSubject), Utf8(certificate.strIssuer), Utf8(certificate.strSha256)});
    Answer answer;
    if (AfxMessageBox(text, MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2,
            {LoadText(IDS_TRUST), LoadText(IDS_NOT_NOW)})
        == IDOK) {
        answer.action = Answer::EAction::kRunAgain;
        answer.options = {"--accept-certificate", certificate.strSha256};
    }
    return answer;
}

Answer AskForPassword(const CString& strPrompt)
{
    Answer answer;
    CString strPassword;
    if (SyncQuestions::AskPassword(strPrompt, strPassword)) {
        answer.action = Answer::EAction::kRunAgain;
        answer.options = {"--keep-password"};
        answer.password = strPassword;
    }
    return answer;
}

}   // namespace

Answer SyncQuestions::Ask(const CSyncOutcome& outcome)
{
    switch (outcome.kind) {
    case EKind::kPasswordRefused:
        return AskForPassword(LoadText(IDS_ASK_PASSWORD_REFUSED, {Utf8(outcome.strHost), Utf8(outcome.strUser)}));
    case EKind::kPasswordMissing:
        return AskForPassword(LoadText(IDS_ASK_PASSWORD_MISSING, {Utf8(outcome.strHost), Utf8(outcome.strUser)}));
    case EKind::kPasswordFileUnsafe:
        return AskForPassword(LoadText(IDS_ASK_PASSWORD_UNSAFE, {Utf8(outcome.strPath)}));
    case EKind::kTooManyDeletions:
        return AskAboutDeletions(outcome);
    case EKind::kCertificateUntrusted:
        return AskAboutCertificate(outcome);
    case EKind::kAddressBookGone: {
        AfxMessageBox(LoadText(IDS_BOOK_GONE, {Utf8(outcome.strUrl)}), MB_OK | MB_ICONEXCLAMATION, 0);
        Answer answer;
        answer.action = Answer::EAction::kSetUp;
        return answer;
    }
    default:
        return Answer();
    }
}

BOOL SyncQuestions::AskPassword(const CString& strPrompt, CString& strPassword)
{
    CPasswordDlg dlg;
    dlg.m_strPrompt = strPrompt;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPassword = dlg.m_strPassword;
    return TRUE;
}

BOOL SyncQuestions::TellConflict(const CSyncOutcome::Conflict& conflict)
{
    static const std::pair<const char*, UINT> kFields[] = {{"name", IDS_FIELD_NAME}, {"phone", IDS_DETAIL_PHONE},
        {"pager", IDS_DETAIL_PAGER}, {"email", IDS_DETAIL_EMAIL}, {"misc", IDS_DETAIL_MISC}};
    CString fields;
    for (const CSyncOutcome::Conflict::Field& field : conflict.fields) {
        CString strField = Utf8(field.strField);
        for (const auto& [pszName, nId] : kFields)
            if (field.strField == pszName)
                strField = LoadText(nId);
        fields += CString("\n") + LoadText(IDS_CONFLICT_FIELD, {strField, Utf8(field.strHere), Utf8(field.strThere)});
    }
    const CString text = LoadText(IDS_CONFLICT, {Utf8(conflict.strName), Utf8(conflict.strCopyName), fields});
    return AfxMessageBox(text, MB_OKCANCEL | MB_ICONINFORMATION, {LoadText(IDS_SELECT_COPY), LoadText(IDS_OK)})
        == IDOK;
}
