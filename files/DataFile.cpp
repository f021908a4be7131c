#include "DataFile.h"

#include "DiskFile.h"
#include "core/AppState.h"
#include "core/DocumentLifecycle.h"
#include "core/ModelTable.h"
#include "core/TimeStamp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int FirstStoredByte = Image::BlockSize; // image block 1
constexpr int StoredBytes = Image::Size - FirstStoredByte;
static_assert(DataFile::HeaderSize + StoredBytes == DataFile::Size,
              "file = header + blocks 1..144");
} // namespace

QString SaveTimeText()
{
    // yyyy-MM-dd HH:mm:ss without the seconds.
    return CurrentTimeStampText().left(16);
}

QByteArray EncodeDataFile(const TALL& all, const QString& dateText)
{
    quint8 header[DataFile::HeaderSize];
    EncodeFileHeader(header, QStringLiteral("P") + all.modelId, QStringLiteral("000000"), dateText);
    QByteArray out(reinterpret_cast<const char*>(header), DataFile::HeaderSize);
    out.append(reinterpret_cast<const char*>(all.image.data() + FirstStoredByte), StoredBytes);
    return out;
}

bool WriteDataFile(TALL& all, const QString& path, QString* reason, const QString& dateText)
{
    if (!SaveFile(path, EncodeDataFile(all, dateText), reason)) return false;
    all.modified = false;
    return true;
}

QString RadioBackupPath(const QString& modelId, const QDateTime& when)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/QZ-17/Backups");
    return folder + QStringLiteral("/radio-%1-%2.dat")
                        .arg(modelId.trimmed(), when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

bool SaveRadioBackup(TALL& radio, QString& path, QString* reason)
{
    path = RadioBackupPath(radio.modelId, QDateTime::currentDateTime());
    // A second backup within the same second gets a name of its own.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = RadioBackupPath(radio.modelId, QDateTime::currentDateTime())
                   .replace(QStringLiteral(".dat"), QStringLiteral("-%1.dat").arg(n));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = QStringLiteral("the folder %1 cannot be created")
                          .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return WriteDataFile(radio, path, reason);
}

DataFileResult ReadDataFile(TALL& all, const TMacList& models, const QString& path)
{
    DataFileResult result;
    QFile file;
    if (!OpenFileForReading(file, path, &result.reason)) {
        result.status = DataFileResult::OpenFailed;
        return result;
    }
    const QByteArray bytes = file.read(DataFile::Size);
    if (file.error() != QFileDevice::NoError) {
        result.status = DataFileResult::ReadFailed;
        result.reason = file.errorString();
        return result;
    }
    return LoadDataFileBytes(all, models, bytes);
}

DataFileResult LoadDataFileBytes(TALL& all, const TMacList& models, const QByteArray& bytes)
{
    DataFileResult result;
    if (bytes.size() < DataFile::Size) {
        // A part of an image would mix two radios' data.
        result.status = DataFileResult::TooShort;
        result.size = bytes.size();
        return result;
    }

    const auto* data = reinterpret_cast<const quint8*>(bytes.constData());
    QString name, code, date;
    DecodeFileHeader(data, name, code, date);
    const QString id = HeaderModelId(name);
    if (!models.FindByIdentifier(id)) {
        result.status = DataFileResult::UnknownModel;
        result.modelId = id;
        return result;
    }

    std::copy(data + DataFile::HeaderSize, data + DataFile::Size,
              all.image.begin() + FirstStoredByte);
    all.fileDateText = date;
    LoadAfterOpen(all, models, id);
    return result;
}
