// qz17-radiosim: a QZ-17 radio on a pseudo-terminal, for trying Read and Write
// without a radio. Prints the device path to use as the port, answers until stopped.

#include "RadioSimulator.h"
#include "core/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qz17-radiosim"));
    QCoreApplication::setApplicationVersion(ProgramVersion());

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Simulates a QZ-17 radio on a pseudo-terminal. Give the printed device path to the "
        "program as its port. Faults \"at block N\" concern the exchange about block N."));
    p.addHelpOption();
    p.addVersionOption();
    const QCommandLineOption paced(
        {QStringLiteral("p"), QStringLiteral("paced")},
        QStringLiteral("Keep the real line rate (2400 bit/s, 11 bits a character)."));
    const QCommandLineOption latency(QStringLiteral("latency"),
                                     QStringLiteral("Delay before every answer."),
                                     QStringLiteral("ms"));
    const QCommandLineOption model(QStringLiteral("model"),
                                   QStringLiteral("Model identifier to report (default QZ17)."),
                                   QStringLiteral("id"));
    const QCommandLineOption load(QStringLiteral("load"),
                                  QStringLiteral("Start with the memory of a .dat file."),
                                  QStringLiteral("file"));
    const QCommandLineOption save(
        QStringLiteral("save"),
        QStringLiteral("Save the memory to a .dat file after every write and at exit."),
        QStringLiteral("file"));
    const QCommandLineOption noAnswer(QStringLiteral("no-answer"), QStringLiteral("Never answer."));
    const QCommandLineOption stray(
        QStringLiteral("stray-byte"),
        QStringLiteral("Send a stray byte before the wake-up acknowledgement."));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Send answers in pieces of N bytes."),
                                   QStringLiteral("N"));
    const QCommandLineOption wrongKey(QStringLiteral("wrong-key"),
                                      QStringLiteral("Echo a wrong transfer key."));
    const QCommandLineOption missingAck(QStringLiteral("missing-ack"),
                                        QStringLiteral("Leave out the acknowledgement at block N."),
                                        QStringLiteral("N"));
    const QCommandLineOption wrongAck(QStringLiteral("wrong-ack"),
                                      QStringLiteral("Send a wrong acknowledgement at block N."),
                                      QStringLiteral("N"));
    const QCommandLineOption overlong(QStringLiteral("overlong"),
                                      QStringLiteral("Answer with more than 48 bytes at block N."),
                                      QStringLiteral("N"));
    const QCommandLineOption late(QStringLiteral("late"),
                                  QStringLiteral("Answer 700 ms late at block N."),
                                  QStringLiteral("N"));
    const QCommandLineOption vanish(QStringLiteral("vanish"),
                                    QStringLiteral("Disappear (cable pulled) at block N."),
                                    QStringLiteral("N"));
    const QCommandLineOption corrupt(QStringLiteral("corrupt"),
                                     QStringLiteral("Keep a wrong byte when block N is written."),
                                     QStringLiteral("N"));
    for (const auto* o : {&paced, &latency, &model, &load, &save, &noAnswer, &stray, &split,
                          &wrongKey, &missingAck, &wrongAck, &overlong, &late, &vanish, &corrupt})
        p.addOption(*o);
    p.process(app);

    QTextStream err(stderr);
    const auto number = [&](const QCommandLineOption& o, int fallback) {
        if (!p.isSet(o)) return fallback;
        bool ok = false;
        const int v = p.value(o).toInt(&ok);
        if (!ok || v < 0) {
            err << "qz17-radiosim: --" << o.names().constLast() << " needs a number\n";
            ::exit(2);
        }
        return v;
    };

    RadioSimOptions o;
    if (p.isSet(model)) o.modelId = p.value(model);
    o.paced = p.isSet(paced);
    o.latencyMs = number(latency, 0);
    o.noAnswer = p.isSet(noAnswer);
    o.strayBeforeAck = p.isSet(stray);
    o.splitChunk = number(split, 0);
    o.wrongKeyEcho = p.isSet(wrongKey);
    o.missingAckAt = number(missingAck, -1);
    o.wrongAckAt = number(wrongAck, -1);
    o.overlongAt = number(overlong, -1);
    o.lateAt = number(late, -1);
    o.vanishAt = number(vanish, -1);
    o.corruptAt = number(corrupt, -1);

    RadioSimulator sim(o);
    QString error;
    if (p.isSet(load) && !sim.loadDataFile(p.value(load), &error)) {
        err << "qz17-radiosim: " << error << "\n";
        return 1;
    }
    const QString savePath = p.value(save);
    if (!savePath.isEmpty()) {
        sim.setWriteFinishedHandler([&sim, savePath] {
            QString e;
            if (!sim.saveDataFile(savePath, &e))
                QTextStream(stderr) << "qz17-radiosim: " << e << "\n";
            else
                QTextStream(stderr) << "qz17-radiosim: memory saved to " << savePath << "\n";
        });
    }
    if (!sim.start(&error)) {
        err << "qz17-radiosim: " << error << "\n";
        return 1;
    }

    if (::pipe(signalPipe) != 0) return 1;
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QSocketNotifier stopper(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopper, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    QTextStream out(stdout);
    out << sim.devicePath() << Qt::endl;
    err << "qz17-radiosim: radio " << o.modelId << (o.paced ? " at 2400 bit/s" : " unpaced")
        << " on " << sim.devicePath() << "; Ctrl+C ends\n";
    err.flush();

    const int rc = app.exec();
    sim.stop();
    if (!savePath.isEmpty() && !sim.saveDataFile(savePath, &error)) {
        err << "qz17-radiosim: " << error << "\n";
        return 1;
    }
    return rc;
}
