// The stored layout of the main window: positions, captions, colours.

#include "app/main_window.h"

#include "nav/endurance.h"
#include "toolkit/accessible_names.h"
#include "toolkit/color_scheme.h"
#include "toolkit/first_paint.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/image.h"
#include "toolkit/jpeg.h"
#include "toolkit/speed_button.h"
#include "toolkit/string_grid.h"
#include "toolkit/up_down.h"
#include "widgets/instruments/inst_blotter.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

using toolkit::RGB;
using toolkit::TColor;
namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 500;
constexpr int kClientHeight = 439;
constexpr TColor kFormColor = RGB(57, 64, 94);
constexpr TColor kPanelColor = RGB(0, 128, 192);
constexpr TColor kDeviationLabelColor = RGB(128, 255, 255);
constexpr TColor kComputedFieldColor = RGB(191, 242, 241);
constexpr TColor kDeclinationFieldColor = RGB(255, 255, 196);
constexpr TColor kReserveFieldColor = RGB(202, 255, 255);
constexpr TColor kGroupCaptionColor = RGB(128, 255, 255);
constexpr TColor kDensityNoteColor = RGB(128, 255, 128);

constexpr int kWindowFontPx = 11;
constexpr int kFieldFontPx = 13;
constexpr int kLabelFontPx = 13;
constexpr int kVersionFontPx = 13;
constexpr int kCreditsFontPx = 8;

constexpr int kSplashMs = 1500;
constexpr int kGridRowHeight = 20;
constexpr int kGridStoredRows = 5;
constexpr int kGridColumns = 3;
constexpr int kCardButtonX = 378;
constexpr int kCardButtonTop = 30;
constexpr int kCardButtonStep = 36;
constexpr int kCardButtonWidth = 110;
constexpr int kCardButtonHeight = 28;
constexpr int kTableNameTop = 142;
constexpr int kTableNameStep = 18;

// In the tab row, right of the last tab.
constexpr QRect kNightToggle(470, 1, 26, 20);
constexpr QRect kCoastalButton(440, 1, 26, 20);
constexpr QRect kWorksheetButton(410, 1, 26, 20);
// The tabs leave 20 pixels left of the log's button: narrower, with a smaller glyph.
constexpr QRect kOnboardButton(391, 1, 18, 20);
constexpr int kOnboardGlyph = 14;
// "Dati di bordo" on "Correnti", right of "Calcola" below the diagram.
constexpr QRect kUseInstrumentsButton(305, 280, 140, 41);

constexpr int kClearButtonWidth = 23;
constexpr int kClearButtonHeight = 22;
constexpr int kSmallGlyph = 16;
constexpr int kLargeGlyph = 24;
// A label sits a little lower than the 24-pixel field of its row.
constexpr int kLabelDrop = 4;
constexpr int kClearButtonDrop = 1;

constexpr int kBlotterSize = 208;
// The button that empties a tab, beside its "Calcola".
constexpr int kClearAllSize = 41;
constexpr int kClearAllGap = 14;

using Align = TAlignedEdit::TAlignment;

QFont LabelFont(int px = kLabelFontPx)
{
    return tk::UiFont(px, true);
}

TAlignedEdit* MakeField(QWidget* parent, const QString& name, int x, int y, int width, int height,
                        bool readOnly, Align align = Align::taRightJustify,
                        TColor color = tk::clWindow)
{
    auto* edit = new TAlignedEdit(parent);
    edit->setObjectName(name);
    edit->setFont(tk::UiFont(kFieldFontPx));
    edit->setGeometry(x, y, width, height);
    edit->setReadOnly(readOnly);
    edit->setAlignment(align);
    edit->setColor(color);
    tk::SetPaletteColor(edit, QPalette::Text, tk::clBlack);
    return edit;
}

tk::SpeedButton* MakeClearButton(QWidget* parent, const QString& name, int x, int y)
{
    auto* b = new tk::SpeedButton(parent, name, QString(), tk::Glyph(tk::GlyphKind::Clear, kSmallGlyph));
    b->setGeometry(x, y, kClearButtonWidth, kClearButtonHeight);
    return b;
}

// Left of the tab's "Calcola", in the free room under the fields.
tk::SpeedButton* MakeClearAllButton(QWidget* parent, const QString& name, const tk::SpeedButton* calcola)
{
    auto* b = new tk::SpeedButton(parent, name, QString(), tk::Glyph(tk::GlyphKind::ClearAll, kLargeGlyph));
    b->setToolTip(QCoreApplication::translate("TForm1", "Azzera"));
    b->setGeometry(calcola->x() - kClearAllGap - kClearAllSize, calcola->y(), kClearAllSize, kClearAllSize);
    return b;
}

// A result that a problem may also give, through the field's dialog: the
// text changes only by program, and the keyboard opens the dialog too.
void AlsoGiven(TAlignedEdit* field)
{
    field->setReadOnly(false);
    field->setDialogEntry(true);
}

tk::SpeedButton* MakeCalcButton(QWidget* parent, const QString& name, int x, int y, int width,
                                int height, int glyphSize = kLargeGlyph)
{
    auto* b = new tk::SpeedButton(parent, name, QCoreApplication::translate("TForm1", "Calcola"),
                                  tk::Glyph(tk::GlyphKind::Calculate, glyphSize));
    b->setFont(tk::UiFont(glyphSize == kLargeGlyph ? kLabelFontPx : kWindowFontPx, true));
    b->setGeometry(x, y, width, height);
    return b;
}

// A gray panel framed in green and lime, its diagram picture filling the inside of the frame.
tk::Image* MakeDiagramPanel(QWidget* parent, const QString& panelName, const QString& imageName,
                            int x, int y)
{
    auto* panel = new TInstBlotter(parent);
    panel->setObjectName(panelName);
    panel->setGeometry(x, y, kBlotterSize, kBlotterSize);
    panel->setColor(tk::clGray);
    auto* image = new tk::Image(panel, imageName);
    panel->AlignClient(image);
    return image;
}

QWidget* MakePage(QTabWidget* tabs, const QString& name, const QString& caption)
{
    auto* page = new QWidget();
    page->setObjectName(name);
    tk::SetBackground(page, kFormColor);
    tabs->addTab(page, caption);
    return page;
}

struct Row {
    QString label;
    TColor color;
    int y;
    TAlignedEdit** field;
    const char* name;
    bool readOnly;
    const char* clear;  // nullptr: no clear button
};

// Columns of a block of rows: label, field and clear button.
struct RowColumns {
    int labelX;
    int readOnlyLabelX;
    int fieldX;
    int fieldWidth;
    int clearX;
};

constexpr int kFieldHeight = 24;

// One row per value: a bold label, an aligned edit (read-only ones in the
// computed colour, inputs filled only through their dialog) and, for inputs,
// a clear button. The row labels have no names of their own in the stored
// layout; each is named after its field ("LabelPB" beside EDPB), which no
// numbered layout name can take.
void BuildRows(QWidget* parent, std::initializer_list<Row> rows, const RowColumns& at)
{
    for (const Row& row : rows) {
        const QString field = QString::fromLatin1(row.name);
        tk::MakeLabel(parent, QStringLiteral("Label") + field.mid(2), row.label,
                      row.readOnly ? at.readOnlyLabelX : at.labelX, row.y + kLabelDrop, row.color,
                      LabelFont());
        *row.field = MakeField(parent, field, at.fieldX, row.y, at.fieldWidth, kFieldHeight,
                               row.readOnly, Align::taRightJustify,
                               row.readOnly ? kComputedFieldColor : tk::clWindow);
        (*row.field)->setDialogEntry(!row.readOnly);
        if (row.clear)
            MakeClearButton(parent, QString::fromLatin1(row.clear), at.clearX, row.y + kClearButtonDrop);
    }
}

}  // namespace

void TForm1::BuildLayout()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvane 2004"));
    // Only these buttons: a window of a fixed size has nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(tk::UiFont(kWindowFontPx));
    tk::SetBackground(this, kFormColor);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 500, 396);
    TabSheet1 = MakePage(PageControl1, QStringLiteral("TabSheet1"), tr("Prore"));
    TabSheet2 = MakePage(PageControl1, QStringLiteral("TabSheet2"), tr("Rilevamenti"));
    TabSheet3 = MakePage(PageControl1, QStringLiteral("TabSheet3"), tr("Correnti"));
    TabSheet4 = MakePage(PageControl1, QStringLiteral("TabSheet4"), tr("Autonomia"));
    TabSheet5 = MakePage(PageControl1, QStringLiteral("TabSheet5"), tr("Tabelle"));
    TabSheet6 = MakePage(PageControl1, QStringLiteral("TabSheet6"), tr("Uscita"));

    BuildUscita(TabSheet6);
    BuildExitButton();
    BuildNightToggle();
    BuildCoastalButton();
    BuildWorksheetButton();
    BuildOnboardButton();

    SplashTimer = new QTimer(this);
    SplashTimer->setObjectName(QStringLiteral("SplashTimer"));
    SplashTimer->setInterval(kSplashMs);
    SplashTimer->setSingleShot(true);

    PageControl1->setCurrentWidget(TabSheet5);  // the tab active in the stored layout
}

void TForm1::BuildPages()
{
    if (PageControl2)
        return;
    BuildProre(TabSheet1);

    PageControl2 = new QTabWidget(TabSheet2);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(0, 15, 491, 346);
    TabSheet7 = MakePage(PageControl2, QStringLiteral("TabSheet7"), tr("Vero e Bussola"));
    TabSheet9 = MakePage(PageControl2, QStringLiteral("TabSheet9"), tr("Polari"));
    BuildVeroBussola(TabSheet7);
    BuildPolari(TabSheet9);

    BuildCorrenti(TabSheet3);
    BuildAutonomia(TabSheet4);
    BuildTabelle(TabSheet5);
    BuildBottom();

    ConnectPageHandlers();
    FillDeviationGrid();
    // Controls made inside a page already on screen stay hidden until shown.
    for (QWidget* page : {TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5})
        if (page->isVisible())
            for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                control->show();
    toolkit::NameControls(this);
}

void TForm1::BuildProre(QWidget* page)
{
    auto* group = tk::MakeGroupBox(page, QStringLiteral("GroupBox1"),
                                   tr("  Calcolo delle prore  "), 5, 10, 266, 216,
                                   tk::clWhite, LabelFont());
    BuildRows(group,
              {{tr("Prora Bussola"), tk::clRed, 35, &EDPB, "EDPB", false, "PBCLEAR"},
               {tr("Prora Magnetica"), tk::clLime, 77, &EDPM, "EDPM", false, "PMCLEAR"},
               {tr("Prora Vera"), tk::clYellow, 115, &EDPV, "EDPV", false, "PVCLEAR"},
               {tr("Deviazione"), kDeviationLabelColor, 155, &EDDEVIAZ, "EDDEVIAZ", true, nullptr}},
              {5, 5, 130, 81, 225});
    AlsoGiven(EDDEVIAZ);
    LabelDEVIAZ = group->findChild<QLabel*>(QStringLiteral("LabelDEVIAZ"));
    DEVCLEAR = MakeClearButton(group, QStringLiteral("DEVCLEAR"), 225, 155 + kClearButtonDrop);

    CALCPRORE = MakeCalcButton(page, QStringLiteral("CALCPRORE"), 215, 285, 91, 41);
    AZZERAPRORE = MakeClearAllButton(page, QStringLiteral("AZZERAPRORE"), CALCPRORE);
    IMGPRORE = MakeDiagramPanel(page, QStringLiteral("InstBlotter1"), QStringLiteral("IMGPRORE"), 280, 20);
}

void TForm1::BuildVeroBussola(QWidget* page)
{
    BuildRows(page,
              {{tr("Prora Bussola"), tk::clRed, 15, &EDPBR, "EDPBR", false, nullptr},
               {tr("Rilevamento Bussola"), tk::clYellow, 50, &EDRB, "EDRB", false, "RBCLEAR"},
               {tr("Rilevamento Vero"), tk::clLime, 80, &EDRV, "EDRV", false, "RVCLEAR"},
               {tr("Deviazione"), kDeviationLabelColor, 130, &EDDEVVB, "EDDEVVB", true, nullptr}},
              {5, 10, 160, 76, 245});
    AlsoGiven(EDDEVVB);
    LabelDEVVB = page->findChild<QLabel*>(QStringLiteral("LabelDEVVB"));
    DEVVBCLEAR = MakeClearButton(page, QStringLiteral("DEVVBCLEAR"), 245, 130 + kClearButtonDrop);

    CALCVB = MakeCalcButton(page, QStringLiteral("CALCVB"), 205, 249, 86, 41);
    AZZERARIL = MakeClearAllButton(page, QStringLiteral("AZZERARIL"), CALCVB);
    IMGRVB = MakeDiagramPanel(page, QStringLiteral("InstBlotter2"), QStringLiteral("IMGRVB"), 277, 5);
}

void TForm1::BuildPolari(QWidget* page)
{
    BuildRows(page,
              {{tr("Prora Vera"), tk::clRed, 10, &EDPVC, "EDPVC", false, "PVCCLEAR"},
               {tr("Rilevamento Polare"), tk::clYellow, 40, &EDRP, "EDRP", false, "RPCLEAR"},
               {tr("Rilevamento Vero"), tk::clLime, 70, &EDRVC, "EDRVC", false, "RVCCLEAR"}},
              {5, 5, 155, 76, 240});

    auto* modes = tk::MakeGroupBox(page, QStringLiteral("GroupBox4"), QString(), 10, 105, 246, 111,
                                   tk::clWhite, tk::UiFont(kWindowFontPx));
    const struct {
        QRadioButton** button;
        const char* name;
        const char* caption;
        int y;
    } radios[] = {
        {&RBCIRC, "RBCIRC", QT_TR_NOOP("Circolare [ 0 - 360° ]"), 16},
        {&RBSEMIDX, "RBSEMIDX", QT_TR_NOOP("SemiCircolare dritta  [ + (0 - 180°)  ]"), 46},
        {&RBSEMISX, "RBSEMISX", QT_TR_NOOP("SemiCircolare sinistra [ - (0 - 180°) ]"), 76},
    };
    for (const auto& r : radios) {
        auto* button = new QRadioButton(tr(r.caption), modes);
        button->setObjectName(QString::fromLatin1(r.name));
        button->setGeometry(10, r.y, 230, 20);
        tk::SetTextColor(button, tk::clWhite);
        *r.button = button;
    }
    RBCIRC->setChecked(true);

    CALCPOL = MakeCalcButton(page, QStringLiteral("CALCPOL"), 205, 249, 86, 41);
    AZZERAPOL = MakeClearAllButton(page, QStringLiteral("AZZERAPOL"), CALCPOL);
    IMGRP = MakeDiagramPanel(page, QStringLiteral("InstBlotter4"), QStringLiteral("IMGRP"), 272, 5);
}

void TForm1::BuildCorrenti(QWidget* page)
{
    const struct {
        const char* name;
        const char* text;
        int x, y;
        TColor color;
    } labels[] = {
        {"Label16", QT_TR_NOOP("Prora Vera"), 10, 15, tk::clRed},
        {"Label17", QT_TR_NOOP("Velocità Propria"), 10, 47, tk::clRed},
        {"Label18", QT_TR_NOOP("Direzione Corrente"), 10, 85, tk::clLime},
        {"Label19", QT_TR_NOOP("Velocità Corrente "), 10, 115, tk::clLime},
        {"Label20", QT_TR_NOOP("Rotta Vera"), 10, 167, tk::clYellow},
        {"Label21", QT_TR_NOOP("Velocità effettiva"), 10, 200, tk::clYellow},
        {"Label23", QT_TR_NOOP("nodi"), 235, 45, tk::clWindow},
        {"Label22", QT_TR_NOOP("nodi"), 235, 115, tk::clWindow},
        {"Label24", QT_TR_NOOP("nodi"), 235, 200, tk::clWindow},
        {"LabelSCAR", QT_TR_NOOP("Scarroccio"), 10, 247, kWaterTrackColor},
    };
    for (const auto& l : labels)
        tk::MakeLabel(page, QString::fromLatin1(l.name), tr(l.text), l.x, l.y,
                      l.color, LabelFont());

    EDPVCOR = MakeField(page, QStringLiteral("EDPVCOR"), 150, 11, 81, 24, true, Align::taRightJustify, kComputedFieldColor);
    EDVPCOR = MakeField(page, QStringLiteral("EDVPCOR"), 175, 41, 56, 24, true, Align::taRightJustify, kComputedFieldColor);
    EDDCOR = MakeField(page, QStringLiteral("EDDCOR"), 150, 81, 81, 24, true, Align::taRightJustify, kComputedFieldColor);
    EDVCOR = MakeField(page, QStringLiteral("EDVCOR"), 175, 111, 56, 24, true, Align::taRightJustify, kComputedFieldColor);
    EDRVCOR = MakeField(page, QStringLiteral("EDRVCOR"), 150, 161, 81, 24, true);
    EDVECOR = MakeField(page, QStringLiteral("EDVECOR"), 175, 196, 56, 24, true);
    // Each pair may be given or computed: every field opens its dialog.
    for (TAlignedEdit* field : {EDPVCOR, EDVPCOR, EDDCOR, EDVCOR, EDRVCOR, EDVECOR})
        AlsoGiven(field);
    EDSCAR = MakeField(page, QStringLiteral("EDSCAR"), 150, 243, 81, 24, false);
    EDSCAR->setDialogEntry(true);
    EDSCAR->setToolTip(tr("+ il vento spinge a dritta, - a sinistra"));

    MakeClearButton(page, QStringLiteral("CLEARPVCOR"), 240, 12);
    MakeClearButton(page, QStringLiteral("CLEARDCOR"), 240, 82);
    MakeClearButton(page, QStringLiteral("CLEARRVCOR"), 240, 162);
    MakeClearButton(page, QStringLiteral("CLEARSCAR"), 240, 244);
    CALCCOR = MakeCalcButton(page, QStringLiteral("CALCCOR"), 210, 280, 86, 41);
    AZZERACOR = MakeClearAllButton(page, QStringLiteral("AZZERACOR"), CALCCOR);
    USADATI = new tk::SpeedButton(page, QStringLiteral("USADATI"), tr("Dati di bordo"),
                                  tk::Glyph(tk::GlyphKind::Instruments, kLargeGlyph));
    USADATI->setFont(tk::UiFont(kLabelFontPx, true));
    USADATI->setGeometry(kUseInstrumentsButton);
    USADATI->setToolTip(tr("Prora, rotta e velocità dagli strumenti di bordo"));
    IMGCOR = MakeDiagramPanel(page, QStringLiteral("InstBlotter5"), QStringLiteral("IMGCOR"), 277, 10);
}

void TForm1::BuildAutonomia(QWidget* page)
{
    auto* group = tk::MakeGroupBox(page, QStringLiteral("GroupBox2"),
                                   tr(" Spazio - Velocità - Tempo  "), 5, 5, 476, 121,
                                   kGroupCaptionColor, LabelFont());
    const struct {
        QWidget* parent;
        const char* name;
        const char* text;
        int x, y;
        TColor color;
        int px;
    } labels[] = {
        {group, "Label27", QT_TR_NOOP("Cammino totale"), 10, 22, tk::clWindow, kLabelFontPx},
        {group, "Label31", QT_TR_NOOP("miglia"), 255, 22, tk::clWindow, kLabelFontPx},
        {group, "Label29", QT_TR_NOOP("Velocità Media "), 10, 50, tk::clWindow, kLabelFontPx},
        {group, "Label30", QT_TR_NOOP("nodi"), 255, 50, tk::clWindow, kLabelFontPx},
        {group, "Label28", QT_TR_NOOP("Tempo totale"), 10, 90, tk::clWindow, kLabelFontPx},
        {group, "Label33", QT_TR_NOOP("hh:mm"), 255, 90, tk::clWindow, kLabelFontPx},
        {page, "Label34", QT_TR_NOOP("Potenza motore"), 10, 177, tk::clWindow, kLabelFontPx},
        {page, "Label35", QT_TR_NOOP("HP"), 260, 177, tk::clWindow, kLabelFontPx},
        {page, "Label36", QT_TR_NOOP("Consumo specifico"), 10, 207, tk::clWindow, kLabelFontPx},
        {page, "Label37", QT_TR_NOOP("g / HP / h"), 260, 207, tk::clWindow, kLabelFontPx},
        {page, "Label32", QT_TR_NOOP("Autonomia"), 10, 265, tk::clWindow, kLabelFontPx},
        {page, "Label38", QT_TR_NOOP("litri carburante"), 260, 265, tk::clWindow, kLabelFontPx},
        {page, "Label26", QT_TR_NOOP("Autonomia  +30%"), 10, 300, kGroupCaptionColor, kLabelFontPx},
        {page, "Label39", QT_TR_NOOP("litri carburante"), 260, 300, kGroupCaptionColor, kLabelFontPx},
        {page, "Label8", QT_TR_NOOP("Peso Spec. Carburante = 0.833"), 5, 350, kDensityNoteColor, kWindowFontPx},
        {page, "LabelPART", QT_TR_NOOP("Ora partenza"), 10, 141, tk::clWindow, kLabelFontPx},
        {page, "LabelARRIVO", QT_TR_NOOP("Ora arrivo"), 260, 141, tk::clWindow, kLabelFontPx},
        {page, "LabelLH", QT_TR_NOOP("Consumo orario"), 10, 237, tk::clWindow, kLabelFontPx},
        {page, "LabelLHUNIT", QT_TR_NOOP("l / h"), 260, 237, tk::clWindow, kLabelFontPx},
    };
    for (const auto& l : labels)
        tk::MakeLabel(l.parent, QString::fromLatin1(l.name), tr(l.text), l.x, l.y,
                      l.color, LabelFont(l.px));
    // The litres of fuel the passage needs, which English does not call the tab's endurance.
    auto* fuel = page->findChild<QLabel*>(QStringLiteral("Label32"));
    fuel->setText(tr("Autonomia", "litri di carburante necessari"));
    fuel->adjustSize();

    BuildEnduranceEntries(group, page);

    SPORE = new tk::UpDown(group, QStringLiteral("SPORE"), -32000, 32700, 0);
    SPORE->setGeometry(160, 86, 16, 24);
    // Typed as "1:30" or as minutes, and stepped with Up and Down, besides its arrows.
    EDTT = MakeField(group, QStringLiteral("EDTT"), 175, 86, 56, 24, false, Align::taCenter);
    tk::SetEntryHint(EDTT, tk::Entry::Time);
    EDTT->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}(:[0-9]{0,2})?")), EDTT));
    EDTT->setText(QStringLiteral("00:00"));
    SPMIN = new tk::UpDown(group, QStringLiteral("SPMIN"), 0, nav::kMaxMinutes, 0);
    SPMIN->setGeometry(230, 86, 16, 24);

    MakeCalcButton(group, QStringLiteral("CALCCT"), 370, 20, 85, 21, kSmallGlyph);
    MakeCalcButton(group, QStringLiteral("CALCVM"), 370, 48, 85, 21, kSmallGlyph);
    MakeCalcButton(group, QStringLiteral("CALCTT"), 370, 88, 85, 21, kSmallGlyph);
    MakeCalcButton(page, QStringLiteral("CALCHP"), 375, 175, 85, 21, kSmallGlyph);
    MakeCalcButton(page, QStringLiteral("CALCCS"), 375, 205, 85, 21, kSmallGlyph);
    MakeCalcButton(page, QStringLiteral("CALCAUTO"), 375, 265, 85, 21, kSmallGlyph);
    MakeCalcButton(page, QStringLiteral("CALCLH"), 375, 235, 85, 21, kSmallGlyph);

    EDAUTO30 = MakeField(page, QStringLiteral("EDAUTO30"), 180, 296, 61, 24, false, Align::taCenter,
                         kReserveFieldColor);
    tk::SetEntryHint(EDAUTO30, tk::Entry::Result);
    Label8 = page->findChild<QLabel*>(QStringLiteral("Label8"));
    BuildDepartureAndFuel(page);
}

void TForm1::BuildDepartureAndFuel(QWidget* page)
{
    SPPART = new QTimeEdit(page);
    SPPART->setObjectName(QStringLiteral("SPPART"));
    SPPART->setDisplayFormat(QStringLiteral("HH:mm"));
    SPPART->setAlignment(Qt::AlignCenter);
    SPPART->setFont(tk::UiFont(kWindowFontPx));
    SPPART->setGeometry(180, 137, 60, 24);
    tk::SetPaletteColor(SPPART, QPalette::Base, tk::clWindow);
    tk::SetPaletteColor(SPPART, QPalette::Text, tk::clBlack);
    EDARRIVO = MakeField(page, QStringLiteral("EDARRIVO"), 375, 137, 85, 24, true, Align::taCenter,
                         kReserveFieldColor);

    CBCARB = new QComboBox(page);
    CBCARB->setObjectName(QStringLiteral("CBCARB"));
    CBCARB->setAccessibleName(tr("Carburante"));
    CBCARB->setFont(tk::UiFont(kWindowFontPx));
    CBCARB->addItems({tr("Gasolio 0,833"), tr("Benzina 0,750"), tr("Altro…")});
    CBCARB->setGeometry(200, 345, 115, 22);
    SPDENS = new TSpinNumEdit(page);
    SPDENS->setObjectName(QStringLiteral("SPDENS"));
    SPDENS->setFont(tk::UiFont(kWindowFontPx));
    SPDENS->setGeometry(325, 345, 65, 22);
    SPDENS->setAlignment(Align::taCenter);
    SPDENS->setDecimals(kDensityDecimals);
    SPDENS->setMinValue(nav::kLightestFuel / kGramsPerKilogram);
    SPDENS->setMaxValue(nav::kHeaviestFuel / kGramsPerKilogram);
    SPDENS->setIncrement(kDensityStep);
    SPDENS->setValue(nav::kDieselGramsPerLitre / kGramsPerKilogram);
    SPDENS->hide();  // shown for another fuel
}

void TForm1::BuildEnduranceEntries(QWidget* group, QWidget* page)
{
    const struct {
        TSpinNumEdit** edit;
        QWidget* parent;
        const char* name;
        int x, y, width, height;
        int decimals;
        double maxValue, value, increment;
    } entries[] = {
        {&SPCT, group, "SPCT", 175, 19, 55, 22, 1, 9999, 1, 1},
        {&SPVM, group, "SPVM", 175, 47, 55, 22, 1, 100, 1, 1},
        {&SPHP, page, "SPHP", 180, 174, 60, 22, 1, 0, 0, 1},
        {&SPCS, page, "SPCS", 180, 204, 60, 22, kAutoDecimals, 0, 0, 5},
        {&SPAUTO, page, "SPAUTO", 180, 264, 60, 22, 1, 99999, 0, 1},
        {&SPLH, page, "SPLH", 180, 234, 60, 22, 1, 0, 0, 1},
    };
    for (const auto& e : entries) {
        auto* spin = new TSpinNumEdit(e.parent);
        spin->setObjectName(QString::fromLatin1(e.name));
        spin->setFont(tk::UiFont(kWindowFontPx));
        spin->setGeometry(e.x, e.y, e.width, e.height);
        spin->setAlignment(Align::taCenter);
        spin->setDecimals(e.decimals);
        spin->setMaxValue(e.maxValue);
        spin->setValue(e.value);
        spin->setIncrement(e.increment);
        *e.edit = spin;
    }
    // Power and consumption keep what was typed, which a calculation may
    // already have used; only their arrows step on whole HP and 5 g/HP/h.
    for (TSpinNumEdit* spin : {SPHP, SPCS, SPLH}) {
        spin->setSnapTyped(false);
        spin->setRoundValues(true);
    }
}

void TForm1::BuildTabelle(QWidget* page)
{
    tk::MakeLabel(page, QStringLiteral("Label10"), tr("Tabella  Deviazioni"), 185, 10,
                  tk::clLime, LabelFont());
    SGDEV = new tk::StringGrid(page, QStringLiteral("SGDEV"), kGridColumns, kGridStoredRows,
                               kGridRowHeight);
    SGDEV->setFont(tk::UiFont(kWindowFontPx));
    SGDEV->setGeometry(140, 30, 226, 336);

    // The deviation card's windows, in the free room right of the grid.
    const auto cardButton = [page](const QString& name, const QString& caption, int y) {
        auto* b = tk::TextButton(page, name, caption, QRect(kCardButtonX, y, kCardButtonWidth, kCardButtonHeight));
        b->setFont(tk::UiFont(kWindowFontPx, true));
        return b;
    };
    BTNMODIFICA = cardButton(QStringLiteral("BTNMODIFICA"), tr("Modifica…"), kCardButtonTop);
    BTNGIRO = cardButton(QStringLiteral("BTNGIRO"), tr("Giro bussola…"), kCardButtonTop + kCardButtonStep);
    BTNCURVA = cardButton(QStringLiteral("BTNCURVA"), tr("Curva…"), kCardButtonTop + 2 * kCardButtonStep);
    // The file of the table in use, below them.
    tk::MakeLabel(page, QStringLiteral("LBINUSO"), tr("Tabella in uso:"), kCardButtonX, kTableNameTop,
                  tk::clWindow, tk::UiFont(kWindowFontPx, true));
    LBTABELLA = tk::MakeLabel(page, QStringLiteral("LBTABELLA"), QString(), kCardButtonX,
                              kTableNameTop + kTableNameStep, tk::clWindow, tk::UiFont(kWindowFontPx));
    LBTABELLA->resize(kCardButtonWidth, LBTABELLA->fontMetrics().height());
}

void TForm1::BuildUscita(QWidget* page)
{
    Image1 = new tk::Image(page, QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, 492, 368);
    // Decoded once the window is on screen: the first picture comes sooner.
    tk::AfterFirstPaint(this, [this] { ShowPhotograph(); });

    auto* version = new QLabel(QStringLiteral("Ver. 3.0"), page);
    version->setObjectName(QStringLiteral("SQVER"));
    version->setGeometry(415, 49, 66, 22);
    version->setAlignment(Qt::AlignCenter);
    version->setFont(tk::UiFont(kVersionFontPx, true));
    tk::SetTextColor(version, tk::clWindow);

    auto* credits = new QLabel(tr("Navigazione costiera"), page);
    credits->setObjectName(QStringLiteral("Label9"));
    credits->setGeometry(5, 349, 111, 17);
    credits->setAlignment(Qt::AlignCenter);
    credits->setFont(tk::UiFont(kCreditsFontPx, true));
    tk::SetTextColor(credits, tk::clSilver);
}

void TForm1::ShowPhotograph()
{
    QFile photo(QStringLiteral(":/pictures/uscita.jpg"));
    if (!photo.open(QIODevice::ReadOnly))
        return;
    const tk::JpegResult decoded = tk::DecodeJpeg(photo.readAll());
    if (!decoded.image.isNull())
        Image1->ShowFitted(decoded.image);
}

void TForm1::BuildBottom()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 396, 501, 41);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    tk::SetBackground(Panel1, kPanelColor);
    tk::MakeLabel(Panel1, QStringLiteral("Label4"),
                  tr("Correzione da carta f ( Declinazione )"), 5, 12, tk::clWhite,
                  LabelFont());
    EDDECL = MakeField(Panel1, QStringLiteral("EDDECL"), 330, 7, 76, 24, true, Align::taRightJustify,
                       kDeclinationFieldColor);
    SETDECLI = new tk::SpeedButton(Panel1, QStringLiteral("SETDECLI"), tr("Set"),
                                   tk::Glyph(tk::GlyphKind::Settings, kSmallGlyph));
    SETDECLI->setFont(LabelFont());
    SETDECLI->setGeometry(425, 5, 66, 31);
    Panel1->hide();
    Panel1->stackUnder(SBEXIT);  // the stored order, the exit button on top
}

void TForm1::BuildNightToggle()
{
    NIGHTMODE = new tk::SpeedButton(this, QStringLiteral("NIGHTMODE"), QString(),
                                    tk::Glyph(tk::GlyphKind::Night, kSmallGlyph));
    NIGHTMODE->setCheckable(true);
    NIGHTMODE->setChecked(tk::NightColors());
    NIGHTMODE->setToolTip(tr("Colori notturni"));
    NIGHTMODE->setGeometry(kNightToggle);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(shortcut, &QShortcut::activated, NIGHTMODE, &tk::SpeedButton::click);
}

void TForm1::BuildCoastalButton()
{
    COSTIERA = new tk::SpeedButton(this, QStringLiteral("COSTIERA"), QString(),
                                   tk::Glyph(tk::GlyphKind::Lighthouse, kSmallGlyph));
    COSTIERA->setToolTip(tr("Navigazione costiera (Ctrl+K)"));
    COSTIERA->setGeometry(kCoastalButton);
    connect(COSTIERA, &tk::SpeedButton::clicked, this, &TForm1::CoastalRequested);
    auto* shortcut = new QShortcut(QKeySequence(kCoastalShortcut), this);
    connect(shortcut, &QShortcut::activated, this, &TForm1::CoastalRequested);
}

void TForm1::BuildWorksheetButton()
{
    REGISTRO = new tk::SpeedButton(this, QStringLiteral("REGISTRO"), QString(),
                                   tk::Glyph(tk::GlyphKind::Logbook, kSmallGlyph));
    REGISTRO->setToolTip(tr("Registro dei calcoli (Ctrl+L)"));
    REGISTRO->setGeometry(kWorksheetButton);
    connect(REGISTRO, &tk::SpeedButton::clicked, this, &TForm1::WorksheetRequested);
    auto* shortcut = new QShortcut(QKeySequence(kWorksheetShortcut), this);
    connect(shortcut, &QShortcut::activated, this, &TForm1::WorksheetRequested);
}

void TForm1::BuildOnboardButton()
{
    BORDO = new tk::SpeedButton(this, QStringLiteral("BORDO"), QString(),
                                tk::Glyph(tk::GlyphKind::Instruments, kOnboardGlyph));
    BORDO->setToolTip(tr("Dati di bordo (Ctrl+B)"));
    BORDO->setGeometry(kOnboardButton);
    connect(BORDO, &tk::SpeedButton::clicked, this, &TForm1::OnboardRequested);
    auto* shortcut = new QShortcut(QKeySequence(kOnboardShortcut), this);
    connect(shortcut, &QShortcut::activated, this, &TForm1::OnboardRequested);
}

void TForm1::BuildExitButton()
{
    SBEXIT = new tk::SpeedButton(this, QStringLiteral("SBEXIT"), tr("USCITA"),
                                 tk::Glyph(tk::GlyphKind::Exit, kLargeGlyph));
    SBEXIT->setFont(LabelFont());
    SBEXIT->setGeometry(190, 400, 126, 31);
    SBEXIT->hide();
}
