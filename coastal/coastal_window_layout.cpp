// The layout of the coastal window: the main window's colours, fonts and
// glyph buttons, one tab for each kind of problem.

#include "coastal/coastal_window.h"

#include "coastal/position_edit.h"
#include "coastal/position_entry.h"
#include "nav/coastal.h"
#include "nav/light_characteristic.h"
#include "toolkit/color.h"
#include "toolkit/accessible_names.h"
#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace tk = toolkit;
using Align = TAlignedEdit::TAlignment;

namespace {

constexpr int kClientWidth = 460;
constexpr int kClientHeight = 330;
constexpr tk::TColor kFormColor = tk::RGB(57, 64, 94);
constexpr tk::TColor kComputedFieldColor = tk::RGB(191, 242, 241);
constexpr tk::TColor kNoteColor = tk::RGB(128, 255, 128);
constexpr int kWindowFontPx = 11;
constexpr int kFieldFontPx = 13;
constexpr int kLabelFontPx = 13;
constexpr int kSmallGlyph = 16;
constexpr int kLargeGlyph = 24;
constexpr int kFieldHeight = 24;
constexpr int kSpinHeight = 22;
constexpr int kFieldX = 185;
constexpr int kUnitGap = 6;
constexpr int kCalcX = 360;
constexpr int kCalcWidth = 86;
constexpr int kCalcHeight = 41;
constexpr int kAngleWidth = 81;
constexpr int kNumberWidth = 65;
constexpr int kPositionWidth = 210;
constexpr double kLongestRun = 999.99;
constexpr double kLongestTime = 9999;
constexpr double kFastest = 99.9;
constexpr double kLongestLeg = 9999.99;
constexpr double kHighestEye = 100;
constexpr double kHighestLight = 1000;
constexpr double kLongestRange = 50;

QFont LabelFont()
{
    return tk::UiFont(kLabelFontPx, true);
}

QWidget* MakePage(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* page = new QWidget();
    page->setObjectName(QString::fromLatin1(name));
    tk::SetBackground(page, kFormColor);
    tabs->addTab(page, caption);
    return page;
}

void MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, tk::TColor color = tk::clWindow)
{
    tk::MakeLabel(parent, QString::fromLatin1(name), text, x, y + 4, color, LabelFont());
}

// An input opened through its dialog, or a result, read-only and tinted.
template <typename Edit = TAlignedEdit>
Edit* MakeField(QWidget* parent, const char* name, int x, int y, int width, bool result)
{
    auto* edit = new Edit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(tk::UiFont(kFieldFontPx));
    edit->setGeometry(x, y, width, kFieldHeight);
    edit->setAlignment(Align::taRightJustify);
    edit->setReadOnly(result);
    edit->setDialogEntry(!result);
    edit->setColor(result ? kComputedFieldColor : tk::clWindow);
    tk::SetPaletteColor(edit, QPalette::Text, tk::clBlack);
    return edit;
}

TSpinNumEdit* MakeSpin(QWidget* parent, const char* name, int y, int decimals, double largest, double increment,
                       int x = kFieldX)
{
    auto* spin = new TSpinNumEdit(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setFont(tk::UiFont(kWindowFontPx));
    spin->setGeometry(x, y + 1, kNumberWidth, kSpinHeight);
    spin->setAlignment(Align::taCenter);
    spin->setDecimals(decimals);
    spin->setMaxValue(largest);
    spin->setIncrement(increment);
    spin->setValue(0);
    spin->setSnapTyped(false);
    return spin;
}

tk::SpeedButton* MakeCalc(QWidget* parent, const char* name, int y)
{
    auto* b = new tk::SpeedButton(parent, QString::fromLatin1(name), TForm9::tr("Calcola"),
                                  tk::Glyph(tk::GlyphKind::Calculate, kLargeGlyph));
    b->setFont(tk::UiFont(kLabelFontPx, true));
    b->setGeometry(kCalcX, y, kCalcWidth, kCalcHeight);
    return b;
}

tk::SpeedButton* MakeClear(QWidget* parent, const char* name, const QWidget* field)
{
    auto* b = new tk::SpeedButton(parent, QString::fromLatin1(name), QString(),
                                  tk::Glyph(tk::GlyphKind::Clear, kSmallGlyph));
    b->setGeometry(field->geometry().right() + kUnitGap, field->y() + 1, 23, 22);
    return b;
}

void MakeUnit(QWidget* parent, const char* name, const QString& unit, const QWidget* field)
{
    MakeLabel(parent, name, unit, field->geometry().right() + kUnitGap, field->y());
}

}  // namespace

void TForm9::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form9"), tr("Orvane 2004 - Navigazione costiera"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, kFormColor, true});
    PageControl9 = new QTabWidget(this);
    PageControl9->setObjectName(QStringLiteral("PageControl9"));
    PageControl9->setGeometry(0, 0, kClientWidth, kClientHeight);
    BuildTraverso(MakePage(PageControl9, "TabTraverso", tr("Traverso")));
    BuildLossodromia(MakePage(PageControl9, "TabLossodromia", tr("Lossodromia")));
    BuildFari(MakePage(PageControl9, "TabFari", tr("Fari")));
    positionEntry = new TPositionEntry(this);
}

void TForm9::BuildTraverso(QWidget* page)
{
    MakeLabel(page, "LabelRP1", tr("1° rilevamento polare"), 10, 10, tk::clYellow);
    EDRP1 = MakeField(page, "EDRP1", kFieldX, 10, kAngleWidth, false);
    MakeLabel(page, "LabelRP2", tr("2° rilevamento polare"), 10, 40, tk::clYellow);
    EDRP2 = MakeField(page, "EDRP2", kFieldX, 40, kAngleWidth, false);
    MakeLabel(page, "LabelCAMMINO", tr("Cammino tra i due"), 10, 75);
    SPCAMMINO = MakeSpin(page, "SPCAMMINO", 75, 2, kLongestRun, 0.1);
    MakeUnit(page, "LabelMIGLIA", tr("miglia"), SPCAMMINO);
    MakeLabel(page, "LabelTEMPO", tr("oppure minuti e nodi"), 10, 105);
    SPMINUTI = MakeSpin(page, "SPMINUTI", 105, 0, kLongestTime, 1);
    SPVELTRAV = MakeSpin(page, "SPVELTRAV", 105, 1, kFastest, 0.5, kFieldX + kNumberWidth + kUnitGap);
    CALCTRAV = MakeCalc(page, "CALCTRAV", 60);
    SPMINUTI->setAccessibleName(tr("Minuti"));
    SPVELTRAV->setAccessibleName(tr("Nodi"));

    MakeLabel(page, "LabelDIST2", tr("Distanza al 2° ril."), 10, 145, kComputedFieldColor);
    EDDIST2 = MakeField(page, "EDDIST2", kFieldX, 145, kNumberWidth, true);
    MakeUnit(page, "LabelM1", tr("miglia"), EDDIST2);
    MakeLabel(page, "LabelDISTTRAV", tr("Distanza al traverso"), 10, 175, kComputedFieldColor);
    EDDISTTRAV = MakeField(page, "EDDISTTRAV", kFieldX, 175, kNumberWidth, true);
    MakeUnit(page, "LabelM2", tr("miglia"), EDDISTTRAV);
    MakeLabel(page, "LBCAMTRAV", tr("Cammino al traverso"), 10, 205, kComputedFieldColor);
    LBCAMTRAV = page->findChild<QLabel*>(QStringLiteral("LBCAMTRAV"));
    EDCAMTRAV = MakeField(page, "EDCAMTRAV", kFieldX, 205, kNumberWidth, true);
    MakeUnit(page, "LabelM3", tr("miglia"), EDCAMTRAV);
    LBREGOLA = new QLabel(page);
    LBREGOLA->setObjectName(QStringLiteral("LBREGOLA"));
    LBREGOLA->setGeometry(10, 245, kClientWidth - 25, 40);
    LBREGOLA->setWordWrap(true);
    LBREGOLA->setFont(tk::UiFont(kWindowFontPx, true));
    tk::SetTextColor(LBREGOLA, kNoteColor);
}

void TForm9::BuildLossodromia(QWidget* page)
{
    MakeLabel(page, "LabelPOS1", tr("Punto di partenza"), 10, 10, tk::clYellow);
    EDPOS1 = MakeField<TPositionEdit>(page, "EDPOS1", 140, 10, kPositionWidth, false);
    MakeLabel(page, "LabelPOS2", tr("Punto di arrivo"), 10, 40, tk::clYellow);
    EDPOS2 = MakeField<TPositionEdit>(page, "EDPOS2", 140, 40, kPositionWidth, false);
    POS1CLEAR = MakeClear(page, "POS1CLEAR", EDPOS1);
    POS2CLEAR = MakeClear(page, "POS2CLEAR", EDPOS2);
    MakeLabel(page, "LabelRVLOX", tr("Rotta vera"), 10, 75);
    EDRVLOX = MakeField(page, "EDRVLOX", 140, 75, kAngleWidth, false);
    RVLOXCLEAR = MakeClear(page, "RVLOXCLEAR", EDRVLOX);
    MakeLabel(page, "LabelDISTLOX", tr("Distanza"), 10, 105);
    SPDISTLOX = MakeSpin(page, "SPDISTLOX", 105, 2, kLongestLeg, 0.1, 140);
    DISTLOXCLEAR = MakeClear(page, "DISTLOXCLEAR", SPDISTLOX);
    CALCLOX = MakeCalc(page, "CALCLOX", 75);

    MakeLabel(page, "LabelRMLOX", tr("Rotta magnetica"), 10, 140, kComputedFieldColor);
    EDRMLOX = MakeField(page, "EDRMLOX", 140, 140, kAngleWidth, true);
    MakeLabel(page, "LabelRBLOX", tr("Rotta bussola"), 10, 170, kComputedFieldColor);
    EDRBLOX = MakeField(page, "EDRBLOX", 140, 170, kAngleWidth, true);
    const auto send = [page](const char* name, const QString& caption, int y) {
        auto* b = tk::TextButton(page, QString::fromLatin1(name), caption, QRect(250, y, 100, kFieldHeight));
        b->setFont(tk::UiFont(kWindowFontPx, true));
        return b;
    };
    BTNPRORE = send("BTNPRORE", tr("\u2192 Prore"), 140);
    BTNCORRENTI = send("BTNCORRENTI", tr("\u2192 Correnti"), 170);

    auto* group = tk::MakeGroupBox(page, QStringLiteral("GroupFARO"), tr(" Da un faro "), 5, 203, kClientWidth - 15,
                                   95, tk::RGB(128, 255, 255), LabelFont());
    MakeLabel(group, "LabelFARO", tr("Faro"), 5, 20);
    EDFARO = MakeField<TPositionEdit>(group, "EDFARO", 135, 20, kPositionWidth, false);
    MakeLabel(group, "LabelRLFARO", tr("Ril. vero, distanza"), 5, 55);
    EDRLFARO = MakeField(group, "EDRLFARO", 135, 55, kAngleWidth, false);
    SPDISTFARO = MakeSpin(group, "SPDISTFARO", 55, 2, kLongestLeg, 0.1, 135 + kAngleWidth + kUnitGap);
    CALCFARO = MakeCalc(group, "CALCFARO", 45);
    EDRLFARO->setAccessibleName(tr("Rilevamento vero del faro"));
    SPDISTFARO->setAccessibleName(tr("Distanza dal faro"));
    CALCFARO->move(kCalcX - 5, 45);
}

void TForm9::BuildFari(QWidget* page)
{
    MakeLabel(page, "LabelHOCCHIO", tr("Altezza dell'occhio"), 10, 10);
    SPHOCCHIO = MakeSpin(page, "SPHOCCHIO", 10, 1, kHighestEye, 0.5);
    MakeUnit(page, "LabelMETRI1", tr("metri"), SPHOCCHIO);
    MakeLabel(page, "LabelHFARO", tr("Altezza del faro"), 10, 40);
    SPHFARO = MakeSpin(page, "SPHFARO", 40, 1, kHighestLight, 1);
    MakeUnit(page, "LabelMETRI2", tr("metri"), SPHFARO);
    MakeLabel(page, "LabelPORTNOM", tr("Portata nominale"), 10, 70);
    SPPORTNOM = MakeSpin(page, "SPPORTNOM", 70, 1, kLongestRange, 1);
    MakeUnit(page, "LabelMIGLIA3", tr("miglia"), SPPORTNOM);
    MakeLabel(page, "LabelCARATT", tr("Caratteristica"), 10, 100);
    EDCARATT = new QLineEdit(page);
    tk::SetEntryHint(EDCARATT, tk::Entry::Text);
    EDCARATT->setObjectName(QStringLiteral("EDCARATT"));
    EDCARATT->setGeometry(kFieldX, 100, 160, kFieldHeight);
    EDCARATT->setFont(tk::UiFont(kFieldFontPx));
    EDCARATT->setMaxLength(static_cast<int>(nav::kMaxCharacteristicLength));
    EDCARATT->setPlaceholderText(tr("Lam.(2)10s42m18M"));
    LBCARATT = new QLabel(page);
    LBCARATT->setObjectName(QStringLiteral("LBCARATT"));
    LBCARATT->setGeometry(10, 128, kClientWidth - 25, 34);
    LBCARATT->setWordWrap(true);
    LBCARATT->setFont(tk::UiFont(kWindowFontPx, true));
    tk::SetTextColor(LBCARATT, kNoteColor);
    CALCFARI = MakeCalc(page, "CALCFARI", 10);

    MakeLabel(page, "LabelORIZZ", tr("Distanza dell'orizzonte"), 10, 170, kComputedFieldColor);
    EDORIZZ = MakeField(page, "EDORIZZ", kFieldX, 170, kNumberWidth, true);
    MakeUnit(page, "LabelMIGLIA4", tr("miglia"), EDORIZZ);
    MakeLabel(page, "LabelPORTGEO", tr("Portata geografica"), 10, 200, kComputedFieldColor);
    EDPORTGEO = MakeField(page, "EDPORTGEO", kFieldX, 200, kNumberWidth, true);
    MakeUnit(page, "LabelMIGLIA5", tr("miglia"), EDPORTGEO);
    MakeLabel(page, "LabelPORTEFF", tr("Visibile da"), 10, 230, kComputedFieldColor);
    EDPORTEFF = MakeField(page, "EDPORTEFF", kFieldX, 230, kNumberWidth, true);
    MakeUnit(page, "LabelMIGLIA6", tr("miglia"), EDPORTEFF);
    auto* formula = new QLabel(tr("d = %1 \u00B7 (\u221Ah + \u221AH), h e H in metri, d in miglia")
                                   .arg(tk::Format(QStringLiteral("%.2f"), {nav::kRangePerRootMetre})),
                               page);
    formula->setObjectName(QStringLiteral("LBFORMULA"));
    formula->setGeometry(10, 268, kClientWidth - 25, 20);
    formula->setFont(tk::UiFont(kWindowFontPx, true));
    tk::SetTextColor(formula, kNoteColor);
}
