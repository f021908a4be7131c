#include "CsvImportDialog.h"

#include "LanguageFile.h"
#include "TranslateForm.h"
#include "core/DataModule.h"
#include "widgets/TranslatableGrid.h"

#include <QBrush>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Column { ColLine, ColLocation, ColChannel, ColStatus, ColSource, ColResult, ColNotes };

// A row list whose column titles the window translation reaches, as tvRows.1 .. .7.
class CsvRowList : public QTableWidget, public TranslatableGrid {
  public:
    explicit CsvRowList(QWidget* parent) : QTableWidget(parent) {}
    int headerColumnCount() const override { return columnCount() + 1; }
    QString headerText(int column) const override
    {
        const QTableWidgetItem* item = horizontalHeaderItem(column - 1);
        return item ? item->text() : QString();
    }
    void setHeaderText(int column, const QString& text) override
    {
        if (QTableWidgetItem* item = horizontalHeaderItem(column - 1)) item->setText(text);
    }
};

QLabel* hiddenText(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->hide();
    return label;
}

} // namespace

TfCsvImport::TfCsvImport(const CsvImport& plan, const QString& path, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fCsvImport"));
    setWindowTitle(QStringLiteral("Import CSV"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    lFile = new QLabel(QStringLiteral("File:"), this);
    lFile->setObjectName(QStringLiteral("lFile"));
    lFileName = new QLabel(QDir::toNativeSeparators(path), this);
    lFileName->setObjectName(QStringLiteral("lFileName"));
    lFileName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lFileNotes = new QLabel(plan.fileNotes.join(u'\n'), this);
    lFileNotes->setObjectName(QStringLiteral("lFileNotes"));
    lFileNotes->setWordWrap(true);
    lFileNotes->setVisible(!plan.fileNotes.isEmpty());

    auto* rows = new CsvRowList(this);
    tvRows = rows;
    tvRows->setObjectName(QStringLiteral("tvRows"));
    const QStringList titles = {QStringLiteral("Line"),        QStringLiteral("Location"),
                                QStringLiteral("Channel"),     QStringLiteral("Status"),
                                QStringLiteral("In the file"), QStringLiteral("Becomes"),
                                QStringLiteral("Notes")};
    tvRows->setColumnCount(int(titles.size()));
    tvRows->setHorizontalHeaderLabels(titles);
    tvRows->verticalHeader()->hide();
    tvRows->setShowGrid(false);
    tvRows->setAlternatingRowColors(true);
    tvRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvRows->setSelectionMode(QAbstractItemView::SingleSelection);
    tvRows->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Notes wrap in the last column, which takes the width the others leave.
    tvRows->setWordWrap(true);
    tvRows->setTextElideMode(Qt::ElideNone);
    tvRows->horizontalHeader()->setStretchLastSection(true);
    tvRows->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    lSummary = new QLabel(this);
    lSummary->setObjectName(QStringLiteral("lSummary"));
    lKeep =
        new QLabel(QStringLiteral("Channels the file does not name stay as they are. OK puts "
                                  "the channels into the document; Cancel leaves it unchanged."),
                   this);
    lKeep->setObjectName(QStringLiteral("lKeep"));
    lKeep->setWordWrap(true);

    lSummaryText = hiddenText(this, "lSummaryText",
                              QStringLiteral("%1 rows: %2 imported, %3 imported with changes, "
                                             "%4 skipped."));
    lImported = hiddenText(this, "lImported", QStringLiteral("Imported"));
    lChanged = hiddenText(this, "lChanged", QStringLiteral("Changed"));
    lSkipped = hiddenText(this, "lSkipped", QStringLiteral("Skipped"));

    btnOk = new QPushButton(QStringLiteral("&OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(lFile);
    fileRow->addWidget(lFileName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lSummary, 1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(lFileNotes);
    layout->addWidget(tvRows, 1);
    layout->addWidget(lKeep);
    layout->addLayout(buttons);

    const TALL& all = appState();
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, false);
    fillRows(plan);
    resize(1160, 560);
}

void TfCsvImport::fillRows(const CsvImport& plan)
{
    const QBrush changed(QColor(255, 244, 206));
    const QBrush skipped(QColor(253, 231, 233));
    const CsvImportTexts notesTexts = LoadCsvImportTexts(appState());
    tvRows->setRowCount(int(plan.rows.size()));
    for (int r = 0; r < plan.rows.size(); ++r) {
        const CsvImportRow& row = plan.rows.at(r);
        QString status = lImported->text();
        if (row.kind == CsvImportRow::Changed) status = lChanged->text();
        if (row.kind == CsvImportRow::Skipped) status = lSkipped->text();
        const QString texts[] = {QString::number(row.line),
                                 row.location,
                                 row.channel > 0 ? QString::number(row.channel) : QString(),
                                 status,
                                 row.source,
                                 row.result,
                                 CsvRowNotes(row, notesTexts)};
        for (int c = 0; c <= ColNotes; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            if (c <= ColChannel)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
            else
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            // The tinted rows keep dark text whatever the style's palette.
            if (row.kind != CsvImportRow::Imported) {
                item->setBackground(row.kind == CsvImportRow::Changed ? changed : skipped);
                item->setForeground(QBrush(Qt::black));
            }
            tvRows->setItem(r, c, item);
        }
    }
    tvRows->resizeColumnsToContents();
    tvRows->setColumnWidth(ColSource, std::min(tvRows->columnWidth(ColSource), 200));

    lSummary->setText(lSummaryText->text()
                          .arg(plan.rows.size())
                          .arg(plan.count(CsvImportRow::Imported))
                          .arg(plan.count(CsvImportRow::Changed))
                          .arg(plan.count(CsvImportRow::Skipped)));
    btnOk->setEnabled(plan.count(CsvImportRow::Imported) + plan.count(CsvImportRow::Changed) > 0);
}
