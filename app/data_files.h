#pragma once
// Where the two data files live. A portable copy (its folder writable, and
// not the bin folder of an installed package) keeps both beside the
// executable. An installed copy keeps ORVAN_INI.INI in the user's
// configuration folder and takes the first DEVIAZIONI.TXT found in the user's
// data folder, beside the executable, then in the package's shared data.

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
};

struct DataFiles {
    QString settingsPath;
    // The table to read: the first one found, else where the user should put it.
    QString deviationPath;
};

// This process: its executable's folder and the user's standard locations.
DataPlaces SystemDataPlaces();

// A portable copy whose files lie in folder.
DataPlaces PortableDataPlaces(const QString& folder);

// Decides both paths. For an installed copy it creates the configuration
// folder, so that the settings file can be written at the first start.
DataFiles LocateDataFiles(const DataPlaces& places);

// Where an edited DEVIAZIONI.TXT is written: over the table read, in a
// portable copy; the user's data folder, which is searched first, in an
// installed one (created if need be). readPath when no folder is known.
QString DeviationSavePath(const DataPlaces& places, const QString& readPath);
