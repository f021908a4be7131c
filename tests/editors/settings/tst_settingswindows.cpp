#include "FragmentCheck.h"
#include "SettingsFixture.h"

#include "editors/settings/FmRadio.h"
#include "editors/settings/KeyFunctions.h"
#include "editors/settings/ModelInformation.h"
#include "editors/settings/OptionalFunctions.h"
#include "editors/settings/RadioInformation.h"
#include "editors/settings/ScanFunctions.h"
#include "editors/settings/VoxFunctions.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

// What every setting window shares: the single-instance reference, the place inside
// the main window, closing, and complete language fragments.
class TestSettingsWindows : public QObject {
    Q_OBJECT

  private slots:
    void lifecycle_data();
    void lifecycle();
    void languageFragments_data();
    void languageFragments();
};

namespace {

struct Kind {
    std::function<QWidget*()> create;
    std::function<QWidget*()> instance;
};

Kind kind(const QString& form)
{
    if (form == QLatin1String("fOptFun"))
        return {[] { return new TfOptFun; }, [] { return fOptFun; }};
    if (form == QLatin1String("fVoxFun"))
        return {[] { return new TfVoxFun; }, [] { return fVoxFun; }};
    if (form == QLatin1String("fScanFun"))
        return {[] { return new TfScanFun; }, [] { return fScanFun; }};
    if (form == QLatin1String("fKeyFun"))
        return {[] { return new TfKeyFun; }, [] { return fKeyFun; }};
    if (form == QLatin1String("fFmFun")) return {[] { return new TfFmFun; }, [] { return fFmFun; }};
    if (form == QLatin1String("fInfoMsg"))
        return {[] { return new TfInfoMsg; }, [] { return fInfoMsg; }};
    return {[] { return new TfModel; }, [] { return nullptr; }};
}

void addForms(bool withDialog)
{
    QTest::addColumn<QString>("form");
    for (const char* f : {"fOptFun", "fVoxFun", "fScanFun", "fKeyFun", "fFmFun", "fInfoMsg"})
        QTest::newRow(f) << QString::fromLatin1(f);
    if (withDialog) QTest::newRow("fModel") << QStringLiteral("fModel");
}

} // namespace

void TestSettingsWindows::lifecycle_data()
{
    addForms(false);
}

void TestSettingsWindows::lifecycle()
{
    QFETCH(QString, form);
    SettingsDocument doc;
    const Kind k = kind(form);
    QMdiArea area;
    area.resize(800, 600);
    area.show();

    QPointer<QWidget> window = k.create();
    QCOMPARE(window->objectName(), form);
    QCOMPARE(k.instance(), window.data());
    QMdiSubWindow* sub = area.addSubWindow(window);
    sub->show();
    QCOMPARE(sub->pos(), QPoint(20, 20));
    QVERIFY(!sub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    control<QPushButton>(*window, "btnCancel")->click();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(k.instance(), nullptr);
}

void TestSettingsWindows::languageFragments_data()
{
    addForms(true);
}

void TestSettingsWindows::languageFragments()
{
    QFETCH(QString, form);
    SettingsDocument doc;
    std::unique_ptr<QWidget> window(kind(form).create());
    QCOMPARE(FragmentCheck::problems(window.get()), QStringList());
}

QTEST_MAIN(TestSettingsWindows)
#include "tst_settingswindows.moc"
