#include "widgets/numeric/edit_keys.h"

#include <algorithm>

namespace {

// Where a key sits on the keyboard or which layout group is active says
// nothing about what the key does.
constexpr Qt::KeyboardModifiers kPlaceModifiers = Qt::KeypadModifier | Qt::GroupSwitchModifier;
constexpr Qt::KeyboardModifiers kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

bool IsCaretKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

}  // namespace

EditKeyAction ClassifyEditKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const Qt::KeyboardModifiers m = modifiers & ~kPlaceModifiers;
    const bool command = m & kCommandModifiers;

    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return EditKeyAction::DialogKey;
    case Qt::Key_Backspace:
        return EditKeyAction::Backspace;
    case Qt::Key_Delete:
        return EditKeyAction::Delete;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return EditKeyAction::Pass;
    default:
        break;
    }
    if (IsModifierKey(key))
        return EditKeyAction::Pass;

    if (m == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_C:
        case Qt::Key_Insert:
            return EditKeyAction::Copy;
        case Qt::Key_X:
            return EditKeyAction::Cut;
        case Qt::Key_V:
            return EditKeyAction::Paste;
        case Qt::Key_A:
            return EditKeyAction::Navigate;
        default:
            break;
        }
    }
    if (m == Qt::ShiftModifier && key == Qt::Key_Insert)
        return EditKeyAction::Paste;
    if (IsCaretKey(key) && (m & ~(Qt::ShiftModifier | Qt::ControlModifier)) == Qt::NoModifier)
        return EditKeyAction::Navigate;

    const bool printable =
        !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    if (printable && !command)
        return EditKeyAction::Character;
    if (!text.isEmpty() || command)
        return EditKeyAction::Refuse;
    return EditKeyAction::Pass;
}

bool OpensEntryDialog(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const Qt::KeyboardModifiers m = modifiers & ~kPlaceModifiers;
    if (key == Qt::Key_Down)
        return m == Qt::AltModifier;
    if (m & kCommandModifiers)
        return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_F2:
        return true;
    default:
        break;
    }
    return text.size() == 1 && ((text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) || text[0] == QLatin1Char('-'));
}
