#include "ScanFunctions.h"

#include "core/DataModule.h"
#include "editors/EditorHost.h"

#include <QComboBox>
#include <QGridLayout>

TfScanFun* fScanFun = nullptr;

TfScanFun::TfScanFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fScanFun"), QStringLiteral("Scan Information"), parent)
{
    fScanFun = this;
    QGridLayout* grid = FramedGroupLayout(this, "gbScan", MakeCloseButton());
    cxScanMode = AddSettingRow(grid, 0, 0, "lScanMode", QStringLiteral("Scan Mode"),
                               Described("cxScanMode"));
    cxScanRate = AddSettingRow(grid, 1, 0, "lScanRate", QStringLiteral("Scan Speed[ms]"),
                               Described("cxScanRate"));
    cxScanDely = AddSettingRow(grid, 2, 0, "lScanDely", QStringLiteral("Dropout Delay Time[s]"),
                               Described("cxScanDely"));
    // Only "OFF" for now; the channel numbers follow when the window is shown.
    SettingDescription priority = Described("cxPriCh");
    priority.items = priority.items.mid(0, 1);
    cxPriCh = AddSettingRow(grid, 3, 0, "lPriCh", QStringLiteral("Priority Channel"), priority);
    cxPriCh->setMaxVisibleItems(16);

    for (QComboBox* list : {cxScanMode, cxScanRate, cxScanDely, cxPriCh})
        connect(list, &QComboBox::currentIndexChanged, this, &TfScanFun::ComborPropertiesChange);
}

TfScanFun::~TfScanFun()
{
    if (fScanFun == this) fScanFun = nullptr;
}

void TfScanFun::FormShow()
{
    PlaceEditorWindow(this);
    InitForm();
}

void TfScanFun::InitForm()
{
    loading = true;
    TranslateWhenNeeded(true);
    // The channel numbers are data: added after the translation, never translated.
    cxPriCh->addItems(Described("cxPriCh").items.mid(1));
    LoadSettings();
    loading = false;
}

void TfScanFun::LoadSettings()
{
    // A stored speed of 9 names no item: none is shown, and the field is kept.
    LoadLists(appState());
}

void TfScanFun::StoreSettings()
{
    TALL& all = appState();
    StoreIndex(cxScanMode, all, Setting::ScanMode);
    StoreIndex(cxScanRate, all, Setting::ScanSpeed);
    StoreIndex(cxScanDely, all, Setting::ScanDropout);
    StoreIndex(cxPriCh, all, Setting::PriorityChannel);
    all.modified = true;
}

void TfScanFun::ComborPropertiesChange()
{
    if (!loading) StoreSettings();
}
