// qz17-clone: reads the radio into a data file, or writes a data file into the radio,
// with the same clone engine the dialogs use and no window.
//
//   qz17-clone read  --port /dev/ttyUSB0 --file radio.dat
//   qz17-clone write --port COM3 --file radio.dat [--force]

#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "files/DataFile.h"
#include "files/LanguageFile.h"
#include "link/ReadSession.h"
#include "link/SerialLinkPort.h"
#include "link/WriteSession.h"
#include "widgets/serial/ApdComPort.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

namespace {

// Runs one transfer until nothing is left to happen: no state, no timer running.
bool runTransfer(CloneSession& session, const QString& successText, bool force)
{
    QTextStream err(stderr);
    bool succeeded = false;
    QEventLoop loop;
    session.setHost({[&](const QString& text, int kind) {
                         err << "qz17-clone: " << QString(text).replace(QLatin1Char('\n'), QLatin1String(": ")) << Qt::endl;
                         if (text == successText) succeeded = true;
                         if (kind == 2) return force ? 6 : 7;
                         return 1;
                     },
                     {}});
    QObject::connect(&session, &CloneSession::closeRequested, &loop, &QEventLoop::quit);
    int shown = 0;
    QObject::connect(&session, &CloneSession::progressChanged, &loop, [&](int v) {
        if (v > 0 && v % 16 == 0 && v != shown) err << "qz17-clone: " << v << " blocks" << Qt::endl;
        shown = v;
    });
    QTimer idle;
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        if (session.state() != 0) return;
        for (const char* t : {"CloseTime", "TryTime", "HeadTime", "ReTime"})
            if (QTimer* timer = session.timer(QLatin1String(t)); timer && timer->isActive()) return;
        loop.quit();
    });
    idle.start(100);
    session.FormShow();
    if (!session.timer(QStringLiteral("CloseTime"))->isActive()) session.btnOkClick();
    loop.exec();
    session.FormClose();
    return succeeded;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("Reads or writes a QZ-17 radio's memory."));
    p.addHelpOption();
    p.addPositionalArgument(QStringLiteral("command"), QStringLiteral("read or write"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("COMn or a device path."), QStringLiteral("name"));
    const QCommandLineOption file(QStringLiteral("file"), QStringLiteral("The data file (.dat)."), QStringLiteral("path"));
    const QCommandLineOption force(QStringLiteral("force"), QStringLiteral("Write into a related model without asking."));
    p.addOption(port);
    p.addOption(file);
    p.addOption(force);
    p.process(app);
    QTextStream err(stderr);
    const QStringList args = p.positionalArguments();
    const QString command = args.value(0);
    if (args.size() != 1 || (command != QLatin1String("read") && command != QLatin1String("write")) ||
        !p.isSet(port) || !p.isSet(file)) {
        err << p.helpText();
        return 2;
    }

    TfMaindb& db = Maindb();
    db.DataModuleCreate(QCoreApplication::applicationFilePath());
    db.language = EnglishMessageTexts();
    MakeFirstDocument(db.all, db.macList);
    StartNewImage(db.all, db.macList);
    db.all.portName = p.value(port);

    TApdComPort com;
    SerialLinkPort link(com);
    if (command == QLatin1String("read")) {
        ReadSession session(link, db.all, db.macList, db.language);
        if (!runTransfer(session, db.language.readOk, false) || !session.success()) return 1;
        QString reason;
        if (!WriteDataFile(db.all, p.value(file), &reason)) {
            err << "qz17-clone: cannot save " << p.value(file) << ": " << reason << Qt::endl;
            return 1;
        }
        err << "qz17-clone: " << db.all.modelName << " saved to " << p.value(file) << Qt::endl;
        return 0;
    }
    const DataFileResult loaded = ReadDataFile(db.all, db.macList, p.value(file));
    if (!loaded.ok()) {
        err << "qz17-clone: cannot use " << p.value(file) << ": "
            << (loaded.status == DataFileResult::UnknownModel ? db.language.modError : loaded.reason)
            << Qt::endl;
        return 1;
    }
    WriteSession session(link, db.all, db.macList, db.language);
    return runTransfer(session, db.language.writeOk, p.isSet(force)) ? 0 : 1;
}
