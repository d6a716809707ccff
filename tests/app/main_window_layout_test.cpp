// The stored layout of the main window, control by control.

#include "app/main_window.h"

#include "support/main_window_fixture.h"
#include "toolkit/color.h"
#include "widgets/numeric/aligned_edit.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace tk = toolkit;

namespace {

constexpr int kAuto = -1;              // a label is as large as its text
constexpr tk::TColor kAny = -2;        // no colour of its own to check
constexpr tk::TColor kForm = tk::RGB(57, 64, 94);
constexpr tk::TColor kComputed = tk::RGB(191, 242, 241);
constexpr tk::TColor kCyan = tk::RGB(128, 255, 255);

enum class Edit { None, Input, ReadOnly };

struct Control {
    const char* name;
    int x, y, width, height;
    const char* caption;  // nullptr: not checked
    tk::TColor color;     // text colour of labels and captions, background of fields and pages
    Edit edit = Edit::None;
};

// Positions are relative to the parent, as in the stored layout.
const Control kControls[] = {
    {"PageControl1", 0, 0, 500, 396, nullptr, kAny},
    {"Panel1", 0, 396, 501, 41, nullptr, tk::RGB(0, 128, 192)},
    {"Label4", 5, 12, kAuto, kAuto, "Correzione da carta f ( Declinazione )", tk::clWhite},
    {"EDDECL", 330, 7, 76, 24, nullptr, tk::RGB(255, 255, 196), Edit::ReadOnly},
    {"SETDECLI", 425, 5, 66, 31, "Set", kAny},
    {"SBEXIT", 190, 400, 126, 31, "USCITA", kAny},
    {"NIGHTMODE", 470, 1, 26, 20, "", kAny},
    {"COSTIERA", 440, 1, 26, 20, "", kAny},
    {"REGISTRO", 410, 1, 26, 20, "", kAny},
    {"BORDO", 391, 1, 18, 20, "", kAny},
    {"TabSheet1", kAuto, kAuto, kAuto, kAuto, "Prore", kForm},
    {"TabSheet2", kAuto, kAuto, kAuto, kAuto, "Rilevamenti", kForm},
    {"TabSheet3", kAuto, kAuto, kAuto, kAuto, "Correnti", kForm},
    {"TabSheet4", kAuto, kAuto, kAuto, kAuto, "Autonomia", kForm},
    {"TabSheet5", kAuto, kAuto, kAuto, kAuto, "Tabelle", kForm},
    {"TabSheet6", kAuto, kAuto, kAuto, kAuto, "Uscita", kForm},
    // Prore
    {"GroupBox1", 5, 10, 266, 216, "  Calcolo delle prore  ", tk::clWhite},
    {"LabelPB", 5, 39, kAuto, kAuto, "Prora Bussola", tk::clRed},
    {"EDPB", 130, 35, 81, 24, nullptr, tk::clWindow, Edit::Input},
    {"PBCLEAR", 225, 36, 23, 22, "", kAny},
    {"LabelPM", 5, 81, kAuto, kAuto, "Prora Magnetica", tk::clLime},
    {"EDPM", 130, 77, 81, 24, nullptr, tk::clWindow, Edit::Input},
    {"PMCLEAR", 225, 78, 23, 22, "", kAny},
    {"LabelPV", 5, 119, kAuto, kAuto, "Prora Vera", tk::clYellow},
    {"EDPV", 130, 115, 81, 24, nullptr, tk::clWindow, Edit::Input},
    {"PVCLEAR", 225, 116, 23, 22, "", kAny},
    {"LabelDEVIAZ", 5, 159, kAuto, kAuto, "Deviazione", kCyan},
    {"EDDEVIAZ", 130, 155, 81, 24, nullptr, kComputed, Edit::Input},  // a deviation may be given
    {"DEVCLEAR", 225, 156, 23, 22, "", kAny},
    {"CALCPRORE", 215, 285, 91, 41, "Calcola", kAny},
    {"AZZERAPRORE", 160, 285, 41, 41, "", kAny},
    {"InstBlotter1", 280, 20, 208, 208, nullptr, tk::clGray},
    {"IMGPRORE", 4, 4, 200, 200, nullptr, kAny},
    // Rilevamenti
    {"PageControl2", 0, 15, 491, 346, nullptr, kAny},
    {"TabSheet7", kAuto, kAuto, kAuto, kAuto, "Vero e Bussola", kForm},
    {"TabSheet9", kAuto, kAuto, kAuto, kAuto, "Polari", kForm},
    {"LabelPBR", 5, 19, kAuto, kAuto, "Prora Bussola", tk::clRed},
    {"EDPBR", 160, 15, 76, 24, nullptr, tk::clWindow, Edit::Input},
    {"LabelRB", 5, 54, kAuto, kAuto, "Rilevamento Bussola", tk::clYellow},
    {"EDRB", 160, 50, 76, 24, nullptr, tk::clWindow, Edit::Input},
    {"RBCLEAR", 245, 51, 23, 22, "", kAny},
    {"LabelRV", 5, 84, kAuto, kAuto, "Rilevamento Vero", tk::clLime},
    {"EDRV", 160, 80, 76, 24, nullptr, tk::clWindow, Edit::Input},
    {"RVCLEAR", 245, 81, 23, 22, "", kAny},
    {"LabelDEVVB", 10, 134, kAuto, kAuto, "Deviazione", kCyan},
    {"EDDEVVB", 160, 130, 76, 24, nullptr, kComputed, Edit::Input},
    {"DEVVBCLEAR", 245, 131, 23, 22, "", kAny},
    {"CALCVB", 205, 249, 86, 41, "Calcola", kAny},
    {"AZZERARIL", 150, 249, 41, 41, "", kAny},
    {"InstBlotter2", 277, 5, 208, 208, nullptr, tk::clGray},
    {"IMGRVB", 4, 4, 200, 200, nullptr, kAny},
    {"LabelPVC", 5, 14, kAuto, kAuto, "Prora Vera", tk::clRed},
    {"EDPVC", 155, 10, 76, 24, nullptr, tk::clWindow, Edit::Input},
    {"PVCCLEAR", 240, 11, 23, 22, "", kAny},
    {"LabelRP", 5, 44, kAuto, kAuto, "Rilevamento Polare", tk::clYellow},
    {"EDRP", 155, 40, 76, 24, nullptr, tk::clWindow, Edit::Input},
    {"RPCLEAR", 240, 41, 23, 22, "", kAny},
    {"LabelRVC", 5, 74, kAuto, kAuto, "Rilevamento Vero", tk::clLime},
    {"EDRVC", 155, 70, 76, 24, nullptr, tk::clWindow, Edit::Input},
    {"RVCCLEAR", 240, 71, 23, 22, "", kAny},
    {"GroupBox4", 10, 105, 246, 111, "", tk::clWhite},
    {"RBCIRC", 10, 16, 230, 20, "Circolare [ 0 - 360\u00B0 ]", tk::clWhite},
    {"RBSEMIDX", 10, 46, 230, 20, "SemiCircolare dritta  [ + (0 - 180\u00B0)  ]", tk::clWhite},
    {"RBSEMISX", 10, 76, 230, 20, "SemiCircolare sinistra [ - (0 - 180\u00B0) ]", tk::clWhite},
    {"CALCPOL", 205, 249, 86, 41, "Calcola", kAny},
    {"AZZERAPOL", 150, 249, 41, 41, "", kAny},
    {"InstBlotter4", 272, 5, 208, 208, nullptr, tk::clGray},
    {"IMGRP", 4, 4, 200, 200, nullptr, kAny},
    // Correnti
    {"Label16", 10, 15, kAuto, kAuto, "Prora Vera", tk::clRed},
    {"Label17", 10, 47, kAuto, kAuto, "Velocit\u00E0 Propria", tk::clRed},
    {"Label18", 10, 85, kAuto, kAuto, "Direzione Corrente", tk::clLime},
    {"Label19", 10, 115, kAuto, kAuto, "Velocit\u00E0 Corrente ", tk::clLime},
    {"Label20", 10, 167, kAuto, kAuto, "Rotta Vera", tk::clYellow},
    {"Label21", 10, 200, kAuto, kAuto, "Velocit\u00E0 effettiva", tk::clYellow},
    {"Label23", 235, 45, kAuto, kAuto, "nodi", tk::clWindow},
    {"Label22", 235, 115, kAuto, kAuto, "nodi", tk::clWindow},
    {"Label24", 235, 200, kAuto, kAuto, "nodi", tk::clWindow},
    {"EDPVCOR", 150, 11, 81, 24, nullptr, kComputed, Edit::Input},
    {"EDVPCOR", 175, 41, 56, 24, nullptr, kComputed, Edit::Input},
    {"EDDCOR", 150, 81, 81, 24, nullptr, kComputed, Edit::Input},
    {"EDVCOR", 175, 111, 56, 24, nullptr, kComputed, Edit::Input},
    {"EDRVCOR", 150, 161, 81, 24, nullptr, tk::clWindow, Edit::Input},
    {"EDVECOR", 175, 196, 56, 24, nullptr, tk::clWindow, Edit::Input},
    {"CLEARPVCOR", 240, 12, 23, 22, "", kAny},
    {"CLEARDCOR", 240, 82, 23, 22, "", kAny},
    {"CLEARRVCOR", 240, 162, 23, 22, "", kAny},
    {"LabelSCAR", 10, 247, kAuto, kAuto, "Scarroccio", tk::clAqua},
    {"EDSCAR", 150, 243, 81, 24, nullptr, tk::clWindow, Edit::Input},
    {"CLEARSCAR", 240, 244, 23, 22, "", kAny},
    {"CALCCOR", 210, 280, 86, 41, "Calcola", kAny},
    {"AZZERACOR", 155, 280, 41, 41, "", kAny},
    {"USADATI", 305, 280, 140, 41, "Dati di bordo", kAny},
    {"InstBlotter5", 277, 10, 208, 208, nullptr, tk::clGray},
    {"IMGCOR", 4, 4, 200, 200, nullptr, kAny},
    // Autonomia
    {"GroupBox2", 5, 5, 476, 121, " Spazio - Velocit\u00E0 - Tempo  ", kCyan},
    {"Label27", 10, 22, kAuto, kAuto, "Cammino totale", tk::clWindow},
    {"SPCT", 175, 19, 55, 22, nullptr, tk::clWindow, Edit::Input},
    {"Label31", 255, 22, kAuto, kAuto, "miglia", tk::clWindow},
    {"CALCCT", 370, 20, 85, 21, "Calcola", kAny},
    {"Label29", 10, 50, kAuto, kAuto, "Velocit\u00E0 Media ", tk::clWindow},
    {"SPVM", 175, 47, 55, 22, nullptr, tk::clWindow, Edit::Input},
    {"Label30", 255, 50, kAuto, kAuto, "nodi", tk::clWindow},
    {"CALCVM", 370, 48, 85, 21, "Calcola", kAny},
    {"Label28", 10, 90, kAuto, kAuto, "Tempo totale", tk::clWindow},
    {"SPORE", 160, 86, 16, 24, nullptr, kAny},
    {"EDTT", 175, 86, 56, 24, nullptr, tk::clWindow, Edit::Input},  // "1:30" or minutes may be typed
    {"SPMIN", 230, 86, 16, 24, nullptr, kAny},
    {"Label33", 255, 90, kAuto, kAuto, "hh:mm", tk::clWindow},
    {"CALCTT", 370, 88, 85, 21, "Calcola", kAny},
    {"Label34", 10, 177, kAuto, kAuto, "Potenza motore", tk::clWindow},
    {"SPHP", 180, 174, 60, 22, nullptr, tk::clWindow, Edit::Input},
    {"Label35", 260, 177, kAuto, kAuto, "HP", tk::clWindow},
    {"CALCHP", 375, 175, 85, 21, "Calcola", kAny},
    {"Label36", 10, 207, kAuto, kAuto, "Consumo specifico", tk::clWindow},
    {"SPCS", 180, 204, 60, 22, nullptr, tk::clWindow, Edit::Input},
    {"Label37", 260, 207, kAuto, kAuto, "g / HP / h", tk::clWindow},
    {"CALCCS", 375, 205, 85, 21, "Calcola", kAny},
    {"Label32", 10, 265, kAuto, kAuto, "Autonomia", tk::clWindow},
    {"SPAUTO", 180, 264, 60, 22, nullptr, tk::clWindow, Edit::Input},
    {"Label38", 260, 265, kAuto, kAuto, "litri carburante", tk::clWindow},
    {"CALCAUTO", 375, 265, 85, 21, "Calcola", kAny},
    {"Label26", 10, 300, kAuto, kAuto, "Autonomia  +30%", kCyan},
    {"EDAUTO30", 180, 296, 61, 24, nullptr, tk::RGB(202, 255, 255), Edit::Input},
    {"Label39", 260, 300, kAuto, kAuto, "litri carburante", kCyan},
    {"Label8", 5, 350, kAuto, kAuto, "Peso Spec. Carburante = 0.833", tk::RGB(128, 255, 128)},
    {"LabelPART", 10, 141, kAuto, kAuto, "Ora partenza", tk::clWindow},
    {"SPPART", 180, 137, 60, 24, nullptr, kAny},
    {"LabelARRIVO", 260, 141, kAuto, kAuto, "Ora arrivo", tk::clWindow},
    {"EDARRIVO", 375, 137, 85, 24, nullptr, tk::RGB(202, 255, 255), Edit::ReadOnly},
    {"LabelLH", 10, 237, kAuto, kAuto, "Consumo orario", tk::clWindow},
    {"SPLH", 180, 234, 60, 22, nullptr, tk::clWindow, Edit::Input},
    {"LabelLHUNIT", 260, 237, kAuto, kAuto, "l / h", tk::clWindow},
    {"CALCLH", 375, 235, 85, 21, "Calcola", kAny},
    {"CBCARB", 200, 345, 115, 22, nullptr, kAny},
    {"SPDENS", 325, 345, 65, 22, nullptr, tk::clWindow, Edit::Input},
    // Tabelle
    {"Label10", 185, 10, kAuto, kAuto, "Tabella  Deviazioni", tk::clLime},
    {"SGDEV", 140, 30, 226, 336, nullptr, kAny},
    {"BTNMODIFICA", 378, 30, 110, 28, "Modifica…", kAny},
    {"BTNGIRO", 378, 66, 110, 28, "Giro bussola…", kAny},
    {"BTNCURVA", 378, 102, 110, 28, "Curva…", kAny},
    {"LBINUSO", 378, 142, kAuto, kAuto, "Tabella in uso:", tk::clWindow},
    {"LBTABELLA", 378, 160, kAuto, kAuto, "DEVIAZIONI.TXT", tk::clWindow},
    // Uscita
    {"Image1", 0, 0, 492, 368, nullptr, kAny},
    {"SQVER", 415, 49, 66, 22, "Ver. 3.0", tk::clWindow},
    {"Label9", 5, 349, 111, 17, nullptr, tk::clSilver},
};

QString CaptionOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    // A tab page's caption is its tab's text.
    for (const QObject* p = w->parent(); p; p = p->parent())
        if (const auto* tabs = qobject_cast<const QTabWidget*>(p))
            return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(w)));
    return {};
}

tk::TColor ColorOf(const QWidget* w)
{
    if (const auto* edit = qobject_cast<const TAlignedEdit*>(w))
        return edit->Color();
    const bool textColour = qobject_cast<const QLabel*>(w) || qobject_cast<const QGroupBox*>(w)
                            || qobject_cast<const QAbstractButton*>(w);
    const QColor c = w->palette().color(textColour ? QPalette::WindowText : QPalette::Window);
    return tk::RGB(c.red(), c.green(), c.blue());
}

}  // namespace

class MainWindowLayoutTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        WriteTable("0;1\r\n");
        Start(false);
    }
};

TEST_F(MainWindowLayoutTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orvane 2004"));
    EXPECT_EQ(form->size(), QSize(500, 439));
    for (const Control& c : kControls) {
        const auto* w = form->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        const QRect g = w->geometry();
        if (c.x != kAuto) {
            EXPECT_EQ(g.topLeft(), QPoint(c.x, c.y)) << c.name;
        }
        if (c.width != kAuto) {
            EXPECT_EQ(g.size(), QSize(c.width, c.height)) << c.name;
        }
        if (c.caption) {
            EXPECT_EQ(CaptionOf(w), QString::fromUtf8(c.caption)) << c.name;
        }
        if (c.color != kAny) {
            EXPECT_EQ(tk::ResolveColor(ColorOf(w)), tk::ResolveColor(c.color)) << c.name;
        }
        const auto* edit = qobject_cast<const QLineEdit*>(w);
        ASSERT_EQ(edit != nullptr, c.edit != Edit::None) << c.name;
        if (edit) {
            EXPECT_EQ(edit->isReadOnly(), c.edit == Edit::ReadOnly) << c.name;
        }
    }
}

TEST_F(MainWindowLayoutTest, NoTwoControlsShareAName)
{
    QStringList names;
    for (const QObject* o : form->findChildren<QObject*>()) {
        const QString name = o->objectName();
        // The parts of Qt's own tab bars are not controls of the layout.
        const bool qtPart = name.startsWith(QLatin1String("qt_")) || qobject_cast<const QTabBar*>(o->parent());
        if (!name.isEmpty() && !qtPart)
            names << name;
    }
    const QSet<QString> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size()) << names.join(QLatin1Char(' ')).toStdString();

    // Every named control is in the layout table, so none escapes it.
    QSet<QString> listed{QStringLiteral("SplashTimer")};
    for (const Control& c : kControls)
        listed.insert(QString::fromLatin1(c.name));
    for (const QString& name : unique)
        EXPECT_TRUE(listed.contains(name)) << name.toStdString();
}
