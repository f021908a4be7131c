#include "FragmentCheck.h"
#include "SettingsFixture.h"
#include "SettingsWindows.h"

#include "core/SettingsCatalog.h"
#include "widgets/Tag.h"

#include <QListWidget>
#include <QtTest>
#include <memory>

// The settings catalog against the windows it describes: each window lists the
// catalog's items, translates them as the catalog says, shows the catalog's item for
// the stored value, and stores each item where the catalog reads it back.
class TestSettingsCatalogWindows : public QObject {
    Q_OBJECT

  private slots:
    void windowListsTheCatalog_data() { addEntries(); }
    void windowListsTheCatalog();
    void translatedAsTheCatalogSays_data() { addEntries(); }
    void translatedAsTheCatalogSays();

  private:
    static void addEntries();
};

namespace {

SettingDescription described(const QString& form, const QString& control)
{
    return FindSetting(appState(), form, control).value_or(SettingDescription{});
}

QStringList itemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

int tagOf(SettingDescription::Translation t)
{
    switch (t) {
    case SettingDescription::FirstItemOnly:
        return Tag::FirstItemOnly;
    case SettingDescription::NeverTranslate:
        return Tag::NeverTranslate;
    case SettingDescription::AllItems:
        break;
    }
    return 0;
}

int translatedCount(const SettingDescription& d)
{
    switch (d.translation) {
    case SettingDescription::FirstItemOnly:
        return 1;
    case SettingDescription::NeverTranslate:
        return 0;
    case SettingDescription::AllItems:
        break;
    }
    return int(d.items.size());
}

} // namespace

void TestSettingsCatalogWindows::addEntries()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    SettingsDocument doc;
    for (const SettingDescription& d : SettingsCatalog(appState()))
        QTest::addRow("%s %s", qPrintable(d.form), qPrintable(d.control)) << d.form << d.control;
}

void TestSettingsCatalogWindows::windowListsTheCatalog()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    SettingsDocument doc;
    // A value that names no item of a plain list (scan speed 9) is shown as none.
    if (name == QLatin1String("cxScanRate")) WriteField(appState(), Setting::ScanSpeed, 9);
    const SettingDescription d = described(form, name);
    QCOMPARE(d.control, name);

    std::unique_ptr<QWidget> window = makeSettingsWindow(form);
    window->show();
    auto* list = control(*window, qPrintable(name));
    QVERIFY(list);
    QCOMPARE(itemsOf(list), d.items);
    QCOMPARE(Tag::of(list), tagOf(d.translation));
    QCOMPARE(list->isVisibleTo(window.get()), d.shown);
    if (d.translationSource != d.control) {
        auto* source = window->findChild<QListWidget*>(d.translationSource);
        QVERIFY(source);
        QStringList names;
        for (int i = 0; i < source->count(); ++i)
            names << source->item(i)->text();
        QCOMPARE(names, d.items);
    }

    QCOMPARE(list->currentIndex(), SettingItemIndex(appState(), d));
    // Each item the user picks is stored where the catalog reads it, as the value
    // that shows that item again.
    for (int i = d.items.size() - 1; i >= 0; --i) {
        list->setCurrentIndex(i);
        QCOMPARE(SettingItemIndex(appState(), d), i);
    }
}

void TestSettingsCatalogWindows::translatedAsTheCatalogSays()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    SettingsDocument doc;
    const SettingDescription d = described(form, name);
    const auto chinese = FragmentCheck::fragment("Chinese", form);
    const auto english = FragmentCheck::fragment("English", form);
    QVERIFY(!chinese.isEmpty());

    // The shipped fragments translate exactly the items the catalog calls translated,
    // under the keys of its translation source.
    const int translated = translatedCount(d);
    for (int i = 0; i < d.items.size(); ++i) {
        const QString key = d.translationSource + u'.' + QString::number(i);
        QVERIFY2(chinese.contains(key) == (i < translated), qPrintable(key));
        if (english.contains(key)) QCOMPARE(english.value(key), d.items[i]);
    }

    // The window in Chinese shows those translations and the other items as they are.
    QFile file(LanguageFragments::path("Chinese", form));
    QVERIFY(file.open(QIODevice::ReadOnly));
    doc.useLanguage(file.readAll());
    std::unique_ptr<QWidget> window = makeSettingsWindow(form);
    window->show();
    auto* list = control(*window, qPrintable(name));
    QVERIFY(list);
    QCOMPARE(list->count(), d.items.size());
    for (int i = 0; i < d.items.size(); ++i) {
        const QString key = d.translationSource + u'.' + QString::number(i);
        QCOMPARE(list->itemText(i), i < translated ? chinese.value(key) : d.items[i]);
    }
    // What the window shows for the stored value is the catalog's item, translated.
    QCOMPARE(list->currentIndex(), SettingItemIndex(appState(), d));
}

QTEST_MAIN(TestSettingsCatalogWindows)
#include "tst_settingscatalogwindows.moc"
