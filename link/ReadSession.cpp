#include "ReadSession.h"

#include "LinkPort.h"
#include "core/AppState.h"
#include "core/DocumentLifecycle.h"
#include "core/ImageLayout.h"
#include "core/ModelTable.h"

#include <algorithm>

ReadSession::ReadSession(LinkPort& p, TALL& a, const TMacList& m, const TLanguage& t,
                         QObject* parent)
    : CloneSession(p, a, m, t, parent)
{
    addTimer(ReTime, "ReTime", 500, [this] { ReTimeTimer(); });
}

void ReadSession::FormShow()
{
    beginTransfer();
    succeeded = false;
    retryAllowed = true;
    setUpPort(true, true);
}

void ReadSession::btnOkClick()
{
    beginTransfer();
    succeeded = false;
    setState(0);
    errorWasShown = false;
    setProgress(0);
    setOkEnabled(false);
    wait(450);
    receivedCount = 0;
    if (!port.isOpen() || !port.emptyInput() || !port.emptyOutput()) return startFailed();
    wait(50);
    if (!sendWakeUp()) return startFailed();
    HeadTime.start();
}

void ReadSession::step()
{
    switch (state()) {
    case 1:
        wakeUpAnswered();
        break;
    case 2: {
        HeadTime.stop();
        const QString id = identModel();
        if (!models.FindByIdentifier(id)) {
            // The transfer is over; the user leaves with Cancel.
            setState(0);
            sendEnd();
            showErrorOnce(Message::ModError);
            conclude(CloneResult::WrongModel);
            return;
        }
        radioModel = id;
        if (!keyEchoMatches()) {
            setState(0);
            sendEnd();
            showErrorOnce(Message::ComError);
            conclude(CloneResult::NoAnswer);
            CloseTime.start();
            return;
        }
        setState(3);
        block = -1;
        SendFrame(QByteArray(1, char(Clone::Ack)), 1, true);
        TryTime.start();
        break;
    }
    case 3:
        if (acknowledgeMode) {
            if (buffer[0] != Clone::Ack) return; // the timeout follows
            TryTime.stop();
            ++block;
            if (block == Clone::ReadBlockCount) return finish();
            SendFrame(Clone::ReadRequest(block), Clone::ReadAnswerLength, false);
            TryTime.start();
        } else {
            TryTime.stop();
            std::copy_n(buffer.begin() + Clone::ReadAnswerDataOffset, 16,
                        readCopy.begin() + 16 * block);
            setProgress(progress() + 1);
            SendFrame(QByteArray(1, char(Clone::Ack)), 1, true);
            TryTime.start();
        }
        break;
    default:
        break;
    }
}

void ReadSession::finish()
{
    setState(0);
    sendEnd();
    setProgress(ProgressMaximum);
    message(Message::ReadOk);
    std::copy_n(readCopy.begin(), Image::Size, all.image.begin());
    LoadAfterRead(all, models, radioModel);
    succeeded = true;
    conclude(CloneResult::Done);
    CloseTime.start();
}

void ReadSession::TryTimeTimer()
{
    TryTime.stop();
    setState(0);
    if (errorWasShown) return;
    errorWasShown = true;
    message(Message::ComError);
    conclude(CloneResult::NoAnswer);
    CloseTime.start();
}

void ReadSession::ReTimeTimer()
{
    ReTime.stop();
    setOkEnabled(true);
    btnOkClick();
}

void ReadSession::OnTriggerLineError()
{
    port.emptyInput();
    port.emptyOutput();
    setState(0);
    if (retryAllowed) {
        errorWasShown = true; // a timeout still pending stays silent
        retryAllowed = false;
        ReTime.start();
    } else {
        TryTime.start();
    }
}
