// Where the two data files are taken from: a portable copy, an installed
// copy (its own folder read-only, or a writable folder of an installed
// package), the order in which the deviation table is looked for, and the
// table the user put in use.

#include "app/data_files.h"

#include "app/program.h"
#include "card/deviation_rows.h"
#include "support/recording_platform.h"
#include "widgets/numeric/aligned_edit.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>

namespace {

enum class Folder { Beside, Config, Data, Package };

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DataFilesTest : public testing::Test {
protected:
    QTemporaryDir root;

    // A prefix with bin/ and, for an installed package, share/orvane/; the
    // user's folders are not made yet.
    DataPlaces Places(bool writable, bool packageData)
    {
        EXPECT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
        if (packageData) {
            EXPECT_TRUE(QDir(root.path()).mkpath(QStringLiteral("share/orvane")));
        }
        return {root.filePath(QStringLiteral("bin")), writable, root.filePath(QStringLiteral("config/Orvane")),
                root.filePath(QStringLiteral("data/Orvane")), root.filePath(QStringLiteral("share/orvane"))};
    }

    static QString PathOf(const DataPlaces& places, Folder folder)
    {
        switch (folder) {
        case Folder::Beside: return places.executableFolder;
        case Folder::Config: return places.configFolder;
        case Folder::Data: return places.dataFolder;
        case Folder::Package: return places.packageFolder;
        }
        return {};
    }

    static void Write(const QString& folder, const char* name, const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

struct PlacementCase {
    const char* what;
    bool writable;
    bool packageData;  // share/orvane/ beside bin/
    std::initializer_list<Folder> tables;  // the folders holding a DEVIAZIONI.TXT
    bool portable;
    Folder settings;
    Folder table;  // the table read, or where it is expected
    Folder log;    // the calculation log's file
};

const PlacementCase kPlacements[] = {
    {"a writable folder is a portable copy", true, false, {Folder::Beside, Folder::Data}, true, Folder::Beside,
     Folder::Beside, Folder::Beside},
    {"a portable copy expects its table beside the executable", true, false, {Folder::Data}, true,
     Folder::Beside, Folder::Beside, Folder::Beside},
    {"installed: the user's own table first", false, true, {Folder::Data, Folder::Beside, Folder::Package},
     false, Folder::Config, Folder::Data, Folder::Data},
    {"installed: then the one beside the executable", false, true, {Folder::Beside, Folder::Package}, false,
     Folder::Config, Folder::Beside, Folder::Data},
    {"installed: then the package's sample", false, true, {Folder::Package}, false, Folder::Config,
     Folder::Package, Folder::Data},
    {"installed without any table: expected in the user's data folder", false, true, {}, false, Folder::Config,
     Folder::Data, Folder::Data},
    {"a read-only folder without package data still reads beside", false, false, {Folder::Beside}, false,
     Folder::Config, Folder::Beside, Folder::Data},
    {"a writable bin folder of a package (root's /usr/bin) is no portable copy", true, true, {Folder::Package},
     false, Folder::Config, Folder::Package, Folder::Data},
};

TEST_F(DataFilesTest, EachPlacement)
{
    for (const PlacementCase& c : kPlacements) {
        ASSERT_TRUE(QDir(root.path()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(root.path()));
        const DataPlaces places = Places(c.writable, c.packageData);
        for (Folder folder : c.tables)
            Write(PathOf(places, folder), kDeviationFileName, "0;1\r\n");

        const DataFiles files = LocateDataFiles(places);

        EXPECT_EQ(files.settingsPath, QDir(PathOf(places, c.settings)).filePath(kSettingsFileName)) << c.what;
        EXPECT_EQ(files.deviationPath, QDir(PathOf(places, c.table)).filePath(kDeviationFileName)) << c.what;
        EXPECT_EQ(WorksheetPath(places), QDir(PathOf(places, c.log)).filePath(worksheet::kLogFileName)) << c.what;
        // The settings file can be created at the first start.
        EXPECT_TRUE(QFileInfo(files.settingsPath).absoluteDir().exists()) << c.what;
        // A portable copy leaves the user's folders alone.
        EXPECT_EQ(QFileInfo::exists(places.configFolder), !c.portable) << c.what;
    }
}

TEST_F(DataFilesTest, AChosenTableComesFirstWhileItIsThere)
{
    const struct {
        const char* what;
        bool installed;
        const char* chosen;
        bool taken;
    } cases[] = {
        {"portable, the table is there", false, "cartella/esame.txt", true},
        {"installed, the table is there", true, "cartella/esame.txt", true},
        {"installed, the table is gone", true, "persa.txt", false},
        {"a folder in its place", false, "cartella", false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir(root.path()).removeRecursively());
        DataPlaces places = Places(!c.installed, c.installed);
        const QString usual = LocateDataFiles(places).deviationPath;
        Write(root.filePath(QStringLiteral("cartella")), "esame.txt", "2;-2\r\n");
        places.chosenTable = root.filePath(QString::fromLatin1(c.chosen));

        const DataFiles files = LocateDataFiles(places);

        EXPECT_EQ(files.deviationPath, c.taken ? places.chosenTable : usual) << c.what;
        EXPECT_EQ(files.missingTable, c.taken ? QString() : places.chosenTable) << c.what;
    }
}

TEST_F(DataFilesTest, UnknownUserFoldersNeverMeanTheWorkingFolder)
{
    Write(root.path(), kDeviationFileName, "0;1\r\n");
    Write(root.path(), kSettingsFileName, "1985\r\n2000\r\n3600\r\n240\r\n");
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root.path()));
    DataPlaces places = Places(false, false);
    places.configFolder.clear();
    places.dataFolder.clear();
    places.packageFolder.clear();

    const DataFiles files = LocateDataFiles(places);
    QDir::setCurrent(working);

    EXPECT_TRUE(files.settingsPath.isEmpty());
    EXPECT_EQ(files.deviationPath, QDir(places.executableFolder).filePath(kDeviationFileName));
}

// The whole start-up of an installed copy: the windows read and write the
// files where the placement puts them.
class InstalledProgramTest : public DataFilesTest {
protected:
    RecordedPlatform recorded;

    // A table put in use stays in the user's settings; no test leaves one to the next.
    void TearDown() override
    {
        QSettings(QSettings::UserScope, QStringLiteral("Orvane"), QStringLiteral("Orvane"))
            .remove(QString::fromLatin1(kDeviationTableKey));
    }
};

TEST_F(InstalledProgramTest, SettingsGoToTheConfigurationFolderAndTheSampleIsRead)
{
    const DataPlaces places = Places(false, true);
    Write(places.packageFolder, kDeviationFileName, "0;1\r\n90;-2\r\n");
    // Left by a portable copy; an installed copy does not take it.
    Write(places.executableFolder, kSettingsFileName, "1985\r\n2000\r\n3600\r\n240\r\n");

    Program program(places);

    EXPECT_TRUE(recorded.platform.errors.isEmpty());
    EXPECT_TRUE(recorded.platform.exceptions.isEmpty());
    EXPECT_EQ(program.state.deviationTable.count, 2);
    const int year = QDate::currentDate().year();
    EXPECT_EQ(program.state.valANNOCORR, year);
    EXPECT_EQ(ReadAll(QDir(places.configFolder).filePath(kSettingsFileName)),
              QStringLiteral("1985\r\n%1\r\n3600\r\n240\r\n").arg(year).toLatin1());
}

// As the program starts: the dialogs, built after the first paint, find the
// declination panel they fill.
TEST_F(InstalledProgramTest, AfterTheFirstPaintTheDeclinationIsTheOneShownAtOnce)
{
    const DataPlaces places = Places(false, true);
    Write(places.packageFolder, kDeviationFileName, "0;1\r\n");
    Write(places.configFolder, kSettingsFileName, "2000\r\n2000\r\n9000\r\n-300\r\n");
    const QString atOnce = Program(places).form1.EDDECL->text();

    Program program(places, Startup::AfterFirstPaint);
    EXPECT_EQ(program.form4, nullptr);
    program.form1.show();
    ASSERT_TRUE(QTest::qWaitFor([&program] { return program.form4 != nullptr; }));
    EXPECT_FALSE(atOnce.isEmpty());
    EXPECT_EQ(program.form1.EDDECL->text(), atOnce);
}

TEST_F(InstalledProgramTest, AMissingTableIsReportedWithTheFolderWhereItIsExpected)
{
    const DataPlaces places = Places(false, true);

    Program program(places);

    EXPECT_EQ(recorded.platform.errors,
              QStringList{QStringLiteral("Manca file TABELLA DEVIAZIONI\n") +
                          QDir::toNativeSeparators(places.dataFolder)});
    EXPECT_FALSE(program.state.deviationLoaded);
}

TEST_F(InstalledProgramTest, TheTableInUseOutlivesTheProgramAndOneThatIsGoneIsReportedOnce)
{
    const DataPlaces places = Places(false, true);
    Write(places.packageFolder, kDeviationFileName, "0;1\r\n");
    const QString exam = root.filePath(QStringLiteral("scuola/esame-patente-carte-5D-42D.txt"));
    Write(root.filePath(QStringLiteral("scuola")), "esame-patente-carte-5D-42D.txt", "% esame\r\n2;-2\r\n7;-2\r\n");
    {
        Program program(places);
        recorded.platform.fileAnswer = exam;
        program.form6->BTNAPRIClick();
        EXPECT_EQ(program.state.deviationTable.count, 2);
        EXPECT_TRUE(program.form1.LBTABELLA->text().endsWith(QStringLiteral("42D.txt")));
        EXPECT_LE(program.form1.LBTABELLA->sizeHint().width(), program.form1.LBTABELLA->width()) << "shortened";
        program.form6->SGRIGHE->item(0, DeviationRows::kDeviation)->setText(QStringLiteral("-3"));
        ASSERT_TRUE(program.form6->BTNSALVAClick());
        EXPECT_EQ(ReadAll(exam), QByteArray("% esame\r\n2.0;-3.0\r\n7.0;-2.0\r\n")) << "written where it is";
    }
    EXPECT_EQ(Program(places).state.deviationPath, exam);
    EXPECT_TRUE(recorded.platform.errors.isEmpty());

    QFile::remove(exam);
    const QString usual = QDir(places.packageFolder).filePath(kDeviationFileName);
    EXPECT_EQ(Program(places).state.deviationPath, usual);
    EXPECT_EQ(Program(places).state.deviationPath, usual);
    EXPECT_EQ(recorded.platform.errors,
              QStringList{QStringLiteral("La tabella deviazioni in uso non c'è più:\n%1\nSi usa invece %2.")
                              .arg(QDir::toNativeSeparators(exam), QDir::toNativeSeparators(usual))})
        << "said once";
}

// An edited table goes where it will be read first next time, never into
// the package's shared data nor beside an installed executable.
TEST_F(DataFilesTest, AnEditedTableIsSavedWhereItIsReadFirst)
{
    const struct {
        const char* what;
        bool writable;
        bool packageData;
        Folder expected;
    } cases[] = {
        {"portable: over the table beside the executable", true, false, Folder::Beside},
        {"installed: the user's data folder", false, true, Folder::Data},
        {"root's writable /usr/bin: still the user's data folder", true, true, Folder::Data},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QDir(root.path()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(root.path()));
        const DataPlaces places = Places(c.writable, c.packageData);
        Write(c.packageData ? places.packageFolder : places.executableFolder, kDeviationFileName, "0;1\r\n");
        const QString read = LocateDataFiles(places).deviationPath;

        const QString saved = DeviationSavePath(places, read);

        EXPECT_EQ(saved, QDir(PathOf(places, c.expected)).filePath(kDeviationFileName)) << c.what;
        EXPECT_TRUE(QFileInfo(saved).absoluteDir().exists()) << c.what;
        Write(QFileInfo(saved).absolutePath(), kDeviationFileName, "0;2\r\n");
        EXPECT_EQ(LocateDataFiles(places).deviationPath, saved) << c.what << ": read back from there";
    }
}
