#include "app/data_files.h"

#include "worksheet/log_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace {

// The installed layout, from the build: "../share/orvane" for <prefix>/bin/orvane.
const QString kPackageFolderFromExecutable = QStringLiteral(ORVANE_PACKAGE_DATA_FROM_BIN);

// Empty for an unknown folder, never a path relative to the working folder.
QString PathIn(const QString& folder, const char* name)
{
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromLatin1(name));
}

}  // namespace

DataPlaces SystemDataPlaces()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return {
        executableFolder,
        QFileInfo(executableFolder).isWritable(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QDir::cleanPath(QDir(executableFolder).filePath(kPackageFolderFromExecutable)),
    };
}

DataPlaces PortableDataPlaces(const QString& folder)
{
    return {folder, true, QString(), QString(), QString()};
}

namespace {

// A writable folder of an installed copy is still no place for a user's
// files: root may write to /usr/bin, but its table is in share/orvane.
bool Portable(const DataPlaces& places)
{
    const bool installed = !places.packageFolder.isEmpty() && QFileInfo(places.packageFolder).isDir();
    return places.executableFolderWritable && !installed;
}

// The files found without a chosen table.
DataFiles UsualDataFiles(const DataPlaces& places)
{
    if (Portable(places))
        return {PathIn(places.executableFolder, kSettingsFileName),
                PathIn(places.executableFolder, kDeviationFileName)};

    if (!places.configFolder.isEmpty())
        QDir().mkpath(places.configFolder);
    const std::array candidates{PathIn(places.dataFolder, kDeviationFileName),
                                PathIn(places.executableFolder, kDeviationFileName),
                                PathIn(places.packageFolder, kDeviationFileName)};
    auto table = std::find_if(candidates.begin(), candidates.end(),
                              [](const QString& path) { return QFileInfo::exists(path); });
    // None found: it is expected in the first folder known, the user's own if any.
    if (table == candidates.end())
        table = std::find_if(candidates.begin(), candidates.end(),
                             [](const QString& path) { return !path.isEmpty(); });
    return {PathIn(places.configFolder, kSettingsFileName),
            table == candidates.end() ? QString() : *table};
}

bool InFolder(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(path).absolutePath() == QFileInfo(folder).absoluteFilePath();
}

}  // namespace

DataFiles LocateDataFiles(const DataPlaces& places)
{
    DataFiles files = UsualDataFiles(places);
    if (places.chosenTable.isEmpty())
        return files;
    if (QFileInfo(places.chosenTable).isFile())
        files.deviationPath = places.chosenTable;
    else
        files.missingTable = places.chosenTable;
    return files;
}

QString DeviationSavePath(const DataPlaces& places, const QString& readPath)
{
    // Only the installed program's own folders are no place for the user's files.
    const bool programs = readPath.isEmpty() || InFolder(readPath, places.executableFolder)
                          || InFolder(readPath, places.packageFolder);
    if (Portable(places) || places.dataFolder.isEmpty() || !programs)
        return readPath;
    QDir().mkpath(places.dataFolder);
    return PathIn(places.dataFolder, kDeviationFileName);
}

QString WorksheetPath(const DataPlaces& places)
{
    return PathIn(Portable(places) ? places.executableFolder : places.dataFolder, worksheet::kLogFileName);
}
