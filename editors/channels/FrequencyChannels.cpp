#include "FrequencyChannels.h"

#include "CheckedFrequency.h"
#include "ToneSelector.h"
#include "core/ChannelListItems.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "editors/EditorHost.h"
#include "files/TranslateForm.h"
#include "widgets/Tag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

TfFreqEdit* fFreqEdit = nullptr;

namespace {

// The tuning step lives in settings byte 9, bits 0-3.
constexpr int StepSettingsByte = 9;
constexpr quint8 StepMask = 0x0F;

} // namespace

TfFreqEdit::TfFreqEdit(QWidget* parent) : QWidget(parent)
{
    fFreqEdit = this;
    setObjectName(QStringLiteral("fFreqEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));
    // A fixed frame with the system menu and a minimise button; the main window hands
    // these hints on to the sub-window it puts the window in.
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    cxFreq = new QTabWidget(this);
    cxFreq->setObjectName(QStringLiteral("cxFreq"));
    cxFreq->addTab(new QWidget, QStringLiteral("Freq_Down"));
    cxFreq->addTab(new QWidget, QStringLiteral("Freq_Up"));
    for (int i = 0; i < 2; ++i)
        new QVBoxLayout(cxFreq->widget(i));

    // The tab captions come from these two when the window is translated.
    Ldown = NamedLabel(this, "Ldown", QStringLiteral("Freq_Down"));
    Lup = NamedLabel(this, "Lup", QStringLiteral("Freq_Up"));
    lStep = NamedLabel(this, "lStep", QStringLiteral("%1: %2"));
    for (QLabel* hidden : {Ldown, Lup, lStep})
        hidden->hide();

    page = new QWidget;
    CreateChannelControls(this, page);
    cxDuplex = NamedList(page, "cxDuplex", DuplexItems());
    cxFreqStep = NamedList(page, "cxFreqStep",
                           {QStringLiteral("5.00"), QStringLiteral("6.25"), QStringLiteral("10.0"),
                            QStringLiteral("12.5"), QStringLiteral("20.0"), QStringLiteral("25.0"),
                            QStringLiteral("50.0"), QStringLiteral("100.0")});
    Tag::set(cxFreqStep, Tag::NeverTranslate);

    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    auto row = [&](int r, int c, const char* name, const QString& text, QWidget* control) {
        QLabel* l = NamedLabel(page, name, text);
        l->setBuddy(control);
        grid->addWidget(l, r, 2 * c);
        grid->addWidget(control, r, 2 * c + 1);
    };
    row(0, 0, "lbRx", QStringLiteral("Frequency[MHz]"), eRx);
    row(0, 1, "lbTX", QStringLiteral("Offset Freq.[MHz]"), eTX);
    row(1, 0, "lbDuplex", QStringLiteral("Duplex"), cxDuplex);
    row(1, 1, "lbFreqStep", QStringLiteral("Freq. Step[KHz]"), cxFreqStep);
    row(2, 0, "lbRxDcts", QStringLiteral("QT/DQT Deconde"), cxRxDcts);
    row(2, 1, "lbTxDcts", QStringLiteral("QT/DQT Encode"), cxTxDcts);
    row(3, 0, "lbWn", QStringLiteral("Wide/Narrow"), cxWn);
    row(3, 1, "lbPower", QStringLiteral("TX Power"), cxPower);
    row(4, 0, "lbTail", QStringLiteral("Epilogue"), cxTail);
    row(4, 1, "lbApro", QStringLiteral("Voice Mode"), cxApro);
    grid->addWidget(cxBclo, 5, 1);
    grid->addWidget(cxVox_S, 5, 3);
    grid->setColumnMinimumWidth(1, 120);
    grid->setColumnMinimumWidth(3, 120);
    grid->setColumnMinimumWidth(2, 110);
    cxFreq->widget(0)->layout()->addWidget(page);

    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(cxFreq);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnClose, &QPushButton::clicked, this, &TfFreqEdit::btnCloseClick);
    connect(cxFreq, &QTabWidget::currentChanged, this, &TfFreqEdit::cxFreq_TabChange);
    // The value handlers run when an edit is committed, not on every keystroke.
    connect(eRx, &QLineEdit::editingFinished, this, [this] {
        if (eRx->isModified()) eReceivePropertiesEditValueChanged();
    });
    connect(eTX, &QLineEdit::editingFinished, this, [this] {
        if (eTX->isModified()) eTXPropertiesEditValueChanged();
    });
    connect(cxFreqStep, &QComboBox::currentIndexChanged, this,
            &TfFreqEdit::cxFreqStepPropertiesEditValueChanged);
    // cxRxDctsExit / cxTxDctsExit: the selector has applied the tone rule.
    for (ToneSelector* tone : {cxRxDcts, cxTxDcts})
        connect(tone, &ToneSelector::toneCommitted, this, [this, tone] { storeChange(tone); });
    for (QComboBox* c : {cxWn, cxPower, cxDuplex, cxTail, cxApro})
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] { storeChange(c); });
    for (QCheckBox* box : {cxBclo, cxVox_S})
        connect(box, &QCheckBox::clicked, this, [this, box] { storeChange(box); });
    connect(&documentEdits(), &TDocumentEdits::changed, this, &TfFreqEdit::documentChanged);
}

TfFreqEdit::~TfFreqEdit()
{
    if (fFreqEdit == this) fFreqEdit = nullptr;
}

void TfFreqEdit::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown) {
        shown = true;
        FormShow();
    }
}

void TfFreqEdit::FormShow()
{
    busy = true;
    TALL& all = appState();
    if (all.languageIndex > 0) {
        TranslateForm(this, all.languageName, true);
        cxFreq->setTabText(0, Ldown->text());
        cxFreq->setTabText(1, Lup->text());
    }
    // Only when the window stands on its own; a sub-window deletes itself when closed.
    if (!qobject_cast<QMdiSubWindow*>(parentWidget())) setAttribute(Qt::WA_DeleteOnClose);
    record = Image::FirstFrequencyChannel + cxFreq->currentIndex();
    LoadFrequencyChannel();
    busy = false;
    // Translated texts change the window's size; its frame follows.
    layout()->activate();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->adjustSize();
    PlaceEditorWindow(this);
}

void TfFreqEdit::btnCloseClick()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TfFreqEdit::cxFreq_TabChange(int index)
{
    if (index < 0) return;
    cxFreq->widget(index)->layout()->addWidget(page);
    page->show(); // a moved widget stays hidden until shown again
    record = Image::FirstFrequencyChannel + index;
    LoadFrequencyChannel();
}

void TfFreqEdit::LoadFrequencyChannel()
{
    const bool wasBusy = busy;
    busy = true;
    TALL& all = appState();

    cxFreqStep->clear();
    for (double step : all.stepTable) {
        if (!(step > 0.0)) break;
        cxFreqStep->addItem(FormatFixed(step, 2));
    }

    // Decoding for display re-stores the record on the step's raster, without a step.
    TChannel ch;
    DecodeChannel(all, record, ch);
    ShowChannel(ch, ch.offset);
    cxDuplex->setCurrentIndex(ch.direction);

    cxFreqStep->setCurrentIndex(GetSettingField(all, StepSettingsByte, StepMask));
    busy = wasBusy;
}

void TfFreqEdit::StoreFrequencyChannel()
{
    if (busy) return;
    TALL& all = appState();
    QString text = eRx->text();
    SetChannelField(all, record, Field::RxFreq, text);
    eRx->setText(text);
    text = eTX->text();
    SetChannelField(all, record, Field::Offset, text);
    eTX->setText(text);
    text = QString::number(cxDuplex->currentIndex());
    SetChannelField(all, record, Field::Direction, text);
    StoreCommonFields(all, record);
}

void TfFreqEdit::storeChange(const QWidget* control)
{
    if (busy) return;
    commitPendingEdits();
    edit(control, [this] { StoreFrequencyChannel(); });
}

void TfFreqEdit::edit(const QWidget* control, const std::function<void()>& change)
{
    const QString tab = cxFreq->tabText(record - Image::FirstFrequencyChannel);
    documentEdits().Edit(this, lStep->text().arg(tab, StepName(control)), change);
}

// Undo, redo or another window changed the record shown or the step: show them again.
void TfFreqEdit::documentChanged(const DocumentChange& change)
{
    if (change.source == this || !shown) return;
    if (change.record(record) || change.settings) LoadFrequencyChannel();
}

void TfFreqEdit::commitPendingEdits()
{
    if (eRx->isModified()) eReceivePropertiesEditValueChanged();
    if (eTX->isModified()) eTXPropertiesEditValueChanged();
    CommitTypedTones();
}

void TfFreqEdit::eReceivePropertiesEditValueChanged()
{
    if (busy || rxGuard) return;
    rxGuard = true;
    TALL& all = appState();
    QString text = eRx->text().trimmed();
    // The box can take the focus from the edit; the guard keeps that from re-entering.
    eRx->setModified(false);
    if (text.isEmpty()) {
        // An emptied frequency is the lowest band edge, after the caution.
        double value = -1.0;
        CheckBandFrequency(all, QString(), value);
        ShowFrequencyRefused();
        text = FormatMHz(value);
    } else if (const auto typed = TypedFrequency(text)) {
        text = *typed;
    } else {
        // Refused: the channel keeps its frequency.
        TChannel ch;
        DecodeChannel(all, record, ch);
        eRx->setText(FormatMHz(ch.rxFreq));
        rxGuard = false;
        return;
    }
    edit(eRx, [&] {
        SetChannelField(all, record, Field::RxFreq, text);
        eRx->setText(text);
    });
    rxGuard = false;
}

void TfFreqEdit::eTXPropertiesEditValueChanged()
{
    if (busy || txGuard) return;
    txGuard = true;
    TALL& all = appState();
    double value = 0.0;
    if (!TextToNumber(eTX->text().trimmed(), value) || value < 0.0) value = 0.0;
    if (value > MaxOffsetMHz) value = MaxOffsetMHz;
    QString text = FormatMHz(value);
    edit(eTX, [&] {
        SetChannelField(all, record, Field::Offset, text);
        eTX->setText(text);
    });
    txGuard = false;
}

void TfFreqEdit::cxFreqStepPropertiesEditValueChanged(int index)
{
    if (busy || index < 0) return;
    commitPendingEdits();
    TALL& all = appState();
    edit(cxFreqStep, [&] {
        SetSettingField(all, StepSettingsByte, StepMask, index);
        busy = true;

        // An edit that holds no number stores the lowest band edge (receive) or 0 (offset).
        double value = 0.0;
        QString text = TextToNumber(eRx->text(), value) ? FormatMHz(value) : QString();
        SetChannelField(all, record, Field::RxFreq, text);
        eRx->setText(text);
        text = TextToNumber(eTX->text(), value) ? FormatMHz(value) : QString();
        SetChannelField(all, record, Field::Offset, text);
        eTX->setText(text);

        // Decoding stores the other channel again, now on the new raster: part of this step.
        TChannel other;
        DecodeChannel(all,
                      record == Image::FirstFrequencyChannel ? Image::SecondFrequencyChannel
                                                             : Image::FirstFrequencyChannel,
                      other);
        busy = false;
    });
}
