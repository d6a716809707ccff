// Work that waits for a window's first picture: none before it, all of it
// once after it, in the order it was asked for.

#include "toolkit/first_paint.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr qint64 kPatienceMs = 5000;

class FirstPaintTest : public testing::Test {
protected:
    QWidget window;
    QString done;

    std::function<void()> Mark(QChar name)
    {
        return [this, name] { done += name; };
    }

    void ShowAndWaitFor(const QString& expected)
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return done == expected; })) << done.toStdString();
    }
};

}  // namespace

TEST_F(FirstPaintTest, RunsInTheOrderAskedAfterThePaintOnly)
{
    for (QChar name : QStringLiteral("ABC"))
        toolkit::AfterFirstPaint(&window, Mark(name));
    window.show();
    EXPECT_TRUE(done.isEmpty());
    ShowAndWaitFor(QStringLiteral("ABC"));
}

TEST_F(FirstPaintTest, WorkAskedByWorkRunsInTheSameTurn)
{
    toolkit::AfterFirstPaint(&window, [this] {
        done += QLatin1Char('A');
        toolkit::AfterFirstPaint(&window, Mark(QLatin1Char('C')));
    });
    toolkit::AfterFirstPaint(&window, Mark(QLatin1Char('B')));
    ShowAndWaitFor(QStringLiteral("ABC"));
}

TEST_F(FirstPaintTest, WorkAskedOnceDoneWaitsForTheNextPaint)
{
    bool asked = false;
    toolkit::AfterFirstPaint(&window, [this, &asked] {
        done += QLatin1Char('A');
        // Asked in the next event, while the spent watch still waits to be deleted.
        QMetaObject::invokeMethod(
            &window,
            [this, &asked] {
                toolkit::AfterFirstPaint(&window, Mark(QLatin1Char('B')));
                asked = true;
            },
            Qt::QueuedConnection);
    });
    window.show();
    // Events as the program's loop sends them, without qWaitFor's early deletions.
    QElapsedTimer clock;
    clock.start();
    while (!asked && clock.elapsed() < kPatienceMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    ASSERT_TRUE(asked);
    EXPECT_EQ(done, QStringLiteral("A"));
    window.repaint();
    ASSERT_TRUE(QTest::qWaitFor([this] { return done == QStringLiteral("AB"); })) << done.toStdString();
}
