// What a skipper does with the mouse: a field opens the angle dialog, the
// angle is set there and confirmed, and "Calcola" converts it.

#include "app/program.h"
#include "card/deviation_rows.h"
#include "coastal/coastal_window.h"
#include "coastal/position_edit.h"
#include "coastal/position_entry.h"
#include "dialogs/position_dialog.h"
#include "toolkit/string_grid.h"

#include "support/recording_platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/instruments/inst_slider.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/num_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

QString Text(nav::Angle a)
{
    return QString::fromStdString(nav::FormatAngle(a));
}

}  // namespace

class ScenarioTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    QTemporaryDir folder;
    std::unique_ptr<Program> program;

    void Start(const QByteArray& table, const QByteArray& settings)
    {
        Write(QStringLiteral("DEVIAZIONI.TXT"), table);
        Write(QStringLiteral("ORVAN_INI.INI"), settings);
        program = std::make_unique<Program>(folder.path());
        form().SplashTimer->stop();
        form().SplashTimerTimer();
        form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    }

    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TForm1& form() { return program->form1; }
    TForm2& angles() { return *program->form2; }

    // Clicks the field and, in the angle dialog that opens, types the
    // degrees, minutes and seconds and presses "CONFERMA".
    void EnterAngle(TAlignedEdit* field, const QString& degrees, const QString& minutes = QStringLiteral("0"),
                    const QString& seconds = QStringLiteral("0"))
    {
        QTimer::singleShot(0, &angles(), [=, this] {
            ASSERT_TRUE(angles().isVisible());
            for (auto [spin, text] : {std::pair{angles().SPGRADI, degrees}, std::pair{angles().SPPRIMI, minutes},
                                      std::pair{angles().SPSECONDI, seconds}}) {
                spin->setFocus();
                spin->selectAll();
                QTest::keyClicks(spin, text);
            }
            QTest::mouseClick(angles().GRADIOK, Qt::LeftButton);
        });
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_FALSE(angles().isVisible());
    }

    // Clicks a speed field and, in the speed dialog, types the knots and confirms.
    void EnterSpeed(TAlignedEdit* field, const QString& knots)
    {
        TForm3& log = *program->form3;
        QTimer::singleShot(0, &log, [=, &log] {
            ASSERT_TRUE(log.isVisible());
            log.SPSOLCO->setFocus();
            log.SPSOLCO->selectAll();
            QTest::keyClicks(log.SPSOLCO, knots);
            QTest::mouseClick(log.GRADIOK, Qt::LeftButton);
        });
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_FALSE(log.isVisible());
    }

    // Presses keys one at a time, each to the widget that has the focus then,
    // also inside the dialogs that the keys open: "<Tab>", "<S-Tab>",
    // "<Enter>", "<Left>", "<Right>", "<Space>", "<A-c>", anything else typed.
    void PressKeys(const QStringList& script)
    {
        static const QMap<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> named{
            {QStringLiteral("<Tab>"), {Qt::Key_Tab, Qt::NoModifier}},
            {QStringLiteral("<S-Tab>"), {Qt::Key_Backtab, Qt::ShiftModifier}},
            {QStringLiteral("<Enter>"), {Qt::Key_Return, Qt::NoModifier}},
            {QStringLiteral("<Left>"), {Qt::Key_Left, Qt::NoModifier}},
            {QStringLiteral("<Right>"), {Qt::Key_Right, Qt::NoModifier}},
            {QStringLiteral("<Space>"), {Qt::Key_Space, Qt::NoModifier}},
            {QStringLiteral("<A-c>"), {Qt::Key_C, Qt::AltModifier}},
        };
        QStringList keys;  // one character at a time: the first may open a dialog
        for (const QString& key : script) {
            if (key.startsWith(QLatin1Char('<')))
                keys << key;
            else
                for (const QChar c : key)
                    keys << QString(c);
        }
        QEventLoop done;
        QTimer next;
        next.setInterval(1);
        qsizetype at = 0;
        int idle = 0;
        // Each key is pressed from the event loop that runs then, so that a key
        // that opens a modal dialog holds up nothing; the next waits for the
        // dialog to have the focus.
        QObject::connect(&next, &QTimer::timeout, [&] {
            QWidget* focused = QApplication::focusWidget();
            const QWidget* modal = QApplication::activeModalWidget();
            if (!focused || (modal && focused->window() != modal)) {
                if (++idle > 1000) {
                    next.stop();
                    done.quit();
                }
                return;
            }
            idle = 0;
            if (at == keys.size()) {
                next.stop();
                done.quit();
                return;
            }
            const QString key = keys[at++];
            QMetaObject::invokeMethod(
                focused,
                [focused, key] {
                    if (named.contains(key))
                        QTest::keyClick(focused, named[key].first, named[key].second);
                    else
                        QTest::keyClicks(focused, key);
                },
                Qt::QueuedConnection);
        });
        next.start();
        done.exec();
        EXPECT_EQ(at, keys.size()) << "no widget had the focus";
    }

    void Click(toolkit::SpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    toolkit::SpeedButton* Button(const char* name)
    {
        return form().findChild<toolkit::SpeedButton*>(QString::fromLatin1(name));
    }
};

TEST_F(ScenarioTest, AHeadingEnteredInTheDialogConvertsOnProre)
{
    Start("0;1.5\r\n", "1985\r\n1985\r\n18000\r\n0\r\n");  // 5 W
    EnterAngle(form().EDPB, QStringLiteral("90"), QStringLiteral("15"));
    EXPECT_EQ(form().EDPB->text(), Text(90 * kDeg + 15 * kMin));
    Click(Button("CALCPRORE"));
    EXPECT_EQ(form().EDPM->text(), Text(91 * kDeg + 45 * kMin));
    EXPECT_EQ(form().EDPV->text(), Text(86 * kDeg + 45 * kMin));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

// An exam's data, and not a click: true heading 000, d 2,8 E, deviation -5,2.
TEST_F(ScenarioTest, AStudentSolvesWithTheKeyboardOnly)
{
    toolkit::ScopedFormatSettings italian({QLatin1Char(','), QLatin1Char('.')});
    Start("0;1\r\n", "1985\r\n2004\r\n3600\r\n240\r\n");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    ASSERT_TRUE(form().EDPB->hasFocus());
    const auto tabs = [](int n) { return QStringList(n, QStringLiteral("<Tab>")); };
    // One run: the keys that open a dialog are answered in it.
    PressKeys(tabs(4) + QStringList{QStringLiteral("0"), QStringLiteral("<Enter>")}  // Prora Vera
              + tabs(2) + QStringList{QStringLiteral("-5,2"), QStringLiteral("<Enter>")}  // Deviazione
              + tabs(5) + QStringList{QStringLiteral("<Enter>")}  // Set
              + tabs(11)
              + QStringList{QStringLiteral("<Right>"), QStringLiteral("<S-Tab>"), QStringLiteral("2,8"),  // Nota
                            QStringLiteral("<Enter>"), QStringLiteral("<S-Tab>"), QStringLiteral("<S-Tab>"),
                            QStringLiteral("<Left>"), QStringLiteral("<Space>"), QStringLiteral("<Enter>"),  // E
                            QStringLiteral("<A-c>")});
    EXPECT_EQ(form().EDDECL->text(), QString::fromUtf8("  2° 48'  0\" E"));
    EXPECT_EQ(form().EDDEVIAZ->text(), Text(-(5 * kDeg + 12 * kMin)));
    EXPECT_EQ(form().EDPM->text(), Text(357 * kDeg + 12 * kMin));
    EXPECT_EQ(form().EDPB->text(), Text(2 * kDeg + 24 * kMin));
    EXPECT_EQ(form().EDPV->text(), Text(0));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

// "6.5" typed in an Italian locale is 6,5 knots, not 65.
TEST_F(ScenarioTest, ASpeedTypedWithEitherMarkIsTheSpeedMeant)
{
    toolkit::ScopedFormatSettings italian({QLatin1Char(','), QLatin1Char('.')});
    Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    form().EDVPCOR->setFocus();
    PressKeys({QStringLiteral("6.5"), QStringLiteral("<Enter>"), QStringLiteral("<Tab>"), QStringLiteral("<Tab>"),
               QStringLiteral("<Tab>"), QStringLiteral("2,5"), QStringLiteral("<Enter>")});
    EXPECT_EQ(program->state.valVPCOR, 6.5);
    EXPECT_EQ(form().EDVPCOR->text(), QStringLiteral("6,5"));
    EXPECT_EQ(program->state.valVCOR, 2.5);
    EXPECT_EQ(recorded.platform.beeps, 0);
}

// A true heading worked on "Prore" goes into "Correnti" by Ctrl+C and Ctrl+V;
// a paste that does not read beeps and leaves the field as it was.
TEST_F(ScenarioTest, AResultCopiedFromProreIsPastedIntoCorrenti)
{
    toolkit::ScopedFormatSettings italian({QLatin1Char(','), QLatin1Char('.')});
    Start("0;1.5\r\n", "1985\r\n1985\r\n18000\r\n0\r\n");  // 5 W
    EnterAngle(form().EDPB, QStringLiteral("90"), QStringLiteral("15"));
    Click(Button("CALCPRORE"));
    form().EDPV->setFocus();
    QTest::keyClick(form().EDPV, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("086\u00B0 45' 00\""));

    form().PageControl1->setCurrentWidget(form().TabSheet3);
    const auto paste = [](TAlignedEdit* field, const char* text) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    };
    paste(form().EDPVCOR, "086\u00B0 45' 00\"");
    paste(form().EDVPCOR, "6.5");
    paste(form().EDDCOR, "180");
    paste(form().EDVCOR, "2");
    EXPECT_EQ(form().EDPVCOR->text(), Text(86 * kDeg + 45 * kMin));
    EXPECT_EQ(program->state.valPVCOR, 86 * kDeg + 45 * kMin);
    EXPECT_EQ(form().EDVPCOR->text(), QStringLiteral("6,5"));
    paste(form().EDPVCOR, "400");
    EXPECT_EQ(form().EDPVCOR->text(), Text(86 * kDeg + 45 * kMin));
    EXPECT_EQ(recorded.platform.beeps, 1);
    Click(Button("CALCCOR"));
    EXPECT_EQ(form().EDVECOR->text(), QStringLiteral("6,7"));
}

TEST_F(ScenarioTest, ACompassBearingGoesToTrueAndBack)
{
    Start("0;2\r\n90;-3\r\n", "1985\r\n1985\r\n-3600\r\n0\r\n");  // 1 E
    form().PageControl1->setCurrentWidget(form().TabSheet2);
    EnterAngle(form().EDPBR, QStringLiteral("88"));
    EnterAngle(form().EDRB, QStringLiteral("200"), QStringLiteral("30"));
    QSignalSpy solved(&form(), &TForm1::Solved);
    Click(Button("CALCVB"));
    ASSERT_EQ(solved.count(), 1);
    // The declination reaches the steps East positive, with its side.
    EXPECT_EQ(qvariant_cast<nav::Worked>(solved.at(0).at(0)).steps,
              (std::vector<std::string>{"Rlm = Rlb + δ = 200° 30' + (\u22123° 00') = 197° 30'",
                                        "Rlv = Rlm + d = 197° 30' + (+1° 00' E) = 198° 30'"}));
    EXPECT_EQ(form().EDDEVVB->text(), Text(-3 * kDeg));
    EXPECT_EQ(form().EDRV->text(), Text(198 * kDeg + 30 * kMin));
    Click(Button("RBCLEAR"));
    Click(Button("CALCVB"));
    EXPECT_EQ(form().EDRB->text(), Text(200 * kDeg + 30 * kMin));
}

struct PolarScenario {
    const char* mode;
    const char* relative;  // typed degrees of the relative bearing
    nav::Angle bearing;
};

class PolarScenarioTest : public ScenarioTest, public testing::WithParamInterface<PolarScenario> {};

TEST_P(PolarScenarioTest, TheRelativeBearingOfEachModeTurnsTheBearing)
{
    Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet2);
    form().PageControl2->setCurrentWidget(form().TabSheet9);
    QTest::mouseClick(form().findChild<QRadioButton*>(QString::fromLatin1(GetParam().mode)), Qt::LeftButton);
    EnterAngle(form().EDPVC, QStringLiteral("10"));
    EnterAngle(form().EDRP, QString::fromLatin1(GetParam().relative));
    QSignalSpy solved(&form(), &TForm1::Solved);
    Click(Button("CALCPOL"));
    EXPECT_EQ(solved.count(), 1);
    EXPECT_EQ(form().EDRVC->text(), Text(GetParam().bearing));

    // And back: the relative bearing from heading and bearing, in the same mode.
    Click(Button("RPCLEAR"));
    Click(Button("CALCPOL"));
    EXPECT_EQ(program->state.valRP, std::string_view(GetParam().mode) == "RBSEMISX"
                                        ? -std::abs(std::atoi(GetParam().relative)) * kDeg
                                        : std::atoi(GetParam().relative) * kDeg);
}

INSTANTIATE_TEST_SUITE_P(Modes, PolarScenarioTest,
                         testing::Values(PolarScenario{"RBCIRC", "350", 0},
                                         PolarScenario{"RBSEMIDX", "120", 130 * kDeg},
                                         PolarScenario{"RBSEMISX", "-30", 340 * kDeg}));

TEST_F(ScenarioTest, TheDeclinationDialogChangesWhatTheBottomPanelShows)
{
    Start("0;0\r\n", "1985\r\n2004\r\n3600\r\n240\r\n");
    EXPECT_EQ(form().EDDECL->text(), QString::fromUtf8("  2° 16'  0\" W"));
    TForm4& declination = *program->form4;
    QTimer::singleShot(0, &declination, [&] {
        // The base declination through the angle dialog, opened from the declination dialog.
        QTimer::singleShot(0, &angles(), [&] {
            EXPECT_EQ(angles().POGRADI->MaxValue(), 90);
            angles().SPGRADI->setValue(2);
            QTest::mouseClick(angles().GRADIOK, Qt::LeftButton);
        });
        QTest::mouseClick(declination.EDDECLIBASE, Qt::LeftButton);
        QTest::mouseClick(declination.RBEST, Qt::LeftButton);
        QTest::mouseClick(declination.CALCDECLREAL, Qt::LeftButton);
        QTest::mouseClick(declination.DECLIOK, Qt::LeftButton);
    });
    Click(Button("SETDECLI"));
    EXPECT_EQ(program->state.valDECL, -(2 * kDeg + 19 * 4 * kMin));  // East and growing
    EXPECT_EQ(form().EDDECL->text(), QString::fromUtf8("  3° 16'  0\" E"));
}

TEST_F(ScenarioTest, TheDeclinationFromAPositionReachesTheBottomPanel)
{
    toolkit::ScopedFormatSettings english({QLatin1Char('.'), QLatin1Char(',')});
    Start("0;0\r\n", "1985\r\n2004\r\n3600\r\n240\r\n");
    TForm4& declination = *program->form4;
    TForm5& position = *declination.Form5;
    const QSignalSpy solved(&declination, &TForm4::Solved);
    QTimer::singleShot(0, &declination, [&] {
        QTimer::singleShot(0, &position, [&] {
            // Cagliari
            for (auto [edit, text] : {std::pair{position.EDLAT, "39.22"}, std::pair{position.EDLON, "9.12"}}) {
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(text));
            }
            position.DTDATA->setDate(QDate(2026, 12, 9));
            QTest::mouseClick(position.WMMOK, Qt::LeftButton);
        });
        QTest::mouseClick(declination.WMMDECL, Qt::LeftButton);
        EXPECT_TRUE(declination.RBAUM->isChecked());
        EXPECT_EQ(declination.EDDECLREAL->text(), QString::fromUtf8("  3° 21'  0\" E"));
        QTest::mouseClick(declination.DECLIOK, Qt::LeftButton);
    });
    Click(Button("SETDECLI"));
    EXPECT_EQ(program->state.valDECL, -(3 * kDeg + 21 * kMin));
    EXPECT_EQ(form().EDDECL->text(), QString::fromUtf8("  3° 21'  0\" E"));
    // The model's answer is the calculation; confirming its chart data adds none.
    ASSERT_EQ(solved.count(), 1);
    const auto worked = solved.at(0).at(0).value<nav::Worked>();
    EXPECT_EQ(worked.data.at(1), (nav::WorkedValue{"Data", "2026-12-09"}));
    EXPECT_EQ(worked.steps.at(0), "d = WMM2025(φ, λ, data) = +3° 21' E, al primo intero");
    // Magnetic north there is 3 deg 21 min East of true north.
    EnterAngle(form().EDPM, QStringLiteral("0"));
    Click(Button("CALCPRORE"));
    EXPECT_EQ(form().EDPV->text(), Text(3 * kDeg + 21 * kMin));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

TEST_F(ScenarioTest, HeadingAndCurrentEnteredInTheDialogsGiveTheCourse)
{
    toolkit::ScopedFormatSettings english({QLatin1Char('.'), QLatin1Char(',')});
    Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet3);
    EnterAngle(form().EDPVCOR, QStringLiteral("90"));
    EnterSpeed(form().EDVPCOR, QStringLiteral("6"));
    EnterAngle(form().EDDCOR, QStringLiteral("180"));
    EnterSpeed(form().EDVCOR, QStringLiteral("2"));
    EXPECT_EQ(form().EDVPCOR->text(), QStringLiteral("6.0"));
    Click(Button("CALCCOR"));
    EXPECT_EQ(form().EDRVCOR->text(), Text(390366));
    EXPECT_EQ(form().EDVECOR->text(), QStringLiteral("6.3"));
    EXPECT_EQ(program->state.valVPCOR, 6.0);
}

TEST_F(ScenarioTest, TheCourseToSteerAgainstTheCurrent)
{
    toolkit::ScopedFormatSettings english({QLatin1Char('.'), QLatin1Char(',')});
    Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet3);
    EnterSpeed(form().EDVPCOR, QStringLiteral("5"));
    EnterAngle(form().EDDCOR, QStringLiteral("270"));
    EnterSpeed(form().EDVCOR, QStringLiteral("1.5"));
    EnterAngle(form().EDRVCOR, QStringLiteral("45"));
    Click(Button("CALCCOR"));
    EXPECT_EQ(form().EDPVCOR->text(), Text(57 * kDeg + 14 * kMin + 50));
    EXPECT_EQ(form().EDVECOR->text(), QStringLiteral("3.8"));
    EXPECT_EQ(program->state.diagramLines[0].angle, 57);  // drawn as the other problems
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

// The published cases of leeway, through the angle dialog.
TEST_F(ScenarioTest, LeewayTurnsTheCourseIntoTheHeadingAndBack)
{
    Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet3);
    const struct {
        TAlignedEdit* given;
        const char* direction;
        const char* leeway;
        TAlignedEdit* result;
        nav::Angle expected;
    } cases[] = {
        {form().EDRVCOR, "95", "-4", form().EDPVCOR, 99 * kDeg},
        {form().EDPVCOR, "186", "-2", form().EDRVCOR, 184 * kDeg},
        {form().EDRVCOR, "46", "5", form().EDPVCOR, 41 * kDeg},
    };
    QSignalSpy solved(&form(), &TForm1::Solved);
    for (const auto& c : cases) {
        Click(Button("AZZERACOR"));
        EnterAngle(c.given, QString::fromLatin1(c.direction));
        EnterAngle(form().EDSCAR, QString::fromLatin1(c.leeway));
        Click(Button("CALCCOR"));
        EXPECT_EQ(c.result->text(), Text(c.expected)) << c.direction;
        EXPECT_TRUE(form().EDVECOR->text().isEmpty()) << "no speed was given";
    }
    EXPECT_EQ(program->state.diagramLineCount, 2);  // without a current the water track is the course
    EXPECT_EQ(solved.count(), 3);

    // A new leeway works the problem again; the course entered stays.
    EnterAngle(form().EDSCAR, QStringLiteral("3"));
    EXPECT_EQ(form().EDPVCOR->text(), Text(43 * kDeg));
    EXPECT_EQ(form().EDRVCOR->text(), Text(46 * kDeg));
    // Without the leeway a course alone is nothing to solve, as it always was:
    // the heading it gave goes, and only "Calcola" says why.
    Click(Button("CLEARSCAR"));
    EXPECT_TRUE(form().EDPVCOR->text().isEmpty());
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
    Click(Button("CALCCOR"));
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Nessun dato da calcolare.")});
    EXPECT_EQ(solved.count(), 3) << "neither the leeway's re-solving nor the refusal is logged";
}

TEST_F(ScenarioTest, TheFuelChosenIsRememberedForTheNextStart)
{
    Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet4);
    form().CBCARB->setCurrentIndex(TForm1::OtherFuel);
    form().SPDENS->setFocus();
    form().SPDENS->selectAll();
    QTest::keyClicks(form().SPDENS, QStringLiteral("0.8"));
    form().CBCARB->setFocus();
    form().CBCARB->setCurrentIndex(TForm1::Petrol);
    program.reset();
    program = std::make_unique<Program>(folder.path());
    EXPECT_EQ(form().CBCARB->currentIndex(), TForm1::Petrol);
    EXPECT_EQ(form().Label8->text(), QStringLiteral("Peso Spec. Carburante = 0.750"));
    form().CBCARB->setCurrentIndex(TForm1::OtherFuel);  // the density typed for it comes back
    EXPECT_EQ(form().FuelGramsPerLitre(), 800);
    form().CBCARB->setCurrentIndex(TForm1::Diesel);  // as the next test expects to find it
}

// The coastal window, each tab through its real controls.
class CoastalScenarioTest : public ScenarioTest {
protected:
    void SetUp() override
    {
        Start("0;0\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
        coastal().Open();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &coastal(); }));
    }
    void TearDown() override { program->settings.remove(QStringLiteral("coastal")); }

    TForm9& coastal() { return *program->form9; }
    void Press(toolkit::SpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Type(TSpinNumEdit* spin, const QString& text)
    {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
    }
};

// Ctrl+K reaches the window from any field, though a line edit deletes to the end of its line with it.
TEST_F(CoastalScenarioTest, CtrlKOpensTheWindowFromAnyField)
{
    for (QWidget* field : std::initializer_list<QWidget*>{form().EDPB, form().EDTT, form().SPCT}) {
        coastal().hide();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &form(); }));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
        EXPECT_TRUE(coastal().isVisible()) << field->objectName().toStdString();
    }
    EXPECT_EQ(form().COSTIERA->toolTip(), QStringLiteral("Navigazione costiera (Ctrl+K)"));
}

TEST_F(CoastalScenarioTest, TraversoFromTheBearingsAndTheLog)
{
    toolkit::ScopedFormatSettings english({QLatin1Char('.'), QLatin1Char(',')});
    // The keyboard alone: Tab reaches "Calcola", and Alt+C presses it.
    coastal().SPVELTRAV->setFocus();
    QTest::keyClick(coastal().SPVELTRAV, Qt::Key_Tab);

    EXPECT_EQ(QApplication::focusWidget(), coastal().CALCTRAV);
    const QSignalSpy solved(&coastal(), &TForm9::Solved);
    QTest::keyClick(coastal().CALCTRAV, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Dati insufficienti.")});
    EXPECT_EQ(solved.count(), 0);
    recorded.platform.errors.clear();
    EnterAngle(coastal().EDRP1, QStringLiteral("45"));
    EnterAngle(coastal().EDRP2, QStringLiteral("90"));
    Type(coastal().SPMINUTI, QStringLiteral("22"));
    Type(coastal().SPVELTRAV, QStringLiteral("6"));
    Press(coastal().CALCTRAV);
    EXPECT_EQ(coastal().SPCAMMINO->text(), QStringLiteral("2.20"));
    EXPECT_EQ(coastal().EDDISTTRAV->text(), QStringLiteral("2.20"));
    EXPECT_EQ(coastal().EDCAMTRAV->text(), QStringLiteral("0.00"));  // abeam: cos 90 in floating point
    EXPECT_EQ(coastal().LBREGOLA->text(), QStringLiteral("45\u00B0 e traverso: distanza al traverso = cammino."));
    ASSERT_EQ(solved.count(), 1);
    EXPECT_EQ(solved.at(0).at(0).value<nav::Worked>().steps.at(0), "m = v·t = 6,0 kn · 22,0 min / 60 = 2,20 M");

    // A run typed after the clock's is the run.
    EnterAngle(coastal().EDRP1, QStringLiteral("60"));
    EnterAngle(coastal().EDRP2, QStringLiteral("120"));
    Type(coastal().SPCAMMINO, QStringLiteral("3"));
    EXPECT_EQ(coastal().SPMINUTI->text(), QStringLiteral("0"));
    Press(coastal().CALCTRAV);
    EXPECT_EQ(coastal().EDCAMTRAV->text(), QStringLiteral("1.50"));
    EXPECT_EQ(coastal().LBCAMTRAV->text(), QStringLiteral("Traverso passato da"));

    EnterAngle(coastal().EDRP2, QStringLiteral("30"));
    Press(coastal().CALCTRAV);
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Rilevamenti non validi.")});
    EXPECT_EQ(coastal().EDCAMTRAV->text(), QStringLiteral("1.50"));
    EXPECT_EQ(solved.count(), 2);

    // A bearing pasted is a bearing entered; one beyond the semicircle is refused.
    const int beeps = recorded.platform.beeps;
    coastal().EDRP2->setFocus();
    for (const char* pasted : {"200", "120"}) {
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        QTest::keyClick(coastal().EDRP2, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(recorded.platform.beeps, beeps + 1);
    EXPECT_EQ(coastal().EDRP2->text(), Text(120 * kDeg));
    Press(coastal().CALCTRAV);
    EXPECT_EQ(coastal().EDCAMTRAV->text(), QStringLiteral("1.50"));
    EXPECT_EQ(solved.count(), 3);
}

TEST_F(CoastalScenarioTest, LossodromiaBetweenTwoPointsAndOnToCorrenti)
{
    toolkit::ScopedFormatSettings english({QLatin1Char('.'), QLatin1Char(',')});
    TPositionEntry& entry = *coastal().positionEntry;
    QTimer::singleShot(0, &entry, [&entry] {
        for (auto [box, text] : {std::pair{entry.EDLATG, "42"}, std::pair{entry.EDLATM, "30"},
                                 std::pair{entry.EDLONG, "10"}, std::pair{entry.EDLONM, "18.5"}}) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(text));
        }
        QTest::mouseClick(entry.POSOK, Qt::LeftButton);
    });
    QTest::mouseClick(coastal().EDPOS1, Qt::LeftButton);
    EXPECT_EQ(coastal().EDPOS1->text(), QStringLiteral("42\u00B0 30.00' N  010\u00B0 18.50' E"));
    QApplication::clipboard()->setText(QStringLiteral("42 34.2N 10 25E"));
    coastal().EDPOS2->setFocus();
    QTest::keyClick(coastal().EDPOS2, Qt::Key_V, Qt::ControlModifier);
    EXPECT_NEAR(coastal().EDPOS2->Latitude(), 42.57, 1e-9);

    const QSignalSpy solved(&coastal(), &TForm9::Solved);
    Press(coastal().CALCLOX);
    ASSERT_EQ(solved.count(), 1);
    EXPECT_EQ(solved.at(0).at(0).value<nav::Worked>().data.back(), (nav::WorkedValue{"δ", "0° 00'", nav::Origin::Table}));
    EXPECT_EQ(coastal().EDRVLOX->text(), Text(48 * kDeg + 51 * kMin + 23));
    EXPECT_EQ(coastal().SPDISTLOX->text(), QStringLiteral("6.38"));
    EXPECT_EQ(coastal().EDRMLOX->text(), coastal().EDRVLOX->text());  // no declination, no deviation
    coastal().EDRMLOX->setFocus();
    QTest::keyClick(coastal().EDRMLOX, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("048\u00B0 51' 23\""));
    Press(coastal().BTNCORRENTI);
    EXPECT_EQ(form().PageControl1->currentWidget(), form().TabSheet3);
    EXPECT_EQ(form().EDRVCOR->text(), coastal().EDRVLOX->text());

    // The start, the course and the distance: the arrival, kept for the next start.
    Press(coastal().POS2CLEAR);
    Press(coastal().CALCLOX);
    EXPECT_EQ(solved.count(), 2);
    EXPECT_EQ(solved.at(1).at(0).value<nav::Worked>().results.at(0).name, "Arrivo");
    EXPECT_EQ(coastal().EDPOS2->text(), QStringLiteral("42\u00B0 34.20' N  010\u00B0 25.00' E"));
    // A new start makes the arrival worked from the old one stale; "Calcola" works it anew.
    coastal().EDPOS1->setLatitude(42.4);
    EXPECT_TRUE(coastal().EDPOS2->text().isEmpty());
    coastal().EDPOS1->setLatitude(42.5);
    Press(coastal().CALCLOX);
    EXPECT_EQ(coastal().EDPOS2->text(), QStringLiteral("42\u00B0 34.20' N  010\u00B0 25.00' E"));
    program.reset();
    program = std::make_unique<Program>(folder.path());
    EXPECT_EQ(coastal().EDPOS2->text(), QStringLiteral("42\u00B0 34.20' N  010\u00B0 25.00' E"));
    EXPECT_EQ(coastal().EDRVLOX->text(), Text(48 * kDeg + 51 * kMin + 23));
}

TEST_F(CoastalScenarioTest, FariFromTheCharacteristicAsPrinted)
{
    toolkit::ScopedFormatSettings english({QLatin1Char('.'), QLatin1Char(',')});
    coastal().EDCARATT->setFocus();
    QTest::keyClicks(coastal().EDCARATT, QStringLiteral("Fl(2)10s42m18M"));
    EXPECT_EQ(coastal().SPHFARO->text(), QStringLiteral("42.0"));
    EXPECT_EQ(coastal().SPPORTNOM->text(), QStringLiteral("18.0"));
    Type(coastal().SPHOCCHIO, QStringLiteral("3"));
    const QSignalSpy solved(&coastal(), &TForm9::Solved);
    Press(coastal().CALCFARI);
    ASSERT_EQ(solved.count(), 1);
    EXPECT_EQ(solved.at(0).at(0).value<nav::Worked>().results.at(1), (nav::WorkedValue{"Portata geografica", "17,08 M"}));
    EXPECT_EQ(coastal().EDORIZZ->text(), QStringLiteral("3.60"));
    EXPECT_EQ(coastal().EDPORTGEO->text(), QStringLiteral("17.08"));
    EXPECT_EQ(coastal().EDPORTEFF->text(), QStringLiteral("17.08"));
    QTest::keyClicks(coastal().EDCARATT, QStringLiteral("x"));
    EXPECT_EQ(coastal().LBCARATT->text(), QStringLiteral("Caratteristica non riconosciuta."));
}

// The deviation card: a swing entered on "Tabelle", the table generated
// from it reviewed and saved, and "Prore" working from the new table.
TEST_F(ScenarioTest, ASwingMadeIntoTheTableThatProreUses)
{
    Start("% bussola di governo\r\n0;1.5\r\n", "1985\r\n1985\r\n0\r\n0\r\n");
    form().PageControl1->setCurrentWidget(form().TabSheet5);
    TForm7& swing = *program->form7;
    TForm6& editor = *program->form6;
    QTimer::singleShot(0, &swing, [&] {
        ASSERT_TRUE(swing.isVisible());
        const char* deviations[] = {"2", "4", "3", "0", "-2", "-4", "-3", "0"};
        for (int i = 0; i < 8; ++i) {
            swing.SGGIRO->setCurrentCell(i, 1);
            swing.SGGIRO->editItem(swing.SGGIRO->item(i, 1));
            QLineEdit* cell = nullptr;
            for (QLineEdit* e : swing.SGGIRO->findChildren<QLineEdit*>())
                if (e->isVisible())
                    cell = e;
            ASSERT_NE(cell, nullptr);
            QTest::keyClicks(cell, QString::fromLatin1(deviations[i]));
            QTest::keyClick(cell, Qt::Key_Return);
            QCoreApplication::processEvents();  // the view commits on its next turn
        }
        QTimer::singleShot(0, &editor, [&] {
            ASSERT_TRUE(editor.isVisible());
            EXPECT_EQ(editor.SGRIGHE->rowCount(), 36);
            QTest::mouseClick(editor.BTNSALVA, Qt::LeftButton);
            QTest::mouseClick(editor.BTNCHIUDI, Qt::LeftButton);
        });
        QTest::mouseClick(swing.BTNGENERA, Qt::LeftButton);
        QTest::mouseClick(swing.BTNCHIUDI, Qt::LeftButton);
    });
    Click(Button("BTNGIRO"));
    EXPECT_FALSE(swing.isVisible());
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(recorded.platform.errors.isEmpty()) << recorded.platform.errors.join(QLatin1Char(' ')).toStdString();

    QFile saved(folder.filePath(QStringLiteral("DEVIAZIONI.TXT")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("% bussola di governo\r\n0.0;2.4\r\n10.0;2.9\r\n")) << bytes.left(80).toStdString();
    EXPECT_EQ(form().SGDEV->RowCount(), 37);
    EXPECT_EQ(form().SGDEV->Cell(1, 10), toolkit::Format(QString::fromUtf8("%-3.1f °"), {2.9}));

    form().PageControl1->setCurrentWidget(form().TabSheet1);
    EnterAngle(form().EDPB, QStringLiteral("90"));
    Click(Button("CALCPRORE"));
    EXPECT_EQ(form().EDDEVIAZ->text(), Text(2 * kDeg + 54 * kMin));
}
