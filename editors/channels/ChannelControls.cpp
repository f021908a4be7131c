#include "ChannelControls.h"

#include "ToneOption.h"
#include "ToneSelector.h"
#include "core/ChannelRecord.h"
#include "core/NumberText.h"
#include "core/ToneLists.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

QLineEdit* frequencyEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    InstallKeyFilter(edit, KeySet::Frequency);
    return edit;
}

ToneSelector* toneSelector(QWidget* window, QWidget* parent, const char* name)
{
    auto* tone = new ToneSelector(FullToneList(), parent);
    tone->setObjectName(QLatin1String(name));
    Tag::set(tone, Tag::FirstItemOnly);
    // cxRxDctsDblClick / cxTxDctsDblClick: the picked tone is committed as if typed.
    QObject::connect(tone, &ToneSelector::doubleClicked, tone, [window, tone] {
        const QString picked = ShowToneOption(window);
        if (!picked.isEmpty()) tone->pickTone(picked);
    });
    return tone;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QLatin1String(caption), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

void ChannelControls::CreateChannelControls(QWidget* window, QWidget* page)
{
    eRx = frequencyEdit(page, "eRx");
    eTX = frequencyEdit(page, "eTX");
    cxRxDcts = toneSelector(window, page, "cxRxDcts");
    cxTxDcts = toneSelector(window, page, "cxTxDcts");
    cxWn = NamedList(page, "cxWn", {QStringLiteral("Narrow"), QStringLiteral("Wide")});
    cxPower = NamedList(page, "cxPower", {QStringLiteral("Low"), QStringLiteral("High")});
    // High until a channel shows otherwise: a new memory channel gets what the list shows.
    cxPower->setCurrentIndex(1);
    cxTail = NamedList(page, "cxTail", {QStringLiteral("Off"), QStringLiteral("On")});
    cxApro = NamedList(
        page, "cxApro",
        {QStringLiteral("None"), QStringLiteral("Compander"), QStringLiteral("Scrambler")});
    cxBclo = checkBox(page, "cxBclo", "Busy Lock");
    cxVox_S = checkBox(page, "cxVox_S", "Vox");
}

void ChannelControls::ShowChannel(const TChannel& ch, double second) const
{
    eRx->setText(FormatMHz(ch.rxFreq));
    eTX->setText(FormatMHz(second));
    cxRxDcts->showTone(ch.rxTone);
    cxTxDcts->showTone(ch.txTone);
    // The lists are ordered so that the entry index is the stored value.
    cxWn->setCurrentIndex(ch.bandwidth);
    cxPower->setCurrentIndex(ch.power);
    cxApro->setCurrentIndex(ch.voiceMode);
    cxTail->setCurrentIndex(ch.epilogue);
    // The boxes show the inverse of the stored bit.
    cxBclo->setChecked(ch.busyLock == 0);
    cxVox_S->setChecked(ch.vox == 0);
}

void ChannelControls::StoreCommonFields(TALL& all, int k) const
{
    const auto store = [&](int field, QString text) { SetChannelField(all, k, field, text); };
    store(Field::RxTone, cxRxDcts->storedTone());
    store(Field::TxTone, cxTxDcts->storedTone());
    store(Field::Bandwidth, QString::number(cxWn->currentIndex()));
    store(Field::Power, QString::number(cxPower->currentIndex()));
    store(Field::BusyLock, BoxFieldText(cxBclo));
    store(Field::VoiceMode, QString::number(cxApro->currentIndex()));
    store(Field::Vox, BoxFieldText(cxVox_S));
    store(Field::Epilogue, QString::number(cxTail->currentIndex()));
}

void ChannelControls::CommitTypedTones() const
{
    for (ToneSelector* tone : {cxRxDcts, cxTxDcts})
        tone->commit();
}

QString BoxFieldText(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox* NamedList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QString StepName(const QWidget* control)
{
    QString caption;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        caption = button->text();
    // The label that names a control stands beside it.
    if (const QWidget* parent = control->parentWidget()) {
        const QList<QLabel*> labels = parent->findChildren<QLabel*>();
        for (const QLabel* label : labels)
            if (label->buddy() == control) caption = label->text();
    }
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    static const QRegularExpression tail(
        QStringLiteral("\\s*([\\[(（][^\\[(（]*[\\])）])?\\s*[:：]?\\s*$"));
    caption.remove(tail);
    return caption.trimmed();
}
