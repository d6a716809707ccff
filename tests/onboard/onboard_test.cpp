// The instruments end to end: a loopback TCP server, a UDP socket and a
// replayed log feed the program, whose "Dati di bordo" and "Calcola" on
// "Correnti" then give the current.

#include "support/program_windows.h"
#include "toolkit/speed_button.h"
#include "widgets/numeric/aligned_edit.h"
#include "widgets/numeric/spin_num_edit.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr nav::Angle kDeg = nav::kSecondsPerDegree;

QByteArray Sentence(const char* body)
{
    char sum = 0;
    for (const char* c = body; *c; ++c)
        sum = static_cast<char>(sum ^ *c);
    return "$" + QByteArray(body) + "*" + QByteArray::number(static_cast<uchar>(sum), 16).rightJustified(2, '0').toUpper()
           + "\r\n";
}

// 090° true at 6.0 kn through the water, 080° over the ground at 6.5 kn:
// the current sets 019.57° at 1.198 kn (see nav/live_data_test.cpp).
const char* const kLog[] = {"IIHDT,090.0,T", "IIVHW,,T,,M,6.0,N,,K", "GPVTG,080.0,T,,M,6.5,N,,K",
                            "GPRMC,120000,A,4330.000,N,01020.000,E,6.5,080.0,100326,2.0,E"};

QByteArray Log(const std::vector<const char*>& bodies)
{
    QByteArray bytes;
    for (const char* body : bodies)
        bytes += Sentence(body);
    return bytes;
}

QByteArray WholeLog()
{
    return Log({kLog[0], kLog[1], kLog[2], kLog[3]});
}

// A server on a free loopback port, and the one peer it accepted.
struct Loopback {
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    Loopback() { server.listen(QHostAddress::LocalHost); }
    bool Accept()
    {
        if (!server.hasPendingConnections() && !QSignalSpy(&server, &QTcpServer::newConnection).wait())
            return false;
        peer = server.nextPendingConnection();
        return peer != nullptr;
    }
};

class OnboardTest : public testing::Test {
protected:
    ProgramWindows windows;
    TForm1& main = windows.program->form1;
    TForm11& form = *windows.program->form11;
    onboard::InstrumentLink& link = *windows.program->instruments;
    qint64 now = 1'000'000;

    void ConnectTo(onboard::SourceKind kind, int port, const QString& file = QString())
    {
        form.CBSORGENTE->setCurrentIndex(static_cast<int>(kind));
        form.EDHOST->setText(QStringLiteral("127.0.0.1"));
        form.SPPORTA->setValue(port);
        form.EDFILE->setText(file);
        form.BTNCONNETTIClick();
    }
    void WaitForSentences(std::size_t count) { QTRY_COMPARE_WITH_TIMEOUT(link.SentencesRead(), count, 5000); }
};

}  // namespace

class OnboardSourceTest : public OnboardTest, public testing::WithParamInterface<onboard::SourceKind> {};

TEST_P(OnboardSourceTest, DatiDiBordoThenCalcolaGivesTheCurrent)
{
    Loopback tcp;
    const QSignalSpy heard(&link, &onboard::InstrumentLink::SentenceRead);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bordo.nmea"));
    QFile log(file);
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(WholeLog());
    log.close();
    switch (GetParam()) {
    case onboard::SourceKind::Tcp:
        ConnectTo(onboard::SourceKind::Tcp, tcp.server.serverPort());
        ASSERT_TRUE(tcp.Accept());
        tcp.peer->write(WholeLog());
        break;
    case onboard::SourceKind::Udp: {
        ConnectTo(onboard::SourceKind::Udp, 0);
        ASSERT_EQ(link.StateText(), QStringLiteral("In attesa…"));
        QUdpSocket sender;
        // One sentence a datagram, the last without its end of line.
        for (const char* body : kLog)
            sender.writeDatagram(Sentence(body).trimmed(), QHostAddress::LocalHost, static_cast<quint16>(link.LocalPort()));
        break;
    }
    default:
        ConnectTo(onboard::SourceKind::Replay, 0, file);
        break;
    }
    WaitForSentences(std::size(kLog));
    // Each sentence is told as it is read, for the compass swing.
    ASSERT_EQ(heard.count(), static_cast<int>(std::size(kLog)));
    EXPECT_EQ(heard.at(2).at(0).value<nav::NmeaNews>().kind, nav::NmeaKind::VTG);
    EXPECT_EQ(link.StateText(), QStringLiteral("Connesso"));
    EXPECT_EQ(link.SentencesDropped(), 0u);
    main.PageControl1->setCurrentWidget(main.TabSheet3);
    QTest::mouseClick(main.USADATI, Qt::LeftButton);
    EXPECT_TRUE(main.EDDCOR->text().isEmpty());
    EXPECT_EQ(windows.program->state.valPVCOR, 90 * kDeg);
    EXPECT_EQ(windows.program->state.valVECOR, 6.5);
    QTest::mouseClick(main.CALCCOR, Qt::LeftButton);
    EXPECT_NEAR(windows.program->state.valDCOR, 19.570 * kDeg, 60);
    EXPECT_NEAR(windows.program->state.valVCOR, 1.198, 0.001);
    EXPECT_TRUE(windows.recorded.platform.errors.isEmpty());
    form.BTNCONNETTIClick();
    EXPECT_EQ(link.StateText(), QStringLiteral("Disconnesso"));
}

INSTANTIATE_TEST_SUITE_P(Table, OnboardSourceTest,
                         testing::Values(onboard::SourceKind::Tcp, onboard::SourceKind::Udp,
                                         onboard::SourceKind::Replay));

struct FailingCase {
    onboard::SourceKind kind;
    const char* where;  // the device or the file
};

class OnboardFailureTest : public OnboardTest, public testing::WithParamInterface<FailingCase> {};

TEST_P(OnboardFailureTest, SaysWhyAndRemembersTheSource)
{
    form.EDSERIALE->setText(QString::fromLatin1(GetParam().where));
    ConnectTo(GetParam().kind, 0, QString::fromLatin1(GetParam().where));
    EXPECT_TRUE(link.StateText().startsWith(QStringLiteral("Errore: "))) << link.StateText().toStdString();
    EXPECT_EQ(form.BTNCONNETTI->text(), QStringLiteral("Disconnetti"));
    const TForm11 again(link, {}, &windows.program->settings);
    EXPECT_EQ(again.CBSORGENTE->currentIndex(), static_cast<int>(GetParam().kind));
    EXPECT_EQ(again.SourceShown().kind == onboard::SourceKind::Serial ? again.EDSERIALE->text() : again.EDFILE->text(),
              QString::fromLatin1(GetParam().where));
}

INSTANTIATE_TEST_SUITE_P(Table, OnboardFailureTest,
                         testing::Values(FailingCase{onboard::SourceKind::Serial, "/dev/orvane-no-such-port"},
                                         FailingCase{onboard::SourceKind::Replay, "/orvane-no-such-log.nmea"}));

TEST_F(OnboardTest, ADroppedLinkReconnectsByItself)
{
    Loopback tcp;
    link.setRetryInterval(50);
    ConnectTo(onboard::SourceKind::Tcp, tcp.server.serverPort());
    ASSERT_TRUE(tcp.Accept());
    QTRY_COMPARE(link.StateText(), QStringLiteral("Connesso"));
    tcp.peer->abort();
    ASSERT_TRUE(tcp.Accept());
    QTRY_COMPARE(link.StateText(), QStringLiteral("Connesso"));
    EXPECT_EQ(link.Tries(), 2);
    tcp.peer->write(WholeLog());
    WaitForSentences(std::size(kLog));
}

TEST_F(OnboardTest, AHostileStreamIsCountedAndForgotten)
{
    Loopback tcp;
    ConnectTo(onboard::SourceKind::Tcp, tcp.server.serverPort());
    ASSERT_TRUE(tcp.Accept());
    QSignalSpy redrawn(&link, &onboard::InstrumentLink::Changed);
    QElapsedTimer clock;
    clock.start();
    // A megabyte without an end of line, junk, a bad checksum, then 50 sentences in one burst.
    tcp.peer->write(QByteArray(1 << 20, 'x') + "\r\nnot a sentence\r\n$IIHDT,090.0,T*00\r\n");
    for (int i = 0; i < 50; ++i)
        tcp.peer->write(Sentence(kLog[0]));
    WaitForSentences(50);
    QTRY_COMPARE(link.SentencesDropped(), 3u);
    EXPECT_LE(redrawn.count(), clock.elapsed() / 100 + 2);
}

struct StaleCase {
    std::vector<const char*> old;  // 6 s old when "Dati di bordo" is pressed
    const char* missing;
};

class OnboardStaleTest : public OnboardTest, public testing::WithParamInterface<StaleCase> {};

TEST_P(OnboardStaleTest, AMissingOrStaleValueIsNamedAndNothingFilled)
{
    Loopback tcp;
    link.clock = [this] { return now; };
    ConnectTo(onboard::SourceKind::Tcp, tcp.server.serverPort());
    ASSERT_TRUE(tcp.Accept());
    QByteArray fresh;
    for (const char* body : kLog)
        if (std::find(GetParam().old.begin(), GetParam().old.end(), body) == GetParam().old.end())
            fresh += Sentence(body);
    tcp.peer->write(Log(GetParam().old));
    WaitForSentences(GetParam().old.size());
    now += nav::kLiveStaleMs;
    tcp.peer->write(fresh);
    WaitForSentences(std::size(kLog));
    main.USADATIClick();
    EXPECT_EQ(windows.recorded.platform.errors,
              QStringList{QStringLiteral("Dati di bordo mancanti o non aggiornati: %1.").arg(QString::fromUtf8(GetParam().missing))});
    EXPECT_TRUE(main.EDPVCOR->text().isEmpty());
    EXPECT_TRUE(main.EDVECOR->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, OnboardStaleTest,
    testing::Values(StaleCase{{kLog[0]}, "Prora Vera"}, StaleCase{{kLog[1]}, "Velocità Propria"},
                    StaleCase{{kLog[2], kLog[3]}, "Rotta Vera, Velocità effettiva"},
                    StaleCase{{kLog[0], kLog[1], kLog[2], kLog[3]},
                              "Prora Vera, Velocità Propria, Rotta Vera, Velocità effettiva"}));

TEST_F(OnboardTest, CtrlBOpensTheWindowFromAField)
{
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.EDPB->setFocus();
    QTest::keyClick(main.EDPB, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(main.BORDO->toolTip(), QStringLiteral("Dati di bordo (Ctrl+B)"));
}
