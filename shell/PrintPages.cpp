#include "PrintPages.h"

#include "files/TranslateForm.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace {

// Text sizes of the pages, in points.
constexpr qreal BodyPoints = 8.0;
constexpr qreal TitlePoints = 10.0;
constexpr qreal HeaderPoints = 9.0;

enum class Role { PageHeader, PageHeaderRight, Title, Note, ColumnHeader, Cell };

// One text placed on a page.
struct Placed {
    QRectF rect;
    QString text;
    Role role;
};
using Page = QVector<Placed>;

// Whether the printout holds Chinese (or other Han) text.
bool HoldsHan(const Printout& p)
{
    const auto han = [](const QString& s) {
        for (const QChar c : s)
            if (c.script() == QChar::Script_Han) return true;
        return false;
    };
    if (han(p.source) || han(p.writeTime)) return true;
    for (const PrintTable& t : p.tables) {
        if (han(t.title) || std::any_of(t.headers.begin(), t.headers.end(), han)) return true;
        for (const QStringList& row : t.rows)
            if (std::any_of(row.begin(), row.end(), han)) return true;
    }
    return false;
}

struct Fonts {
    QFont header, title, body, bold;
    // For Han text, a font that has it: its metrics then size the rows, where a
    // fallback font's taller glyphs would stand out of them.
    explicit Fonts(bool han)
    {
        if (han) {
            QFont base;
            base.setFamilies(
                {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                 QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun"), base.family()});
            header = title = body = base;
        }
        header.setPointSizeF(HeaderPoints);
        title.setPointSizeF(TitlePoints);
        title.setBold(true);
        body.setPointSizeF(BodyPoints);
        bold = body;
        bold.setBold(true);
    }
};

// Lays the printout out on pages of the device: the page header, then each table under
// its title, rows that do not fit going to the next page under the table's header row
// again. Column widths follow the widest text; a table wider than the page is narrowed.
QVector<Page> LayOut(const Printout& p, QPagedPaintDevice& device, const QString& pageText)
{
    const Fonts fonts(HoldsHan(p));
    const int dpi = device.logicalDpiY();
    const QRectF area = device.pageLayout().paintRectPixels(dpi);
    const QFontMetricsF header(fonts.header, &device), title(fonts.title, &device),
        body(fonts.body, &device), bold(fonts.bold, &device);
    const qreal padding = dpi / 40.0; // about 0.6 mm
    const qreal headerLine = header.lineSpacing();
    const qreal top = 2 * headerLine + dpi / 8.0;
    const qreal rowHeight = body.lineSpacing() + 2 * padding;

    QVector<Page> pages(1);
    qreal y = top;
    const auto newPage = [&] {
        pages.append(Page());
        y = top;
    };

    for (const PrintTable& t : p.tables) {
        const int columns = int(t.headers.size());
        QVector<qreal> widths(columns, 0.0);
        for (int c = 0; c < columns; ++c) {
            // A header may wrap between its words; a cell keeps to one line.
            for (const QString& word : t.headers[c].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                widths[c] = std::max(widths[c], bold.horizontalAdvance(word));
            for (const QStringList& row : t.rows)
                widths[c] = std::max(widths[c], body.horizontalAdvance(row.value(c)));
            widths[c] += 2 * padding;
        }
        qreal total = 0;
        for (qreal w : std::as_const(widths))
            total += w;
        if (total > area.width())
            for (qreal& w : widths)
                w *= area.width() / total;
        qreal headerHeight = rowHeight;
        for (int c = 0; c < columns; ++c)
            headerHeight =
                std::max(headerHeight, bold.boundingRect(QRectF(0, 0, widths[c] - 2 * padding, 1e6),
                                                         Qt::TextWordWrap, t.headers[c])
                                               .height() +
                                           2 * padding);

        // The title stays with the first rows.
        const qreal lead = title.lineSpacing() * 1.6 + t.notes.size() * body.lineSpacing() +
                           (t.rows.isEmpty() ? 0 : headerHeight + rowHeight);
        if (y > top && y + lead > area.height()) newPage();
        y += title.lineSpacing() * 0.4;
        pages.last().append(
            {QRectF(0, y, area.width(), title.lineSpacing()), t.title, Role::Title});
        y += title.lineSpacing() * 1.2;
        for (const QString& note : t.notes) {
            pages.last().append({QRectF(0, y, area.width(), body.lineSpacing()), note, Role::Note});
            y += body.lineSpacing();
        }
        const auto placeRow = [&](const QStringList& cells, Role role) {
            const qreal height = role == Role::ColumnHeader ? headerHeight : rowHeight;
            qreal x = 0;
            for (int c = 0; c < columns; ++c) {
                pages.last().append({QRectF(x, y, widths[c], height), cells.value(c), role});
                x += widths[c];
            }
            y += height;
        };
        if (!t.rows.isEmpty()) placeRow(t.headers, Role::ColumnHeader);
        for (const QStringList& row : t.rows) {
            if (y + rowHeight > area.height()) {
                newPage();
                placeRow(t.headers, Role::ColumnHeader);
            }
            placeRow(row, Role::Cell);
        }
        y += rowHeight * 0.6;
    }

    const int count = int(pages.size());
    for (int i = 0; i < count; ++i) {
        const QRectF first(0, 0, area.width(), headerLine);
        pages[i].prepend(
            {QRectF(0, headerLine, area.width(), headerLine), p.writeTime, Role::PageHeader});
        pages[i].prepend({first, QString(pageText).arg(i + 1).arg(count), Role::PageHeaderRight});
        pages[i].prepend({first, p.model + QStringLiteral("   ") + p.source, Role::PageHeader});
    }
    return pages;
}

} // namespace

namespace {

// The labels that carry the printout's texts, by the field of PrintLabels they fill.
struct LabelField {
    const char* name;
    QString PrintLabels::*field;
};
constexpr LabelField LabelFields[] = {
    {"lMemoryChannels", &PrintLabels::memoryChannels},
    {"lNoChannels", &PrintLabels::noChannels},
    {"lFrequencyChannels", &PrintLabels::frequencyChannels},
    {"lFmChannels", &PrintLabels::fmChannels},
    {"lFmTuned", &PrintLabels::fmTuned},
    {"lNumber", &PrintLabels::number},
    {"lFrequency", &PrintLabels::frequency},
    {"lSettings", &PrintLabels::settings},
    {"lWindow", &PrintLabels::window},
    {"lSetting", &PrintLabels::setting},
    {"lValue", &PrintLabels::value},
    {"lRadioName", &PrintLabels::radioName},
    {"lWriteTime", &PrintLabels::writeTime},
};

} // namespace

TfPrintTexts::TfPrintTexts(const QString& languageName, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fPrint"));
    hide();
    const auto add = [this](const char* name, const QString& english) {
        auto* label = new QLabel(english, this);
        label->setObjectName(QLatin1String(name));
    };
    const PrintLabels english;
    for (const LabelField& f : LabelFields)
        add(f.name, english.*f.field);
    add("lPage", QStringLiteral("Page %1 of %2"));
    add("lReadFromRadio", QStringLiteral("Read from radio"));
    add("lNotSaved", QStringLiteral("New document, not saved"));
    TranslateForm(this, languageName, true);
}

QLabel* TfPrintTexts::text(const char* name) const
{
    return findChild<QLabel*>(QLatin1String(name));
}

PrintLabels TfPrintTexts::labels() const
{
    PrintLabels l;
    for (const LabelField& f : LabelFields)
        l.*f.field = text(f.name)->text();
    return l;
}

QString TfPrintTexts::pageText() const
{
    return text("lPage")->text();
}

QString TfPrintTexts::readFromRadio() const
{
    return text("lReadFromRadio")->text();
}

QString TfPrintTexts::notSaved() const
{
    return text("lNotSaved")->text();
}

QList<QStringList> PrintoutPageTexts(const Printout& printout, QPagedPaintDevice& device,
                                     const QString& pageText)
{
    QList<QStringList> texts;
    for (const Page& page : LayOut(printout, device, pageText)) {
        QStringList t;
        for (const Placed& placed : page)
            t << placed.text;
        texts << t;
    }
    return texts;
}

int PaintPrintout(const Printout& printout, QPagedPaintDevice& device, const QString& pageText)
{
    device.setPageOrientation(QPageLayout::Portrait);
    const QVector<Page> pages = LayOut(printout, device, pageText);
    const Fonts fonts(HoldsHan(printout));
    const qreal padding = device.logicalDpiY() / 40.0;
    const qreal rule = device.logicalDpiY() / 100.0;
    QPainter painter(&device);
    QPen grid(Qt::black);
    grid.setWidthF(rule / 2);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) device.newPage();
        qreal bottomOfHeader = 0;
        for (const Placed& p : pages[i]) {
            switch (p.role) {
            case Role::PageHeader:
            case Role::PageHeaderRight:
                painter.setFont(fonts.header);
                painter.drawText(
                    p.rect,
                    Qt::AlignVCenter |
                        (p.role == Role::PageHeaderRight ? Qt::AlignRight : Qt::AlignLeft),
                    p.text);
                bottomOfHeader = std::max(bottomOfHeader, p.rect.bottom());
                break;
            case Role::Title:
                painter.setFont(fonts.title);
                painter.drawText(p.rect, Qt::AlignLeft | Qt::AlignVCenter, p.text);
                break;
            case Role::Note:
                painter.setFont(fonts.body);
                painter.drawText(p.rect, Qt::AlignLeft | Qt::AlignVCenter, p.text);
                break;
            case Role::ColumnHeader:
            case Role::Cell: {
                const bool head = p.role == Role::ColumnHeader;
                if (head) painter.fillRect(p.rect, QColor(0xE8, 0xE8, 0xE8));
                painter.setPen(grid);
                painter.drawRect(p.rect);
                painter.setPen(Qt::black);
                painter.setFont(head ? fonts.bold : fonts.body);
                const QRectF inner = p.rect.adjusted(padding, 0, -padding, 0);
                if (head)
                    painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                     p.text);
                else
                    painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter,
                                     QFontMetricsF(painter.font(), &device)
                                         .elidedText(p.text, Qt::ElideRight, inner.width()));
                break;
            }
            }
        }
        QPen line(Qt::black);
        line.setWidthF(rule);
        painter.setPen(line);
        painter.drawLine(QPointF(0, bottomOfHeader + rule * 2),
                         QPointF(device.pageLayout().paintRectPixels(device.logicalDpiY()).width(),
                                 bottomOfHeader + rule * 2));
    }
    return int(pages.size());
}
