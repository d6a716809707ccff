#pragma once
// Where the log is kept between runs: read at the start, written whole
// after each change. A file that cannot be read is set aside under another
// name, never deleted, and the user told where it went; the log starts empty.
// A file that cannot be opened, or that another running copy of the program
// keeps, is left as it is and not written: the log of this run is shown but
// not kept, and the user is told.

#include "worksheet/worksheet_log.h"

#include <QLockFile>
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

    // Tells the user that this run's log will not be kept, and why.
    void KeepNothing(const QString& why);

    Log& log_;
    const QString path_;
    QWidget* window_;
    // Held while the program runs: one copy at a time writes the file.
    QLockFile lock_;
    // Off while the file is another copy's, cannot be opened, or is
    // unreadable and could not be set aside, so that it is never written over.
    bool saving_ = true;
    // A failed write is told once, until a write succeeds again.
    bool failureTold_ = false;
};

}  // namespace worksheet
