#include "DiskFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString PartialMark = QStringLiteral(".qz17-partial-");
constexpr int RandomLength = 6;

qint64 writeLimit = -1;
bool (*interruptCheck)() = nullptr;

bool fail(QString* reason, const QString& why)
{
    if (reason) *reason = why;
    return false;
}

#ifndef Q_OS_WIN
QString notRegularReason(mode_t mode)
{
    if (S_ISDIR(mode)) return QStringLiteral("Is a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("Is a named pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("Is a device, not a file");
    if (S_ISSOCK(mode)) return QStringLiteral("Is a socket, not a file");
    return QStringLiteral("Is not a regular file");
}
#endif

QString notRegularReason(const QFileInfo& info)
{
#ifndef Q_OS_WIN
    struct stat st {};
    if (::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &st) == 0)
        return notRegularReason(st.st_mode);
#endif
    return info.isDir() ? QStringLiteral("Is a folder") : QStringLiteral("Is not a regular file");
}

// The file a save replaces: a symbolic link stays and its file gets the new content.
QString saveTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink()) return info.absoluteFilePath();
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

std::filesystem::path nativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool isPartialOf(const QString& entry, const QString& fileName)
{
    if (entry.size() != fileName.size() + PartialMark.size() + RandomLength) return false;
    if (!entry.startsWith(fileName + PartialMark)) return false;
    for (qsizetype i = entry.size() - RandomLength; i < entry.size(); ++i)
        if (!entry.at(i).isLetterOrNumber() || entry.at(i).unicode() > 0x7F) return false;
    return true;
}

// Leftovers of saves of this file that were killed before they finished.
void removeStalePartials(const QString& target)
{
    const QFileInfo info(target);
    const QString fileName = info.fileName();
    QDir folder = info.absoluteDir();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-StalePartialSaveAge);
    const QFileInfoList entries =
        folder.entryInfoList({QStringLiteral("*") + PartialMark + QStringLiteral("*")},
                             QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& e : entries)
        if (isPartialOf(e.fileName(), fileName) && e.lastModified().toUTC() < before)
            QFile::remove(e.absoluteFilePath());
}

bool createPartial(QFile& partial, const QString& target, QString* reason)
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = target + PartialMark;
        for (int i = 0; i < RandomLength; ++i)
            name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(62)]);
        partial.setFileName(name);
        if (partial.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (QFileInfo::exists(name)) continue; // taken by another save: another name
        return fail(reason, partial.errorString());
    }
    return fail(reason, partial.errorString());
}

// The new file is to look like the old one: same permissions and, where the system
// allows it (a superuser saving someone's file), same owner and group.
void keepOwnerAndPermissions(QFile& partial, const QString& target)
{
    partial.setPermissions(QFile::permissions(target));
#ifndef Q_OS_WIN
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 &&
        ::fchown(partial.handle(), st.st_uid, st.st_gid) != 0) {
        // Not allowed to a user who is not the owner; the file becomes theirs, as any
        // file they write does.
    }
#endif
}

// Every byte into the file, or the reason it could not be.
bool writeAll(QFile& file, const QByteArray& bytes, QString* reason)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        qint64 chunk = bytes.size() - written;
        if (writeLimit >= 0) {
            chunk = qMin(chunk, writeLimit - written);
            if (chunk <= 0) return fail(reason, qt_error_string(ENOSPC));
        }
        // A short write is followed by another, which then reports the failure.
        const qint64 n = file.write(bytes.constData() + written, chunk);
        if (n <= 0) {
            const QString why = file.errorString();
            return fail(reason, why.isEmpty() ? qt_error_string(EIO) : why);
        }
        written += n;
    }
    if (!file.flush()) return fail(reason, file.errorString());
    return true;
}

// Until the data is on the disk, a crash of the system could still lose it after the
// rename; some file systems (network ones) report a full disk only here.
bool syncToDisk(QFile& file, QString* reason)
{
#ifdef Q_OS_WIN
    if (::_commit(file.handle()) != 0) return fail(reason, qt_error_string(errno));
#else
    if (::fsync(file.handle()) != 0) return fail(reason, qt_error_string(errno));
#endif
    return true;
}

void syncFolder(const QString& folder)
{
#ifndef Q_OS_WIN
    // So that the rename itself survives a crash; not every file system allows it.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(folder);
#endif
}

} // namespace

QString PartialSaveName(const QString& fileName)
{
    return fileName + PartialMark + QString(RandomLength, u'X');
}

void SetSaveInterruptCheck(bool (*interrupted)())
{
    interruptCheck = interrupted;
}

void FailSavesAfterBytesForTests(qint64 limit)
{
    writeLimit = limit;
}

bool SaveFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    if (path.isEmpty()) return fail(reason, QStringLiteral("No file name"));
    const QString target = saveTarget(path);
    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) return fail(reason, notRegularReason(info));
    if (info.exists() && !info.isWritable())
        return fail(reason, QStringLiteral("The file is read-only"));
    if (!info.absoluteDir().exists())
        return fail(reason, QStringLiteral("The folder %1 does not exist")
                                .arg(QDir::toNativeSeparators(info.absolutePath())));

    removeStalePartials(target);
    QFile partial;
    if (!createPartial(partial, target, reason)) return false;
    const auto cancel = [&](const QString& why) {
        partial.close();
        partial.remove();
        return fail(reason, why);
    };
    if (info.exists()) keepOwnerAndPermissions(partial, target);
    if (!writeAll(partial, bytes, reason) || !syncToDisk(partial, reason)) {
        const QString why = reason ? *reason : QString();
        return cancel(why);
    }
    partial.close();
    if (partial.error() != QFileDevice::NoError) return cancel(partial.errorString());
    if (interruptCheck && interruptCheck()) return cancel(QStringLiteral("Interrupted"));

    std::error_code error;
    std::filesystem::rename(nativePath(partial.fileName()), nativePath(target), error);
    if (error) return cancel(QString::fromStdString(error.message()));
    syncFolder(info.absolutePath());
    return true;
}

bool OpenFileForReading(QFile& file, const QString& path, QString* reason)
{
    if (path.isEmpty()) return fail(reason, QStringLiteral("No file name"));
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return fail(reason, notRegularReason(info));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(reason, file.errorString());
    return true;
#else
    // Opened without waiting, then looked at: a named pipe opens at once this way and
    // is refused before anything is read from it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(reason, qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const QString why = qt_error_string(errno);
        ::close(fd);
        return fail(reason, why);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(reason, notRegularReason(st.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return fail(reason, file.errorString());
    return true;
#endif
}
