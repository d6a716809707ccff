// The calculation log: its entries as text, its file read back and set
// aside when unreadable, and its window as the user drives it.

#include "dialogs/position_dialog.h"
#include "worksheet/log_document.h"
#include "worksheet/log_file.h"
#include "worksheet/log_json.h"

#include "support/disk_full.h"
#include "support/program_windows.h"
#include "support/recording_platform.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/aligned_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

using worksheet::Entry;

namespace {

nav::Worked Prore(const std::string& source = "Prore")
{
    return {source,
            {{"Pb", "100° 00'", nav::Origin::User}, {"δ", "+2° 00' E", nav::Origin::Table}},
            {"Pm = Pb + δ = 102° 00'"},
            {{"Pm", "102° 00'", nav::Origin::User}}};
}

const Entry kEntry{QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7)), Prore()};

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The entries the log promises to keep.
constexpr std::size_t kPromised = 500;

// A full log, its entries' sources "1" to "500", a minute apart.
std::deque<Entry> Full()
{
    std::deque<Entry> entries;
    for (std::size_t i = 1; i <= kPromised; ++i)
        entries.push_back({kEntry.time.addSecs(static_cast<qint64>(60 * i)), Prore(std::to_string(i))});
    return entries;
}

// How many entries the bytes hold as a log; none when they are not one.
std::size_t Kept(const QByteArray& bytes)
{
    return worksheet::ReadLogJson(bytes).value_or(std::deque<Entry>{}).size();
}

// A log of one entry, written as `entry`.
QByteArray OneEntry(const QByteArray& entry)
{
    return "{\"entries\":[" + entry + "]}";
}

const QByteArray kFields = R"("source":"Prore","data":[],"steps":[],"results":[])";
const QByteArray kReadable = "{\"time\":\"2026-03-01T09:05:07Z\"," + kFields + "}";

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

struct EntryTextCase {
    nav::Language language;
    const char* text;
};

class EntryTextTest : public testing::TestWithParam<EntryTextCase> {};

TEST_P(EntryTextTest, ReadsAsTheStudentWritesIt)
{
    EXPECT_EQ(worksheet::EntryText(kEntry, GetParam().language), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, EntryTextTest,
                         testing::Values(EntryTextCase{nav::Language::Italian,
                                                       "2026-03-01 09:05:07  Prore\nDati:\n"
                                                       "  Pb: 100° 00' (dato)\n  δ: +2° 00' E (tabella)\n"
                                                       "Calcolo:\n  Pm = Pb + δ = 102° 00'\n"
                                                       "Risultati:\n  Pm: 102° 00'"},
                                         EntryTextCase{nav::Language::English,
                                                       "2026-03-01 09:05:07  Prore\nData:\n"
                                                       "  Pb: 100° 00' (given)\n  δ: +2° 00' E (table)\n"
                                                       "Working:\n  Pm = Pb + δ = 102° 00'\n"
                                                       "Results:\n  Pm: 102° 00'"}));

// A log and where its file goes, in a folder of the test's own.
class LogFileTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(worksheet::kLogFileName));
    worksheet::Log log;
};

TEST_F(LogFileTest, EveryEntryIsReadBackTheOldestDroppedBeyond500)
{
    {
        worksheet::LogFile file(log, path, nullptr);
        log.Replace(Full());
        log.Add(Prore("501"));
    }
    ASSERT_EQ(log.Entries().size(), kPromised);
    EXPECT_EQ(log.Entries().front().worked.source, "2");

    worksheet::Log again;
    worksheet::LogFile reread(again, path, nullptr);
    EXPECT_TRUE(again.Entries() == log.Entries());
    EXPECT_EQ(again.Entries().back().worked.source, "501");
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

TEST_F(LogFileTest, AFullDiskLeavesTheFileWholeAndIsToldOnce)
{
    worksheet::LogFile file(log, path, nullptr);
    log.Add(Prore());
    {
        DiskFull full;
        log.Add(Prore());
        log.Add(Prore());
    }
    EXPECT_EQ(Kept(Read(path)), 1u);
    EXPECT_EQ(recorded.platform.errors.size(), 1);
    log.Add(Prore());
    EXPECT_EQ(Kept(Read(path)), 4u);
}

// A file this run may not write: another copy's, or one that does not open.
class LeftAloneTest : public LogFileTest, public testing::WithParamInterface<bool> {};

TEST_P(LeftAloneTest, IsNeitherSetAsideNorWrittenAndTheUserIsTold)
{
    const bool anotherCopy = GetParam();
    worksheet::Log theirs;
    std::optional<worksheet::LogFile> other;
    if (anotherCopy) {
        other.emplace(theirs, path, nullptr);
        theirs.Add(Prore("theirs"));
    } else {
        ASSERT_TRUE(QDir().mkpath(path));
    }
    const QByteArray before = Read(path);

    worksheet::LogFile file(log, path, nullptr);
    log.Add(Prore("mine"));
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(QFileInfo(path).isDir(), !anotherCopy);
    EXPECT_FALSE(QFile::exists(path + QString::fromLatin1(worksheet::kSetAsideSuffix)));
    EXPECT_EQ(recorded.platform.errors.size(), 1) << recorded.platform.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(log.Entries().size(), anotherCopy ? 2u : 1u) << "the other copy's entries are shown";
}

INSTANTIATE_TEST_SUITE_P(AnotherCopyOrAFolder, LeftAloneTest, testing::Bool());

struct UnreadableLogCase {
    const char* what;
    QByteArray bytes;
    bool earlierSetAside = false;
};

void PrintTo(const UnreadableLogCase& c, std::ostream* out)
{
    *out << c.what;
}

class UnreadableLogTest : public LogFileTest, public testing::WithParamInterface<UnreadableLogCase> {};

TEST_P(UnreadableLogTest, IsSetAsideAndTheLogStartsEmpty)
{
    ASSERT_EQ(Kept(OneEntry(kReadable)), 1u) << "the entry the cases spoil";
    const QString aside = path + QString::fromLatin1(worksheet::kSetAsideSuffix);
    if (GetParam().earlierSetAside)
        Write(aside, "earlier");
    Write(path, GetParam().bytes);
    worksheet::LogFile file(log, path, nullptr);

    const QString where = GetParam().earlierSetAside ? aside + QStringLiteral(".2") : aside;
    EXPECT_TRUE(log.Entries().empty());
    EXPECT_EQ(Read(where), GetParam().bytes);
    EXPECT_FALSE(QFile::exists(path)) << "nothing written before a change";
    ASSERT_EQ(recorded.platform.errors.size(), 1);
    EXPECT_TRUE(recorded.platform.errors[0].contains(QDir::toNativeSeparators(where)))
        << recorded.platform.errors[0].toStdString();
    log.Add(Prore());
    EXPECT_EQ(Kept(Read(path)), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadableLogTest,
    testing::Values(
        UnreadableLogCase{"not JSON", "{\"entries\": ["},
        UnreadableLogCase{"a list, not a log", "[]"},
        UnreadableLogCase{"an entry without its time", OneEntry("{" + kFields + "}")},
        UnreadableLogCase{"a time that is no time", OneEntry(QByteArray(kReadable).replace("-03-", "-13-"))},
        UnreadableLogCase{"an origin unknown",
                          OneEntry(QByteArray(kReadable).replace(
                              R"("data":[])", R"("data":[{"name":"Pb","value":"1","origin":"guess"}])"))},
        UnreadableLogCase{"a log beyond the size a log has",
                          OneEntry(kReadable) + QByteArray(worksheet::kMaxLogFileBytes, ' ')},
        UnreadableLogCase{"beside one set aside before", "junk", true}));

// The window, on the program's log.

class WorksheetWindowTest : public testing::Test {
protected:
    ProgramWindows windows;
    Program& program = *windows.program;
    TForm10& form = *program.form10;

    void AddThree()
    {
        for (const char* source : {"A", "B", "C"})
            program.log.Add(Prore(source));
    }
};

struct SolvedCase {
    const char* what;
    std::function<void(Program&, const nav::Worked&)> emitFrom;
};

void PrintTo(const SolvedCase& c, std::ostream* out)
{
    *out << c.what;
}

class SolvedTest : public WorksheetWindowTest, public testing::WithParamInterface<SolvedCase> {};

TEST_P(SolvedTest, ReachesTheLogItsWindowAndItsFile)
{
    GetParam().emitFrom(program, Prore());
    ASSERT_EQ(program.log.Entries().size(), 1u);
    EXPECT_EQ(program.log.Entries()[0].worked, Prore());
    EXPECT_EQ(form.ELENCO->count(), 1);
    const auto kept = worksheet::ReadLogJson(Read(program.logFile->Path()));
    ASSERT_TRUE(kept);
    EXPECT_TRUE(*kept == program.log.Entries());
    EXPECT_EQ(QFileInfo(program.logFile->Path()).absolutePath(), QFileInfo(windows.Folder()).absoluteFilePath());
}

using W = const nav::Worked&;

INSTANTIATE_TEST_SUITE_P(
    Table, SolvedTest,
    testing::Values(SolvedCase{"the main window", [](Program& p, W w) { emit p.form1.Solved(w); }},
                    SolvedCase{"the declination dialog", [](Program& p, W w) { emit p.form4->Solved(w); }},
                    SolvedCase{"the compass swing", [](Program& p, W w) { emit p.form7->Solved(w); }},
                    SolvedCase{"the coastal window", [](Program& p, W w) { emit p.form9->Solved(w); }}));

struct CopyCase {
    std::vector<int> selected;
    const char* sources;  // the entries copied, by their first lines' ends
};

class CopyTest : public WorksheetWindowTest, public testing::WithParamInterface<CopyCase> {};

TEST_P(CopyTest, CopiesTheSelectedEntriesElseAll)
{
    AddThree();
    for (const int row : GetParam().selected)
        form.ELENCO->item(row)->setSelected(true);
    QTest::mouseClick(form.BTNCOPIA, Qt::LeftButton);
    QStringList sources;
    for (const QString& entry : QApplication::clipboard()->text().split(QStringLiteral("\n\n")))
        sources << entry.section(QLatin1Char('\n'), 0, 0).section(QStringLiteral("  "), 1);
    EXPECT_EQ(sources.join(QLatin1Char(' ')), QString::fromLatin1(GetParam().sources));
}

INSTANTIATE_TEST_SUITE_P(Table, CopyTest,
                         testing::Values(CopyCase{{}, "A B C"}, CopyCase{{1}, "B"}, CopyCase{{2, 0}, "A C"}));

class ClearTest : public WorksheetWindowTest, public testing::WithParamInterface<bool> {};

TEST_P(ClearTest, EmptiesTheLogAndItsFileOnlyWhenConfirmed)
{
    AddThree();
    windows.recorded.platform.confirmAnswer = GetParam();
    QTest::mouseClick(form.BTNSVUOTA, Qt::LeftButton);
    EXPECT_EQ(windows.recorded.platform.confirms, QStringList{QStringLiteral("Svuoto il registro dei calcoli?")});
    const std::size_t left = GetParam() ? 0 : 3;
    EXPECT_EQ(program.log.Entries().size(), left);
    EXPECT_EQ(static_cast<std::size_t>(form.ELENCO->count()), left);
    EXPECT_EQ(Kept(Read(program.logFile->Path())), left);
}

INSTANTIATE_TEST_SUITE_P(Table, ClearTest, testing::Bool());

TEST_F(WorksheetWindowTest, KeepsTheNewestEntriesInViewAsTheLogDropsTheOldest)
{
    program.log.Replace(Full());
    program.log.Add(Prore("501"));
    ASSERT_EQ(static_cast<std::size_t>(form.ELENCO->count()), worksheet::kMaxEntries);
    EXPECT_TRUE(form.ELENCO->item(0)->text().contains(QStringLiteral("  2\n")));
    EXPECT_TRUE(form.ELENCO->item(form.ELENCO->count() - 1)->text().contains(QStringLiteral("  501\n")));
}

TEST_F(WorksheetWindowTest, CtrlLOpensItFromAField)
{
    TForm1& main = program.form1;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.EDPB->setFocus();
    QTest::keyClick(main.EDPB, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(main.REGISTRO->toolTip(), QStringLiteral("Registro dei calcoli (Ctrl+L)"));
}

TEST_F(WorksheetWindowTest, ThePrintoutNamesTheVesselAndExportsAsPdf)
{
    program.settings.setValue(QString::fromLatin1(kVesselNameKey), QStringLiteral("Stella"));
    program.log.Add(Prore());
    worksheet::Printout printout = form.Printout();
    EXPECT_EQ(printout.vessel, QStringLiteral("Stella"));
    printout.date = QDate(2026, 3, 1);
    printout.language = nav::Language::English;
    QTextDocument document;
    worksheet::BuildLogDocument(document, program.log.Entries(), printout);
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Orvane 2004 - Calculation log\nVessel: Stella\nDate: 2026-03-01\n")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(worksheet::EntryText(program.log.Entries()[0], nav::Language::English)));

    windows.recorded.platform.fileAnswer = QDir(windows.Folder()).filePath(QStringLiteral("log"));
    QTest::mouseClick(form.BTNPDF, Qt::LeftButton);
    EXPECT_TRUE(Read(windows.recorded.platform.fileAnswer + QStringLiteral(".pdf")).startsWith("%PDF"));
    // Printed to a file, as the print dialog may choose.
    const QString printed = QDir(windows.Folder()).filePath(QStringLiteral("printed.pdf"));
    form.askPrinter = [&printed](QPrinter& printer) {
        printer.setOutputFileName(printed);
        return true;
    };
    QTest::mouseClick(form.BTNSTAMPA, Qt::LeftButton);
    EXPECT_TRUE(Read(printed).startsWith("%PDF"));
    EXPECT_TRUE(windows.recorded.platform.errors.isEmpty());
    program.settings.remove(QString::fromLatin1(kVesselNameKey));
}
