#include "CloneFrames.h"

#include "PortNames.h"
#include "core/ProgramRandom.h"

namespace Clone {

namespace {

QByteArray header(quint8 command, int block)
{
    const int address = 16 * block;
    QByteArray f;
    f.append(char(command));
    f.append(char(address >> 8));
    f.append(char(address & 0xFF));
    f.append(char(BlockLength));
    return f;
}

} // namespace

QByteArray WakeUpFrame(quint8 key)
{
    QByteArray f("PROGRAM");
    f.append(char(key));
    return f;
}

QByteArray ReadRequest(int block)
{
    return header(ReadCommand, block);
}

QByteArray WriteFrame(int block, const quint8* data)
{
    QByteArray f = header(WriteCommand, block);
    f.append(reinterpret_cast<const char*>(data), 16);
    return f;
}

quint8 TransferKey(const QString& portName)
{
    const int n = ComPortNumber(portName);
    if (n >= 1 && n <= 9) return quint8(0x60 + n);
    return quint8(0x65 + ProgramRandom(5));
}

} // namespace Clone
