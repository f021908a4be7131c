#include "FrequencyChannels.h"

#include "CheckedFrequency.h"
#include "ToneOption.h"
#include "ToneSelector.h"
#include "core/ChannelListItems.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/SettingsFields.h"
#include "core/ToneLists.h"
#include "editors/EditorHost.h"
#include "files/MessageBox.h"
#include "files/TranslateForm.h"
#include "widgets/KeyFilters.h"
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
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

TfFreqEdit* fFreqEdit = nullptr;

namespace {

// The tuning step lives in settings byte 9, bits 0-3.
constexpr int StepSettingsByte = 9;
constexpr quint8 StepMask = 0x0F;

QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit* frequencyEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    InstallKeyFilter(edit, KeySet::Frequency);
    return edit;
}

QString checkText(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
}

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
    Ldown = label(this, "Ldown", QStringLiteral("Freq_Down"));
    Lup = label(this, "Lup", QStringLiteral("Freq_Up"));
    Ldown->hide();
    Lup->hide();

    page = new QWidget;
    eRx = frequencyEdit(page, "eRx");
    eTX = frequencyEdit(page, "eTX");
    cxDuplex = pickList(page, "cxDuplex", DuplexItems());
    cxFreqStep = pickList(page, "cxFreqStep",
                          {QStringLiteral("5.00"), QStringLiteral("6.25"), QStringLiteral("10.0"),
                           QStringLiteral("12.5"), QStringLiteral("20.0"), QStringLiteral("25.0"),
                           QStringLiteral("50.0"), QStringLiteral("100.0")});
    Tag::set(cxFreqStep, Tag::NeverTranslate);
    cxRxDcts = new ToneSelector(FullToneList(), page);
    cxRxDcts->setObjectName(QStringLiteral("cxRxDcts"));
    Tag::set(cxRxDcts, Tag::FirstItemOnly);
    cxTxDcts = new ToneSelector(FullToneList(), page);
    cxTxDcts->setObjectName(QStringLiteral("cxTxDcts"));
    Tag::set(cxTxDcts, Tag::FirstItemOnly);
    cxWn = pickList(page, "cxWn", {QStringLiteral("Narrow"), QStringLiteral("Wide")});
    cxPower = pickList(page, "cxPower", {QStringLiteral("Low"), QStringLiteral("High")});
    cxTail = pickList(page, "cxTail", {QStringLiteral("Off"), QStringLiteral("On")});
    cxApro = pickList(
        page, "cxApro",
        {QStringLiteral("None"), QStringLiteral("Compander"), QStringLiteral("Scrambler")});
    cxBclo = new QCheckBox(QStringLiteral("Busy Lock"), page);
    cxBclo->setObjectName(QStringLiteral("cxBclo"));
    cxVox_S = new QCheckBox(QStringLiteral("Vox"), page);
    cxVox_S->setObjectName(QStringLiteral("cxVox_S"));

    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    auto row = [&](int r, int c, const char* name, const QString& text, QWidget* control) {
        QLabel* l = label(page, name, text);
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
    connect(cxRxDcts, &ToneSelector::toneCommitted, this, &TfFreqEdit::cxRxDctsExit);
    connect(cxTxDcts, &ToneSelector::toneCommitted, this, &TfFreqEdit::cxTxDctsExit);
    connect(cxRxDcts, &ToneSelector::doubleClicked, this, &TfFreqEdit::cxRxDctsDblClick);
    connect(cxTxDcts, &ToneSelector::doubleClicked, this, &TfFreqEdit::cxTxDctsDblClick);
    for (QComboBox* c : {cxWn, cxPower, cxDuplex, cxTail, cxApro})
        connect(c, &QComboBox::currentIndexChanged, this, &TfFreqEdit::cbkzChange);
    connect(cxBclo, &QCheckBox::clicked, this, &TfFreqEdit::cxBcloClick);
    connect(cxVox_S, &QCheckBox::clicked, this, &TfFreqEdit::cxBcloClick);
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

    TChannel& ch = workingChannel();
    DecodeChannel(all, record, ch);
    eRx->setText(FormatMHz(ch.rxFreq));
    eTX->setText(FormatMHz(ch.offset));
    cxRxDcts->showTone(ch.rxTone);
    cxTxDcts->showTone(ch.txTone);
    cxWn->setCurrentIndex(ch.bandwidth);
    cxPower->setCurrentIndex(ch.power);
    cxApro->setCurrentIndex(ch.voiceMode);
    cxTail->setCurrentIndex(ch.epilogue);
    cxDuplex->setCurrentIndex(ch.direction);
    cxBclo->setChecked(ch.busyLock == 0);
    cxVox_S->setChecked(ch.vox == 0);

    cxFreqStep->setCurrentIndex(GetSettingField(all, StepSettingsByte, StepMask));
    busy = wasBusy;
}

void TfFreqEdit::StoreFrequencyChannel()
{
    if (busy) return;
    commitPendingEdits();
    TALL& all = appState();
    QString text = eRx->text();
    SetChannelField(all, record, Field::RxFreq, text);
    eRx->setText(text);
    text = eTX->text();
    SetChannelField(all, record, Field::Offset, text);
    eTX->setText(text);
    text = cxRxDcts->storedTone();
    SetChannelField(all, record, Field::RxTone, text);
    text = cxTxDcts->storedTone();
    SetChannelField(all, record, Field::TxTone, text);
    text = QString::number(cxWn->currentIndex());
    SetChannelField(all, record, Field::Bandwidth, text);
    text = QString::number(cxPower->currentIndex());
    SetChannelField(all, record, Field::Power, text);
    text = QString::number(cxDuplex->currentIndex());
    SetChannelField(all, record, Field::Direction, text);
    text = checkText(cxBclo);
    SetChannelField(all, record, Field::BusyLock, text);
    text = QString::number(cxApro->currentIndex());
    SetChannelField(all, record, Field::VoiceMode, text);
    text = checkText(cxVox_S);
    SetChannelField(all, record, Field::Vox, text);
    text = QString::number(cxTail->currentIndex());
    SetChannelField(all, record, Field::Epilogue, text);
    all.modified = true;
}

void TfFreqEdit::commitPendingEdits()
{
    if (eRx->isModified()) eReceivePropertiesEditValueChanged();
    if (eTX->isModified()) eTXPropertiesEditValueChanged();
    // A typed tone is normalised first; the store that follows writes it.
    for (ToneSelector* tone : {cxRxDcts, cxTxDcts}) {
        const QSignalBlocker block(tone);
        tone->commit();
    }
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
    SetChannelField(all, record, Field::RxFreq, text);
    eRx->setText(text);
    all.modified = true;
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
    SetChannelField(all, record, Field::Offset, text);
    eTX->setText(text);
    all.modified = true;
    txGuard = false;
}

void TfFreqEdit::cxFreqStepPropertiesEditValueChanged(int index)
{
    if (busy || index < 0) return;
    commitPendingEdits();
    TALL& all = appState();
    SetSettingField(all, StepSettingsByte, StepMask, index);
    all.modified = true;
    busy = true;

    // An edit that holds no number stores the lowest band edge (receive) or 0 (offset).
    double value = 0.0;
    QString text = TextToNumber(eRx->text(), value) ? FormatMHz(value) : QString();
    SetChannelField(all, record, Field::RxFreq, text);
    eRx->setText(text);
    text = TextToNumber(eTX->text(), value) ? FormatMHz(value) : QString();
    SetChannelField(all, record, Field::Offset, text);
    eTX->setText(text);

    // Decoding stores the other channel again, now on the new raster.
    TChannel other;
    DecodeChannel(all,
                  record == Image::FirstFrequencyChannel ? Image::SecondFrequencyChannel
                                                         : Image::FirstFrequencyChannel,
                  other);
    busy = false;
}

void TfFreqEdit::cxRxDctsExit()
{
    StoreFrequencyChannel();
}

void TfFreqEdit::cxTxDctsExit()
{
    StoreFrequencyChannel();
}

void TfFreqEdit::pickTone(ToneSelector* selector)
{
    const QString tone = ShowToneOption(this);
    if (!tone.isEmpty()) selector->pickTone(tone);
}

void TfFreqEdit::cxRxDctsDblClick()
{
    pickTone(cxRxDcts);
}

void TfFreqEdit::cxTxDctsDblClick()
{
    pickTone(cxTxDcts);
}

void TfFreqEdit::cbkzChange()
{
    StoreFrequencyChannel();
}

void TfFreqEdit::cxBcloClick()
{
    StoreFrequencyChannel();
}
