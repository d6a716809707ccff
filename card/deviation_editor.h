#pragma once
// TForm6, the deviation table editor: the rows of DEVIAZIONI.TXT as compass
// heading and deviation, with add, delete and sort; "Salva" writes the file
// whole or not at all, keeping the old one as <file>.bak, and has the program
// read it again. "Apri…" and "Salva con nome…" change the table in use, so
// that a school keeps the exam boat's table beside its own; the sample, the
// exam table and the last copy can be loaded as a starting point.

#include "nav/deviation_table.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class DeviationRows;
class QLabel;
class QMenu;

namespace toolkit {
class SpeedButton;
}

// The tables the program carries: its sample, and the table of the
// ministerial exam's charts 5/D and 42/D.
inline constexpr char kSampleTablePath[] = ":/tables/DEVIAZIONI.TXT";
inline constexpr char kExamTablePath[] = ":/tables/esame-5D-42D.txt";

// Where "Salva" keeps the file it replaces: path + ".bak".
QString BackupPath(const QString& path);

// Writes the rows to path in the file's format, keeping the comment lines
// at the top of the file that is there (or of keepCommentsOf, when given).
// The file that is there is first copied to its BackupPath. An empty text
// on success, else the reason; a failure leaves the old file.
QString SaveDeviationFile(const QString& path, const std::vector<nav::DeviationRow>& rows,
                          const QString& keepCommentsOf = QString());

// The rows of a table file, read as the program reads DEVIAZIONI.TXT; a file
// that is not a table gives no rows and the reason.
struct DeviationFileRead {
    std::vector<nav::DeviationRow> rows;
    QString problem;
};
DeviationFileRead ReadDeviationFile(const QString& path);

class TForm6 : public QDialog {
    Q_OBJECT

public:
    struct Files {
        std::function<QString()> readPath;        // the table in use
        std::function<QString()> savePath;        // where "Salva" writes it
        std::function<void(const QString&)> use;  // the table there is in use from now: the program reads it
    };

    TForm6(Files files, QWidget* parent = nullptr);

    // Shows the rows modally.
    void Edit(const std::vector<nav::DeviationRow>& rows);
    // Loads the rows without showing the window.
    void Load(const std::vector<nav::DeviationRow>& rows);

    void BTNAGGIUNGIClick();
    void BTNELIMINAClick();
    void BTNORDINAClick();
    // False when nothing was written (a row refused or the file not written).
    // Rows loaded from an example are saved as "Salva con nome…" does.
    bool BTNSALVAClick();
    bool BTNSALVACOMEClick();
    void BTNAPRIClick();
    // Shows the menu of the tables the program carries.
    void BTNESEMPIOClick();
    // The rows of a carried table as unsaved edits, once any edits may go.
    void LoadExample(const QString& path);
    // The rows of the last copy as unsaved edits, once the user agrees.
    void BTNRIPRISTINAClick();
    void BTNCHIUDIClick();

    DeviationRows* SGRIGHE = nullptr;
    QLabel* LBSTATO = nullptr;
    toolkit::SpeedButton* BTNAGGIUNGI = nullptr;
    toolkit::SpeedButton* BTNELIMINA = nullptr;
    toolkit::SpeedButton* BTNORDINA = nullptr;
    toolkit::SpeedButton* BTNESEMPIO = nullptr;
    toolkit::SpeedButton* BTNRIPRISTINA = nullptr;
    toolkit::SpeedButton* BTNAPRI = nullptr;
    toolkit::SpeedButton* BTNSALVACOME = nullptr;
    toolkit::SpeedButton* BTNSALVA = nullptr;
    toolkit::SpeedButton* BTNCHIUDI = nullptr;
    QMenu* MNESEMPIO = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    void ShowCount();
    // The rows in the grid; commentsOf: the file whose comment lines go with
    // them when they are written.
    void Show(const std::vector<nav::DeviationRow>& rows, const QString& commentsOf, bool unsaved);
    // Rows loaded from a file that is not the table in use, to be saved.
    void ShowUnsaved(const std::vector<nav::DeviationRow>& rows, const QString& from, const QString& name);
    // "Ripristina" only when there is a copy to take back.
    void ShowRestore();
    // The rows of the file, or none with the reason shown.
    std::optional<std::vector<nav::DeviationRow>> ReadRows(const QString& path);
    // The rows of the grid, or none with the first problem shown.
    std::optional<std::vector<nav::DeviationRow>> RowsToWrite();
    // Writes the rows to path, which becomes the table in use.
    bool Write(const QString& path, const std::vector<nav::DeviationRow>& rows);
    // True when the rows may be left: unchanged, or the user says so.
    bool MayLeave();
    // True when the rows may be replaced: unchanged, or the user says so.
    bool MayReplace();

    Files files_;
    QString commentsOf_;
    bool modified_ = false;
    // The rows came from a table the program carries: "Salva" asks for a
    // file of its own, so that an example never replaces the table in use.
    bool fromExample_ = false;
};
