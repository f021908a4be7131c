#pragma once

#include <QDialog>
#include <QString>

class CellGrid;
class QGroupBox;
class QListWidget;
class QRadioButton;

// The tone chart dialog: the standard CTCSS tones and DCS codes as three charts, one
// shown at a time. Double-clicking a tone (or Enter on it) picks it and closes the
// dialog; the index and code columns pick nothing.
class TfToneOption : public QDialog {
    Q_OBJECT

  public:
    explicit TfToneOption(QWidget* parent = nullptr);

    // The picked tone text; empty when nothing was picked.
    QString pickedTone() const { return picked; }

    CellGrid* gvCtcss;
    CellGrid* gvDcsN;
    CellGrid* gvDcsI;
    QRadioButton* rCTCSS;
    QRadioButton* rDCSN;
    QRadioButton* rDCSI;
    QGroupBox* gbList;

    void FormShow();
    void rCTCSSClick(int tag);
    void gvCtcssDblClick(int col, int row);
    void gvDcsNDblClick(int col, int row);
    void gvDcsIDblClick(int col, int row);

    void setVisible(bool visible) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fillCharts();
    void pick(CellGrid* grid, int col, int row);

    QGroupBox* gbVoice;
    QListWidget* lbSel;
    QListWidget* lbValue;
    QString picked;
    bool shown = false;
};

// Runs the tone chart modally; returns the picked tone, empty when nothing was picked.
QString ShowToneOption(QWidget* parent);
