#pragma once
// The program's windows, created in the order of the start-up sequence: the
// main window (which loads the deviation table and builds the files'
// paths), then the dialogs, the declination dialog last (which reads the
// settings file and fills the bottom panel before the main window shows).

#include "app/main_window.h"
#include "app/nav_state.h"
#include "dialogs/angle_dialog.h"
#include "dialogs/declination_dialog.h"
#include "dialogs/speed_dialog.h"

class Program {
public:
    // appFolder: a portable copy's folder, where the two files lie; empty
    // for the places of this process.
    explicit Program(const QString& appFolder = QString());
    explicit Program(const DataPlaces& places);

    NavState state;
    TForm1 form1;
    TForm2 form2;
    TForm3 form3;
    TForm4 form4;
};
