#pragma once
// Where the two data files live. A portable copy (its folder writable, and
// not the bin folder of an installed package) keeps both beside the
// executable. An installed copy keeps ORVAN_INI.INI in the user's
// configuration folder and takes the first DEVIAZIONI.TXT found in the user's
// data folder, beside the executable, then in the package's shared data.
// A table the user put in use ("Apri…", "Salva con nome…") comes before
// them all while it is there.

#include <QString>

inline constexpr char kDeviationFileName[] = "DEVIAZIONI.TXT";
inline constexpr char kSettingsFileName[] = "ORVAN_INI.INI";

// The folders that decide the placement, injectable for tests.
struct DataPlaces {
    QString executableFolder;
    bool executableFolderWritable = false;
    QString configFolder;   // the user's configuration folder
    QString dataFolder;     // the user's data folder
    QString packageFolder;  // the package's shared data, found from the executable
    QString chosenTable{};  // the table the user last put in use, empty for the usual one
};

struct DataFiles {
    QString settingsPath;
    // The table to read: the chosen one, else the first one found, else
    // where the user should put it.
    QString deviationPath;
    // The chosen table when it is gone, and the usual one is read instead.
    QString missingTable{};
};

// This process: its executable's folder and the user's standard locations.
DataPlaces SystemDataPlaces();

// A portable copy whose files lie in folder.
DataPlaces PortableDataPlaces(const QString& folder);

// Decides both paths. For an installed copy it creates the configuration
// folder, so that the settings file can be written at the first start.
DataFiles LocateDataFiles(const DataPlaces& places);

// Where the calculation log is kept: beside the executable in a portable
// copy, else in the user's data folder; empty when no folder is known.
QString WorksheetPath(const DataPlaces& places);

// Where an edited table is written: over the table read, in a portable copy
// or when it is a table of the user's own; else, in an installed copy, the
// user's data folder, which is searched first (created if need be). readPath
// when no folder is known.
QString DeviationSavePath(const DataPlaces& places, const QString& readPath);
