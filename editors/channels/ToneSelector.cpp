#include "ToneSelector.h"

#include "core/ToneCodec.h"
#include "widgets/KeyFilters.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

ToneSelector::ToneSelector(QWidget* parent) : QComboBox(parent)
{
    setup();
}

ToneSelector::ToneSelector(const QStringList& tones, QWidget* parent) : QComboBox(parent)
{
    setup();
    setTones(tones);
}

void ToneSelector::setup()
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    // Completion would turn a typed "D0" into the first matching list entry.
    setCompleter(nullptr);
    InstallKeyFilter(this, KeySet::Tone);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int) { commit(); });
}

void ToneSelector::setTones(const QStringList& tones)
{
    const QSignalBlocker block(this);
    clear();
    addItems(tones);
    setCurrentIndex(tones.isEmpty() ? -1 : 0);
    shownText = currentText();
}

void ToneSelector::showTone(const QString& tone)
{
    const QSignalBlocker block(this);
    if (tone.isEmpty()) {
        setCurrentIndex(count() > 0 ? 0 : -1);
    } else {
        const int i = findText(tone);
        if (i >= 0) setCurrentIndex(i);
        setEditText(tone);
    }
    shownText = currentText();
}

void ToneSelector::normalise()
{
    const QString text = currentText().trimmed();
    const QSignalBlocker block(this);
    if (text.isEmpty() || (count() > 0 && text == itemText(0))) {
        setCurrentIndex(count() > 0 ? 0 : -1);
        setEditText(count() > 0 ? itemText(0) : QString());
        return;
    }
    const QString tone = NormaliseToneText(text);
    const int i = findText(tone);
    if (i >= 0) setCurrentIndex(i);
    setEditText(tone);
}

QString ToneSelector::storedTone() const
{
    const QString text = currentText().trimmed();
    if (text.isEmpty() || (count() > 0 && text == itemText(0))) return QString();
    return text;
}

void ToneSelector::pickTone(const QString& tone)
{
    if (tone.isEmpty()) return;
    setEditText(tone);
    commit();
}

void ToneSelector::commit()
{
    normalise();
    if (currentText() == shownText) return;
    shownText = currentText();
    emit toneCommitted();
}

void ToneSelector::revert()
{
    const QSignalBlocker block(this);
    const int i = findText(shownText);
    if (i >= 0) setCurrentIndex(i);
    setEditText(shownText);
}

bool ToneSelector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit()) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (!acceptKey(static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonDblClick:
            emit doubleClicked();
            return true;
        default:
            break;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

// Typed keys reach the combo box itself, which hands them to its line edit
// directly, so the tone filter and Enter are applied here as well.
bool ToneSelector::acceptKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        commit();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return true;
    QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return true;
    return FilterTypedText(KeySet::Tone, text);
}

void ToneSelector::keyPressEvent(QKeyEvent* event)
{
    if (!acceptKey(event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ToneSelector::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // The drop-down list taking the focus is not leaving the selector.
    if (event->reason() != Qt::PopupFocusReason && !view()->isVisible()) commit();
}

void ToneSelector::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked();
    QComboBox::mouseDoubleClickEvent(event);
}
