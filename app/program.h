#pragma once
// The program's windows, created in the order of the start-up sequence: the
// main window (which loads the deviation table and builds the files'
// paths), then the dialogs, the declination dialog last (which reads the
// settings file and fills the bottom panel before the main window shows).

#include "app/main_window.h"
#include "app/nav_state.h"
#include "app/startup.h"
#include "card/compass_swing.h"
#include "card/deviation_curve.h"
#include "card/deviation_editor.h"
#include "coastal/coastal_window.h"
#include "dialogs/angle_dialog.h"
#include "dialogs/declination_dialog.h"
#include "dialogs/speed_dialog.h"
#include "onboard/instrument_link.h"
#include "onboard/onboard_window.h"
#include "worksheet/log_file.h"
#include "worksheet/worksheet_log.h"
#include "worksheet/worksheet_window.h"

#include <QSettings>

#include <memory>

class Program {
public:
    // appFolder: a portable copy's folder, where the two files lie; empty
    // for the places of this process. The program shows its main window
    // sooner with the hidden tabs and the dialogs built after its first
    // paint; during the splash the declination panel is hidden, so it is
    // filled before it can be seen.
    explicit Program(const QString& appFolder = QString(), Startup startup = Startup::AtOnce);
    explicit Program(const DataPlaces& places, Startup startup = Startup::AtOnce);

    NavState state;
    // The calculations that succeeded, from every window; it outlives them.
    worksheet::Log log;
    // What the user last entered beyond the two data files (the position of
    // Form5, the vessel's name, the night colours, the table in use), in the
    // user's configuration; ORVAN_INI.INI keeps its four lines. It outlives
    // the windows that write it.
    QSettings settings{QSettings::UserScope, QStringLiteral("Orvane"), QStringLiteral("Orvane")};
    // Where the data files are, with the table the user last put in use.
    const DataPlaces dataPlaces;
    TForm1 form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    // The deviation card: table editor, compass swing and curve.
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm7> form7;
    std::unique_ptr<TForm8> form8;
    // The coastal problems, beside the main window.
    std::unique_ptr<TForm9> form9;
    // Where the log is kept between runs, once the windows can tell of a
    // file that cannot be read; none when no folder is known.
    std::unique_ptr<worksheet::LogFile> logFile;
    // The log of the calculations, beside the main window.
    std::unique_ptr<TForm10> form10;
    // The boat's instruments, read while the program runs, and their window.
    std::unique_ptr<onboard::InstrumentLink> instruments;
    std::unique_ptr<TForm11> form11;

private:
    // The dialogs in their start-up order, wired to the main window.
    void CreateDialogs();
    // The night colours as the user last left them, and kept from now on.
    void RememberNightColors();
    // The fuel chosen on "Autonomia", as the user last left it.
    void RememberFuel();
    // The table in use, kept for the next start unless it is the usual one.
    void RememberTable(const QString& path);
    // The log read back and its window, each window's calculations written to it.
    void CreateWorksheet();
    // The instruments' link on the table and declination in use, and its window.
    void CreateOnboard();
};

// The settings key of the night colours.
inline constexpr char kNightColorsKey[] = "display/night";
// The settings keys of the fuel and of another fuel's density (g/l).
inline constexpr char kFuelKey[] = "endurance/fuel";
inline constexpr char kFuelDensityKey[] = "endurance/density";
// The settings key of the deviation table in use.
inline constexpr char kDeviationTableKey[] = "deviation/table";
