#include "dialogs/speed_dialog.h"

#include "support/recording_platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/instruments/inst_angular_meter.h"
#include "widgets/instruments/inst_slider.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

class SpeedDialogTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    toolkit::ScopedFormatSettings italian{{QLatin1Char(','), QLatin1Char('.')}};
    EntryHandOff handOff;
    double speed = 0;
    TAlignedEdit field;
    TForm3 form{handOff};

    void SetUp() override
    {
        handOff.entrySpeed = &speed;
        handOff.entryField = &field;
        field.setText(QStringLiteral("before"));
    }

    void Open(std::function<void()> inside)
    {
        QTimer::singleShot(0, &form, [this, inside] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
            inside();
            if (form.isVisible())
                form.GRADIABO->click();
        });
        form.Open();
    }
};

struct SpeedOpenCase {
    double speed;
    int tenths;
    const char* shown;
    double stored;
    const char* text;
};

class SpeedDialogOpenTest : public SpeedDialogTest, public testing::WithParamInterface<SpeedOpenCase> {};

TEST_P(SpeedDialogOpenTest, ShowsTheSpeedInTenthsAndConfirmingStoresWhatIsShown)
{
    const SpeedOpenCase& c = GetParam();
    speed = c.speed;
    Open([&] {
        EXPECT_EQ(form.PONODI->Position(), c.tenths);
        EXPECT_DOUBLE_EQ(form.SOLCO->Position(), c.tenths / 10.0);
        EXPECT_EQ(form.SPSOLCO->text(), QString::fromLatin1(c.shown));
        form.GRADIOK->click();
    });
    EXPECT_DOUBLE_EQ(speed, c.stored);
    EXPECT_EQ(field.text(), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(Table, SpeedDialogOpenTest,
                         testing::Values(SpeedOpenCase{0, 0, "0,0", 0, "0,0"},
                                         SpeedOpenCase{12.34, 123, "12,3", 12.3, "12,3"},
                                         SpeedOpenCase{12.25, 122, "12,2", 12.2, "12,2"},
                                         SpeedOpenCase{63, 500, "50,0", 50, "50,0"},
                                         SpeedOpenCase{7.5, 75, "7,5", 7.5, "7,5"}));

TEST_F(SpeedDialogTest, ReopeningOnTheSameTenthsShowsThemAgain)
{
    speed = 12.3;
    // A text of the same tenths leaves the slider where it is; cancelled.
    Open([&] { form.SPSOLCO->setText(QStringLiteral("12,34")); });
    Open([&] { EXPECT_EQ(form.SPSOLCO->text(), QStringLiteral("12,3")); });
}

TEST_F(SpeedDialogTest, CancellingKeepsASpeedBeyondTheLog)
{
    speed = 63;
    Open([&] { form.GRADIABO->click(); });
    EXPECT_EQ(speed, 63);
    EXPECT_EQ(field.text(), QStringLiteral("before"));
}

TEST_F(SpeedDialogTest, TheSpinEditStepsATenthAndTheSliderFollows)
{
    speed = 5;
    Open([&] {
        QTest::mouseClick(form.SPSOLCO->Button()->UpButton(), Qt::LeftButton);
        EXPECT_EQ(form.SPSOLCO->text(), QStringLiteral("5,1"));
        EXPECT_EQ(form.PONODI->Position(), 51);
        EXPECT_DOUBLE_EQ(form.SOLCO->Position(), 5.1);
    });
}

// The speed the dialog opens on: the slider below, or already at, its top.
class SpeedTypedBeyondTest : public SpeedDialogTest, public testing::WithParamInterface<double> {};

TEST_P(SpeedTypedBeyondTest, TheLogShowsAndStoresFifty)
{
    speed = GetParam();
    Open([&] {
        form.SPSOLCO->selectAll();
        QTest::keyClicks(form.SPSOLCO, QStringLiteral("999"));
        EXPECT_EQ(form.PONODI->Position(), 500);
        EXPECT_EQ(form.SPSOLCO->text(), QStringLiteral("50,0"));
        form.GRADIOK->click();
    });
    EXPECT_EQ(speed, 50);
    EXPECT_EQ(field.text(), QStringLiteral("50,0"));
}

INSTANTIATE_TEST_SUITE_P(Table, SpeedTypedBeyondTest, testing::Values(0.0, 63.0));

TEST_F(SpeedDialogTest, EnterInTheBoxConfirmsAndEscapeCancels)
{
    Open([&] {
        QTest::keyClicks(form.SPSOLCO, QStringLiteral("6.5"));
        QTest::keyClick(form.SPSOLCO, Qt::Key_Return);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(speed, 6.5);
    EXPECT_EQ(field.text(), QStringLiteral("6,5"));
    Open([&] {
        QTest::keyClicks(form.SPSOLCO, QStringLiteral("9"));
        QTest::keyClick(form.SPSOLCO, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(speed, 6.5);
    EXPECT_EQ(recorded.platform.beeps, 0);
}
