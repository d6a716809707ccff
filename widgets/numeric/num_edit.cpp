#include "widgets/numeric/num_edit.h"

#include "toolkit/platform.h"
#include "toolkit/text_format.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPointer>
#include <algorithm>

namespace {

// Room a decimal point and one integer digit take in a limited text.
constexpr int kPointAndDigit = 2;

}  // namespace

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

std::optional<double> TNumEdit::ReadValue() const
{
    const auto value = ReadNumberText(text());
    if (!value)
        ReportUnreadable();
    return value;
}

void TNumEdit::ReportUnreadable() const
{
    toolkit::platform().ShowException(const_cast<TNumEdit*>(this),
                                      toolkit::InvalidFloatMessage(CleanNumberText(text())));
}

void TNumEdit::setValue(double value)
{
    const QString formatted = FormatNumber(value, decimals_, format_);
    if (formatted != text())
        setText(formatted);
}

double TNumEdit::AsShown(double value) const
{
    return ReadNumberText(FormatNumber(value, decimals_, format_)).value_or(value);
}

bool TNumEdit::Reformat()
{
    const auto value = ReadValue();
    if (value)
        setValue(*value);
    return value.has_value();
}

void TNumEdit::setDecimals(int decimals)
{
    if (decimals == decimals_)
        return;
    decimals = std::clamp(decimals, kAutoDecimals, kMaxDecimals);
    if (maxLength() > 0 && decimals > maxLength() - kPointAndDigit)
        decimals = std::max(maxLength() - kPointAndDigit, kAutoDecimals);
    const auto value = ReadValue();
    if (!value)
        return;
    decimals_ = decimals;
    setValue(*value);
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
    const auto value = ReadValue();
    if (!value)
        return;
    format_ = format;
    setValue(*value);
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

void TNumEdit::PasteText(const QString& pasted)
{
    if (isReadOnly())
        return;
    NumEditModel model = Model();
    const int refused = model.Paste(pasted);
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

void TNumEdit::DeleteKey(bool backspace)
{
    if (isReadOnly())
        return;
    NumEditModel model = Model();
    model.DeleteKey(backspace);
    Apply(model);
}

void TNumEdit::TypeText(const QString& typed)
{
    if (isReadOnly())
        return;
    if (!CharactersAllowed()) {
        toolkit::platform().Beep();
        return;
    }
    for (const QChar c : typed) {
        NumEditModel model = Model();
        if (model.TypeChar(c))
            Apply(model);
        else
            toolkit::platform().Beep();
    }
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
    const auto value = ReadValue();
    if (!value)
        return;
    if (*value < minValue_)
        setValue(minValue_);
    else if (*value > maxValue_)
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
    if (!BeforeExit() || !Reformat())
        return;
    const double value = Value();
    if (RangeActive() && (value < minValue_ || value > maxValue_)) {
        InvalidEntry();
        return;
    }
    emit OnExit();
}
