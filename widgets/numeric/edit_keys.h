#pragma once
// What a guarded edit box does with a key press, decided from the key, its
// modifiers and its text alone. Every key of a guarded box passes this one
// gate, so no stock line-edit binding (Alt+key, Ctrl+K, Ctrl+U, undo …)
// can change the text behind the keystroke rules.

#include <QString>
#include <Qt>

enum class EditKeyAction {
    Character,  // printable text without Ctrl, Alt or Meta: for the keystroke rules
    Backspace,  // Backspace, whatever the modifiers
    Delete,     // Delete or keypad Delete, whatever the modifiers
    Copy,       // Ctrl+C, Ctrl+Insert
    Cut,        // Ctrl+X
    Paste,      // Ctrl+V, Shift+Insert
    DialogKey,  // Enter, Return, Escape: the window's default and cancel buttons
    Navigate,   // caret and selection moves: Left, Right, Home, End with Shift
                // and Ctrl, and Ctrl+A
    Pass,       // no text and no command (Tab, modifiers alone, function keys):
                // left to the window
    Refuse,     // anything else that would reach the text: dropped with a beep
};

EditKeyAction ClassifyEditKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// Whether a key on a value field opens the field's entry dialog: Enter,
// Space, F2, Alt+Down, or a digit or a minus, which then goes on in the
// dialog's first box. (A field inside a dialog leaves Enter to the dialog.)
bool OpensEntryDialog(int key, Qt::KeyboardModifiers modifiers, const QString& text);
