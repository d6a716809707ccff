#pragma once
// Where the log is kept between runs: read at the start, written whole
// after each change. A file that cannot be read is set aside under another
// name, never deleted, and the user told where it went; the log starts empty.

#include "worksheet/worksheet_log.h"

#include <QObject>
#include <QString>

class QWidget;

namespace worksheet {

// The name of the log's file in its folder.
inline constexpr char kLogFileName[] = "registro.json";
// What is added to the name of a file set aside, before a number when taken.
inline constexpr char kSetAsideSuffix[] = ".illeggibile";

class LogFile : public QObject {
    Q_OBJECT

public:
    // Reads the log at `path` into `log` and keeps the file up to date from
    // then on; messages appear over `window`.
    LogFile(Log& log, QString path, QWidget* window);

    QString Path() const { return path_; }

private:
    void Load();
    // The unreadable file under a free name beside it; the new name, or
    // empty when it could not be moved.
    QString SetAside();
    void Save();

    Log& log_;
    const QString path_;
    QWidget* window_;
    // Off while an unreadable file could not be set aside, so that it is
    // never written over.
    bool saving_ = true;
    // A failed write is told once, until a write succeeds again.
    bool failureTold_ = false;
};

}  // namespace worksheet
