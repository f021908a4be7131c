#include "WriteSession.h"

#include "CloneFrames.h"
#include "LinkPort.h"
#include "core/AppState.h"
#include "core/ImageLayout.h"
#include "core/ModelTable.h"
#include "core/TimeStamp.h"

void WriteSession::FormShow()
{
    beginTransfer();
    setUpPort(false, false);
}

void WriteSession::btnOkClick()
{
    wait(450);
    beginTransfer();
    setState(0);
    errorWasShown = false;
    setProgress(0);
    const bool emptied = port.isOpen() && port.emptyInput() && port.emptyOutput();
    setOkEnabled(false);
    if (!emptied) return startFailed();
    wait(50);
    if (!sendWakeUp()) return startFailed();
    HeadTime.start();
}

void WriteSession::step()
{
    switch (state()) {
    case 1:
        wakeUpAnswered();
        break;
    case 2:
        HeadTime.stop();
        identified();
        break;
    case 3: {
        if (buffer[0] != Clone::Ack) return; // the timeout follows
        TryTime.stop();
        ++block;
        if (block == Clone::WriteBlockCount) return finish();
        // Taken from the document as it is now, time stamp included.
        SendFrame(Clone::WriteFrame(block, all.image.data() + 16 * block), 1, false);
        TryTime.start();
        setProgress(progress() + 1);
        break;
    }
    default:
        break;
    }
}

void WriteSession::identified()
{
    // Whatever happens next, this identification is dealt with: bytes that arrive
    // while a box is open must not run it again.
    setState(0);
    if (!keyEchoMatches()) {
        showErrorOnce(Message::ComError);
        conclude(CloneResult::NoAnswer);
        CloseTime.start();
        return;
    }
    const QString id = identModel();
    const TMacType* found = models.FindByIdentifier(id);
    const bool same = found && id == all.modelId;
    const bool related = found && !same && found->channelCount == all.channelCount;
    if (!same && !related) {
        sendEnd();
        showErrorOnce(Message::ModError);
        conclude(CloneResult::WrongModel);
        CloseTime.start();
        return;
    }
    if (related && message(Message::Modforce) != 6) { // the user leaves with Cancel
        conclude(CloneResult::RelatedModelDeclined);
        return;
    }
    stampAndStart();
}

void WriteSession::stampAndStart()
{
    WriteTimeStamp(all.image.data() + Image::TimeStamp, CurrentTimeStampText());
    setState(3);
    block = -1;
    SendFrame(QByteArray(1, char(Clone::Ack)), 1, true);
    TryTime.start();
}

void WriteSession::finish()
{
    setState(0);
    sendEnd();
    setProgress(ProgressMaximum);
    message(Message::WriteOk);
    setProgress(0);
    setOkEnabled(true);
    conclude(CloneResult::Done);
}

void WriteSession::TryTimeTimer()
{
    TryTime.stop();
    setState(0);
    if (errorWasShown) return;
    setOkEnabled(true);
    errorWasShown = true;
    message(Message::ComError);
    conclude(CloneResult::NoAnswer);
    CloseTime.start();
}

void WriteSession::OnTriggerLineError()
{
    // No flush and no restart: the box tells the user, the dialog stays open.
    setState(0);
    showErrorOnce(Message::ComError);
    conclude(CloneResult::NoAnswer);
}
