#include "PrintPages.h"

#include "files/TranslateForm.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace {

// Body text size of the pages, in points; the header is a little larger.
constexpr qreal BodyPoints = 8.0;
constexpr qreal HeaderPoints = 9.0;

QString escaped(const QString& s)
{
    return s.toHtmlEscaped();
}

QString tableHtml(const PrintTable& t)
{
    QString html = QStringLiteral("<h3>") + escaped(t.title) + QStringLiteral("</h3>");
    for (const QString& note : t.notes)
        html += QStringLiteral("<p>") + escaped(note) + QStringLiteral("</p>");
    if (t.rows.isEmpty()) return html;
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                           "width=\"100%\" style=\"border-collapse: collapse;\"><thead><tr>");
    for (const QString& h : t.headers)
        html += QStringLiteral("<th bgcolor=\"#e8e8e8\">") + escaped(h) + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead><tbody>");
    for (const QStringList& row : t.rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td>") + escaped(cell) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table>");
}

} // namespace

TfPrintTexts::TfPrintTexts(const QString& languageName, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fPrint"));
    hide();
    const PrintLabels english;
    const auto add = [this](const char* name, const QString& english) {
        auto* label = new QLabel(english, this);
        label->setObjectName(QLatin1String(name));
    };
    add("lMemoryChannels", english.memoryChannels);
    add("lNoChannels", english.noChannels);
    add("lFrequencyChannels", english.frequencyChannels);
    add("lFmChannels", english.fmChannels);
    add("lFmTuned", english.fmTuned);
    add("lNumber", english.number);
    add("lFrequency", english.frequency);
    add("lSettings", english.settings);
    add("lWindow", english.window);
    add("lSetting", english.setting);
    add("lValue", english.value);
    add("lRadioName", english.radioName);
    add("lWriteTime", english.writeTime);
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
    l.memoryChannels = text("lMemoryChannels")->text();
    l.noChannels = text("lNoChannels")->text();
    l.frequencyChannels = text("lFrequencyChannels")->text();
    l.fmChannels = text("lFmChannels")->text();
    l.fmTuned = text("lFmTuned")->text();
    l.number = text("lNumber")->text();
    l.frequency = text("lFrequency")->text();
    l.settings = text("lSettings")->text();
    l.window = text("lWindow")->text();
    l.setting = text("lSetting")->text();
    l.value = text("lValue")->text();
    l.radioName = text("lRadioName")->text();
    l.writeTime = text("lWriteTime")->text();
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

std::unique_ptr<QTextDocument> PrintoutDocument(const Printout& printout)
{
    auto doc = std::make_unique<QTextDocument>();
    QFont font;
    font.setPointSizeF(BodyPoints);
    doc->setDefaultFont(font);
    doc->setDocumentMargin(0);
    QString html = QStringLiteral("<html><body>");
    for (const PrintTable& t : printout.tables)
        html += tableHtml(t);
    doc->setHtml(html + QStringLiteral("</body></html>"));
    return doc;
}

int PaintPrintout(const Printout& printout, QPagedPaintDevice& device, const QString& pageText)
{
    device.setPageOrientation(QPageLayout::Portrait);
    const int dpi = device.logicalDpiY();
    const QRectF page = device.pageLayout().paintRectPixels(dpi);

    QFont headerFont;
    headerFont.setPointSizeF(HeaderPoints);
    const qreal line = QFontMetricsF(headerFont, &device).lineSpacing();
    const qreal headerHeight = 2 * line + dpi / 10.0; // two lines and a little space
    const qreal bodyHeight = page.height() - headerHeight;

    std::unique_ptr<QTextDocument> doc = PrintoutDocument(printout);
    doc->documentLayout()->setPaintDevice(&device);
    doc->setPageSize(QSizeF(page.width(), bodyHeight));
    const int pages = doc->pageCount();

    QPainter painter(&device);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.setFont(headerFont);
        painter.setPen(Qt::black);
        const QRectF first(0, 0, page.width(), line);
        painter.drawText(first, Qt::AlignLeft | Qt::AlignVCenter,
                         printout.model + QStringLiteral("   ") + printout.source);
        painter.drawText(first, Qt::AlignRight | Qt::AlignVCenter,
                         QString(pageText).arg(i + 1).arg(pages));
        painter.drawText(QRectF(0, line, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         printout.writeTime);
        painter.drawLine(QPointF(0, 2 * line + dpi / 40.0),
                         QPointF(page.width(), 2 * line + dpi / 40.0));

        painter.save();
        painter.translate(0, headerHeight - i * bodyHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * bodyHeight, page.width(), bodyHeight);
        painter.setClipRect(context.clip);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return pages;
}
