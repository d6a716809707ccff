#include "worksheet/log_file.h"

#include "toolkit/platform.h"
#include "toolkit/whole_file.h"
#include "worksheet/log_json.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <utility>

namespace worksheet {

LogFile::LogFile(Log& log, QString path, QWidget* window)
    : log_(log)
    , path_(std::move(path))
    , window_(window)
    , lock_(path_ + QStringLiteral(".lock"))
{
    // A lock is stale only when its copy of the program is no longer running.
    lock_.setStaleLockTime(0);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (!lock_.tryLock(0)) {
        KeepNothing(tr("Il registro dei calcoli %1 è aperto da un'altra copia del programma: "
                       "i calcoli di questa copia si vedono ma non vi saranno scritti.")
                        .arg(QDir::toNativeSeparators(path_)));
    }
    Load();
    connect(&log_, &Log::Added, this, &LogFile::Save);
    connect(&log_, &Log::Reset, this, &LogFile::Save);
}

void LogFile::Load()
{
    QFile file(path_);
    if (!file.exists())
        return;
    if (!QFileInfo(path_).isFile() || !file.open(QIODevice::ReadOnly)) {
        // Not known to be spoilt: it may be readable another time.
        if (saving_)
            KeepNothing(tr("Il registro dei calcoli %1 non si apre: resta com'è, e fino al prossimo avvio "
                           "i calcoli non vi saranno scritti.")
                            .arg(QDir::toNativeSeparators(path_)));
        return;
    }
    std::optional<std::deque<Entry>> entries = ReadLogJson(file.read(kMaxLogFileBytes + 1));
    file.close();
    if (entries) {
        log_.Replace(std::move(*entries));
        return;
    }
    // Another copy's file is left to it.
    if (!saving_)
        return;
    const QString where = SetAside();
    const QString shown = QDir::toNativeSeparators(path_);
    if (where.isEmpty()) {
        KeepNothing(tr("Il registro dei calcoli %1 non si legge e non si può mettere da parte: "
                       "resta com'è, e fino al prossimo avvio i calcoli non vi saranno scritti.")
                        .arg(shown));
        return;
    }
    toolkit::platform().ErrorBox(window_, tr("Il registro dei calcoli %1 non si legge: è stato messo da parte "
                                             "come %2, e il registro riparte vuoto.")
                                              .arg(shown, QDir::toNativeSeparators(where)));
}

void LogFile::KeepNothing(const QString& why)
{
    saving_ = false;
    toolkit::platform().ErrorBox(window_, why);
}

QString LogFile::SetAside()
{
    const QString base = path_ + QString::fromLatin1(kSetAsideSuffix);
    QString free = base;
    for (int n = 2; QFileInfo::exists(free); ++n)
        free = base + QLatin1Char('.') + QString::number(n);
    return QFile::rename(path_, free) ? free : QString();
}

void LogFile::Save()
{
    if (!saving_)
        return;
    const QString reason = toolkit::WriteWholeFile(path_, LogJson(log_.Entries()));
    if (reason.isEmpty()) {
        failureTold_ = false;
        return;
    }
    if (std::exchange(failureTold_, true))
        return;
    toolkit::platform().ErrorBox(window_,
                                 tr("Impossibile scrivere %1:\n%2").arg(QDir::toNativeSeparators(path_), reason));
}

}  // namespace worksheet
