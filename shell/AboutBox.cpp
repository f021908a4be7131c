#include "AboutBox.h"

#include "Artwork.h"
#include "core/DataModule.h"
#include "files/TranslateForm.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}
} // namespace

TfFrmAbout::TfFrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fFrmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(408, 269);

    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans")});
    font.setPixelSize(13);
    setFont(font);

    ImApp = new QLabel(this);
    ImApp->setObjectName(QStringLiteral("ImApp"));
    ImApp->setGeometry(16, 16, 32, 32);
    ImApp->setAlignment(Qt::AlignCenter);
    ImApp->setAttribute(Qt::WA_NoMousePropagation); // a click on the icon keeps the box

    // Six lines to the right of the icon, top to bottom in this order.
    const char* const names[] = {"Label1", "Label2", "Label3", "Label8", "Label4", "Label9"};
    const char* const texts[] = {"1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < 6; ++i) {
        QLabel* line = makeLabel(this, names[i], texts[i]);
        line->setGeometry(64, 14 + 20 * i, 336, 18);
        line->installEventFilter(this);
        lines << line;
    }

    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->hide();
    Label5 = makeLabel(Panel1, "Label5", "7");
    Label6 = makeLabel(Panel1, "Label6", "8");
    Label7 = makeLabel(Panel1, "Label7", "9");

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(5, 138, 398, 125);
    Memo1->setAttribute(Qt::WA_NoMousePropagation);
}

void TfFrmAbout::FormShow()
{
    ImApp->setPixmap(ApplicationIcon().pixmap(32, 32));
    TranslateForm(this, appState().languageName, false);
    setWindowTitle(appState().titleText);
    Memo1->clear();
    Memo1->appendPlainText(Label5->text());
    Memo1->appendPlainText(Label6->text());
    Memo1->appendPlainText(QString());
    Memo1->appendPlainText(Label7->text());
    Memo1->moveCursor(QTextCursor::Start);
}

void TfFrmAbout::showEvent(QShowEvent* event)
{
    if (!shownOnce) {
        shownOnce = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfFrmAbout::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    accept();
}

bool TfFrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && lines.contains(watched)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
