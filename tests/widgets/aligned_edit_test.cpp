#include "widgets/numeric/aligned_edit.h"

#include "support/recording_platform.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QMouseEvent>
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

// The click-select rules hold for the aligned edit and the number boxes alike.
using MakeEdit = TAlignedEdit* (*)(QWidget*);

class ClickSelectTest : public testing::TestWithParam<MakeEdit> {
protected:
    RecordedPlatform recorded;
    QWidget window;
    TAlignedEdit* edit = GetParam()(&window);
    QLineEdit* other = new QLineEdit(&window);
    const QPoint inside{30, 12};

    void SetUp() override
    {
        edit->setGeometry(10, 10, 100, 24);
        edit->setText(QStringLiteral("12345"));
        other->setGeometry(10, 40, 100, 24);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        other->setFocus();
    }
};

TEST_P(ClickSelectTest, TheFocusingClickSelectsAllAndTheNextPlacesTheCaret)
{
    QTest::mouseClick(edit, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("12345"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(edit->hasSelectedText());
}

TEST_P(ClickSelectTest, WithoutAutoSelectTheClickPlacesTheCaret)
{
    edit->setAutoSelect(false);
    QTest::mouseClick(edit, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(edit->hasSelectedText());
}

// Hands the focus to the box during its own left press, as a buddy does.
class FocusPasser : public QWidget {
public:
    FocusPasser(QWidget* parent, QWidget* target)
        : QWidget(parent)
        , target_(target)
    {
    }

protected:
    void mousePressEvent(QMouseEvent*) override { target_->setFocus(Qt::MouseFocusReason); }

private:
    QWidget* target_;
};

TEST_P(ClickSelectTest, FocusBroughtByALeftPressArmsTheNextClickUnlessAKeyCameFirst)
{
    auto* passer = new FocusPasser(&window, edit);
    passer->setGeometry(120, 10, 20, 20);
    passer->show();
    for (const bool keyFirst : {false, true}) {
        other->setFocus();
        QTest::mouseClick(passer, Qt::LeftButton);
        ASSERT_TRUE(edit->hasFocus());
        edit->setCursorPosition(0);
        if (keyFirst)
            QTest::keyClick(edit, Qt::Key_End);
        QTest::mouseClick(edit, Qt::LeftButton, {}, inside);
        EXPECT_EQ(edit->hasSelectedText(), !keyFirst) << "key first: " << keyFirst;
    }
}

TEST_P(ClickSelectTest, AfterARightClickGaveTheFocusALeftClickPlacesTheCaret)
{
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QTest::mouseClick(edit, Qt::RightButton, {}, inside);
    ASSERT_TRUE(edit->hasFocus());
    QTest::mouseClick(edit, Qt::LeftButton, {}, inside);
    EXPECT_FALSE(edit->hasSelectedText());
}

INSTANTIATE_TEST_SUITE_P(Classes, ClickSelectTest,
                         testing::Values([](QWidget* w) -> TAlignedEdit* { return new TAlignedEdit(w); },
                                         [](QWidget* w) -> TAlignedEdit* { return new TNumEdit(w); },
                                         [](QWidget* w) -> TAlignedEdit* { return new TSpinNumEdit(w); }));

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

// A value field filled through its dialog: nothing typed, pasted, cut or
// middle-clicked reaches the text; the caret, the selection and copy work.

class DialogEntryTest : public AlignedEditTest {
protected:
    void SetUp() override
    {
        AlignedEditTest::SetUp();
        edit->setDialogEntry(true);
        edit->setText(QStringLiteral(" 12\u00B0 30'  0\""));
        edit->setFocus();
        edit->setCursorPosition(3);
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString())
    {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(edit, &event);
    }
};

TEST_F(DialogEntryTest, KeysThatWouldChangeTheTextBeep)
{
    const QString before = edit->text();
    QApplication::clipboard()->setText(QStringLiteral("45"));
    Press(Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Delete, Qt::KeypadModifier);
    Press(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    Press(Qt::Key_Insert, Qt::ShiftModifier);
    Press(Qt::Key_K, Qt::ControlModifier, QStringLiteral("\x0b"));
    edit->selectAll();
    Press(Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"));
    EXPECT_EQ(edit->text(), before);
    EXPECT_EQ(recorded.platform.beeps, 7);
}

TEST_F(DialogEntryTest, CaretSelectionAndCopyStay)
{
    Press(Qt::Key_Home);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    Press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit->selectedText(), QStringLiteral(" 12"));
    Press(Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" 12"));
    EXPECT_EQ(recorded.platform.beeps, 0);
}

TEST_F(DialogEntryTest, AMiddleClickPastesNothing)
{
    recorded.platform.selection = QStringLiteral("45");
    const QString before = edit->text();
    QTest::mouseClick(edit, Qt::MiddleButton, {}, QPoint(30, 12));
    EXPECT_EQ(edit->text(), before);
    EXPECT_EQ(recorded.platform.beeps, 1);
}

TEST_F(DialogEntryTest, TheMenuOffersOnlyCopyAndSelectAll)
{
    edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("45"));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &request);
    auto* menu = edit->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QStringList enabled;
    for (const QAction* action : menu->actions())
        if (action->isEnabled() && !action->isSeparator())
            enabled << action->objectName();
    menu->close();
    EXPECT_EQ(enabled, (QStringList{QStringLiteral("edit-copy"), QStringLiteral("select-all")}));
}

// A value field copies its value as a clean text and hands a pasted text
// that reads to its handler; anything else, and a middle click, beeps.

using Kind = TAlignedEdit::TValueKind;

struct ValueCase {
    Kind kind;
    int lowest;
    int highest;
    const char* shown;
    const char* copied;  // nullptr: the clipboard keeps what it had
    const char* pasted;
    bool takes;
};

class ValueFieldTest : public DialogEntryTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(ValueFieldTest, CopiesItsValueAndHandsOnAPasteThatReads)
{
    const ValueCase& c = GetParam();
    edit->setValueKind(c.kind);
    edit->setValueRange(c.lowest, c.highest);
    edit->setText(QString::fromUtf8(c.shown));
    QStringList handed;
    QObject::connect(edit, &TAlignedEdit::OnClick, edit, [&] { handed << edit->TakePastedText(); });
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.copied ? c.copied : "before")) << c.shown;

    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    recorded.platform.selection = QString::fromUtf8(c.pasted);
    QTest::mouseClick(edit, Qt::MiddleButton, {}, QPoint(30, 12));
    EXPECT_EQ(handed, c.takes ? QStringList{QString::fromUtf8(c.pasted)} : QStringList()) << c.pasted;
    EXPECT_EQ(recorded.platform.beeps, c.takes ? 1 : 2) << c.pasted;
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
    EXPECT_TRUE(edit->TakePastedText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueFieldTest,
    testing::Values(ValueCase{Kind::vkAngle, 0, 359, " 94\u00B0 44'  0\"", "094\u00B0 44' 00\"", "94 44", true},
                    ValueCase{Kind::vkAngle, -90, 90, "-  2\u00B0 16'  0\"", "-2\u00B0 16' 00\"", "\u22122 16", true},
                    ValueCase{Kind::vkAngle, -180, 0, " 30\u00B0 15'  0\"", "-30\u00B0 15' 00\"", "30,25", true},
                    ValueCase{Kind::vkAngle, 0, 359, "", nullptr, "360", false},
                    ValueCase{Kind::vkSpeed, 0, 50, "  6.5", "6,5", "6.5", true},
                    ValueCase{Kind::vkSpeed, 0, 50, "  6,5", "6,5", "51", false},
                    ValueCase{Kind::vkFigure, 0, 0, " 12,3 ", "12,3", "12", false}));

TEST_F(DialogEntryTest, AValueFieldsMenuOffersCopyAndAPasteThatReads)
{
    edit->setValueKind(Kind::vkAngle);
    edit->setValueRange(0, 359);
    QObject::connect(edit, &TAlignedEdit::OnClick, edit, [] {});
    const auto offered = [this](const char* clipboard) {
        QApplication::clipboard()->setText(QString::fromUtf8(clipboard));
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &request);
        auto* menu = edit->findChild<QMenu*>();
        QStringList enabled;
        for (const QAction* action : menu->actions())
            enabled << action->objectName() + (action->isEnabled() ? QString() : QStringLiteral(" off"));
        delete menu;
        return enabled;
    };
    EXPECT_EQ(offered("94 44"), (QStringList{QStringLiteral("edit-copy"), QStringLiteral("edit-paste")}));
    EXPECT_EQ(offered("north"), (QStringList{QStringLiteral("edit-copy"), QStringLiteral("edit-paste off")}));
}

TEST_F(AlignedEditTest, AReadOnlyResultCopiesItsValueAndRefusesAPaste)
{
    edit->setReadOnly(true);
    edit->setValueKind(Kind::vkAngle);
    edit->setValueRange(0, 359);
    edit->setText(QString::fromUtf8("  5\u00B0  0'  0\""));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("005\u00B0 00' 00\""));
    QApplication::clipboard()->setText(QStringLiteral("10"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QString::fromUtf8("  5\u00B0  0'  0\""));
    EXPECT_EQ(recorded.platform.beeps, 1);
}

TEST_F(AlignedEditTest, AWrittenTextWiderThanTheBoxIsShownWhole)
{
    QFont font = edit->font();
    font.setPixelSize(13);
    edit->setFont(font);
    edit->setGeometry(10, 10, 76, 24);
    edit->setReadOnly(true);
    const QString wide = QString::fromUtf8("-150\u00B0 30' 30\"");
    edit->setText(wide);
    EXPECT_LT(edit->font().pixelSize(), 13);
    EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(wide), edit->contentsRect().width() - 4);
    edit->setText(QStringLiteral("5"));
    EXPECT_EQ(edit->font().pixelSize(), 13);  // back to the layout's font

    edit->setReadOnly(false);  // typed text keeps the box's font
    edit->setText(wide + wide);
    EXPECT_EQ(edit->font().pixelSize(), 13);
}
