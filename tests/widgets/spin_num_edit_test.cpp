#include "widgets/numeric/spin_num_edit.h"

#include "support/recording_platform.h"
#include "toolkit/text_format.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

class SpinEditTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    toolkit::ScopedFormatSettings english{{QLatin1Char('.'), QLatin1Char(',')}};
    QWidget window;
    TSpinNumEdit* spin = new TSpinNumEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    void SetUp() override
    {
        spin->setGeometry(10, 10, 60, 22);
        other->setGeometry(10, 60, 60, 22);
        window.resize(200, 120);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void Range(double min, double max, double value, int decimals = 0, double increment = 1)
    {
        spin->setDecimals(decimals);
        spin->setMaxValue(max);
        spin->setMinValue(min);
        spin->setValue(value);
        spin->setIncrement(increment);
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString(),
               bool autoRepeat = false, quint64 timestamp = 0)
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text, autoRepeat);
        event.setTimestamp(timestamp);
        QApplication::sendEvent(spin, &event);
    }

    void Release(int key, bool autoRepeat, quint64 timestamp = 0)
    {
        QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        event.setTimestamp(timestamp);
        QApplication::sendEvent(spin, &event);
    }

    void TypeAndLeave(const QString& text)
    {
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
        other->setFocus();
        QApplication::processEvents();
    }
};

TEST_F(SpinEditTest, ArrowsSitInsideTheRightEdgeAndTheTextStaysClearOfThem)
{
    const QRect arrows = spin->Button()->geometry();
    EXPECT_EQ(arrows.width(), 15);
    EXPECT_LE(arrows.right(), spin->width() - 1);
    EXPECT_GE(arrows.left(), spin->width() - 20);
    EXPECT_GE(spin->textMargins().right(), 14);
    EXPECT_GE(spin->height(), 22);
}

TEST_F(SpinEditTest, LeavingOutOfRangeClampsBeepsAndTakesTheFocusBack)
{
    Range(1800, 2099, 1985);
    QSignalSpy exits(spin, &TNumEdit::OnExit);
    TypeAndLeave(QStringLiteral("1700"));
    EXPECT_EQ(spin->Value(), 1800);
    EXPECT_EQ(recorded.platform.beeps, 1);
    EXPECT_TRUE(spin->hasFocus());
    EXPECT_EQ(exits.count(), 0);
}

TEST_F(SpinEditTest, OnInvalidEntryReplacesTheReaction)
{
    Range(1800, 2099, 1985);
    QSignalSpy invalid(spin, &TNumEdit::OnInvalidEntry);
    TypeAndLeave(QStringLiteral("2500"));
    EXPECT_EQ(invalid.count(), 1);
    EXPECT_EQ(spin->Value(), 2500);
    EXPECT_EQ(recorded.platform.beeps, 0);
}

TEST_F(SpinEditTest, WithoutRangeAnyValueIsAcceptedOnExit)
{
    spin->setDecimals(1);
    QSignalSpy exits(spin, &TNumEdit::OnExit);
    TypeAndLeave(QStringLiteral("123456"));
    EXPECT_EQ(spin->Value(), 123456);
    EXPECT_EQ(exits.count(), 1);
}

struct SnapOnExitCase {
    int decimals;
    double increment;
    const char* typed;
    const char* shown;
    bool snapTyped = true;  // off: only what the arrows step is snapped (RoundValues)
    const char* afterUp = nullptr;
};

class SpinSnapOnExitTest : public SpinEditTest, public testing::WithParamInterface<SnapOnExitCase> {};

TEST_P(SpinSnapOnExitTest, ABoxWithoutRangeSnapsWhenLeft)
{
    const SnapOnExitCase& c = GetParam();
    spin->setDecimals(c.decimals);
    spin->setIncrement(c.increment);
    spin->setSnapTyped(c.snapTyped);
    spin->setRoundValues(!c.snapTyped);
    TypeAndLeave(QString::fromLatin1(c.typed));
    EXPECT_EQ(spin->text(), QString::fromLatin1(c.shown));
    if (c.afterUp) {
        spin->StepUp();
        EXPECT_EQ(spin->text(), QString::fromLatin1(c.afterUp));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SpinSnapOnExitTest,
                         testing::Values(SnapOnExitCase{kAutoDecimals, 5, "237", "235"},
                                         SnapOnExitCase{kAutoDecimals, 5, "238", "240"},
                                         SnapOnExitCase{1, 1, "150.5", "150.0"},
                                         SnapOnExitCase{1, 1, "151.5", "152.0"},
                                         SnapOnExitCase{kAutoDecimals, 5, "278", "278", false, "285"},
                                         SnapOnExitCase{1, 1, "150.5", "150.5", false, "152.0"}));

TEST_F(SpinEditTest, ABoxWithRangeKeepsItsValueWithoutRoundValues)
{
    Range(0, 1000, 0, 1);
    TypeAndLeave(QStringLiteral("150.5"));
    EXPECT_EQ(spin->text(), QStringLiteral("150.5"));
}

TEST_F(SpinEditTest, WritingTheShownValueRaisesNoChange)
{
    Range(0, 359, 45);
    QSignalSpy changes(spin, &TNumEdit::OnChange);
    spin->setValue(45);
    EXPECT_EQ(changes.count(), 0);
    spin->setValue(46);
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(SpinEditTest, UpAndDownKeysStepAndReleaseEndsTheRun)
{
    Range(0, 59, 58);
    spin->setWrap(true);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 59);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 0);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 59);
    EXPECT_EQ(spin->CurrentStep(), 1);
}

TEST_F(SpinEditTest, ArrowClicksStepAndStopAtTheBoundWithABeep)
{
    Range(0, 359, 358);
    recorded.platform.now = 10000;
    QTest::mouseClick(spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 359);
    recorded.platform.now += 1000;
    QTest::mouseClick(spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 359);
    EXPECT_EQ(recorded.platform.beeps, 1);
    EXPECT_TRUE(spin->hasFocus());  // the arrows hand the focus to the edit
}

TEST_F(SpinEditTest, WithTheEditorDisabledTypingBeepsButArrowsStep)
{
    Range(0, 100, 5);
    spin->setEditorEnabled(false);
    spin->setFocus();
    QTest::keyClicks(spin, QStringLiteral("7"));
    EXPECT_EQ(spin->Value(), 5);
    EXPECT_EQ(recorded.platform.beeps, 1);
    QApplication::clipboard()->setText(QStringLiteral("42"));
    spin->selectAll();
    spin->PasteFromClipboard();
    EXPECT_EQ(spin->Value(), 5);
    QTest::mouseClick(spin->Button()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 4);
}

TEST_F(SpinEditTest, AReadOnlyBoxBeepsOnEveryKeyAndArrow)
{
    Range(0, 100, 5);
    spin->setReadOnly(true);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    QTest::keyClick(spin, Qt::Key_7);
    QTest::mouseClick(spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 5);
    EXPECT_EQ(recorded.platform.beeps, 3);
}

TEST_F(SpinEditTest, IncrementLargerThanTheRangeIsIgnored)
{
    Range(0, 359, 0);
    spin->setIncrement(400);
    EXPECT_EQ(spin->Increment(), 1);
}

TEST_F(SpinEditTest, DecimalsAndBoundsSetters)
{
    spin->setValue(2.5);
    spin->setDecimals(20);
    EXPECT_EQ(spin->Decimals(), 14);
    spin->setDecimals(-7);
    EXPECT_EQ(spin->Decimals(), kAutoDecimals);
    EXPECT_EQ(spin->text(), QStringLiteral("2.5"));
    spin->setDecimals(0);
    EXPECT_EQ(spin->text(), QStringLiteral("3"));  // halves away from zero

    spin->setMinValue(10);  // above the maximum 0: ignored
    EXPECT_EQ(spin->MinValue(), 0);
    spin->setMaxValue(2099);
    spin->setMinValue(1800);
    EXPECT_EQ(spin->MinValue(), 1800);
    spin->setMaxValue(1000);  // below the minimum: ignored
    EXPECT_EQ(spin->MaxValue(), 2099);
}

TEST_F(SpinEditTest, TypedKeysFollowTheNumberRules)
{
    Range(0, 100, 0, 1);
    spin->setFocus();
    spin->setCursorPosition(0);
    QTest::keyClicks(spin, QStringLiteral("5x"));
    EXPECT_EQ(spin->text(), QStringLiteral("5.0"));
    EXPECT_EQ(recorded.platform.beeps, 1);
    QTest::keyClick(spin, Qt::Key_Return);  // no default button: dropped with a beep
    EXPECT_EQ(recorded.platform.beeps, 2);
}

TEST_F(SpinEditTest, ThousandsRegroupWhenTheKeyIsReleased)
{
    spin->setNumberFormat(TNumberFormat::Thousands);
    spin->setFocus();
    spin->setText(QStringLiteral("123"));
    spin->setCursorPosition(3);
    QTest::keyClick(spin, Qt::Key_4);
    EXPECT_EQ(spin->text(), QStringLiteral("1,234"));
    EXPECT_EQ(spin->cursorPosition(), 5);
}

TEST_F(SpinEditTest, CopyPutsTheCleanedNumberOnTheClipboard)
{
    spin->setNumberFormat(TNumberFormat::Thousands);
    spin->setDecimals(1);
    spin->setValue(1234.5);
    spin->selectAll();
    spin->CopyToClipboard();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1234.5"));
}

TEST_F(SpinEditTest, HoldingAnArrowRepeats)
{
    Range(0, 359, 0);
    auto* up = spin->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(650);  // repeats at 400, 500 and 600 ms
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_GE(spin->Value(), 3);
    EXPECT_LE(spin->Value(), 5);
}

TEST_F(SpinEditTest, AMenuOrAnotherWindowTakingTheFocusIsNoExit)
{
    Range(1800, 2099, 1985);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("1700"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(spin, &popup);
    EXPECT_EQ(spin->text(), QStringLiteral("1700"));
    EXPECT_EQ(recorded.platform.beeps, 0);
}

TEST_F(SpinEditTest, TheContextMenuPastesThroughTheRules)
{
    Range(0, 1000, 0, 1);
    QApplication::clipboard()->setText(QStringLiteral("4x2"));
    spin->setFocus();
    spin->selectAll();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), spin->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(spin, &request);
    auto* menu = spin->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("edit-paste"))
            paste = action;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(spin->text(), QStringLiteral("42.0"));
    EXPECT_EQ(recorded.platform.beeps, 1);
}

TEST_F(SpinEditTest, TheHeightNeverFallsBelowTheFontsMinimum)
{
    const int f = QFontMetrics(spin->font()).height();
    const int system = QFontMetrics(QApplication::font()).height();
    const int minimum = f + std::min(system, f) / 4 + 4 + 2;
    spin->resize(60, 5);
    EXPECT_EQ(spin->height(), minimum);
    spin->resize(60, minimum + 8);
    EXPECT_EQ(spin->height(), minimum + 8);
}

TEST_F(SpinEditTest, TheArrowPairFillsTheHeightAndTheDownArrowOverlapsByOnePixel)
{
    spin->resize(60, 30);
    const QRect pair = spin->Button()->geometry();
    EXPECT_EQ(pair, QRect(60 - 2 - 15, 2, 15, 30 - 2 * 2 - 1));
    const QRect up = spin->Button()->UpButton()->geometry();
    const QRect down = spin->Button()->DownButton()->geometry();
    EXPECT_EQ(up, QRect(0, 0, 15, pair.height() / 2));
    EXPECT_EQ(down.top(), up.bottom());
    EXPECT_EQ(down.bottom(), pair.height() - 1);
}

struct StrayKeyCase {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

class SpinStrayKeyTest : public SpinEditTest, public testing::WithParamInterface<StrayKeyCase> {};

TEST_P(SpinStrayKeyTest, NeverReachesTheText)
{
    Range(0, 9999, 12.5, 1);
    spin->setFocus();
    spin->setCursorPosition(1);
    Press(GetParam().key, GetParam().modifiers, QString::fromLatin1(GetParam().text));
    EXPECT_EQ(spin->text(), QStringLiteral("12.5")) << GetParam().what;
    EXPECT_EQ(recorded.platform.beeps, 1) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinStrayKeyTest,
    testing::Values(StrayKeyCase{"Alt+X", Qt::Key_X, Qt::AltModifier, "x"},
                    StrayKeyCase{"Ctrl+Alt+X", Qt::Key_X, Qt::ControlModifier | Qt::AltModifier, "x"},
                    StrayKeyCase{"Ctrl+K", Qt::Key_K, Qt::ControlModifier, "\x0b"},
                    StrayKeyCase{"Ctrl+U", Qt::Key_U, Qt::ControlModifier, "\x15"},
                    StrayKeyCase{"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, "\x1a"}));

struct DeletionCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    int caret;
    const char* result;
};

class SpinDeletionTest : public SpinEditTest, public testing::WithParamInterface<DeletionCase> {};

TEST_P(SpinDeletionTest, BackspaceAndDeleteFollowTheRulesWhateverTheModifier)
{
    Range(0, 9999, 12.5, 1);
    spin->setFocus();
    spin->setCursorPosition(GetParam().caret);
    Press(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(spin->text(), QString::fromLatin1(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Table, SpinDeletionTest,
                         testing::Values(DeletionCase{Qt::Key_Backspace, Qt::ShiftModifier, 2, "1.5"},
                                         DeletionCase{Qt::Key_Backspace, Qt::ControlModifier, 2, "1.5"},
                                         DeletionCase{Qt::Key_Delete, Qt::KeypadModifier, 0, "2.5"},
                                         DeletionCase{Qt::Key_Delete, Qt::ControlModifier, 0, "2.5"},
                                         DeletionCase{Qt::Key_Delete, Qt::ShiftModifier, 0, "2.5"}));

TEST_F(SpinEditTest, AMiddleClickPastesTheSelectionThroughTheRules)
{
    Range(0, 9999, 12.5, 1);
    spin->setFocus();
    recorded.platform.selection = QStringLiteral("abc7");
    QTest::mouseClick(spin, Qt::MiddleButton, {}, QPoint(3, spin->height() / 2));
    EXPECT_EQ(spin->text(), QStringLiteral("712.5"));
    EXPECT_EQ(recorded.platform.beeps, 3);
}

TEST_F(SpinEditTest, WithTheEditorDisabledAMiddleClickPastesNothing)
{
    Range(0, 9999, 12.5, 1);
    spin->setEditorEnabled(false);
    recorded.platform.selection = QStringLiteral("7");
    QTest::mouseClick(spin, Qt::MiddleButton, {}, QPoint(3, spin->height() / 2));
    EXPECT_EQ(spin->text(), QStringLiteral("12.5"));
}

TEST_F(SpinEditTest, AutoRepeatedReleasesKeepARapidRunGoingARealReleaseEndsIt)
{
    Range(0, 359, 0);
    spin->setFocus();
    recorded.platform.now = 10000;
    constexpr int kPresses = 20;
    for (int k = 0; k < kPresses; ++k) {
        recorded.platform.now += 30;
        Press(Qt::Key_Up, Qt::NoModifier, QString(), k > 0);
        if (k + 1 < kPresses)
            Release(Qt::Key_Up, true);  // X11 sends one with every repeat
    }
    EXPECT_GT(spin->Value(), 2 * kPresses);
    EXPECT_GT(spin->CurrentStep(), 1);
    Release(Qt::Key_Up, false);
    EXPECT_EQ(spin->CurrentStep(), 1);
}

TEST_F(SpinEditTest, AnUnflaggedReleaseSharingItsTimeWithTheNextPressIsARepeat)
{
    Range(0, 359, 0);
    spin->setFocus();
    recorded.platform.now = 10000;
    quint64 serverTime = 5000;
    Press(Qt::Key_Up, Qt::NoModifier, QString(), false, serverTime);
    for (int k = 0; k < 20; ++k) {
        recorded.platform.now += 30;
        serverTime += 30;
        Release(Qt::Key_Up, false, serverTime);  // as X11 sends it, not recognised by Qt
        Press(Qt::Key_Up, Qt::NoModifier, QString(), false, serverTime);
    }
    ASSERT_GT(spin->CurrentStep(), 1);
    const double before = spin->Value();
    recorded.platform.now += 30;
    Release(Qt::Key_Up, false, serverTime + 10);  // a real release: the next press has another time
    Press(Qt::Key_Up, Qt::NoModifier, QString(), false, serverTime + 40);
    EXPECT_EQ(spin->Value(), before + 1);
}

TEST_F(SpinEditTest, AHeldArrowStopsRepeatingBeforeAnUnreadableTextIsReported)
{
    Range(0, 359, 5);
    auto* up = spin->Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    ASSERT_TRUE(up->Repeating());
    spin->setText(QStringLiteral("1x5"));
    bool repeatingWhenReported = true;
    recorded.platform.onException = [&] { repeatingWhenReported = up->Repeating(); };
    spin->StepUp(true);
    EXPECT_FALSE(repeatingWhenReported);
    EXPECT_EQ(recorded.platform.exceptions,
              QStringList{QStringLiteral("'1x5' is not a valid floating point value")});
    EXPECT_EQ(spin->text(), QStringLiteral("1x5"));  // not 0 + 1
    QTest::mouseRelease(up, Qt::LeftButton);
}

TEST_F(SpinEditTest, AnUnreadableTextStopsLeavingAndTheSetters)
{
    Range(1800, 2099, 1985);
    spin->setFocus();
    spin->setText(QStringLiteral("19x"));
    QSignalSpy exits(spin, &TNumEdit::OnExit);
    other->setFocus();
    QApplication::processEvents();
    spin->setDecimals(2);
    EXPECT_EQ(spin->Decimals(), 0);
    EXPECT_EQ(spin->text(), QStringLiteral("19x"));
    EXPECT_EQ(exits.count(), 0);
    EXPECT_EQ(recorded.platform.exceptions.size(), 2);
}

TEST_F(SpinEditTest, ARefusedStepStillEndsOnTheGrid)
{
    Range(0, 10, 9.5, 1);
    spin->setIncrement(3);
    spin->setRoundValues(true);
    spin->setText(QStringLiteral("9.5"));
    spin->StepUp();
    EXPECT_EQ(spin->text(), QStringLiteral("9.0"));
    EXPECT_EQ(recorded.platform.beeps, 1);
}

TEST_F(SpinEditTest, SettingTheIncrementSnapsWhenRoundValuesIsOn)
{
    Range(0, 100, 7);
    spin->setRoundValues(true);
    spin->setIncrement(5);
    EXPECT_EQ(spin->text(), QStringLiteral("5"));
    spin->setIncrement(0);  // ignored: no step of nothing
    EXPECT_EQ(spin->Increment(), 5);
    spin->setText(QStringLiteral("12"));
    QSignalSpy changes(spin, &TNumEdit::OnChange);
    spin->StepUp();
    EXPECT_EQ(spin->text(), QStringLiteral("15"));
    EXPECT_EQ(changes.count(), 1);  // straight onto the grid
}

TEST_F(SpinEditTest, DecimalsLeaveRoomForTheIntegerDigitAndThePoint)
{
    spin->setMaxLength(6);
    spin->setDecimals(9);
    EXPECT_EQ(spin->Decimals(), 4);
    EXPECT_EQ(spin->text(), QStringLiteral("0.0000"));
}
