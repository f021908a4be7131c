#include "RadioTransfer.h"

#include "CliEnvironment.h"
#include "ExitCode.h"
#include "Interrupt.h"
#include "core/ImageLayout.h"
#include "core/ImagePlaces.h"
#include "link/CheckedWrite.h"
#include "link/CloneFrames.h"
#include "link/ReadSession.h"
#include "link/SerialLinkPort.h"
#include "link/WriteSession.h"
#include "widgets/serial/ApdComPort.h"

#include <QEventLoop>

namespace {

int exitCodeOf(CloneResult r)
{
    switch (r) {
    case CloneResult::Done:
        return ExitCode::Ok;
    case CloneResult::PortError:
        return ExitCode::Port;
    case CloneResult::NoAnswer:
        return ExitCode::Radio;
    case CloneResult::WrongModel:
    case CloneResult::RelatedModelDeclined:
        return ExitCode::Model;
    case CloneResult::Cancelled:
        return ExitCode::Interrupted;
    case CloneResult::VerifyMismatch:
        return ExitCode::Verify;
    case CloneResult::BackupNotSaved:
        return ExitCode::File;
    }
    return ExitCode::Radio;
}

CloneSession::Host hostFor(CliEnvironment& env, bool force)
{
    return {[&env, force](const QString& text, int kind) {
                env.tell(text);
                if (kind != 2) return 1;
                return force ? 6 : 7;
            },
            {}};
}

// Tells the progress in blocks, every 16 blocks.
class ProgressTeller {
  public:
    ProgressTeller(CliEnvironment& e, int total) : env(e), blockTotal(total) {}
    void start(const QString& v)
    {
        verb = v;
        reported = 0;
    }
    void operator()(int blocks)
    {
        if (blocks > reported && blocks % 16 == 0 && blocks < blockTotal) {
            env.tell(QStringLiteral("%1 %2 of %3 blocks").arg(verb).arg(blocks).arg(blockTotal));
            reported = blocks;
        }
    }

  private:
    CliEnvironment& env;
    int blockTotal;
    QString verb;
    int reported = 0;
};

// Runs the event loop until finished is emitted by sender, or Ctrl+C; then stop() closes
// whatever still runs. Returns the outcome; Cancelled after Ctrl+C.
template <typename Sender>
CloneResult runUntilFinished(Sender& sender, const std::function<void()>& start,
                             const std::function<void()>& stop)
{
    Interrupt& interrupt = Interrupt::instance();
    if (interrupt.requested()) return CloneResult::Cancelled;
    // Ctrl+C from here on stops the transfer between two exchanges.
    const Interrupt::Hold hold;
    QEventLoop loop;
    bool finished = false;
    CloneResult result = CloneResult::Cancelled;
    QObject::connect(&sender, &Sender::finished, &loop, [&](CloneResult r) {
        if (finished) return;
        finished = true;
        result = r;
        loop.quit();
    });
    QObject::connect(&interrupt, &Interrupt::requestedNow, &loop, &QEventLoop::quit);
    start();
    if (!finished && !interrupt.requested()) loop.exec();
    // Closing stops every timer and closes the port; after an interruption the radio
    // is left without its end byte, as when the cable is pulled.
    stop();
    return finished && !interrupt.requested() ? result : CloneResult::Cancelled;
}

} // namespace

int ReadRadio(CliEnvironment& env, const QString& port, TALL& doc)
{
    doc.portName = port;
    TApdComPort com;
    SerialLinkPort link(com);
    ReadSession session(link, doc, env.models(), env.texts());
    session.setHost(hostFor(env, false));
    ProgressTeller progress(env, Clone::ReadBlockCount);
    progress.start(QStringLiteral("read"));
    QObject::connect(&session, &CloneSession::progressChanged, &session,
                     [&](int blocks) { progress(blocks); });
    const CloneResult result = runUntilFinished(
        session,
        [&] {
            session.FormShow();
            if (!session.hasFinished()) session.btnOkClick();
        },
        [&] { session.FormClose(); });
    if (result == CloneResult::Cancelled)
        env.tell(QStringLiteral("read interrupted; nothing was saved"));
    return exitCodeOf(result);
}

int WriteRadio(CliEnvironment& env, const QString& port, TALL& doc, bool force,
               const QString& backupPath, bool verify)
{
    doc.portName = port;
    TApdComPort com;
    SerialLinkPort link(com);
    WriteSession writer(link, doc, env.models(), env.texts());
    writer.setHost(hostFor(env, force));
    CheckedWrite job(link, writer, doc, env.models(), env.texts());
    job.setHost(hostFor(env, false));

    ProgressTeller reading(env, Clone::ReadBlockCount), writing(env, Clone::WriteBlockCount);
    QObject::connect(&job, &CheckedWrite::stageChanged, &job, [&](CheckedWrite::Stage s) {
        if (s == CheckedWrite::Stage::Write) writing.start(QStringLiteral("write"));
        if (s == CheckedWrite::Stage::Backup || s == CheckedWrite::Stage::Verify)
            reading.start(s == CheckedWrite::Stage::Backup ? QStringLiteral("backup read")
                                                           : QStringLiteral("verify read"));
    });
    QObject::connect(&job, &CheckedWrite::progressChanged, &job,
                     [&](int blocks) { reading(blocks); });
    QObject::connect(&writer, &CloneSession::progressChanged, &writer,
                     [&](int blocks) { writing(blocks); });

    CheckedWrite::SaveBackup save;
    if (!backupPath.isEmpty())
        save = [&](TALL& radio) {
            if (!env.save(radio, backupPath)) return false;
            env.tell(QStringLiteral("the radio's memory was saved to %1").arg(backupPath));
            return true;
        };
    writer.FormShow();
    if (writer.hasFinished()) { // the port could not be opened
        writer.FormClose();
        return exitCodeOf(writer.result());
    }
    const CloneResult result = runUntilFinished(
        job,
        [&] {
            job.start({!backupPath.isEmpty(), verify}, save);
        },
        [&] {
            job.stop();
            writer.FormClose();
        });

    if (result == CloneResult::Cancelled) {
        if (writer.progress() > 0)
            env.tell(QStringLiteral("write interrupted after %1 blocks; the radio's memory is "
                                    "incomplete, write again")
                         .arg(writer.progress()));
        else
            env.tell(
                QStringLiteral("write interrupted before the first block; the radio is unchanged"));
    } else if (result == CloneResult::VerifyMismatch) {
        const int offset = job.mismatchOffset();
        const int block = offset / Image::BlockSize;
        const ImagePlace place = PlaceOfOffset(
            doc, offset, quint8(job.radioImage()[offset] ^ doc.image[size_t(offset)]));
        env.tell(
            QStringLiteral("verify failed: %1 (block %2, bytes 0x%3 to 0x%4) differs from "
                           "what was written")
                .arg(place.text())
                .arg(block)
                .arg(block * Image::BlockSize, 3, 16, QLatin1Char('0'))
                .arg(block * Image::BlockSize + Image::BlockSize - 1, 3, 16, QLatin1Char('0')));
    } else if (result == CloneResult::Done && verify) {
        env.tell(QStringLiteral("verified: blocks 0 to %1 read back as written")
                     .arg(Image::BlockCount - 1));
    }
    return exitCodeOf(result);
}
