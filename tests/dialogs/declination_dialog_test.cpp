#include "dialogs/declination_dialog.h"

#include "support/disk_full.h"
#include "support/recording_platform.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

QString Text(nav::Angle a)
{
    return QString::fromStdString(nav::FormatAngle(a));
}

QString Declination(nav::Angle a)
{
    return QString::fromStdString(nav::FormatDeclination(a));
}

}  // namespace

class DeclinationDialogTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    QTemporaryDir folder;
    DeclinationValues values;
    EntryHandOff handOff;
    TAlignedEdit panel;  // the main window's EDDECL
    std::vector<std::pair<int, int>> angleDialogs;
    // What the angle dialog confirms, one a time; with none left it is cancelled.
    std::deque<nav::Angle> confirmedAngles;
    std::unique_ptr<TForm4> form;

    void SetUp() override { values.settingsPath = folder.filePath(QStringLiteral("ORVAN_INI.INI")); }

    void WriteSettings(const QByteArray& bytes)
    {
        QFile file(values.settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray Settings() const
    {
        QFile file(values.settingsPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Create()
    {
        form = std::make_unique<TForm4>(values, handOff, [this](int lo, int hi) {
            angleDialogs.emplace_back(lo, hi);
            if (!confirmedAngles.empty()) {
                *handOff.entryValue = confirmedAngles.front();
                confirmedAngles.pop_front();
            }
        }, &panel);
    }

    // Opens the dialog and runs `inside` while it is up.
    void OpenAnd(std::function<void()> inside)
    {
        QTimer::singleShot(0, form.get(), [this, inside] {
            inside();
            if (form->isVisible())
                form->DECLIABO->click();
        });
        form->Open();
    }
};

TEST_F(DeclinationDialogTest, TheFirstStartWritesTheChartDataAndShowsTheirDeclination)
{
    Create();
    const int year = QDate::currentDate().year();
    EXPECT_EQ(Settings(), QStringLiteral("1985\r\n%1\r\n3600\r\n240\r\n").arg(year).toLatin1());
    EXPECT_EQ(values.valDECL, kDeg + 4 * kMin * (year - 1985));
    EXPECT_EQ(panel.text(), Declination(values.valDECL));
    EXPECT_TRUE(recorded.platform.exceptions.isEmpty());
}

struct SettingsFileCase {
    const char* what;
    const char* file;
    nav::Angle declination;
    bool east, decreasing;
    nav::Angle base;
};

class SettingsFileTest : public DeclinationDialogTest, public testing::WithParamInterface<SettingsFileCase> {};

TEST_P(SettingsFileTest, SetsTheChartDataAndTheDialogShowsThem)
{
    const SettingsFileCase& c = GetParam();
    WriteSettings(c.file);
    Create();
    EXPECT_EQ(values.valDECL, c.declination) << c.what;
    EXPECT_EQ(panel.text(), Declination(c.declination)) << c.what;
    OpenAnd([&] {
        EXPECT_EQ(form->RBEST->isChecked(), c.east) << c.what;
        EXPECT_EQ(form->RBWEST->isChecked(), !c.east) << c.what;
        EXPECT_EQ(form->RBDIMIN->isChecked(), c.decreasing) << c.what;
        EXPECT_EQ(form->RBVERSOE->isChecked(), c.east != c.decreasing) << c.what;
        EXPECT_EQ(form->EDDECLIBASE->text(), Text(c.base)) << c.what;
        EXPECT_EQ(form->EDDECLREAL->text(), Declination(c.declination)) << c.what;
    });
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsFileTest,
    testing::Values(
        SettingsFileCase{"2004", "1985\r\n2004\r\n3600\r\n240\r\n", 2 * kDeg + 16 * kMin, false, false, kDeg},
        SettingsFileCase{"East base", "2000\r\n2000\r\n-5400\r\n60\r\n", -(kDeg + 30 * kMin), true, false,
                         kDeg + 30 * kMin},
        SettingsFileCase{"zero is West and Aumento", "2000\r\n2010\r\n0\r\n0\r\n", 0, false, false, 0},
        SettingsFileCase{"a year before the base", "1985\r\n1980\r\n3600\r\n240\r\n", 2400, false, false, kDeg},
        SettingsFileCase{"decreasing", "1990\r\n2000\r\n3600\r\n-60\r\n", 3600 - 600, false, true, kDeg},
        SettingsFileCase{"years kept beyond the spin edits", "1000\r\n2100\r\n0\r\n1\r\n", 1100, false, false, 0}));

struct BadFileCase {
    const char* what;
    QByteArray file;
    const char* message;
};

class BadSettingsFileTest : public DeclinationDialogTest, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadSettingsFileTest, IsReportedAndTheFallbackIsShown)
{
    WriteSettings(GetParam().file);
    Create();
    EXPECT_EQ(recorded.platform.exceptions, QStringList{QString::fromUtf8(GetParam().message)}) << GetParam().what;
    EXPECT_EQ(values.valDECL, 18000);
    EXPECT_EQ(panel.text(), Declination(18000));  // the 5 degrees West that the calculations apply
    EXPECT_EQ(values.valANNOBASE, 1985);   // nothing of the file was taken
    EXPECT_EQ(values.valDECLIBASE, 3600);
    EXPECT_EQ(Settings(), GetParam().file);  // and nothing written
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadSettingsFileTest,
    testing::Values(
        BadFileCase{"a word", "1990\r\n2000\r\nW\r\n240\r\n", "'W' is not a valid integer value"},
        BadFileCase{"a missing line", "1990\r\n2000\r\n", "'' is not a valid integer value"},
        BadFileCase{"an overflowing change", "1990\r\n2000\r\n0\r\n2000000000\r\n",
                    "Declinazione fuori limite in ORVAN_INI.INI"},
        BadFileCase{"binary junk", QByteArray("\x01\x02\xff\r\n", 5), "'\uFFFD\uFFFD\u00FF' is not a valid integer value"},
        BadFileCase{"a huge line", QByteArray(4 * 1024 * 1024, '7'),
                    "'7777777777777777777777777777777777777777\u2026' is not a valid integer value"}));

TEST_F(DeclinationDialogTest, AFolderThatCannotBeWrittenIsReportedAndTheProgramGoesOn)
{
    values.settingsPath = QStringLiteral("/proc/orvane-test/ORVAN_INI.INI");
    Create();
    ASSERT_EQ(recorded.platform.exceptions.size(), 1);
    EXPECT_TRUE(recorded.platform.exceptions[0].startsWith(QStringLiteral("Impossibile scrivere")));
    EXPECT_EQ(panel.text(), Declination(18000));
}

TEST_F(DeclinationDialogTest, SaveWritesTheEditedDataThatTheNextStartReads)
{
    Create();
    OpenAnd([&] {
        form->SPANNOCORR->setValue(2000);
        form->RBEST->click();
        form->SpeedButton1->click();
    });
    EXPECT_EQ(Settings(), QByteArray("1985\r\n2000\r\n-3600\r\n240\r\n"));
    DeclinationValues again;
    again.settingsPath = values.settingsPath;
    TForm4 next(again, handOff, [](int, int) {}, &panel);
    EXPECT_EQ(again.valANNOCORR, 2000);  // whatever the system's year
    EXPECT_EQ(again.valDECL, -(kDeg + 15 * 4 * kMin));  // East, growing
}

TEST_F(DeclinationDialogTest, SaveOnAFullDiskKeepsTheOldFileAndSaysSo)
{
    const QByteArray old("1985\r\n2004\r\n3600\r\n240\r\n");
    WriteSettings(old);
    Create();
    OpenAnd([&] {
        form->RBEST->click();
        const DiskFull full;
        form->SpeedButton1->click();
    });
    EXPECT_EQ(Settings(), old);
    ASSERT_EQ(recorded.platform.exceptions.size(), 1);
    EXPECT_TRUE(recorded.platform.exceptions[0].startsWith(QStringLiteral("Impossibile scrivere")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file is left";
}

enum class Finish { Conferma, Enter, Escape };

struct ConfirmCase {
    const char* what;
    const char* typedYear;  // in "Anno corrente", with no "Calcola"
    Finish finish;
    const char* shownYear;
    nav::Angle applied;
    int emitted;
    int solved;  // worked out for the log
};

class ConfirmTest : public DeclinationDialogTest, public testing::WithParamInterface<ConfirmCase> {};

TEST_P(ConfirmTest, AppliesTheDeclinationOfTheChartDataOnScreen)
{
    const ConfirmCase& c = GetParam();
    WriteSettings("1985\r\n2004\r\n3600\r\n240\r\n");
    Create();
    const QSignalSpy applied(form.get(), &TForm4::DeclinationApplied);
    const QSignalSpy solved(form.get(), &TForm4::Solved);
    OpenAnd([&] {
        form->SPANNOCORR->setFocus();
        form->SPANNOCORR->selectAll();
        QTest::keyClicks(form->SPANNOCORR, QString::fromLatin1(c.typedYear));
        if (c.finish == Finish::Conferma)
            form->DECLIOK->click();
        else
            QTest::keyClick(form->SPANNOCORR, c.finish == Finish::Enter ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible()) << c.what;
        EXPECT_EQ(form->SPANNOCORR->text(), QString::fromLatin1(c.shownYear)) << c.what;
    });
    EXPECT_EQ(values.valDECL, c.applied) << c.what;
    EXPECT_EQ(panel.text(), Declination(c.applied)) << c.what;
    EXPECT_EQ(applied.count(), c.emitted) << c.what;
    EXPECT_EQ(solved.count(), c.solved) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConfirmTest,
    testing::Values(ConfirmCase{"CONFERMA", "2010", Finish::Conferma, "2010", kDeg + 25 * 4 * kMin, 1, 1},
                    ConfirmCase{"Enter", "2010", Finish::Enter, "2010", kDeg + 25 * 4 * kMin, 1, 1},
                    ConfirmCase{"beyond the range", "2500", Finish::Enter, "2099", kDeg + 114 * 4 * kMin, 1, 1},
                    ConfirmCase{"the same declination", "2004", Finish::Conferma, "2004", 8160, 0, 1},
                    ConfirmCase{"Escape", "2010", Finish::Escape, "2010", 8160, 0, 0}));

TEST_F(DeclinationDialogTest, CalcolaThenConfermaOnTheSameDataIsOneCalculation)
{
    WriteSettings("1985\r\n2004\r\n3600\r\n240\r\n");
    Create();
    const QSignalSpy solved(form.get(), &TForm4::Solved);
    OpenAnd([&] {
        form->CALCDECLREAL->click();
        form->CALCDECLREAL->click();
        form->DECLIOK->click();
    });
    ASSERT_EQ(solved.count(), 1);
    EXPECT_EQ(solved.at(0).at(0).value<nav::Worked>().results, (std::vector<nav::WorkedValue>{{"d", "2° 16' W"}}));
    OpenAnd([&] { form->DECLIOK->click(); });
    EXPECT_EQ(solved.count(), 2) << "opened again, the data are worked out again";
}

TEST_F(DeclinationDialogTest, ConfermaRefusedAppliesNothingAndStaysOpen)
{
    Create();
    values.valDELTADECLI = 2000000000;
    const QSignalSpy applied(form.get(), &TForm4::DeclinationApplied);
    const QSignalSpy solved(form.get(), &TForm4::Solved);
    const nav::Angle before = values.valDECL;
    OpenAnd([&] {
        form->DECLIOK->click();
        EXPECT_TRUE(form->isVisible());
    });
    EXPECT_EQ(recorded.platform.errors.size(), 2);  // at the opening, and at "CONFERMA"
    EXPECT_EQ(values.valDECL, before);
    EXPECT_EQ(applied.count(), 0);
    EXPECT_EQ(solved.count(), 0);
}

struct TowardCase {
    const char* what;
    int baseYear, currentYear;
    nav::Angle base, change;
    std::vector<const char*> clicks;  // radio buttons; the pair given last stays when the base changes side
    bool towardEast;
    nav::Angle declination;
    const char* file;
};

class TowardTest : public DeclinationDialogTest, public testing::WithParamInterface<TowardCase> {};

TEST_P(TowardTest, TheChangeByTheSideItMovesToIsStoredByItsSense)
{
    const TowardCase& c = GetParam();
    WriteSettings("1985\r\n2004\r\n3600\r\n240\r\n");  // West, "Aumento"
    Create();
    OpenAnd([&] {
        form->SPANNOBASE->setValue(c.baseYear);
        form->SPANNOCORR->setValue(c.currentYear);
        confirmedAngles = {c.base, c.change};
        emit form->EDDECLIBASE->OnClick();
        emit form->EDDELTADECLI->OnClick();
        for (const char* name : c.clicks)
            form->findChild<QRadioButton*>(QString::fromLatin1(name))->click();
        EXPECT_EQ(form->RBVERSOE->isChecked(), c.towardEast) << c.what;
        EXPECT_EQ(form->RBAUM->isChecked(), c.towardEast) << c.what;  // on an East base
        form->SpeedButton1->click();
        form->DECLIOK->click();
    });
    EXPECT_EQ(values.valDECL, c.declination) << c.what;
    EXPECT_EQ(Settings(), QByteArray(c.file)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TowardTest,
    testing::Values(TowardCase{"exam chart 5/D: 0 20 E 1994 (7' E)", 1994, 2015, 20 * kMin, 7 * kMin,
                               {"RBVERSOE", "RBEST"}, true, -(2 * kDeg + 47 * kMin),
                               "1994\r\n2015\r\n-1200\r\n420\r\n"},
                    TowardCase{"4 30 E 2002, 30' a year toward W", 2002, 2015, 4 * kDeg + 30 * kMin, 30 * kMin,
                               {"RBEST", "RBVERSOW"}, false, 2 * kDeg, "2002\r\n2015\r\n-16200\r\n-1800\r\n"},
                    TowardCase{"1 30 E 1990, 8' Aumento", 1990, 2008, 90 * kMin, 8 * kMin, {"RBAUM", "RBEST"}, true,
                               -(3 * kDeg + 54 * kMin), "1990\r\n2008\r\n-5400\r\n480\r\n"}));

struct KnownCase {
    const char* what;
    const char* file;
    nav::Angle shown;  // when "Nota" is chosen
    bool save;
    const char* saved;
    nav::Angle chart;  // back on "Da carta", and at the next start
};

class KnownTest : public DeclinationDialogTest, public testing::WithParamInterface<KnownCase> {};

TEST_P(KnownTest, IsEnteredWithItsSideAndLeavesTheChartAsItWasUnlessSaved)
{
    const KnownCase& c = GetParam();
    WriteSettings(c.file);
    Create();
    const QSignalSpy applied(form.get(), &TForm4::DeclinationApplied);
    const QSignalSpy solved(form.get(), &TForm4::Solved);
    const std::vector<QWidget*> chartOnly{form->Label1,      form->SPANNOBASE, form->Label4,       form->SPANNOCORR,
                                          form->EDDECLIBASE, form->GroupBox2,  form->CALCDECLREAL, form->WMMDECL};
    OpenAnd([&] {
        form->RBNOTA->click();
        EXPECT_EQ(form->EDDECLREAL->text(), Declination(c.shown)) << c.what;
        EXPECT_EQ(form->RBEST->isChecked(), c.shown < 0) << c.what;
        for (QWidget* control : chartOnly)
            EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        confirmedAngles = {3 * kDeg};
        form->RBEST->click();
        EXPECT_EQ(form->EDDECLREAL->text(), Declination(-std::abs(c.shown))) << c.what;
        emit form->EDDECLREAL->OnClick();
        if (c.save)
            form->SpeedButton1->click();
        QTest::keyClick(form->RBNOTA, Qt::Key_Return);  // on the field, Enter would open its dialog
    });
    EXPECT_EQ(angleDialogs, (std::vector<std::pair<int, int>>{{0, 90}}));
    EXPECT_EQ(values.valDECL, -3 * kDeg) << c.what;
    EXPECT_EQ(applied.count(), 1) << c.what;
    EXPECT_EQ(solved.count(), 0) << "a declination entered as known is no calculation";
    EXPECT_EQ(Settings(), QByteArray(c.saved)) << c.what;
    OpenAnd([&] {
        form->RBDACARTA->click();
        for (QWidget* control : chartOnly)
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_EQ(form->EDDECLREAL->text(), Declination(c.chart)) << c.what;
        EXPECT_EQ(form->RBEST->isChecked(), values.signDECLIBASE < 0) << c.what;
    });
    DeclinationValues again;
    again.settingsPath = values.settingsPath;
    TForm4 next(again, handOff, [](int, int) {}, nullptr);
    EXPECT_EQ(again.valDECL, c.chart) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownTest,
    testing::Values(KnownCase{"for this run", "1985\r\n2004\r\n3600\r\n240\r\n", 8160, false,
                              "1985\r\n2004\r\n3600\r\n240\r\n", 8160},
                    KnownCase{"saved as this year's with no change", "1985\r\n2004\r\n3600\r\n240\r\n", 8160, true,
                              "2004\r\n2004\r\n-10800\r\n0\r\n", -3 * kDeg},
                    KnownCase{"from a West base past zero", "1996\r\n2007\r\n3600\r\n-540\r\n", -39 * kMin, false,
                              "1996\r\n2007\r\n3600\r\n-540\r\n", -39 * kMin}));

TEST_F(DeclinationDialogTest, AnnullaKeepsTheAppliedDeclinationButNotTheEdits)
{
    WriteSettings("1985\r\n2004\r\n3600\r\n240\r\n");
    Create();
    OpenAnd([&] {
        form->RBDIMIN->click();
        form->CALCDECLREAL->click();
        form->DECLIABO->click();
    });
    EXPECT_EQ(values.valDECL, 8160);
    EXPECT_EQ(panel.text(), Declination(8160));
    OpenAnd([&] { EXPECT_TRUE(form->RBDIMIN->isChecked()); });
}

TEST_F(DeclinationDialogTest, TheAngleFieldsOpenTheAngleDialogWithTheirRanges)
{
    Create();
    emit form->EDDECLIBASE->OnClick();
    EXPECT_EQ(handOff.entryValue, &values.valDECLIBASE);
    EXPECT_EQ(handOff.entryField, form->EDDECLIBASE);
    emit form->EDDELTADECLI->OnClick();
    EXPECT_EQ(handOff.entryValue, &values.valDELTADECLI);
    EXPECT_EQ(angleDialogs, (std::vector<std::pair<int, int>>{{0, 90}, {0, 10}}));
}

TEST_F(DeclinationDialogTest, AYearTypedBeyondTheRangeIsShownAsTheYearUsed)
{
    WriteSettings("1985\r\n2004\r\n3600\r\n240\r\n");
    Create();
    OpenAnd([&] {
        form->SPANNOBASE->setFocus();
        form->SPANNOBASE->selectAll();
        QTest::keyClicks(form->SPANNOBASE, QStringLiteral("1700"));
        form->CALCDECLREAL->click();
        EXPECT_EQ(form->SPANNOBASE->text(), QStringLiteral("1800"));
        EXPECT_EQ(form->EDDECLREAL->text(), Declination(kDeg + 204 * 4 * kMin));
        EXPECT_EQ(recorded.platform.beeps, 1);
    });
}

TEST_F(DeclinationDialogTest, TypedYearsAreStoredWithinTheRangeAndEscapeCancels)
{
    Create();
    OpenAnd([&] {
        form->SPANNOCORR->setFocus();
        form->SPANNOCORR->selectAll();
        QTest::keyClicks(form->SPANNOCORR, QStringLiteral("2500"));
        EXPECT_EQ(values.valANNOCORR, 2099);
        QTest::keyClick(form->SPANNOCORR, Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(recorded.platform.beeps, 0);
    });
}
