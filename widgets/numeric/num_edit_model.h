#pragma once
// The keystroke rules of the numeric edit box, on its text, caret and
// selection, with no window. Positions are QString indexes; the caret is the
// number of characters before it and equals the selection start. Separators
// are the locale's, read each time they are needed.

#include <QChar>
#include <QString>
#include <optional>

enum class TNumberFormat { Standard, Thousands, Scientific, Engineering };

inline constexpr int kAutoDecimals = -1;  // as many places as the value needs
inline constexpr int kMaxDecimals = 14;
inline constexpr int kMaxExponent = 4932;

// The text of a number for a number of decimals (-1 for as many as needed)
// and a format; integer and decimal digits together are kept to 15
// significant digits, places beyond them shown as zeros.
QString FormatNumber(double value, int decimals, TNumberFormat format);

// The text with every thousands separator removed; "" becomes "0", a lone
// "-" becomes "-0". This is also what the clipboard receives.
QString CleanNumberText(const QString& text);

// Reads a number text as the box does: thousands separators are ignored and
// a part the keystroke rules leave without digits ("-", "5E", "-.5") counts
// as zero, so every text the rules produce can be read. No value for any
// other text. Beyond the double range the value saturates.
std::optional<double> ReadNumberText(const QString& text);

class NumEditModel {
public:
    NumEditModel(int decimals, TNumberFormat format);

    QString text;
    int selStart = 0;
    int selLength = 0;

    // A typed character; false when it is refused (the caller beeps). "."
    // and "," both type the locale's decimal separator.
    bool TypeChar(QChar c);
    // Backspace or Delete: the selection if there is one, else one character.
    void DeleteKey(bool backspace);
    void DeleteSelection();
    // The selection for the clipboard, cleaned.
    QString SelectionForClipboard() const;
    // Feeds the clipboard text as typed characters; returns how many were refused.
    int Paste(const QString& clipboard);
    // Thousands regrouping after a key is released.
    void Regroup(bool enterOrSpace);

private:
    void DeleteChar(bool backspace);
    // 1-based position of a character in the text, 0 when absent.
    int Pos(QChar c) const;
    void ClampCaret();

    int decimals_;
    TNumberFormat format_;
};
