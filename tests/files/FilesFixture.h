#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A folder of its own per test, standing in for the program's folder.
struct TempFolder {
    QTemporaryDir dir;

    // With a trailing separator, as the application folder is held.
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString p = file(name);
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        return p;
    }

    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

inline QByteArray utf8(const char16_t* text)
{
    return QString::fromUtf16(text).toUtf8();
}
