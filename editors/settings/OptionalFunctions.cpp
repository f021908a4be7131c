#include "OptionalFunctions.h"

#include "UpperCaseValidator.h"
#include "core/DataModule.h"
#include "core/RadioName.h"
#include "core/SettingsMappings.h"
#include "editors/EditorHost.h"
#include "widgets/KeyFilters.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfOptFun* fOptFun = nullptr;

TfOptFun::TfOptFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fOptFun"), QStringLiteral("Optional Function"), parent)
{
    fOptFun = this;

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setColumnMinimumWidth(2, 120);

    // Left column.
    cxMode = AddSettingRow(grid, 0, 0, "lMode", QStringLiteral("Mode"), Described("cxMode"));
    cxShow = AddSettingRow(grid, 1, 0, "lShow", QStringLiteral("Chs Name"), Described("cxShow"));
    cxSQL = AddSettingRow(grid, 2, 0, "lSQL", QStringLiteral("Squelch level "), Described("cxSQL"));
    cxTOT = AddSettingRow(grid, 3, 0, "lTOT", QStringLiteral("TX Time Out[s]"), Described("cxTOT"));
    cxRate =
        AddSettingRow(grid, 4, 0, "lRate", QStringLiteral("Battery Save"), Described("cxRate"));
    cxKeyTone =
        AddSettingRow(grid, 5, 0, "lKeyTone", QStringLiteral("Clew Tone"), Described("cxKeyTone"));
    cxAlt = AddSettingRow(grid, 6, 0, "lAlt", QStringLiteral("Incept Alarm"), Described("cxAlt"));
    cxLamp = AddSettingRow(grid, 7, 0, "lLamp", QStringLiteral("LAMP"), Described("cxLamp"));

    // Right column, the radio name at the top.
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

    cxOpens =
        AddSettingRow(grid, 1, 2, "lOpens", QStringLiteral("Open Show"), Described("cxOpens"));
    cx1750 = AddSettingRow(grid, 2, 2, "l1750", QStringLiteral("1750Hz"), Described("cx1750"));
    cxKeyLock =
        AddSettingRow(grid, 3, 2, "lKeyLock", QStringLiteral("Key Lock"), Described("cxKeyLock"));
    cxBatTx =
        AddSettingRow(grid, 4, 2, "lBatTx", QStringLiteral("Vol Inhibit Tx"), Described("cxBatTx"));
    cxVol = AddSettingRow(grid, 5, 2, "lVol", QStringLiteral("Volume"), Described("cxVol"));
    cxAPO = AddSettingRow(grid, 6, 2, "lAPO", QStringLiteral("APO [Min]"), Described("cxAPO"));
    // The group setting is kept but not offered: the catalog hides it.
    cxGroup = AddSettingRow(grid, 7, 2, "lGroup", QStringLiteral("Group"), Described("cxGroup"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeCloseButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox* list : {cxMode, cxShow, cxSQL, cxTOT, cxGroup, cxRate, cxKeyTone, cxAlt, cxLamp,
                            cxOpens, cx1750, cxKeyLock, cxBatTx, cxVol, cxAPO})
        connect(list, &QComboBox::currentIndexChanged, this, &TfOptFun::ComborPropertiesChange);
    connect(cxName, &QLineEdit::textChanged, this, &TfOptFun::cxNamePropertiesEditValueChanged);
    connect(cxName, &QLineEdit::returnPressed, this, &TfOptFun::cxNamePropertiesEditValueChanged);
}

TfOptFun::~TfOptFun()
{
    if (fOptFun == this) fOptFun = nullptr;
}

void TfOptFun::FormShow()
{
    PlaceEditorWindow(this);
    InitForm();
}

void TfOptFun::InitForm()
{
    loading = true;
    TranslateWhenNeeded(true);
    LoadSettings();
    loading = false;
}

void TfOptFun::LoadSettings()
{
    const TALL& all = appState();
    LoadLists(all);
    cxName->setText(RadioNameText(all));
}

void TfOptFun::StoreSettings()
{
    TALL& all = appState();
    WriteField(all, Setting::DisplayMode, DisplayModeFromItem(cxMode->currentIndex()));
    StoreIndex(cxShow, all, Setting::ShowName);
    StoreIndex(cxSQL, all, Setting::Squelch);
    StoreIndex(cxTOT, all, Setting::TimeOut);
    StoreIndex(cxGroup, all, Setting::Group);
    StoreIndex(cxRate, all, Setting::BatterySave);
    if (cxKeyTone->currentIndex() >= 0)
        WriteField(all, Setting::KeyTone, KeyToneFromItem(cxKeyTone->currentIndex()));
    StoreIndex(cxAlt, all, Setting::InceptAlarm);
    StoreIndex(cxLamp, all, Setting::Lamp);
    StoreIndex(cxOpens, all, Setting::OpenShow);
    if (cx1750->currentIndex() >= 0)
        WriteField(all, Setting::Burst1750, Burst1750FromItem(cx1750->currentIndex()));
    StoreIndex(cxKeyLock, all, Setting::KeyLock);
    StoreIndex(cxBatTx, all, Setting::BatteryInhibitTx);
    StoreIndex(cxVol, all, Setting::Volume);
    StoreIndex(cxAPO, all, Setting::AutoPowerOff);
    StoreRadioName(all, cxName->text());
    all.modified = true;
}

void TfOptFun::ComborPropertiesChange()
{
    if (!loading) StoreSettings();
}

void TfOptFun::cxNamePropertiesEditValueChanged()
{
    if (!loading) StoreSettings();
}
