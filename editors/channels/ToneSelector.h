#pragma once

#include <QComboBox>
#include <QStringList>

// The tone selector of the channel windows: an editable drop-down list of tone texts
// whose first entry ("None", or its translation) means no tone. Only tone characters
// can be typed. A typed or picked text is committed by Enter, by leaving the
// selector or by choosing a list entry; the selector then applies the tone rule
// (empty -> first entry, anything else but the first entry -> normalised tone text)
// and emits toneCommitted() when the committed text differs from the one it showed.
class ToneSelector : public QComboBox {
    Q_OBJECT

  public:
    explicit ToneSelector(QWidget* parent = nullptr);
    ToneSelector(const QStringList& tones, QWidget* parent = nullptr);

    void setTones(const QStringList& tones);

    // Shows a stored tone (empty: the first entry) without emitting anything.
    void showTone(const QString& tone);

    // The tone rule on the current text: empty selects the first entry; a text that
    // is not the first entry becomes its normalised tone text.
    void normalise();

    // The tone to store: empty for the first entry, otherwise the text.
    QString storedTone() const;

    // Puts a tone picked elsewhere (the tone chart) into the selector and commits it.
    void pickTone(const QString& tone);

    // Commits the current text as Enter does.
    void commit();

    // Puts back the text last shown or committed (Escape).
    void revert();

  signals:
    void toneCommitted();
    void doubleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void setup();
    bool acceptKey(QKeyEvent* event);

    QString shownText; // the text last shown or committed
};
