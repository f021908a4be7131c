#include "ChannelEdit.h"

#include "CheckedFrequency.h"
#include "ToneOption.h"
#include "ToneSelector.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
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
#include <QTabWidget>
#include <QVBoxLayout>

TfChsEdit* fChsEdit = nullptr;

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption)
{
    auto* label = new QLabel(QLatin1String(caption), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QCheckBox* makeBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QLatin1String(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QString boxValue(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
}

} // namespace

TfChsEdit::TfChsEdit(QWidget* parent) : QWidget(parent)
{
    fChsEdit = this;
    setObjectName(QStringLiteral("fChsEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed frame with the system menu and a minimise button; the main window hands
    // these hints on to the sub-window it puts the window in.
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    cxChs = makeList(this, "cxChs", {});
    Tag::set(cxChs, Tag::NeverTranslate);
    auto* lChs = makeLabel(this, "lChs", "Channel No.");

    cxChInfo = new QTabWidget(this);
    cxChInfo->setObjectName(QStringLiteral("cxChInfo"));
    auto* page = new QWidget(cxChInfo);
    page->setObjectName(QStringLiteral("cxtbInfo"));
    cxChInfo->addTab(page, QStringLiteral("Information"));

    eRx = new QLineEdit(page);
    eRx->setObjectName(QStringLiteral("eRx"));
    eTX = new QLineEdit(page);
    eTX->setObjectName(QStringLiteral("eTX"));
    for (QLineEdit* edit : {eRx, eTX}) {
        edit->setAlignment(Qt::AlignRight);
        InstallKeyFilter(edit, KeySet::Frequency);
    }
    cxRxDcts = new ToneSelector(FullToneList(), page);
    cxRxDcts->setObjectName(QStringLiteral("cxRxDcts"));
    cxTxDcts = new ToneSelector(FullToneList(), page);
    cxTxDcts->setObjectName(QStringLiteral("cxTxDcts"));
    for (ToneSelector* tone : {cxRxDcts, cxTxDcts})
        Tag::set(tone, Tag::FirstItemOnly);
    cxWn = makeList(page, "cxWn", {QStringLiteral("Narrow"), QStringLiteral("Wide")});
    cxPower = makeList(page, "cxPower", {QStringLiteral("Low"), QStringLiteral("High")});
    // Not reset with the other controls: a first new channel gets High, as in the grid.
    cxPower->setCurrentIndex(1);
    cxName = new QLineEdit(page);
    cxName->setObjectName(QStringLiteral("cxName"));
    cxName->setMaxLength(6);
    cxName->setContextMenuPolicy(Qt::NoContextMenu);
    InstallKeyFilter(cxName, KeySet::Name);
    cxTail = makeList(page, "cxTail", {QStringLiteral("Off"), QStringLiteral("On")});
    cxApro = makeList(
        page, "cxApro",
        {QStringLiteral("None"), QStringLiteral("Compander"), QStringLiteral("Scrambler")});
    cxBclo = makeBox(page, "cxBclo", "Busy Lock");
    cxScan = makeBox(page, "cxScan", "Scan Add");
    cxVox_S = makeBox(page, "cxVox_S", "Vox");

    auto* fields = new QGridLayout(page);
    const struct {
        QLabel* label;
        QWidget* control;
    } rows[] = {
        {makeLabel(page, "lRx", "RX Frequency[MHz]"), eRx},
        {makeLabel(page, "lTX", "TX Frequency[MHz]"), eTX},
        {makeLabel(page, "lRxDcts", "QT/DQT Deconde"), cxRxDcts},
        {makeLabel(page, "lTxDcts", "QT/DQT Encode"), cxTxDcts},
        {makeLabel(page, "lWn", "Wide/Narrow"), cxWn},
        {makeLabel(page, "lPower", "TX Power"), cxPower},
        {makeLabel(page, "lName", "Name"), cxName},
        {makeLabel(page, "lTail", "Epilogue"), cxTail},
        {makeLabel(page, "lApro", "Voice Mode"), cxApro},
    };
    int r = 0;
    for (const auto& row : rows) {
        row.label->setBuddy(row.control);
        row.control->setFixedWidth(120);
        fields->addWidget(row.label, r, 0);
        fields->addWidget(row.control, r, 1);
        ++r;
    }
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(cxBclo);
    boxes->addWidget(cxScan);
    boxes->addWidget(cxVox_S);
    fields->addLayout(boxes, r, 0, 1, 2);

    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    auto* top = new QHBoxLayout;
    lChs->setBuddy(cxChs);
    top->addWidget(lChs);
    top->addWidget(cxChs, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cxChInfo);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnClose, &QPushButton::clicked, this, &TfChsEdit::btnCloseClick);
    connect(cxChs, &QComboBox::currentIndexChanged, this,
            &TfChsEdit::cxChsPropertiesEditValueChanged);
    connect(eRx, &QLineEdit::editingFinished, this, [this] {
        if (eRx->isModified()) eReceivePropertiesEditValueChanged();
    });
    connect(eTX, &QLineEdit::editingFinished, this, [this] {
        if (eTX->isModified()) eSendPropertiesEditValueChanged();
    });
    for (ToneSelector* tone : {cxRxDcts, cxTxDcts}) {
        // cxRxDctsExit / cxTxDctsExit: the selector has applied the tone rule.
        connect(tone, &ToneSelector::toneCommitted, this, &TfChsEdit::StoreChannel);
        connect(tone, &ToneSelector::doubleClicked, this, [this, tone] { cxRxDctsDblClick(tone); });
    }
    for (QComboBox* list : {cxWn, cxPower, cxTail, cxApro})
        connect(list, &QComboBox::currentIndexChanged, this, &TfChsEdit::cbkzChange);
    for (QCheckBox* box : {cxBclo, cxScan, cxVox_S})
        connect(box, &QCheckBox::clicked, this, &TfChsEdit::cbkzChange);
    connect(cxName, &QLineEdit::editingFinished, this, [this] {
        if (cxName->isModified()) cxNamePropertiesEditValueChanged();
    });
}

TfChsEdit::~TfChsEdit()
{
    // FormDestroy: the grid's requests to reload the form are skipped from now on.
    if (fChsEdit == this) fChsEdit = nullptr;
    // Destroyed without being asked (a new document): the controls, losing the focus
    // as they go, must not store into the channel any more.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

// Closed by the user: what was typed but not yet committed is kept.
void TfChsEdit::closeEvent(QCloseEvent* event)
{
    commitPendingEdits();
    QWidget::closeEvent(event);
}

void TfChsEdit::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown) return;
    shown = true;
    FormShow();
}

void TfChsEdit::FormShow()
{
    busy = true;
    const TALL& all = appState();
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, true);
    channelGuard = true;
    for (int k = 1; k <= all.channelCount; ++k)
        cxChs->addItem(QString::number(k));
    channelGuard = false;
    busy = false;
    // Translated texts change the window's size; its frame follows.
    layout()->activate();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->adjustSize();
    PlaceEditorWindow(this);
}

void TfChsEdit::btnCloseClick()
{
    close();
}

void TfChsEdit::LoadChannel()
{
    TALL& all = appState();
    // A channel number left over from a model with more channels.
    if (all.currentChannel < 1 || all.currentChannel > all.channelCount) all.currentChannel = 1;
    busy = true;
    channelGuard = true;
    cxChs->setCurrentIndex(all.currentChannel - 1);
    channelGuard = false;

    TChannel& ch = workingChannel();
    if (DecodeChannel(all, all.currentChannel, ch)) {
        EnableControls(true);
        eRx->setText(FormatMHz(ch.rxFreq));
        eTX->setText(FormatMHz(ch.txFreq));
        cxRxDcts->showTone(ch.rxTone);
        cxTxDcts->showTone(ch.txTone);
        cxWn->setCurrentIndex(ch.bandwidth);
        cxPower->setCurrentIndex(ch.power);
        cxApro->setCurrentIndex(ch.voiceMode);
        cxTail->setCurrentIndex(ch.epilogue);
        cxScan->setChecked(ch.scanSkip == 0);
        cxBclo->setChecked(ch.busyLock == 0);
        cxVox_S->setChecked(ch.vox == 0);
        cxName->setText(NameWithoutPadding(ch.name));
    } else {
        eRx->clear();
        EnableControls(false);
        ResetControls();
    }
    busy = false;
}

void TfChsEdit::ResetControls()
{
    const bool wasBusy = busy;
    busy = true;
    eRx->clear();
    eTX->clear();
    cxRxDcts->showTone(QString());
    cxTxDcts->showTone(QString());
    cxWn->setCurrentIndex(1);
    cxBclo->setChecked(false);
    cxScan->setChecked(false);
    cxVox_S->setChecked(false);
    cxApro->setCurrentIndex(0);
    cxTail->setCurrentIndex(1);
    cxName->clear();
    busy = wasBusy;
}

void TfChsEdit::EnableControls(bool on)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{eTX, cxRxDcts, cxTxDcts, cxWn, cxPower, cxName, cxTail,
                                         cxApro, cxBclo, cxScan, cxVox_S})
        control->setEnabled(on);
}

void TfChsEdit::StoreChannel()
{
    if (busy) return;
    busy = true;
    TALL& all = appState();
    const int k = all.currentChannel;
    QString text = eRx->text();
    SetChannelField(all, k, Field::RxFreq, text);
    eRx->setText(text);
    if (!text.isEmpty()) {
        text = eTX->text();
        SetChannelField(all, k, Field::TxFreq, text);
        eTX->setText(text);
        const auto store = [&](int field, QString value) { SetChannelField(all, k, field, value); };
        store(Field::RxTone, cxRxDcts->storedTone());
        store(Field::TxTone, cxTxDcts->storedTone());
        store(Field::Bandwidth, QString::number(cxWn->currentIndex()));
        store(Field::Power, QString::number(cxPower->currentIndex()));
        store(Field::BusyLock, boxValue(cxBclo));
        store(Field::Scan, boxValue(cxScan));
        store(Field::VoiceMode, QString::number(cxApro->currentIndex()));
        store(Field::Epilogue, QString::number(cxTail->currentIndex()));
        store(Field::Vox, boxValue(cxVox_S));
        text = cxName->text();
        SetChannelField(all, k, Field::Name, text);
        if (cxName->text() != text) cxName->setText(text);
    }
    busy = false;
    all.modified = true;
    RequestRefresh(RefreshReason::ChannelEditStored);
}

void TfChsEdit::eReceivePropertiesEditValueChanged()
{
    if (busy || rxGuard) return;
    rxGuard = true;
    eRx->setModified(false);
    const QString text = eRx->text().trimmed();
    if (!text.isEmpty()) {
        const auto typed = TypedFrequency(text);
        if (!typed) {
            eRx->setText(storedFrequency(Field::RxFreq));
            rxGuard = false;
            return;
        }
        eRx->setText(*typed);
        EnableControls(true);
        if (eTX->text().isEmpty()) {
            txGuard = true;
            eTX->setText(eRx->text());
            txGuard = false;
        }
    } else {
        ResetControls();
        EnableControls(false);
    }
    StoreChannel();
    rxGuard = false;
}

void TfChsEdit::eSendPropertiesEditValueChanged()
{
    if (busy || txGuard) return;
    txGuard = true;
    eTX->setModified(false);
    const QString text = eTX->text().trimmed();
    if (text.isEmpty()) {
        eTX->setText(eRx->text());
    } else if (const auto typed = TypedFrequency(text)) {
        QString tx = *typed;
        SetChannelField(appState(), appState().currentChannel, Field::TxFreq, tx);
        eTX->setText(tx);
        cxRxDcts->setFocus(Qt::OtherFocusReason);
    } else {
        eTX->setText(storedFrequency(Field::TxFreq));
        txGuard = false;
        return;
    }
    StoreChannel();
    txGuard = false;
}

// The receive or transmit frequency the image holds for the current channel, as shown;
// empty for a channel not in use.
QString TfChsEdit::storedFrequency(int field) const
{
    TChannel ch;
    if (!DecodeChannel(appState(), appState().currentChannel, ch)) return QString();
    return FormatMHz(field == Field::TxFreq ? ch.txFreq : ch.rxFreq);
}

void TfChsEdit::cxRxDctsDblClick(ToneSelector* selector)
{
    const QString tone = ShowToneOption(this);
    if (!tone.isEmpty()) selector->pickTone(tone);
}

void TfChsEdit::commitPendingEdits()
{
    if (eRx->isModified()) eReceivePropertiesEditValueChanged();
    if (eTX->isModified()) eSendPropertiesEditValueChanged();
    if (cxName->isModified()) cxNamePropertiesEditValueChanged();
}

void TfChsEdit::cbkzChange()
{
    if (busy) return;
    commitPendingEdits();
    StoreChannel();
}

void TfChsEdit::cxNamePropertiesEditValueChanged()
{
    cxName->setModified(false);
    StoreChannel();
}

void TfChsEdit::cxChsPropertiesEditValueChanged(int index)
{
    if (channelGuard || index < 0) return;
    // What was typed belongs to the channel shown so far.
    commitPendingEdits();
    appState().currentChannel = index + 1;
    RequestRefresh(RefreshReason::ChannelEditStored);
    LoadChannel();
}
