#include "onboard/instrument_link.h"

#include <QDateTime>
#include <QFile>
#include <QNetworkDatagram>
#include <QSerialPort>
#include <QTcpSocket>
#include <QUdpSocket>

#include <algorithm>

namespace onboard {

namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kRedrawMs = kMillisecondsPerSecond / kRedrawsPerSecond;
// The socket keeps no more than a few reads' worth, however fast the sender.
constexpr qint64 kSocketBufferBytes = 4 * kReadChunkBytes;

// A log's lines come in bursts, one a second, each opening with the same
// sentence as the log's first line: its address, "$GPRMC" from "$GPRMC,…".
QByteArray AddressOf(const QByteArray& line)
{
    return line.left(line.indexOf(','));
}

}  // namespace

InstrumentLink::InstrumentLink(Corrections corrections, QObject* parent)
    : QObject(parent)
    , clock([] { return QDateTime::currentMSecsSinceEpoch(); })
    , corrections_(std::move(corrections))
{
    retry_.setSingleShot(true);
    retry_.setInterval(kDefaultRetryMs);
    redraw_.setSingleShot(true);
    redraw_.setInterval(kRedrawMs);
    connect(&retry_, &QTimer::timeout, this, &InstrumentLink::TryTcp);
    connect(&redraw_, &QTimer::timeout, this, &InstrumentLink::Changed);
    connect(&replay_, &QTimer::timeout, this, &InstrumentLink::ReplayBurst);
}

InstrumentLink::~InstrumentLink()
{
    Close();
}

QString InstrumentLink::StateText() const
{
    switch (state_) {
    case LinkState::Connected:
        return tr("Connesso");
    case LinkState::Waiting:
        return tr("In attesa…");
    case LinkState::Failed:
        return tr("Errore: %1").arg(error_);
    case LinkState::Disconnected:
        break;
    }
    return tr("Disconnesso");
}

int InstrumentLink::LocalPort() const
{
    return udp_ ? udp_->localPort() : 0;
}

void InstrumentLink::SetState(LinkState state, const QString& error)
{
    if (state == state_ && error == error_)
        return;
    state_ = state;
    error_ = error;
    emit StateChanged();
}

void InstrumentLink::Close()
{
    retry_.stop();
    replay_.stop();
    // A device closing emits signals of its own, which must not reach us any more.
    for (QObject* device : std::initializer_list<QObject*>{tcp_.get(), udp_.get(), serial_.get()})
        if (device)
            device->disconnect(this);
    tcp_.reset();
    udp_.reset();
    serial_.reset();
    replayLines_.clear();
    replayNext_ = 0;
    lines_ = nav::NmeaLines();
}

void InstrumentLink::Disconnect()
{
    Close();
    SetState(LinkState::Disconnected);
}

void InstrumentLink::Connect(const Source& source)
{
    Close();
    source_ = source;
    tries_ = 0;
    switch (source.kind) {
    case SourceKind::Tcp:
        tcp_ = std::make_unique<QTcpSocket>();
        tcp_->setReadBufferSize(kSocketBufferBytes);
        connect(tcp_.get(), &QTcpSocket::connected, this, [this] { SetState(LinkState::Connected); });
        connect(tcp_.get(), &QTcpSocket::readyRead, this, [this] { ReadStream(tcp_.get()); });
        connect(tcp_.get(), &QTcpSocket::errorOccurred, this, &InstrumentLink::TcpFailed);
        connect(tcp_.get(), &QTcpSocket::disconnected, this, &InstrumentLink::TcpFailed);
        TryTcp();
        return;
    case SourceKind::Udp:
        udp_ = std::make_unique<QUdpSocket>();
        connect(udp_.get(), &QUdpSocket::readyRead, this, &InstrumentLink::ReadDatagrams);
        if (!udp_->bind(QHostAddress::AnyIPv4, static_cast<quint16>(source.port))) {
            SetState(LinkState::Failed, udp_->errorString());
            return;
        }
        SetState(LinkState::Waiting);
        return;
    case SourceKind::Serial:
        serial_ = std::make_unique<QSerialPort>();
        serial_->setPortName(source.device);
        serial_->setBaudRate(source.baud);
        serial_->setReadBufferSize(kSocketBufferBytes);
        connect(serial_.get(), &QSerialPort::readyRead, this, [this] { ReadStream(serial_.get()); });
        connect(serial_.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            if (e != QSerialPort::NoError)
                SetState(LinkState::Failed, serial_->errorString());
        });
        if (serial_->open(QIODevice::ReadOnly))
            SetState(LinkState::Connected);
        else
            SetState(LinkState::Failed, serial_->errorString());
        return;
    case SourceKind::Replay:
        StartReplay();
        return;
    }
}

void InstrumentLink::TryTcp()
{
    ++tries_;
    tcp_->abort();
    // One more try is news even while waiting: each is shown.
    state_ = LinkState::Waiting;
    error_.clear();
    emit StateChanged();
    tcp_->connectToHost(source_.host, static_cast<quint16>(source_.port));
}

void InstrumentLink::TcpFailed()
{
    // A dropped link says so once (error, then disconnection), and tries again.
    if (retry_.isActive() || !tcp_)
        return;
    SetState(LinkState::Failed, tcp_->error() == QAbstractSocket::UnknownSocketError ? tr("connessione chiusa")
                                                                                      : tcp_->errorString());
    retry_.start();
}

void InstrumentLink::ReadStream(QIODevice* device)
{
    while (device->bytesAvailable() > 0) {
        const QByteArray bytes = device->read(kReadChunkBytes);
        if (bytes.isEmpty())
            return;
        Feed(bytes);
    }
}

void InstrumentLink::ReadDatagrams()
{
    while (udp_ && udp_->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = udp_->receiveDatagram(kMaxDatagramBytes);
        SetState(LinkState::Connected);
        // A datagram ends its last line, with or without its end of line.
        Feed(datagram.data() + '\n');
    }
}

void InstrumentLink::Feed(const QByteArray& bytes)
{
    lines_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                [this](std::string_view line) { Line(line); });
    if (!redraw_.isActive())
        redraw_.start();
}

void InstrumentLink::Line(std::string_view line)
{
    nav::NmeaNews news;
    if (nav::ReadSentence(line, news) != nav::NmeaVerdict::Read) {
        ++dropped_;
        return;
    }
    ++read_;
    const qint64 now = clock();
    live_.Take(news, now, corrections_.table(), corrections_.declination());
    emit SentenceRead(news, now);
}

void InstrumentLink::StartReplay()
{
    QFile file(source_.file);
    if (!file.open(QIODevice::ReadOnly)) {
        SetState(LinkState::Failed, file.errorString());
        return;
    }
    if (file.size() > kMaxLogBytes) {
        SetState(LinkState::Failed, tr("file troppo grande"));
        return;
    }
    for (const QByteArray& line : file.readAll().split('\n'))
        if (const QByteArray trimmed = line.trimmed(); !trimmed.isEmpty())
            replayLines_.push_back(trimmed);
    if (replayLines_.empty()) {
        SetState(LinkState::Failed, tr("file vuoto"));
        return;
    }
    replay_.setInterval(kMillisecondsPerSecond / std::max(1, source_.replaySpeed));
    SetState(LinkState::Connected);
    ReplayBurst();
    replay_.start();
}

void InstrumentLink::ReplayBurst()
{
    const QByteArray opening = AddressOf(replayLines_.front());
    QByteArray burst;
    do {
        burst += replayLines_[replayNext_] + '\n';
        // Played over and over, for as long as the demonstration lasts.
        replayNext_ = (replayNext_ + 1) % replayLines_.size();
    } while (AddressOf(replayLines_[replayNext_]) != opening);
    Feed(burst);
}

}  // namespace onboard
