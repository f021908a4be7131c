#include "OptionalFunctions.h"

#include "UpperCaseValidator.h"
#include "core/DataModule.h"
#include "core/RadioName.h"
#include "core/SettingsMappings.h"
#include "editors/EditorHost.h"
#include "widgets/KeyFilters.h"
#include "widgets/Tag.h"

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
    cxMode = AddListRow(grid, 0, 0, "lMode", QStringLiteral("Mode"), "cxMode",
                        {QStringLiteral("Freq."), QStringLiteral("Chs Freq."), QStringLiteral("Chs."),
                         QStringLiteral("FM Freq."), QStringLiteral("FM Chs.")});
    cxShow = AddListRow(grid, 1, 0, "lShow", QStringLiteral("Chs Name"), "cxShow",
                        {QStringLiteral("Yes"), QStringLiteral("No")});
    cxSQL = AddListRow(grid, 2, 0, "lSQL", QStringLiteral("Squelch level "), "cxSQL",
                       NumberItems(0, 10));
    cxTOT = AddListRow(grid, 3, 0, "lTOT", QStringLiteral("TX Time Out[s]"), "cxTOT",
                       QStringList{QStringLiteral("Off")} + NumberItems(30, 12, 30));
    cxRate = AddListRow(grid, 4, 0, "lRate", QStringLiteral("Battery Save"), "cxRate",
                        {QStringLiteral("OFF"), QStringLiteral("1:1"), QStringLiteral("1:2"),
                         QStringLiteral("1:3"), QStringLiteral("1:4")});
    cxKeyTone = AddListRow(grid, 5, 0, "lKeyTone", QStringLiteral("Clew Tone"), "cxKeyTone",
                           {QStringLiteral("Off"), QStringLiteral("Tone"), QStringLiteral("Voice")});
    cxAlt = AddListRow(grid, 6, 0, "lAlt", QStringLiteral("Incept Alarm"), "cxAlt",
                       {QStringLiteral("Off"), QStringLiteral("On")});
    cxLamp = AddListRow(grid, 7, 0, "lLamp", QStringLiteral("LAMP"), "cxLamp",
                        {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Auto")});

    // Right column, the radio name at the top.
    auto* lName = new QLabel(QStringLiteral("Radio Name"), this);
    lName->setObjectName(QStringLiteral("lName"));
    cxName = new QLineEdit(this);
    cxName->setObjectName(QStringLiteral("cxName"));
    cxName->setMaxLength(Setting::RadioNameLength);
    cxName->setValidator(new UpperCaseValidator(cxName));
    cxName->setContextMenuPolicy(Qt::PreventContextMenu);  // no clipboard commands
    InstallKeyFilter(cxName, KeySet::Name);
    lName->setBuddy(cxName);
    grid->addWidget(lName, 0, 2);
    grid->addWidget(cxName, 0, 3);

    cxOpens = AddListRow(grid, 1, 2, "lOpens", QStringLiteral("Open Show"), "cxOpens",
                         {QStringLiteral("None"), QStringLiteral("Msg"), QStringLiteral("DC")});
    QStringList burst{QStringLiteral("OFF")};
    for (int s = 1; s <= 15; ++s) burst << QStringLiteral("%1s").arg(s, 2);
    cx1750 = AddListRow(grid, 2, 2, "l1750", QStringLiteral("1750Hz"), "cx1750", burst);
    cxKeyLock = AddListRow(grid, 3, 2, "lKeyLock", QStringLiteral("Key Lock"), "cxKeyLock",
                           {QStringLiteral("Auto"), QStringLiteral("Manual")});
    cxBatTx = AddListRow(grid, 4, 2, "lBatTx", QStringLiteral("Vol Inhibit Tx"), "cxBatTx",
                         {QStringLiteral("None"), QStringLiteral("Low"), QStringLiteral("High"),
                          QStringLiteral("Both")});
    cxVol = AddListRow(grid, 5, 2, "lVol", QStringLiteral("Volume"), "cxVol", NumberItems(0, 16));
    cxAPO = AddListRow(grid, 6, 2, "lAPO", QStringLiteral("APO [Min]"), "cxAPO",
                       QStringList{QStringLiteral("Off")} + NumberItems(30, 6, 30));
    cxGroup = AddListRow(grid, 7, 2, "lGroup", QStringLiteral("Group"), "cxGroup",
                         {QStringLiteral("None"), QStringLiteral("A-Group"), QStringLiteral("B-Group"),
                          QStringLiteral("C-Group"), QStringLiteral("D-Group"), QStringLiteral("E-Group"),
                          QStringLiteral("F-Group"), QStringLiteral("G-Group"), QStringLiteral("H-Group")});
    // The group setting is kept but not offered.
    cxGroup->hide();
    findChild<QLabel*>(QStringLiteral("lGroup"))->hide();

    Tag::set(cxSQL, Tag::NeverTranslate);
    Tag::set(cxVol, Tag::NeverTranslate);
    Tag::set(cxTOT, Tag::FirstItemOnly);
    Tag::set(cxAPO, Tag::FirstItemOnly);

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
    cxMode->setCurrentIndex(DisplayModeToItem(ReadField(all, Setting::DisplayMode)));
    LoadIndex(cxShow, all, Setting::ShowName);
    LoadIndex(cxSQL, all, Setting::Squelch);
    LoadIndex(cxTOT, all, Setting::TimeOut);
    LoadIndex(cxGroup, all, Setting::Group);
    LoadIndex(cxRate, all, Setting::BatterySave);
    cxKeyTone->setCurrentIndex(KeyToneToItem(ReadField(all, Setting::KeyTone)));
    LoadIndex(cxAlt, all, Setting::InceptAlarm);
    LoadIndex(cxLamp, all, Setting::Lamp);
    LoadIndex(cxOpens, all, Setting::OpenShow);
    cx1750->setCurrentIndex(Burst1750ToItem(ReadField(all, Setting::Burst1750)));
    LoadIndex(cxKeyLock, all, Setting::KeyLock);
    LoadIndex(cxBatTx, all, Setting::BatteryInhibitTx);
    LoadIndex(cxVol, all, Setting::Volume);
    LoadIndex(cxAPO, all, Setting::AutoPowerOff);
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
