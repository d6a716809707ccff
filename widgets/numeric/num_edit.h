#pragma once
// TNumEdit: an edit box whose text is always a formatted number. Every key,
// paste and menu command passes the gate of the aligned edit and then the
// rules of NumEditModel; Value parses the text and writing Value formats
// it. When the focus leaves with a value outside an active range (MinValue
// or MaxValue non-zero) the value is clamped, the default beep sounds and
// the focus comes back, unless OnInvalidEntry is connected, which then
// decides.

#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/num_edit_model.h"

#include <optional>

class TNumEdit : public TAlignedEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE setValue)
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(TNumberFormat NumberFormat READ NumberFormat WRITE setNumberFormat)

public:
    explicit TNumEdit(QWidget* parent = nullptr);

    // The text read as a number. An unreadable text (only program code can
    // put one there) is reported through the general error handler and
    // gives no value: the caller stops.
    std::optional<double> ReadValue() const;
    // The property's reading: ReadValue, 0 after the report.
    double Value() const { return ReadValue().value_or(0.0); }
    // Rewrites the text only when the formatted text differs.
    void setValue(double value);
    // A value as this box would show it and read it back.
    double AsShown(double value) const;
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

    void CutToClipboard() override;
    void ClearSelection() override;
    void CopyToClipboard() override;

signals:
    void OnChange();
    void OnInvalidEntry();
    void OnClear();
    void OnExit();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    bool Guarded() const override { return true; }
    bool CanEdit() const override { return !isReadOnly(); }
    void TypeText(const QString& text) override;
    void DeleteKey(bool backspace) override;
    void PasteText(const QString& text) override;

    // Typing of characters is allowed (the spin edit turns it off).
    virtual bool CharactersAllowed() const { return true; }
    // Before the exit handling, while the focus leaves; false stops it.
    virtual bool BeforeExit() { return true; }
    // The conversion error of the text, through the general error handler.
    void ReportUnreadable() const;
    // Clamp, beep and take the focus back, or let OnInvalidEntry decide.
    void InvalidEntry();
    // The key-up rule, for subclasses that add their own first.
    void NumKeyRelease(QKeyEvent* event);

private:
    NumEditModel Model() const;
    void Apply(const NumEditModel& model);
    // Rewrites the text as the formatting of its value; false when unreadable.
    bool Reformat();

    int decimals_ = kAutoDecimals;
    double maxValue_ = 0.0;
    double minValue_ = 0.0;
    TNumberFormat format_ = TNumberFormat::Standard;
};
