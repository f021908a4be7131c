#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The radio's side of the clone protocol over a pseudo-terminal pair: the program
// opens devicePath() as its serial port. The simulator runs in a thread of its own,
// so it keeps answering while the program's thread sits in its fixed waits.
//
// With pacing on, every character takes the line time of 11 bits at 2400 bit/s in
// both directions: a frame counts as received when its last character would have
// arrived, and answers go out one character per character time.
//
// Fault options make the radio misbehave the ways a real one or its cable can.
// "At block n" means the exchange about block n: on a read the answer to the
// request for block n (too long, late, cable pulled) or the acknowledgement that
// follows it (missing, wrong); on a write the acknowledgement of block n's frame.
struct RadioSimOptions {
    QString modelId = QStringLiteral("QZ17");
    bool paced = false;
    int latencyMs = 0; // before every answer

    bool noAnswer = false;       // hears everything, answers nothing
    bool strayBeforeAck = false; // a stray byte before the wake-up acknowledgement
    int splitChunk = 0;          // > 0: answers go out in pieces of this many bytes
    int splitGapMs = 5;          // pause between pieces
    bool wrongKeyEcho = false;
    int missingAckAt = -1;
    int wrongAckAt = -1;
    int overlongAt = -1; // answers with more than 48 bytes
    int lateAt = -1;     // answers after lateMs
    int lateMs = 700;
    int vanishAt = -1;  // the device disappears instead of answering
    int corruptAt = -1; // keeps block n's first byte inverted after a write
};

class RadioSimulator {
  public:
    static constexpr int BlockCount = 146;
    static constexpr int MemorySize = 16 * BlockCount;

    explicit RadioSimulator(RadioSimOptions options = {});
    ~RadioSimulator();
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    // Opens the pseudo-terminal and starts answering.
    bool start(QString* error = nullptr);
    void stop();
    QString devicePath() const { return slavePath; }

    // 146 blocks of 16 bytes, block n at 16 n.
    QByteArray memory() const;
    void setMemory(const QByteArray& blocks);
    // A memory as a radio has it after some use: channels with tones and names,
    // settings, its model block, a time stamp; block 0 and block 145 hold patterns.
    static QByteArray RealisticMemory(const QString& modelId = QStringLiteral("QZ17"));
    // Data files hold a 16-byte header and blocks 1..144; block 0 and 145 stay 0xFF.
    bool loadDataFile(const QString& path, QString* error = nullptr);
    bool saveDataFile(const QString& path, QString* error = nullptr) const;

    // What the radio heard, one entry per frame, in order.
    QList<QByteArray> frames() const;
    int endCount() const;
    void clearLog();
    // Called from the simulator's thread when an end byte closes a transfer that
    // wrote blocks.
    void setWriteFinishedHandler(std::function<void()> handler);

  private:
    using Clock = std::chrono::steady_clock;
    struct InByte {
        quint8 value;
        Clock::time_point arrival;
    };
    enum class Phase { WakeUp, Identify, Start, Blocks };

    void run();
    void takeInput();
    bool handleFrame();
    void answer(const QByteArray& bytes, int extraDelayMs = 0);
    void vanish();
    void waitForArrival(size_t count);
    void log(size_t count);
    QByteArray identification() const;

    RadioSimOptions options;
    int masterFd = -1;
    int slaveHoldFd = -1; // keeps the pair alive while the program has it closed
    int stopPipe[2] = {-1, -1};
    QString slavePath;
    std::thread worker;
    std::atomic<bool> running{false};

    mutable std::mutex lock;
    QByteArray mem;
    QList<QByteArray> heard;
    int ends = 0;
    std::function<void()> writeFinished;

    // Simulator thread only.
    std::deque<InByte> input;
    Phase phase = Phase::WakeUp;
    quint8 key = 0;
    int lastReadBlock = -1;
    bool wroteBlocks = false;
    Clock::time_point inputFree{};
    Clock::time_point outputFree{};
};
