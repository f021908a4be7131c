#include "RadioTransfer.h"

#include "CliEnvironment.h"
#include "ExitCode.h"
#include "Interrupt.h"
#include "core/ImageLayout.h"
#include "link/CloneFrames.h"
#include "link/ReadSession.h"
#include "link/SerialLinkPort.h"
#include "link/WriteSession.h"
#include "widgets/serial/ApdComPort.h"

#include <QEventLoop>
#include <QTimer>

namespace {

// Runs one session until nothing is left to happen: no state, no timer running, or
// the session asks to close, or Ctrl+C.
int runSession(CliEnvironment& env, CloneSession& session, bool force, const QString& verb,
               int blockTotal, CloneSession::Message success)
{
    Interrupt& interrupt = Interrupt::instance();
    if (interrupt.requested()) return ExitCode::Interrupted;
    // Ctrl+C from here on stops the transfer between two exchanges.
    const Interrupt::Hold hold;

    bool declined = false;
    session.setHost({[&](const QString& text, int kind) {
                         env.tell(text);
                         if (kind != 2) return 1;
                         declined = !force;
                         return force ? 6 : 7;
                     },
                     {}});

    QEventLoop loop;
    bool interrupted = false;
    QObject::connect(&session, &CloneSession::closeRequested, &loop, &QEventLoop::quit);
    QObject::connect(&interrupt, &Interrupt::requestedNow, &loop, [&] {
        interrupted = true;
        loop.quit();
    });
    int reported = 0;
    QObject::connect(&session, &CloneSession::progressChanged, &loop, [&](int blocks) {
        if (blocks > reported && blocks % 16 == 0 && blocks < blockTotal) {
            env.tell(QStringLiteral("%1 %2 of %3 blocks").arg(verb).arg(blocks).arg(blockTotal));
            reported = blocks;
        }
    });
    QTimer idle;
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        if (session.state() != 0) return;
        for (const char* name : {"CloseTime", "TryTime", "HeadTime", "ReTime"})
            if (QTimer* t = session.timer(QLatin1String(name)); t && t->isActive()) return;
        loop.quit();
    });
    idle.start(100);

    session.FormShow();
    if (!session.timer(QStringLiteral("CloseTime"))->isActive()) session.btnOkClick();
    if (!interrupt.requested()) loop.exec();
    interrupted = interrupted || interrupt.requested();
    // Closing stops every timer and closes the port; after an interruption the radio
    // is left without its end byte, as when the cable is pulled.
    session.FormClose();

    const QList<CloneSession::Message>& shown = session.messagesShown();
    if (shown.contains(success)) return ExitCode::Ok;
    if (interrupted) return ExitCode::Interrupted;
    if (declined || shown.contains(CloneSession::Message::ModError)) return ExitCode::Model;
    if (shown.contains(CloneSession::Message::LPortError)) return ExitCode::Port;
    return ExitCode::Radio;
}

} // namespace

int ReadRadio(CliEnvironment& env, const QString& port, TALL& doc, QByteArray* rawBlocks)
{
    doc.portName = port;
    TApdComPort com;
    SerialLinkPort link(com);
    ReadSession session(link, doc, env.models(), env.texts());
    const int code = runSession(env, session, false, QStringLiteral("read"), Clone::ReadBlockCount,
                                CloneSession::Message::ReadOk);
    if (code == ExitCode::Ok && !session.success()) return ExitCode::Radio;
    if (code == ExitCode::Interrupted)
        env.tell(QStringLiteral("read interrupted; nothing was saved"));
    if (code == ExitCode::Ok && rawBlocks)
        *rawBlocks = QByteArray(reinterpret_cast<const char*>(session.blocksRead()), Image::Size);
    return code;
}

int WriteRadio(CliEnvironment& env, const QString& port, TALL& doc, bool force)
{
    doc.portName = port;
    TApdComPort com;
    SerialLinkPort link(com);
    WriteSession session(link, doc, env.models(), env.texts());
    const int code = runSession(env, session, force, QStringLiteral("write"),
                                Clone::WriteBlockCount, CloneSession::Message::WriteOk);
    if (code == ExitCode::Interrupted && session.progress() > 0)
        env.tell(
            QStringLiteral("write interrupted after %1 blocks; the radio's memory is incomplete, "
                           "write again")
                .arg(session.progress()));
    else if (code == ExitCode::Interrupted)
        env.tell(
            QStringLiteral("write interrupted before the first block; the radio is unchanged"));
    return code;
}
