#include "onboard/onboard_window.h"

#include "nav/declination.h"
#include "toolkit/color.h"
#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>

namespace tk = toolkit;
using Align = TAlignedEdit::TAlignment;

namespace {

constexpr int kClientWidth = 470;
constexpr int kClientHeight = 430;
constexpr tk::TColor kFormColor = tk::RGB(57, 64, 94);
constexpr tk::TColor kStaleColor = tk::clGray;
constexpr tk::TColor kErrorColor = tk::RGB(255, 128, 128);
constexpr int kWindowFontPx = 11;
constexpr int kLabelFontPx = 13;
constexpr int kFieldFontPx = 13;
constexpr int kLargeGlyph = 24;
constexpr int kSmallGlyph = 16;
constexpr int kMargin = 5;
constexpr int kFieldX = 120;
constexpr int kFieldHeight = 24;
constexpr int kRowHeight = 30;
constexpr int kValueX = 165;
constexpr int kValuesTop = 182;
constexpr int kValueRow = 22;
constexpr int kMaxPort = 65535;
constexpr int kMillisecondsPerSecond = 1000;

// The settings keys of the source, under "onboard/".
QString Key(const char* name)
{
    return QStringLiteral("onboard/") + QString::fromLatin1(name);
}

QFont LabelFont()
{
    return tk::UiFont(kLabelFontPx, true);
}

QString AngleText(nav::Angle a)
{
    return QString::fromStdString(nav::FormatAngle(a));
}

QString SpeedText(double knots)
{
    return TForm11::tr("%1 nodi").arg(tk::Format(QStringLiteral("%-2.1f"), {knots}));
}

QString SentenceName(nav::NmeaKind kind)
{
    static const char* const names[] = {"HDG", "HDM", "HDT", "VHW", "VTG", "RMC", "GGA", "GLL"};
    return QString::fromLatin1(names[static_cast<int>(kind)]);
}

// The demonstration log a build puts beside the executable, when it is there.
QString DemoLog()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/bordo-demo.nmea");
    return QFileInfo::exists(path) ? path : QString();
}

TAlignedEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, int width)
{
    auto* edit = new TAlignedEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(tk::UiFont(kFieldFontPx));
    edit->setGeometry(x, y, width, kFieldHeight);
    tk::SetPaletteColor(edit, QPalette::Text, tk::clBlack);
    return edit;
}

QLabel* MakeValue(QWidget* parent, const char* name, int row)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(tk::UiFont(kFieldFontPx));
    label->setGeometry(kValueX, kValuesTop + row * kValueRow, kClientWidth - kValueX - kMargin, kValueRow);
    // On the line of its caption, which is as tall as its text.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tk::SetTextColor(label, tk::clWindow);
    return label;
}

// A value with where it came from and how old it is; grey when stale, blank when long silent.
template <typename T, typename Text>
void ShowLive(QLabel* label, const nav::LiveValue<T>& live, qint64 now, Text text)
{
    const nav::Freshness freshness = live.At(now);
    if (freshness == nav::Freshness::Blank) {
        label->clear();
        return;
    }
    const qint64 seconds = std::max<qint64>(0, now - live.at) / kMillisecondsPerSecond;
    tk::SetColoredText(label, freshness == nav::Freshness::Fresh ? tk::clWindow : kStaleColor,
                       TForm11::tr("%1   %2 %3%4, %5 s")
                           .arg(text(*live.value), SentenceName(live.sentence), QChar::fromLatin1(live.talker[0]),
                                QChar::fromLatin1(live.talker[1]))
                           .arg(seconds));
}

}  // namespace

TForm11::TForm11(onboard::InstrumentLink& link, std::function<nav::Angle()> declination, QSettings* memory,
                 QWidget* parent)
    : QDialog(parent)
    , link_(link)
    , declination_(std::move(declination))
    , memory_(memory)
{
    BuildLayout();
    LoadSource();
    CBSORGENTEChange();
    ShowState();
    Refresh();
    ageTimer_.setInterval(kMillisecondsPerSecond);
    connect(&ageTimer_, &QTimer::timeout, this, &TForm11::Refresh);
    connect(&link_, &onboard::InstrumentLink::Changed, this, &TForm11::Refresh);
    connect(&link_, &onboard::InstrumentLink::StateChanged, this, &TForm11::ShowState);
    connect(CBSORGENTE, &QComboBox::currentIndexChanged, this, &TForm11::CBSORGENTEChange);
    connect(BTNCONNETTI, &tk::SpeedButton::clicked, this, &TForm11::BTNCONNETTIClick);
    connect(BTNFILE, &tk::SpeedButton::clicked, this, &TForm11::BTNFILEClick);
}

void TForm11::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form11"), tr("Orvane 2004 - Dati di bordo"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, kFormColor, true});
    const auto caption = [this](const char* name, const QString& text, int x, int y) {
        tk::MakeLabel(this, QString::fromLatin1(name), text, x, y + 4, tk::clWindow, LabelFont());
    };
    int y = kMargin;
    caption("LabelSORGENTE", tr("Sorgente"), kMargin, y);
    CBSORGENTE = new QComboBox(this);
    CBSORGENTE->setObjectName(QStringLiteral("CBSORGENTE"));
    CBSORGENTE->setAccessibleName(tr("Sorgente"));
    CBSORGENTE->setFont(tk::UiFont(kWindowFontPx));
    CBSORGENTE->addItems({tr("Client TCP"), tr("UDP"), tr("Porta seriale"), tr("File registrato")});
    CBSORGENTE->setGeometry(kFieldX, y, 160, kFieldHeight);
    y += kRowHeight;
    caption("LabelHOST", tr("Indirizzo"), kMargin, y);
    EDHOST = MakeEdit(this, "EDHOST", kFieldX, y, 160);
    caption("LabelPORTA", tr("Porta"), 295, y);
    SPPORTA = new TSpinNumEdit(this);
    SPPORTA->setObjectName(QStringLiteral("SPPORTA"));
    SPPORTA->setFont(tk::UiFont(kWindowFontPx));
    SPPORTA->setGeometry(360, y, 80, kFieldHeight);
    SPPORTA->setDecimals(0);
    SPPORTA->setMaxValue(kMaxPort);
    SPPORTA->setIncrement(1);
    y += kRowHeight;
    caption("LabelSERIALE", tr("Dispositivo"), kMargin, y);
    EDSERIALE = MakeEdit(this, "EDSERIALE", kFieldX, y, 160);
    caption("LabelBAUD", tr("Baud"), 295, y);
    CBBAUD = new QComboBox(this);
    CBBAUD->setObjectName(QStringLiteral("CBBAUD"));
    CBBAUD->setAccessibleName(tr("Baud"));
    CBBAUD->setFont(tk::UiFont(kWindowFontPx));
    CBBAUD->addItems({QString::number(onboard::kSlowBaud), QString::number(onboard::kFastBaud)});
    CBBAUD->setGeometry(360, y, 80, kFieldHeight);
    y += kRowHeight;
    caption("LabelFILE", tr("Registrazione"), kMargin, y);
    EDFILE = MakeEdit(this, "EDFILE", kFieldX, y, 180);
    BTNFILE = tk::TextButton(this, QStringLiteral("BTNFILE"), tr("Sfoglia…"), QRect(305, y, 75, kFieldHeight));
    BTNFILE->setToolTip(tr("Scegli il file registrato"));
    CKVELOCE = new QCheckBox(tr("Veloce"), this);
    CKVELOCE->setObjectName(QStringLiteral("CKVELOCE"));
    CKVELOCE->setFont(LabelFont());
    CKVELOCE->setToolTip(tr("Riproduci dieci volte più veloce"));
    CKVELOCE->setGeometry(388, y, 80, kFieldHeight);
    tk::SetTextColor(CKVELOCE, tk::clWindow);
    y += kRowHeight + kMargin;
    BTNCONNETTI = new tk::SpeedButton(this, QStringLiteral("BTNCONNETTI"), tr("Connetti"),
                                      tk::Glyph(tk::GlyphKind::Instruments, kLargeGlyph));
    BTNCONNETTI->setFont(LabelFont());
    BTNCONNETTI->setGeometry(kMargin, y, 140, 41);
    LBSTATO = new QLabel(this);
    LBSTATO->setObjectName(QStringLiteral("LBSTATO"));
    LBSTATO->setFont(LabelFont());
    LBSTATO->setGeometry(160, y, kClientWidth - 160 - kMargin, 41);
    LBSTATO->setWordWrap(true);
    static const char* const rows[] = {
        QT_TR_NOOP("Prora bussola"),    QT_TR_NOOP("Prora magnetica"),    QT_TR_NOOP("Prora vera"),
        QT_TR_NOOP("Velocità propria"), QT_TR_NOOP("Rotta vera"),         QT_TR_NOOP("Velocità effettiva"),
        QT_TR_NOOP("Posizione"),        QT_TR_NOOP("Declinazione strum."), QT_TR_NOOP("Declinazione prog."),
        QT_TR_NOOP("Corrente (60 s)"),  QT_TR_NOOP("Frasi"),
    };
    QLabel** values[] = {&LBPB, &LBPM, &LBPV, &LBVP, &LBRV, &LBVE, &LBPOS, &LBVAR, &LBDECL, &LBCORRENTE, &LBFRASI};
    static const char* const names[] = {"LBPB",   "LBPM",  "LBPV",   "LBVP",       "LBRV",   "LBVE",
                                        "LBPOS",  "LBVAR", "LBDECL", "LBCORRENTE", "LBFRASI"};
    for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
        caption(qPrintable(QStringLiteral("Label") + QString::fromLatin1(names[row]).mid(2)), tr(rows[row]), kMargin,
                kValuesTop + row * kValueRow - 4);
        *values[row] = MakeValue(this, names[row], row);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{BTNFILE, BTNCONNETTI})
        w->setFocusPolicy(Qt::TabFocus);
}

void TForm11::Open()
{
    tk::PlaceBesideFirstTime(this);
    Refresh();
    ageTimer_.start();
    show();
    raise();
    activateWindow();
}

onboard::Source TForm11::SourceShown() const
{
    onboard::Source s;
    s.kind = static_cast<onboard::SourceKind>(CBSORGENTE->currentIndex());
    s.host = EDHOST->text().trimmed();
    s.port = static_cast<int>(SPPORTA->Value());
    s.device = EDSERIALE->text().trimmed();
    s.baud = CBBAUD->currentIndex() == 1 ? onboard::kFastBaud : onboard::kSlowBaud;
    s.file = EDFILE->text();
    s.replaySpeed = CKVELOCE->isChecked() ? onboard::kFastReplay : 1;
    return s;
}

void TForm11::CBSORGENTEChange()
{
    const auto kind = static_cast<onboard::SourceKind>(CBSORGENTE->currentIndex());
    EDHOST->setEnabled(kind == onboard::SourceKind::Tcp);
    SPPORTA->setEnabled(kind == onboard::SourceKind::Tcp || kind == onboard::SourceKind::Udp);
    EDSERIALE->setEnabled(kind == onboard::SourceKind::Serial);
    CBBAUD->setEnabled(kind == onboard::SourceKind::Serial);
    for (QWidget* w : std::initializer_list<QWidget*>{EDFILE, BTNFILE, CKVELOCE})
        w->setEnabled(kind == onboard::SourceKind::Replay);
}

void TForm11::BTNCONNETTIClick()
{
    if (link_.State() != onboard::LinkState::Disconnected) {
        link_.Disconnect();
        return;
    }
    SaveSource();
    link_.Connect(SourceShown());
}

void TForm11::BTNFILEClick()
{
    const QString path = tk::platform().OpenFileName(this, tr("Scegli il file registrato"), EDFILE->text(),
                                                     tr("Frasi NMEA (*.nmea *.txt *.log);;Tutti i file (*)"));
    if (!path.isEmpty())
        EDFILE->setText(path);
}

void TForm11::ShowState()
{
    const onboard::LinkState state = link_.State();
    QString text = link_.StateText();
    if (state == onboard::LinkState::Waiting && link_.Tries() > 1)
        text += QLatin1Char(' ') + tr("(tentativo %1)").arg(link_.Tries());
    tk::SetColoredText(LBSTATO, state == onboard::LinkState::Failed ? kErrorColor : tk::clWindow, text);
    BTNCONNETTI->setText(state == onboard::LinkState::Disconnected ? tr("Connetti") : tr("Disconnetti"));
}

void TForm11::Refresh()
{
    // Hidden, nothing is drawn and the ages wait for Open: the link keeps the values.
    if (!isVisible()) {
        ageTimer_.stop();
        return;
    }
    const qint64 now = link_.clock();
    const nav::LiveData& live = link_.Live();
    ShowLive(LBPB, live.compass, now, AngleText);
    ShowLive(LBPM, live.magnetic, now, AngleText);
    ShowLive(LBPV, live.trueHeading, now, AngleText);
    ShowLive(LBVP, live.waterSpeed, now, SpeedText);
    ShowLive(LBRV, live.groundCourse, now, AngleText);
    ShowLive(LBVE, live.groundSpeed, now, SpeedText);
    const QChar mark = tk::DecimalSeparator();
    ShowLive(LBPOS, live.position, now, [mark](const nav::GeoPosition& p) {
        return QString::fromStdString(nav::FormatPosition(p, mark.toLatin1()));
    });
    const auto declination = [](nav::Angle a) { return QString::fromStdString(nav::FormatDeclination(a)); };
    ShowLive(LBVAR, live.variation, now, declination);
    LBDECL->setText(declination(declination_ ? declination_() : 0));
    const nav::CurrentEstimate current = live.Current(now);
    if (current.samples == 0)
        LBCORRENTE->clear();
    else
        LBCORRENTE->setText(tr("%1  %2  (%3 campioni)")
                                .arg(AngleText(current.set), SpeedText(current.drift))
                                .arg(current.samples));
    LBFRASI->setText(tr("lette %1, scartate %2")
                         .arg(static_cast<qulonglong>(link_.SentencesRead()))
                         .arg(static_cast<qulonglong>(link_.SentencesDropped())));
}

void TForm11::SaveSource() const
{
    if (!memory_)
        return;
    const onboard::Source s = SourceShown();
    QSettings& m = *memory_;
    m.setValue(Key("kind"), static_cast<int>(s.kind));
    m.setValue(Key("host"), s.host);
    m.setValue(Key("port"), s.port);
    m.setValue(Key("device"), s.device);
    m.setValue(Key("baud"), s.baud);
    m.setValue(Key("file"), s.file);
    m.setValue(Key("fast"), s.replaySpeed != 1);
    m.sync();
}

void TForm11::LoadSource()
{
    const onboard::Source usual;
    if (!memory_) {
        EDHOST->setText(usual.host);
        SPPORTA->setValue(usual.port);
        EDFILE->setText(DemoLog());
        return;
    }
    const QSettings& m = *memory_;
    // Any content is safe: a value out of its range gives the usual one.
    const int kind = m.value(Key("kind"), 0).toInt();
    CBSORGENTE->setCurrentIndex(kind >= 0 && kind < CBSORGENTE->count() ? kind : 0);
    EDHOST->setText(m.value(Key("host"), usual.host).toString());
    const int port = m.value(Key("port"), usual.port).toInt();
    SPPORTA->setValue(port > 0 && port <= kMaxPort ? port : usual.port);
    EDSERIALE->setText(m.value(Key("device")).toString());
    CBBAUD->setCurrentIndex(m.value(Key("baud")).toInt() == onboard::kFastBaud ? 1 : 0);
    EDFILE->setText(m.value(Key("file"), DemoLog()).toString());
    CKVELOCE->setChecked(m.value(Key("fast"), false).toBool());
}
