#include "BatchEdit.h"

#include "core/BatchFill.h"
#include "core/DataModule.h"
#include "core/FrequencyCodecs.h"
#include "core/NumberText.h"
#include "core/ToneLists.h"
#include "editors/EditorHost.h"
#include "files/TranslateForm.h"
#include "widgets/HiddenText.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

TfBatch* fBatch = nullptr;

namespace {

// The range edits take any whole number while it is typed and bring it into their range
// when it is committed: a typed 200 becomes the channel count instead of a refused key.
class RangeSpinBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int&) const override
    {
        if (text.isEmpty()) return QValidator::Intermediate;
        if (text.size() > 6) return QValidator::Invalid;
        for (QChar c : text)
            if (!c.isDigit()) return QValidator::Invalid;
        return QValidator::Acceptable;
    }
    int valueFromText(const QString& text) const override { return text.toInt(); }
};

template <class T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    return named(new QLabel(text, parent), name);
}

QRadioButton* radio(QWidget* parent, const char* name, const QString& text)
{
    return named(new QRadioButton(text, parent), name);
}

QCheckBox* check(QWidget* parent, const char* name, const QString& text)
{
    return named(new QCheckBox(text, parent), name);
}

QLineEdit* numberEdit(QWidget* parent, const char* name, KeySet keys, int width)
{
    auto* edit = named(new QLineEdit(parent), name);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(width);
    InstallKeyFilter(edit, keys);
    return edit;
}

QComboBox* pickList(QWidget* parent, const char* name, const QStringList& items, int selected)
{
    auto* combo = named(new QComboBox(parent), name);
    combo->addItems(items);
    combo->setCurrentIndex(selected);
    return combo;
}

// Radio buttons that share a group box but not a choice get a group of their own.
void exclusive(QWidget* owner, std::initializer_list<QRadioButton*> buttons)
{
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* b : buttons)
        group->addButton(b);
    (*buttons.begin())->setChecked(true);
}

double number(const QLineEdit* edit)
{
    double v = 0.0;
    return TextToNumber(edit->text().trimmed(), v) ? v : 0.0;
}

} // namespace

TfBatch::TfBatch(QWidget* parent) : QWidget(parent)
{
    fBatch = this;
    setObjectName(QStringLiteral("fBatch"));
    setWindowTitle(QStringLiteral("Batch Channel Edit"));
    // A fixed frame with the system menu only; the main window hands these hints on to
    // the sub-window it puts the window in.
    setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    constexpr int FreqWidth = 90;
    constexpr int SpaceWidth = 50;

    // Range.
    auto* gbBound = named(new QGroupBox(QStringLiteral("Bound:"), this), "gbBound");
    cxAll = radio(gbBound, "cxAll", QStringLiteral("All Channel"));
    cxChs = radio(gbBound, "cxChs", QStringLiteral("Channel"));
    exclusive(this, {cxAll, cxChs});
    cxFrom = named(new RangeSpinBox(gbBound), "cxFrom");
    cxTo = named(new RangeSpinBox(gbBound), "cxTo");
    for (QSpinBox* s : {cxFrom, cxTo}) {
        s->setRange(1, 128);
        s->setKeyboardTracking(false); // validated when committed, not per keystroke
        s->setAlignment(Qt::AlignRight);
        s->setFixedWidth(64);
    }
    cxTo->setValue(128);
    cxClear = check(gbBound, "cxClear", QStringLiteral("Clear Data"));
    {
        auto* l = new QHBoxLayout(gbBound);
        l->addWidget(cxAll);
        l->addSpacing(8);
        l->addWidget(cxChs);
        l->addWidget(label(gbBound, "lbFrom", QStringLiteral("From")));
        l->addWidget(cxFrom);
        l->addWidget(label(gbBound, "lbTo", QStringLiteral("To")));
        l->addWidget(cxTo);
        l->addStretch();
        l->addWidget(cxClear);
    }

    // Receive frequency.
    auto* gbRxFreq = named(new QGroupBox(QStringLiteral("RX Frequency:"), this), "gbRxFreq");
    cxRx_freq = numberEdit(gbRxFreq, "cxRx_freq", KeySet::Frequency, FreqWidth);
    cxRx_Step = numberEdit(gbRxFreq, "cxRx_Step", KeySet::Frequency, FreqWidth);
    cxRx_asc = radio(gbRxFreq, "cxRx_asc", QStringLiteral("ASC"));
    cxRx_dec = radio(gbRxFreq, "cxRx_dec", QStringLiteral("DESC"));
    exclusive(this, {cxRx_asc, cxRx_dec});
    {
        auto* l = new QGridLayout(gbRxFreq);
        l->addWidget(label(gbRxFreq, "lbRx_freq", QStringLiteral("Begin Freq.(MHz)")), 0, 0);
        l->addWidget(cxRx_freq, 0, 1);
        l->addWidget(label(gbRxFreq, "lbRx_Step", QStringLiteral("Step Freq.(MHz)")), 1, 0);
        l->addWidget(cxRx_Step, 1, 1);
        l->addWidget(cxRx_asc, 1, 2);
        l->addWidget(cxRx_dec, 1, 3);
        l->setColumnStretch(4, 1);
    }

    // Transmit frequency.
    auto* gbTxFreq = named(new QGroupBox(QStringLiteral("TX Frequency:"), this), "gbTxFreq");
    cxTx_def = radio(gbTxFreq, "cxTx_def", QStringLiteral("Default"));
    cxTx_Exc = radio(gbTxFreq, "cxTx_Exc", QStringLiteral("Excursion Freq.(MHz)"));
    cxTx_Self = radio(gbTxFreq, "cxTx_Self", QStringLiteral("Begin Freq.(MHz)"));
    exclusive(this, {cxTx_def, cxTx_Exc, cxTx_Self});
    cxExc_Freq = numberEdit(gbTxFreq, "cxExc_Freq", KeySet::Frequency, FreqWidth);
    cxDup_add = radio(gbTxFreq, "cxDup_add", QStringLiteral("+Dup"));
    cxDup_Dec = radio(gbTxFreq, "cxDup_Dec", QStringLiteral("-Dup"));
    exclusive(this, {cxDup_add, cxDup_Dec});
    cxTx_Freq = numberEdit(gbTxFreq, "cxTx_Freq", KeySet::Frequency, FreqWidth);
    cxTx_step = numberEdit(gbTxFreq, "cxTx_step", KeySet::Frequency, FreqWidth);
    cxTx_asc = radio(gbTxFreq, "cxTx_asc", QStringLiteral("ASC"));
    cxTx_dec = radio(gbTxFreq, "cxTx_dec", QStringLiteral("DESC"));
    exclusive(this, {cxTx_asc, cxTx_dec});
    {
        auto* l = new QGridLayout(gbTxFreq);
        l->addWidget(cxTx_def, 0, 0);
        l->addWidget(cxTx_Exc, 1, 0);
        l->addWidget(cxExc_Freq, 1, 1);
        l->addWidget(cxDup_add, 1, 2);
        l->addWidget(cxDup_Dec, 1, 3);
        l->addWidget(cxTx_Self, 2, 0);
        l->addWidget(cxTx_Freq, 2, 1);
        l->addWidget(label(gbTxFreq, "lbTx_step", QStringLiteral("Step Freq.(MHz)")), 3, 0,
                     Qt::AlignRight);
        l->addWidget(cxTx_step, 3, 1);
        l->addWidget(cxTx_asc, 3, 2);
        l->addWidget(cxTx_dec, 3, 3);
        l->setColumnStretch(4, 1);
    }

    // Receive tone.
    auto* gbRxTone = named(new QGroupBox(QStringLiteral("RX QT/DQT:"), this), "gbRxTone");
    cxRx_Dcts = pickList(gbRxTone, "cxRx_Dcts", BatchToneList(), 0);
    Tag::set(cxRx_Dcts, Tag::FirstItemOnly);
    cxRx_Dcts->setMaxVisibleItems(16);
    cxRx_Ran = check(gbRxTone, "cxRx_Ran", QStringLiteral("Random"));
    cxRx_Dcts_step = numberEdit(gbRxTone, "cxRx_Dcts_step", KeySet::Digits, SpaceWidth);
    cxRx_Dcts_asc = radio(gbRxTone, "cxRx_Dcts_asc", QStringLiteral("ASC"));
    cxRx_Dcts_dec = radio(gbRxTone, "cxRx_Dcts_dec", QStringLiteral("DESC"));
    exclusive(this, {cxRx_Dcts_asc, cxRx_Dcts_dec});
    {
        auto* l = new QGridLayout(gbRxTone);
        l->addWidget(label(gbRxTone, "lbRx_Dcts", QStringLiteral("Begin")), 0, 0);
        l->addWidget(cxRx_Dcts, 0, 1);
        l->addWidget(cxRx_Ran, 0, 2, 1, 2);
        l->addWidget(label(gbRxTone, "lbRx_Dcts_step", QStringLiteral("Space")), 1, 0);
        l->addWidget(cxRx_Dcts_step, 1, 1, Qt::AlignLeft);
        l->addWidget(cxRx_Dcts_asc, 1, 2);
        l->addWidget(cxRx_Dcts_dec, 1, 3);
        l->setColumnStretch(4, 1);
    }

    // Transmit tone.
    auto* gbTxTone = named(new QGroupBox(QStringLiteral("TX QT/DQT:"), this), "gbTxTone");
    cxTx_Dcts_def = radio(gbTxTone, "cxTx_Dcts_def", QStringLiteral("Default"));
    cxTx_Dcts_self = radio(gbTxTone, "cxTx_Dcts_self", QStringLiteral("Begin"));
    exclusive(this, {cxTx_Dcts_def, cxTx_Dcts_self});
    cxTx_Dcts = pickList(gbTxTone, "cxTx_Dcts", BatchToneList(), 0);
    Tag::set(cxTx_Dcts, Tag::FirstItemOnly);
    cxTx_Dcts->setMaxVisibleItems(16);
    cxTx_ran = check(gbTxTone, "cxTx_ran", QStringLiteral("Random"));
    cxTx_Dcts_step = numberEdit(gbTxTone, "cxTx_Dcts_step", KeySet::Digits, SpaceWidth);
    cxTx_Dcts_asc = radio(gbTxTone, "cxTx_Dcts_asc", QStringLiteral("ASC"));
    cxTx_Dcts_dec = radio(gbTxTone, "cxTx_Dcts_dec", QStringLiteral("DESC"));
    exclusive(this, {cxTx_Dcts_asc, cxTx_Dcts_dec});
    {
        auto* l = new QGridLayout(gbTxTone);
        l->addWidget(cxTx_Dcts_def, 0, 0, 1, 2);
        l->addWidget(cxTx_Dcts_self, 1, 0);
        l->addWidget(cxTx_Dcts, 1, 1);
        l->addWidget(cxTx_ran, 1, 2, 1, 2);
        l->addWidget(label(gbTxTone, "lbTx_Dcts_step", QStringLiteral("Space")), 2, 0);
        l->addWidget(cxTx_Dcts_step, 2, 1, Qt::AlignLeft);
        l->addWidget(cxTx_Dcts_asc, 2, 2);
        l->addWidget(cxTx_Dcts_dec, 2, 3);
        l->setColumnStretch(4, 1);
    }

    // Common values.
    auto* gbOther = named(new QGroupBox(this), "gbOther");
    cxPower = pickList(gbOther, "cxPower", {QStringLiteral("Low"), QStringLiteral("High")}, 1);
    cxWn = pickList(gbOther, "cxWn", {QStringLiteral("Narrow"), QStringLiteral("Wide")}, 1);
    cxApro = pickList(
        gbOther, "cxApro",
        {QStringLiteral("None"), QStringLiteral("Compander"), QStringLiteral("Scrambler")}, 0);
    cxName = named(new QLineEdit(gbOther), "cxName");
    cxName->setMaxLength(6);
    cxName->setFixedWidth(FreqWidth);
    InstallKeyFilter(cxName, KeySet::NameWithUnderscore);
    cxUse_Chs = check(gbOther, "cxUse_Chs", QStringLiteral("Use Channel"));
    cxBclo = check(gbOther, "cxBclo", QStringLiteral("Busy Lock"));
    cxVox = check(gbOther, "cxVox", QStringLiteral("Vox"));
    cxScan = check(gbOther, "cxScan", QStringLiteral("Scan Add"));
    cxTxRev = check(gbOther, "cxTxRev", QStringLiteral("Epilogue"));
    cxTxRev->setChecked(true);
    {
        auto* l = new QGridLayout(gbOther);
        l->addWidget(label(gbOther, "lbPower", QStringLiteral("TX Power")), 0, 0);
        l->addWidget(cxPower, 0, 1);
        l->addWidget(label(gbOther, "lbWn", QStringLiteral("W/N")), 0, 2);
        l->addWidget(cxWn, 0, 3);
        l->addWidget(label(gbOther, "lbApro", QStringLiteral("Voice Mode")), 1, 0);
        l->addWidget(cxApro, 1, 1);
        l->addWidget(label(gbOther, "lbName", QStringLiteral("Name")), 1, 2);
        l->addWidget(cxName, 1, 3);
        l->addWidget(cxUse_Chs, 1, 4);
        auto* flags = new QHBoxLayout;
        for (QCheckBox* b : {cxBclo, cxVox, cxScan, cxTxRev})
            flags->addWidget(b);
        flags->addStretch();
        l->addLayout(flags, 2, 0, 1, 5);
    }

    btnOk = named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");
    lStepFill = HiddenText(this, "lStepFill", "Batch fill %1-%2");
    lStepClear = HiddenText(this, "lStepClear", "Batch clear %1-%2");

    auto* left = new QVBoxLayout;
    left->addWidget(gbRxFreq);
    left->addWidget(gbTxFreq);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(gbRxTone);
    right->addWidget(gbTxTone);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(gbBound);
    outer->addLayout(columns);
    outer->addWidget(gbOther);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Start values of the edits; FormShow puts in the band-dependent ones.
    for (QLineEdit* e : {cxRx_Step, cxExc_Freq, cxTx_step})
        e->setText(FormatMHz(0.0));
    for (QLineEdit* e : {cxRx_Dcts_step, cxTx_Dcts_step})
        e->setText(QStringLiteral("0"));

    connect(btnOk, &QPushButton::clicked, this, &TfBatch::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfBatch::btnCancelClick);
    for (QRadioButton* b : {cxAll, cxChs})
        connect(b, &QRadioButton::toggled, this, &TfBatch::cxAllClick);
    for (QRadioButton* b : {cxTx_def, cxTx_Exc, cxTx_Self})
        connect(b, &QRadioButton::toggled, this, &TfBatch::cxTx_defClick);
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{cxTx_Dcts_def, cxTx_Dcts_self, cxTx_ran})
        connect(b, &QAbstractButton::toggled, this, &TfBatch::cxTx_Dcts_defClick);
    for (QCheckBox* b : {cxRx_Ran, cxClear})
        connect(b, &QCheckBox::toggled, this, &TfBatch::cxRx_RanClick);

    // Edits are corrected when committed (Enter or leaving them), never per keystroke.
    auto onCommit = [this](QLineEdit* edit, auto handler) {
        connect(edit, &QLineEdit::editingFinished, this, [edit, handler] {
            if (edit->isModified()) handler();
        });
    };
    onCommit(cxRx_freq, [this] { cxRx_freqPropertiesEditValueChanged(); });
    onCommit(cxTx_Freq, [this] { cxTx_FreqPropertiesEditValueChanged(); });
    for (QLineEdit* e : {cxRx_Step, cxTx_step, cxExc_Freq})
        onCommit(e, [this, e] { stepPropertiesEditValueChanged(e); });
    for (QLineEdit* e : {cxRx_Dcts_step, cxTx_Dcts_step})
        onCommit(e, [this, e] { spacePropertiesEditValueChanged(e); });
    connect(cxFrom, &QSpinBox::valueChanged, this, &TfBatch::cxFromPropertiesValidate);
    // cxTo needs no handler of its own: 1 .. N is its spin box range, and it may lie below
    // From (the fill then does nothing).

    cxAllClick();
    cxTx_defClick();
    cxTx_Dcts_defClick();
    cxRx_RanClick();
}

TfBatch::~TfBatch()
{
    if (fBatch == this) fBatch = nullptr;
}

void TfBatch::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown) {
        shown = true;
        FormShow();
    }
}

void TfBatch::FormShow()
{
    const TALL& all = appState();
    if (all.languageIndex > 0) TranslateForm(this, all.languageName, true);
    if (!qobject_cast<QMdiSubWindow*>(parentWidget())) setAttribute(Qt::WA_DeleteOnClose);

    const QString start = FormatMHz(LowestBandEdge(all));
    cxRx_freq->setText(start);
    cxTx_Freq->setText(start);
    const int n = qMax(1, all.channelCount);
    cxFrom->setMaximum(n);
    cxTo->setMaximum(n);
    cxTo->setValue(n);
    // Translated texts change the window's size; its frame follows.
    layout()->activate();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->adjustSize();
    PlaceEditorWindow(this);
}

BatchFillOptions TfBatch::FillOptions() const
{
    BatchFillOptions o;
    o.allChannels = cxAll->isChecked();
    o.from = cxFrom->value();
    o.to = cxTo->value();
    o.clear = cxClear->isChecked();

    o.rxStart = number(cxRx_freq);
    o.rxStep = BatchStepValue(cxRx_Step->text());
    o.rxAscending = cxRx_asc->isChecked();

    o.transmit = cxTx_Exc->isChecked()    ? BatchTransmit::Excursion
                 : cxTx_Self->isChecked() ? BatchTransmit::OwnStart
                                          : BatchTransmit::SameAsReceive;
    o.excursion = BatchStepValue(cxExc_Freq->text());
    o.excursionPlus = cxDup_add->isChecked();
    o.txStart = number(cxTx_Freq);
    o.txStep = BatchStepValue(cxTx_step->text());
    o.txAscending = cxTx_asc->isChecked();

    o.rxTonePosition = cxRx_Dcts->currentIndex();
    o.rxToneSpace = BatchSpaceValue(cxRx_Dcts_step->text());
    o.rxToneAscending = cxRx_Dcts_asc->isChecked();
    o.rxToneRandom = cxRx_Ran->isChecked();
    o.txToneSameAsReceive = cxTx_Dcts_def->isChecked();
    o.txTonePosition = cxTx_Dcts->currentIndex();
    o.txToneSpace = BatchSpaceValue(cxTx_Dcts_step->text());
    o.txToneAscending = cxTx_Dcts_asc->isChecked();
    o.txToneRandom = cxTx_ran->isChecked();

    o.bandwidth = cxWn->currentIndex();
    o.power = cxPower->currentIndex();
    o.voiceMode = cxApro->currentIndex();
    o.name = cxName->text();
    o.nameIsChannelNumber = cxUse_Chs->isChecked();
    o.busyLock = cxBclo->isChecked();
    o.vox = cxVox->isChecked();
    o.scanAdd = cxScan->isChecked();
    return o;
}

void TfBatch::btnOkClick()
{
    commitPendingEdits();
    TALL& all = appState();
    const BatchFillOptions options = FillOptions();
    const BatchRange range = BatchFillRange(all, options);
    const QString step = (options.clear ? lStepClear : lStepFill)
                             ->text()
                             .arg(QString::number(range.from), QString::number(range.to));
    documentEdits().Edit(this, step, [&] { FillChannels(all, options); });
}

void TfBatch::btnCancelClick()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TfBatch::commitPendingEdits()
{
    if (cxRx_freq->isModified()) cxRx_freqPropertiesEditValueChanged();
    if (cxTx_Freq->isModified()) cxTx_FreqPropertiesEditValueChanged();
    for (QLineEdit* e : {cxRx_Step, cxTx_step, cxExc_Freq})
        if (e->isModified()) stepPropertiesEditValueChanged(e);
    for (QLineEdit* e : {cxRx_Dcts_step, cxTx_Dcts_step})
        if (e->isModified()) spacePropertiesEditValueChanged(e);
    for (QSpinBox* s : {cxFrom, cxTo})
        s->interpretText();
}

void TfBatch::cxAllClick()
{
    const bool range = !cxAll->isChecked();
    cxFrom->setEnabled(range);
    cxTo->setEnabled(range);
}

void TfBatch::cxTx_defClick()
{
    const bool excursion = cxTx_Exc->isChecked();
    const bool own = cxTx_Self->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{cxExc_Freq, cxDup_add, cxDup_Dec})
        w->setEnabled(excursion);
    for (QWidget* w : std::initializer_list<QWidget*>{cxTx_Freq, cxTx_step, cxTx_asc, cxTx_dec})
        w->setEnabled(own);
}

void TfBatch::cxTx_Dcts_defClick()
{
    const bool own = cxTx_Dcts_self->isChecked();
    const bool stepping = own && !cxTx_ran->isChecked();
    cxTx_ran->setEnabled(own);
    for (QWidget* w :
         std::initializer_list<QWidget*>{cxTx_Dcts, cxTx_Dcts_step, cxTx_Dcts_asc, cxTx_Dcts_dec})
        w->setEnabled(stepping);
}

void TfBatch::cxRx_RanClick()
{
    const bool stepping = !cxRx_Ran->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{cxRx_Dcts, cxRx_Dcts_step, cxRx_Dcts_asc, cxRx_Dcts_dec})
        w->setEnabled(stepping);
}

void TfBatch::cxRx_freqPropertiesEditValueChanged()
{
    cxRx_freq->setText(FormatMHz(BatchStartFrequency(appState(), cxRx_freq->text())));
}

void TfBatch::cxTx_FreqPropertiesEditValueChanged()
{
    // Against the receive start as it stands, typed or not.
    const double rx = BatchStartFrequency(appState(), cxRx_freq->text());
    cxTx_Freq->setText(FormatMHz(BatchTransmitStart(appState(), cxTx_Freq->text(), rx)));
}

void TfBatch::stepPropertiesEditValueChanged(QLineEdit* edit)
{
    edit->setText(FormatMHz(BatchStepValue(edit->text())));
}

void TfBatch::spacePropertiesEditValueChanged(QLineEdit* edit)
{
    edit->setText(QString::number(BatchSpaceValue(edit->text())));
}

void TfBatch::cxFromPropertiesValidate()
{
    // The spin box has already brought the value into 1 .. N.
    if (cxFrom->value() > cxTo->value()) cxFrom->setValue(cxTo->value());
}
