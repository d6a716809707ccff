#pragma once
// TForm6, the deviation table editor: the rows of DEVIAZIONI.TXT as compass
// heading and deviation, with add, delete and sort; "Salva" writes the file
// whole or not at all and has the program read it again.

#include "nav/deviation_table.h"

#include <QDialog>

#include <functional>
#include <vector>

class DeviationRows;
class QLabel;

namespace toolkit {
class SpeedButton;
}

// Writes the rows to path in the file's format, keeping the comment lines
// at the top of the file that is there (or of keepCommentsOf, when given).
// An empty text on success, else the reason; a failure leaves the old file.
QString SaveDeviationFile(const QString& path, const std::vector<nav::DeviationRow>& rows,
                          const QString& keepCommentsOf = QString());

class TForm6 : public QDialog {
    Q_OBJECT

public:
    struct Files {
        std::function<QString()> readPath;          // the table in use
        std::function<QString()> savePath;          // where an edited table goes
        std::function<void(const QString&)> saved;  // the program reads it from there
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
    bool BTNSALVAClick();
    void BTNCHIUDIClick();

    DeviationRows* SGRIGHE = nullptr;
    QLabel* LBSTATO = nullptr;
    toolkit::SpeedButton* BTNAGGIUNGI = nullptr;
    toolkit::SpeedButton* BTNELIMINA = nullptr;
    toolkit::SpeedButton* BTNORDINA = nullptr;
    toolkit::SpeedButton* BTNSALVA = nullptr;
    toolkit::SpeedButton* BTNCHIUDI = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    void ShowCount();
    // True when the rows may be left: unchanged, or the user says so.
    bool MayLeave();

    Files files_;
    bool modified_ = false;
};
