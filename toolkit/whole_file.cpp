#include "toolkit/whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace toolkit {

namespace {

// A copy goes through memory this much at a time.
constexpr qint64 kCopyChunkBytes = 64 * 1024;

QString DiskFullOr(const QSaveFile& file)
{
    return file.error() == QFileDevice::NoError ? QCoreApplication::translate("WholeFile", "il disco è pieno")
                                                : file.errorString();
}

}  // namespace

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = DiskFullOr(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString CopyWholeFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QSaveFile copy(to);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return copy.errorString();
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kCopyChunkBytes);
        if (source.error() != QFileDevice::NoError) {
            copy.cancelWriting();
            return source.errorString();
        }
        if (copy.write(chunk) != chunk.size()) {
            const QString reason = DiskFullOr(copy);
            copy.cancelWriting();
            return reason;
        }
    }
    if (!copy.commit())
        return copy.errorString();
    return {};
}

}  // namespace toolkit
