#include "app/program.h"

#include "nav/deviation_file.h"
#include "nav/endurance.h"
#include "toolkit/color_scheme.h"
#include "toolkit/first_paint.h"

#include <QFileInfo>

namespace {

DataPlaces WithChosenTable(DataPlaces places, const QSettings& settings)
{
    places.chosenTable = settings.value(QString::fromLatin1(kDeviationTableKey)).toString();
    return places;
}

}  // namespace

Program::Program(const QString& appFolder, Startup startup)
    : Program(appFolder.isEmpty() ? SystemDataPlaces() : PortableDataPlaces(appFolder), startup)
{
}

Program::Program(const DataPlaces& places, Startup startup)
    : dataPlaces(WithChosenTable(places, settings))
    , form1(state, dataPlaces, startup)
{
    // A chosen table that is gone has been reported: forgotten, so that it is said once.
    RememberTable(state.deviationPath);
    RememberNightColors();
    if (startup == Startup::AtOnce)
        CreateDialogs();
    else
        toolkit::AfterFirstPaint(&form1, [this] { CreateDialogs(); });
}

void Program::RememberNightColors()
{
    toolkit::ColorScheme& scheme = toolkit::ColorScheme::instance();
    scheme.setNight(settings.value(QString::fromLatin1(kNightColorsKey), false).toBool());
    QObject::connect(&scheme, &toolkit::ColorScheme::NightChanged, &form1, [this](bool night) {
        settings.setValue(QString::fromLatin1(kNightColorsKey), night);
        settings.sync();
    });
}

void Program::RememberFuel()
{
    form1.ChooseFuel(settings.value(QString::fromLatin1(kFuelKey), TForm1::Diesel).toInt(),
                     settings.value(QString::fromLatin1(kFuelDensityKey), nav::kDieselGramsPerLitre).toInt());
    QObject::connect(&form1, &TForm1::FuelChanged, &form1, [this](int kind, int gramsPerLitre) {
        settings.setValue(QString::fromLatin1(kFuelKey), kind);
        if (kind == TForm1::OtherFuel)
            settings.setValue(QString::fromLatin1(kFuelDensityKey), gramsPerLitre);
        settings.sync();
    });
}

void Program::RememberTable(const QString& path)
{
    DataPlaces usual = dataPlaces;
    usual.chosenTable.clear();
    const QString key = QString::fromLatin1(kDeviationTableKey);
    if (QFileInfo(path) == QFileInfo(LocateDataFiles(usual).deviationPath))
        settings.remove(key);
    else
        settings.setValue(key, QFileInfo(path).absoluteFilePath());
    settings.sync();
}

void Program::CreateDialogs()
{
    form1.BuildPages();  // the declination dialog fills the main window's panel
    RememberFuel();
    form2 = std::make_unique<TForm2>(state, &form1);
    form3 = std::make_unique<TForm3>(state, &form1);
    form4 = std::make_unique<TForm4>(
        state, state, [this](int lowest, int highest) { form1.OpenAngleDialog(lowest, highest); }, form1.EDDECL,
        &form1, &settings);
    QObject::connect(&form1, &TForm1::AngleDialogRequested, form2.get(), &TForm2::OpenAngleDialog);
    QObject::connect(&form1, &TForm1::SpeedDialogRequested, form3.get(), &TForm3::Open);
    QObject::connect(&form1, &TForm1::DeclinationDialogRequested, form4.get(), &TForm4::Open);
    QObject::connect(form4.get(), &TForm4::DeclinationApplied, &form1, &TForm1::RecomputeCorrections);

    form6 = std::make_unique<TForm6>(
        TForm6::Files{[this] { return state.deviationPath; }, [this] { return form1.DeviationSavePath(); },
                      [this](const QString& path) {
                          form1.DeviationTableSaved(path);
                          RememberTable(path);
                          form9->RefreshCourse();
                      }},
        &form1);
    form7 = std::make_unique<TForm7>([this](const std::vector<nav::DeviationRow>& rows) { form6->Edit(rows); },
                                     [this] { return state.valDECL; }, &form1);
    form8 = std::make_unique<TForm8>([this] { return state.deviationTable; }, settings, &form1);
    QObject::connect(&form1, &TForm1::DeviationEditorRequested, form6.get(),
                     [this] { form6->Edit(nav::RowsOf(state.deviationTable)); });
    QObject::connect(&form1, &TForm1::CompassSwingRequested, form7.get(), &TForm7::Open);
    QObject::connect(&form1, &TForm1::DeviationCurveRequested, form8.get(), &TForm8::Open);

    form9 = std::make_unique<TForm9>(
        TForm9::Links{[this](nav::Angle& value, TAlignedEdit* field, int lowest, int highest) {
                          return form1.EnterAngleFor(value, field, lowest, highest);
                      },
                      [this](nav::Angle course) { return form1.FromTrue(course); },
                      [this](nav::Angle course) { form1.TakeTrueHeading(course); },
                      [this](nav::Angle course) { form1.TakeTrueCourse(course); }},
        &settings, &form1);
    QObject::connect(&form1, &TForm1::CoastalRequested, form9.get(), &TForm9::Open);
    QObject::connect(form4.get(), &TForm4::DeclinationApplied, form9.get(), &TForm9::RefreshCourse);
    CreateWorksheet();
    CreateOnboard();
}

void Program::CreateWorksheet()
{
    if (const QString path = WorksheetPath(dataPlaces); !path.isEmpty())
        logFile = std::make_unique<worksheet::LogFile>(log, path, &form1);
    form10 = std::make_unique<TForm10>(
        log, [this] { return settings.value(QString::fromLatin1(kVesselNameKey)).toString(); }, &form1);
    QObject::connect(&form1, &TForm1::WorksheetRequested, form10.get(), &TForm10::Open);
    QObject::connect(&form1, &TForm1::Solved, &log, &worksheet::Log::Add);
    QObject::connect(form4.get(), &TForm4::Solved, &log, &worksheet::Log::Add);
    QObject::connect(form7.get(), &TForm7::Solved, &log, &worksheet::Log::Add);
    QObject::connect(form9.get(), &TForm9::Solved, &log, &worksheet::Log::Add);
}

void Program::CreateOnboard()
{
    instruments = std::make_unique<onboard::InstrumentLink>(onboard::InstrumentLink::Corrections{
        [this]() -> const nav::DeviationTable& { return state.deviationTable; }, [this] { return state.valDECL; }});
    form11 = std::make_unique<TForm11>(*instruments, [this] { return state.valDECL; }, &settings, &form1);
    QObject::connect(&form1, &TForm1::OnboardRequested, form11.get(), &TForm11::Open);
    form1.instruments = [this] { return instruments->Live().ForCorrenti(instruments->clock()); };
    // The compass swing from GPS averages the sentences as they come.
    QObject::connect(instruments.get(), &onboard::InstrumentLink::SentenceRead, form7.get(),
                     &TForm7::FeedInstruments);
}
