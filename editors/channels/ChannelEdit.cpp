#include "ChannelEdit.h"

#include "CheckedFrequency.h"
#include "ToneSelector.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/NumberText.h"
#include "editors/EditorHost.h"
#include "files/TranslateForm.h"
#include "widgets/HiddenText.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"
#include "widgets/WindowTeardown.h"

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

    cxChs = NamedList(this, "cxChs", {});
    Tag::set(cxChs, Tag::NeverTranslate);
    auto* lChs = NamedLabel(this, "lChs", QStringLiteral("Channel No."));
    lStep = HiddenText(this, "lStep", "Channel %1 %2");

    cxChInfo = new QTabWidget(this);
    cxChInfo->setObjectName(QStringLiteral("cxChInfo"));
    auto* page = new QWidget(cxChInfo);
    page->setObjectName(QStringLiteral("cxtbInfo"));
    cxChInfo->addTab(page, QStringLiteral("Information"));

    CreateChannelControls(this, page);
    cxName = new QLineEdit(page);
    cxName->setObjectName(QStringLiteral("cxName"));
    cxName->setMaxLength(6);
    cxName->setContextMenuPolicy(Qt::NoContextMenu);
    InstallKeyFilter(cxName, KeySet::Name);
    cxScan = new QCheckBox(QStringLiteral("Scan Add"), page);
    cxScan->setObjectName(QStringLiteral("cxScan"));

    auto* fields = new QGridLayout(page);
    const struct {
        QLabel* label;
        QWidget* control;
    } rows[] = {
        {NamedLabel(page, "lRx", QStringLiteral("RX Frequency[MHz]")), eRx},
        {NamedLabel(page, "lTX", QStringLiteral("TX Frequency[MHz]")), eTX},
        {NamedLabel(page, "lRxDcts", QStringLiteral("QT/DQT Deconde")), cxRxDcts},
        {NamedLabel(page, "lTxDcts", QStringLiteral("QT/DQT Encode")), cxTxDcts},
        {NamedLabel(page, "lWn", QStringLiteral("Wide/Narrow")), cxWn},
        {NamedLabel(page, "lPower", QStringLiteral("TX Power")), cxPower},
        {NamedLabel(page, "lName", QStringLiteral("Name")), cxName},
        {NamedLabel(page, "lTail", QStringLiteral("Epilogue")), cxTail},
        {NamedLabel(page, "lApro", QStringLiteral("Voice Mode")), cxApro},
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
    // cxRxDctsExit / cxTxDctsExit: the selector has applied the tone rule.
    for (ToneSelector* tone : {cxRxDcts, cxTxDcts})
        connect(tone, &ToneSelector::toneCommitted, this, [this, tone] { storeChange(tone); });
    for (QComboBox* list : {cxWn, cxPower, cxTail, cxApro})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { cbkzChange(list); });
    for (QCheckBox* box : {cxBclo, cxScan, cxVox_S})
        connect(box, &QCheckBox::clicked, this, [this, box] { cbkzChange(box); });
    connect(cxName, &QLineEdit::editingFinished, this, [this] {
        if (cxName->isModified()) cxNamePropertiesEditValueChanged();
    });

    TDocumentEdits& edits = documentEdits();
    connect(&edits, &TDocumentEdits::changed, this, &TfChsEdit::documentChanged);
    connect(&edits, &TDocumentEdits::currentChannelChanged, this,
            [this](int, const QObject* source) {
                if (source != this && shown) LoadChannel();
            });
}

TfChsEdit::~TfChsEdit()
{
    // FormDestroy: the shell's requests to reload the form are skipped from now on.
    if (fChsEdit == this) fChsEdit = nullptr;
    // Destroyed without being asked (a new document): the controls, losing the focus
    // as they go, must not store into the channel any more.
    DisconnectControls(this);
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
    if (all.currentChannel < 1 || all.currentChannel > all.channelCount)
        documentEdits().SetCurrentChannel(1, this);
    busy = true;
    channelGuard = true;
    cxChs->setCurrentIndex(all.currentChannel - 1);
    channelGuard = false;

    // Decoding for display cleans the record without a step of its own.
    TChannel ch;
    if (DecodeChannel(all, all.currentChannel, ch)) {
        EnableControls(true);
        ShowChannel(ch, ch.txFreq);
        cxScan->setChecked(ch.scanSkip == 0);
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
        StoreCommonFields(all, k);
        text = BoxFieldText(cxScan);
        SetChannelField(all, k, Field::Scan, text);
        text = cxName->text();
        SetChannelField(all, k, Field::Name, text);
        if (cxName->text() != text) cxName->setText(text);
    }
    busy = false;
}

void TfChsEdit::storeChange(const QWidget* control)
{
    if (busy) return;
    const QString step =
        lStep->text().arg(QString::number(appState().currentChannel), StepName(control));
    documentEdits().Edit(this, step, [this] { StoreChannel(); });
}

// Another window, undo or redo changed the document: the form shows the current
// channel again when that changed or when the step moved the current channel.
void TfChsEdit::documentChanged(const DocumentChange& change)
{
    if (change.source == this || !shown) return;
    const int k = appState().currentChannel;
    if (change.record(k) || cxChs->currentIndex() != k - 1) LoadChannel();
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
    storeChange(eRx);
    rxGuard = false;
}

void TfChsEdit::eSendPropertiesEditValueChanged()
{
    if (busy || txGuard) return;
    txGuard = true;
    eTX->setModified(false);
    const QString text = eTX->text().trimmed();
    const bool typed = !text.isEmpty();
    if (!typed) {
        eTX->setText(eRx->text());
    } else if (const auto checked = TypedFrequency(text)) {
        // The store shows what the channel record kept.
        eTX->setText(*checked);
    } else {
        eTX->setText(storedFrequency(Field::TxFreq));
        txGuard = false;
        return;
    }
    storeChange(eTX);
    if (typed) cxRxDcts->setFocus(Qt::OtherFocusReason);
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

void TfChsEdit::commitPendingEdits()
{
    if (eRx->isModified()) eReceivePropertiesEditValueChanged();
    if (eTX->isModified()) eSendPropertiesEditValueChanged();
    if (cxName->isModified()) cxNamePropertiesEditValueChanged();
    CommitTypedTones();
}

void TfChsEdit::cbkzChange(const QWidget* control)
{
    if (busy) return;
    commitPendingEdits();
    storeChange(control);
}

void TfChsEdit::cxNamePropertiesEditValueChanged()
{
    cxName->setModified(false);
    storeChange(cxName);
}

void TfChsEdit::cxChsPropertiesEditValueChanged(int index)
{
    if (channelGuard || index < 0) return;
    // What was typed belongs to the channel shown so far.
    commitPendingEdits();
    documentEdits().SetCurrentChannel(index + 1, this);
    LoadChannel();
}
