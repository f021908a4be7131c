#include "widgets/KeyFilters.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QtTest>

class TestKeyFilters : public QObject {
    Q_OBJECT

  private slots:
    void rules_data();
    void rules();
    void typingIntoEdits();
};

void TestKeyFilters::rules_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QString>("result");
    QTest::newRow("frequency digit") << int(KeySet::Frequency) << "7" << true << "7";
    QTest::newRow("frequency comma") << int(KeySet::Frequency) << "," << true << ".";
    QTest::newRow("frequency letter") << int(KeySet::Frequency) << "e" << false << "e";
    QTest::newRow("frequency minus") << int(KeySet::Frequency) << "-" << false << "-";
    QTest::newRow("tone D") << int(KeySet::Tone) << "d" << true << "d";
    QTest::newRow("tone X") << int(KeySet::Tone) << "X" << false << "X";
    QTest::newRow("tone comma") << int(KeySet::Tone) << "," << false << ",";
    QTest::newRow("name letter") << int(KeySet::Name) << "q" << true << "Q";
    QTest::newRow("name symbols") << int(KeySet::Name) << "*" << true << "*";
    QTest::newRow("name underscore") << int(KeySet::Name) << "_" << false << "_";
    QTest::newRow("grid name underscore") << int(KeySet::NameWithUnderscore) << "_" << true << "_";
    QTest::newRow("name dot") << int(KeySet::Name) << "." << false << ".";
    QTest::newRow("name hash") << int(KeySet::Name) << "#" << false << "#";
    QTest::newRow("name accented")
        << int(KeySet::Name) << QString(QChar(0xE9)) << false << QString(QChar(0xE9));
}

void TestKeyFilters::rules()
{
    QFETCH(int, set);
    QFETCH(QString, typed);
    QString text = typed;
    QTEST(FilterTypedText(KeySet(set), text), "passes");
    QTEST(text, "result");
}

void TestKeyFilters::typingIntoEdits()
{
    QLineEdit freq;
    InstallKeyFilter(&freq, KeySet::Frequency);
    QTest::keyClicks(&freq, "145,5x0");
    QCOMPARE(freq.text(), QStringLiteral("145.50"));
    QTest::keyClick(&freq, Qt::Key_Backspace);
    QCOMPARE(freq.text(), QStringLiteral("145.5"));

    QLineEdit name;
    InstallKeyFilter(&name, KeySet::Name);
    QTest::keyClicks(&name, "ab-1_.");
    QCOMPARE(name.text(), QStringLiteral("AB-1"));

    QComboBox tone;
    tone.setEditable(true);
    InstallKeyFilter(&tone, KeySet::Tone);
    QTest::keyClicks(tone.lineEdit(), "d23q");
    QCOMPARE(tone.currentText(), QStringLiteral("d23"));
    // Keys typed while the box itself has the focus reach its line edit past the edit's
    // own filters.
    QTest::keyClicks(&tone, "x7,");
    QCOMPARE(tone.currentText(), QStringLiteral("d237"));

    QDoubleSpinBox spin;
    spin.setDecimals(5);
    spin.setRange(0, 999);
    QLineEdit* spinText = spin.findChild<QLineEdit*>();
    spinText->clear();
    InstallKeyFilter(&spin, KeySet::Frequency);
    QTest::keyClicks(&spin, "1a4");
    QCOMPARE(spinText->text(), QStringLiteral("14"));
}

QTEST_MAIN(TestKeyFilters)
#include "tst_keyfilters.moc"
