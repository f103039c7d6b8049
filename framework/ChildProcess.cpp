#include "framework/ChildProcess.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "framework/DialogWindow.h"
#include "framework/TextCodec.h"
#include "framework/WinApp.h"

namespace {

// How long a program asked to stop may take before it is killed.
constexpr int kKillAfterMilliseconds = 3000;

// Keeps the last kKeptBytes of what arrives.
void KeepTail(std::string& kept, const QByteArray& more)
{
    kept.append(more.constData(), static_cast<size_t>(more.size()));
    if (kept.size() > CChildProcess::kKeptBytes)
        kept.erase(0, kept.size() - CChildProcess::kKeptBytes);
}

// The waiting box: it closes only when the program has ended; until then
// every way out of it (Cancel, Escape, the close box) asks the program to
// stop.
class WaitingBox : public QDialog
{
public:
    WaitingBox(QWidget* pOwner, QProcess& process, const QString& waiting, const QString& cancel)
        : QDialog(pOwner)
        , m_process(process)
    {
        CWinApp* app = AfxGetApp();
        setWindowTitle(app ? TextCodec::ToQString(app->m_strAppName) : QString());
        auto* layout = new QVBoxLayout(this);
        auto* label = new QLabel(waiting, this);
        layout->addWidget(label);
        auto* bar = new QProgressBar(this);
        bar->setRange(0, 0);   // busy, with no end known
        bar->setTextVisible(false);
        bar->setAccessibleName(waiting);
        layout->addWidget(bar);
        auto* buttons = new QDialogButtonBox(this);
        m_pCancel = buttons->addButton(cancel, QDialogButtonBox::RejectRole);
        connect(buttons, &QDialogButtonBox::rejected, this, &WaitingBox::reject);
        layout->addWidget(buttons);
        m_killTimer.setSingleShot(true);
        connect(&m_killTimer, &QTimer::timeout, this, [this] { m_process.kill(); });
    }

    bool IsCancelled() const { return m_bCancelled; }

    void reject() override
    {
        if (m_bCancelled)
            return;
        m_bCancelled = true;
        m_pCancel->setEnabled(false);
        m_process.terminate();
        m_killTimer.start(kKillAfterMilliseconds);
    }

private:
    QProcess& m_process;
    QPushButton* m_pCancel = nullptr;
    QTimer m_killTimer;
    bool m_bCancelled = false;
};

}   // namespace

std::string CChildProcess::FindProgram(const char* pszName, const char* pszOverride)
{
    const QString override = pszOverride ? qEnvironmentVariable(pszOverride) : QString();
    if (!override.isEmpty())
        return override.toLocal8Bit().toStdString();
    const QString name = QString::fromLocal8Bit(pszName);
    const QFileInfo beside(QApplication::applicationDirPath() + '/' + name);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath().toLocal8Bit().toStdString();
    return QStandardPaths::findExecutable(name).toLocal8Bit().toStdString();
}

// A QProcess set up for one run: its arguments, its standard input (the
// input given, then closed; else nothing) and the tails of its output.
struct CChildProcess::CBackground::Private
{
    QProcess process;
    std::string out;
    std::string err;
    OnEnd onEnd;

    void Prepare(const std::string& program, const std::vector<std::string>& arguments)
    {
        QStringList args;
        for (const std::string& argument : arguments)
            args << QString::fromLocal8Bit(argument.c_str());
        process.setProgram(QString::fromLocal8Bit(program.c_str()));
        process.setArguments(args);
        QObject::connect(&process, &QProcess::readyReadStandardOutput,
            [this] { KeepTail(out, process.readAllStandardOutput()); });
        QObject::connect(&process, &QProcess::readyReadStandardError,
            [this] { KeepTail(err, process.readAllStandardError()); });
    }

    // Starts it; FALSE, with the reason in outcome, when it did not start.
    bool Launch(const std::optional<std::string>& input, Outcome& outcome)
    {
        if (!input)
            process.setStandardInputFile(QProcess::nullDevice());
        process.start(input ? QIODevice::ReadWrite : QIODevice::ReadOnly);
        if (!process.waitForStarted()) {
            outcome.strFailure = TextCodec::FromQString(process.errorString());
            return false;
        }
        if (input) {
            process.write(input->data(), static_cast<qint64>(input->size()));
            process.closeWriteChannel();
        }
        outcome.bStarted = TRUE;
        return true;
    }

    // What it came to, once it has ended.
    void Finish(Outcome& outcome)
    {
        KeepTail(out, process.readAllStandardOutput());
        KeepTail(err, process.readAllStandardError());
        outcome.rawOut = out;
        outcome.strOut
            = TextCodec::FromQString(QString::fromLocal8Bit(out.data(), static_cast<qsizetype>(out.size())));
        outcome.strErr
            = TextCodec::FromQString(QString::fromLocal8Bit(err.data(), static_cast<qsizetype>(err.size())));
        outcome.bExited = process.exitStatus() == QProcess::NormalExit ? TRUE : FALSE;
        outcome.nExitCode = outcome.bExited ? process.exitCode() : -1;
    }
};

CChildProcess::Outcome CChildProcess::RunModal(const std::string& program, const std::vector<std::string>& arguments,
    LPCTSTR lpszWaiting, LPCTSTR lpszCancel, const std::optional<std::string>& input)
{
    Outcome outcome;
    CBackground::Private run;
    run.Prepare(program, arguments);
    if (!run.Launch(input, outcome))
        return outcome;
    QProcess& process = run.process;

    QWidget* owner = DialogWindow::Topmost();
    WaitingBox box(owner, process, TextCodec::ToQString(lpszWaiting), TextCodec::ToQString(lpszCancel));
    if (owner) {
        box.setWindowModality(Qt::WindowModal);
        owner->window()->setCursor(Qt::BusyCursor);
    }
    QObject::connect(&process, &QProcess::finished, &box, [&box] { box.done(QDialog::Accepted); });
    if (process.state() != QProcess::NotRunning)
        box.exec();
    process.waitForFinished(-1);
    if (owner) {
        owner->window()->unsetCursor();
        if (owner->isVisible())
            owner->activateWindow();
    }
    run.Finish(outcome);
    outcome.bCancelled = box.IsCancelled() ? TRUE : FALSE;
    return outcome;
}

CChildProcess::CBackground::CBackground()
    : d(std::make_unique<Private>())
{
}

CChildProcess::CBackground::~CBackground()
{
    d->onEnd = nullptr;
    if (d->process.state() == QProcess::NotRunning)
        return;
    d->process.terminate();
    if (!d->process.waitForFinished(kKillAfterMilliseconds))
        d->process.kill();
    d->process.waitForFinished(kKillAfterMilliseconds);
}

BOOL CChildProcess::CBackground::IsRunning() const
{
    return d->process.state() != QProcess::NotRunning || d->onEnd ? TRUE : FALSE;
}

std::unique_ptr<CChildProcess::CBackground> CChildProcess::Start(const std::string& program,
    const std::vector<std::string>& arguments, OnEnd onEnd, const std::optional<std::string>& input)
{
    std::unique_ptr<CBackground> run(new CBackground);
    CBackground::Private& d = *run->d;
    d.onEnd = std::move(onEnd);
    d.Prepare(program, arguments);
    // Told from the event loop, so that the owner never hears of the end
    // before Start has returned.
    const auto tell = [pd = &d](Outcome outcome) {
        OnEnd onEnd = std::move(pd->onEnd);
        pd->onEnd = nullptr;
        if (onEnd)
            onEnd(outcome);
    };
    QObject::connect(&d.process, &QProcess::finished, &d.process, [pd = &d, tell] {
        Outcome outcome;
        outcome.bStarted = TRUE;
        pd->Finish(outcome);
        QTimer::singleShot(0, &pd->process, [tell, outcome] { tell(outcome); });
    });
    Outcome outcome;
    if (!d.Launch(input, outcome))
        QTimer::singleShot(0, &d.process, [tell, outcome] { tell(outcome); });
    return run;
}

BOOL CChildProcess::StartDetached(
    const std::string& program, const std::vector<std::string>& arguments, CString& strFailure)
{
    QStringList args;
    for (const std::string& argument : arguments)
        args << QString::fromLocal8Bit(argument.c_str());
    QProcess process;
    process.setProgram(QString::fromLocal8Bit(program.c_str()));
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return TRUE;
    strFailure = TextCodec::FromQString(process.errorString());
    return FALSE;
}
