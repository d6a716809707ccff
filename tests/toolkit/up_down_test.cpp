#include "toolkit/up_down.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using toolkit::UpDown;
using toolkit::UpDownButton;

TEST(UpDown, ArrowsMoveWithinTheRangeAndReportEveryPress)
{
    QWidget window;
    UpDown minutes(&window, QStringLiteral("SPMIN"), 0, 2, 0);
    minutes.setGeometry(0, 0, 16, 24);
    QSignalSpy clicks(&minutes, &UpDown::Click);

    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(minutes.upButton(), Qt::LeftButton);
    EXPECT_EQ(minutes.Position(), 2);  // stops at Max
    ASSERT_EQ(clicks.count(), 3);      // the press at the limit is reported too
    EXPECT_EQ(clicks.last().at(0).value<UpDownButton>(), UpDownButton::Next);

    QTest::mouseClick(minutes.downButton(), Qt::LeftButton);
    EXPECT_EQ(minutes.Position(), 1);
    EXPECT_EQ(clicks.last().at(0).value<UpDownButton>(), UpDownButton::Prev);
}

TEST(UpDown, SetPositionClampsAndSignalsOnlyChanges)
{
    QWidget window;
    UpDown hours(&window, QStringLiteral("SPORE"), -5, 5, 0);
    QSignalSpy changes(&hours, &UpDown::PositionChanged);
    hours.setPosition(9);
    EXPECT_EQ(hours.Position(), 5);
    hours.setPosition(5);
    EXPECT_EQ(changes.count(), 1);
    hours.setMax(3);
    EXPECT_EQ(hours.Position(), 3);
}
