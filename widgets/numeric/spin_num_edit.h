#pragma once
// TSpinNumEdit: a numeric edit box with a pair of arrow buttons inside its
// right edge. The arrows, the Up and Down keys and a held arrow step the
// value by Increment, faster while the steps come quickly, within
// MinValue..MaxValue, wrapping or snapping to the increments on request.

#include "widgets/numeric/num_edit.h"
#include "widgets/numeric/spin_stepper.h"

#include <QPointer>
#include <QToolButton>

class QTimer;

// A speed button that repeats its click while it is held: 400 ms after the
// press, then every 100 ms; the release adds the ordinary click.
class TTimerSpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TTimerSpeedButton(QWidget* parent);

    bool AllowTimer() const { return allowTimer_; }
    void setAllowTimer(bool on) { allowTimer_ = on; }
    bool FocusRect() const { return focusRect_; }
    void setFocusRect(bool on);
    bool Repeating() const;
    void StopRepeating();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TimerExpired();

    QTimer* repeat_ = nullptr;
    bool allowTimer_ = true;
    bool focusRect_ = false;
};

// The arrow pair: up button over the down button.
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpinButton(QWidget* parent);

    TTimerSpeedButton* UpButton() const { return up_; }
    TTimerSpeedButton* DownButton() const { return down_; }
    QWidget* FocusControl() const { return focusControl_; }
    void setFocusControl(QWidget* control) { focusControl_ = control; }
    // Ends a held arrow's repeats (before an error is reported).
    void StopRepeating();

signals:
    void OnUpClick();
    void OnDownClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Pressed(TTimerSpeedButton* button);

    TTimerSpeedButton* up_;
    TTimerSpeedButton* down_;
    TTimerSpeedButton* focused_;
    QPointer<QWidget> focusControl_;
};

class TSpinNumEdit : public TNumEdit {
    Q_OBJECT
    Q_PROPERTY(double Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool RoundValues READ RoundValues WRITE setRoundValues)
    Q_PROPERTY(bool Wrap READ Wrap WRITE setWrap)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(bool SnapTyped READ SnapTyped WRITE setSnapTyped)

public:
    explicit TSpinNumEdit(QWidget* parent = nullptr);

    double Increment() const { return stepper_.Increment(); }
    void setIncrement(double increment);
    bool RoundValues() const { return roundValues_; }
    void setRoundValues(bool on) { roundValues_ = on; }
    // Whether leaving a box without a range puts what was typed on the grid
    // of increments (on by default). Off, a typed value is kept as typed.
    bool SnapTyped() const { return snapTyped_; }
    void setSnapTyped(bool on) { snapTyped_ = on; }
    bool Wrap() const { return wrap_; }
    void setWrap(bool on) { wrap_ = on; }
    bool EditorEnabled() const { return editorEnabled_; }
    void setEditorEnabled(bool on) { editorEnabled_ = on; }
    QString Version() const override;

    TSpinButton* Button() const { return button_; }
    double CurrentStep() const { return stepper_.CurrentStep(); }

    // One step; from the arrows a read-only box only beeps.
    void StepUp(bool fromArrow = false);
    void StepDown(bool fromArrow = false);

    void CutToClipboard() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool CharactersAllowed() const override { return editorEnabled_; }
    void PasteText(const QString& text) override;
    bool BeforeExit() override;

private:
    void Step(bool up, bool fromArrow);
    // Puts the value on the grid of increments; false when unreadable.
    bool SnapValue();
    SpinRange Range() const { return {MinValue(), MaxValue()}; }

    TSpinButton* button_;
    SpinStepper stepper_;
    // The run a key release ended, kept in case the release was an
    // auto-repeat's that Qt did not recognise.
    SpinStepper beforeRelease_;
    quint64 releasedAt_ = 0;
    int releasedKey_ = 0;
    bool editorEnabled_ = true;
    bool wrap_ = false;
    bool roundValues_ = false;
    bool snapTyped_ = true;
};
