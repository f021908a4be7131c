#pragma once

#include "core/AppState.h"
#include "core/DocumentDescription.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Compare": every field in which another document (a data file, or what the radio
// holds) differs from this one, grouped as channels, frequency channels, FM, settings
// and model block; each row names the place and shows both values as the windows show
// them. The rows the user selects can be taken over into this document.
//
// The comparison is CompareDocuments, the routine behind qz17-cli diff. The window
// compares again whenever this document changes (refresh), so rows taken over go away.
class TfCompare : public QWidget {
    Q_OBJECT
  public:
    // Takes the selected differences from the other document into this one.
    using TakeOver = std::function<void(const TALL& other, const QList<DocumentDifference>&)>;

    TfCompare(const TALL& other, const QString& otherName, TakeOver takeOver,
              QWidget* parent = nullptr);

    // Compares again with the document as it is now.
    void refresh();

    QTreeWidget* list() const { return lvDiff; }
    int differenceCount() const { return int(differences.size()); }
    // The differences of the selected rows, in list order.
    QList<DocumentDifference> selectedDifferences() const;
    void btnTakeClick();

  private:
    QString whereText(const DocumentDifference& d) const;
    QString valueText(const DocumentDifference& d, const QJsonValue& v) const;
    void updateButtons();

    TALL other;
    QString otherName;
    TakeOver takeOver;
    QList<DocumentDifference> differences;
    LanguageLookup language;

    QLabel* lSummary;
    QTreeWidget* lvDiff;
    QPushButton* btnTake;
    QPushButton* btnClose;
    // Texts only (translated with the window, never shown).
    QListWidget* lsGroups;    // group titles, in the order of DocumentDifference::Group
    QListWidget* lsModelKeys; // the model block's fields
    QLabel* lSame;
    QLabel* lCount;
    QLabel* lInUse;
    QLabel* lEmpty;
    QLabel* lChannel;
    QLabel* lFreqChannel;
    QLabel* lFmChannel;
    QLabel* lFmTuned;
    QLabel* lNotTaken;
};
