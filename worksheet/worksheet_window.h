#pragma once
// TForm10, the log of worked calculations, beside the main window (not
// modal): the entries, newest last; copied as text, exported as PDF,
// printed or cleared.

#include <QDialog>

#include <functional>

class QListWidget;
class QPrinter;

namespace toolkit {
class SpeedButton;
}

namespace worksheet {
class Log;
struct Printout;
}

class TForm10 : public QDialog {
    Q_OBJECT

public:
    // vesselName: the name the deviation card remembers, for the printout.
    TForm10(worksheet::Log& log, std::function<QString()> vesselName, QWidget* parent = nullptr);

    // Shows the window at its newest entry, or raises it.
    void Open();

    void BTNCOPIAClick();
    void BTNPDFClick();
    void BTNSTAMPAClick();
    void BTNSVUOTAClick();
    // What is printed or exported now: the vessel's name, today, the language.
    worksheet::Printout Printout() const;

    // Lets the user set up the printer; false to print nothing. Tests answer it.
    std::function<bool(QPrinter&)> askPrinter;

    QListWidget* ELENCO = nullptr;
    toolkit::SpeedButton* BTNCOPIA = nullptr;
    toolkit::SpeedButton* BTNPDF = nullptr;
    toolkit::SpeedButton* BTNSTAMPA = nullptr;
    toolkit::SpeedButton* BTNSVUOTA = nullptr;

private:
    void BuildLayout();
    // The list as the log holds it: one more at the end, or all anew.
    void ShowAdded();
    void ShowAll();
    void ScrollToNewest();

    worksheet::Log& log_;
    std::function<QString()> vesselName_;
};
