#include "RadioSimulator.h"

#include "core/AppState.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/SettingsFields.h"
#include "core/TimeStamp.h"
#include "files/DataFile.h"
#include "files/DataFileHeader.h"
#include "files/DiskFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// 11 bits per character (start, 8 data, 2 stop) at 2400 bit/s.
constexpr std::chrono::microseconds CharTime(11'000'000 / 2400);

constexpr quint8 Ack = 0x06;
constexpr quint8 Nak = 0x15;
constexpr quint8 Stray = 0x3F;
const QByteArray WakeWord("PROGRAM");

quint8 swapHalves(quint8 v)
{
    return quint8((v << 4) | (v >> 4));
}

} // namespace

RadioSimulator::RadioSimulator(RadioSimOptions o)
    : options(std::move(o)), mem(RealisticMemory(options.modelId))
{
}

RadioSimulator::~RadioSimulator()
{
    stop();
}

bool RadioSimulator::start(QString* error)
{
    const auto fail = [&](const char* what) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                  QString::fromLocal8Bit(strerror(errno)));
        stop();
        return false;
    };
    masterFd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd < 0) return fail("posix_openpt");
    if (::grantpt(masterFd) != 0 || ::unlockpt(masterFd) != 0) return fail("grantpt");
    const char* name = ::ptsname(masterFd);
    if (!name) return fail("ptsname");
    slavePath = QString::fromLocal8Bit(name);
    slaveHoldFd = ::open(name, O_RDWR | O_NOCTTY);
    if (slaveHoldFd < 0) return fail("open slave");
    termios raw{};
    if (::tcgetattr(slaveHoldFd, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(slaveHoldFd, TCSANOW, &raw);
    }
    ::fcntl(masterFd, F_SETFL, ::fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    if (::pipe(stopPipe) != 0) return fail("pipe");
    running = true;
    worker = std::thread([this] { run(); });
    return true;
}

void RadioSimulator::stop()
{
    if (worker.joinable()) {
        running = false;
        const char c = 0;
        (void)!::write(stopPipe[1], &c, 1);
        worker.join();
    }
    for (int* fd : {&masterFd, &slaveHoldFd, &stopPipe[0], &stopPipe[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

QByteArray RadioSimulator::memory() const
{
    std::lock_guard<std::mutex> g(lock);
    return mem;
}

void RadioSimulator::setMemory(const QByteArray& blocks)
{
    std::lock_guard<std::mutex> g(lock);
    mem = blocks.left(MemorySize);
    if (mem.size() < MemorySize) mem.append(QByteArray(MemorySize - mem.size(), char(0xFF)));
}

QList<QByteArray> RadioSimulator::frames() const
{
    std::lock_guard<std::mutex> g(lock);
    return heard;
}

int RadioSimulator::endCount() const
{
    std::lock_guard<std::mutex> g(lock);
    return ends;
}

void RadioSimulator::clearLog()
{
    std::lock_guard<std::mutex> g(lock);
    heard.clear();
    ends = 0;
}

void RadioSimulator::setWriteFinishedHandler(std::function<void()> handler)
{
    std::lock_guard<std::mutex> g(lock);
    writeFinished = std::move(handler);
}

QByteArray RadioSimulator::RealisticMemory(const QString& modelId)
{
    TfMaindb db;
    db.DataModuleCreate(QStringLiteral("/radio/qz17"));
    TALL& all = db.all;
    MakeFirstDocument(all, db.macList);
    StartNewImage(all, db.macList);

    struct Channel {
        int k;
        const char* rx;
        const char* offset;
        const char* direction;
        const char* rxTone;
        const char* txTone;
        const char* name;
    };
    const Channel channels[] = {
        {1, "145.50000", "0", "0", "", "", "CALL"},
        {2, "438.50000", "5", "2", "D023N", "D023N", "RPT-1"},
        {3, "145.62500", "0.6", "2", "", "88.5", "RPT2M"},
        {4, "433.00625", "0", "0", "", "", "SIMP"},
        {5, "144.80000", "0", "0", "", "", "APRS"},
        {9, "439.12500", "7.6", "2", "123.0", "123.0", "LINK"},
        {16, "434.15000", "0", "0", "D754I", "D754I", "NET"},
    };
    for (const Channel& c : channels) {
        QString t = QLatin1String(c.rx);
        SetChannelField(all, c.k, Field::RxFreq, t);
        t = QLatin1String(c.offset);
        SetChannelField(all, c.k, Field::Offset, t);
        t = QLatin1String(c.direction);
        SetChannelField(all, c.k, Field::Direction, t);
        t = QLatin1String(c.rxTone);
        SetChannelField(all, c.k, Field::RxTone, t);
        t = QLatin1String(c.txTone);
        SetChannelField(all, c.k, Field::TxTone, t);
        t = QLatin1String(c.name);
        SetChannelField(all, c.k, Field::Name, t);
    }
    SetSettingField(all, 7, 0x0F, 3); // squelch level
    SetSettingField(all, 5, 0x0F, 2); // battery save
    WriteTimeStamp(all.image.data() + Image::TimeStamp, QStringLiteral("2024-03-17 09:41:05"));
    const QByteArray id = modelId.toLatin1().leftJustified(4, ' ', true);
    for (int i = 0; i < 4; ++i)
        all.image[size_t(Image::ModelId + i)] = quint8(id[i]);

    QByteArray m(reinterpret_cast<const char*>(all.image.data()), Image::Size);
    for (int i = 0; i < 16; ++i)
        m[i] = char(0x30 + i);            // block 0
    m.append(QByteArray(16, char(0xA5))); // block 145
    return m;
}

bool RadioSimulator::loadDataFile(const QString& path, QString* error)
{
    QFile f;
    if (!OpenFileForReading(f, path, error)) return false;
    const QByteArray data = f.read(Image::Size + 1);
    if (data.size() != Image::Size) {
        if (error)
            *error = QStringLiteral("%1 is not a data file of %2 bytes").arg(path).arg(Image::Size);
        return false;
    }
    QByteArray m(MemorySize, char(0xFF));
    m.replace(16, Image::Size - 16, data.mid(16));
    setMemory(m);
    return true;
}

bool RadioSimulator::saveDataFile(const QString& path, QString* error) const
{
    const QByteArray m = memory();
    quint8 header[DataFile::HeaderSize];
    EncodeFileHeader(header, QStringLiteral("P") + QString::fromLatin1(m.mid(Image::ModelId, 4)),
                     QStringLiteral("000000"), SaveTimeText());
    const QByteArray file =
        QByteArray(reinterpret_cast<const char*>(header), DataFile::HeaderSize) +
        m.mid(16, Image::Size - 16);
    return SaveFile(path, file, error);
}

void RadioSimulator::run()
{
    while (running) {
        pollfd fds[2] = {{stopPipe[0], POLLIN, 0}, {masterFd, POLLIN, 0}};
        const int n = ::poll(fds, masterFd >= 0 ? 2 : 1, 100);
        if (!running) break;
        if (n <= 0) continue;
        if (fds[0].revents) break;
        if (masterFd < 0) continue;
        if (fds[1].revents & POLLIN)
            takeInput();
        else if (fds[1].revents & (POLLHUP | POLLERR))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        while (running && masterFd >= 0 && handleFrame()) {
        }
    }
}

void RadioSimulator::takeInput()
{
    quint8 buf[512];
    for (;;) {
        const ssize_t got = ::read(masterFd, buf, sizeof buf);
        if (got <= 0) return;
        const auto now = Clock::now();
        for (ssize_t i = 0; i < got; ++i) {
            Clock::time_point arrival = now;
            if (options.paced) {
                arrival = std::max(now, inputFree) + CharTime;
                inputFree = arrival;
            }
            input.push_back({buf[i], arrival});
        }
    }
}

void RadioSimulator::waitForArrival(size_t count)
{
    if (options.paced && count > 0) std::this_thread::sleep_until(input[count - 1].arrival);
}

void RadioSimulator::log(size_t count)
{
    QByteArray frame;
    for (size_t i = 0; i < count; ++i)
        frame.append(char(input[i].value));
    input.erase(input.begin(), input.begin() + long(count));
    std::lock_guard<std::mutex> g(lock);
    heard.append(frame);
}

QByteArray RadioSimulator::identification() const
{
    QByteArray reply(16, char(0xFF));
    reply[0] = char(0x49);
    reply.replace(1, 4, options.modelId.toLatin1().leftJustified(4, ' ', true));
    reply[5] = char(0x00);
    const quint8 echo = swapHalves(key);
    reply[6] = char(options.wrongKeyEcho ? quint8(echo + 1) : echo);
    return reply;
}

bool RadioSimulator::handleFrame()
{
    if (input.empty()) return false;
    const quint8 first = input[0].value;
    const auto need = [&](size_t n) { return input.size() >= n; };
    const auto restartOnWakeUp = [&] {
        if (first != quint8('P')) return false;
        phase = Phase::WakeUp;
        return true;
    };

    switch (phase) {
    case Phase::WakeUp: {
        const size_t known = std::min<size_t>(input.size(), size_t(WakeWord.size()));
        for (size_t i = 0; i < known; ++i) {
            if (input[i].value != quint8(WakeWord[int(i)])) {
                input.pop_front(); // noise before the wake-up
                return true;
            }
        }
        if (!need(8)) return false;
        waitForArrival(8);
        key = input[7].value;
        log(8);
        QByteArray reply;
        if (options.strayBeforeAck) reply.append(char(Stray));
        reply.append(char(Ack));
        answer(reply);
        phase = Phase::Identify;
        return true;
    }
    case Phase::Identify:
        if (restartOnWakeUp()) return true;
        waitForArrival(1);
        log(1);
        if (first == 0x02) {
            answer(identification());
            phase = Phase::Start;
        }
        return true;
    case Phase::Start:
        if (restartOnWakeUp()) return true;
        waitForArrival(1);
        log(1);
        if (first == Ack) {
            answer(QByteArray(1, char(Ack)));
            phase = Phase::Blocks;
            lastReadBlock = -1;
            wroteBlocks = false;
        } else if (first == 'E') {
            std::lock_guard<std::mutex> g(lock);
            ++ends;
            phase = Phase::WakeUp;
        }
        return true;
    case Phase::Blocks:
        break;
    }

    if (restartOnWakeUp()) return true;
    if (first == 'R' || first == 'W') {
        const size_t length = first == 'R' ? 4 : 20;
        if (!need(length)) return false;
        waitForArrival(length);
        const int address = input[1].value * 256 + input[2].value;
        const int block = address / 16;
        QByteArray data;
        for (size_t i = 4; i < length; ++i)
            data.append(char(input[i].value));
        const bool valid = address % 16 == 0 && block < BlockCount && input[3].value == 0x10;
        log(length);
        if (!valid) return true;
        if (options.vanishAt == block) {
            vanish();
            return true;
        }
        QByteArray reply;
        if (first == 'R') {
            lastReadBlock = block;
            reply.append(char('W'));
            reply.append(char(address >> 8));
            reply.append(char(address & 0xFF));
            reply.append(char(0x10));
            std::lock_guard<std::mutex> g(lock);
            reply.append(mem.mid(16 * block, 16));
        } else {
            {
                std::lock_guard<std::mutex> g(lock);
                mem.replace(16 * block, 16, data);
                // A memory cell that does not keep what it was given.
                if (options.corruptAt == block) mem[16 * block] = char(~quint8(data.at(0)));
            }
            wroteBlocks = true;
            if (options.missingAckAt == block) return true;
            reply.append(char(options.wrongAckAt == block ? Nak : Ack));
        }
        if (options.overlongAt == block) reply.append(QByteArray(50 - reply.size(), char(0xFF)));
        answer(reply, options.lateAt == block ? options.lateMs : 0);
        return true;
    }
    waitForArrival(1);
    log(1);
    if (first == Ack) {
        if (options.missingAckAt == lastReadBlock && lastReadBlock >= 0) return true;
        answer(QByteArray(
            1, char(options.wrongAckAt == lastReadBlock && lastReadBlock >= 0 ? Nak : Ack)));
    } else if (first == 'E') {
        std::function<void()> handler;
        {
            std::lock_guard<std::mutex> g(lock);
            ++ends;
            if (wroteBlocks) handler = writeFinished;
        }
        phase = Phase::WakeUp;
        wroteBlocks = false;
        if (handler) handler();
    }
    return true;
}

void RadioSimulator::answer(const QByteArray& bytes, int extraDelayMs)
{
    if (options.noAnswer || bytes.isEmpty()) return;
    const int delay = options.latencyMs + extraDelayMs;
    if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    const auto put = [this](const char* data, int count) {
        while (count > 0 && running && masterFd >= 0) {
            const ssize_t done = ::write(masterFd, data, size_t(count));
            if (done > 0) {
                data += done;
                count -= int(done);
            } else if (errno == EAGAIN || errno == EINTR) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            } else {
                return;
            }
        }
    };
    int pos = 0;
    while (pos < bytes.size() && running) {
        const int piece = options.splitChunk > 0
                              ? std::min<int>(options.splitChunk, int(bytes.size()) - pos)
                              : int(bytes.size()) - pos;
        if (options.paced) {
            auto t = std::max(Clock::now(), outputFree);
            for (int i = 0; i < piece; ++i) {
                t += CharTime;
                std::this_thread::sleep_until(t);
                put(bytes.constData() + pos + i, 1);
            }
            outputFree = t;
        } else {
            put(bytes.constData() + pos, piece);
        }
        pos += piece;
        if (pos < bytes.size() && options.splitChunk > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(options.splitGapMs));
    }
}

void RadioSimulator::vanish()
{
    // The cable is pulled: the program's end of the line goes dead.
    for (int* fd : {&masterFd, &slaveHoldFd}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
    input.clear();
}
