#include "worksheet/worksheet_window.h"

#include "toolkit/color.h"
#include "toolkit/color_scheme.h"
#include "toolkit/fonts.h"
#include "toolkit/form_layout.h"
#include "toolkit/glyphs.h"
#include "toolkit/languages.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "worksheet/log_document.h"
#include "worksheet/worksheet_log.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 520;
constexpr int kClientHeight = 380;
constexpr tk::TColor kFormColor = tk::RGB(57, 64, 94);
constexpr int kWindowFontPx = 11;
constexpr int kListFontPx = 12;
constexpr int kLabelFontPx = 13;
constexpr int kLargeGlyph = 24;
constexpr int kMargin = 5;
constexpr int kButtonTop = 332;
constexpr int kButtonWidth = 124;
constexpr int kButtonHeight = 41;
constexpr int kButtonGap = 4;

tk::SpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, tk::GlyphKind glyph, int index)
{
    auto* b = new tk::SpeedButton(parent, QString::fromLatin1(name), caption, tk::Glyph(glyph, kLargeGlyph));
    b->setFont(tk::UiFont(kLabelFontPx, true));
    b->setGeometry(kMargin + index * (kButtonWidth + kButtonGap), kButtonTop, kButtonWidth, kButtonHeight);
    return b;
}

}  // namespace

TForm10::TForm10(worksheet::Log& log, std::function<QString()> vesselName, QWidget* parent)
    : QDialog(parent)
    , log_(log)
    , vesselName_(std::move(vesselName))
{
    askPrinter = [this](QPrinter& printer) { return tk::platform().ChoosePrinter(this, printer); };
    BuildLayout();
    ShowAll();
    connect(&log_, &worksheet::Log::Added, this, &TForm10::ShowAdded);
    connect(&log_, &worksheet::Log::Reset, this, &TForm10::ShowAll);
    connect(BTNCOPIA, &tk::SpeedButton::clicked, this, &TForm10::BTNCOPIAClick);
    connect(BTNPDF, &tk::SpeedButton::clicked, this, &TForm10::BTNPDFClick);
    connect(BTNSTAMPA, &tk::SpeedButton::clicked, this, &TForm10::BTNSTAMPAClick);
    connect(BTNSVUOTA, &tk::SpeedButton::clicked, this, &TForm10::BTNSVUOTAClick);
}

void TForm10::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form10"), tr("Orvane 2004 - Registro dei calcoli"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, kFormColor, true});
    ELENCO = new QListWidget(this);
    ELENCO->setObjectName(QStringLiteral("ELENCO"));
    ELENCO->setGeometry(kMargin, kMargin, kClientWidth - 2 * kMargin, kButtonTop - 2 * kMargin);
    ELENCO->setFont(tk::UiFont(kListFontPx));
    ELENCO->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // No caption names the list: it fills the window.
    ELENCO->setAccessibleName(tr("Calcoli registrati"));
    ELENCO->setToolTip(tr("Clic, Ctrl+clic o Maiusc+clic: scegli i calcoli da copiare"));
    ELENCO->setAlternatingRowColors(true);
    ELENCO->setWordWrap(true);
    // Entries are many lines tall: by item, the last would hide the first while room is left.
    ELENCO->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tk::SetPaletteColor(ELENCO, QPalette::Base, tk::clWindow);
    tk::SetPaletteColor(ELENCO, QPalette::Text, tk::clBlack);
    BTNCOPIA = MakeButton(this, "BTNCOPIA", tr("Copia"), tk::GlyphKind::Copy, 0);
    BTNPDF = MakeButton(this, "BTNPDF", tr("Esporta PDF…"), tk::GlyphKind::Pdf, 1);
    BTNSTAMPA = MakeButton(this, "BTNSTAMPA", tr("Stampa…"), tk::GlyphKind::Print, 2);
    BTNSVUOTA = MakeButton(this, "BTNSVUOTA", tr("Svuota"), tk::GlyphKind::ClearAll, 3);
    for (auto* button : {BTNCOPIA, BTNPDF, BTNSTAMPA, BTNSVUOTA})
        button->setFocusPolicy(Qt::TabFocus);
}

void TForm10::Open()
{
    tk::PlaceBesideFirstTime(this);
    show();
    raise();
    activateWindow();
    ELENCO->scrollToBottom();
}

void TForm10::ShowAdded()
{
    ELENCO->addItem(worksheet::EntryText(log_.Entries().back(), tk::NavLanguage()));
    while (static_cast<std::size_t>(ELENCO->count()) > log_.Entries().size())
        delete ELENCO->takeItem(0);
    ScrollToNewest();
}

void TForm10::ShowAll()
{
    ELENCO->clear();
    for (const worksheet::Entry& entry : log_.Entries())
        ELENCO->addItem(worksheet::EntryText(entry, tk::NavLanguage()));
    ScrollToNewest();
}

void TForm10::ScrollToNewest()
{
    // Hidden, the list waits for Open: laying out every entry costs at each calculation.
    if (isVisible())
        ELENCO->scrollToBottom();
}

worksheet::Printout TForm10::Printout() const
{
    return {vesselName_ ? vesselName_() : QString(), QDate::currentDate(), tk::NavLanguage()};
}

void TForm10::BTNCOPIAClick()
{
    std::vector<std::size_t> rows;
    for (const QListWidgetItem* item : ELENCO->selectedItems())
        rows.push_back(static_cast<std::size_t>(ELENCO->row(item)));
    QApplication::clipboard()->setText(worksheet::EntriesText(log_.Entries(), rows, tk::NavLanguage()));
}

void TForm10::BTNPDFClick()
{
    const QString suffix = QStringLiteral(".pdf");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = tr("registro-%1").arg(QDate::currentDate().toString(Qt::ISODate)) + suffix;
    QString path = tk::platform().SaveFileName(this, tr("Esporta il registro come PDF"), QDir(folder).filePath(name),
                                               tr("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += suffix;
    const QString reason = worksheet::ExportLogPdf(path, log_.Entries(), Printout());
    if (!reason.isEmpty())
        tk::platform().ErrorBox(this, tr("Impossibile scrivere %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
}

void TForm10::BTNSTAMPAClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!askPrinter || !askPrinter(printer))
        return;
    QTextDocument document;
    worksheet::BuildLogDocument(document, log_.Entries(), Printout());
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error)
        tk::platform().ErrorBox(this, tr("Stampa non riuscita."));
}

void TForm10::BTNSVUOTAClick()
{
    if (log_.Entries().empty())
        return;
    if (tk::platform().ConfirmBox(this, tr("Svuoto il registro dei calcoli?")))
        log_.Clear();
}
