#include "card/deviation_editor.h"

#include "card/deviation_card.h"
#include "card/deviation_rows.h"
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
#include <QMenu>

namespace tk = toolkit;

namespace {

constexpr int kClientWidth = 380;
constexpr int kClientHeight = 440;
constexpr int kWindowFontPx = 11;
constexpr int kButtonX = 250;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 28;
constexpr int kButtonStep = 36;
// The carried tables and the last copy, below the row buttons; the files'
// buttons above "Salva".
constexpr int kLoadTop = 136;
constexpr int kSaveTop = 336;
constexpr char kBackupSuffix[] = ".bak";

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString TableFilter()
{
    return TForm6::tr("Tabelle deviazioni (*.txt *.TXT);;Tutti i file (*)");
}

tk::SpeedButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int y)
{
    return tk::TextButton(parent, QString::fromLatin1(name), caption, QRect(kButtonX, y, kButtonWidth, kButtonHeight));
}

}  // namespace

QString BackupPath(const QString& path)
{
    return path + QLatin1String(kBackupSuffix);
}

QString SaveDeviationFile(const QString& path, const std::vector<nav::DeviationRow>& rows,
                          const QString& keepCommentsOf)
{
    QByteArray old;
    QFile previous(keepCommentsOf.isEmpty() ? path : keepCommentsOf);
    if (QFileInfo(previous).isFile() && previous.open(QIODevice::ReadOnly))
        old = previous.read(nav::kMaxDeviationFileBytes);
    const std::string text =
        nav::WriteDeviationTable(std::string_view(old.constData(), static_cast<std::size_t>(old.size())), rows);
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));

    const QFileInfo there(path);
    if (there.isDir())
        return TForm6::tr("'%1' è una cartella.").arg(Native(path));
    if (there.isFile()) {
        QFile current(path);
        // A save that changes nothing leaves the copy of the last change alone.
        if (there.size() == bytes.size() && current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
            return {};
        const QString backup = BackupPath(path);
        if (const QString reason = tk::CopyWholeFile(path, backup); !reason.isEmpty())
            return TForm6::tr("la copia di riserva %1 non è stata scritta: %2").arg(Native(backup), reason);
    }
    // Written whole or not at all: a failed save leaves the old file.
    return tk::WriteWholeFile(path, bytes);
}

DeviationFileRead ReadDeviationFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, TForm6::tr("il file non c'è.")};
    if (!info.isFile())
        return {{}, TForm6::tr("non è un file.")};
    if (info.size() > nav::kMaxDeviationFileBytes)
        return {{}, TForm6::tr("troppo grande (%1 byte): non è una tabella.").arg(info.size())};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    const QByteArray bytes = file.read(nav::kMaxDeviationFileBytes);
    const nav::DeviationParse parsed =
        nav::ParseDeviationTable(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (parsed.error)
        return {{}, QString::fromStdString(*parsed.error)};
    if (parsed.table.count == 0)
        return {{}, TForm6::tr("nessuna riga \"prora;deviazione\": non è una tabella.")};
    return {nav::RowsOf(parsed.table), {}};
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
    connect(BTNSALVACOME, &tk::SpeedButton::clicked, this, &TForm6::BTNSALVACOMEClick);
    connect(BTNAPRI, &tk::SpeedButton::clicked, this, &TForm6::BTNAPRIClick);
    connect(BTNESEMPIO, &tk::SpeedButton::clicked, this, &TForm6::BTNESEMPIOClick);
    connect(BTNRIPRISTINA, &tk::SpeedButton::clicked, this, &TForm6::BTNRIPRISTINAClick);
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
    SGRIGHE->setAccessibleName(tr("Tabella deviazioni"));
    SGRIGHE->setGeometry(10, 10, 230, 390);
    BTNAGGIUNGI = MakeButton(this, "BTNAGGIUNGI", tr("Aggiungi riga"), 10);
    BTNELIMINA = MakeButton(this, "BTNELIMINA", tr("Elimina righe"), 46);
    BTNORDINA = MakeButton(this, "BTNORDINA", tr("Ordina per prora"), 82);
    BTNESEMPIO = MakeButton(this, "BTNESEMPIO", tr("Carica esempio…"), kLoadTop);
    BTNRIPRISTINA = MakeButton(this, "BTNRIPRISTINA", tr("Ripristina"), kLoadTop + kButtonStep);
    BTNAPRI = MakeButton(this, "BTNAPRI", tr("Apri…"), kSaveTop - 2 * kButtonStep);
    BTNSALVACOME = MakeButton(this, "BTNSALVACOME", tr("Salva con nome…"), kSaveTop - kButtonStep);
    BTNSALVA = MakeButton(this, "BTNSALVA", tr("Salva"), kSaveTop);
    BTNCHIUDI = MakeButton(this, "BTNCHIUDI", tr("Chiudi"), 372);
    LBSTATO = new QLabel(this);
    LBSTATO->setObjectName(QStringLiteral("LBSTATO"));
    LBSTATO->setGeometry(10, 406, 360, 28);
    LBSTATO->setWordWrap(true);

    MNESEMPIO = new QMenu(BTNESEMPIO);
    MNESEMPIO->setObjectName(QStringLiteral("MNESEMPIO"));
    MNESEMPIO->setFont(font());  // a popup takes no font from its parent
    const auto example = [this](const char* name, const QString& text, const char* path) {
        QAction* action = MNESEMPIO->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, path] { LoadExample(QString::fromLatin1(path)); });
    };
    example("ACTESEMPIO", tr("Tabella di esempio"), kSampleTablePath);
    example("ACTESAME", tr("Tabella d'esame, carte 5/D e 42/D"), kExamTablePath);
}

void TForm6::Load(const std::vector<nav::DeviationRow>& rows)
{
    Show(rows, files_.readPath(), false);
}

void TForm6::Show(const std::vector<nav::DeviationRow>& rows, const QString& commentsOf, bool unsaved)
{
    {
        const QSignalBlocker quiet(SGRIGHE);
        SGRIGHE->SetRows(rows);
    }
    commentsOf_ = commentsOf;
    modified_ = unsaved;
    fromExample_ = false;
    ShowCount();
    ShowRestore();
}

void TForm6::ShowRestore()
{
    const QString path = files_.savePath();
    BTNRIPRISTINA->setEnabled(!path.isEmpty() && QFileInfo(BackupPath(path)).isFile());
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
    const std::size_t deleting = SGRIGHE->RowsToDelete().size();
    const int rows = SGRIGHE->rowCount();
    if (deleting == 0)
        return;
    if (nav::DeletionNeedsConfirmation(deleting, static_cast<std::size_t>(rows))
        && !tk::platform().ConfirmBox(this, tr("Righe da eliminare: %1 su %2. Eliminarle ?").arg(deleting).arg(rows)))
        return;
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

std::optional<std::vector<nav::DeviationRow>> TForm6::RowsToWrite()
{
    // A cell still being typed in counts.
    if (QWidget* editor = SGRIGHE->focusWidget(); editor && editor != SGRIGHE)
        SGRIGHE->setFocus();
    DeviationRows::Read read = SGRIGHE->ReadAll();
    if (!read.problem.isEmpty()) {
        tk::platform().ErrorBox(this, read.problem);
        return std::nullopt;
    }
    return std::move(read.rows);
}

bool TForm6::Write(const QString& path, const std::vector<nav::DeviationRow>& rows)
{
    const QString reason = SaveDeviationFile(path, rows, commentsOf_);
    if (!reason.isEmpty()) {
        tk::platform().ErrorBox(this, tr("Tabella non salvata in %1:\n%2").arg(Native(path), reason));
        return false;
    }
    modified_ = false;
    fromExample_ = false;
    commentsOf_ = path;
    if (files_.use)
        files_.use(path);
    tk::SetColoredText(LBSTATO, tk::clGreen, tr("Salvata in %1").arg(Native(path)));
    ShowRestore();
    return true;
}

bool TForm6::BTNSALVAClick()
{
    if (fromExample_)
        return BTNSALVACOMEClick();
    const auto rows = RowsToWrite();
    return rows && Write(files_.savePath(), *rows);
}

bool TForm6::BTNSALVACOMEClick()
{
    const auto rows = RowsToWrite();
    if (!rows)
        return false;
    const QString path = tk::platform().SaveFileName(this, tr("Salva la tabella deviazioni con nome"),
                                                     QFileInfo(files_.savePath()).absolutePath(), TableFilter());
    return !path.isEmpty() && Write(path, *rows);
}

std::optional<std::vector<nav::DeviationRow>> TForm6::ReadRows(const QString& path)
{
    DeviationFileRead read = ReadDeviationFile(path);
    if (!read.problem.isEmpty()) {
        tk::platform().ErrorBox(this, tr("Tabella non letta da %1:\n%2").arg(Native(path), read.problem));
        return std::nullopt;
    }
    return std::move(read.rows);
}

void TForm6::BTNAPRIClick()
{
    if (!MayReplace())
        return;
    const QString path = tk::platform().OpenFileName(this, tr("Apri una tabella deviazioni"),
                                                     files_.readPath(), TableFilter());
    if (path.isEmpty())
        return;
    const auto rows = ReadRows(path);
    if (!rows)
        return;
    if (files_.use)
        files_.use(path);
    Show(*rows, path, false);
    tk::SetColoredText(LBSTATO, tk::clGreen, tr("Tabella in uso: %1").arg(Native(path)));
}

void TForm6::BTNESEMPIOClick()
{
    MNESEMPIO->popup(BTNESEMPIO->mapToGlobal(QPoint(0, BTNESEMPIO->height())));
}

void TForm6::LoadExample(const QString& path)
{
    if (!MayReplace())
        return;
    if (const auto rows = ReadRows(path)) {
        ShowUnsaved(*rows, path, QFileInfo(path).fileName());
        fromExample_ = true;
    }
}

void TForm6::BTNRIPRISTINAClick()
{
    const QString backup = BackupPath(files_.savePath());
    if (!tk::platform().ConfirmBox(
            this, tr("Sostituire le righe mostrate con quelle della copia di riserva\n%1 ?").arg(Native(backup))))
        return;
    if (const auto rows = ReadRows(backup))
        ShowUnsaved(*rows, backup, Native(backup));
}

void TForm6::ShowUnsaved(const std::vector<nav::DeviationRow>& rows, const QString& from, const QString& name)
{
    Show(rows, from, true);
    tk::SetColoredText(LBSTATO, tk::clWindowText,
                       tr("%1 righe da %2, non ancora salvate.").arg(SGRIGHE->rowCount()).arg(name));
}

bool TForm6::MayLeave()
{
    return !modified_ || tk::platform().ConfirmBox(this, tr("Chiudere senza salvare le modifiche ?"));
}

bool TForm6::MayReplace()
{
    return !modified_ || tk::platform().ConfirmBox(this, tr("Le modifiche non salvate andranno perse. Continuare ?"));
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
    // Enter belongs to the cells. Escape in an open cell only ends its
    // editing (the cell's editor takes it); anywhere else it is "Chiudi".
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        BTNCHIUDIClick();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
