#include "CsvFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    const QFileInfo info(path);
    if (info.isDir()) return fail(QStringLiteral("Is a folder"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    if (file.size() > MaxCsvFileSize)
        return fail(QStringLiteral("The file holds %1 bytes; a channel list is far smaller")
                        .arg(file.size()));
    bytes = file.read(MaxCsvFileSize + 1);
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    return true;
}

bool WriteCsvFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}
