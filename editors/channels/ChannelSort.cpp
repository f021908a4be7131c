#include "ChannelSort.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfChsSort::TfChsSort(bool selection, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fChsSort"));
    setWindowTitle(QStringLiteral("Sort Channels"));
    const auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    lSelection = new QLabel(QStringLiteral("The selected channels are sorted."), this);
    named(lSelection, "lSelection")->hide();
    lAll = new QLabel(QStringLiteral("All channels in use are sorted."), this);
    named(lAll, "lAll")->hide();
    lScope = new QLabel(this);
    named(lScope, "lScope");
    showScope(selection);

    auto* by = new QGroupBox(QStringLiteral("Sort by"), this);
    named(by, "gbSortBy");
    rbRxFrequency = new QRadioButton(QStringLiteral("&RX frequency"), by);
    named(rbRxFrequency, "rbRxFrequency");
    rbName = new QRadioButton(QStringLiteral("&Name"), by);
    named(rbName, "rbName");
    rbTone = new QRadioButton(QStringLiteral("&Tone"), by);
    named(rbTone, "rbTone");
    rbRxFrequency->setChecked(true);
    auto* byLayout = new QVBoxLayout(by);
    for (QRadioButton* b : {rbRxFrequency, rbName, rbTone})
        byLayout->addWidget(b);

    cbCloseGaps = new QCheckBox(QStringLiteral("&Close the gaps of empty channels"), this);
    named(cbCloseGaps, "cbCloseGaps");
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    named(btnOk, "btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    named(btnCancel, "btnCancel");
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lScope);
    layout->addWidget(by);
    layout->addWidget(cbCloseGaps);
    layout->addLayout(buttons);
}

// Called again after the dialog is translated.
void TfChsSort::showScope(bool selection)
{
    lScope->setText(selection ? lSelection->text() : lAll->text());
}

ChannelSortKey TfChsSort::key() const
{
    if (rbName->isChecked()) return ChannelSortKey::Name;
    if (rbTone->isChecked()) return ChannelSortKey::Tone;
    return ChannelSortKey::RxFrequency;
}

bool TfChsSort::closeGaps() const
{
    return cbCloseGaps->isChecked();
}
