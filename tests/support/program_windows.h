#pragma once
// The program's windows on a deviation table in a folder of their
// own, with recorded message boxes, in whatever language is installed.

#include "app/program.h"
#include "coastal/position_entry.h"
#include "dialogs/position_dialog.h"
#include "support/recording_platform.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

class ProgramWindows {
    QTemporaryDir folder_;

public:
    ProgramWindows()
    {
        QFile table(folder_.filePath(QStringLiteral("DEVIAZIONI.TXT")));
        if (table.open(QIODevice::WriteOnly))
            table.write("0;2\n90;-1\n180;0.5\n270;1\n");
        table.close();
        program = std::make_unique<Program>(folder_.path());
    }

    QList<QWidget*> All() const
    {
        return {&program->form1, program->form2.get(), program->form3.get(), program->form4.get(),
                program->form4->Form5, program->form6.get(), program->form7.get(), program->form8.get(),
                program->form9.get(), program->form9->positionEntry, program->form10.get(),
                program->form11.get()};
    }

    QString Folder() const { return folder_.path(); }

    RecordedPlatform recorded;
    std::unique_ptr<Program> program;
};
