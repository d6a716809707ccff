#include "widgets/numeric/aligned_edit.h"

#include "nav/value_text.h"
#include "nav/worked.h"
#include "toolkit/color_scheme.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "widgets/numeric/edit_keys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <algorithm>
#include <utility>

namespace {

constexpr int kDefaultWidth = 100;
// The line edit keeps this much room on each side of its text.
constexpr int kTextSideMargin = 2;
// A fitted text is never drawn smaller than this.
constexpr int kSmallestFittedPixels = 8;

// The menu's commands are those of Qt's own line edit, in the language of
// Qt's installed translation.
QString LineEditText(const char* text)
{
    return QCoreApplication::translate("QLineEdit", text);
}

// Decimals of a copied speed: the log's tenths of a knot.
constexpr int kSpeedDecimals = 1;

Qt::Alignment ToQt(TAlignedEdit::TAlignment a)
{
    switch (a) {
    case TAlignedEdit::TAlignment::taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TAlignedEdit::TAlignment::taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TAlignedEdit::TAlignment::taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

TAlignedEdit::TAlignedEdit(QWidget* parent)
    : QLineEdit(parent)
{
    resize(kDefaultWidth, height());
    QLineEdit::setAlignment(ToQt(alignment_));
    ShowStateColor();
    WatchParent();
    layoutFont_ = font();
    connect(this, &QLineEdit::textChanged, this, &TAlignedEdit::FitText);
}

QString TAlignedEdit::Version() const
{
    return QStringLiteral("8.00.00.00");
}

void TAlignedEdit::setAlignment(TAlignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    // The line edit keeps the selection and the caret by itself.
    QLineEdit::setAlignment(ToQt(alignment_));
}

void TAlignedEdit::setDialogEntry(bool on)
{
    dialogEntry_ = on;
    setAcceptDrops(!on);
    setAttribute(Qt::WA_InputMethodEnabled, !on);
}

void TAlignedEdit::setValueRange(int lowest, int highest)
{
    lowestValue_ = lowest;
    highestValue_ = highest;
}

QString TAlignedEdit::ValueText() const
{
    const std::string shown = text().toStdString();
    if (valueKind_ == TValueKind::vkAngle) {
        if (const auto angle = nav::ReadAngleText(shown, lowestValue_, highestValue_))
            return QString::fromStdString(nav::AngleCopyText(*angle, lowestValue_, highestValue_));
    } else if (valueKind_ == TValueKind::vkSpeed) {
        if (const auto knots = nav::ReadSpeedText(shown, highestValue_)) {
            return QString::fromStdString(nav::DecimalText(*knots, kSpeedDecimals, toolkit::NavLanguage()));
        }
    }
    return text().simplified();
}

bool TAlignedEdit::TakesPaste(const QString& text) const
{
    // Asked at each right click: a long clipboard is refused before it is converted.
    if (!isSignalConnected(QMetaMethod::fromSignal(&TAlignedEdit::OnClick))
        || static_cast<std::size_t>(text.size()) > nav::kMaxValueTextBytes)
        return false;
    const std::string pasted = text.toStdString();
    switch (valueKind_) {
    case TValueKind::vkAngle:
        return nav::ReadAngleText(pasted, lowestValue_, highestValue_).has_value();
    case TValueKind::vkSpeed:
        return nav::ReadSpeedText(pasted, highestValue_).has_value();
    case TValueKind::vkNone:
    case TValueKind::vkFigure:
        break;
    }
    return false;
}

void TAlignedEdit::setColor(toolkit::TColor color)
{
    if (color == enabledColor_)
        return;
    enabledColor_ = color;
    if (isEnabled())
        ShowStateColor();
    if (parentWidget() && toolkit::DayPaletteColor(parentWidget(), parentWidget()->backgroundRole()) != color)
        parentColor_ = false;
}

void TAlignedEdit::setDisabledColor(toolkit::TColor color)
{
    if (color == disabledColor_)
        return;
    disabledColor_ = color;
    if (!isEnabled())
        ShowStateColor();
}

void TAlignedEdit::setParentColor(bool on)
{
    if (on == parentColor_)
        return;
    parentColor_ = on;
    FollowParentColor();
    ShowStateColor();
}

void TAlignedEdit::FollowParentColor()
{
    if (!parentColor_ || !parentWidget())
        return;
    enabledColor_ = toolkit::DayPaletteColor(parentWidget(), parentWidget()->backgroundRole());
}

void TAlignedEdit::ShowStateColor()
{
    shownColor_ = isEnabled() ? enabledColor_ : disabledColor_;
    toolkit::SetPaletteColor(this, QPalette::Base, shownColor_);
}

void TAlignedEdit::WatchParent()
{
    if (watchedParent_ == parentWidget())
        return;
    if (watchedParent_)
        watchedParent_->removeEventFilter(this);
    watchedParent_ = parentWidget();
    if (watchedParent_)
        watchedParent_->installEventFilter(this);
}

bool TAlignedEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedParent_ && event->type() == QEvent::PaletteChange && parentColor_) {
        FollowParentColor();
        ShowStateColor();
    }
    return QLineEdit::eventFilter(watched, event);
}

void TAlignedEdit::FitText()
{
    if (!isReadOnly() && !dialogEntry_)
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    const int room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - margins.left()
                     - margins.right() - 2 * kTextSideMargin;
    QFont fitted = layoutFont_;
    while (QFontMetrics(fitted).horizontalAdvance(text()) > room && fitted.pixelSize() > kSmallestFittedPixels)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    if (fitted == font())
        return;
    fitting_ = true;
    setFont(fitted);
    fitting_ = false;
}

void TAlignedEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    FitText();
}

void TAlignedEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (!hasFocus() || !toolkit::NightColors())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TAlignedEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !fitting_) {
        layoutFont_ = font();
        FitText();
    }
    if (event->type() == QEvent::EnabledChange) {
        ShowStateColor();
    } else if (event->type() == QEvent::ParentChange) {
        WatchParent();
        FollowParentColor();
        ShowStateColor();
    }
}

bool TAlignedEdit::EntersOrLeaves(const QFocusEvent* event)
{
    // The focus coming back from a menu or another window is no entry.
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

void TAlignedEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!EntersOrLeaves(event))
        return;
    // Only a left press arms it: after a right click the next left click
    // places the caret.
    if (event->reason() == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::LeftButton))
        clickSelect_ = true;
    if (autoSelect_)
        selectAll();
    if (!typedAhead_.isEmpty())
        TypeText(std::exchange(typedAhead_, QString()));
}

void TAlignedEdit::TypeAhead(const QString& text)
{
    if (text.isEmpty() || !hasFocus())
        typedAhead_ = text;
    else
        TypeText(text);
}

void TAlignedEdit::mousePressEvent(QMouseEvent* event)
{
    const bool selectAgain = event->button() == Qt::LeftButton && clickSelect_;
    if (selectAgain)
        clickSelect_ = false;
    QLineEdit::mousePressEvent(event);
    if (selectAgain && autoSelect_)
        selectAll();
}

void TAlignedEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && Guarded()) {
        // The primary selection is pasted as the clipboard is.
        const QString selection = toolkit::platform().PrimarySelection();
        // A value field takes a value only from the clipboard.
        if (!selection.isEmpty() && valueKind_ != TValueKind::vkNone)
            toolkit::platform().Beep();
        else if (!selection.isEmpty())
            PasteText(selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        openingText_.clear();  // a click types nothing on
        emit OnClick();
    }
}

bool TAlignedEdit::HandleDialogKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    if (qobject_cast<const QDialog*>(window())) {
        event->ignore();  // the dialog confirms or cancels
        return true;
    }
    event->accept();
    toolkit::platform().Beep();
    return true;
}

void TAlignedEdit::keyPressEvent(QKeyEvent* event)
{
    // A read-only value field copies its value and refuses a paste.
    if (valueKind_ != TValueKind::vkNone && !Guarded()
        && (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste))) {
        event->accept();
        if (event->matches(QKeySequence::Copy))
            CopyToClipboard();
        else
            PasteFromClipboard();
        KeyHandled();
        return;
    }
    if (Guarded()) {
        GuardedKeyPress(event);
        return;
    }
    if (!HandleDialogKey(event))
        QLineEdit::keyPressEvent(event);
    KeyHandled();
}

void TAlignedEdit::GuardedKeyPress(QKeyEvent* event)
{
    event->accept();
    // In a dialog Enter confirms the dialog; the other keys still open the field's own.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (dialogEntry_ && isSignalConnected(QMetaMethod::fromSignal(&TAlignedEdit::OnClick))
        && OpensEntryDialog(event->key(), event->modifiers(), event->text())
        && !(enter && qobject_cast<const QDialog*>(window()))) {
        const QChar first = event->text().isEmpty() ? QChar() : event->text().front();
        openingText_ = first.isDigit() || first == QLatin1Char('-') ? event->text() : QString();
        KeyHandled();
        emit OnClick();
        return;
    }
    switch (ClassifyEditKey(event->key(), event->modifiers(), event->text())) {
    case EditKeyAction::DialogKey:
        HandleDialogKey(event);
        break;
    case EditKeyAction::Navigate:
        QLineEdit::keyPressEvent(event);
        break;
    case EditKeyAction::Pass:
        event->ignore();
        break;
    case EditKeyAction::Copy:
        CopyToClipboard();
        break;
    case EditKeyAction::Cut:
        CutToClipboard();
        break;
    case EditKeyAction::Paste:
        PasteFromClipboard();
        break;
    case EditKeyAction::Backspace:
        DeleteKey(true);
        break;
    case EditKeyAction::Delete:
        DeleteKey(false);
        break;
    case EditKeyAction::Character:
        TypeText(event->text());
        break;
    case EditKeyAction::Refuse:
        toolkit::platform().Beep();
        break;
    }
    KeyHandled();
}

void TAlignedEdit::CopyToClipboard()
{
    if (valueKind_ == TValueKind::vkNone) {
        copy();
        return;
    }
    const QString value = ValueText();
    if (!value.isEmpty())
        QApplication::clipboard()->setText(value);
}

void TAlignedEdit::CutToClipboard()
{
    toolkit::platform().Beep();
}

void TAlignedEdit::PasteFromClipboard()
{
    PasteText(QApplication::clipboard()->text());
}

void TAlignedEdit::ClearSelection()
{
    toolkit::platform().Beep();
}

void TAlignedEdit::TypeText(const QString&)
{
    toolkit::platform().Beep();
}

void TAlignedEdit::DeleteKey(bool)
{
    toolkit::platform().Beep();
}

void TAlignedEdit::PasteText(const QString& text)
{
    if (!TakesPaste(text)) {
        toolkit::platform().Beep();
        return;
    }
    // The handler takes the text as its dialog's confirmed value.
    pastedText_ = text;
    emit OnClick();
    pastedText_.clear();
}

void TAlignedEdit::ValueMenu(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copyValue = menu->addAction(tr("Copia"), this, &TAlignedEdit::CopyToClipboard);
    copyValue->setObjectName(QStringLiteral("edit-copy"));
    copyValue->setShortcut(QKeySequence::Copy);
    copyValue->setEnabled(!text().isEmpty());
    QAction* pasteValue = menu->addAction(tr("Incolla"), this, &TAlignedEdit::PasteFromClipboard);
    pasteValue->setObjectName(QStringLiteral("edit-paste"));
    pasteValue->setShortcut(QKeySequence::Paste);
    pasteValue->setEnabled(TakesPaste(QApplication::clipboard()->text()));
    menu->popup(event->globalPos());
}

void TAlignedEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (valueKind_ != TValueKind::vkNone) {
        ValueMenu(event);
        return;
    }
    if (!Guarded()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    // The menu's editing commands go through the same operations as the keys.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = CanEdit();
    const bool selected = hasSelectedText();
    const struct {
        const char* name;
        QString text;
        QKeySequence keys;
        bool enabled;
        void (TAlignedEdit::*command)();
    } commands[] = {
        {"edit-cut", LineEditText("Cu&t"), QKeySequence::Cut, editable && selected, &TAlignedEdit::CutToClipboard},
        {"edit-copy", LineEditText("&Copy"), QKeySequence::Copy, selected, &TAlignedEdit::CopyToClipboard},
        {"edit-paste", LineEditText("&Paste"), QKeySequence::Paste,
         editable && !QApplication::clipboard()->text().isEmpty(), &TAlignedEdit::PasteFromClipboard},
        {"edit-delete", LineEditText("Delete"), QKeySequence(), editable && selected, &TAlignedEdit::ClearSelection},
    };
    for (const auto& c : commands) {
        QAction* action = menu->addAction(c.text, this, c.command);
        action->setObjectName(QString::fromLatin1(c.name));
        action->setShortcut(c.keys);
        action->setEnabled(c.enabled);
    }
    menu->addSeparator();
    QAction* all = menu->addAction(LineEditText("Select All"), this, &QLineEdit::selectAll);
    all->setObjectName(QStringLiteral("select-all"));
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!text().isEmpty());
    menu->popup(event->globalPos());
}
