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
{
    Load();
    connect(&log_, &Log::Added, this, &LogFile::Save);
    connect(&log_, &Log::Reset, this, &LogFile::Save);
}

void LogFile::Load()
{
    QFile file(path_);
    if (!file.exists())
        return;
    std::optional<std::deque<Entry>> entries;
    if (file.open(QIODevice::ReadOnly))
        entries = ReadLogJson(file.read(kMaxLogFileBytes + 1));
    file.close();
    if (entries) {
        log_.Replace(std::move(*entries));
        return;
    }
    const QString where = SetAside();
    const QString shown = QDir::toNativeSeparators(path_);
    if (where.isEmpty()) {
        saving_ = false;
        toolkit::platform().ErrorBox(
            window_, tr("Il registro dei calcoli %1 non si legge e non si può mettere da parte: "
                        "resta com'è, e fino al prossimo avvio i calcoli non vi saranno scritti.")
                         .arg(shown));
        return;
    }
    toolkit::platform().ErrorBox(window_, tr("Il registro dei calcoli %1 non si legge: è stato messo da parte "
                                             "come %2, e il registro riparte vuoto.")
                                              .arg(shown, QDir::toNativeSeparators(where)));
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
    QDir().mkpath(QFileInfo(path_).absolutePath());
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
