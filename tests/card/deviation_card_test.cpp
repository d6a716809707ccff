// The deviation card's windows: the table written and read back, a save
// that fails leaving the old file whole, the copy kept by every save, the
// tables opened and loaded, Escape, the swing's fit, the curve's suspect rows
// and the card exported to PDF.

#include "card/compass_swing.h"
#include "card/deviation_curve.h"
#include "card/deviation_editor.h"
#include "card/deviation_rows.h"
#include "nav/deviation_file.h"
#include "nav/nmea.h"
#include "support/disk_full.h"
#include "support/night_scope.h"
#include "support/recording_platform.h"
#include "toolkit/speed_button.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTableWidgetItem>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <numbers>
#include <optional>


namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::vector<nav::DeviationRow> Parse(const QByteArray& bytes)
{
    const auto parsed = nav::ParseDeviationTable(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    EXPECT_FALSE(parsed.error);
    return nav::RowsOf(parsed.table);
}

// Types into a cell as a user would: through the cell's editor and its checks.
void TypeInto(DeviationRows* rows, int row, int column, const QString& keys)
{
    rows->setCurrentCell(row, column);
    rows->editItem(rows->item(row, column));
    // A closed editor is hidden until it is deleted.
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : rows->findChildren<QLineEdit*>())
        if (e->isVisible())
            editor = e;
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the editor's text on its next turn of the event loop.
    QCoreApplication::processEvents();
}

class Folder : public testing::Test {
protected:
    RecordedPlatform recorded;
    QTemporaryDir folder;
    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
};

}  // namespace

using DeviationEditorTest = Folder;

TEST_F(DeviationEditorTest, SaveKeepsTheCommentsAndReadsBackToTheSameRows)
{
    const QString table = Path("DEVIAZIONI.TXT");
    Write(table, "% Bussola di governo\r\n% giri 2004\r\n0;-1.0\r\n10;0,5\r\n");
    QString reloaded;
    TForm6 editor({[&] { return table; }, [&] { return table; }, [&](const QString& p) { reloaded = p; }});
    const std::vector<nav::DeviationRow> rows{{0, -1, 0}, {90, 2.25, 0}, {180, -0.5, 0}, {270, 3, 0}};
    editor.Load(rows);

    ASSERT_TRUE(editor.BTNSALVAClick());

    EXPECT_EQ(reloaded, table);
    EXPECT_EQ(ReadAll(table), QByteArray("% Bussola di governo\r\n% giri 2004\r\n0.0;-1.0\r\n90.0;2.25\r\n"
                                         "180.0;-0.5\r\n270.0;3.0\r\n"));
    const auto back = Parse(ReadAll(table));
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_DOUBLE_EQ(back[i].Pb, rows[i].Pb);
        EXPECT_DOUBLE_EQ(back[i].Dev, rows[i].Dev);
    }
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

TEST_F(DeviationEditorTest, AnInstalledTableIsWrittenToTheUsersFolderWithItsComments)
{
    const QString shared = Path("DEVIAZIONI.TXT");
    Write(shared, "% campione\r\n0;1\r\n");
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("data")));
    const QString own = folder.filePath(QStringLiteral("data/DEVIAZIONI.TXT"));
    TForm6 editor({[&] { return shared; }, [&] { return own; }, nullptr});
    editor.Load({{0, 2, 0}});
    ASSERT_TRUE(editor.BTNSALVAClick());
    EXPECT_EQ(ReadAll(own), QByteArray("% campione\r\n0.0;2.0\r\n"));
    EXPECT_EQ(ReadAll(shared), QByteArray("% campione\r\n0;1\r\n"));
}

enum class Failure { ReadOnlyFolder, TargetIsAFolder, DiskFull, BackupIsAFolder };

struct FailedSaveCase {
    const char* what;
    Failure failure;
};

class FailedSaveTest : public Folder, public testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveTest, LeavesTheOldFileWholeAndSaysWhy)
{
    const QString sub = folder.filePath(QStringLiteral("boat"));
    ASSERT_TRUE(QDir().mkpath(sub));
    QString target = QDir(sub).filePath(QStringLiteral("DEVIAZIONI.TXT"));
    const QByteArray old = "% vecchia\r\n0;1\r\n90;2\r\n";
    const Failure failure = GetParam().failure;
    if (failure == Failure::TargetIsAFolder) {
        ASSERT_TRUE(QDir().mkpath(target));
    } else {
        Write(target, old);
    }
    if (failure == Failure::BackupIsAFolder) {
        ASSERT_TRUE(QDir().mkpath(BackupPath(target)));
    }
    if (failure == Failure::ReadOnlyFolder) {
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(sub).isWritable()) {
            QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            GTEST_SKIP() << "running as root: a read-only folder is still writable (the full disk case still runs)";
        }
    }
    bool reloaded = false;
    TForm6 editor({[&] { return target; }, [&] { return target; }, [&](const QString&) { reloaded = true; }});
    editor.Load({{0, 5, 0}, {180, -5, 0}});

    {
        std::optional<DiskFull> full;
        if (failure == Failure::DiskFull)
            full.emplace();
        EXPECT_FALSE(editor.BTNSALVAClick()) << GetParam().what;
    }

    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(reloaded);
    ASSERT_EQ(recorded.platform.errors.size(), 1);
    EXPECT_TRUE(recorded.platform.errors[0].startsWith(QStringLiteral("Tabella non salvata in ")));
    EXPECT_GT(recorded.platform.errors[0].section(QLatin1Char('\n'), 1).size(), 0) << "a reason is given";
    if (failure == Failure::TargetIsAFolder)
        EXPECT_TRUE(QFileInfo(target).isDir());
    else
        EXPECT_EQ(ReadAll(target), old);
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden).size(), failure == Failure::TargetIsAFolder ? 0 : 1)
        << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Table, FailedSaveTest,
                         testing::Values(FailedSaveCase{"a read-only folder", Failure::ReadOnlyFolder},
                                         FailedSaveCase{"the target is a folder", Failure::TargetIsAFolder},
                                         FailedSaveCase{"the disk is full", Failure::DiskFull},
                                         FailedSaveCase{"the copy cannot be kept", Failure::BackupIsAFolder}));

struct BackupCase {
    const char* what;
    const char* before;   // the file saved over, or none
    const char* oldCopy;  // a copy already there, or none
    const char* copy;     // the copy after the save, or none
};

class BackupTest : public Folder, public testing::WithParamInterface<BackupCase> {};

TEST_P(BackupTest, EverySaveKeepsTheFileItReplaces)
{
    const BackupCase& c = GetParam();
    const QString table = Path("DEVIAZIONI.TXT");
    if (c.before)
        Write(table, c.before);
    if (c.oldCopy)
        Write(BackupPath(table), c.oldCopy);
    TForm6 editor({[&] { return table; }, [&] { return table; }, nullptr});
    editor.Load({{0, 2, 0}});
    ASSERT_TRUE(editor.BTNSALVAClick()) << c.what;
    EXPECT_EQ(ReadAll(BackupPath(table)), QByteArray(c.copy)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BackupTest,
    testing::Values(BackupCase{"no file yet: nothing to keep", nullptr, nullptr, nullptr},
                    BackupCase{"the file saved over", "% a\r\n0;1\r\n", nullptr, "% a\r\n0;1\r\n"},
                    BackupCase{"an older copy gives way", "% a\r\n0;1\r\n", "% b\r\n0;9\r\n", "% a\r\n0;1\r\n"},
                    BackupCase{"a save that changes nothing keeps the copy of the last change", "% a\r\n0.0;2.0\r\n",
                               "% a\r\n0;1\r\n", "% a\r\n0;1\r\n"}));

TEST_F(DeviationEditorTest, NothingIsLostDeletingSavingAndRestoring)
{
    const QString table = Path("DEVIAZIONI.TXT");
    Write(table, "% a\r\n0;1\r\n90;1\r\n");
    TForm6 editor({[&] { return table; }, [&] { return table; }, nullptr});
    editor.Load({{0, 1, 0}, {90, 1, 0}});
    EXPECT_FALSE(editor.BTNRIPRISTINA->isEnabled()) << "no copy yet";
    editor.SGRIGHE->selectAll();
    editor.BTNELIMINAClick();
    EXPECT_EQ(editor.SGRIGHE->rowCount(), 2) << "asked first, the user said no";
    editor.SGRIGHE->item(0, DeviationRows::kDeviation)->setText(QStringLiteral("2"));
    ASSERT_TRUE(editor.BTNSALVAClick());

    recorded.platform.confirmAnswer = true;
    editor.BTNRIPRISTINAClick();
    EXPECT_EQ(editor.SGRIGHE->ReadAll().rows.at(0).Dev, 1);
    EXPECT_EQ(ReadAll(table), QByteArray("% a\r\n0.0;2.0\r\n90.0;1.0\r\n")) << "nothing written yet";
    editor.BTNCHIUDIClick();
    EXPECT_EQ(recorded.platform.confirms.size(), 3) << "closing asks: the rows are unsaved";
    ASSERT_TRUE(editor.BTNSALVAClick());
    EXPECT_EQ(ReadAll(table), QByteArray("% a\r\n0.0;1.0\r\n90.0;1.0\r\n"));
    EXPECT_EQ(ReadAll(BackupPath(table)), QByteArray("% a\r\n0.0;2.0\r\n90.0;1.0\r\n"));
}

TEST_F(DeviationEditorTest, OpenTheExamTableSaveItAsAFileAndOpenTheOwnAgain)
{
    const QString own = Path("DEVIAZIONI.TXT");
    Write(own, "% nostra\r\n0;1\r\n");
    Write(Path("rotta.txt"), "0;1\r\nx;2\r\n");
    QString inUse = own;
    TForm6 editor({[&] { return inUse; }, [&] { return inUse; }, [&](const QString& p) { inUse = p; }});
    editor.Load({{0, 1, 0}});
    recorded.platform.confirmAnswer = true;

    recorded.platform.fileAnswer = Path("rotta.txt");
    editor.BTNAPRIClick();
    EXPECT_EQ(recorded.platform.errors,
              QStringList{QStringLiteral("Tabella non letta da %1:\n'x' is not a valid floating point value")
                              .arg(QDir::toNativeSeparators(Path("rotta.txt")))});
    editor.MNESEMPIO->findChild<QAction*>(QStringLiteral("ACTESAME"))->trigger();
    const auto exam = editor.SGRIGHE->ReadAll().rows;
    ASSERT_EQ(exam.size(), 72u);
    for (std::size_t i = 0; i < exam.size(); ++i)
        EXPECT_EQ(exam[i].Pm, 5.0 * static_cast<double>(i)) << "magnetic headings every 5°, row " << i;
    EXPECT_EQ(inUse, own) << "nothing is in use before it is saved";

    recorded.platform.fileAnswer = Path("esame.txt");
    ASSERT_TRUE(editor.BTNSALVAClick());  // an example is saved to a file of its own
    EXPECT_EQ(inUse, Path("esame.txt"));
    EXPECT_TRUE(ReadAll(inUse).startsWith("% Tabella delle deviazioni residue per le esercitazioni"));
    EXPECT_EQ(ReadAll(own), QByteArray("% nostra\r\n0;1\r\n"));
    recorded.platform.fileAnswer = own;
    editor.BTNAPRIClick();
    EXPECT_EQ(inUse, own);
    EXPECT_EQ(editor.SGRIGHE->rowCount(), 1);
}

enum class CardWindow { Editor, Swing, Curve };

struct EscapeCase {
    const char* what;
    CardWindow window;
    bool inCell;   // a cell's editor is open
    bool unsaved;  // the user is asked, and stays
    bool closes;
};

class EscapeTest : public Folder, public testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeTest, ClosesAsChiudiDoesOutsideAnOpenCell)
{
    const EscapeCase& c = GetParam();
    QSettings settings(Path("orvane.conf"), QSettings::IniFormat);
    TForm6 editor({[] { return QString(); }, [] { return QString(); }, nullptr});
    TForm7 swing(nullptr);
    TForm8 curve([] { return nav::DeviationTable{}; }, settings);
    QDialog* const windows[] = {&editor, &swing, &curve};
    QDialog* window = windows[static_cast<int>(c.window)];
    DeviationRows* grid = c.window == CardWindow::Editor ? editor.SGRIGHE : swing.SGGIRO;
    editor.Load({{0, 1, 0}});
    window->show();
    if (c.unsaved)
        grid->item(0, DeviationRows::kDeviation)->setText(QStringLiteral("5"));
    QPointer<QWidget> target = c.window == CardWindow::Curve ? static_cast<QWidget*>(curve.EDNAVE) : grid;
    if (c.inCell) {
        grid->editItem(grid->item(0, DeviationRows::kDeviation));
        target = grid->findChild<QLineEdit*>();
    }
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_EQ(!window->isVisible(), c.closes) << c.what;
    EXPECT_EQ(recorded.platform.confirms.size(), c.unsaved ? 1 : 0) << c.what;
    EXPECT_TRUE(!target || !target->isVisible() || !c.inCell) << c.what << ": the cell's editing is over";
}

INSTANTIATE_TEST_SUITE_P(Table, EscapeTest,
                         testing::Values(EscapeCase{"the editor", CardWindow::Editor, false, false, true},
                                         EscapeCase{"the editor, unsaved", CardWindow::Editor, false, true, false},
                                         EscapeCase{"the editor, in a cell", CardWindow::Editor, true, false, false},
                                         EscapeCase{"the compass swing", CardWindow::Swing, false, false, true},
                                         EscapeCase{"the swing, in a cell", CardWindow::Swing, true, false, false},
                                         EscapeCase{"the curve", CardWindow::Curve, false, false, true}));

TEST_F(DeviationEditorTest, ARowOutOfBoundsIsRefusedAndNothingIsWritten)
{
    const QString table = Path("DEVIAZIONI.TXT");
    Write(table, "0;1\r\n");
    TForm6 editor({[&] { return table; }, [&] { return table; }, nullptr});
    editor.Load({{0, 1, 0}, {10, 2, 0}});
    editor.SGRIGHE->item(1, DeviationRows::kDeviation)->setText(QStringLiteral("95"));
    EXPECT_FALSE(editor.BTNSALVAClick());
    EXPECT_EQ(recorded.platform.errors,
              QStringList{QStringLiteral("Riga 2: la deviazione deve stare tra -90° e +90°.")});
    EXPECT_EQ(ReadAll(table), QByteArray("0;1\r\n"));
}

struct CellTypedCase {
    int column;
    const char* keys;
    const char* shown;
};

class TypedCellTest : public Folder, public testing::WithParamInterface<CellTypedCase> {};

// The cell keeps only what is, or may become, a number within its bounds.
TEST_P(TypedCellTest, ChecksTheTextAsItIsTyped)
{
    TForm6 editor({[] { return QString(); }, [] { return QString(); }, nullptr});
    editor.Load({{0, 0, 0}});
    editor.show();
    TypeInto(editor.SGRIGHE, 0, GetParam().column, QString::fromUtf8(GetParam().keys));
    EXPECT_EQ(editor.SGRIGHE->item(0, GetParam().column)->text(), QString::fromUtf8(GetParam().shown))
        << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Table, TypedCellTest,
                         testing::Values(CellTypedCase{DeviationRows::kHeading, "350", "350"},
                                         CellTypedCase{DeviationRows::kHeading, "361", "36"},
                                         CellTypedCase{DeviationRows::kHeading, "-181", "-18"},
                                         CellTypedCase{DeviationRows::kHeading, "-180", "-180"},
                                         CellTypedCase{DeviationRows::kDeviation, "-2,5", "-2,5"},
                                         CellTypedCase{DeviationRows::kDeviation, "3.25", "3.25"},
                                         CellTypedCase{DeviationRows::kDeviation, "91", "9"},
                                         CellTypedCase{DeviationRows::kDeviation, "1x°", "1"},
                                         CellTypedCase{DeviationRows::kDeviation, "1.2.3", "1.23"}));

TEST_F(DeviationEditorTest, AddDeleteAndSort)
{
    TForm6 editor({[] { return QString(); }, [] { return QString(); }, nullptr});
    editor.Load({{90, 1, 0}, {0, 2, 0}});
    editor.SGRIGHE->setCurrentCell(1, 0);
    editor.BTNAGGIUNGIClick();
    ASSERT_EQ(editor.SGRIGHE->rowCount(), 3);
    EXPECT_EQ(editor.SGRIGHE->currentRow(), 2);
    editor.SGRIGHE->item(2, 0)->setText(QStringLiteral("45"));
    editor.SGRIGHE->item(2, 1)->setText(QStringLiteral("-3"));
    editor.BTNORDINAClick();
    const auto sorted = editor.SGRIGHE->ReadAll();
    ASSERT_TRUE(sorted.problem.isEmpty()) << sorted.problem.toStdString();
    ASSERT_EQ(sorted.rows.size(), 3u);
    EXPECT_EQ(sorted.rows[0].Pb, 0);
    EXPECT_EQ(sorted.rows[1].Pb, 45);
    EXPECT_EQ(sorted.rows[2].Dev, 1);

    editor.SGRIGHE->clearSelection();
    editor.SGRIGHE->selectRow(1);
    editor.BTNELIMINAClick();
    EXPECT_EQ(editor.SGRIGHE->rowCount(), 2);
    EXPECT_EQ(editor.SGRIGHE->item(1, 0)->text(), QStringLiteral("90.0").replace(QLatin1Char('.'), QLocale().decimalPoint()));
}

TEST_F(DeviationEditorTest, AddingStopsAtTheTablesCapacity)
{
    TForm6 editor({[] { return QString(); }, [] { return QString(); }, nullptr});
    editor.Load(std::vector<nav::DeviationRow>(nav::kDeviationCapacity, nav::DeviationRow{}));
    editor.BTNAGGIUNGIClick();
    EXPECT_EQ(editor.SGRIGHE->rowCount(), nav::kDeviationCapacity);
    EXPECT_EQ(recorded.platform.errors.size(), 1);
}

// Swing entries: cells typed row by row, the fit follows.
using CompassSwingTest = Folder;

TEST_F(CompassSwingTest, TheClassicSwingGivesItsCoefficientsAndATableEveryTenDegrees)
{
    std::vector<nav::DeviationRow> proposed;
    TForm7 swing([&](const std::vector<nav::DeviationRow>& rows) { proposed = rows; });
    const QSignalSpy solved(&swing, &TForm7::Solved);
    swing.show();
    ASSERT_EQ(swing.SGGIRO->rowCount(), 8);
    EXPECT_EQ(swing.SGGIRO->item(7, 0)->text().toDouble(), 315);
    EXPECT_FALSE(swing.BTNGENERA->isEnabled());

    const char* deviations[] = {"2", "4", "3", "0", "-2", "-4", "-3", "0"};
    for (int i = 0; i < 8; ++i)
        TypeInto(swing.SGGIRO, i, DeviationRows::kDeviation, QString::fromLatin1(deviations[i]));

    ASSERT_TRUE(swing.fit());
    const QString sign = QLocale().decimalPoint();
    EXPECT_EQ(swing.LBCOEFF->text().toStdString(),
              QStringLiteral("A = 0.0°\nB = +2.9°\nC = +2.4°\nD = 0.0°\nE = 0.0°").replace(QLatin1Char('.'), sign).toStdString());
    ASSERT_TRUE(swing.BTNGENERA->isEnabled());
    EXPECT_EQ(solved.count(), 0) << "a cell typed is no calculation for the log";
    swing.BTNGENERAClick();
    ASSERT_EQ(solved.count(), 1);
    EXPECT_EQ(solved.at(0).at(0).value<nav::Worked>().results.at(1), (nav::WorkedValue{"B", "+2,9°"}));
    ASSERT_EQ(proposed.size(), 36u);
    EXPECT_DOUBLE_EQ(proposed[0].Dev, 2.4);
    EXPECT_DOUBLE_EQ(proposed[9].Dev, 2.9);
}

// The texts ask for as many headings as the fit needs: five.
TEST_F(CompassSwingTest, FourHeadingsAreRefusedPlainly)
{
    TForm7 swing(nullptr);
    swing.show();
    for (int i = 7; i >= 4; --i)
        swing.SGGIRO->removeRow(i);
    for (int i = 0; i < 4; ++i)
        TypeInto(swing.SGGIRO, i, DeviationRows::kDeviation, QStringLiteral("1"));
    EXPECT_FALSE(swing.fit());
    EXPECT_FALSE(swing.BTNGENERA->isEnabled());
    const QSignalSpy solved(&swing, &TForm7::Solved);
    swing.BTNGENERAClick();
    EXPECT_EQ(solved.count(), 0);
    EXPECT_TRUE(swing.LBCOEFF->text().isEmpty());
    EXPECT_TRUE(swing.LBSTATO->text().contains(QStringLiteral("almeno 5, meglio 8 o più")))
        << swing.LBSTATO->text().toStdString();
    // Five rows on four headings: the fit says why.
    swing.SGGIRO->insertRow(4);
    swing.SGGIRO->setItem(4, 0, new QTableWidgetItem(QStringLiteral("0")));
    swing.SGGIRO->setItem(4, 1, new QTableWidgetItem(QStringLiteral("1")));
    EXPECT_TRUE(swing.LBSTATO->text().startsWith(QStringLiteral("Con 4 prore distinte la curva non è determinata")))
        << swing.LBSTATO->text().toStdString();
}

TEST_F(CompassSwingTest, HeadingsBunchedTogetherAreRefused)
{
    TForm7 swing(nullptr);
    const char* headings[] = {"0", "15", "30", "45", "60", "75", "80", "85"};
    for (int i = 0; i < 8; ++i) {
        swing.SGGIRO->item(i, 0)->setText(QString::fromLatin1(headings[i]));
        swing.SGGIRO->item(i, 1)->setText(QStringLiteral("1"));
    }
    EXPECT_FALSE(swing.fit());
    EXPECT_TRUE(swing.LBSTATO->text().startsWith(QStringLiteral("Prore troppo vicine")));
}

// A sentence with its checksum.
nav::NmeaNews ReadNmea(const QString& body)
{
    int sum = 0;
    for (const char c : body.toLatin1())
        sum ^= c;
    const std::string line = QStringLiteral("$%1*%2").arg(body).arg(sum, 2, 16, QLatin1Char('0')).toUpper().toStdString();
    nav::NmeaNews news;
    EXPECT_EQ(nav::ReadSentence(line, news), nav::NmeaVerdict::Read) << line;
    return news;
}

// A boat turning through eight headings, each held 30 s with up to 1,2° of
// noise, on a known curve and 2,5° W of declination: "Da GPS" on each gives
// the curve back.
TEST_F(CompassSwingTest, AReplayedTurnThroughEightHeadingsGivesTheCurveBack)
{
    const nav::DeviationCoefficients curve{1.0, 4.0, -3.0, 0.5, -1.0};
    const double west = 2.5;
    const double noise[] = {0.8, -0.8, 1.2, -1.2, 0.0};
    qint64 now = 1'765'000'000'000;
    TForm7 swing(nullptr, [&] { return nav::DegreesToAngle(west); });
    swing.SetClock([&] { return now; });
    const QSignalSpy solved(&swing, &TForm7::Solved);
    swing.show();
    for (int k = 0; k < 8; ++k) {
        const double compass = 45 * k + 1;
        const double course = compass + nav::DeviationAt(curve, compass) - west;
        QTest::mouseClick(swing.BTNGPSREG, Qt::LeftButton);
        for (int s = 0; s <= 30; ++s) {
            const QString c = QString::number(nav::OnCircle(course + noise[(s + 2) % 5]), 'f', 1);
            swing.FeedInstruments(ReadNmea(QStringLiteral("HCHDG,%1,,,,").arg(nav::OnCircle(compass + noise[s % 5]), 0, 'f', 1)), now);
            swing.FeedInstruments(ReadNmea(QStringLiteral("GPRMC,120000,A,4400.0,N,00900.0,E,5.0,%1,101226,,").arg(c)), now);
            swing.FeedInstruments(ReadNmea(QStringLiteral("GPVTG,%1,T,,M,5.0,N,9.3,K").arg(c)), now);
            now += 1000;
        }
        EXPECT_TRUE(swing.LBGPS->text().contains(QStringLiteral("Scarto massimo"))) << swing.LBGPS->text().toStdString();
        EXPECT_TRUE(swing.BTNGPSREG->isEnabled());
    }
    const std::vector<nav::DeviationRow> rows = swing.SGGIRO->CompleteRows();
    ASSERT_EQ(rows.size(), 8u) << "each heading replaces its row, 1° away";
    EXPECT_EQ(solved.count(), 8) << "each row read is worked out for the log";
    for (const nav::DeviationRow& r : rows)
        EXPECT_NEAR(r.Dev, nav::DeviationAt(curve, r.Pb), 0.5) << r.Pb;
    ASSERT_TRUE(swing.fit());
    EXPECT_NEAR(swing.fit()->coefficients.B, curve.B, 0.5);
    EXPECT_NEAR(swing.fit()->coefficients.E, curve.E, 0.5);
}

// With no sentences the clock ends the 30 s: a refusal, nothing written.
TEST_F(CompassSwingTest, TheClockEndsASwingFromGpsWithNoSentences)
{
    qint64 now = 0;
    TForm7 swing(nullptr);
    swing.SetClock([&] { return now; });
    swing.show();
    QTest::mouseClick(swing.BTNGPSREG, Qt::LeftButton);
    EXPECT_FALSE(swing.BTNGPSREG->isEnabled());
    EXPECT_TRUE(swing.LBGPS->text().contains(QStringLiteral("30 s"))) << swing.LBGPS->text().toStdString();
    now = nav::kGpsSwingMillis;
    QSignalSpy tick(swing.TMGPS, &QTimer::timeout);
    ASSERT_TRUE(tick.wait(2 * TForm7::kCountdownTickMs));
    EXPECT_TRUE(swing.BTNGPSREG->isEnabled());
    EXPECT_TRUE(swing.LBGPS->text().startsWith(QStringLiteral("Nessuna prora"))) << swing.LBGPS->text().toStdString();
    EXPECT_TRUE(swing.SGGIRO->CompleteRows().empty());
}

// The curve window and the card.
class DeviationCurveTest : public Folder {
protected:
    nav::DeviationTable table;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<TForm8> curve;

    void Start(const nav::DeviationCoefficients& c, int changedRow = -1, double change = 0.0)
    {
        for (int h = 0; h < 360; h += 10) {
            auto& r = table.rows[static_cast<std::size_t>(table.count++)];
            r.Pb = h;
            r.Dev = nav::DeviationAt(c, h);
            r.Pm = nav::WrapDegrees(r.Pb + r.Dev);
        }
        if (changedRow >= 0)
            table.rows[static_cast<std::size_t>(changedRow)].Dev += change;
        settings = std::make_unique<QSettings>(Path("orvane.conf"), QSettings::IniFormat);
        curve = std::make_unique<TForm8>([this] { return table; }, *settings);
        curve->Refresh();
    }
};

TEST_F(DeviationCurveTest, MarksTheRowTypedWrongAndNoOther)
{
    Start({0.5, 3, -2, 0.5, 1}, 7, 5.0);
    const QString text = curve->LBSOSPETTE->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Probabili errori di battitura: riga 8 (Pb 70")))
        << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("riga ")), 1) << text.toStdString();
    EXPECT_TRUE(curve->LBCOEFF->text().contains(QStringLiteral("RMS = ")));
    // In the card's red, as the row is on the chart.
    EXPECT_EQ(curve->LBSOSPETTE->palette().color(QPalette::WindowText), QColor(kSuspectRgb));
}

TEST_F(DeviationCurveTest, TheVesselsNameIsRemembered)
{
    Start({0, 1, 1, 0, 0});
    curve->EDNAVE->setText(QStringLiteral("Stella Maris"));
    emit curve->EDNAVE->editingFinished();
    settings->sync();
    QSettings again(Path("orvane.conf"), QSettings::IniFormat);
    TForm8 reopened([this] { return table; }, again);
    EXPECT_EQ(reopened.EDNAVE->text(), QStringLiteral("Stella Maris"));
    EXPECT_EQ(reopened.Card().vessel, QStringLiteral("Stella Maris"));
}

TEST_F(DeviationCurveTest, TheCardsRowsAreTheTableOrTheProgramsAnswerEveryTenDegrees)
{
    std::vector<nav::DeviationRow> fine;
    for (int h = 0; h <= 360; ++h)
        fine.push_back({static_cast<double>(h), h < 180 ? 1.0 : -1.0, 0});
    const auto every10 = CardRows(fine);
    ASSERT_EQ(every10.size(), 36u);
    EXPECT_EQ(every10[17].Pb, 170);
    EXPECT_EQ(every10[17].Dev, 1.0);
    EXPECT_EQ(every10[18].Dev, -1.0);

    const auto few = CardRows({{90, 1, 91}, {0, 2, 2}});
    ASSERT_EQ(few.size(), 2u);
    EXPECT_EQ(few[0].Pb, 0);
}

// The exported PDF, rendered by pdftoppm: the curve's colour lies in the
// chart's part of the page and nowhere else.
TEST_F(DeviationCurveTest, ThePdfCardShowsTheCurve)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the PDF cannot be rendered";
    Start({0, 1.5 + std::numbers::sqrt2, 1 + std::numbers::sqrt2, 0, 0});
    curve->EDNAVE->setText(QStringLiteral("Stella Maris"));
    const QString pdf = Path("card.pdf");
    curve->askSavePath = [&](const QString&, const QString& suggested, const QString&) {
        EXPECT_TRUE(suggested.endsWith(QStringLiteral("deviazioni-Stella Maris.pdf"))) << suggested.toStdString();
        return pdf;
    };
    curve->BTNPDFClick();
    ASSERT_TRUE(recorded.platform.errors.isEmpty()) << recorded.platform.errors.join(QLatin1Char(' ')).toStdString();
    ASSERT_TRUE(ReadAll(pdf).startsWith("%PDF"));

    constexpr int kDpi = 72;
    QProcess render;
    render.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(kDpi),
                            QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                            QStringLiteral("-singlefile"), pdf, Path("page")});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page(Path("page.png"));
    ASSERT_FALSE(page.isNull());
    const double pxPerMm = kDpi / 25.4;
    EXPECT_NEAR(page.width(), kCardWidthMm * pxPerMm, 2);
    EXPECT_NEAR(page.height(), kCardHeightMm * pxPerMm, 2);

    const QRectF mm = CardChartRectMm();
    const QRect chart(QPoint(qRound(mm.left() * pxPerMm), qRound(mm.top() * pxPerMm)),
                      QPoint(qRound(mm.right() * pxPerMm), qRound(mm.bottom() * pxPerMm)));
    // The curve's blue, also where its edge is blended with the white page.
    const auto isCurve = [](QRgb px) { return qBlue(px) > qRed(px) + 60 && qBlue(px) > qGreen(px) + 30; };
    int inside = 0;
    int outside = 0;
    QSet<int> columns;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (!isCurve(page.pixel(x, y)))
                continue;
            if (chart.contains(x, y)) {
                ++inside;
                columns.insert(x);
            } else {
                ++outside;
            }
        }
    }
    EXPECT_GT(inside, chart.width()) << "the curve runs across the chart";
    // Each point's marker hides a little of it.
    EXPECT_GT(columns.size(), chart.width() * 3 / 4) << "from 0° to 360°";
    EXPECT_EQ(outside, 0);
    // The curve's top, B sin θ + C cos θ at its peak √(B² + C²) ≈ 3.8°, lies in the upper half.
    int highest = chart.bottom();
    for (int y = chart.top(); y <= chart.bottom(); ++y) {
        for (int x = chart.left(); x <= chart.right(); ++x) {
            if (isCurve(page.pixel(x, y)))
                highest = std::min(highest, y);
        }
    }
    EXPECT_LT(highest, chart.center().y());
}

TEST_F(DeviationCurveTest, AtNightTheExportedCardKeepsItsDayColours)
{
    Start({0, 2, 1, 0, 0});
    NightScope night;
    curve->askSavePath = [&](const QString&, const QString&, const QString&) { return Path("night.png"); };
    curve->BTNPNGClick();
    const QImage card(Path("night.png"));
    ASSERT_FALSE(card.isNull());
    EXPECT_EQ(card.pixelColor(0, 0), QColor(Qt::white));
    const QRectF mm = CardChartRectMm();
    const double pxPerMm = card.width() / kCardWidthMm;
    const QRgb curveRgb = QColor(kCurveRgb).rgb();
    int curvePixels = 0;
    for (int y = qRound(mm.top() * pxPerMm); y < qRound(mm.bottom() * pxPerMm); ++y)
        for (int x = qRound(mm.left() * pxPerMm); x < qRound(mm.right() * pxPerMm); ++x)
            curvePixels += card.pixel(x, y) == curveRgb;
    EXPECT_GT(curvePixels, 0) << "the curve in its blue";
}

TEST_F(DeviationCurveTest, AnExportThatCannotBeWrittenSaysWhy)
{
    Start({0, 1, 1, 0, 0});
    curve->askSavePath = [&](const QString&, const QString&, const QString&) { return Path("missing/card.png"); };
    curve->BTNPNGClick();
    ASSERT_EQ(recorded.platform.errors.size(), 1);
    EXPECT_TRUE(recorded.platform.errors[0].startsWith(QStringLiteral("Impossibile scrivere")));
}

TEST_F(DeviationCurveTest, PrintingPaintsTheSameCardOnThePrinter)
{
    Start({0, 1, 1, 0, 0});
    const QString out = Path("printed.pdf");
    curve->askPrinter = [&](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        return true;
    };
    curve->BTNSTAMPAClick();
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
    EXPECT_TRUE(ReadAll(out).startsWith("%PDF"));

    curve->askPrinter = [](QPrinter&) { return false; };
    QFile::remove(out);
    curve->BTNSTAMPAClick();
    EXPECT_FALSE(QFileInfo::exists(out)) << "a cancelled print prints nothing";
}

TEST(DeviationScaleTest, TicksFallOnWholeDegreesAndTheCurveFits)
{
    const struct {
        double largest, top, step;
    } cases[] = {
        {0.0, 1.0, 1.0},   {2.0, 3.0, 1.0},    {2.5, 3.0, 1.0},    {5.9, 7.0, 1.0},  {6.5, 8.0, 2.0},
        {12.5, 15.0, 5.0}, {-14.0, 20.0, 5.0}, {31.0, 40.0, 10.0}, {90.0, 90.0, 10.0},
    };
    for (const auto& c : cases) {
        const DeviationScale scale = ChartScale(c.largest);
        EXPECT_EQ(scale.top, c.top) << c.largest;
        EXPECT_EQ(scale.step, c.step) << c.largest;
        EXPECT_EQ(std::fmod(scale.top, scale.step), 0.0) << c.largest;
    }
}
