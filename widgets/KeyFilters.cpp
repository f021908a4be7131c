#include "KeyFilters.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool passes(KeySet set, QChar& c)
{
    const char16_t u = c.unicode();
    const bool digit = u >= '0' && u <= '9';
    const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    switch (set) {
    case KeySet::Frequency:
    case KeySet::Digits:
        if (u == ',') c = QLatin1Char('.');
        return digit || c == QLatin1Char('.');
    case KeySet::Tone:
        return digit || u == '.' || QStringLiteral("DINdin").contains(c);
    case KeySet::NameWithUnderscore:
        if (u == '_') return true;
        [[fallthrough]];
    case KeySet::Name:
        if (letter) {
            c = c.toUpper();
            return true;
        }
        return digit || QStringLiteral(" *+-/").contains(c);
    }
    return false;
}

class KeyFilter : public QObject {
  public:
    KeyFilter(QObject* parent, KeySet set) : QObject(parent), set(set) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        QString text = key->text();
        // Navigation and editing keys carry no printable text.
        if (text.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape ||
            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        if (!FilterTypedText(set, text)) return true;
        if (text == key->text()) return false;
        // Deliver the replaced character instead.
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), text,
                           key->isAutoRepeat(), ushort(key->count()));
        QApplication::sendEvent(watched, &replaced);
        return true;
    }

  private:
    KeySet set;
};

} // namespace

bool FilterTypedText(KeySet set, QString& text)
{
    for (QChar& c : text)
        if (!passes(set, c)) return false;
    return true;
}

void InstallKeyFilter(QWidget* edit, KeySet set)
{
    if (!edit) return;
    // Combo and spin boxes hand the keys they receive straight to their line edit,
    // past any filter on it, so both the box and its line edit are filtered.
    edit->installEventFilter(new KeyFilter(edit, set));
    QLineEdit* inner = nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(edit))
        inner = combo->lineEdit();
    else if (qobject_cast<QAbstractSpinBox*>(edit))
        inner = edit->findChild<QLineEdit*>();
    if (inner) inner->installEventFilter(new KeyFilter(inner, set));
}
