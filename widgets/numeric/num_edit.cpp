#include "widgets/numeric/num_edit.h"

#include "toolkit/platform.h"
#include "toolkit/text_format.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QPointer>
#include <algorithm>

TNumEdit::TNumEdit(QWidget* parent)
    : TAlignedEdit(parent)
{
    setAlignment(TAlignment::taRightJustify);
    setAcceptDrops(false);  // dropped text would bypass the rules
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setText(FormatNumber(0.0, decimals_, format_));
    connect(this, &QLineEdit::textChanged, this, &TNumEdit::OnChange);
}

QString TNumEdit::Version() const
{
    return QStringLiteral("8.10.00.00");
}

NumEditModel TNumEdit::Model() const
{
    NumEditModel model(decimals_, format_);
    model.text = text();
    model.selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    model.selLength = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    return model;
}

void TNumEdit::Apply(const NumEditModel& model)
{
    if (model.text != text())
        setText(model.text);
    if (model.selLength > 0)
        setSelection(model.selStart, model.selLength);
    else
        setCursorPosition(model.selStart);
}

double TNumEdit::Value() const
{
    if (const auto value = ReadNumberText(text()))
        return *value;
    toolkit::platform().ShowException(const_cast<TNumEdit*>(this),
                                      toolkit::InvalidFloatMessage(CleanNumberText(text())));
    return 0.0;
}

void TNumEdit::setValue(double value)
{
    const QString formatted = FormatNumber(value, decimals_, format_);
    if (formatted != text())
        setText(formatted);
}

void TNumEdit::Reformat()
{
    setValue(Value());
}

void TNumEdit::setDecimals(int decimals)
{
    if (decimals == decimals_)
        return;
    decimals = std::clamp(decimals, kAutoDecimals, kMaxDecimals);
    const double value = Value();
    decimals_ = decimals;
    setValue(value);
}

void TNumEdit::setMaxValue(double value)
{
    if (value != maxValue_ && value >= minValue_)
        maxValue_ = value;
}

void TNumEdit::setMinValue(double value)
{
    if (value != minValue_ && value <= maxValue_)
        minValue_ = value;
}

void TNumEdit::setNumberFormat(TNumberFormat format)
{
    const double value = Value();
    format_ = format;
    setValue(value);
}

void TNumEdit::CopyToClipboard()
{
    if (hasSelectedText())
        QApplication::clipboard()->setText(Model().SelectionForClipboard());
}

void TNumEdit::CutToClipboard()
{
    if (isReadOnly())
        return;
    CopyToClipboard();
    NumEditModel model = Model();
    model.DeleteSelection();
    Apply(model);
}

void TNumEdit::PasteFromClipboard()
{
    if (isReadOnly())
        return;
    NumEditModel model = Model();
    const int refused = model.Paste(QApplication::clipboard()->text());
    Apply(model);
    for (int i = 0; i < refused; ++i)
        toolkit::platform().Beep();
}

void TNumEdit::ClearSelection()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TNumEdit::OnClear))) {
        emit OnClear();
        return;
    }
    if (isReadOnly())
        return;
    NumEditModel model = Model();
    model.DeleteSelection();
    Apply(model);
}

void TNumEdit::NumKeyPress(QKeyEvent* event)
{
    if (HandleDialogKey(event)) {
        KeyHandled();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
    } else if (event->matches(QKeySequence::Cut)) {
        CutToClipboard();
    } else if (event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // An undone edit would bypass the rules.
    } else if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
               && event->modifiers() == Qt::NoModifier) {
        if (!isReadOnly()) {
            NumEditModel model = Model();
            model.DeleteKey(event->key() == Qt::Key_Backspace);
            Apply(model);
        }
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint()
               && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (!isReadOnly()) {
            if (!CharactersAllowed()) {
                toolkit::platform().Beep();
            } else {
                for (const QChar c : event->text()) {
                    NumEditModel model = Model();
                    if (model.TypeChar(c))
                        Apply(model);
                    else
                        toolkit::platform().Beep();
                }
            }
        }
    } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        // Word deletion and the like would bypass the rules.
    } else {
        QLineEdit::keyPressEvent(event);  // caret movement and selection
    }
    event->accept();
    KeyHandled();
}

void TNumEdit::keyPressEvent(QKeyEvent* event)
{
    NumKeyPress(event);
}

void TNumEdit::NumKeyRelease(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (format_ != TNumberFormat::Thousands || hasSelectedText() || isReadOnly())
        return;
    NumEditModel model = Model();
    const int key = event->key();
    model.Regroup(key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
    Apply(model);
}

void TNumEdit::keyReleaseEvent(QKeyEvent* event)
{
    NumKeyRelease(event);
}

void TNumEdit::InvalidEntry()
{
    if (isSignalConnected(QMetaMethod::fromSignal(&TNumEdit::OnInvalidEntry))) {
        emit OnInvalidEntry();
        return;
    }
    const double value = Value();
    if (value < minValue_)
        setValue(minValue_);
    else if (value > maxValue_)
        setValue(maxValue_);
    toolkit::platform().Beep();
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible()) {
        // Taken back once the focus change that is under way has finished.
        QPointer<TNumEdit> self(this);
        QMetaObject::invokeMethod(
            this, [self] {
                if (self)
                    self->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
    }
}

void TNumEdit::focusOutEvent(QFocusEvent* event)
{
    TAlignedEdit::focusOutEvent(event);
    if (!EntersOrLeaves(event))
        return;
    BeforeExit();
    Reformat();
    const double value = Value();
    if (RangeActive() && (value < minValue_ || value > maxValue_)) {
        InvalidEntry();
        return;
    }
    emit OnExit();
}

void TNumEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's editing commands go through the same rules as the keys.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const struct {
        const char* name;
        QString text;
        QKeySequence keys;
        bool enabled;
        void (TNumEdit::*command)();
    } commands[] = {
        {"edit-cut", tr("Cu&t"), QKeySequence::Cut, editable && selected, &TNumEdit::CutToClipboard},
        {"edit-copy", tr("&Copy"), QKeySequence::Copy, selected, &TNumEdit::CopyToClipboard},
        {"edit-paste", tr("&Paste"), QKeySequence::Paste,
         editable && !QApplication::clipboard()->text().isEmpty(), &TNumEdit::PasteFromClipboard},
        {"edit-delete", tr("Delete"), QKeySequence(), editable && selected, &TNumEdit::ClearSelection},
    };
    for (const auto& c : commands) {
        QAction* action = menu->addAction(c.text, this, c.command);
        action->setObjectName(QString::fromLatin1(c.name));
        action->setShortcut(c.keys);
        action->setEnabled(c.enabled);
    }
    menu->addSeparator();
    QAction* all = menu->addAction(tr("Select All"), this, &QLineEdit::selectAll);
    all->setObjectName(QStringLiteral("select-all"));
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!text().isEmpty());
    menu->popup(event->globalPos());
}
