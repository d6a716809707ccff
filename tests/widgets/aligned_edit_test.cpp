#include "widgets/numeric/aligned_edit.h"

#include "support/recording_platform.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace tk = toolkit;
using Align = TAlignedEdit::TAlignment;

class AlignedEditTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    QWidget window;
    TAlignedEdit* edit = new TAlignedEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    void SetUp() override
    {
        edit->setGeometry(10, 10, 100, 24);
        other->setGeometry(10, 40, 100, 24);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        other->setFocus();
    }
};

TEST_F(AlignedEditTest, StartsLeftAlignedEmptyAndWhite)
{
    EXPECT_EQ(edit->Alignment(), Align::taLeftJustify);
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(edit->ShownColor(), tk::clWindow);
    EXPECT_EQ(edit->DisabledColor(), tk::clBtnFace);
    EXPECT_EQ(edit->Version(), QStringLiteral("8.00.00.00"));
    EXPECT_TRUE(edit->AutoSelect());
}

TEST_F(AlignedEditTest, ChangingTheAlignmentKeepsTheSelection)
{
    edit->setText(QStringLiteral("123.45"));
    edit->setSelection(1, 3);
    for (Align a : {Align::taRightJustify, Align::taCenter, Align::taCenter, Align::taLeftJustify}) {
        edit->setAlignment(a);
        EXPECT_EQ(edit->Alignment(), a);
        EXPECT_EQ(edit->selectionStart(), 1);
        EXPECT_EQ(edit->selectionLength(), 3);
    }
    edit->setAlignment(Align::taRightJustify);
    EXPECT_TRUE(edit->QLineEdit::alignment() & Qt::AlignRight);
}

TEST_F(AlignedEditTest, ShowsTheColourOfItsState)
{
    edit->setColor(tk::clYellow);
    edit->setDisabledColor(tk::clSilver);
    EXPECT_EQ(edit->ShownColor(), tk::clYellow);
    edit->setEnabled(false);
    EXPECT_EQ(edit->ShownColor(), tk::clSilver);
    edit->setColor(tk::clRed);  // invisible until enabled
    EXPECT_EQ(edit->ShownColor(), tk::clSilver);
    edit->setEnabled(true);
    EXPECT_EQ(edit->ShownColor(), tk::clRed);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(AlignedEditTest, ParentColorFollowsTheParentUntilAColourIsSet)
{
    QPalette p = window.palette();
    p.setColor(window.backgroundRole(), QColor(57, 64, 94));
    window.setPalette(p);
    edit->setParentColor(true);
    EXPECT_EQ(edit->ShownColor(), tk::RGB(57, 64, 94));

    p.setColor(window.backgroundRole(), QColor(0, 128, 192));
    window.setPalette(p);
    EXPECT_EQ(edit->ShownColor(), tk::RGB(0, 128, 192));

    edit->setColor(tk::clWhite);
    EXPECT_FALSE(edit->ParentColor());
}

TEST_F(AlignedEditTest, TheFocusingClickSelectsAllAndTheNextPlacesTheCaret)
{
    edit->setText(QStringLiteral("12345"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("12345"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(AlignedEditTest, WithoutAutoSelectTheClickPlacesTheCaret)
{
    edit->setAutoSelect(false);
    edit->setText(QStringLiteral("12345"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(AlignedEditTest, AKeyAfterTheFocusingClickEndsClickSelect)
{
    edit->setText(QStringLiteral("12345"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_F(AlignedEditTest, ClickIsASignal)
{
    QSignalSpy clicks(edit, &TAlignedEdit::OnClick);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(30, 12));
    QTest::mouseClick(edit, Qt::RightButton, {}, QPoint(30, 12));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(AlignedEditTest, EnterAndEscapeAreDroppedWithABeep)
{
    edit->setFocus();
    edit->setText(QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(recorded.platform.beeps, 3);
    QTest::keyClick(edit, Qt::Key_D);
    EXPECT_EQ(edit->text(), QStringLiteral("abcd"));
    EXPECT_EQ(recorded.platform.beeps, 3);
}

TEST(AlignedEditDialog, EnterPressesTheDefaultButtonWithoutABeep)
{
    RecordedPlatform recorded;
    QDialog dialog;
    auto* edit = new TAlignedEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->move(0, 40);
    ok->setDefault(true);
    QSignalSpy pressed(ok, &QPushButton::clicked);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(recorded.platform.beeps, 0);
}
