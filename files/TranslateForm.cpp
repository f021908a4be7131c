#include "TranslateForm.h"

#include "IniFile.h"
#include "LanguageFile.h"
#include "core/DataModule.h"
#include "widgets/Tag.h"
#include "widgets/TranslatableGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

namespace {

// Lookups in one window's section; only keys that are present change anything.
class FormTexts {
  public:
    FormTexts(const TIniFile& ini, const QString& section) : ini(ini), section(section) {}

    template <typename Apply>
    void set(const QString& name, const QString& suffix, Apply apply) const
    {
        if (const auto text = ini.find(section, name + u'.' + suffix)) apply(*text);
    }

  private:
    const TIniFile& ini;
    QString section;
};

void translateCombo(QComboBox* combo, const QString& name, const FormTexts& texts)
{
    const int selected = combo->currentIndex();
    const int count =
        Tag::of(combo) == Tag::FirstItemOnly ? qMin(1, combo->count()) : combo->count();
    for (int n = 0; n < count; ++n)
        texts.set(name, QString::number(n), [&](const QString& t) { combo->setItemText(n, t); });
    combo->setCurrentIndex(selected);
}

void translateObject(QObject* object, bool translateLists, const FormTexts& texts)
{
    const QString name = object->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) return;

    if (auto* grid = dynamic_cast<TranslatableGrid*>(object)) {
        if (Tag::of(object) == Tag::NeverTranslate) return;
        for (int c = 1; c < grid->headerColumnCount(); ++c)
            texts.set(name, QString::number(c),
                      [&](const QString& t) { grid->setHeaderText(c, t); });
        return;
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        texts.set(name, QStringLiteral("Caption"), [&](const QString& t) { action->setText(t); });
        texts.set(name, QStringLiteral("Hint"), [&](const QString& t) {
            action->setToolTip(t);
            action->setStatusTip(t);
        });
        return;
    }
    if (auto* tool = qobject_cast<QToolButton*>(object)) {
        texts.set(name, QStringLiteral("Caption"), [&](const QString& t) { tool->setText(t); });
        texts.set(name, QStringLiteral("Hint"), [&](const QString& t) {
            tool->setToolTip(t);
            tool->setStatusTip(t);
        });
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        texts.set(name, QStringLiteral("Caption"), [&](const QString& t) { button->setText(t); });
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        texts.set(name, QStringLiteral("Caption"), [&](const QString& t) { label->setText(t); });
        return;
    }
    if (auto* group = qobject_cast<QGroupBox*>(object)) {
        texts.set(name, QStringLiteral("Caption"), [&](const QString& t) { group->setTitle(t); });
        return;
    }
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        texts.set(name, QStringLiteral("Caption"), [&](const QString& t) { menu->setTitle(t); });
        return;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        // A tab page's caption belongs to the page but is shown by its tab.
        for (int i = 0; i < tabs->count(); ++i) {
            const QString page = tabs->widget(i)->objectName();
            if (page.isEmpty()) continue;
            texts.set(page, QStringLiteral("Caption"),
                      [&](const QString& t) { tabs->setTabText(i, t); });
        }
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (translateLists && Tag::of(combo) != Tag::NeverTranslate)
            translateCombo(combo, name, texts);
        return;
    }
    if (auto* list = qobject_cast<QListWidget*>(object)) {
        if (Tag::of(list) == Tag::NeverTranslate) return;
        for (int n = 0; n < list->count(); ++n)
            texts.set(name, QString::number(n),
                      [&](const QString& t) { list->item(n)->setText(t); });
        return;
    }
}

} // namespace

void TranslateFormFromFile(QWidget* window, const QString& languageFilePath, bool translateLists)
{
    if (!window) return;
    const TIniFile ini(languageFilePath);
    if (!ini.existed()) return;
    const QString formName = window->objectName();
    if (formName.isEmpty()) return;
    const FormTexts texts(ini, formName);
    texts.set(formName, QStringLiteral("Caption"),
              [&](const QString& t) { window->setWindowTitle(t); });
    const QList<QObject*> children = window->findChildren<QObject*>();
    for (QObject* child : children)
        translateObject(child, translateLists, texts);
}

void TranslateForm(QWidget* window, const QString& languageName, bool translateLists)
{
    TranslateFormFromFile(window, LanguageFilePath(appState().appFolder, languageName),
                          translateLists);
}
