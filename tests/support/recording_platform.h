#pragma once
// A platform for tests: counts beeps, records message boxes and file
// dialogs, answers the confirmation and the file choice with set replies and
// keeps a clock that the test moves.

#include "toolkit/platform.h"

#include <QStringList>

#include <functional>

struct RecordingPlatform : toolkit::Platform {
    int beeps = 0;
    std::uint32_t now = 0;
    bool confirmAnswer = false;
    QStringList errors;      // texts of "Error" boxes
    QStringList confirms;    // texts of "Confirm" boxes
    QStringList exceptions;  // texts shown by the general error handler
    QString selection;       // the primary selection a middle click pastes
    QString fileAnswer;      // the file chosen in a file dialog, empty for a cancel
    QStringList fileDialogs; // captions of the file dialogs opened
    int printDialogs = 0;    // print dialogs opened, each cancelled
    std::function<void()> onException;  // runs as the error box would open

    void Beep() override { ++beeps; }
    std::uint32_t TickCount() override { return now; }
    void ErrorBox(QWidget*, const QString& text) override { errors << text; }
    bool ConfirmBox(QWidget*, const QString& text) override
    {
        confirms << text;
        return confirmAnswer;
    }
    void ShowException(QWidget*, const QString& text) override
    {
        if (onException)
            onException();
        exceptions << text;
    }
    QString OpenFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        fileDialogs << caption;
        return fileAnswer;
    }
    QString SaveFileName(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        fileDialogs << caption;
        return fileAnswer;
    }
    bool ChoosePrinter(QWidget*, QPrinter&) override
    {
        ++printDialogs;
        return false;
    }
    QString PrimarySelection() override { return selection; }
};

// Installs a RecordingPlatform for the life of the fixture member.
struct RecordedPlatform {
    RecordingPlatform platform;
    toolkit::ScopedPlatform scope{platform};
};
