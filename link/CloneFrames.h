#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Frames of the radio's clone protocol (2400 bit/s, 8 data bits, no parity, 2 stop bits).
//
//   program sends                         radio answers
//   "PROGRAM" + key            8 bytes    0x06
//   0x02                       1          16-byte identification:
//                                           [1..4] model identifier, [6] key echo
//   0x06                       1          0x06           (start of the block phase)
//   'R' addrHi addrLo 0x10     4          4 bytes, then the block's 16 data bytes
//   'W' addrHi addrLo 0x10 +16 20         0x06
//   0x06                       1          0x06           (acknowledge a block)
//   'E'                        1          nothing        (end)
//
// A block's address is 16 x its number.
namespace Clone {

constexpr quint8 Ack = 0x06;
constexpr quint8 Identify = 0x02;
constexpr quint8 End = 0x45;
constexpr quint8 ReadCommand = 0x52;
constexpr quint8 WriteCommand = 0x57;
constexpr quint8 BlockLength = 0x10;

constexpr int IdentLength = 16;
constexpr int IdentModelOffset = 1;
constexpr int IdentModelLength = 4;
constexpr int IdentKeyOffset = 6;
constexpr int ReadAnswerLength = 20; // 4 header bytes, then the data
constexpr int ReadAnswerDataOffset = 4;
constexpr int WriteFrameLength = 20;

constexpr int ReadBlockCount = 146; // block 145 is fetched but not kept
constexpr int WriteBlockCount = 145;

QByteArray WakeUpFrame(quint8 key);
QByteArray ReadRequest(int block);
QByteArray WriteFrame(int block, const quint8* data);

// The radio echoes the key with its two 4-bit halves exchanged.
constexpr quint8 KeyEcho(quint8 key)
{
    return quint8((key * 16 + key / 16) % 256);
}

// 0x60 + the port number for COM1..COM9; any other port takes 0x65..0x69 from the
// program's random generator.
quint8 TransferKey(const QString& portName);

} // namespace Clone
