// The night colours: every window on screen dark red on black, pixel by
// pixel; back to the day colours; remembered across a restart.

#include "coastal/coastal_window.h"
#include "coastal/position_entry.h"
#include "dialogs/position_dialog.h"

#include "support/night_scope.h"
#include "support/program_windows.h"
#include "toolkit/image.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/aligned_edit.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Green and blue may be at most this share of red.
constexpr double kGreenBlueShare = 0.4;

// Empty when every pixel of the picture keeps the night rule, else how many
// do not and where the first lies, on which control of the window.
std::string Glare(const QImage& picture, const QWidget* window)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    QPoint first;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int r = qRed(p);
            if ((r > toolkit::kNightRedMax || qGreen(p) > kGreenBlueShare * r || qBlue(p) > kGreenBlueShare * r)
                && count++ == 0)
                first = QPoint(x, y);
        }
    if (count == 0)
        return {};
    const QWidget* under = window && window->childAt(first) ? window->childAt(first) : window;
    return QStringLiteral("%1 pixels, the first at (%2, %3) #%4 on %5 %6")
        .arg(count)
        .arg(first.x())
        .arg(first.y())
        .arg(image.pixel(first) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
        .arg(QString::fromLatin1(under ? under->metaObject()->className() : "a picture"),
             under ? under->objectName() : QString())
        .toStdString();
}

std::string Glare(QWidget* window)
{
    return Glare(window->grab().toImage(), window);
}

// A window of the program as it is shown in one state.
struct Shown {
    const char* what;
    std::function<QWidget*(ProgramWindows&)> show;
};

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << shown.what;
}

QWidget* OnTab(ProgramWindows& w, int tab, int inner = 0)
{
    w.program->form1.PageControl2->setCurrentIndex(inner);
    w.program->form1.PageControl1->setCurrentIndex(tab);
    return &w.program->form1;
}

QWidget* Dialog(QWidget* dialog)
{
    dialog->show();
    return dialog;
}

const Shown kShown[] = {
    {"the splash with its photograph",
     [](ProgramWindows& w) {
         w.program->form1.show();
         // The photograph is decoded after the first paint.
         EXPECT_TRUE(QTest::qWaitFor([&] { return w.program->form1.Image1->HasPicture(); }));
         return OnTab(w, 5);
     }},
    {"Prore after a calculation",
     [](ProgramWindows& w) {
         w.program->form1.EDPB->setText(QStringLiteral("x"));
         w.program->form1.CALCPROREClick();
         return OnTab(w, 0);
     }},
    {"Rilevamenti", [](ProgramWindows& w) { return OnTab(w, 1); }},
    {"Polari", [](ProgramWindows& w) { return OnTab(w, 1, 1); }},
    {"Correnti", [](ProgramWindows& w) { return OnTab(w, 2); }},
    {"Autonomia", [](ProgramWindows& w) { return OnTab(w, 3); }},
    {"Tabelle", [](ProgramWindows& w) { return OnTab(w, 4); }},
    {"the angle dialog", [](ProgramWindows& w) { return Dialog(w.program->form2.get()); }},
    {"the speed dialog", [](ProgramWindows& w) { return Dialog(w.program->form3.get()); }},
    {"the declination dialog", [](ProgramWindows& w) { return Dialog(w.program->form4.get()); }},
    {"the position dialog", [](ProgramWindows& w) { return Dialog(w.program->form4->Form5); }},
    {"its calendar", [](ProgramWindows& w) { return Dialog(w.program->form4->Form5->DTDATA->calendarWidget()); }},
    {"the table editor", [](ProgramWindows& w) { return Dialog(w.program->form6.get()); }},
    {"the table editor's examples",
     [](ProgramWindows& w) {
         Dialog(w.program->form6.get());
         w.program->form6->BTNESEMPIOClick();
         return static_cast<QWidget*>(w.program->form6->MNESEMPIO);
     }},
    {"the compass swing", [](ProgramWindows& w) { return Dialog(w.program->form7.get()); }},
    {"the curve",
     [](ProgramWindows& w) {
         w.program->form8->Refresh();
         return Dialog(w.program->form8.get());
     }},
    {"the coastal window's three tabs",
     [](ProgramWindows& w) {
         TForm9& coastal = *w.program->form9;
         coastal.EDCARATT->setText(QStringLiteral("Lam.(2)10s42m18M"));
         coastal.CharacteristicTyped(coastal.EDCARATT->text());
         coastal.CALCFARIClick();
         coastal.PageControl9->setCurrentIndex(2);
         return Dialog(&coastal);
     }},
    {"Lossodromia", [](ProgramWindows& w) {
         w.program->form9->PageControl9->setCurrentIndex(1);
         return Dialog(w.program->form9.get());
     }},
    {"Traverso", [](ProgramWindows& w) { return Dialog(w.program->form9.get()); }},
    {"the coastal position dialog", [](ProgramWindows& w) { return Dialog(w.program->form9->positionEntry); }},
    {"the calculation log, one entry selected",
     [](ProgramWindows& w) {
         for (const char* source : {"Prore", "Traverso"})
             w.program->log.Add({source, {{"Pb", "100\u00B0 00'", nav::Origin::Table}}, {"Pm = Pb + \u03B4"}, {}});
         w.program->form10->ELENCO->item(0)->setSelected(true);
         return Dialog(w.program->form10.get());
     }},
    {"the on-board data", [](ProgramWindows& w) { return Dialog(w.program->form11.get()); }},
    {"a file dialog, icons and all",
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
    window->window()->show();
    EXPECT_EQ(Glare(window), "") << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, NightWindowTest, testing::ValuesIn(kShown),
                         [](const testing::TestParamInfo<Shown>& info) { return std::to_string(info.index); });

TEST(NightColorsTest, MessageBoxesToolTipsAndTheWindowIconAreNightColoured)
{
    ProgramWindows windows;
    NightScope night;
    TForm1& form1 = windows.program->form1;
    form1.show();
    toolkit::Platform real;
    toolkit::ScopedPlatform boxes(real);
    for (const auto& open : std::initializer_list<std::function<void()>>{
             [&] { real.ErrorBox(&form1, QStringLiteral("Nessun dato da calcolare.")); },
             [&] { real.ConfirmBox(&form1, QStringLiteral("Esco dal programma ? ")); }}) {
        std::string glare = "no box";
        QTimer::singleShot(0, [&] {
            glare = Glare(QApplication::activeModalWidget());
            QApplication::activeModalWidget()->close();
        });
        open();
        EXPECT_EQ(glare, "");
    }
    QToolTip::showText(form1.mapToGlobal(QPoint()), form1.NIGHTMODE->toolTip(), &form1);
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->inherits("QTipLabel") && tip->isVisible()) {
            EXPECT_EQ(Glare(tip), "");
        }
    }
    QToolTip::hideText();
    EXPECT_EQ(Glare(QGuiApplication::windowIcon().pixmap(32).toImage(), nullptr), "");
}

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
    EXPECT_EQ(prore.pixelColor(form1.EDPB->mapTo(&form1, form1.EDPB->rect().center())), QColor(Qt::white));
    EXPECT_EQ(prore.pixelColor(form1.TabSheet1->mapTo(&form1, QPoint(10, 300))), QColor(57, 64, 94));
    EXPECT_EQ(prore.pixelColor(form1.Panel1->mapTo(&form1, QPoint(300, 20))), QColor(0, 128, 192));
}

TEST(NightColorsTest, TheToggleAndItsShortcutSwitchEveryWindowAndTheChoiceOutlivesTheProgram)
{
    {
        ProgramWindows windows;
        TForm1& form1 = windows.program->form1;
        EXPECT_EQ(form1.NIGHTMODE->toolTip(), QStringLiteral("Colori notturni"));
        form1.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
        QTest::keyClick(&form1, Qt::Key_N, Qt::ControlModifier);
        EXPECT_TRUE(form1.NIGHTMODE->isChecked());
        EXPECT_EQ(Glare(windows.program->form8.get()), "") << "a window not on screen";
        QFile chartData(windows.Folder() + QStringLiteral("/ORVAN_INI.INI"));
        ASSERT_TRUE(chartData.open(QIODevice::ReadOnly));
        EXPECT_EQ(chartData.readAll().count('\n'), 4) << "four lines, no more";
    }
    {
        toolkit::ColorScheme::instance().setNight(false);  // as a new process starts
        ProgramWindows windows;
        EXPECT_TRUE(windows.program->form1.NIGHTMODE->isChecked()) << "remembered";
        EXPECT_TRUE(toolkit::NightColors());
        windows.program->form1.NIGHTMODE->click();
    }
    ProgramWindows windows;
    EXPECT_FALSE(toolkit::NightColors()) << "remembered off";
}

}  // namespace
