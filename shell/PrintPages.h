#pragma once

#include "core/Printout.h"

#include <QWidget>

class QLabel;
class QPagedPaintDevice;

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

// The texts of every page, in the order they are painted: the page header (model and
// source, "page n of m", write time), then titles, notes and table cells; a table that
// runs over a page break starts the next page with its header row again.
QList<QStringList> PrintoutPageTexts(const Printout& printout, QPagedPaintDevice& device,
                                     const QString& pageText);

// Lays the printout out on the device's pages (portrait, its page size) and paints them.
// Returns the number of pages.
int PaintPrintout(const Printout& printout, QPagedPaintDevice& device, const QString& pageText);
