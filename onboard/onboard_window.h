#pragma once
// TForm11, the boat's instruments live (not modal): where they are read
// from, the link's state, each value with its sentence, talker and age, the
// current of the last minute and the sentences counted. The values are the
// link's; this window only shows them and keeps the source in Orvane.conf.

#include "onboard/instrument_link.h"

#include <QDialog>
#include <QTimer>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSettings;
class TAlignedEdit;
class TSpinNumEdit;

namespace toolkit {
class SpeedButton;
}

class TForm11 : public QDialog {
    Q_OBJECT

public:
    // declination: the program's, West positive, shown beside the instruments'.
    TForm11(onboard::InstrumentLink& link, std::function<nav::Angle()> declination, QSettings* memory,
            QWidget* parent = nullptr);

    // Shows the window, or raises it.
    void Open();

    void BTNCONNETTIClick();
    void CBSORGENTEChange();
    void BTNFILEClick();
    // The source the fields describe.
    onboard::Source SourceShown() const;

    QComboBox* CBSORGENTE = nullptr;
    TAlignedEdit* EDHOST = nullptr;
    TSpinNumEdit* SPPORTA = nullptr;
    TAlignedEdit* EDSERIALE = nullptr;
    QComboBox* CBBAUD = nullptr;
    TAlignedEdit* EDFILE = nullptr;
    toolkit::SpeedButton* BTNFILE = nullptr;
    QCheckBox* CKVELOCE = nullptr;
    toolkit::SpeedButton* BTNCONNETTI = nullptr;
    QLabel* LBSTATO = nullptr;
    // Each value, and the sentence, talker and age it has.
    QLabel* LBPB = nullptr;
    QLabel* LBPM = nullptr;
    QLabel* LBPV = nullptr;
    QLabel* LBVP = nullptr;
    QLabel* LBRV = nullptr;
    QLabel* LBVE = nullptr;
    QLabel* LBPOS = nullptr;
    QLabel* LBVAR = nullptr;
    QLabel* LBDECL = nullptr;
    QLabel* LBCORRENTE = nullptr;
    QLabel* LBFRASI = nullptr;

private:
    void BuildLayout();
    void ShowState();
    // The values as they are now: greyed when stale, blank when long silent.
    void Refresh();
    void SaveSource() const;
    void LoadSource();

    onboard::InstrumentLink& link_;
    std::function<nav::Angle()> declination_;
    QSettings* memory_;
    // The ages move on without news.
    QTimer ageTimer_;
};
