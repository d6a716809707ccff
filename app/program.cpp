#include "app/program.h"

Program::Program(const QString& appFolder)
    : Program(appFolder.isEmpty() ? SystemDataPlaces() : PortableDataPlaces(appFolder))
{
}

Program::Program(const DataPlaces& places)
    : form1(state, places)
    , form2(state, &form1)
    , form3(state, &form1)
    , form4(state, state, [this](int lowest, int highest) { form1.OpenAngleDialog(lowest, highest); }, form1.EDDECL,
            &form1)
{
    QObject::connect(&form1, &TForm1::AngleDialogRequested, &form2, &TForm2::OpenAngleDialog);
    QObject::connect(&form1, &TForm1::SpeedDialogRequested, &form3, &TForm3::Open);
    QObject::connect(&form1, &TForm1::DeclinationDialogRequested, &form4, &TForm4::Open);
}
