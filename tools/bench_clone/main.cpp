// qz17-bench-clone: times a full read and a full write through the real serial port
// component against the simulated radio at the real line rate, and prints each time
// beside its floor: the line time of every character plus the fixed waits
// (450 + 50 ms before the wake-up, 50 ms before opening).

#include "core/AppState.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/LanguageTexts.h"
#include "files/LanguageFile.h"
#include "link/ReadSession.h"
#include "link/SerialLinkPort.h"
#include "link/WriteSession.h"
#include "tools/radiosim/RadioSimulator.h"
#include "widgets/serial/ApdComPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr double CharSeconds = 11.0 / 2400.0;
constexpr int HandshakeChars = 8 + 1 + 1 + 16 + 1 + 1 + 1; // wake-up .. end byte
constexpr double FixedWaits = 0.450 + 0.050 + 0.050;

struct Result {
    double seconds = -1;
    QStringList messages;
};

Result run(CloneSession& session, const QString& doneText)
{
    Result r;
    QEventLoop loop;
    QElapsedTimer clock;
    session.setHost({[&](const QString& text, int) {
                         r.messages << text;
                         if (text == doneText) r.seconds = clock.nsecsElapsed() / 1e9;
                         QTimer::singleShot(0, &loop, &QEventLoop::quit);
                         return 1;
                     },
                     {}});
    QObject::connect(&session, &CloneSession::closeRequested, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    clock.start();
    session.FormShow();
    session.btnOkClick();
    loop.exec();
    session.FormClose();
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool unpaced = app.arguments().contains(QStringLiteral("--unpaced"));
    QTextStream out(stdout);

    RadioSimOptions options;
    options.paced = !unpaced;
    RadioSimulator sim(options);
    QString error;
    if (!sim.start(&error)) {
        out << "cannot start the simulator: " << error << Qt::endl;
        return 1;
    }

    TfMaindb& db = Maindb();
    db.DataModuleCreate(QCoreApplication::applicationFilePath());
    MakeFirstDocument(db.all, db.macList);
    StartNewImage(db.all, db.macList);
    db.language = EnglishMessageTexts();
    db.all.portName = sim.devicePath();

    const double readFloor = (146 * 26 + HandshakeChars) * CharSeconds + FixedWaits;
    const double writeFloor = (145 * 21 + HandshakeChars) * CharSeconds + FixedWaits;

    // Each transfer gets its own port, as each dialog owns one.
    Result read;
    bool readOk = false;
    {
        TApdComPort com;
        SerialLinkPort link(com);
        ReadSession reader(link, db.all, db.macList, db.language);
        read = run(reader, db.language.readOk);
        readOk = reader.success() &&
                 sim.memory().left(Image::Size) ==
                     QByteArray(reinterpret_cast<const char*>(db.all.image.data()), Image::Size);
    }
    Result write;
    {
        TApdComPort com;
        SerialLinkPort link(com);
        WriteSession writer(link, db.all, db.macList, db.language);
        write = run(writer, db.language.writeOk);
    }
    const bool writeOk =
        sim.memory().left(Image::Size) ==
        QByteArray(reinterpret_cast<const char*>(db.all.image.data()), Image::Size);

    const auto line = [&](const char* what, const Result& r, double floor, double target, bool ok) {
        out << what << ": ";
        if (r.seconds < 0 || !ok) {
            out << "FAILED (" << r.messages.join(QStringLiteral(" | ")) << ")" << Qt::endl;
            return false;
        }
        const double over = (r.seconds / floor - 1.0) * 100.0;
        out << QString::asprintf("%.3f s, floor %.3f s, %+.1f %% (target within %.0f %%)",
                                 r.seconds, floor, over, target)
            << (unpaced ? "" : (over <= target ? "  ok" : "  MISSED")) << Qt::endl;
        return unpaced || over <= target;
    };
    out << (unpaced ? "unpaced simulator (floors do not apply)" : "simulator paced at 2400 bit/s")
        << Qt::endl;
    const bool a = line("read ", read, readFloor, 5, readOk);
    const bool b = line("write", write, writeFloor, 10, writeOk);
    if (qEnvironmentVariableIsSet("QZ_BENCH_DEBUG"))
        for (const QByteArray& f : sim.frames())
            out << f.toHex(' ') << Qt::endl;
    sim.stop();
    return a && b ? 0 : 1;
}
