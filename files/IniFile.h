#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

// An INI file as the desktop platform's profile access sees it: sections in brackets,
// key=value lines. Section and key names match without regard to case; values are
// taken verbatim apart from the blanks around them (no quotes, escapes or lists, so a
// text with a comma comes back whole). The first occurrence of a key wins.
//
// The file may be UTF-8 (with or without a byte-order mark) or GBK / code page 936,
// which is what the original language files use. Each line keeps its raw bytes:
// writing a key re-encodes only that line, in the file's own encoding, so every other
// byte of the file stays as it was.
class TIniFile {
  public:
    enum class Encoding { Utf8, Utf8Bom, Gbk };

    // Reads the whole file now; a missing or unreadable file reads as empty. Only a
    // regular file is read (a named pipe in its place reads as unreadable at once).
    explicit TIniFile(const QString& path);

    const QString& path() const { return filePath; }
    bool existed() const { return fileExisted; }
    // Why a file that is there could not be read; empty when it was read or is missing.
    const QString& readFailure() const { return unreadable; }
    Encoding encoding() const { return textEncoding; }

    // The value, or nothing when the section or key is missing.
    std::optional<QString> find(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;

    // Changes the text held in memory; UpdateFile puts it on disk.
    void WriteString(const QString& section, const QString& key, const QString& value);

    // Writes the file when something was changed, through SaveFile: the old file is
    // replaced only once the whole text is on the disk. A file that is there but could
    // not be read is never written, since its other entries would be lost. On failure
    // returns false with the reason.
    bool UpdateFile(QString* reason = nullptr);
    bool changed() const { return dirty; }

    // The bytes the file would hold (for UpdateFile and the tests).
    QByteArray bytes() const;

  private:
    struct Line {
        QByteArray raw; // without the line end
        QByteArray end; // "\r\n", "\n" or empty for the last line
        enum Kind { Other, Section, Entry } kind = Other;
        QString name;      // section name or key, trimmed
        QString value;     // trimmed value of an entry
        int equalsAt = -1; // position of '=' in the decoded line
        QString text;      // decoded line
    };

    void parse(const QByteArray& content);
    Line makeLine(const QByteArray& raw, const QByteArray& end) const;
    QString decode(const QByteArray& raw) const;
    QByteArray encode(const QString& text) const;
    int findEntry(const QString& section, const QString& key) const;
    QByteArray newLineEnd() const;

    QString filePath;
    bool fileExisted = false;
    QString unreadable;
    bool dirty = false;
    Encoding textEncoding = Encoding::Utf8;
    QVector<Line> lines;
};
