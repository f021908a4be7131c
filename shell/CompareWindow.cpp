#include "CompareWindow.h"

#include "core/ChannelListItems.h"
#include "core/DataModule.h"
#include "core/DocumentTakeOver.h"
#include "core/SettingsCatalog.h"
#include "files/LanguageFile.h"
#include "files/TranslateForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Row data: the index of the difference in the list.
constexpr int IndexRole = Qt::UserRole;

const QStringList& GroupTitles()
{
    static const QStringList titles = {QStringLiteral("Memory channels"),
                                       QStringLiteral("Frequency channels"),
                                       QStringLiteral("FM radio"), QStringLiteral("Settings"),
                                       QStringLiteral("Model information")};
    return titles;
}

// The model block's keys, in the order of the hidden list lsModelKeys that names them.
const QStringList& ModelKeys()
{
    static const QStringList keys = {QStringLiteral("id"),
                                     QStringLiteral("name"),
                                     QStringLiteral("band_text"),
                                     QStringLiteral("band_mask"),
                                     QStringLiteral("band_source_marker"),
                                     QStringLiteral("serial_number"),
                                     QStringLiteral("write_time"),
                                     QStringLiteral("low"),
                                     QStringLiteral("high")};
    return keys;
}

const QStringList& ModelKeyNames()
{
    static const QStringList names = {QStringLiteral("Model identifier"),
                                      QStringLiteral("Model name"),
                                      QStringLiteral("Bands"),
                                      QStringLiteral("Band mask"),
                                      QStringLiteral("Band source marker"),
                                      QStringLiteral("Serial number"),
                                      QStringLiteral("Last written to the radio"),
                                      QStringLiteral("Band %1 lower edge"),
                                      QStringLiteral("Band %1 upper edge")};
    return names;
}

// Where the grid shows a channel key: its column.
int gridColumnOf(const QString& key)
{
    static const QStringList keys = {QString(),
                                     QStringLiteral("rx"),
                                     QStringLiteral("tx"),
                                     QStringLiteral("rx_tone"),
                                     QStringLiteral("tx_tone"),
                                     QStringLiteral("power"),
                                     QStringLiteral("bandwidth"),
                                     QStringLiteral("scan_skip"),
                                     QStringLiteral("vox"),
                                     QStringLiteral("voice"),
                                     QStringLiteral("busy_lock"),
                                     QStringLiteral("epilogue"),
                                     QStringLiteral("name")};
    return int(keys.indexOf(key));
}

} // namespace

TfCompare::TfCompare(const TALL& o, const QString& name, TakeOver take, QWidget* parent)
    : QWidget(parent, Qt::Window), other(o), otherName(name), takeOver(std::move(take))
{
    setObjectName(QStringLiteral("fCompare"));
    setWindowTitle(tr("Compare"));
    setAttribute(Qt::WA_DeleteOnClose);

    const auto hidden = [this](const char* objectName, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(objectName));
        label->hide();
        return label;
    };
    lSummary = new QLabel(this);
    lSummary->setObjectName(QStringLiteral("lSummary"));
    lSummary->setWordWrap(true);
    lvDiff = new QTreeWidget(this);
    lvDiff->setObjectName(QStringLiteral("lvDiff"));
    lvDiff->setColumnCount(3);
    lvDiff->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvDiff->setAlternatingRowColors(true);
    lvDiff->setRootIsDecorated(true);
    lvDiff->header()->setStretchLastSection(true);
    btnTake = new QPushButton(tr("&Take selected"), this);
    btnTake->setObjectName(QStringLiteral("btnTake"));
    btnClose = new QPushButton(tr("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    lsGroups = new QListWidget(this);
    lsGroups->setObjectName(QStringLiteral("lsGroups"));
    lsGroups->addItems(GroupTitles());
    lsGroups->hide();
    lsModelKeys = new QListWidget(this);
    lsModelKeys->setObjectName(QStringLiteral("lsModelKeys"));
    lsModelKeys->addItems(ModelKeyNames());
    lsModelKeys->hide();
    lSame = hidden("lSame", tr("This document and %1 hold the same."));
    lCount = hidden("lCount", tr("%1 differences between this document and %2."));
    lInUse = hidden("lInUse", tr("in use"));
    lEmpty = hidden("lEmpty", tr("empty"));
    lChannel = hidden("lChannel", tr("Channel %1"));
    lFreqChannel = hidden("lFreqChannel", tr("Frequency channel %1"));
    lFmChannel = hidden("lFmChannel", tr("FM channel %1"));
    lFmTuned = hidden("lFmTuned", tr("Tuned frequency"));
    lNotTaken = hidden("lNotTaken", tr("Belongs to the radio; it is not taken over."));
    QLabel* lWhere = hidden("lWhere", tr("Where"));
    QLabel* lMine = hidden("lMine", tr("This document"));
    QLabel* lOther = hidden("lOther", tr("Other"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnTake);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lSummary);
    layout->addWidget(lvDiff, 1);
    layout->addLayout(buttons);

    connect(btnTake, &QPushButton::clicked, this, &TfCompare::btnTakeClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(lvDiff, &QTreeWidget::itemSelectionChanged, this, &TfCompare::updateButtons);

    const TALL& all = appState();
    TranslateForm(this, all.languageName, true);
    lvDiff->setHeaderLabels(
        {lWhere->text(), lMine->text(), lOther->text() + QStringLiteral(": ") + otherName});
    language = LanguageFileLookup(LanguageFilePath(all.appFolder, all.languageName));
    resize(760, 520);
    if (parent) move(parent->geometry().center() - rect().center());
    refresh();
}

QString TfCompare::whereText(const DocumentDifference& d) const
{
    const auto look = [this](const QString& section, const QString& key, const QString& fallback) {
        return language ? language(section, key, fallback) : fallback;
    };
    const bool whole = d.key == QLatin1String("in_use");
    QString field;
    switch (d.group) {
    case DocumentDifference::Channels:
    case DocumentDifference::FrequencyChannels: {
        const QString entry = (d.group == DocumentDifference::Channels ? lChannel : lFreqChannel)
                                  ->text()
                                  .arg(d.number);
        if (whole) return entry;
        const int column = gridColumnOf(d.key);
        if (column > 0)
            field = GridColumnTitle(look(QStringLiteral("fChsInfo"),
                                         QStringLiteral("BColText.%1").arg(column),
                                         GridColumnDefinitions().value(column)));
        else if (d.key == QLatin1String("offset"))
            field = look(QStringLiteral("fFreqEdit"), QStringLiteral("lbTX.Caption"),
                         QStringLiteral("Offset Freq.[MHz]"));
        else if (d.key == QLatin1String("duplex"))
            field = look(QStringLiteral("fFreqEdit"), QStringLiteral("lbDuplex.Caption"),
                         QStringLiteral("Duplex"));
        else
            field = d.key;
        return entry + QStringLiteral(" · ") + field;
    }
    case DocumentDifference::Fm:
        if (d.number > 0) return lFmChannel->text().arg(d.number);
        if (d.key == QLatin1String("tuned")) return lFmTuned->text();
        return d.where();
    case DocumentDifference::Settings: {
        for (const SettingDescription& s : SettingsCatalog(appState()))
            if (s.control == d.key)
                return look(s.form, s.form + QStringLiteral(".Caption"), s.form) +
                       QStringLiteral(" · ") + d.key;
        return d.key;
    }
    case DocumentDifference::ModelBlock: {
        const int index = int(ModelKeys().indexOf(d.key));
        if (index < 0) break;
        const QString name = lsModelKeys->item(index)->text();
        return d.number > 0 ? name.arg(d.number) : name;
    }
    }
    return d.where();
}

QString TfCompare::valueText(const DocumentDifference& d, const QJsonValue& v) const
{
    if (d.key == QLatin1String("in_use")) return v.toBool() ? lInUse->text() : lEmpty->text();
    return ShownValue(appState(), d.group, d.key, v, language);
}

void TfCompare::refresh()
{
    // Decoding cleans what it reads; comparing changes neither side, so copies are decoded.
    TALL mine = appState(), theirs = other;
    differences = CompareDocuments(DescribeDocument(mine), DescribeDocument(theirs));
    lvDiff->clear();
    QList<QTreeWidgetItem*> groups;
    for (int g = 0; g < lsGroups->count(); ++g) {
        auto* item = new QTreeWidgetItem(QStringList{lsGroups->item(g)->text()});
        item->setFlags(Qt::ItemIsEnabled);
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        groups << item;
    }
    for (int i = 0; i < differences.size(); ++i) {
        const DocumentDifference& d = differences[i];
        auto* row = new QTreeWidgetItem(
            QStringList{whereText(d), valueText(d, d.mine), valueText(d, d.other)});
        row->setData(0, IndexRole, i);
        if (!CanTakeDifference(d)) {
            row->setFlags(Qt::ItemIsEnabled);
            row->setToolTip(0, lNotTaken->text());
        }
        groups.value(int(d.group))->addChild(row);
    }
    for (QTreeWidgetItem* g : std::as_const(groups)) {
        if (g->childCount() == 0) {
            delete g;
            continue;
        }
        g->setText(0, g->text(0) + QStringLiteral(" (%1)").arg(g->childCount()));
        lvDiff->addTopLevelItem(g);
        g->setExpanded(true);
    }
    for (int c = 0; c < 2; ++c)
        lvDiff->resizeColumnToContents(c);
    lSummary->setText(differences.isEmpty()
                          ? lSame->text().arg(otherName)
                          : lCount->text().arg(differences.size()).arg(otherName));
    updateButtons();
}

QList<DocumentDifference> TfCompare::selectedDifferences() const
{
    QList<int> rows;
    for (QTreeWidgetItem* item : lvDiff->selectedItems())
        if (item->parent()) rows << item->data(0, IndexRole).toInt();
    std::sort(rows.begin(), rows.end());
    QList<DocumentDifference> out;
    for (int i : std::as_const(rows))
        out << differences.value(i);
    return out;
}

void TfCompare::updateButtons()
{
    btnTake->setEnabled(!selectedDifferences().isEmpty());
}

void TfCompare::btnTakeClick()
{
    const QList<DocumentDifference> chosen = selectedDifferences();
    if (chosen.isEmpty() || !takeOver) return;
    takeOver(other, chosen);
    refresh();
}
