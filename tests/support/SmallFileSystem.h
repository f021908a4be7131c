#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

// A real file system of a few KiB (tmpfs), mounted for one test, so that a save meets a
// full disk the way users meet it. Mounting needs the superuser, as CI runs the tests;
// elsewhere mounted() is false and the test skips with why().
//
//   SmallFileSystem fs;
//   if (!fs.mounted()) QSKIP(fs.why());
//   ... write the old files ...; fs.fill(); ... a save now fails with ENOSPC
class SmallFileSystem {
  public:
    explicit SmallFileSystem(int kib = 12)
    {
        if (::geteuid() != 0) {
            reason = "mounting a small file system needs the superuser";
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            reason = "tmpfs cannot be mounted here: " + qt_error_string(errno).toUtf8();
            return;
        }
        isMounted = true;
    }
    ~SmallFileSystem() { unmount(); }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return isMounted; }
    const char* why() const { return reason.constData(); }
    // With a trailing separator.
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }

    // Takes every byte still free, so the next write fails with "No space left on device".
    void fill() const
    {
        QFile f(file(QStringLiteral("filler")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(1024, '\0');
        while (f.write(block) > 0) {
        }
        for (int small = 0; small < 1024 && f.write("x", 1) > 0; ++small) {
        }
    }

    // Mounts the file system again read-only: nothing can be created in it any more.
    bool makeReadOnly() const
    {
        return ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Puts source (a writable file elsewhere) over the file at name, which must exist:
    // a file that can be written inside a folder that cannot.
    bool bindFile(const QString& source, const QString& name)
    {
        if (::mount(QFile::encodeName(source).constData(),
                    QFile::encodeName(file(name)).constData(), nullptr, MS_BIND, nullptr) != 0)
            return false;
        bound << file(name);
        return true;
    }

  private:
    void unmount()
    {
        for (const QString& b : bound)
            ::umount2(QFile::encodeName(b).constData(), MNT_DETACH);
        if (isMounted) ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
        isMounted = false;
    }

    QTemporaryDir dir;
    bool isMounted = false;
    QByteArray reason;
    QStringList bound;
};
