#pragma once
// TNumEdit: an edit box whose text is always a formatted number. Every
// keystroke passes the rules of NumEditModel; Value parses the text and
// writing Value formats it. When the focus leaves with a value outside an
// active range (MinValue or MaxValue non-zero) the value is clamped, the
// default beep sounds and the focus comes back, unless OnInvalidEntry is
// connected, which then decides.

#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/num_edit_model.h"

class TNumEdit : public TAlignedEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(TNumberFormat NumberFormat READ NumberFormat WRITE setNumberFormat)

public:
    explicit TNumEdit(QWidget* parent = nullptr);

    // The text read as a number; an unreadable text (set by program code) is
    // reported through the general error handler and reads as 0.
    double Value() const;
    // Rewrites the text only when the formatted text differs.
    void setValue(double value);
    int Decimals() const { return decimals_; }
    void setDecimals(int decimals);
    double MaxValue() const { return maxValue_; }
    void setMaxValue(double value);
    double MinValue() const { return minValue_; }
    void setMinValue(double value);
    TNumberFormat NumberFormat() const { return format_; }
    void setNumberFormat(TNumberFormat format);
    QString Version() const override;

    bool RangeActive() const { return minValue_ != 0.0 || maxValue_ != 0.0; }

    // The clipboard commands, also reached from the context menu.
    void CopyToClipboard();
    virtual void CutToClipboard();
    virtual void PasteFromClipboard();
    void ClearSelection();

signals:
    void OnChange();
    void OnInvalidEntry();
    void OnClear();
    void OnExit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // Typing of characters is allowed (the spin edit turns it off).
    virtual bool CharactersAllowed() { return true; }
    // Before the exit handling, while the focus leaves.
    virtual void BeforeExit() {}
    // Clamp, beep and take the focus back, or let OnInvalidEntry decide.
    void InvalidEntry();
    // The key-down and key-up rules, for subclasses that add their own first.
    void NumKeyPress(QKeyEvent* event);
    void NumKeyRelease(QKeyEvent* event);

private:
    NumEditModel Model() const;
    void Apply(const NumEditModel& model);
    void Reformat();

    int decimals_ = kAutoDecimals;
    double maxValue_ = 0.0;
    double minValue_ = 0.0;
    TNumberFormat format_ = TNumberFormat::Standard;
};
