#pragma once

#include "core/ChannelCsv.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// The preview of a channel list import (fCsvImport): every row of the file, the
// channel it goes to, what the channel becomes and why a row is changed or skipped.
// The dialog only shows the plan; the caller applies it when the dialog is accepted.
// OK is disabled when no row would be imported.
class TfCsvImport : public QDialog {
    Q_OBJECT

  public:
    TfCsvImport(const CsvImport& plan, const QString& path, QWidget* parent = nullptr);

    QLabel* lFile = nullptr;
    QLabel* lFileName = nullptr;  // the path; data, never translated
    QLabel* lFileNotes = nullptr; // what holds for the whole file; data
    QTableWidget* tvRows = nullptr;
    QLabel* lSummary = nullptr;
    QLabel* lKeep = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

  private:
    void fillRows(const CsvImport& plan);

    // Never shown: translatable texts the rows and the summary are made of.
    QLabel* lSummaryText = nullptr;
    QLabel* lImported = nullptr;
    QLabel* lChanged = nullptr;
    QLabel* lSkipped = nullptr;
};
