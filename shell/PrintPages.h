#pragma once

#include "core/Printout.h"

#include <QWidget>

class QLabel;
class QPagedPaintDevice;
class QTextDocument;

// The texts of the printed pages (language section fPrint): hidden labels translated
// like every window's, for the printout's labels and the page header.
class TfPrintTexts : public QWidget {
    Q_OBJECT
  public:
    // Translated into the language of languageName.
    explicit TfPrintTexts(const QString& languageName, QWidget* parent = nullptr);

    PrintLabels labels() const;
    QString pageText() const;      // "Page %1 of %2"
    QString readFromRadio() const; // the source of a document read from the radio
    QString notSaved() const;      // the source of a new document never saved

  private:
    QLabel* text(const char* name) const;
};

// The printout as a rich-text document: the tables with their header rows, which the
// layout repeats on every page a table runs over.
std::unique_ptr<QTextDocument> PrintoutDocument(const Printout& printout);

// Lays the printout out on the device's pages (portrait, its page size) under a header
// with the model, the source, the write time and "page n of m", and paints them.
// Returns the number of pages.
int PaintPrintout(const Printout& printout, QPagedPaintDevice& device, const QString& pageText);
