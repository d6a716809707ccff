#pragma once
// TAlignedEdit: the one-line value field of every window. Adds to the line
// edit a left/right/centred alignment, separate enabled and disabled
// background colours, a focusing click that selects the whole text, an
// OnClick signal, and Enter/Escape that never reach the text.
//
// A DialogEntry field opens its dialog (OnClick) on a click, and from the
// keyboard as OpensEntryDialog says.
//
// A guarded box (a DialogEntry field, and every number box) takes no key,
// middle click, drop or menu command that could change its text behind its
// own rules: all of them pass one gate (ClassifyEditKey) and the edit
// operations below, which a DialogEntry field refuses with the default beep.
//
// A value field (ValueKind) copies its value as a clean text and pastes a
// text that reads as a value: its OnClick handler then takes the pasted text
// (TakePastedText) instead of opening its dialog. Its menu has only "Copia"
// and "Incolla", and a middle click still pastes nothing.

#include "toolkit/color.h"

#include <QLineEdit>

#include <utility>

class TAlignedEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(toolkit::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(toolkit::TColor DisabledColor READ DisabledColor WRITE setDisabledColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool DialogEntry READ DialogEntry WRITE setDialogEntry)
    Q_PROPERTY(TValueKind ValueKind READ ValueKind WRITE setValueKind)
    Q_PROPERTY(QString Version READ Version CONSTANT)

public:
    enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)
    // An angle (whole degrees in the value range, as its dialog's degree
    // row), a speed (knots in the value range), or a figure that copies as
    // it reads and takes no paste.
    enum class TValueKind { vkNone, vkAngle, vkSpeed, vkFigure };
    Q_ENUM(TValueKind)

    explicit TAlignedEdit(QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    // Keeps the selection start and length.
    void setAlignment(TAlignment alignment);

    toolkit::TColor Color() const { return enabledColor_; }
    void setColor(toolkit::TColor color);
    toolkit::TColor DisabledColor() const { return disabledColor_; }
    void setDisabledColor(toolkit::TColor color);
    bool ParentColor() const { return parentColor_; }
    void setParentColor(bool on);
    bool AutoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }
    virtual QString Version() const;

    // A value field whose text changes only through program code (its entry
    // dialog, the calculations, the clear buttons), so that the text always
    // shows the stored value: typing, pasting (but a value that a value
    // field's handler takes) and cutting are refused with the default beep;
    // moving the caret, selecting and copying stay.
    bool DialogEntry() const { return dialogEntry_; }
    void setDialogEntry(bool on);

    TValueKind ValueKind() const { return valueKind_; }
    void setValueKind(TValueKind kind) { valueKind_ = kind; }
    // Degrees for an angle, knots for a speed.
    void setValueRange(int lowest, int highest);

    // The text a copy puts on the clipboard: empty for an empty field.
    QString ValueText() const;
    // Whether a pasted text reads as a value the field takes.
    bool TakesPaste(const QString& text) const;
    // The text being pasted, for the OnClick handler; emptied as it is read.
    QString TakePastedText() { return std::exchange(pastedText_, QString()); }

    // The digit or minus typed on a DialogEntry field to open its dialog,
    // emptied as it is read; see OpensEntryDialog.
    QString TakeOpeningText() { return std::exchange(openingText_, QString()); }

    // Text typed elsewhere that goes on here, through this box's own rules,
    // once the box has the focus (and has selected its text on entry).
    void TypeAhead(const QString& text);

    // The edit commands of the keys and of the context menu.
    virtual void CopyToClipboard();
    virtual void CutToClipboard();
    void PasteFromClipboard();
    virtual void ClearSelection();

    // The colour the box shows now (enabled or disabled colour).
    toolkit::TColor ShownColor() const { return shownColor_; }

signals:
    void OnClick();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // At night the style's focus frame is too dim to see: the box that has
    // the focus is framed in ink.
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Enter and Escape: left to a dialog, which confirms or cancels with
    // them; dropped with the default beep in any other window. Returns true when the
    // key was one of the two.
    bool HandleDialogKey(QKeyEvent* event);

    // False when the focus only moves to or from a menu or another window.
    static bool EntersOrLeaves(const QFocusEvent* event);

    // Called after the inherited key handling; clears the click-select flag.
    void KeyHandled() { clickSelect_ = false; }

    // True when every key passes the gate; a plain box edits as a line edit.
    virtual bool Guarded() const { return dialogEntry_; }
    // The gate: each key goes to exactly one of the edit operations.
    void GuardedKeyPress(QKeyEvent* event);
    // The edit operations of a guarded box; a DialogEntry field refuses them.
    virtual void TypeText(const QString& text);
    virtual void DeleteKey(bool backspace);
    virtual void PasteText(const QString& text);
    // Whether the menu offers the commands that change the text.
    virtual bool CanEdit() const { return !dialogEntry_ && !isReadOnly(); }

private:
    // A text that program code writes (read-only and DialogEntry boxes) is
    // shown whole: when it is wider than the box, the font shrinks just
    // enough, so that no sign at its start scrolls out of view.
    void FitText();
    void ShowStateColor();
    void FollowParentColor();
    void WatchParent();
    void ValueMenu(QContextMenuEvent* event);

    TAlignment alignment_ = TAlignment::taLeftJustify;
    toolkit::TColor enabledColor_ = toolkit::clWindow;
    toolkit::TColor disabledColor_ = toolkit::clBtnFace;
    toolkit::TColor shownColor_ = toolkit::clWindow;
    bool parentColor_ = false;
    bool autoSelect_ = true;
    bool clickSelect_ = false;
    bool dialogEntry_ = false;
    QFont layoutFont_;  // the font the layout gave, before any fitting
    bool fitting_ = false;
    QWidget* watchedParent_ = nullptr;
    QString typedAhead_;
    QString openingText_;
    TValueKind valueKind_ = TValueKind::vkNone;
    int lowestValue_ = 0;
    int highestValue_ = 0;
    QString pastedText_;
};
