// The declination from a position, through the declination dialog's button.

#include "dialogs/declination_dialog.h"
#include "dialogs/position_dialog.h"

#include "support/recording_platform.h"
#include "toolkit/speed_button.h"
#include "toolkit/text_format.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/num_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;
constexpr nav::Angle kMin = nav::kSecondsPerMinute;

QString Text(nav::Angle a)
{
    return QString::fromStdString(nav::FormatAngle(a));
}

QString Declination(nav::Angle a)
{
    return QString::fromStdString(nav::FormatDeclination(a));
}

struct Position {
    const char* latitude;
    bool south;
    const char* longitude;
    bool west;
    QDate date;
};

const Position kGenova{"44.40", false, "8.93", false, QDate(2027, 1, 1)};
const Position kBoston{"42.36", false, "71.05", true, QDate(2027, 1, 1)};

}  // namespace

class PositionDialogTest : public testing::Test {
protected:
    RecordedPlatform recorded;
    toolkit::ScopedFormatSettings dot{{QLatin1Char('.'), QLatin1Char(',')}};
    QTemporaryDir folder;
    std::unique_ptr<QSettings> memory;
    DeclinationValues values;
    EntryHandOff handOff;
    TAlignedEdit panel;
    std::unique_ptr<TForm4> form;

    void SetUp() override
    {
        values.settingsPath = folder.filePath(QStringLiteral("ORVAN_INI.INI"));
        QFile file(values.settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1985\r\n2004\r\n3600\r\n240\r\n");
        file.close();
        memory = std::make_unique<QSettings>(folder.filePath(QStringLiteral("memory.ini")), QSettings::IniFormat);
        Create();
    }

    void Create() { form = std::make_unique<TForm4>(values, handOff, [](int, int) {}, &panel, nullptr, memory.get()); }

    TForm5& position() { return *form->Form5; }

    QByteArray Settings() const
    {
        QFile file(values.settingsPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void Type(TNumEdit* edit, const char* text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }

    void Enter(const Position& p)
    {
        Type(position().EDLAT, p.latitude);
        QTest::mouseClick(p.south ? position().RBSUD : position().RBNORD, Qt::LeftButton);
        Type(position().EDLON, p.longitude);
        QTest::mouseClick(p.west ? position().RBOVEST : position().RBEST2, Qt::LeftButton);
        position().DTDATA->setDate(p.date);
    }

    // Opens the declination dialog, clicks "Da posizione…" and runs `inside`
    // while Form5 is up; then `after` back in the declination dialog.
    void FromPosition(std::function<void()> inside, std::function<void()> after = [] {})
    {
        QTimer::singleShot(0, form.get(), [this, inside, after] {
            QTimer::singleShot(0, &position(), [this, inside] {
                EXPECT_TRUE(position().isVisible());
                inside();
                if (position().isVisible())
                    QTest::mouseClick(position().WMMABO, Qt::LeftButton);
            });
            QTest::mouseClick(form->WMMDECL, Qt::LeftButton);
            EXPECT_FALSE(position().isVisible());
            after();
            form->DECLIABO->click();
        });
        form->Open();
    }
};

TEST_F(PositionDialogTest, ConfermaFillsTheChartDataAndTheDeclinationShowsAtOnce)
{
    FromPosition(
        [&] {
            EXPECT_EQ(position().windowTitle(), QStringLiteral("Orvane2004 - Declinazione da posizione"));
            Enter(kGenova);
            QTest::mouseClick(position().WMMOK, Qt::LeftButton);
        },
        [&] {
            EXPECT_EQ(form->SPANNOBASE->text(), QStringLiteral("2027"));
            EXPECT_EQ(form->SPANNOCORR->text(), QStringLiteral("2027"));
            EXPECT_EQ(form->EDDECLIBASE->text(), Text(3 * kDeg + 37 * kMin));
            EXPECT_TRUE(form->RBEST->isChecked());
            EXPECT_EQ(form->EDDELTADECLI->text(), Text(7 * kMin));
            EXPECT_TRUE(form->RBAUM->isChecked());  // moving East, away from zero
            EXPECT_EQ(form->EDDECLREAL->text(), QString::fromUtf8("  3° 37'  0\" E"));
        });
    // The chart's data, as after a hand entry: live, but neither applied nor saved.
    EXPECT_EQ(values.Chart(), (nav::ChartDeclination{2027, 2027, 3 * kDeg + 37 * kMin, -1, 7 * kMin, +1}));
    EXPECT_EQ(values.valDECL, 8160);
    EXPECT_EQ(Settings(), QByteArray("1985\r\n2004\r\n3600\r\n240\r\n"));
    EXPECT_TRUE(recorded.platform.errors.isEmpty());
}

TEST_F(PositionDialogTest, TheChartDataSavedFromTheModelGiveItsDeclinationAtTheNextStart)
{
    FromPosition([&] {
        Enter(kBoston);
        QTest::mouseClick(position().WMMOK, Qt::LeftButton);
    }, [&] { form->SpeedButton1->click(); });
    EXPECT_EQ(Settings(), QByteArray("2027\r\n2027\r\n50100\r\n-240\r\n"));  // 13° 55' W, 4' a year East
    DeclinationValues again;
    again.settingsPath = values.settingsPath;
    TForm4 next(again, handOff, [](int, int) {}, nullptr);
    EXPECT_EQ(again.valDECL, 13 * kDeg + 55 * kMin);
}

struct ResultCase {
    const char* what;
    Position position;
    const char* text;
};

class ResultLineTest : public PositionDialogTest, public testing::WithParamInterface<ResultCase> {};

TEST_P(ResultLineTest, FollowsTheFields)
{
    FromPosition([&] {
        Enter(GetParam().position);
        EXPECT_EQ(position().LBLRISULT->text(), QString::fromUtf8(GetParam().text)) << GetParam().what;
    });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResultLineTest,
    testing::Values(
        ResultCase{"Genova", kGenova, "Declinazione 3° 37' E, 7' E / anno (WMM2025)"},
        ResultCase{"Boston", kBoston, "Declinazione 13° 55' W, 4' E / anno (WMM2025)"},
        ResultCase{"after the model's years",
                   {"44.40", false, "8.93", false, QDate(2031, 7, 1)},
                   "Declinazione 4° 7' E, 7' E / anno (WMM2025)\n"
                   "Fuori dagli anni di validità (2025 - 2030): meno preciso"},
        ResultCase{"beyond the grace years",
                   {"44.40", false, "8.93", false, QDate(2035, 2, 1)},
                   "Data fuori dagli anni del modello (2020 - 2035) !"},
        ResultCase{"a latitude typed beyond 90", {"91", false, "8.93", false, QDate(2027, 1, 1)},
                   "Posizione fuori limite !"},
        ResultCase{"a longitude typed negative", {"44", false, "-8", false, QDate(2027, 1, 1)},
                   "Posizione fuori limite !"},
        ResultCase{"by the north magnetic pole", {"85.8", false, "139.3", false, QDate(2025, 1, 1)},
                   "Troppo vicino al polo magnetico: bussola inaffidabile !"}));

TEST_F(PositionDialogTest, ConfermaIsRefusedWhileTheModelRefuses)
{
    FromPosition([&] {
        Enter({"44.40", false, "8.93", false, QDate(2019, 12, 1)});
        QTest::mouseClick(position().WMMOK, Qt::LeftButton);
        EXPECT_TRUE(position().isVisible());
        EXPECT_EQ(recorded.platform.errors,
                  QStringList{QStringLiteral("Data fuori dagli anni del modello (2020 - 2035) !")});
    });
    EXPECT_EQ(values.Chart(), (nav::ChartDeclination{1985, 2004, 3600, +1, 240, +1}));
}

TEST_F(PositionDialogTest, AnnullaChangesNothingAndRemembersNothing)
{
    FromPosition([&] { Enter(kGenova); }, [&] { EXPECT_EQ(form->EDDECLREAL->text(), Declination(8160)); });
    EXPECT_EQ(values.Chart(), (nav::ChartDeclination{1985, 2004, 3600, +1, 240, +1}));
    EXPECT_FALSE(memory->contains(QStringLiteral("DeclinationFromPosition/Latitude")));
}

TEST_F(PositionDialogTest, TheConfirmedPositionComesBackAtTheNextStartAndTheDateIsToday)
{
    FromPosition([&] {
        Enter({"33.9", true, "151.2", false, QDate(2027, 1, 1)});
        QTest::mouseClick(position().WMMOK, Qt::LeftButton);
    });
    memory->sync();
    form.reset();
    Create();
    EXPECT_EQ(position().EDLAT->text(), QStringLiteral("33.9000"));
    EXPECT_TRUE(position().RBSUD->isChecked());
    EXPECT_EQ(position().EDLON->text(), QStringLiteral("151.2000"));
    EXPECT_TRUE(position().RBEST2->isChecked());
    EXPECT_EQ(position().DTDATA->date(), QDate::currentDate());
}

TEST_F(PositionDialogTest, ARememberedPositionThatIsNoneStartsAtZero)
{
    memory->setValue(QStringLiteral("DeclinationFromPosition/Latitude"), 500);
    memory->setValue(QStringLiteral("DeclinationFromPosition/Longitude"), QStringLiteral("x"));
    memory->sync();
    form.reset();
    Create();
    EXPECT_EQ(position().EDLAT->text(), QStringLiteral("0.0000"));
    EXPECT_TRUE(position().RBNORD->isChecked());
    EXPECT_EQ(position().EDLON->text(), QStringLiteral("0.0000"));
}
