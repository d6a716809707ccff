#include "app/program.h"

#include "toolkit/first_paint.h"

Program::Program(const QString& appFolder, Dialogs dialogs)
    : Program(appFolder.isEmpty() ? SystemDataPlaces() : PortableDataPlaces(appFolder), dialogs)
{
}

Program::Program(const DataPlaces& places, Dialogs dialogs)
    : form1(state, places)
{
    if (dialogs == Dialogs::AtOnce)
        CreateDialogs();
    else
        toolkit::AfterFirstPaint(&form1, [this] { CreateDialogs(); });
}

void Program::CreateDialogs()
{
    form2 = std::make_unique<TForm2>(state, &form1);
    form3 = std::make_unique<TForm3>(state, &form1);
    form4 = std::make_unique<TForm4>(
        state, state, [this](int lowest, int highest) { form1.OpenAngleDialog(lowest, highest); }, form1.EDDECL,
        &form1, &memory);
    QObject::connect(&form1, &TForm1::AngleDialogRequested, form2.get(), &TForm2::OpenAngleDialog);
    QObject::connect(&form1, &TForm1::SpeedDialogRequested, form3.get(), &TForm3::Open);
    QObject::connect(&form1, &TForm1::DeclinationDialogRequested, form4.get(), &TForm4::Open);
}
