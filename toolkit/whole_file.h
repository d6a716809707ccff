#pragma once
// Saving a file the user keeps: whole or not at all.

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes the bytes through a temporary file renamed over `path`: an empty text
// on success, else the reason, with any old file left as it was. Unbuffered,
// so that a short write (a full disk) is seen: a buffered QSaveFile commits
// it as success.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Copies the file at `from` to `to` the same way: whole or not at all.
QString CopyWholeFile(const QString& from, const QString& to);

}  // namespace toolkit
