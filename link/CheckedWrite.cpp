#include "CheckedWrite.h"

#include "ReadSession.h"
#include "WriteSession.h"
#include "core/AppState.h"
#include "core/ImagePlaces.h"

#include <QTimer>

CheckedWrite::CheckedWrite(LinkPort& p, WriteSession& w, TALL& d, const TMacList& m,
                           const TLanguage& t, QObject* parent)
    : QObject(parent), port(p), writer(w), doc(d), models(m), texts(t)
{
    connect(&writer, &CloneSession::finished, this, &CheckedWrite::written);
}

CheckedWrite::~CheckedWrite() = default;

void CheckedWrite::setHost(CloneSession::Host h)
{
    host = std::move(h);
}

const quint8* CheckedWrite::radioImage() const
{
    return reader ? reader->blocksRead() : nullptr;
}

void CheckedWrite::setStage(Stage s)
{
    current = s;
    emit stageChanged(s);
}

void CheckedWrite::start(Options o, SaveBackup save)
{
    options = o;
    saveBackup = std::move(save);
    mismatch = -1;
    // The write's own "Writing Completed." waits for the verify.
    writer.setSilenced(CloneSession::Message::WriteOk, options.verify);
    if (options.backup)
        startRead(Stage::Backup);
    else
        startWrite();
}

void CheckedWrite::startWrite()
{
    reader.reset();
    writer.listen(true);
    setStage(Stage::Write);
    writer.btnOkClick();
}

void CheckedWrite::startRead(Stage stage)
{
    writer.listen(false);
    radio = std::make_unique<TALL>(doc);
    reader = std::make_unique<ReadSession>(port, *radio, models, texts);
    reader->setHost(host);
    reader->setSilenced(CloneSession::Message::ReadOk, true);
    connect(reader.get(), &CloneSession::progressChanged, this, &CheckedWrite::progressChanged);
    connect(reader.get(), &CloneSession::finished, this, &CheckedWrite::readFinished);
    ReadSession* session = reader.get();
    connect(session, &CloneSession::closeRequested, this, [this, session] {
        if (session->result() != CloneResult::Done) emit closeRequested();
    });
    setStage(stage);
    session->btnOkClick();
}

void CheckedWrite::readFinished(CloneResult r)
{
    if (r != CloneResult::Done) return end(r);
    if (current == Stage::Backup) {
        if (saveBackup && !saveBackup(*radio)) return end(CloneResult::BackupNotSaved);
        // The radio comes back from the read before the write starts.
        QTimer::singleShot(settleMs, this, [this] {
            if (current == Stage::Backup) startWrite();
        });
        return;
    }
    mismatch = FirstDifferentOffset(reader->blocksRead(), doc.image.data(), Image::Size);
    end(mismatch < 0 ? CloneResult::Done : CloneResult::VerifyMismatch);
}

void CheckedWrite::written(CloneResult r)
{
    if (current != Stage::Write) return;
    if (r != CloneResult::Done || !options.verify) return end(r);
    writer.listen(false);
    setStage(Stage::Verify);
    QTimer::singleShot(settleMs, this, [this] {
        if (current == Stage::Verify) startRead(Stage::Verify);
    });
}

void CheckedWrite::stop()
{
    if (current == Stage::Idle) return;
    if (reader) reader->FormClose();
    if (current != Stage::Idle) end(CloneResult::Cancelled);
}

void CheckedWrite::end(CloneResult r)
{
    if (current == Stage::Idle) return;
    outcome = r;
    writer.setSilenced(CloneSession::Message::WriteOk, false);
    writer.listen(true);
    setStage(Stage::Idle);
    emit finished(r);
}
