#include "dialogs/angle_dialog.h"

#include "support/recording_platform.h"
#include "toolkit/text_format.h"
#include "toolkit/speed_button.h"
#include "widgets/instruments/inst_compass.h"
#include "widgets/instruments/inst_jog_meter.h"
#include "widgets/instruments/inst_track_bar.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

}  // namespace

class AngleDialogTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    EntryHandOff handOff;
    nav::Angle value = 0;
    TAlignedEdit field;
    TForm2 form{handOff};

    void SetUp() override
    {
        handOff.entryValue = &value;
        handOff.entryField = &field;
        field.setText(QStringLiteral("before"));
    }

    // Opens the dialog on `value` with a degree range and runs `inside` while it is up.
    void Open(int lowest, int highest, std::function<void()> inside)
    {
        QTimer::singleShot(0, &form, [this, inside] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            inside();
            if (form.isVisible())
                form.GRADIABO->click();
        });
        form.OpenAngleDialog(lowest, highest);
    }

    QString Shown() const
    {
        return form.SPGRADI->text() + QLatin1Char(' ') + form.SPPRIMI->text() + QLatin1Char(' ')
               + form.SPSECONDI->text();
    }
};

struct OpenCase {
    nav::Angle value;
    int lowest, highest;
    const char* shown;
    int heading;
    const char* text;  // written by "CONFERMA" at once
    nav::Angle stored;
};

class AngleDialogOpenTest : public AngleDialogTest, public testing::WithParamInterface<OpenCase> {};

TEST_P(AngleDialogOpenTest, ShowsTheValueAndConfirmingAtOnceKeepsIt)
{
    const OpenCase& c = GetParam();
    value = c.value;
    Open(c.lowest, c.highest, [&] {
        EXPECT_EQ(Shown(), QString::fromLatin1(c.shown));
        EXPECT_EQ(form.COMPASSO->Heading(), c.heading);
        EXPECT_EQ(form.POGRADI->Position(), c.heading);
        EXPECT_EQ(form.VUGRADI->Value()->Value(), c.heading);
        EXPECT_TRUE(form.SPGRADI->hasFocus());
        form.GRADIOK->click();
    });
    EXPECT_EQ(field.text(), QString::fromUtf8(c.text));
    EXPECT_EQ(value, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AngleDialogOpenTest,
    testing::Values(OpenCase{0, 0, 359, "0 0 0", 0, "  0\u00B0  0'  0\"", 0},
                    OpenCase{1295999, 0, 359, "359 59 59", 359, "359\u00B0 59' 59\"", 1295999},
                    OpenCase{163815, 0, 359, "45 30 15", 45, " 45\u00B0 30' 15\"", 163815},
                    OpenCase{-30 * kDeg, 0, 359, "330 0 0", 330, "330\u00B0  0'  0\"", 330 * kDeg},
                    OpenCase{-108900, -180, 0, "-30 15 0", -30, " 30\u00B0 15'  0\"", -108900},
                    OpenCase{200 * kDeg + 15 * kMin, 0, 180, "180 15 0", 180, "180\u00B0 15'  0\"",
                             180 * kDeg + 15 * kMin}));

TEST_F(AngleDialogTest, TheDegreeBarTurnsTheCompassTheMinuteBarDoesNot)
{
    Open(0, 359, [&] {
        form.POGRADI->setPosition(90);
        EXPECT_EQ(form.SPGRADI->text(), QStringLiteral("90"));
        EXPECT_EQ(form.VUGRADI->Value()->Value(), 90);
        EXPECT_EQ(form.COMPASSO->Heading(), 90);
        form.POPRIMI->setPosition(20);
        EXPECT_EQ(form.SPPRIMI->text(), QStringLiteral("20"));
        EXPECT_EQ(form.VUPRIMI->Value()->Value(), 20);
        EXPECT_EQ(form.COMPASSO->Heading(), 90);
    });
}

TEST_F(AngleDialogTest, ClearingThenCancellingChangesNothing)
{
    value = 163815;
    Open(0, 359, [&] {
        form.GRADICLEAR->click();
        EXPECT_EQ(Shown(), QStringLiteral("0 0 0"));
        form.GRADIABO->click();
    });
    EXPECT_EQ(value, 163815);
    EXPECT_EQ(field.text(), QStringLiteral("before"));
}

TEST_F(AngleDialogTest, ANarrowerRangePullsALeftoverDegreeDown)
{
    Open(0, 359, [&] { form.POGRADI->setPosition(200); });
    value = 5 * kDeg;
    form.POGRADI->setPosition(200);  // as the last use left it
    bool pulledDown = false;
    QObject::connect(form.POGRADI, &TInstTrackBar::OnChange, &form,
                     [&] { pulledDown = pulledDown || form.POGRADI->Position() == 10; });
    Open(0, 10, [&] { EXPECT_EQ(Shown(), QStringLiteral("5 0 0")); });
    EXPECT_TRUE(pulledDown);
}

struct TypedCase {
    const char* spin;
    const char* typed;
    int lowest, highest;
    int position;  // of the row's track bar
    nav::Angle stored;
};

class AngleDialogTypedTest : public AngleDialogTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(AngleDialogTypedTest, ATypedNumberMovesItsBarWithinItsRangeAndIsStoredSo)
{
    const TypedCase& c = GetParam();
    Open(c.lowest, c.highest, [&] {
        auto* spin = form.findChild<TSpinNumEdit*>(QString::fromLatin1(c.spin));
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::fromLatin1(c.typed));
        auto* bar = form.findChild<TInstTrackBar*>(QStringLiteral("PO") + QString::fromLatin1(c.spin).mid(2));
        EXPECT_EQ(bar->Position(), c.position);
        EXPECT_EQ(spin->Value(), c.position);  // what is shown is what is stored
        form.GRADIOK->click();  // a button takes no focus: the spin edit is not left first
    });
    EXPECT_EQ(value, c.stored);
}

INSTANTIATE_TEST_SUITE_P(Table, AngleDialogTypedTest,
                         testing::Values(TypedCase{"SPGRADI", "3590", 0, 359, 359, 359 * kDeg},
                                         TypedCase{"SPGRADI", "359E9", 0, 359, 359, 359 * kDeg},
                                         TypedCase{"SPPRIMI", "599", 0, 359, 59, 59 * kMin},
                                         TypedCase{"SPGRADI", "30", -180, 0, 0, 0},
                                         TypedCase{"SPGRADI", "-45", -180, 0, -45, -45 * kDeg},
                                         TypedCase{"SPGRADI", "95", 0, 90, 90, 90 * kDeg}));

// Keys as the user presses them, each to the box that has the focus:
// "\t" Tab, " " Space, "\n" Enter; everything else is typed.
void PressKeys(const char* keys)
{
    for (const char* k = keys; *k; ++k) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        switch (*k) {
        case '\t': QTest::keyClick(focused, Qt::Key_Tab); break;
        case ' ': QTest::keyClick(focused, Qt::Key_Space); break;
        case '\n': QTest::keyClick(focused, Qt::Key_Return); break;
        default: QTest::keyClicks(focused, QString(QLatin1Char(*k)));
        }
    }
}

struct KeysCase {
    const char* what;
    int lowest, highest;
    const char* typedOnTheField;  // before the dialog opened
    const char* keys;
    nav::Angle stored;
    const char* text;
    int beeps;
};

class AngleDialogKeysTest : public AngleDialogTest, public testing::WithParamInterface<KeysCase> {};

TEST_P(AngleDialogKeysTest, TheKeyboardAloneEntersTheAngle)
{
    const KeysCase& c = GetParam();
    toolkit::ScopedFormatSettings italian{{QLatin1Char(','), QLatin1Char('.')}};
    handOff.entryTyped = QString::fromLatin1(c.typedOnTheField);
    Open(c.lowest, c.highest, [&] {
        PressKeys(c.keys);
        EXPECT_FALSE(form.isVisible()) << c.what;
    });
    EXPECT_EQ(value, c.stored) << c.what;
    EXPECT_EQ(field.text(), QString::fromUtf8(c.text)) << c.what;
    EXPECT_EQ(recorded.platform.beeps, c.beeps) << c.what;
    EXPECT_TRUE(handOff.entryTyped.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AngleDialogKeysTest,
    testing::Values(
        KeysCase{"decimal degrees", 0, 359, "", "2.8\n", 2 * kDeg + 48 * kMin, "  2\u00B0 48'  0\"", 0},
        KeysCase{"the other mark", 0, 359, "", "2,8\n", 2 * kDeg + 48 * kMin, "  2\u00B0 48'  0\"", 0},
        KeysCase{"decimal minutes", 0, 359, "", "10\t48.5\n", 10 * kDeg + 48 * kMin + 30, " 10\u00B0 48' 30\"", 0},
        KeysCase{"seconds are whole", 0, 359, "", "1 2 3.\n", kDeg + 2 * kMin + 3, "  1\u00B0  2'  3\"", 1},
        KeysCase{"a carry", 0, 359, "", "2.99999999\n", 3 * kDeg, "  3\u00B0  0'  0\"", 0},
        KeysCase{"typed on the field goes on", 0, 359, "1", "00\n", 100 * kDeg, "100\u00B0  0'  0\"", 0},
        KeysCase{"a deviation to the West", -90, 90, "", "-5.2\n", -(5 * kDeg + 12 * kMin), "-  5\u00B0 12'  0\"", 0},
        KeysCase{"West with no degrees", -90, 90, "-", "0.5\t\n", -30 * kMin, "-  0\u00B0 30'  0\"", 0},
        KeysCase{"East", -90, 90, "", "2 30\n", 2 * kDeg + 30 * kMin, "  2\u00B0 30'  0\"", 0},
        KeysCase{"to port", -180, 0, "", "-30.25\n", -(30 * kDeg + 15 * kMin), " 30\u00B0 15'  0\"", 0},
        KeysCase{"no minus on the full circle", 0, 359, "", "-0.5\n", 0, "  0\u00B0  0'  0\"", 1}));

TEST_F(AngleDialogTest, InThePortModeANegativeNumberTypedOverTheSelectionIsTaken)
{
    value = -45 * kDeg;
    Open(-180, 0, [&] {
        ASSERT_EQ(form.SPGRADI->selectedText(), QStringLiteral("-45"));
        QTest::keyClicks(form.SPGRADI, QStringLiteral("-120"));
        EXPECT_EQ(form.SPGRADI->text(), QStringLiteral("-120"));
        EXPECT_EQ(recorded.platform.beeps, 0);
        form.SPGRADI->selectAll();
        QTest::keyClicks(form.SPGRADI, QStringLiteral("1"));  // to starboard: refused at once
        EXPECT_EQ(form.SPGRADI->text(), QStringLiteral("0"));
        EXPECT_EQ(recorded.platform.beeps, 1);
        form.SPGRADI->selectAll();
        QTest::keyClicks(form.SPGRADI, QStringLiteral("-120"));
        form.GRADIOK->click();
    });
    EXPECT_EQ(value, -120 * kDeg);
}

TEST_F(AngleDialogTest, EscapeAndTheCloseBoxWriteNothing)
{
    value = 7;
    for (const bool escape : {true, false}) {
        Open(0, 359, [&] {
            form.SPGRADI->setValue(100);
            if (escape)
                QTest::keyClick(form.SPPRIMI, Qt::Key_Escape);
            else
                form.close();
            EXPECT_FALSE(form.isVisible());
        });
    }
    EXPECT_EQ(value, 7);
    EXPECT_EQ(field.text(), QStringLiteral("before"));
}

TEST_F(AngleDialogTest, TabMovesOnlyBetweenTheSpinEdits)
{
    Open(0, 359, [&] {
        ASSERT_TRUE(form.SPGRADI->hasFocus());
        QTest::keyClick(form.SPGRADI, Qt::Key_Tab);
        EXPECT_TRUE(form.SPPRIMI->hasFocus());
        QTest::keyClick(form.SPPRIMI, Qt::Key_Tab);
        EXPECT_TRUE(form.SPSECONDI->hasFocus());
        EXPECT_EQ(form.POGRADI->focusPolicy(), Qt::NoFocus);
    });
}
