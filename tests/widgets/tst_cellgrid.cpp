#include "widgets/grid/CellGrid.h"
#include "widgets/grid/CellGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

// A grid shaped like the channel grid: hidden title row and column, a fixed
// header row and number column, then data cells.
struct Fixture {
    QWidget window;
    CellGrid* grid;

    explicit Fixture(int cols = 6, int rows = 8)
    {
        grid = new CellGrid(&window);
        grid->setGeometry(10, 30, 400, 300);
        grid->setColCount(cols);
        grid->setRowCount(rows);
        grid->setFixedCols(1);
        grid->setFixedRows(1);
        for (int r = 2; r < rows; ++r)
            grid->setCellText(1, r, QString::number(r - 1));
        grid->setReadOnly(grid->allCells(), true);
        grid->setReadOnly(grid->columnCells(2), false);
        grid->setReadOnly(grid->rowCells(1), true);
        window.resize(420, 340);
    }

    void show()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
    }

    QPoint centre(int col, int row) const
    {
        return grid->visualRect(grid->cellModel()->indexOfCell(col, row)).center();
    }
};

class TestCellGrid : public QObject {
    Q_OBJECT

  private slots:
    void modelKeepsTheViewContract();
    void fixedRowAndColumnAreHeaders();
    void attributesOverRanges();
    void resizingKeepsCellsAndWidths();
    void typingStartsAnEdit_data();
    void typingStartsAnEdit();
    void keyHookFiltersAndReplaces();
    void escapeCancels();
    void keysTheEditorLeavesGoToTheWindow();
    void commitHandlerMayChangeText();
    void commitRunsOnceWhenTheHandlerTakesTheFocus();
    void tabAndArrowsCommitAndMove();
    void selectCellComesBeforeTheMove();
    void mouseEvents();
    void cellRectIsInWindowCoordinates();
    void suspendedChangesAreAnnouncedOnce();
};

void TestCellGrid::modelKeepsTheViewContract()
{
    CellGrid grid;
    QAbstractItemModelTester tester(grid.cellModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.setColCount(14);
    grid.setRowCount(130);
    grid.setFixedCols(1);
    grid.setFixedRows(1);
    grid.setCellText(5, 9, QStringLiteral("x"));
    grid.setColor(grid.rowCells(17), Qt::yellow);
    grid.setRowCount(10);
    grid.setFixedRows(0);
    grid.setColCount(0);
}

void TestCellGrid::fixedRowAndColumnAreHeaders()
{
    Fixture f;
    CellGridModel* model = f.grid->cellModel();
    // Title row and column 0 and the fixed row and column are no items.
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(model->columnCount(), 4);
    f.grid->setCellText(3, 1, QStringLiteral("RX\nFrequency"));
    f.grid->setAlignment(f.grid->rowCells(1), Qt::AlignHCenter);
    f.grid->setCellText(3, 4, QStringLiteral("145.00000"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("RX\nFrequency"));
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignHCenter | Qt::AlignVCenter));
    QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(model->headerData(5, Qt::Vertical).toString(), QStringLiteral("6"));
    QCOMPARE(model->data(model->indexOfCell(3, 4)).toString(), QStringLiteral("145.00000"));
    QCOMPARE(f.grid->headerText(3), QStringLiteral("RX\nFrequency"));
    f.grid->setHeaderText(4, QStringLiteral("Name"));
    QCOMPARE(f.grid->cellText(4, 1), QStringLiteral("Name"));

    f.grid->setColWidth(1, 60);
    f.grid->setColWidth(3, 80);
    f.grid->setRowHeight(1, 35);
    QCOMPARE(f.grid->verticalHeader()->width(), 60);
    QCOMPARE(f.grid->horizontalHeader()->sectionSize(1), 80);
    QCOMPARE(f.grid->horizontalHeader()->height(), 35);
    QCOMPARE(f.grid->rowHeight(4), 20);

    CellGrid plain; // no fixed row or column: row 1 and column 1 are cells
    plain.setColCount(4);
    plain.setRowCount(3);
    QCOMPARE(plain.cellModel()->rowCount(), 2);
    QCOMPARE(plain.cellModel()->columnCount(), 3);
    QVERIFY(plain.horizontalHeader()->isHidden() && plain.verticalHeader()->isHidden());
}

void TestCellGrid::attributesOverRanges()
{
    Fixture f;
    CellGridModel* model = f.grid->cellModel();
    f.grid->setAlignment(f.grid->columnCells(3), Qt::AlignRight);
    f.grid->setColor(f.grid->rowCells(5), Qt::yellow);
    f.grid->setColor(f.grid->columnCells(1), Qt::gray);
    f.grid->setBold(QRect(4, 2, 1, 3), true);

    QCOMPARE(f.grid->alignment(3, 6), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(model->data(model->indexOfCell(3, 6), Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(f.grid->alignment(2, 6), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(model->data(model->indexOfCell(4, 5), Qt::BackgroundRole).value<QBrush>().color(),
             QColor(Qt::yellow));
    QCOMPARE(f.grid->color(1, 5), QColor(Qt::gray)); // the later call wins
    QVERIFY(!model->data(model->indexOfCell(4, 6), Qt::BackgroundRole).isValid());
    QVERIFY(model->data(model->indexOfCell(4, 4), Qt::FontRole).value<QFont>().bold());
    QVERIFY(!f.grid->isBold(4, 5));
    QVERIFY(!f.grid->isReadOnly(2, 4));
    QVERIFY(f.grid->isReadOnly(2, 1));
    QVERIFY(f.grid->isReadOnly(3, 4));
    QVERIFY(f.grid->isReadOnly(99, 99));

    // Ranges reaching past the grid are cut to it; values stay hidden.
    f.grid->setColor(QRect(4, 6, 10, 10), Qt::red);
    QCOMPARE(f.grid->color(5, 7), QColor(Qt::red));
    f.grid->setCellValue(2, 3, QStringLiteral("1"));
    QCOMPARE(f.grid->cellValue(2, 3), QStringLiteral("1"));
    QCOMPARE(f.grid->cellText(2, 3), QString());
    f.grid->setCellText(40, 3, QStringLiteral("ignored"));
    QCOMPARE(f.grid->cellText(40, 3), QString());
}

void TestCellGrid::resizingKeepsCellsAndWidths()
{
    Fixture f;
    f.grid->setColWidth(3, 80);
    f.grid->setCellText(3, 4, QStringLiteral("kept"));
    f.grid->setCellText(3, 7, QStringLiteral("dropped"));
    f.grid->setRowCount(5);
    f.grid->setRowCount(8);
    QCOMPARE(f.grid->cellText(3, 4), QStringLiteral("kept"));
    QCOMPARE(f.grid->cellText(3, 7), QString());
    QCOMPARE(f.grid->horizontalHeader()->sectionSize(1), 80);
}

void TestCellGrid::typingStartsAnEdit_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<bool>("opens");
    QTest::newRow("editable cell") << 2 << true;
    QTest::newRow("read-only cell") << 3 << false;
}

void TestCellGrid::typingStartsAnEdit()
{
    QFETCH(int, col);
    QFETCH(bool, opens);
    Fixture f;
    f.grid->setCellText(col, 3, QStringLiteral("old"));
    f.show();
    f.grid->setCurrentCell(col, 3);
    QSignalSpy set(f.grid, &CellGrid::displayTextSet);
    QTest::keyClicks(f.grid, "145");
    QCOMPARE(f.grid->isEditing(), opens);
    if (!opens) {
        QCOMPARE(f.grid->cellText(col, 3), QStringLiteral("old"));
        return;
    }
    QVERIFY(f.grid->editor()->hasFocus());
    QCOMPARE(f.grid->editor()->text(), QStringLiteral("145"));
    QTest::keyClick(f.grid->editor(), Qt::Key_Return);
    QVERIFY(!f.grid->isEditing());
    QVERIFY(f.grid->hasFocus());
    QCOMPARE(f.grid->cellText(col, 3), QStringLiteral("145"));
    QCOMPARE(set.count(), 1);
    QCOMPARE(set.at(0).at(0).toInt(), col);
    QCOMPARE(set.at(0).at(1).toInt(), 3);

    // Enter on a cell opens the editor on its text, all selected.
    QTest::keyClick(f.grid, Qt::Key_Return);
    QVERIFY(f.grid->isEditing());
    QCOMPARE(f.grid->editor()->selectedText(), QStringLiteral("145"));
}

void TestCellGrid::keyHookFiltersAndReplaces()
{
    Fixture f;
    f.show();
    connect(f.grid, &CellGrid::keyPress, f.grid, [&](QString& text) {
        f.grid->setEditorMaxLength(6);
        if (text == QLatin1String(","))
            text = QStringLiteral(".");
        else if (!text.at(0).isDigit() && text != QLatin1String("."))
            text.clear();
    });
    f.grid->setCurrentCell(2, 4);
    QTest::keyClicks(f.grid, "x"); // discarded: no edit starts
    QVERIFY(!f.grid->isEditing());
    QTest::keyClicks(f.grid, "14a5,12345");
    QVERIFY(f.grid->isEditing());
    QCOMPARE(f.grid->editor()->text(), QStringLiteral("145.12"));
    QTest::keyClick(f.grid, Qt::Key_Return);

    // Opened on a full cell, the text is selected and typing replaces it, even though
    // the handler sets the length limit on every key.
    f.grid->setEditorMaxLength(0);
    QTest::keyClick(f.grid, Qt::Key_F2);
    QCOMPARE(f.grid->editor()->selectedText(), QStringLiteral("145.12"));
    QTest::keyClicks(f.grid, "43");
    QCOMPARE(f.grid->editor()->text(), QStringLiteral("43"));
}

void TestCellGrid::escapeCancels()
{
    Fixture f;
    f.grid->setCellText(2, 2, QStringLiteral("446.00625"));
    f.show();
    f.grid->setCurrentCell(2, 2);
    QSignalSpy set(f.grid, &CellGrid::displayTextSet);
    QVERIFY(f.grid->openEditor());
    QTest::keyClicks(f.grid->editor(), "1");
    QTest::keyClick(f.grid->editor(), Qt::Key_Escape);
    QVERIFY(!f.grid->isEditing());
    QCOMPARE(f.grid->cellText(2, 2), QStringLiteral("446.00625"));
    QCOMPARE(set.count(), 0);
}

void TestCellGrid::keysTheEditorLeavesGoToTheWindow()
{
    Fixture f;
    f.show();
    f.grid->setCurrentCell(2, 3);
    QTest::keyClicks(f.grid, "14");
    QVERIFY(f.grid->isEditing());
    // A real keyboard sends Shift on its own before a shifted character; the editor has
    // no use for it and Qt hands it back to the grid.
    QTest::keyPress(f.grid, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyRelease(f.grid, Qt::Key_Shift);
    QTest::keyClick(f.grid, Qt::Key_F5);
    QVERIFY(f.grid->isEditing());
    QTest::keyClicks(f.grid, "5");
    QCOMPARE(f.grid->editor()->text(), QStringLiteral("145"));
}

void TestCellGrid::commitHandlerMayChangeText()
{
    Fixture f;
    f.show();
    connect(f.grid, &CellGrid::displayTextSet, f.grid, [&](int col, int row, QString& text) {
        // The cell holds the typed text when the handler runs.
        QCOMPARE(f.grid->cellText(col, row), QStringLiteral("145.1"));
        text = QStringLiteral("145.10000");
    });
    f.grid->setCurrentCell(2, 5);
    QTest::keyClicks(f.grid, "145.1");
    QTest::keyClick(f.grid->editor(), Qt::Key_Enter);
    QCOMPARE(f.grid->cellText(2, 5), QStringLiteral("145.10000"));
}

void TestCellGrid::commitRunsOnceWhenTheHandlerTakesTheFocus()
{
    Fixture f;
    auto* other = new QLineEdit(&f.window);
    other->move(10, 0);
    f.show();
    int calls = 0;
    connect(f.grid, &CellGrid::displayTextSet, f.grid, [&](int, int, QString&) {
        ++calls;
        other->setFocus(); // as a message box would
        f.grid->closeEditor(true);
    });
    f.grid->setCurrentCell(2, 3);
    QTest::keyClicks(f.grid, "7");
    QTest::keyClick(f.grid->editor(), Qt::Key_Return);
    QCOMPARE(calls, 1);

    // Leaving the editor for another control commits too.
    f.grid->setFocus();
    f.grid->setCurrentCell(2, 4);
    QTest::keyClicks(f.grid, "8");
    other->setFocus();
    QCOMPARE(calls, 2);
    QCOMPARE(f.grid->cellText(2, 4), QStringLiteral("8"));
}

void TestCellGrid::tabAndArrowsCommitAndMove()
{
    Fixture f;
    f.show();
    f.grid->setCurrentCell(2, 3);
    QTest::keyClicks(f.grid, "1");
    QTest::keyClick(f.grid->editor(), Qt::Key_Down);
    QCOMPARE(f.grid->cellText(2, 3), QStringLiteral("1"));
    QCOMPARE(f.grid->row(), 4);
    QTest::keyClicks(f.grid, "2");
    QTest::keyClick(f.grid->editor(), Qt::Key_Tab);
    QCOMPARE(f.grid->cellText(2, 4), QStringLiteral("2"));
    QCOMPARE(f.grid->col(), 3);
    QCOMPARE(f.grid->row(), 4);
    QTest::keyClick(f.grid, Qt::Key_Left);
    QTest::keyClick(f.grid, Qt::Key_Up);
    QCOMPARE(f.grid->col(), 2);
    QCOMPARE(f.grid->row(), 3);
}

void TestCellGrid::selectCellComesBeforeTheMove()
{
    Fixture f;
    f.show();
    f.grid->setCurrentCell(2, 2);
    QList<QPoint> asked;
    QList<QPoint> currentWhenAsked;
    bool allow = true;
    connect(f.grid, &CellGrid::selectCell, f.grid, [&](int col, int row, bool& ok) {
        asked << QPoint(col, row);
        currentWhenAsked << QPoint(f.grid->col(), f.grid->row());
        ok = allow;
    });
    QTest::keyClick(f.grid, Qt::Key_Right);
    QCOMPARE(asked, QList<QPoint>{QPoint(3, 2)});
    QCOMPARE(currentWhenAsked, QList<QPoint>{QPoint(2, 2)});
    QCOMPARE(f.grid->col(), 3);

    allow = false;
    QTest::keyClick(f.grid, Qt::Key_Down);
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.centre(4, 6));
    f.grid->setCurrentCell(5, 7);
    QCOMPARE(asked.size(), 4);
    QCOMPARE(QPoint(f.grid->col(), f.grid->row()), QPoint(3, 2));
}

void TestCellGrid::mouseEvents()
{
    Fixture f;
    f.show();
    QList<QPoint> downAt;
    connect(f.grid, &CellGrid::mouseDown, f.grid, [&](Qt::MouseButton, Qt::KeyboardModifiers) {
        downAt << QPoint(f.grid->col(), f.grid->row());
    });
    QSignalSpy doubled(f.grid, &CellGrid::cellDoubleClicked);
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.centre(4, 5));
    QCOMPARE(downAt, QList<QPoint>{QPoint(4, 5)});
    QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, f.centre(3, 6));
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.at(0).at(0).toInt(), 3);
    QCOMPARE(doubled.at(0).at(1).toInt(), 6);

    // A click elsewhere commits an open edit first.
    f.grid->setCurrentCell(2, 2);
    QTest::keyClicks(f.grid, "9");
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.centre(4, 4));
    QVERIFY(!f.grid->isEditing());
    QCOMPARE(f.grid->cellText(2, 2), QStringLiteral("9"));
}

void TestCellGrid::cellRectIsInWindowCoordinates()
{
    Fixture f;
    f.grid->setColWidth(1, 60);
    f.grid->setRowHeight(1, 35);
    f.show();
    const QRect r = f.grid->cellRect(3, 4);
    const QRect inViewport = f.grid->visualRect(f.grid->cellModel()->indexOfCell(3, 4));
    QCOMPARE(r.topLeft(), f.grid->viewport()->mapTo(&f.window, inViewport.topLeft()));
    QCOMPARE(r.size(), inViewport.size());
    QVERIFY(r.left() >= 10 + 60 && r.top() >= 30 + 35);
    const QRect header = f.grid->cellRect(3, 1);
    QCOMPARE(header.left(), r.left());
    QCOMPARE(header.height(), 35);
}

void TestCellGrid::suspendedChangesAreAnnouncedOnce()
{
    Fixture f;
    QSignalSpy changed(f.grid->cellModel(), &QAbstractItemModel::dataChanged);
    f.grid->beginUpdate();
    f.grid->beginUpdate();
    for (int r = 2; r < 8; ++r)
        f.grid->setCellText(3, r, QString::number(r));
    f.grid->setColor(f.grid->rowCells(4), Qt::yellow);
    f.grid->endUpdate();
    QCOMPARE(changed.count(), 0);
    f.grid->endUpdate();
    QCOMPARE(changed.count(), 1);
    f.grid->setCellText(3, 2, QStringLiteral("x"));
    QCOMPARE(changed.count(), 2);
}

QTEST_MAIN(TestCellGrid)
#include "tst_cellgrid.moc"
