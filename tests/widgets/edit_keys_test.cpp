#include "widgets/numeric/edit_keys.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kNone = Qt::NoModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kKeypad = Qt::KeypadModifier;

}  // namespace

struct GateCase {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    EditKeyAction action;
};

class EditKeyGateTest : public testing::TestWithParam<GateCase> {};

TEST_P(EditKeyGateTest, SendsEachKeyToOneOperation)
{
    const GateCase& c = GetParam();
    EXPECT_EQ(ClassifyEditKey(c.key, c.modifiers, QString::fromLatin1(c.text)), c.action) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditKeyGateTest,
    testing::Values(
        GateCase{"digit", Qt::Key_5, kNone, "5", EditKeyAction::Character},
        GateCase{"keypad digit", Qt::Key_5, kKeypad, "5", EditKeyAction::Character},
        GateCase{"shifted letter", Qt::Key_E, kShift, "E", EditKeyAction::Character},
        GateCase{"Alt+X", Qt::Key_X, kAlt, "x", EditKeyAction::Refuse},
        GateCase{"Ctrl+Alt+X", Qt::Key_X, kCtrl | kAlt, "x", EditKeyAction::Refuse},
        GateCase{"Meta+5", Qt::Key_5, Qt::MetaModifier, "5", EditKeyAction::Refuse},
        GateCase{"Ctrl+K", Qt::Key_K, kCtrl, "\x0b", EditKeyAction::Refuse},
        GateCase{"Ctrl+U", Qt::Key_U, kCtrl, "\x15", EditKeyAction::Refuse},
        GateCase{"Ctrl+Z", Qt::Key_Z, kCtrl, "\x1a", EditKeyAction::Refuse},
        GateCase{"Ctrl+D without text", Qt::Key_D, kCtrl, "", EditKeyAction::Refuse},
        GateCase{"Alt+Left", Qt::Key_Left, kAlt, "", EditKeyAction::Refuse},
        GateCase{"Ctrl+C", Qt::Key_C, kCtrl, "\x03", EditKeyAction::Copy},
        GateCase{"Ctrl+Insert", Qt::Key_Insert, kCtrl, "", EditKeyAction::Copy},
        GateCase{"Ctrl+X", Qt::Key_X, kCtrl, "\x18", EditKeyAction::Cut},
        GateCase{"Ctrl+V", Qt::Key_V, kCtrl, "\x16", EditKeyAction::Paste},
        GateCase{"Shift+Insert", Qt::Key_Insert, kShift, "", EditKeyAction::Paste},
        GateCase{"Shift+Backspace", Qt::Key_Backspace, kShift, "\b", EditKeyAction::Backspace},
        GateCase{"Ctrl+Backspace", Qt::Key_Backspace, kCtrl, "", EditKeyAction::Backspace},
        GateCase{"keypad Delete", Qt::Key_Delete, kKeypad, "\x7f", EditKeyAction::Delete},
        GateCase{"Ctrl+Delete", Qt::Key_Delete, kCtrl, "", EditKeyAction::Delete},
        GateCase{"Shift+Delete", Qt::Key_Delete, kShift, "", EditKeyAction::Delete},
        GateCase{"Shift+Ctrl+Left", Qt::Key_Left, kShift | kCtrl, "", EditKeyAction::Navigate},
        GateCase{"keypad End", Qt::Key_End, kKeypad, "", EditKeyAction::Navigate},
        GateCase{"Ctrl+A", Qt::Key_A, kCtrl, "\x01", EditKeyAction::Navigate},
        GateCase{"Escape", Qt::Key_Escape, kNone, "\x1b", EditKeyAction::DialogKey},
        GateCase{"keypad Enter", Qt::Key_Enter, kKeypad, "\r", EditKeyAction::DialogKey},
        GateCase{"Tab", Qt::Key_Tab, kNone, "\t", EditKeyAction::Pass},
        GateCase{"Shift alone", Qt::Key_Shift, kShift, "", EditKeyAction::Pass},
        GateCase{"Alt alone", Qt::Key_Alt, kAlt, "", EditKeyAction::Pass},
        GateCase{"F1", Qt::Key_F1, kNone, "", EditKeyAction::Pass}));

struct OpenCase {
    const char* what;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool opens;
};

class OpensEntryDialogTest : public testing::TestWithParam<OpenCase> {};

TEST_P(OpensEntryDialogTest, OnlyTheKeysThatMeanEnterAValue)
{
    const OpenCase& c = GetParam();
    EXPECT_EQ(OpensEntryDialog(c.key, c.modifiers, QString::fromLatin1(c.text)), c.opens) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpensEntryDialogTest,
    testing::Values(OpenCase{"Enter", Qt::Key_Return, kNone, "\r", true},
                    OpenCase{"keypad Enter", Qt::Key_Enter, kKeypad, "\r", true},
                    OpenCase{"Space", Qt::Key_Space, kNone, " ", true},
                    OpenCase{"F2", Qt::Key_F2, kNone, "", true},
                    OpenCase{"Alt+Down", Qt::Key_Down, kAlt, "", true},
                    OpenCase{"Down alone moves on", Qt::Key_Down, kNone, "", false},
                    OpenCase{"keypad digit", Qt::Key_7, kKeypad, "7", true},
                    OpenCase{"minus", Qt::Key_Minus, kNone, "-", true},
                    OpenCase{"a letter", Qt::Key_A, kNone, "a", false},
                    OpenCase{"a shifted digit's sign", Qt::Key_Exclam, kShift, "!", false},
                    OpenCase{"Alt+digit", Qt::Key_1, kAlt, "1", false},
                    OpenCase{"Ctrl+Enter", Qt::Key_Return, kCtrl, "\r", false},
                    OpenCase{"Tab", Qt::Key_Tab, kNone, "\t", false}));
