#pragma once

#include "core/ChannelListEdits.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The sort dialog of the memory channel grid (fChsSort): what the channels are sorted
// by, whether empty channels between them are closed up, and which channels: the
// selection or every channel.
class TfChsSort : public QDialog {
    Q_OBJECT

  public:
    explicit TfChsSort(bool selection = false, QWidget* parent = nullptr);

    ChannelSortKey key() const;
    bool closeGaps() const;
    void showScope(bool selection);

    QLabel* lScope;
    QLabel* lSelection; // never shown: the scope's texts
    QLabel* lAll;
    QRadioButton* rbRxFrequency;
    QRadioButton* rbName;
    QRadioButton* rbTone;
    QCheckBox* cbCloseGaps;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};
