#include "OptionalFunctions.h"

#include "UpperCaseValidator.h"
#include "core/DataModule.h"
#include "core/RadioName.h"
#include "widgets/KeyFilters.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfOptFun* fOptFun = nullptr;

namespace {

struct ListRow {
    const char* label;
    const char* caption;
    const char* list;
};

// The lists of the left column, then those of the right one below the radio name.
constexpr ListRow LeftColumn[] = {
    {"lMode", "Mode", "cxMode"},         {"lShow", "Chs Name", "cxShow"},
    {"lSQL", "Squelch level ", "cxSQL"}, {"lTOT", "TX Time Out[s]", "cxTOT"},
    {"lRate", "Battery Save", "cxRate"}, {"lKeyTone", "Clew Tone", "cxKeyTone"},
    {"lAlt", "Incept Alarm", "cxAlt"},   {"lLamp", "LAMP", "cxLamp"},
};
constexpr ListRow RightColumn[] = {
    {"lOpens", "Open Show", "cxOpens"},
    {"l1750", "1750Hz", "cx1750"},
    {"lKeyLock", "Key Lock", "cxKeyLock"},
    {"lBatTx", "Vol Inhibit Tx", "cxBatTx"},
    {"lVol", "Volume", "cxVol"},
    {"lAPO", "APO [Min]", "cxAPO"},
    // The group setting is kept but not offered: the catalog hides it.
    {"lGroup", "Group", "cxGroup"},
};

} // namespace

TfOptFun::TfOptFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fOptFun"), QStringLiteral("Optional Function"), parent)
{
    fOptFun = this;

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(2, 120);
    int row = 0;
    for (const ListRow& r : LeftColumn)
        AddSettingRow(grid, row++, 0, r.label, QLatin1String(r.caption), Described(r.list));

    // The radio name at the top of the right column.
    auto* lName = new QLabel(QStringLiteral("Radio Name"), this);
    lName->setObjectName(QStringLiteral("lName"));
    cxName = new QLineEdit(this);
    cxName->setObjectName(QStringLiteral("cxName"));
    cxName->setMaxLength(Setting::RadioNameLength);
    cxName->setValidator(new UpperCaseValidator(cxName));
    cxName->setContextMenuPolicy(Qt::PreventContextMenu); // no clipboard commands
    InstallKeyFilter(cxName, KeySet::Name);
    lName->setBuddy(cxName);
    grid->addWidget(lName, 0, 2);
    grid->addWidget(cxName, 0, 3);
    row = 1;
    for (const ListRow& r : RightColumn)
        AddSettingRow(grid, row++, 2, r.label, QLatin1String(r.caption), Described(r.list));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeCloseButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cxName, &QLineEdit::textChanged, this, &TfOptFun::cxNamePropertiesEditValueChanged);
    connect(cxName, &QLineEdit::returnPressed, this, &TfOptFun::cxNamePropertiesEditValueChanged);
    EndsTypingRuns(cxName);
}

TfOptFun::~TfOptFun()
{
    if (fOptFun == this) fOptFun = nullptr;
}

void TfOptFun::LoadSettings()
{
    TSettingsWindow::LoadSettings();
    cxName->setText(RadioNameText(appState()));
}

void TfOptFun::StoreSettings()
{
    TALL& all = appState();
    StoreLists(all);
    StoreRadioName(all, cxName->text());
}

void TfOptFun::cxNamePropertiesEditValueChanged()
{
    StoreTyped(cxName, [this] { StoreSettings(); });
}
