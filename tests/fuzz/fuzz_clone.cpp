// The clone sessions' receive path: what a radio (or a noisy cable) sends back during
// a read or a write, on a scripted port, with the timeouts and line errors a real
// transfer meets. Oracles: a read that did not complete leaves the document as it was;
// a write changes nothing in the document but its time stamp.
//
// Input: byte 0 chooses the session (bit 0: 0 read, 1 write) and the answer to the
// question about a related model (bit 1: Yes). Then records, each one length byte:
//   0..250  that many bytes follow and arrive as one notification of the port
//   251     the port reports a line error
//   252     the handshake timeout expires
//   253     the block timeout expires
//   254     the retry timer of a read expires
//   255     the user presses OK again
// The port is COM1, so the transfer key is 0x61 and the radio's echo of it 0x16. The
// seeds are complete transcripts of a read and of a write in this form.

#include "FuzzProgram.h"

#include "core/ImageLayout.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"
#include "tests/link/FakeLinkPort.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfMaindb& program = FuzzProgram();
    if (size == 0) return 0;
    const bool write = data[0] & 1;
    const bool forceAnswer = data[0] & 2;

    TALL doc = program.all;
    doc.portName = QStringLiteral("COM1");
    const TALL before = doc;
    FakeLinkPort port;
    std::unique_ptr<CloneSession> session;
    ReadSession* read = nullptr;
    if (write) {
        session = std::make_unique<WriteSession>(port, doc, program.macList, program.language);
    } else {
        auto r = std::make_unique<ReadSession>(port, doc, program.macList, program.language);
        read = r.get();
        session = std::move(r);
    }
    session->setHost(
        {[&](const QString&, int kind) { return kind == 2 && forceAnswer ? 6 : 7; }, [](int) {}});

    session->FormShow();
    session->btnOkClick();
    for (size_t at = 1; at < size;) {
        const uint8_t record = data[at++];
        if (record <= 250) {
            const size_t n = std::min<size_t>(record, size - at);
            port.feed(FuzzBytes(data + at, n));
            at += n;
        } else if (record == 251) {
            port.raiseLineError();
        } else if (record == 252) {
            session->HeadTimeTimer();
        } else if (record == 253) {
            session->TryTimeTimer();
        } else if (record == 254) {
            if (read) read->ReTimeTimer();
        } else {
            session->btnOkClick();
        }
    }
    session->FormClose();

    if (read && !read->success()) FUZZ_CHECK(doc.image == before.image);
    if (write) {
        for (int i = 0; i < Image::Size; ++i)
            if (i < Image::TimeStamp || i >= Image::TimeStamp + Image::TimeStampLength)
                FUZZ_CHECK(doc.image[size_t(i)] == before.image[size_t(i)]);
    }
    return 0;
}
