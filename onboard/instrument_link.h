#pragma once
// The link to the boat's instruments: a TCP client, a UDP port, a serial
// port or a recorded log, read without ever waiting in the UI thread (Qt's
// asynchronous devices and timers). Each sentence read goes to the live
// values; the windows hear of it at most kRedrawsPerSecond times a second.

#include "nav/live_data.h"
#include "nav/nmea.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QSerialPort;
class QTcpSocket;
class QUdpSocket;

namespace onboard {

// NMEA 0183 over TCP and UDP.
inline constexpr int kDefaultPort = 10110;
// The two rates of NMEA 0183 serial ports: the standard one and the fast one (AIS).
inline constexpr int kSlowBaud = 4800;
inline constexpr int kFastBaud = 38400;
// A recorded log played ten times faster, for a demonstration.
inline constexpr int kFastReplay = 10;
inline constexpr int kDefaultRetryMs = 3000;
inline constexpr int kRedrawsPerSecond = 10;
// A larger file is no log of sentences; a larger datagram no NMEA datagram.
inline constexpr qint64 kMaxLogBytes = 16 * 1024 * 1024;
inline constexpr qint64 kMaxDatagramBytes = 64 * 1024;
// What is read from a stream at a time, so that nothing buffers without bound.
inline constexpr qint64 kReadChunkBytes = 16 * 1024;

enum class SourceKind { Tcp, Udp, Serial, Replay };

struct Source {
    SourceKind kind = SourceKind::Tcp;
    QString host = QStringLiteral("localhost");
    int port = kDefaultPort;     // TCP: the server's; UDP: the one listened on (0: any free)
    QString device;              // serial
    int baud = kSlowBaud;
    QString file;                // replay
    int replaySpeed = 1;         // 1: the log's own pace, or kFastReplay
};

enum class LinkState { Disconnected, Waiting, Connected, Failed };

class InstrumentLink : public QObject {
    Q_OBJECT
    Q_PROPERTY(int RetryInterval READ RetryInterval WRITE setRetryInterval)

public:
    // The program's deviation table and declination (West positive), read
    // as each sentence arrives; the clock, milliseconds since the epoch.
    struct Corrections {
        std::function<const nav::DeviationTable&()> table;
        std::function<nav::Angle()> declination;
    };
    explicit InstrumentLink(Corrections corrections, QObject* parent = nullptr);
    ~InstrumentLink() override;

    void Connect(const Source& source);
    void Disconnect();

    LinkState State() const { return state_; }
    // The state as the window shows it: "Connesso", "In attesa…", "Errore: …", "Disconnesso".
    QString StateText() const;
    // Tries to reach the TCP server since Connect, the first included.
    int Tries() const { return tries_; }
    // The UDP port listened on, once bound.
    int LocalPort() const;

    const nav::LiveData& Live() const { return live_; }
    std::size_t SentencesRead() const { return read_; }
    // Every line that was not read as a sentence, overlong lines included.
    std::size_t SentencesDropped() const { return dropped_ + lines_.Dropped(); }

    int RetryInterval() const { return retry_.interval(); }
    void setRetryInterval(int ms) { retry_.setInterval(ms); }

    std::function<qint64()> clock;

signals:
    // Every sentence read, as it arrives.
    void SentenceRead(const nav::NmeaNews& news, qint64 msecsSinceEpoch);
    void StateChanged();
    // The live values changed; at most kRedrawsPerSecond times a second.
    void Changed();

private:
    void SetState(LinkState state, const QString& error = QString());
    void Close();
    void TryTcp();
    void TcpFailed();
    void ReadStream(QIODevice* device);
    void ReadDatagrams();
    void Feed(const QByteArray& bytes);
    void Line(std::string_view line);
    void StartReplay();
    void ReplayBurst();

    Corrections corrections_;
    Source source_;
    LinkState state_ = LinkState::Disconnected;
    QString error_;
    int tries_ = 0;
    nav::NmeaLines lines_;
    nav::LiveData live_;
    std::size_t read_ = 0;
    std::size_t dropped_ = 0;
    std::unique_ptr<QTcpSocket> tcp_;
    std::unique_ptr<QUdpSocket> udp_;
    std::unique_ptr<QSerialPort> serial_;
    // The log's lines, and the first of each burst the log sent at once.
    std::vector<QByteArray> replayLines_;
    std::size_t replayNext_ = 0;
    QTimer retry_;
    QTimer replay_;
    QTimer redraw_;
};

}  // namespace onboard
