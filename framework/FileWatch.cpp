#include "framework/FileWatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// Long enough for a writer's burst of file operations to settle, short
// enough that the window shows the new file at once to the eye.
constexpr int kSettleMilliseconds = 300;
// How often an owner that could not look is asked again.
constexpr int kRetryMilliseconds = 1000;

}   // namespace

struct CFileWatch::Private
{
    std::unique_ptr<QFileSystemWatcher> watcher;
    QTimer timer;
    QString file;
    std::function<bool()> onChange;

    void Changed()
    {
        // The file itself drops out of the watch when it is replaced.
        if (QFileInfo::exists(file) && !watcher->files().contains(file))
            watcher->addPath(file);
        timer.start(kSettleMilliseconds);
    }

    void Settled()
    {
        if (onChange && !onChange())
            timer.start(kRetryMilliseconds);
    }
};

CFileWatch::CFileWatch()
    : d(std::make_unique<Private>())
{
    d->timer.setSingleShot(true);
    QObject::connect(&d->timer, &QTimer::timeout, [this] { d->Settled(); });
}

CFileWatch::~CFileWatch()
{
    Stop();
}

void CFileWatch::Start(const CString& strFileName, std::function<bool()> onChange)
{
    Stop();
    const QFileInfo info(QString::fromLocal8Bit(strFileName.GetString()));
    d->file = info.absoluteFilePath();
    d->onChange = std::move(onChange);
    d->watcher = std::make_unique<QFileSystemWatcher>();
    d->watcher->addPath(info.absolutePath());
    if (info.exists())
        d->watcher->addPath(d->file);
    QObject::connect(d->watcher.get(), &QFileSystemWatcher::fileChanged, [this] { d->Changed(); });
    QObject::connect(d->watcher.get(), &QFileSystemWatcher::directoryChanged, [this] { d->Changed(); });
}

void CFileWatch::Stop()
{
    d->timer.stop();
    d->watcher.reset();
    d->onChange = nullptr;
}
