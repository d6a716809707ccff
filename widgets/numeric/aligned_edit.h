#pragma once
// TAlignedEdit: the one-line value field of every window. Adds to the line
// edit a left/right/centred alignment, separate enabled and disabled
// background colours, a focusing click that selects the whole text, an
// OnClick signal, and Enter/Escape that never reach the text.

#include "toolkit/color.h"

#include <QLineEdit>

class TAlignedEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(toolkit::TColor Color READ Color WRITE setColor)
    Q_PROPERTY(toolkit::TColor DisabledColor READ DisabledColor WRITE setDisabledColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(QString Version READ Version CONSTANT)

public:
    enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)

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

    // The colour the box shows now (enabled or disabled colour).
    toolkit::TColor ShownColor() const { return shownColor_; }

signals:
    void OnClick();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Enter and Escape: left to the window when it has a button that acts on
    // them, dropped with the default beep otherwise. Returns true when the
    // key was one of the two.
    bool HandleDialogKey(QKeyEvent* event);

    // False when the focus only moves to or from a menu or another window.
    static bool EntersOrLeaves(const QFocusEvent* event);

    // Called after the inherited key handling; clears the click-select flag.
    void KeyHandled() { clickSelect_ = false; }

private:
    void ShowStateColor();
    void FollowParentColor();
    void WatchParent();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    toolkit::TColor enabledColor_ = toolkit::clWindow;
    toolkit::TColor disabledColor_ = toolkit::clBtnFace;
    toolkit::TColor shownColor_ = toolkit::clWindow;
    bool parentColor_ = false;
    bool autoSelect_ = true;
    bool clickSelect_ = false;
    QWidget* watchedParent_ = nullptr;
};
