#include "app/main_window.h"

#include "support/main_window_fixture.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "toolkit/up_down.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

class AutonomiaTest : public MainWindowFixture {
protected:
    toolkit::ScopedFormatSettings english{{QLatin1Char('.'), QLatin1Char(',')}};

    void SetUp() override
    {
        WriteTable("0;0\r\n");
        Start();
        form->PageControl1->setCurrentWidget(form->TabSheet4);
    }

    void Minutes(int m)
    {
        form->SPMIN->setPosition(m);
        form->SPMINClick();
    }

    void Click(const char* name)
    {
        form->findChild<toolkit::SpeedButton*>(QString::fromLatin1(name))->click();
    }

    QString Time() const { return form->EDTT->text(); }
};

TEST_F(AutonomiaTest, LayoutValues)
{
    EXPECT_EQ(form->SPCT->text(), QStringLiteral("1.0"));
    EXPECT_EQ(form->SPVM->text(), QStringLiteral("1.0"));
    EXPECT_EQ(form->SPHP->text(), QStringLiteral("0.0"));
    EXPECT_EQ(form->SPCS->text(), QStringLiteral("0"));
    EXPECT_EQ(form->SPAUTO->text(), QStringLiteral("0.0"));
    EXPECT_EQ(form->SPCT->MaxValue(), 9999);
    EXPECT_EQ(form->SPCS->Increment(), 5);
    EXPECT_EQ(form->SPCT->Alignment(), TAlignedEdit::TAlignment::taCenter);
    EXPECT_EQ(Time(), QStringLiteral("00:00"));
    EXPECT_TRUE(form->EDAUTO30->text().isEmpty());
}

TEST_F(AutonomiaTest, TimeEntryStepsByHoursAndMinutes)
{
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(form->SPORE->upButton(), Qt::LeftButton);
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(form->SPMIN->upButton(), Qt::LeftButton);
    EXPECT_EQ(Time(), QStringLiteral("03:05"));

    Minutes(30);
    QTest::mouseClick(form->SPORE->downButton(), Qt::LeftButton);
    EXPECT_EQ(Time(), QStringLiteral("00:00"));
    EXPECT_EQ(form->SPMIN->Position(), 0);
}

struct PassageCase {
    double distance, speed;
    const char* time;
};

class PassageTimeTest : public AutonomiaTest, public testing::WithParamInterface<PassageCase> {};

TEST_P(PassageTimeTest, TimeFromDistanceAndSpeed)
{
    form->SPCT->setValue(GetParam().distance);
    form->SPVM->setValue(GetParam().speed);
    Click("CALCTT");
    EXPECT_EQ(Time(), QString::fromLatin1(GetParam().time));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, PassageTimeTest,
                         testing::Values(PassageCase{12, 8, "01:30"}, PassageCase{10, 3, "03:20"},
                                         PassageCase{1, 7, "00:09"}, PassageCase{0, 5, "00:00"},
                                         PassageCase{5450, 10, "545:00"}));

TEST_F(AutonomiaTest, SpeedAndDistanceFromTheOtherTwo)
{
    Minutes(90);
    form->SPCT->setValue(12);
    Click("CALCVM");
    EXPECT_EQ(form->SPVM->text(), QStringLiteral("8.0"));
    form->SPCT->setValue(0);
    Click("CALCCT");
    EXPECT_EQ(form->SPCT->text(), QStringLiteral("12.0"));
}

TEST_F(AutonomiaTest, FuelAndReserve)
{
    form->SPHP->setValue(100);
    form->SPCS->setValue(200);
    Minutes(180);
    Click("CALCAUTO");
    EXPECT_EQ(form->SPAUTO->text(), QStringLiteral("72.0"));
    EXPECT_EQ(form->EDAUTO30->text(), QStringLiteral(" 93.6"));
}

TEST_F(AutonomiaTest, ReserveUsesTheLocaleSeparator)
{
    toolkit::ScopedFormatSettings italian({QLatin1Char(','), QLatin1Char('.')});
    form->SPHP->setValue(100);
    form->SPCS->setValue(200);
    Minutes(180);
    Click("CALCAUTO");
    EXPECT_EQ(form->EDAUTO30->text(), QStringLiteral(" 93,6"));
}

TEST_F(AutonomiaTest, PowerAndConsumptionFromTheFuel)
{
    form->SPAUTO->setValue(72);
    form->SPCS->setValue(200);
    form->EDAUTO30->setText(QStringLiteral(" 93.6"));
    Minutes(180);
    Click("CALCHP");
    EXPECT_EQ(form->SPHP->text(), QStringLiteral("100.0"));  // 99.96 to one decimal
    EXPECT_TRUE(form->EDAUTO30->text().isEmpty());

    form->SPHP->setValue(100);
    Click("CALCCS");
    EXPECT_EQ(form->SPCS->text(), QStringLiteral("199.92"));
}

TEST_F(AutonomiaTest, LeavingConsumptionSnapsToFiveGrams)
{
    form->SPCS->setFocus();
    form->SPCS->selectAll();
    QTest::keyClicks(form->SPCS, QStringLiteral("237"));
    form->SPHP->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->SPCS->text(), QStringLiteral("235"));
}

struct RefusalCase {
    const char* button;
    double power, consumption;
    int minutes;
    double speed;
    const char* message;
};

class RefusalTest : public AutonomiaTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, RefusesAndChangesNothing)
{
    const auto& c = GetParam();
    form->SPHP->setValue(c.power);
    form->SPCS->setValue(c.consumption);
    form->SPVM->setValue(c.speed);
    Minutes(c.minutes);
    const QString before = form->SPHP->text() + form->SPCS->text() + form->SPVM->text()
                           + form->SPCT->text() + Time();
    Click(c.button);
    EXPECT_EQ(recorded.platform.errors, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(form->SPHP->text() + form->SPCS->text() + form->SPVM->text() + form->SPCT->text() + Time(),
              before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusalTest,
    testing::Values(RefusalCase{"CALCVM", 0, 0, 0, 1, "Tempo = 0 !"},
                    RefusalCase{"CALCTT", 0, 0, 0, 0, "Velocit\u00E0 = 0 !"},
                    RefusalCase{"CALCHP", 100, 0, 0, 1, "Consumo Specifico = 0 !"},
                    RefusalCase{"CALCHP", 100, 0, 60, 1, "Consumo Specifico = 0 !"},
                    RefusalCase{"CALCHP", 100, 200, 0, 1, "Tempo Totale = 0 !"},
                    RefusalCase{"CALCCS", 0, 200, 60, 1, "Potenza motore = 0 !"},
                    RefusalCase{"CALCCS", 100, 200, 0, 1, "Tempo Totale = 0 !"}));

TEST_F(AutonomiaTest, ATimeBeyondTheEntryIsRefused)
{
    form->SPCT->setValue(9999);
    form->SPVM->setValue(0.1);
    Minutes(75);
    Click("CALCTT");
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Tempo > 545:00 !")});
    EXPECT_EQ(Time(), QStringLiteral("01:15"));
    EXPECT_EQ(form->SPMIN->Position(), 75);
}
