// The stored layout of the declination dialog.

#include "dialogs/declination_dialog.h"

#include "toolkit/color.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 342;
constexpr int kClientHeight = 369;
constexpr int kWindowFontPx = 11;
constexpr int kGlyph = 24;
constexpr tk::TColor kDeclinationColor = tk::RGB(255, 255, 196);
constexpr double kFirstYear = 1800;
constexpr double kLastYear = 2099;

TSpinNumEdit* MakeYear(QWidget* parent, const char* name, int x, double value)
{
    auto* spin = new TSpinNumEdit(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setGeometry(x, 25, 56, 22);
    spin->setDecimals(0);
    // The maximum first: the minimum may not pass it.
    spin->setMaxValue(kLastYear);
    spin->setMinValue(kFirstYear);
    spin->setValue(value);
    spin->setIncrement(1);
    return spin;
}

TAlignedEdit* MakeAngleField(QWidget* parent, const char* name, int x, int y, tk::TColor color = tk::clWindow)
{
    auto* edit = new TAlignedEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x, y, 76, 24);
    // Filled only through the angle dialog, which the keyboard opens too.
    edit->setDialogEntry(true);
    edit->setAlignment(TAlignedEdit::TAlignment::taRightJustify);
    edit->setColor(color);
    return edit;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption, int x, int y, int width,
                        bool checked)
{
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(x, y, width, 17);
    radio->setChecked(checked);
    return radio;
}

tk::SpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, tk::GlyphKind glyph,
                            int x, int y, int width, int height)
{
    auto* button = new tk::SpeedButton(parent, QString::fromLatin1(name), caption,
                                       tk::Glyph(glyph, kGlyph));
    button->setGeometry(x, y, width, height);
    return button;
}

// A pair of radio buttons exclusive between themselves only.
void PairUp(QWidget* owner, QRadioButton* first, QRadioButton* second)
{
    auto* pair = new QButtonGroup(owner);
    pair->addButton(first);
    pair->addButton(second);
}

}  // namespace

void TForm4::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form4"), tr("Orvane2004 - Set Declinazione"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBtnFace});

    GroupBox3 = tk::MakeGroupBox(this, QStringLiteral("GroupBox3"),
                                 tr("  Dati indicati sulla carta nautica  "), 10, 10, 321, 256,
                                 tk::clWindowText, tk::UiFont(kWindowFontPx, true));
    const QFont plain = tk::UiFont(kWindowFontPx);
    Label1 = tk::MakeLabel(GroupBox3, QStringLiteral("Label1"), tr("Anno base"), 20, 30, tk::clWindowText, plain);
    SPANNOBASE = MakeYear(GroupBox3, "SPANNOBASE", 75, 1985);
    Label4 = tk::MakeLabel(GroupBox3, QStringLiteral("Label4"), tr("Anno corrente"), 160, 30, tk::clWindowText,
                           plain);
    SPANNOCORR = MakeYear(GroupBox3, "SPANNOCORR", 240, 2004);

    auto* base = tk::MakeGroupBox(GroupBox3, QStringLiteral("GroupBox1"), tr("  Declinazione base  "),
                                  10, 65, 301, 61, tk::clWindowText, plain);
    EDDECLIBASE = MakeAngleField(base, "EDDECLIBASE", 20, 22);
    RBEST = MakeRadio(base, "RBEST", QStringLiteral("E"), 140, 25, 36, false);
    RBWEST = MakeRadio(base, "RBWEST", QStringLiteral("W"), 205, 25, 36, true);

    GroupBox2 = tk::MakeGroupBox(GroupBox3, QStringLiteral("GroupBox2"), tr("  Variazione Annua  "),
                                 10, 135, 301, 66, tk::clWindowText, plain);
    EDDELTADECLI = MakeAngleField(GroupBox2, "EDDELTADECLI", 20, 22);
    RBAUM = MakeRadio(GroupBox2, "RBAUM", tr("Aumento"), 145, 15, 91, false);
    RBDIMIN = MakeRadio(GroupBox2, "RBDIMIN", tr("Diminuzione"), 145, 35, 86, true);
    // Beside them, the change as modern charts print it: by the side it moves to.
    RBVERSOE = MakeRadio(GroupBox2, "RBVERSOE", tr("verso E"), 238, 15, 60, true);
    RBVERSOW = MakeRadio(GroupBox2, "RBVERSOW", tr("verso W"), 238, 35, 60, false);
    PairUp(this, RBVERSOE, RBVERSOW);

    CALCDECLREAL = MakeButton(GroupBox3, "CALCDECLREAL", tr("Calcola"), tk::GlyphKind::Calculate, 37, 214, 86, 32);
    SpeedButton1 = MakeButton(GroupBox3, "SpeedButton1", tr("Salva Dati"), tk::GlyphKind::Save, 192, 214, 104, 32);

    tk::MakeLabel(this, QStringLiteral("Label2"), tr("Declinazione"), 10, 288, tk::clWindowText, plain);
    EDDECLREAL = MakeAngleField(this, "EDDECLREAL", 80, 282, kDeclinationColor);
    DECLIOK = MakeButton(this, "DECLIOK", tr("CONFERMA"), tk::GlyphKind::Confirm, 40, 330, 101, 31);
    DECLIABO = MakeButton(this, "DECLIABO", tr("ANNULLA"), tk::GlyphKind::Cancel, 200, 330, 106, 31);
    // In the free room beside the result: the chart's data from the magnetic model.
    WMMDECL = MakeButton(this, "WMMDECL", tr("Da posizione…"), tk::GlyphKind::Position, 180, 280, 141, 28);
    // Below the result: where the declination comes from.
    RBDACARTA = MakeRadio(this, "RBDACARTA", tr("Da carta"), 80, 310, 90, true);
    RBNOTA = MakeRadio(this, "RBNOTA", tr("Nota"), 180, 310, 80, false);
    PairUp(this, RBDACARTA, RBNOTA);

    // The keyboard goes through everything in reading order.
    QWidget* previous = nullptr;
    for (QWidget* next : std::initializer_list<QWidget*>{
             SPANNOBASE, SPANNOCORR, EDDECLIBASE, RBEST, RBWEST, EDDELTADECLI, RBAUM, RBDIMIN, RBVERSOE, RBVERSOW,
             CALCDECLREAL, SpeedButton1, EDDECLREAL, WMMDECL, RBDACARTA, RBNOTA, DECLIOK, DECLIABO}) {
        if (qobject_cast<tk::SpeedButton*>(next))
            next->setFocusPolicy(Qt::TabFocus);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}
