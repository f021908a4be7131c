#include "IniFile.h"

#include "DiskFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

// The profile access trims blanks only; an ideographic space inside a text stays.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == QChar(0xFEFF);
}

QString trimBlanks(const QString& s)
{
    int from = 0, to = int(s.size());
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder(bytes);
    Q_UNUSED(ignored);
    return !decoder.hasError();
}

} // namespace

TIniFile::TIniFile(const QString& path) : filePath(path)
{
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path)) return;
    QFile file;
    if (!OpenFileForReading(file, path, &unreadable)) return;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        unreadable = file.errorString();
        return;
    }
    fileExisted = true;
    parse(content);
}

void TIniFile::parse(const QByteArray& all)
{
    QByteArray content = all;
    if (content.startsWith(Utf8Bom)) {
        textEncoding = Encoding::Utf8Bom;
        content.remove(0, Utf8Bom.size());
    } else {
        textEncoding = isValidUtf8(content) ? Encoding::Utf8 : Encoding::Gbk;
    }

    // Line ends never occur inside a GBK or UTF-8 sequence, so splitting the bytes
    // first and decoding line by line gives the same texts.
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype nl = content.indexOf('\n', start);
        QByteArray raw, end;
        if (nl < 0) {
            raw = content.mid(start);
            start = content.size();
        } else {
            raw = content.mid(start, nl - start);
            end = "\n";
            start = nl + 1;
        }
        if (raw.endsWith('\r') && !end.isEmpty()) {
            raw.chop(1);
            end = "\r\n";
        }
        lines.append(makeLine(raw, end));
    }
}

TIniFile::Line TIniFile::makeLine(const QByteArray& raw, const QByteArray& end) const
{
    Line line;
    line.raw = raw;
    line.end = end;
    line.text = decode(raw);
    const QString t = trimBlanks(line.text);
    if (t.isEmpty() || t.startsWith(u';')) return line;
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        line.kind = Line::Section;
        line.name = trimBlanks(close < 0 ? t.mid(1) : t.mid(1, close - 1));
        return line;
    }
    const qsizetype eq = line.text.indexOf(u'=');
    if (eq < 0) return line;
    const QString key = trimBlanks(line.text.left(eq));
    if (key.isEmpty()) return line;
    line.kind = Line::Entry;
    line.name = key;
    line.value = trimBlanks(line.text.mid(eq + 1));
    line.equalsAt = int(eq);
    return line;
}

QString TIniFile::decode(const QByteArray& raw) const
{
    if (textEncoding != Encoding::Gbk) return QString::fromUtf8(raw);
    QStringDecoder gbk("GBK");
    if (!gbk.isValid()) return QString::fromLatin1(raw);
    return gbk(raw);
}

QByteArray TIniFile::encode(const QString& text) const
{
    if (textEncoding != Encoding::Gbk) return text.toUtf8();
    QStringEncoder gbk("GBK");
    if (!gbk.isValid()) return text.toLatin1();
    return gbk(text);
}

int TIniFile::findEntry(const QString& section, const QString& key) const
{
    if (key.isEmpty()) return -1;
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        if (l.kind == Line::Section)
            inSection = sameName(l.name, section);
        else if (inSection && l.kind == Line::Entry && sameName(l.name, key))
            return i;
    }
    return -1;
}

std::optional<QString> TIniFile::find(const QString& section, const QString& key) const
{
    const int i = findEntry(section, key);
    if (i < 0) return std::nullopt;
    return lines[i].value;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    return find(section, key).value_or(def);
}

QByteArray TIniFile::newLineEnd() const
{
    for (const Line& l : lines)
        if (!l.end.isEmpty()) return l.end;
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (key.isEmpty()) return;
    // A line end inside a value would split the line and break the file.
    QString v = value;
    v.replace(u'\r', u' ').replace(u'\n', u' ');

    const int at = findEntry(section, key);
    if (at >= 0) {
        Line& l = lines[at];
        if (l.value == v) return;
        l = makeLine(encode(l.text.left(l.equalsAt + 1) + v), l.end);
        dirty = true;
        return;
    }

    const QByteArray end = newLineEnd();
    const Line entry = makeLine(encode(key + u'=' + v), end);
    int sectionAt = -1;
    for (int i = 0; i < lines.size() && sectionAt < 0; ++i)
        if (lines[i].kind == Line::Section && sameName(lines[i].name, section)) sectionAt = i;

    if (sectionAt >= 0) {
        // After the section's last non-blank line, so blank lines before the next
        // section stay where they are.
        int last = sectionAt;
        for (int i = sectionAt + 1; i < lines.size() && lines[i].kind != Line::Section; ++i)
            if (!trimBlanks(lines[i].text).isEmpty()) last = i;
        if (lines[last].end.isEmpty()) lines[last].end = end;
        lines.insert(last + 1, entry);
    } else {
        if (!lines.isEmpty() && lines.last().end.isEmpty()) lines.last().end = end;
        lines.append(makeLine(encode(u'[' + section + u']'), end));
        lines.append(entry);
    }
    dirty = true;
}

QByteArray TIniFile::bytes() const
{
    QByteArray out;
    if (textEncoding == Encoding::Utf8Bom) out += Utf8Bom;
    for (const Line& l : lines)
        out += l.raw + l.end;
    return out;
}

bool TIniFile::UpdateFile(QString* reason)
{
    if (!dirty) return true;
    if (!unreadable.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("The file could not be read (%1); writing it would lose its "
                                     "other entries")
                          .arg(unreadable);
        return false;
    }
    if (!SaveFile(filePath, bytes(), reason)) return false;
    dirty = false;
    fileExisted = true;
    return true;
}
