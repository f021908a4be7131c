#include "Artwork.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The resources sit in a static library; naming them keeps the linker from dropping them.
static void initShellResources()
{
    Q_INIT_RESOURCE(shell);
}

namespace {

void ensureResources()
{
    static const bool done = (initShellResources(), true);
    Q_UNUSED(done);
}

const char* const imageFiles[ImageIndex::Count] = {
    "00-new",  "01-open", "02-print",    "03-save",  "04-saveas", "05-write",
    "06-help", "07-read", "08-chedit",   "09-batch", "10-node",   "11-node-selected",
    "12-info", "13-fm",   "14-language", "15-com",
};

} // namespace

QIcon ToolImage(int index)
{
    if (index < 0 || index >= ImageIndex::Count) return QIcon();
    ensureResources();
    return QIcon(QStringLiteral(":/shell/images/%1.svg").arg(QLatin1String(imageFiles[index])));
}

QIcon UndoImage()
{
    ensureResources();
    return QIcon(QStringLiteral(":/shell/images/undo.svg"));
}

QIcon RedoImage()
{
    ensureResources();
    return QIcon(QStringLiteral(":/shell/images/redo.svg"));
}

QIcon ApplicationIcon()
{
    ensureResources();
    return QIcon(QStringLiteral(":/shell/app-icon.svg"));
}

QPixmap BackgroundPicture()
{
    ensureResources();
    QImage tile(200, 150, QImage::Format_RGB888);
    tile.fill(Qt::darkGray);
    QSvgRenderer renderer(QStringLiteral(":/shell/pic.svg"));
    QPainter painter(&tile);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(tile);
}
