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
    cxScanMode = AddListRow(grid, 0, 0, "lScanMode", QStringLiteral("Scan Mode"), "cxScanMode",
                            {QStringLiteral("CO"), QStringLiteral("TO"), QStringLiteral("SE")});
    cxScanRate = AddListRow(grid, 1, 0, "lScanRate", QStringLiteral("Scan Speed[ms]"), "cxScanRate",
                            NumberItems(100, 9, 50));
    cxScanDely = AddListRow(grid, 2, 0, "lScanDely", QStringLiteral("Dropout Delay Time[s]"),
                            "cxScanDely", NumberItems(3, 28));
    cxPriCh = AddListRow(grid, 3, 0, "lPriCh", QStringLiteral("Priority Channel"), "cxPriCh",
                         {QStringLiteral("OFF")});
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
    cxPriCh->addItems(NumberItems(1, appState().channelCount));
    LoadSettings();
    loading = false;
}

void TfScanFun::LoadSettings()
{
    const TALL& all = appState();
    LoadIndex(cxScanMode, all, Setting::ScanMode);
    // A stored speed of 9 names no item: none is shown, and the field is kept.
    LoadIndex(cxScanRate, all, Setting::ScanSpeed);
    LoadIndex(cxScanDely, all, Setting::ScanDropout);
    LoadIndex(cxPriCh, all, Setting::PriorityChannel);
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
