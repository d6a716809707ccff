#include "app/main_window.h"
#include "nav/endurance.h"

#include "support/main_window_fixture.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "toolkit/up_down.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTime>
#include <QTimeEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

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

    // Every figure of the tab, to check that a refusal changes none.
    QString Snapshot() const
    {
        return QStringList{form->SPCT->text(), form->SPVM->text(), Time(), form->SPHP->text(),
                           form->SPCS->text(), form->SPAUTO->text(), form->EDAUTO30->text()}
            .join(QLatin1Char('|'));
    }
};

struct SpinLayoutCase {
    const char* name;
    int decimals;
    double min, max;
    const char* text;
    double increment;
};

class SpinLayoutTest : public AutonomiaTest, public testing::WithParamInterface<SpinLayoutCase> {};

TEST_P(SpinLayoutTest, StartsWithItsStoredSettings)
{
    const auto& c = GetParam();
    auto* spin = form->findChild<TSpinNumEdit*>(QString::fromLatin1(c.name));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Decimals(), c.decimals);
    EXPECT_EQ(spin->MinValue(), c.min);
    EXPECT_EQ(spin->MaxValue(), c.max);
    EXPECT_EQ(spin->text(), QString::fromLatin1(c.text));
    EXPECT_EQ(spin->Increment(), c.increment);
    EXPECT_EQ(spin->Alignment(), TAlignedEdit::TAlignment::taCenter);
}

INSTANTIATE_TEST_SUITE_P(Table, SpinLayoutTest,
                         testing::Values(SpinLayoutCase{"SPCT", 1, 0, 9999, "1.0", 1},
                                         SpinLayoutCase{"SPVM", 1, 0, 100, "1.0", 1},
                                         SpinLayoutCase{"SPHP", 1, 0, 0, "0.0", 1},
                                         SpinLayoutCase{"SPCS", kAutoDecimals, 0, 0, "0", 5},
                                         SpinLayoutCase{"SPAUTO", 1, 0, 99999, "0.0", 1}));

TEST_F(AutonomiaTest, TheTimeStartsAtZeroAndTheReserveEmpty)
{
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
    QTime departure = QTime(0, 0);
    const char* arrival = nullptr;  // nullptr: not checked
};

class PassageTimeTest : public AutonomiaTest, public testing::WithParamInterface<PassageCase> {};

TEST_P(PassageTimeTest, TimeFromDistanceAndSpeedAndTheArrivalOnItsDay)
{
    form->SPPART->setTime(GetParam().departure);
    form->SPCT->setValue(GetParam().distance);
    form->SPVM->setValue(GetParam().speed);
    QSignalSpy solved(form.get(), &TForm1::Solved);
    Click("CALCTT");
    EXPECT_EQ(solved.count(), 1);
    EXPECT_EQ(Time(), QString::fromLatin1(GetParam().time));
    if (GetParam().arrival) {
        EXPECT_EQ(form->EDARRIVO->text(), QString::fromLatin1(GetParam().arrival));
    }
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, PassageTimeTest,
                         testing::Values(PassageCase{12, 8, "01:30"}, PassageCase{10, 3, "03:20"},
                                         PassageCase{1, 7, "00:09"}, PassageCase{0, 5, "00:00"},
                                         PassageCase{1, 24, "00:02"},  // 2.5 minutes: ties to even
                                         PassageCase{5450, 10, "545:00", QTime(0, 0), "17:00 +22g"},
                                         // Figures beyond the boxes' ranges are used as shown:
                                         // 100 knots for 545:00 gives 54500 miles.
                                         PassageCase{54500, 100, "545:00"}, PassageCase{300, 150, "02:00"},
                                         PassageCase{9, 6, "01:30", QTime(8, 0), "09:30"},
                                         PassageCase{8.7, 17.4, "00:30", QTime(10, 0), "10:30"},
                                         PassageCase{100, 5, "20:00", QTime(22, 0), "18:00 +1g"},
                                         PassageCase{1, 60, "00:01", QTime(23, 59), "00:00 +1g"},
                                         PassageCase{0, 5, "00:00", QTime(23, 59), "23:59"}));

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

struct FuelCase {
    double power, consumption;
    const char* fuel;
    const char* reserve;
};

class FuelTest : public AutonomiaTest, public testing::WithParamInterface<FuelCase> {};

TEST_P(FuelTest, FuelAndReserveForThreeHours)
{
    form->SPHP->setValue(GetParam().power);
    form->SPCS->setValue(GetParam().consumption);
    Minutes(180);
    QSignalSpy solved(form.get(), &TForm1::Solved);
    Click("CALCAUTO");
    EXPECT_EQ(solved.count(), 1);
    EXPECT_EQ(form->SPAUTO->text(), QString::fromLatin1(GetParam().fuel));
    EXPECT_EQ(form->EDAUTO30->text(), QString::fromLatin1(GetParam().reserve));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, FuelTest,
                         testing::Values(FuelCase{100, 200, "72.0", " 93.6"},
                                         // The reserve comes from the fuel as shown: 28.81 litres
                                         // give 37.4, not 37.5.
                                         FuelCase{50, 160, "28.8", " 37.4"},
                                         // A power below 0 is used as shown too.
                                         FuelCase{-50, 160, "-28.8", "-37.4"}));

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

// A calculation may already have used what was typed: leaving keeps it.
TEST_F(AutonomiaTest, ATypedConsumptionStaysAsTypedAndTheArrowsStepOnFiveGrams)
{
    form->SPCS->setFocus();
    form->SPCS->selectAll();
    QTest::keyClicks(form->SPCS, QStringLiteral("278"));
    form->SPHP->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->SPCS->text(), QStringLiteral("278"));
    form->SPCS->StepUp(true);
    EXPECT_EQ(form->SPCS->text(), QStringLiteral("285"));
}

// Typed, stepped by the arrows or given a new departure: the arrival follows at once.
TEST_F(AutonomiaTest, TheArrivalFollowsEveryChangeOfTimeOrDeparture)
{
    form->SPPART->setFocus();
    QTest::keyClicks(form->SPPART, QStringLiteral("0800"));
    EXPECT_EQ(form->EDARRIVO->text(), QStringLiteral("08:00"));
    form->EDTT->setFocus();
    form->EDTT->selectAll();
    QTest::keyClicks(form->EDTT, QStringLiteral("1:30"));
    EXPECT_EQ(form->EDARRIVO->text(), QStringLiteral("09:30"));
    QTest::mouseClick(form->SPORE->upButton(), Qt::LeftButton);
    EXPECT_EQ(form->EDARRIVO->text(), QStringLiteral("10:30"));
    QTest::mouseClick(form->SPMIN->downButton(), Qt::LeftButton);
    EXPECT_EQ(form->EDARRIVO->text(), QStringLiteral("10:29"));
}

struct HourlyFuelCase {
    const char* what;
    int fuel;  // TForm1::FuelKind
    int gramsPerLitre;
    double power, consumption;
    const char* typedLitres;  // nullptr: derived from power and consumption
    int minutes;
    const char* button;
    const char* litresPerHour, *litres, *reserve, *density;
};

class HourlyFuelTest : public AutonomiaTest, public testing::WithParamInterface<HourlyFuelCase> {};

TEST_P(HourlyFuelTest, LitresPerHourByFuelTimesTheTime)
{
    const HourlyFuelCase& c = GetParam();
    form->SPHP->setValue(c.power);
    form->SPCS->setValue(c.consumption);
    if (c.typedLitres) {
        form->SPLH->setFocus();
        form->SPLH->selectAll();
        QTest::keyClicks(form->SPLH, QString::fromLatin1(c.typedLitres));
    }
    form->ChooseFuel(c.fuel, c.gramsPerLitre);  // a typed figure is litres whatever the fuel
    Minutes(c.minutes);
    Click(c.button);
    EXPECT_EQ(form->SPLH->text(), QString::fromLatin1(c.litresPerHour)) << c.what;
    EXPECT_EQ(form->SPAUTO->text(), QString::fromLatin1(c.litres)) << c.what;
    EXPECT_EQ(form->EDAUTO30->text(), QString::fromLatin1(c.reserve)) << c.what;
    EXPECT_EQ(form->Label8->text(), QStringLiteral("Peso Spec. Carburante = ") + QLatin1String(c.density)) << c.what;
    EXPECT_TRUE(recorded.platform.errors.isEmpty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HourlyFuelTest,
    testing::Values(
        HourlyFuelCase{"10 l/h typed", TForm1::Petrol, 0, 0, 0, "10", 90, "CALCAUTO", "10.0", "15.0", " 19.5", "0.750"},
        HourlyFuelCase{"typed over the engine's", TForm1::Diesel, 0, 100, 200, "10", 60, "CALCAUTO", "10.0", "10.0",
                       " 13.0", "0.833"},
        HourlyFuelCase{"petrol by the hour", TForm1::Petrol, 0, 150, 250, nullptr, 0, "CALCLH", "50.0", "0.0", "",
                       "0.750"},
        HourlyFuelCase{"petrol for 2 h 30", TForm1::Petrol, 0, 100, 300, nullptr, 150, "CALCAUTO", "40.0", "100.0",
                       "130.0", "0.750"},
        HourlyFuelCase{"another fuel", TForm1::OtherFuel, 800, 20, 180, nullptr, 600, "CALCAUTO", "4.5", "45.0",
                       " 58.5", "0.800"},
        HourlyFuelCase{"beyond the lightest", TForm1::OtherFuel, 100, 10, 100, nullptr, 60, "CALCAUTO", "2.0", "2.0",
                       "  2.6", "0.500"},
        // Derived, 21.6086 l/h count to the last digit: 216.1 litres, not 216.0.
        HourlyFuelCase{"derived diesel", TForm1::Diesel, 0, 100, 180, nullptr, 600, "CALCAUTO", "21.6", "216.1",
                       "280.9", "0.833"}));

TEST_F(AutonomiaTest, PowerAndConsumptionChangedTakeBackTheLitresPerHour)
{
    form->SPHP->setValue(100);
    form->SPCS->setValue(200);
    form->SPLH->setFocus();
    form->SPLH->selectAll();
    QTest::keyClicks(form->SPLH, QStringLiteral("10"));
    form->SPCS->setValue(250);
    EXPECT_EQ(form->SPLH->text(), QStringLiteral("30.0"));
}

struct TypedTimeCase {
    const char* typed;
    std::optional<int> minutes;
};

class TypedTimeTest : public testing::TestWithParam<TypedTimeCase> {};

TEST_P(TypedTimeTest, HoursAndMinutesOrMinutesAlone)
{
    EXPECT_EQ(nav::ParseTotalTime(GetParam().typed), GetParam().minutes) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Table, TypedTimeTest,
                         testing::Values(TypedTimeCase{"1:30", 90}, TypedTimeCase{"90", 90},
                                         TypedTimeCase{" 01:05 ", 65}, TypedTimeCase{"0:7", 7},
                                         TypedTimeCase{"545:00", 32700}, TypedTimeCase{"32700", 32700},
                                         TypedTimeCase{"545:01", std::nullopt}, TypedTimeCase{"1:60", std::nullopt},
                                         TypedTimeCase{"", std::nullopt}, TypedTimeCase{"1:", std::nullopt},
                                         TypedTimeCase{":30", std::nullopt}, TypedTimeCase{"-5", std::nullopt},
                                         TypedTimeCase{"1:2:3", std::nullopt},
                                         TypedTimeCase{"99999999999", std::nullopt}));

// Typed, then stepped with the keys; a time the entry cannot hold is refused.
TEST_F(AutonomiaTest, TheTimeIsTypedAndSteppedWithTheKeys)
{
    form->EDTT->setFocus();
    form->EDTT->selectAll();
    QTest::keyClicks(form->EDTT, QStringLiteral("1:30"));
    QTest::keyClick(form->EDTT, Qt::Key_Return);
    EXPECT_EQ(form->SPMIN->Position(), 90);
    QTest::keyClick(form->EDTT, Qt::Key_Up);
    EXPECT_EQ(Time(), QStringLiteral("01:31"));
    form->EDTT->selectAll();
    QTest::keyClicks(form->EDTT, QStringLiteral("9:75"));
    QTest::keyClick(form->EDTT, Qt::Key_Down);
    EXPECT_EQ(Time(), QStringLiteral("01:31"));
    EXPECT_EQ(recorded.platform.beeps, 1);
    form->SPCT->setValue(9);
    form->EDTT->selectAll();
    QTest::keyClicks(form->EDTT, QStringLiteral("45"));
    Click("CALCVM");  // a button takes no focus: the typed time counts all the same
    EXPECT_EQ(Time(), QStringLiteral("00:45"));
    EXPECT_EQ(form->SPVM->text(), QStringLiteral("12.0"));
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
    form->SPAUTO->setValue(50);
    form->EDAUTO30->setText(QStringLiteral(" 65.0"));
    Minutes(c.minutes);
    const QString before = Snapshot();
    QSignalSpy solved(form.get(), &TForm1::Solved);
    Click(c.button);
    EXPECT_EQ(solved.count(), 0);
    EXPECT_EQ(recorded.platform.errors, QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusalTest,
    testing::Values(RefusalCase{"CALCVM", 0, 0, 0, 1, "Tempo = 0 !"},
                    RefusalCase{"CALCTT", 0, 0, 0, 0, "Velocit\u00E0 = 0 !"},
                    RefusalCase{"CALCTT", 0, 0, 60, -8, "Velocit\u00E0 = 0 !"},
                    RefusalCase{"CALCHP", 100, 0, 0, 1, "Consumo Specifico = 0 !"},
                    RefusalCase{"CALCHP", 100, 0, 60, 1, "Consumo Specifico = 0 !"},
                    RefusalCase{"CALCHP", 100, 200, 0, 1, "Tempo Totale = 0 !"},
                    RefusalCase{"CALCCS", 0, 200, 60, 1, "Potenza motore = 0 !"},
                    RefusalCase{"CALCCS", 100, 200, 0, 1, "Tempo Totale = 0 !"},
                    // Results beyond the range of a double.
                    RefusalCase{"CALCAUTO", 1e308, 5, 60, 1, "Valore fuori limite !"},
                    RefusalCase{"CALCCT", 0, 0, 32700, 1e308, "Valore fuori limite !"}));

struct UnreadableCase {
    const char* button;
    const char* field;
};

class UnreadableInputTest : public AutonomiaTest, public testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableInputTest, TheConversionErrorStopsTheCalculation)
{
    form->SPHP->setValue(100);
    form->SPCS->setValue(200);
    form->SPAUTO->setValue(72);
    form->EDAUTO30->setText(QStringLiteral(" 93.6"));
    Minutes(180);
    form->findChild<TSpinNumEdit*>(QString::fromLatin1(GetParam().field))->setText(QStringLiteral("1x5"));
    const QString before = Snapshot();
    Click(GetParam().button);
    EXPECT_EQ(recorded.platform.exceptions,
              QStringList{QStringLiteral("'1x5' is not a valid floating point value")});
    EXPECT_TRUE(recorded.platform.errors.isEmpty());  // no "Velocità = 0 !" after it
    EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Table, UnreadableInputTest,
                         testing::Values(UnreadableCase{"CALCCT", "SPVM"}, UnreadableCase{"CALCVM", "SPCT"},
                                         UnreadableCase{"CALCTT", "SPVM"}, UnreadableCase{"CALCTT", "SPCT"},
                                         UnreadableCase{"CALCAUTO", "SPHP"}, UnreadableCase{"CALCAUTO", "SPCS"},
                                         UnreadableCase{"CALCHP", "SPCS"}, UnreadableCase{"CALCHP", "SPAUTO"},
                                         UnreadableCase{"CALCCS", "SPHP"}, UnreadableCase{"CALCCS", "SPAUTO"}));

TEST_F(AutonomiaTest, APowerBeyondTheRangeOfADoubleIsRefused)
{
    form->SPAUTO->setValue(1e300);
    form->SPCS->setValue(1e-14);
    form->EDAUTO30->setText(QStringLiteral(" 65.0"));
    Minutes(60);
    const QString before = Snapshot();
    Click("CALCHP");
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Valore fuori limite !")});
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(AutonomiaTest, ANegativeTimeIsRefused)
{
    form->SPCT->setText(QStringLiteral("-1E300"));
    form->SPVM->setValue(1);
    Minutes(75);
    Click("CALCTT");
    EXPECT_EQ(recorded.platform.errors, QStringList{QStringLiteral("Valore fuori limite !")});
    EXPECT_EQ(form->SPMIN->Position(), 75);
}

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
