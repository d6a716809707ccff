#include "app/main_window.h"

#include "support/main_window_fixture.h"
#include "toolkit/image.h"
#include "toolkit/speed_button.h"
#include "toolkit/string_grid.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/aligned_edit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk = toolkit;

namespace {

constexpr char kDegree[] = "\u00B0";

QString AngleText(int d, int m, int s)
{
    return tk::Format(QString::fromUtf8("%3.0d") + QString::fromUtf8(kDegree) + QStringLiteral(" %2.0d' %2.0d\""),
                      {static_cast<long long>(d), static_cast<long long>(m), static_cast<long long>(s)});
}

}  // namespace

class MainWindowTest : public MainWindowFixture {
protected:
    tk::ScopedFormatSettings italian{{QLatin1Char(','), QLatin1Char('.')}};

    template <typename T>
    T* Find(const char* name)
    {
        auto* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void Click(const char* button) { QTest::mouseClick(Find<tk::SpeedButton>(button), Qt::LeftButton); }
};

TEST_F(MainWindowTest, StartsOnTheExitTabThenTheTimerShowsProre)
{
    WriteTable("0;1\r\n");
    Start();
    EXPECT_EQ(form->PageControl1->currentIndex(), 5);
    EXPECT_EQ(form->PageControl2->currentIndex(), 0);
    EXPECT_TRUE(form->SBEXIT->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_TRUE(form->SplashTimer->isActive());
    EXPECT_EQ(form->SplashTimer->interval(), 1500);
    // The photograph comes right after the window's first picture.
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Image1->HasPicture(); }));
    EXPECT_EQ(form->Image1->Picture().size(), QSize(500, 374));

    form->SplashTimer->setInterval(1);
    form->SplashTimer->start();
    QSignalSpy fired(form->SplashTimer, &QTimer::timeout);
    ASSERT_TRUE(fired.wait(2000));
    EXPECT_FALSE(form->SplashTimer->isActive());
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->SBEXIT->isVisible());
}

class CalculationTabTest : public MainWindowTest, public testing::WithParamInterface<int> {};

TEST_P(CalculationTabTest, FromUscitaShowsThePanelAndHidesTheExitButton)
{
    WriteTable("0;1\r\n");
    Start();
    ASSERT_TRUE(form->SBEXIT->isVisible());
    form->PageControl1->setCurrentIndex(GetParam());
    EXPECT_FALSE(form->SBEXIT->isVisible());
    EXPECT_TRUE(form->Panel1->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Tabs, CalculationTabTest, testing::Values(0, 1, 2, 3));

class ValueFieldTest : public MainWindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(ValueFieldTest, TypedTextChangesNothing)
{
    WriteTable("0;1\r\n");
    Start();
    auto* field = Find<TAlignedEdit>(GetParam());
    const QString shown = QString::fromStdString(nav::FormatAngle(600));
    field->setText(shown);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("ab"));  // a digit would open the dialog
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), shown);
    EXPECT_EQ(recorded.platform.beeps, 3);
}

INSTANTIATE_TEST_SUITE_P(Table, ValueFieldTest,
                         testing::Values("EDPB", "EDPM", "EDPV", "EDPBR", "EDRB", "EDRV", "EDPVC", "EDRVC", "EDRP"));

TEST_F(MainWindowTest, TabelleKeepsWhatThePreviousTabLeft)
{
    WriteTable("0;1\r\n");
    Start();
    form->PageControl1->setCurrentIndex(4);  // from "Uscita"
    EXPECT_TRUE(form->SBEXIT->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());

    form->PageControl1->setCurrentIndex(0);
    form->PageControl1->setCurrentIndex(4);  // from "Prore"
    EXPECT_FALSE(form->SBEXIT->isVisible());
    EXPECT_TRUE(form->Panel1->isVisible());

    form->PageControl1->setCurrentIndex(5);
    EXPECT_TRUE(form->SBEXIT->isVisible());
    EXPECT_FALSE(form->Panel1->isVisible());
}

TEST_F(MainWindowTest, ExitAsksAndNoKeepsRunning)
{
    WriteTable("0;1\r\n");
    Start();
    recorded.platform.confirmAnswer = false;
    Click("SBEXIT");
    ASSERT_EQ(recorded.platform.confirms, QStringList{QStringLiteral("Esco dal programma ? ")});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->PageControl1->currentIndex(), 5);

    recorded.platform.confirmAnswer = true;
    Click("SBEXIT");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, TitleBarCloseEndsWithoutAsking)
{
    WriteTable("0;1\r\n");
    Start();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(recorded.platform.confirms.isEmpty());
}

struct ClearCase {
    const char* button;
    const char* field;
    nav::Angle NavState::*value;
    bool zeroes;
};

class ClearButtonTest : public MainWindowTest, public testing::WithParamInterface<ClearCase> {};

TEST_P(ClearButtonTest, EmptiesTheFieldAndOnlyProreZeroes)
{
    WriteTable("0;1\r\n");
    Start();
    const auto& c = GetParam();
    state.*c.value = 12345;
    Find<TAlignedEdit>(c.field)->setText(QStringLiteral("x"));
    Find<tk::SpeedButton>(c.button)->click();
    EXPECT_TRUE(Find<TAlignedEdit>(c.field)->text().isEmpty());
    EXPECT_EQ(state.*c.value, c.zeroes ? 0 : 12345);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClearButtonTest,
    testing::Values(ClearCase{"PBCLEAR", "EDPB", &NavState::valPB, true},
                    ClearCase{"PMCLEAR", "EDPM", &NavState::valPM, true},
                    ClearCase{"PVCLEAR", "EDPV", &NavState::valPV, true},
                    ClearCase{"RBCLEAR", "EDRB", &NavState::valRB, false},
                    ClearCase{"RVCLEAR", "EDRV", &NavState::valRV, false},
                    ClearCase{"PVCCLEAR", "EDPVC", &NavState::valPVC, false},
                    ClearCase{"RVCCLEAR", "EDRVC", &NavState::valRVC, false},
                    ClearCase{"RPCLEAR", "EDRP", &NavState::valRP, false},
                    ClearCase{"CLEARPVCOR", "EDPVCOR", &NavState::valPVCOR, false},
                    ClearCase{"CLEARDCOR", "EDDCOR", &NavState::valDCOR, false},
                    ClearCase{"CLEARRVCOR", "EDRVCOR", &NavState::valRVCOR, false}));

TEST_F(MainWindowTest, CurrentClearButtonsEmptyTheSpeedFieldToo)
{
    WriteTable("0;1\r\n");
    Start(false);
    state.valVPCOR = 7.5;
    form->EDVPCOR->setText(QStringLiteral("7,5"));
    form->CLEARPVCORClick();
    EXPECT_TRUE(form->EDVPCOR->text().isEmpty());
    EXPECT_EQ(state.valVPCOR, 7.5);
}

struct RangeCase {
    const char* radio;
    int lowest, highest;
};

class PolarRangeTest : public MainWindowTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(PolarRangeTest, ClickOnTheRelativeBearingOpensTheDialogWithTheModesRange)
{
    WriteTable("0;1\r\n");
    Start();
    form->SplashTimerTimer();
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    form->PageControl2->setCurrentWidget(form->TabSheet9);
    Find<QRadioButton>(GetParam().radio)->click();
    QSignalSpy opened(form.get(), &TForm1::AngleDialogRequested);
    QTest::mouseClick(form->EDRP, Qt::LeftButton);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toInt(), GetParam().lowest);
    EXPECT_EQ(opened.at(0).at(1).toInt(), GetParam().highest);
    EXPECT_EQ(state.entryValue, &state.valRP);
    EXPECT_EQ(state.entryField, form->EDRP);
}

INSTANTIATE_TEST_SUITE_P(Table, PolarRangeTest,
                         testing::Values(RangeCase{"RBCIRC", 0, 359}, RangeCase{"RBSEMIDX", 0, 180},
                                         RangeCase{"RBSEMISX", -180, 0}));

TEST_F(MainWindowTest, FieldClicksHandTheirValueToTheDialogs)
{
    WriteTable("0;1\r\n");
    Start(false);
    QSignalSpy angles(form.get(), &TForm1::AngleDialogRequested);
    QSignalSpy speeds(form.get(), &TForm1::SpeedDialogRequested);
    emit form->EDPM->OnClick();
    EXPECT_EQ(state.entryValue, &state.valPM);
    EXPECT_EQ(state.entryField, form->EDPM);
    emit form->EDDCOR->OnClick();
    EXPECT_EQ(state.entryValue, &state.valDCOR);
    emit form->EDVECOR->OnClick();
    EXPECT_EQ(state.entrySpeed, &state.valVECOR);
    EXPECT_EQ(state.entryField, form->EDVECOR);
    EXPECT_EQ(angles.count(), 2);
    EXPECT_EQ(speeds.count(), 1);
}

TEST_F(MainWindowTest, FillsTheGridFromTheTable)
{
    WriteTable("% sample\r\n0;1.5\r\n90;-2,5\r\n355;6\r\n");
    Start(false);
    EXPECT_TRUE(state.deviationLoaded);
    EXPECT_EQ(state.deviationTable.count, 3);
    auto* grid = form->SGDEV;
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cell(0, 0), QStringLiteral("   Pb"));
    EXPECT_EQ(grid->Cell(1, 0), QStringLiteral("  Dev"));
    EXPECT_EQ(grid->Cell(2, 0), QStringLiteral("   Pm"));
    const QString deg = QString::fromUtf8(kDegree);
    EXPECT_EQ(grid->Cell(0, 1), QStringLiteral("0,0 ") + deg);
    EXPECT_EQ(grid->Cell(1, 1), QStringLiteral("1,5 ") + deg);
    EXPECT_EQ(grid->Cell(1, 2), QStringLiteral("-2,5 ") + deg);
    EXPECT_EQ(grid->Cell(0, 3), QStringLiteral("355,0 ") + deg);
    EXPECT_EQ(grid->Cell(2, 3), QStringLiteral("1,0 ") + deg);
    EXPECT_TRUE(recorded.platform.exceptions.isEmpty());
}

TEST_F(MainWindowTest, AnEmptyTableShowsOnlyTheHeadingRow)
{
    WriteTable("% nothing here\r\n\r\n");
    Start(false);
    EXPECT_EQ(form->SGDEV->RowCount(), 1);
    EXPECT_EQ(form->SGDEV->rowCount(), 0);
}

TEST_F(MainWindowTest, MissingTableIsReportedAndEndsTheProgramOnACalculationTab)
{
    Start();
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Manca file TABELLA DEVIAZIONI\n")
                                                    + QDir::toNativeSeparators(folder.path())});
    EXPECT_FALSE(state.deviationLoaded);
    EXPECT_EQ(form->SGDEV->RowCount(), 5);
    EXPECT_TRUE(form->isVisible());  // the splash is still up
    form->SplashTimerTimer();
    QTest::qWait(0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, ABadFieldStopsLoadingButTheProgramGoesOn)
{
    WriteTable("0;1\r\n10;x\r\n20;2\r\n");
    Start();
    EXPECT_EQ(recorded.platform.exceptions,
              QStringList{QStringLiteral("'x' is not a valid floating point value")});
    EXPECT_TRUE(state.deviationLoaded);
    EXPECT_EQ(state.deviationTable.count, 1);
    EXPECT_EQ(form->SGDEV->RowCount(), 5);  // the stored empty layout
    EXPECT_TRUE(form->SGDEV->Cell(0, 0).isEmpty());
    form->SplashTimerTimer();
    QTest::qWait(0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, AnUnreadableTableIsReportedAndTheProgramGoesOn)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("DEVIAZIONI.TXT")));
    Start(false);
    ASSERT_EQ(recorded.platform.exceptions.size(), 1);
    EXPECT_TRUE(recorded.platform.exceptions[0].contains(QStringLiteral("TABELLA DEVIAZIONI")));
    EXPECT_TRUE(state.deviationLoaded);
    EXPECT_EQ(state.deviationTable.count, 0);
}

TEST_F(MainWindowTest, AHugeFileIsNotRead)
{
    WriteTable(QByteArray(10 * 1024 * 1024, '%'));
    Start(false);
    ASSERT_EQ(recorded.platform.exceptions.size(), 1);
    EXPECT_TRUE(recorded.platform.exceptions[0].contains(QStringLiteral("troppo grande")));
    EXPECT_EQ(state.deviationTable.count, 0);
}

TEST_F(MainWindowTest, BinaryJunkGivesAConversionMessage)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    WriteTable(junk);
    Start(false);
    EXPECT_EQ(recorded.platform.exceptions.size(), 1);
}

// The tabs behind the splash, built after the window's first paint.

QStringList GridCells(const tk::StringGrid& grid)
{
    QStringList cells;
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int column = 0; column < 3; ++column)
            cells << grid.Cell(column, row);
    return cells;
}

struct LaterTableCase {
    const char* name;
    std::optional<QByteArray> table;  // none: no file
};

class LaterPagesTest : public MainWindowTest {
protected:
    void StartLater(bool show = true)
    {
        Start(false, Startup::AfterFirstPaint);
        if (show) {
            form->show();
            ASSERT_TRUE(QTest::qWaitFor([this] { return form->SGDEV != nullptr; }));
        }
    }
};

class LaterGridTest : public LaterPagesTest, public testing::WithParamInterface<LaterTableCase> {};

TEST_P(LaterGridTest, IsTheOneBuiltAtOnce)
{
    if (GetParam().table)
        WriteTable(*GetParam().table);
    Start(false);
    const QStringList atOnce = GridCells(*form->SGDEV);
    const QStringList atOnceReports = recorded.platform.errors + recorded.platform.exceptions;
    form.reset();
    recorded.platform.errors.clear();
    recorded.platform.exceptions.clear();
    StartLater();
    EXPECT_EQ(GridCells(*form->SGDEV), atOnce);
    EXPECT_EQ(recorded.platform.errors + recorded.platform.exceptions, atOnceReports);
}

INSTANTIATE_TEST_SUITE_P(Tables, LaterGridTest,
                         testing::Values(LaterTableCase{"Whole", "0;1.5\r\n90;-2\r\n"},
                                         LaterTableCase{"BadField", "0;1\r\n10;x\r\n"},
                                         LaterTableCase{"Empty", "% nothing\r\n"},
                                         LaterTableCase{"Missing", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaterPagesTest, OnlyTheSplashIsBuiltBeforeThePaintThenTheTabsWork)
{
    WriteTable("0;1\r\n");
    StartLater(false);
    EXPECT_EQ(form->PageControl1->count(), 6);
    EXPECT_EQ(form->PageControl1->currentIndex(), 5);
    EXPECT_EQ(form->SGDEV, nullptr);
    EXPECT_EQ(form->EDPB, nullptr);
    EXPECT_EQ(form->Panel1, nullptr);
    form->show();
    EXPECT_EQ(form->SGDEV, nullptr);  // showing the splash builds nothing more
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->SGDEV != nullptr; }));
    EXPECT_EQ(form->PageControl1->currentIndex(), 5);
    EXPECT_EQ(form->PageControl2->currentIndex(), 0);

    form->PageControl1->setCurrentIndex(0);
    QSignalSpy angle(form.get(), &TForm1::AngleDialogRequested);
    QTest::mouseClick(form->EDPB, Qt::LeftButton);
    EXPECT_EQ(angle.count(), 1);
    Click("CALCPRORE");
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Nessun dato da calcolare.")});
    QSignalSpy curve(form.get(), &TForm1::DeviationCurveRequested);
    form->PageControl1->setCurrentIndex(4);
    Click("BTNCURVA");
    EXPECT_EQ(curve.count(), 1);
    QSignalSpy declination(form.get(), &TForm1::DeclinationDialogRequested);
    Click("SETDECLI");
    EXPECT_EQ(declination.count(), 1);
}

TEST_F(LaterPagesTest, TheSplashEndingFirstBuildsThemThere)
{
    WriteTable("0;1\r\n");
    StartLater(false);
    form->SplashTimerTimer();
    ASSERT_NE(form->Panel1, nullptr);
    EXPECT_TRUE(form->Panel1->isVisibleTo(form.get()));
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->SGDEV->RowCount(), 2);
}

struct EarlyTabCase {
    int tab;
    const char* control;
};

class EarlyTabTest : public LaterPagesTest, public testing::WithParamInterface<EarlyTabCase> {};

// A tab chosen before the window has painted shows its controls once built.
TEST_P(EarlyTabTest, ShowsTheControlsBuiltLater)
{
    WriteTable("0;1\r\n");
    StartLater(false);
    form->show();
    form->PageControl1->setCurrentIndex(GetParam().tab);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->SGDEV != nullptr; }));
    EXPECT_TRUE(Find<QWidget>(GetParam().control)->isVisible());
    // "Tabelle" keeps the panel as the tab before it left it: hidden on "Uscita".
    EXPECT_EQ(form->Panel1->isVisible(), GetParam().tab != 4);
    EXPECT_EQ(form->SBEXIT->isVisible(), GetParam().tab == 4);
}

INSTANTIATE_TEST_SUITE_P(Tabs, EarlyTabTest,
                         testing::Values(EarlyTabCase{0, "EDPB"}, EarlyTabCase{0, "CALCPRORE"},
                                         EarlyTabCase{1, "EDPBR"}, EarlyTabCase{2, "EDPVCOR"},
                                         EarlyTabCase{3, "SPCT"}, EarlyTabCase{4, "SGDEV"}));

// Heading conversions through the window.

class ProreTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        WriteTable("0;1.5\r\n");
        Start(false);
        state.valDECL = 0;
    }
    void Given(TAlignedEdit* field, nav::Angle& value, nav::Angle v)
    {
        value = v;
        field->setText(QString::fromStdString(nav::FormatAngle(v)));
    }
};

struct ProreCase {
    const char* what;
    const char* table;
    nav::Angle declination;
    const char* given;  // the field filled through the dialog
    nav::Angle value;
    nav::Angle compass, magnetic, trueHeading, deviation;  // every field afterwards
    int lines[3];       // whole degrees of the diagram's three lines
};

class ProreWindowTest : public MainWindowTest, public testing::WithParamInterface<ProreCase> {};

TEST_P(ProreWindowTest, FillsEveryFieldAndDrawsTheHeadings)
{
    const ProreCase& c = GetParam();
    WriteTable(c.table);
    Start(false);
    state.valDECL = c.declination;
    auto* given = Find<TAlignedEdit>(c.given);
    nav::Angle* values[] = {&state.valPB, &state.valPM, &state.valPV};
    TAlignedEdit* fields[] = {form->EDPB, form->EDPM, form->EDPV};
    for (int i = 0; i < 3; ++i)
        if (fields[i] == given)
            *values[i] = c.value;
    given->setText(QString::fromStdString(nav::FormatAngle(c.value)));
    form->CALCPROREClick();
    const auto text = [](nav::Angle a) { return QString::fromStdString(nav::FormatAngle(a)); };
    EXPECT_EQ(form->EDPB->text(), text(c.compass)) << c.what;
    EXPECT_EQ(form->EDPM->text(), text(c.magnetic)) << c.what;
    EXPECT_EQ(form->EDPV->text(), text(c.trueHeading)) << c.what;
    EXPECT_EQ(form->EDDEVIAZ->text(), text(c.deviation)) << c.what;
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(state.diagramLines[i].angle, c.lines[i]) << c.what << " line " << i;
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

INSTANTIATE_TEST_SUITE_P(
    Table, ProreWindowTest,
    testing::Values(
        ProreCase{"compass", "0;1.5\r\n", 0, "EDPB", 10 * kMin, 10 * kMin, 100 * kMin, 100 * kMin, 90 * kMin,
                  {0, 1, 1}},
        ProreCase{"West declination subtracted", "0;1.5\r\n", 18000, "EDPB", 0, 0, 90 * kMin,
                  356 * kDeg + 30 * kMin, 90 * kMin, {0, 1, 356}},
        ProreCase{"magnetic apart from true", "90;1.5\r\n", 18000, "EDPB", 90 * kDeg, 90 * kDeg,
                  91 * kDeg + 30 * kMin, 86 * kDeg + 30 * kMin, 90 * kMin, {90, 91, 86}},
        ProreCase{"from the true heading", "0;1.5\r\n", 0, "EDPV", 10 * kDeg, 8 * kDeg + 30 * kMin, 10 * kDeg,
                  10 * kDeg, 90 * kMin, {8, 10, 10}},
        ProreCase{"true heading, magnetic column", "0;15\r\n10;-4\r\n", 0, "EDPV", 14 * kDeg, 359 * kDeg,
                  14 * kDeg, 14 * kDeg, 15 * kDeg, {359, 14, 14}}));

TEST_F(ProreTest, FromTheMagneticHeadingAfterClearingTheCompass)
{
    Given(form->EDPB, state.valPB, 100);
    form->CALCPROREClick();
    form->PBCLEARClick();
    Given(form->EDPM, state.valPM, 3600);
    form->CALCPROREClick();
    EXPECT_EQ(state.valPB, 1296000 - 1800);
    EXPECT_EQ(form->EDPB->text(), AngleText(359, 30, 0));
}

TEST_F(ProreTest, NothingGivenReportsAndStillDraws)
{
    form->CALCPROREClick();
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Nessun dato da calcolare.")});
    EXPECT_TRUE(form->EDDEVIAZ->text().isEmpty());
    EXPECT_EQ(state.diagramLineCount, 3);
    // All three lines point up: the yellow true heading covers the centre column.
    EXPECT_EQ(form->IMGPRORE->canvas().Pixel(100, 60), tk::clYellow);
    EXPECT_EQ(form->IMGPRORE->canvas().Pixel(0, 0), tk::clBlack);
}

TEST_F(ProreTest, TheDiagramFollowsTheResult)
{
    Given(form->EDPB, state.valPB, 90 * 3600);
    form->CALCPROREClick();
    EXPECT_EQ(state.diagramLines[0].angle, 90);
    EXPECT_EQ(state.diagramLines[1].angle, 91);
    EXPECT_EQ(state.diagramLines[2].label, QStringLiteral("PV"));
    EXPECT_EQ(form->IMGPRORE->canvas().Pixel(150, 100), tk::clYellow);
}

// What an angle dialog would confirm, in place of the dialog.
void AnswerAngleDialogs(TForm1& form, NavState& state, nav::Angle answer)
{
    QObject::connect(&form, &TForm1::AngleDialogRequested, &form, [&state, answer](int, int) {
        *state.entryValue = answer;
        state.entryField->setText(QString::fromStdString(nav::FormatAngle(answer)));
        state.entryConfirmed = true;
    });
}

TEST_F(ProreTest, ANewHeadingEntersAfterACalculationAndIsNotOverwritten)
{
    Given(form->EDPB, state.valPB, 100 * kDeg);
    form->CALCPROREClick();
    AnswerAngleDialogs(*form, state, 50 * kDeg);
    form->EDPVClick();
    EXPECT_TRUE(form->EDPB->text().isEmpty());
    EXPECT_TRUE(form->EDPM->text().isEmpty());
    form->CALCPROREClick();
    EXPECT_EQ(state.valPV, 50 * kDeg);
    EXPECT_EQ(state.valPM, 50 * kDeg);
    EXPECT_EQ(state.valPB, 50 * kDeg - 90 * kMin);
}

// The compass heading worked out from 8 degrees magnetic would look up another row.
TEST_F(ProreTest, CalcolaPressedAgainStartsFromTheEnteredHeading)
{
    WriteTable("0;0\r\n10;8\r\n");
    Start(false);
    state.valDECL = 0;
    Given(form->EDPM, state.valPM, 8 * kDeg);
    form->CALCPROREClick();
    form->CALCPROREClick();
    EXPECT_EQ(form->EDPM->text(), QString::fromStdString(nav::FormatAngle(8 * kDeg)));
    EXPECT_EQ(state.valPB, 8 * kDeg);
}

struct CorrectionCase {
    const char* what;
    const char* given;  // the field the conversion started from
    nav::Angle value;
    nav::Angle newDeclination;
    bool deviationGiven;  // -5 12' for the problem, else the table's 1 30'
    nav::Angle compass, magnetic, trueHeading;
};

class ProreCorrectionTest : public ProreTest, public testing::WithParamInterface<CorrectionCase> {};

// A new declination (or table) works the shown results again from what was entered.
TEST_P(ProreCorrectionTest, ANewDeclinationLeavesNoStaleResult)
{
    const CorrectionCase& c = GetParam();
    if (c.deviationGiven) {
        AnswerAngleDialogs(*form, state, -(5 * kDeg + 12 * kMin));
        form->EDDEVIAZClick();
        EXPECT_EQ(form->LabelDEVIAZ->text(), QStringLiteral("Deviazione (data)"));
    }
    auto* field = form->findChild<TAlignedEdit*>(QString::fromLatin1(c.given));
    Given(field, field == form->EDPB ? state.valPB : field == form->EDPM ? state.valPM : state.valPV, c.value);
    QSignalSpy solved(form.get(), &TForm1::Solved);
    form->CALCPROREClick();
    state.valDECL = c.newDeclination;
    form->RecomputeCorrections();
    EXPECT_EQ(solved.count(), 1) << c.what << ": the log gets what Calcola solved, not the re-solving";
    EXPECT_EQ(field->text(), QString::fromStdString(nav::FormatAngle(c.value))) << c.what;
    EXPECT_EQ(state.valPB, c.compass) << c.what;
    EXPECT_EQ(state.valPM, c.magnetic) << c.what;
    EXPECT_EQ(state.valPV, c.trueHeading) << c.what;
    EXPECT_EQ(form->EDPV->text(), QString::fromStdString(nav::FormatAngle(c.trueHeading))) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProreCorrectionTest,
    testing::Values(
        CorrectionCase{"from the compass", "EDPB", 100 * kDeg, 2 * kDeg, false, 100 * kDeg,
                       101 * kDeg + 30 * kMin, 99 * kDeg + 30 * kMin},
        CorrectionCase{"from the true heading", "EDPV", 100 * kDeg, 2 * kDeg, false, 100 * kDeg + 30 * kMin,
                       102 * kDeg, 100 * kDeg},
        // the exam's: true 000, d 2.8 E, deviation -5.2 given
        CorrectionCase{"a given deviation", "EDPV", 0, -(2 * kDeg + 48 * kMin), true, 2 * kDeg + 24 * kMin,
                       357 * kDeg + 12 * kMin, 0}));

TEST_F(ProreTest, ClearingTheGivenDeviationGoesBackToTheTable)
{
    AnswerAngleDialogs(*form, state, 3 * kDeg);
    form->EDDEVIAZClick();
    Given(form->EDPB, state.valPB, 10 * kDeg);
    form->CALCPROREClick();
    EXPECT_EQ(state.valPM, 13 * kDeg);
    form->DEVCLEARClick();
    EXPECT_EQ(form->LabelDEVIAZ->text(), QStringLiteral("Deviazione"));
    EXPECT_EQ(state.valPM, 11 * kDeg + 30 * kMin);  // worked again with the table's 1 30'
    EXPECT_EQ(form->EDDEVIAZ->text(), QString::fromStdString(nav::FormatAngle(90 * kMin)));
}

TEST_F(ProreTest, AltCCalculatesAndTheEraserEmptiesTheTab)
{
    Given(form->EDPB, state.valPB, 10 * kDeg);
    form->SplashTimerTimer();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->EDPB->setFocus();
    QTest::keyClick(form->EDPB, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(form->EDPM->text(), QString::fromStdString(nav::FormatAngle(11 * kDeg + 30 * kMin)));
    form->AZZERAPRORE->click();
    for (const TAlignedEdit* field : {form->EDPB, form->EDPM, form->EDPV, form->EDDEVIAZ})
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
    EXPECT_FALSE(form->IMGPRORE->HasPicture());
    EXPECT_EQ(recorded.platform.beeps, 0);
}

// Bearings through the window.

class RilevamentiTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        WriteTable("0;1.5\r\n");
        Start(false);
        state.valDECL = 0;
    }

    void Given(TAlignedEdit* field, nav::Angle& value, nav::Angle v)
    {
        value = v;
        field->setText(QString::fromStdString(nav::FormatAngle(v)));
    }

    static QString Text(nav::Angle a) { return QString::fromStdString(nav::FormatAngle(a)); }
};

TEST_F(RilevamentiTest, ACompassBearingGivesTheTrueOneAndBack)
{
    Given(form->EDRB, state.valRB, 10 * kDeg);
    form->CALCVBClick();
    EXPECT_EQ(form->EDDEVVB->text(), Text(90 * kMin));
    EXPECT_EQ(form->EDRV->text(), Text(11 * kDeg + 30 * kMin));
    EXPECT_EQ(state.diagramLines[2].angle, 11);

    form->RBCLEARClick();
    form->CALCVBClick();
    EXPECT_EQ(form->EDRB->text(), Text(10 * kDeg));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

TEST_F(RilevamentiTest, NoBearingGivenReportsAndDrawsNothing)
{
    const QImage before = form->IMGRVB->canvas().Target()->copy();
    QSignalSpy solved(form.get(), &TForm1::Solved);
    form->CALCVBClick();
    EXPECT_EQ(solved.count(), 0);
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Nessun dato da calcolare.")});
    EXPECT_EQ(form->IMGRVB->canvas().Target()->copy(), before);
    EXPECT_EQ(state.diagramLineCount, 0);
}

TEST_F(RilevamentiTest, APortRelativeBearingIsShownNegativeAndDrawnToTheLeft)
{
    form->RBSEMISX->click();
    Given(form->EDPVC, state.valPVC, 10 * kDeg);
    Given(form->EDRVC, state.valRVC, 340 * kDeg);
    form->CALCPOLClick();
    EXPECT_EQ(state.valRP, -30 * kDeg);
    EXPECT_EQ(form->EDRP->text(), Text(-30 * kDeg));
    EXPECT_EQ(state.diagramLines[2].angle, -30);
    // 65 pixels from the centre at 30 degrees left of the top.
    EXPECT_EQ(form->IMGRP->canvas().Pixel(100 - 30, 100 - 52), tk::clYellow);
}

TEST_F(RilevamentiTest, PolarWithEveryFieldFilledReports)
{
    Given(form->EDPVC, state.valPVC, 1);
    Given(form->EDRVC, state.valRVC, 2);
    Given(form->EDRP, state.valRP, 3);
    form->CALCPOLClick();
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Tutti i dati sono presenti: cancella (X) quello da calcolare.")});
    EXPECT_EQ(state.valRP, 3);
}

TEST_F(RilevamentiTest, AnEnteredBearingEmptiesTheOtherAndANewDeclinationWorksItAgain)
{
    Given(form->EDRB, state.valRB, 10 * kDeg);
    form->CALCVBClick();
    AnswerAngleDialogs(*form, state, 20 * kDeg);
    form->EDRVClick();
    EXPECT_TRUE(form->EDRB->text().isEmpty());
    form->CALCVBClick();
    EXPECT_EQ(form->EDRB->text(), Text(18 * kDeg + 30 * kMin));
    state.valDECL = 2 * kDeg;
    form->RecomputeCorrections();
    EXPECT_EQ(form->EDRV->text(), Text(20 * kDeg));
    EXPECT_EQ(form->EDRB->text(), Text(20 * kDeg + 30 * kMin));
}

struct EraserCase {
    const char* button;
    std::vector<const char*> fields;
    const char* picture;
};

class EraserTest : public MainWindowTest, public testing::WithParamInterface<EraserCase> {};

TEST_P(EraserTest, EmptiesEveryFieldOfItsTabAndItsDiagram)
{
    WriteTable("0;1\r\n");
    Start(false);
    const EraserCase& c = GetParam();
    for (const char* name : c.fields)
        Find<TAlignedEdit>(name)->setText(QStringLiteral("1"));
    Find<tk::Image>(c.picture)->canvas();
    Click(c.button);
    for (const char* name : c.fields)
        EXPECT_TRUE(Find<TAlignedEdit>(name)->text().isEmpty()) << name;
    EXPECT_FALSE(Find<tk::Image>(c.picture)->HasPicture());
    EXPECT_EQ(Find<tk::SpeedButton>(c.button)->toolTip(), QStringLiteral("Azzera"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, EraserTest,
    testing::Values(EraserCase{"AZZERAPRORE", {"EDPB", "EDPM", "EDPV", "EDDEVIAZ"}, "IMGPRORE"},
                    EraserCase{"AZZERARIL", {"EDPBR", "EDRB", "EDRV", "EDDEVVB"}, "IMGRVB"},
                    EraserCase{"AZZERAPOL", {"EDPVC", "EDRP", "EDRVC"}, "IMGRP"},
                    EraserCase{"AZZERACOR", {"EDPVCOR", "EDVPCOR", "EDDCOR", "EDVCOR", "EDRVCOR", "EDVECOR"},
                               "IMGCOR"}));

struct TabOrderCase {
    int tab, subTab;
    std::vector<const char*> order;  // from the first, by Tab
};

class TabOrderTest : public MainWindowTest, public testing::WithParamInterface<TabOrderCase> {};

TEST_P(TabOrderTest, TabGoesThroughTheTabInReadingOrderAndShiftTabBack)
{
    WriteTable("0;1\r\n");
    Start();
    const TabOrderCase& c = GetParam();
    form->SplashTimerTimer();
    form->PageControl1->setCurrentIndex(c.tab);
    form->PageControl2->setCurrentIndex(c.subTab);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Find<QWidget>(c.order.front())->setFocus();
    for (std::size_t i = 1; i < c.order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.order[i]);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.order[c.order.size() - 2]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TabOrderTest,
    testing::Values(TabOrderCase{0, 0, {"EDPB", "PBCLEAR", "EDPM", "PMCLEAR", "EDPV", "PVCLEAR", "EDDEVIAZ",
                                        "DEVCLEAR", "AZZERAPRORE", "CALCPRORE", "EDDECL", "SETDECLI"}},
                    TabOrderCase{1, 0, {"EDPBR", "EDRB", "RBCLEAR", "EDRV", "RVCLEAR", "EDDEVVB", "DEVVBCLEAR",
                                        "AZZERARIL", "CALCVB"}},
                    TabOrderCase{1, 1, {"EDPVC", "PVCCLEAR", "EDRP", "RPCLEAR", "EDRVC", "RVCCLEAR", "RBCIRC"}},
                    TabOrderCase{2, 0, {"EDPVCOR", "EDVPCOR", "CLEARPVCOR", "EDDCOR", "EDVCOR", "CLEARDCOR",
                                        "EDRVCOR", "EDVECOR", "CLEARRVCOR", "EDSCAR", "CLEARSCAR", "AZZERACOR",
                                        "CALCCOR", "USADATI"}},
                    TabOrderCase{3, 0, {"SPCT", "CALCCT", "SPVM", "CALCVM", "EDTT", "CALCTT", "SPPART",
                                        "SPPART",  // hours, then minutes
                                        "EDARRIVO",
                                        "SPHP", "CALCHP", "SPCS", "CALCCS", "SPLH", "CALCLH", "SPAUTO", "CALCAUTO",
                                        "EDAUTO30", "CBCARB"}}));

// The current triangle through the window.

class CorrentiTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        WriteTable("0;0\r\n");
        Start(false);
    }

    void Pair(TAlignedEdit* directionField, nav::Angle& direction, nav::Angle d, TAlignedEdit* speedField,
              double& speed, double s)
    {
        direction = d;
        speed = s;
        directionField->setText(QString::fromStdString(nav::FormatAngle(d)));
        speedField->setText(tk::Format(QStringLiteral("%-2.1f"), {s}));
    }

    void Heading(nav::Angle d, double s) { Pair(form->EDPVCOR, state.valPVCOR, d, form->EDVPCOR, state.valVPCOR, s); }
    void Current(nav::Angle d, double s) { Pair(form->EDDCOR, state.valDCOR, d, form->EDVCOR, state.valVCOR, s); }
    void Course(nav::Angle d, double s) { Pair(form->EDRVCOR, state.valRVCOR, d, form->EDVECOR, state.valVECOR, s); }
};

TEST_F(CorrentiTest, HeadingAndCurrentGiveTheCourseAndItsDiagram)
{
    Heading(90 * kDeg, 6);
    Current(180 * kDeg, 2);
    form->CALCCORClick();
    EXPECT_EQ(form->EDRVCOR->text(), AngleText(108, 26, 6));
    EXPECT_EQ(form->EDVECOR->text(), QStringLiteral("6,3"));
    EXPECT_EQ(state.diagramLines[0].length, 76);
    EXPECT_EQ(state.diagramLines[1].length, 25);
    EXPECT_EQ(state.diagramLines[2].length, 80);
    EXPECT_EQ(state.diagramLines[2].label, QStringLiteral("RVe"));
    EXPECT_EQ(state.vectors.mode, +1);  // the working values are kept
}

TEST_F(CorrentiTest, EmptiedHeadingFieldsAreComputedBack)
{
    Heading(30 * kDeg, 8);
    Current(120 * kDeg, 3);
    form->CALCCORClick();
    form->CLEARPVCORClick();
    form->CALCCORClick();
    EXPECT_EQ(form->EDPVCOR->text(), AngleText(30, 0, 0));
    EXPECT_EQ(form->EDVPCOR->text(), QStringLiteral("8,0"));
}

TEST_F(CorrentiTest, AnEmptySpeedAloneMakesItsPairMissing)
{
    Heading(0, 5);
    Current(90 * kDeg, 5);
    Course(7, 1);
    form->EDVECOR->clear();
    form->CALCCORClick();
    EXPECT_EQ(form->EDRVCOR->text(), AngleText(45, 0, 0));
    EXPECT_EQ(form->EDVECOR->text(), QStringLiteral("7,1"));
}

// A current cleared away is no longer part of the problem, nor of its diagram.
TEST_F(CorrentiTest, ALeewayProblemIsDrawnWithItsOwnSpeedsOnly)
{
    Heading(0, 5);
    Current(90 * kDeg, 10);
    form->CALCCORClick();
    form->CLEARDCORClick();
    form->CLEARRVCORClick();
    state.valSCAR = 10 * kDeg;
    form->EDSCAR->setText(AngleText(10, 0, 0));
    form->CALCCORClick();
    EXPECT_EQ(form->EDRVCOR->text(), AngleText(10, 0, 0));
    EXPECT_EQ(form->EDVECOR->text(), QStringLiteral("5,0"));
    EXPECT_EQ(state.diagramLineCount, 2);
    EXPECT_EQ(state.diagramLines[0].length, nav::kLongestVector);
    EXPECT_EQ(state.diagramLines[1].length, nav::kLongestVector);
}

TEST_F(CorrentiTest, AllSixFilledReportsAndLeavesTheDiagram)
{
    Heading(1, 1);
    Current(2, 2);
    Course(3, 3);
    const QImage before = form->IMGCOR->canvas().Target()->copy();
    form->CALCCORClick();
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Tutti i dati sono presenti: cancella (X) quello da calcolare.")});
    EXPECT_EQ(form->IMGCOR->canvas().Target()->copy(), before);
}

struct CorrentiRefusal {
    const char* what;
    bool current;  // own speed, both current fields and the course are given
    double currentSpeed;
    const char* message;
};

class CorrentiRefusalTest : public CorrentiTest, public testing::WithParamInterface<CorrentiRefusal> {};

TEST_P(CorrentiRefusalTest, ReportsAndChangesNothing)
{
    const CorrentiRefusal& c = GetParam();
    Heading(0, 2);
    form->EDPVCOR->clear();
    if (c.current) {
        Current(90 * kDeg, c.currentSpeed);
        Course(0, 0);
        form->EDVECOR->clear();
    }
    const QImage before = form->IMGCOR->canvas().Target()->copy();
    form->CALCCORClick();
    EXPECT_EQ(recorded.platform.errors, QStringList{QString::fromUtf8(c.message)}) << c.what;
    EXPECT_TRUE(form->EDPVCOR->text().isEmpty()) << c.what;
    EXPECT_TRUE(form->EDVECOR->text().isEmpty()) << c.what;
    EXPECT_EQ(state.valPVCOR, 0) << c.what;
    EXPECT_EQ(form->IMGCOR->canvas().Target()->copy(), before) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CorrentiRefusalTest,
    testing::Values(CorrentiRefusal{"only own speed", false, 0, "Nessun dato da calcolare."},
                    CorrentiRefusal{"current too strong", true, 3, "Corrente troppo forte per la rotta !"}));
