#include "dialogs/deviation_editor.h"

#include "dialogs/deviation_card.h"
#include "dialogs/deviation_rows.h"
#include "nav/deviation_file.h"
#include "toolkit/color.h"
#include "toolkit/form_layout.h"
#include "toolkit/platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/whole_file.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 380;
constexpr int kClientHeight = 440;
constexpr int kWindowFontPx = 11;
constexpr int kButtonX = 250;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 28;
// Old comments are a few lines; more than this is not a table.
constexpr qint64 kMaxOldBytes = 1024 * 1024;

tk::SpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int y)
{
    return tk::TextButton(parent, QString::fromLatin1(name), caption, QRect(kButtonX, y, kButtonWidth, kButtonHeight));
}

}  // namespace

QString SaveDeviationFile(const QString& path, const std::vector<nav::DeviationRow>& rows,
                          const QString& keepCommentsOf)
{
    QByteArray old;
    QFile previous(keepCommentsOf.isEmpty() ? path : keepCommentsOf);
    if (QFileInfo(previous).isFile() && previous.open(QIODevice::ReadOnly))
        old = previous.read(kMaxOldBytes);
    const std::string text =
        nav::WriteDeviationTable(std::string_view(old.constData(), static_cast<std::size_t>(old.size())), rows);

    if (QFileInfo(path).isDir())
        return TForm6::tr("'%1' è una cartella.").arg(QDir::toNativeSeparators(path));
    // Written whole or not at all: a failed save leaves the old file.
    return toolkit::WriteWholeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

TForm6::TForm6(Files files, QWidget* parent)
    : QDialog(parent)
    , files_(std::move(files))
{
    BuildLayout();
    connect(BTNAGGIUNGI, &tk::SpeedButton::clicked, this, &TForm6::BTNAGGIUNGIClick);
    connect(BTNELIMINA, &tk::SpeedButton::clicked, this, &TForm6::BTNELIMINAClick);
    connect(BTNORDINA, &tk::SpeedButton::clicked, this, &TForm6::BTNORDINAClick);
    connect(BTNSALVA, &tk::SpeedButton::clicked, this, &TForm6::BTNSALVAClick);
    connect(BTNCHIUDI, &tk::SpeedButton::clicked, this, &TForm6::BTNCHIUDIClick);
    connect(SGRIGHE, &QTableWidget::cellChanged, this, [this] {
        modified_ = true;
        ShowCount();
    });
}

void TForm6::BuildLayout()
{
    tk::SetUpDialog(this, {QStringLiteral("Form6"), tr("Orvane2004 - Tabella deviazioni"),
                           {kClientWidth, kClientHeight}, kWindowFontPx, tk::clBtnFace});

    SGRIGHE = new DeviationRows(this, QStringLiteral("SGRIGHE"), nav::kDeviationCapacity);
    SGRIGHE->setGeometry(10, 10, 230, 390);
    BTNAGGIUNGI = MakeButton(this, "BTNAGGIUNGI", tr("Aggiungi riga"), 10);
    BTNELIMINA = MakeButton(this, "BTNELIMINA", tr("Elimina righe"), 46);
    BTNORDINA = MakeButton(this, "BTNORDINA", tr("Ordina per prora"), 82);
    BTNSALVA = MakeButton(this, "BTNSALVA", tr("Salva"), 336);
    BTNCHIUDI = MakeButton(this, "BTNCHIUDI", tr("Chiudi"), 372);
    LBSTATO = new QLabel(this);
    LBSTATO->setObjectName(QStringLiteral("LBSTATO"));
    LBSTATO->setGeometry(10, 406, 360, 28);
    LBSTATO->setWordWrap(true);
}

void TForm6::Load(const std::vector<nav::DeviationRow>& rows)
{
    const QSignalBlocker quiet(SGRIGHE);
    SGRIGHE->SetRows(rows);
    modified_ = false;
    ShowCount();
}

void TForm6::Edit(const std::vector<nav::DeviationRow>& rows)
{
    Load(rows);
    exec();
}

void TForm6::ShowCount()
{
    const DeviationRows::Read read = SGRIGHE->ReadAll();
    if (!read.problem.isEmpty()) {
        tk::SetColoredText(LBSTATO, tk::clMaroon, read.problem);
        return;
    }
    tk::SetColoredText(LBSTATO, tk::clWindowText, tr("Righe: %1").arg(SGRIGHE->rowCount()));
}

void TForm6::BTNAGGIUNGIClick()
{
    if (!SGRIGHE->AddRow()) {
        tk::platform().ErrorBox(this, tr("La tabella ha già %1 righe.").arg(SGRIGHE->maxRows()));
        return;
    }
    modified_ = true;
    ShowCount();
    SGRIGHE->editItem(SGRIGHE->currentItem());
}

void TForm6::BTNELIMINAClick()
{
    SGRIGHE->DeleteSelectedRows();
    modified_ = true;
    ShowCount();
}

void TForm6::BTNORDINAClick()
{
    if (!SGRIGHE->SortByHeading()) {
        tk::platform().ErrorBox(this, SGRIGHE->ReadAll().problem);
        return;
    }
    modified_ = true;
    ShowCount();
}

bool TForm6::BTNSALVAClick()
{
    // A cell still being typed in counts.
    if (QWidget* editor = SGRIGHE->focusWidget(); editor && editor != SGRIGHE)
        SGRIGHE->setFocus();
    const DeviationRows::Read read = SGRIGHE->ReadAll();
    if (!read.problem.isEmpty()) {
        tk::platform().ErrorBox(this, read.problem);
        return false;
    }
    const QString path = files_.savePath();
    const QString reason = SaveDeviationFile(path, read.rows, files_.readPath());
    if (!reason.isEmpty()) {
        tk::platform().ErrorBox(this, tr("Tabella non salvata in %1:\n%2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    modified_ = false;
    if (files_.saved)
        files_.saved(path);
    tk::SetColoredText(LBSTATO, tk::clGreen, tr("Salvata in %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool TForm6::MayLeave()
{
    return !modified_ || tk::platform().ConfirmBox(this, tr("Chiudere senza salvare le modifiche ?"));
}

void TForm6::BTNCHIUDIClick()
{
    if (MayLeave())
        reject();
}

void TForm6::closeEvent(QCloseEvent* event)
{
    if (MayLeave())
        event->accept();
    else
        event->ignore();
}

void TForm6::keyPressEvent(QKeyEvent* event)
{
    // Escape and Enter belong to the cells, not to closing the window.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
