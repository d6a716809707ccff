// Random keys, modifiers, auto-repeats, middle clicks, pastes and exits on a
// real spin edit (offscreen): whatever reaches it through its key gate, the
// text must always read as a number and no conversion error may be reported.

#include "toolkit/platform.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Beeps and ticks without a sound card; any message box is a failure.
struct FuzzPlatform : toolkit::Platform {
    std::uint32_t now = 0;
    QString selection;
    void Beep() override {}
    std::uint32_t TickCount() override { return now; }
    void ErrorBox(QWidget*, const QString&) override { std::abort(); }
    bool ConfirmBox(QWidget*, const QString&) override { std::abort(); }
    void ShowException(QWidget*, const QString&) override { std::abort(); }
    QString PrimarySelection() override { return selection; }
};

struct Key {
    int key;
    char text;  // the character without modifiers; 0 for none
};

constexpr std::array kKeys{
    Key{Qt::Key_0, '0'},      Key{Qt::Key_1, '1'},         Key{Qt::Key_5, '5'},     Key{Qt::Key_9, '9'},
    Key{Qt::Key_Minus, '-'},  Key{Qt::Key_E, 'e'},         Key{Qt::Key_Period, '.'}, Key{Qt::Key_Comma, ','},
    Key{Qt::Key_X, 'x'},      Key{Qt::Key_K, 'k'},         Key{Qt::Key_U, 'u'},     Key{Qt::Key_Z, 'z'},
    Key{Qt::Key_A, 'a'},      Key{Qt::Key_C, 'c'},         Key{Qt::Key_V, 'v'},     Key{Qt::Key_H, 'h'},
    Key{Qt::Key_W, 'w'},      Key{Qt::Key_Space, ' '},     Key{Qt::Key_Backspace, '\b'},
    Key{Qt::Key_Delete, 0x7f}, Key{Qt::Key_Left, 0},       Key{Qt::Key_Right, 0},   Key{Qt::Key_Home, 0},
    Key{Qt::Key_End, 0},      Key{Qt::Key_Up, 0},          Key{Qt::Key_Down, 0},    Key{Qt::Key_Insert, 0},
    Key{Qt::Key_Return, '\r'}, Key{Qt::Key_Escape, 0x1b},  Key{Qt::Key_Tab, '\t'},
};

constexpr std::array kModifiers{Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier,
                                Qt::KeypadModifier};

// The text X11 gives a key: Ctrl makes a control character, Shift a capital.
QString KeyText(const Key& k, Qt::KeyboardModifiers modifiers)
{
    if (k.text == 0)
        return {};
    QChar c = QLatin1Char(k.text);
    if ((modifiers & Qt::ControlModifier) && c.isLetter())
        return QString(QChar(c.toUpper().unicode() & 0x1f));
    if (modifiers & Qt::ShiftModifier)
        c = c.toUpper();
    return QString(c);
}

TSpinNumEdit& Edit()
{
    static int argc = 1;
    static char name[] = "num_edit_widget_fuzz";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: Qt's own statics go first at exit.
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto* app = new QApplication(argc, argv);
    static auto* edit = new TSpinNumEdit;
    Q_UNUSED(offscreen);
    Q_UNUSED(app);
    return *edit;
}

void Check(const TSpinNumEdit& edit)
{
    if (!ReadNumberText(edit.text()).has_value())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    TSpinNumEdit& edit = Edit();
    FuzzPlatform platform;
    toolkit::ScopedPlatform scope(platform);
    const bool italian = data[0] & 1;
    toolkit::ScopedFormatSettings locale(italian ? toolkit::FormatSettings{QLatin1Char(','), QLatin1Char('.')}
                                                 : toolkit::FormatSettings{QLatin1Char('.'), QLatin1Char(',')});
    edit.setText(QStringLiteral("0"));  // the last input's text may be in the other locale
    edit.setNumberFormat((data[0] & 2) ? TNumberFormat::Thousands : TNumberFormat::Standard);
    edit.setDecimals(static_cast<int>(data[0] >> 2) % 5 - 1);
    edit.setEditorEnabled(!(data[0] & 0x80));
    edit.setMinValue(0);
    edit.setMaxValue((data[1] & 1) ? 359 : 0);
    edit.setRoundValues(data[1] & 2);
    edit.setWrap(data[1] & 4);
    edit.setValue(static_cast<double>(data[2]) / 3.0);
    platform.selection = QStringLiteral("4x.2-E");
    QApplication::clipboard()->setText(QStringLiteral("-1.5e"));

    for (std::size_t i = 3; i + 1 < size; i += 2) {
        const std::uint8_t what = data[i];
        const std::uint8_t how = data[i + 1];
        platform.now += how & 0x80 ? 1000 : 30;
        switch (what % 8) {
        case 0: {  // a middle click at some place
            const QPointF at(how % 60, 10);
            QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::MiddleButton, Qt::MiddleButton, {});
            QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::MiddleButton, Qt::NoButton, {});
            QApplication::sendEvent(&edit, &press);
            QApplication::sendEvent(&edit, &release);
            break;
        }
        case 1: {  // the focus leaves
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(&edit, &out);
            break;
        }
        default: {  // a key with any modifiers, perhaps auto-repeated
            const Key& k = kKeys[(what / 8) % kKeys.size()];
            Qt::KeyboardModifiers modifiers;
            for (std::size_t m = 0; m < kModifiers.size(); ++m)
                if (how & (1u << m))
                    modifiers |= kModifiers[m];
            const bool repeat = how & 0x20;
            const QString text = KeyText(k, modifiers);
            QKeyEvent press(QEvent::KeyPress, k.key, modifiers, text, repeat);
            QKeyEvent release(QEvent::KeyRelease, k.key, modifiers, text, repeat);
            QApplication::sendEvent(&edit, &press);
            QApplication::sendEvent(&edit, &release);
            break;
        }
        }
        Check(edit);
    }
    return 0;
}
