#pragma once
// A main window started on a deviation table in a folder of its own, with
// recorded message boxes and beeps.

#include "app/main_window.h"
#include "support/recording_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class MainWindowFixture : public testing::Test {
protected:
    RecordedPlatform recorded;
    QTemporaryDir folder;
    NavState state;
    std::unique_ptr<TForm1> form;

    void WriteTable(const QByteArray& text)
    {
        QFile file(folder.filePath(QStringLiteral("DEVIAZIONI.TXT")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    void Start(bool show = true, Startup startup = Startup::AtOnce)
    {
        form = std::make_unique<TForm1>(state, PortableDataPlaces(folder.path()), startup);
        if (show) {
            form->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        }
    }
};
