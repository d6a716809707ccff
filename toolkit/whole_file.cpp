#include "toolkit/whole_file.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace toolkit {

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.error() == QFileDevice::NoError
                                   ? QCoreApplication::translate("WholeFile", "il disco è pieno")
                                   : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

}  // namespace toolkit
