// Random key presses (any key, any modifiers, any text) through the key
// gate of the number boxes and on into the keystroke rules, as the box
// applies them: a key the gate passes, refuses or sends to the caret never
// changes the text, a character only reaches the rules without Ctrl, Alt or
// Meta, and the text always reads as a number.

#include "toolkit/text_format.h"
#include "widgets/numeric/edit_keys.h"
#include "widgets/numeric/num_edit_model.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kKeys[] = {Qt::Key_0,        Qt::Key_9,      Qt::Key_Minus,  Qt::Key_Period, Qt::Key_Comma,
                         Qt::Key_E,        Qt::Key_X,      Qt::Key_K,      Qt::Key_U,      Qt::Key_Z,
                         Qt::Key_C,        Qt::Key_V,      Qt::Key_A,      Qt::Key_Backspace, Qt::Key_Delete,
                         Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Home,   Qt::Key_End,    Qt::Key_Insert,
                         Qt::Key_Return,   Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Shift,
                         Qt::Key_Alt,      Qt::Key_F1,     Qt::Key_Space,  Qt::Key_Up,     Qt::Key_PageUp};

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const bool italian = data[0] & 1;
    toolkit::ScopedFormatSettings locale(italian ? toolkit::FormatSettings{QLatin1Char(','), QLatin1Char('.')}
                                                 : toolkit::FormatSettings{QLatin1Char('.'), QLatin1Char(',')});
    const int decimals = static_cast<int>(data[0] >> 1) % 4 - 1;
    NumEditModel m(decimals, (data[0] & 0x80) ? TNumberFormat::Thousands : TNumberFormat::Standard);
    m.text = FormatNumber(data[1] / 3.0, decimals, TNumberFormat::Standard);
    m.selStart = static_cast<int>(m.text.size());
    for (std::size_t i = 2; i + 2 < size; i += 3) {
        const int key = kKeys[data[i] % std::size(kKeys)];
        const auto modifiers = Qt::KeyboardModifiers(static_cast<int>(data[i + 1]) << 24);
        const QString text = data[i + 2] ? QString(QChar(data[i + 2])) : QString();
        const QString before = m.text;
        switch (ClassifyEditKey(key, modifiers, text)) {
        case EditKeyAction::Character:
            Check(!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)));
            for (const QChar c : text)
                m.TypeChar(c);
            break;
        case EditKeyAction::Backspace:
        case EditKeyAction::Delete:
            m.DeleteKey(key == Qt::Key_Backspace);
            break;
        case EditKeyAction::Paste:
            m.Paste(text);
            break;
        case EditKeyAction::Cut:
            m.DeleteSelection();
            break;
        case EditKeyAction::Navigate:
            m.selStart = static_cast<int>(data[i + 2]) % (static_cast<int>(m.text.size()) + 1);
            m.selLength = 0;
            Check(m.text == before);
            break;
        default:
            Check(m.text == before);
            break;
        }
        Check(ReadNumberText(m.text).has_value());
        Check(m.selStart >= 0 && m.selStart + m.selLength <= m.text.size());
    }
    return 0;
}
