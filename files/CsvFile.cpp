#include "CsvFile.h"

#include "DiskFile.h"

#include <QFile>

QString CsvFileFilter()
{
    return QStringLiteral("CSV File(*.csv);;All Files(*)");
}

bool ReadCsvFile(const QString& path, QByteArray& bytes, QString* reason)
{
    const auto fail = [&](const QString& why) {
        if (reason) *reason = why;
        return false;
    };
    QFile file;
    if (!OpenFileForReading(file, path, reason)) return false;
    if (file.size() > MaxCsvFileSize)
        return fail(QStringLiteral("The file holds %1 bytes; a channel list is far smaller")
                        .arg(file.size()));
    bytes = file.read(MaxCsvFileSize + 1);
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    return true;
}

bool WriteCsvFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    return SaveFile(path, bytes, reason);
}
