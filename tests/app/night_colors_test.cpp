// The night colours: every window on screen dark red on black, pixel by
// pixel; back to the day colours; remembered across a restart.

#include "app/program.h"
#include "dialogs/deviation_card.h"
#include "dialogs/position_dialog.h"

#include "support/night_scope.h"
#include "support/program_windows.h"
#include "toolkit/color_scheme.h"
#include "toolkit/platform.h"
#include "toolkit/image.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/aligned_edit.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace tk = toolkit;

namespace {

// Green and blue may be at most this share of red.
constexpr double kGreenBlueShare = 0.4;

// The pixels that break the night rule, and where the first lies.
struct Glare {
    int count = 0;
    QPoint first;
    QRgb colour = 0;
};

Glare GlareIn(const QImage& image)
{
    Glare glare;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const int r = qRed(line[x]);
            if (r <= tk::kNightRedMax && qGreen(line[x]) <= kGreenBlueShare * r
                && qBlue(line[x]) <= kGreenBlueShare * r)
                continue;
            if (glare.count++ == 0) {
                glare.first = QPoint(x, y);
                glare.colour = line[x];
            }
        }
    }
    return glare;
}

std::string Describe(QWidget* window, const Glare& glare)
{
    const QWidget* under = window->childAt(glare.first);
    return QStringLiteral("%1 pixels, the first at (%2, %3) #%4 on %5 %6")
        .arg(glare.count)
        .arg(glare.first.x())
        .arg(glare.first.y())
        .arg(glare.colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
        .arg(QString::fromLatin1(under ? under->metaObject()->className() : window->metaObject()->className()),
             under ? under->objectName() : window->objectName())
        .toStdString();
}

// A window of the program as it is shown in one state.
struct Shown {
    const char* what;
    std::function<QWidget*(ProgramWindows&)> show;
};

QWidget* OnTab(ProgramWindows& w, int tab)
{
    TForm1& form1 = w.program->form1;
    form1.PageControl1->setCurrentIndex(tab);
    return &form1;
}

QWidget* Dialog(QWidget* dialog)
{
    dialog->show();
    return dialog;
}

// What breaks the night rule in a box as the platform opens it, taken while it is up.
std::optional<std::string> GlareInBox(const std::function<void()>& open)
{
    std::optional<std::string> found;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            const Glare glare = GlareIn(box->grab().toImage());
            found = glare.count == 0 ? std::string() : Describe(box, glare);
            box->close();
        }
    });
    open();
    return found;
}

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << shown.what;
}

const Shown kShown[] = {
    {"the splash with its photograph",
     [](ProgramWindows& w) {
         TForm1& form1 = w.program->form1;
         form1.show();
         // The photograph is decoded after the first paint.
         EXPECT_TRUE(QTest::qWaitFor([&] { return form1.Image1->HasPicture(); }));
         return OnTab(w, 5);
     }},
    {"Prore after a calculation",
     [](ProgramWindows& w) {
         TForm1& form1 = w.program->form1;
         form1.EDPB->setText(QStringLiteral("x"));
         form1.CALCPROREClick();
         return OnTab(w, 0);
     }},
    {"Rilevamenti", [](ProgramWindows& w) { return OnTab(w, 1); }},
    {"Polari",
     [](ProgramWindows& w) {
         w.program->form1.PageControl2->setCurrentIndex(1);
         return OnTab(w, 1);
     }},
    {"Correnti", [](ProgramWindows& w) { return OnTab(w, 2); }},
    {"Autonomia", [](ProgramWindows& w) { return OnTab(w, 3); }},
    {"Tabelle", [](ProgramWindows& w) { return OnTab(w, 4); }},
    {"the angle dialog", [](ProgramWindows& w) { return Dialog(w.program->form2.get()); }},
    {"the speed dialog", [](ProgramWindows& w) { return Dialog(w.program->form3.get()); }},
    {"the declination dialog", [](ProgramWindows& w) { return Dialog(w.program->form4.get()); }},
    {"the position dialog", [](ProgramWindows& w) { return Dialog(w.program->form4->Form5); }},
    {"its calendar", [](ProgramWindows& w) { return Dialog(w.program->form4->Form5->DTDATA->calendarWidget()); }},
    {"the table editor", [](ProgramWindows& w) { return Dialog(w.program->form6.get()); }},
    {"the compass swing", [](ProgramWindows& w) { return Dialog(w.program->form7.get()); }},
    {"the curve",
     [](ProgramWindows& w) {
         w.program->form8->Refresh();
         return Dialog(w.program->form8.get());
     }},
    {"a file dialog",
     [](ProgramWindows& w) {
         auto* dialog = new QFileDialog(w.program->form8.get());
         dialog->setOption(QFileDialog::DontUseNativeDialog);
         dialog->setAttribute(Qt::WA_DeleteOnClose);
         return Dialog(dialog);
     }},
};

class NightWindowTest : public testing::TestWithParam<Shown> {};

TEST_P(NightWindowTest, HasNoPixelBrighterOrLessRedThanTheNightAllows)
{
    ProgramWindows windows;
    NightScope night;
    QWidget* window = GetParam().show(windows);
    ASSERT_TRUE(window);
    window->window()->show();
    const Glare glare = GlareIn(window->grab().toImage());
    EXPECT_EQ(glare.count, 0) << GetParam().what << ": " << Describe(window, glare);
}

INSTANTIATE_TEST_SUITE_P(Table, NightWindowTest, testing::ValuesIn(kShown),
                         [](const testing::TestParamInfo<Shown>& info) { return std::to_string(info.index); });

TEST(NightColorsTest, MessageBoxesAndToolTipsAreNightColoured)
{
    ProgramWindows windows;
    NightScope night;
    TForm1& form1 = windows.program->form1;
    form1.show();
    tk::Platform real;
    tk::ScopedPlatform boxes(real);
    for (const auto& open : std::initializer_list<std::function<void()>>{
             [&] { real.ErrorBox(&form1, QStringLiteral("Nessun dato da calcolare.")); },
             [&] { real.ConfirmBox(&form1, QStringLiteral("Esco dal programma ? ")); }})
        EXPECT_EQ(GlareInBox(open), std::string());
    QToolTip::showText(form1.mapToGlobal(QPoint()), form1.NIGHTMODE->toolTip(), &form1);
    QWidget* tip = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            tip = w;
    ASSERT_TRUE(tip);
    const Glare glare = GlareIn(tip->grab().toImage());
    EXPECT_EQ(glare.count, 0) << Describe(tip, glare);
    QToolTip::hideText();
}

// Night and back leaves every window as it was by day.
TEST(NightColorsTest, BackToDayEveryWindowIsAsBefore)
{
    ProgramWindows windows;
    for (const Shown& shown : kShown) {
        QWidget* window = shown.show(windows);
        window->window()->show();
        const QImage day = window->grab().toImage();
        { NightScope night; }
        EXPECT_EQ(window->grab().toImage(), day) << shown.what;
    }
    TForm1& form1 = windows.program->form1;
    const QImage prore = OnTab(windows, 0)->grab().toImage();
    const struct {
        QWidget* on;
        QPoint at;
        QColor day;
    } colours[] = {
        {form1.EDPB, form1.EDPB->rect().center(), Qt::white},
        {form1.TabSheet1, QPoint(10, 300), QColor(57, 64, 94)},
        {form1.Panel1, QPoint(300, 20), QColor(0, 128, 192)},
        {form1.EDDECL, QPoint(4, 4), QColor(255, 255, 196)},
    };
    for (const auto& c : colours)
        EXPECT_EQ(prore.pixelColor(c.on->mapTo(&form1, c.at)), c.day) << c.on->objectName().toStdString();
}

TEST(NightColorsTest, TheToggleAndItsShortcutSwitchEveryWindowAndTheChoiceOutlivesTheProgram)
{
    {
        ProgramWindows windows;
        TForm1& form1 = windows.program->form1;
        EXPECT_EQ(form1.NIGHTMODE->toolTip(), QStringLiteral("Colori notturni"));
        EXPECT_FALSE(form1.NIGHTMODE->isChecked());
        form1.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
        QTest::keyClick(&form1, Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(tk::NightColors());
        EXPECT_TRUE(form1.NIGHTMODE->isChecked());
        EXPECT_EQ(GlareIn(windows.program->form8->grab().toImage()).count, 0) << "a window not on screen";
        QFile settings(windows.Folder() + QStringLiteral("/ORVAN_INI.INI"));
        ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
        EXPECT_FALSE(settings.readAll().contains("night"));
    }
    {
        tk::ColorScheme::instance().setNight(false);  // as a new process starts
        ProgramWindows windows;
        EXPECT_TRUE(tk::NightColors()) << "remembered";
        EXPECT_TRUE(windows.program->form1.NIGHTMODE->isChecked());
        windows.program->form1.NIGHTMODE->click();
        EXPECT_FALSE(tk::NightColors());
    }
    ProgramWindows windows;
    EXPECT_FALSE(tk::NightColors()) << "remembered off";
}

}  // namespace
