#include "editors/channels/ToneOption.h"

#include "tests/support/Elision.h"
#include "tests/support/ScriptedModal.h"
#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QtTest>

namespace {

QPoint cellCentre(CellGrid* grid, int col, int row)
{
    return grid->visualRect(grid->cellModel()->indexOfCell(col, row)).center();
}

} // namespace

class TestToneOption : public QObject {
    Q_OBJECT

  private slots:
    void picking_data();
    void picking();
    void closingPicksNothing();
    void chartsLookAsDesigned();
    void enterPicksTheCurrentTone();
    void centredOnTheMainWindowWithEveryCodeReadable();
};

void TestToneOption::picking_data()
{
    QTest::addColumn<int>("chart"); // tag of the radio button
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("picked");
    QTest::newRow("206.5, not in the grid's list") << 0 << 11 << 7 << true << "206.5";
    QTest::newRow("first tone") << 0 << 2 << 1 << true << "67.0";
    QTest::newRow("last tone") << 0 << 14 << 6 << true << "254.1";
    QTest::newRow("D023 inverted") << 2 << 2 << 1 << true << "D023I";
    QTest::newRow("D754 normal") << 1 << 16 << 8 << true << "D754N";
    QTest::newRow("D525, only in the chart") << 1 << 12 << 9 << true << "D525N";
    QTest::newRow("ctcss index column") << 0 << 1 << 1 << false << "";
    QTest::newRow("ctcss code column") << 0 << 3 << 1 << false << "";
    QTest::newRow("dcs index column") << 2 << 3 << 4 << false << "";
    QTest::newRow("empty ctcss cell") << 0 << 14 << 9 << true << "";
    QTest::newRow("empty dcs cell") << 1 << 16 << 11 << true << "";
}

void TestToneOption::picking()
{
    QFETCH(int, chart);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, closes);

    ScriptedModal modal;
    bool stayedOpen = false;
    bool chartShown = false;
    modal.dialogs << [&](QDialog& d) {
        auto& dialog = static_cast<TfToneOption&>(d);
        dialog.show();
        QRadioButton* buttons[] = {dialog.rCTCSS, dialog.rDCSN, dialog.rDCSI};
        CellGrid* charts[] = {dialog.gvCtcss, dialog.gvDcsN, dialog.gvDcsI};
        QTest::mouseClick(buttons[chart], Qt::LeftButton);
        CellGrid* grid = charts[chart];
        chartShown = grid->isVisible();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, col, row));
        stayedOpen = dialog.isVisible();
        const int code = dialog.result();
        dialog.hide();
        return code;
    };
    const QString picked = ShowToneOption(nullptr);
    QVERIFY(modal.unexpected.isEmpty());
    QCOMPARE(modal.dialogNames, QStringList{QStringLiteral("fToneOption")});
    QVERIFY(chartShown);
    QCOMPARE(stayedOpen, !closes);
    QTEST(picked, "picked");
}

void TestToneOption::closingPicksNothing()
{
    ScriptedModal modal;
    modal.dialogs << [](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    };
    QCOMPARE(ShowToneOption(nullptr), QString());
}

void TestToneOption::chartsLookAsDesigned()
{
    TfToneOption dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Channel Tone Option"));
    QVERIFY(dialog.gvCtcss->isVisible());
    QVERIFY(!dialog.gvDcsN->isVisible() && !dialog.gvDcsI->isVisible());
    QCOMPARE(dialog.gbList->title(), QStringLiteral("CTCSS"));

    CellGrid* ctcss = dialog.gvCtcss;
    QCOMPARE(ctcss->colCount(), 16);
    QCOMPARE(ctcss->rowCount(), 10);
    QCOMPARE(ctcss->cellText(1, 1), QStringLiteral("01"));
    QCOMPARE(ctcss->cellText(3, 1), QStringLiteral("XZ"));
    QCOMPARE(ctcss->cellText(13, 6), QStringLiteral("2A"));
    QCOMPARE(ctcss->color(1, 5), QColor(249, 141, 227));
    QCOMPARE(ctcss->color(3, 5), QColor(225, 249, 112));
    QCOMPARE(ctcss->color(2, 5), QColor(Qt::white));
    QVERIFY(ctcss->isBold(2, 5) && !ctcss->isBold(1, 5));
    QCOMPARE(ctcss->cellValue(5, 1), QStringLiteral("1"));
    QCOMPARE(ctcss->cellValue(4, 1), QString());
    QVERIFY(ctcss->colWidth(4) >= 32); // the designed width is the least
    QVERIFY(ctcss->colWidth(5) >= 47); // the designed width is the least
    QCOMPARE(ctcss->rowHeight(3), 24);
    QVERIFY(ctcss->isReadOnly(5, 5));
    QCOMPARE(ctcss->alignment(5, 5) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QTest::mouseClick(dialog.rDCSN, Qt::LeftButton);
    QCOMPARE(dialog.gbList->title(), QStringLiteral("DCS-N"));
    QVERIFY(dialog.gvDcsN->isVisible() && !dialog.gvCtcss->isVisible());
    CellGrid* dcs = dialog.gvDcsN;
    QCOMPARE(dcs->colCount(), 17);
    QCOMPARE(dcs->cellText(1, 1), QStringLiteral("1"));
    QCOMPARE(dcs->cellText(2, 1), QStringLiteral("D023N"));
    QCOMPARE(dcs->cellText(15, 8), QStringLiteral("85"));
    QCOMPARE(dcs->color(1, 2), QColor(47, 231, 220));
    QVERIFY(dcs->colWidth(1) >= 23); // the designed width is the least
    QVERIFY(dcs->colWidth(2) >= 46); // the designed width is the least
    QCOMPARE(dialog.gvDcsI->cellText(2, 1), QStringLiteral("D023I"));
}

void TestToneOption::enterPicksTheCurrentTone()
{
    TfToneOption dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.gvCtcss->setFocus();
    dialog.gvCtcss->setCurrentCell(2, 1);
    QTest::keyClick(dialog.gvCtcss, Qt::Key_Down);
    QTest::keyClick(dialog.gvCtcss, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.pickedTone(), QStringLiteral("69.3"));
}

// The dialog opens centred on the main window with its final size, wholly below the
// main window's top edge, and every index, tone and code shows whole.
void TestToneOption::centredOnTheMainWindowWithEveryCodeReadable()
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 1000, 700);
    mainWindow.show();
    QWidget child(&mainWindow); // the tone selector's window asks for the dialog
    child.setGeometry(10, 10, 100, 30);
    ScriptedModal modal;
    QRect shownAt;
    QStringList cut;
    modal.dialogs << [&](QDialog& d) {
        auto& dialog = static_cast<TfToneOption&>(d);
        dialog.show();
        shownAt = dialog.frameGeometry();
        for (QRadioButton* chart : {dialog.rCTCSS, dialog.rDCSN, dialog.rDCSI}) {
            QTest::mouseClick(chart, Qt::LeftButton);
            for (CellGrid* grid : {dialog.gvCtcss, dialog.gvDcsN, dialog.gvDcsI})
                if (grid->isVisible()) cut << Elision::cutCells(grid);
        }
        return int(QDialog::Rejected);
    };
    ShowToneOption(&child);
    QCOMPARE(modal.dialogNames, QStringList{QStringLiteral("fToneOption")});
    const QPoint offset = shownAt.center() - mainWindow.geometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    QVERIFY(shownAt.top() >= mainWindow.geometry().top());
    QCOMPARE(cut, QStringList());
}

QTEST_MAIN(TestToneOption)
#include "tst_toneoption.moc"
