#include "VoxFunctions.h"

#include "core/DataModule.h"
#include "editors/EditorHost.h"

#include <QComboBox>
#include <QGridLayout>

TfVoxFun* fVoxFun = nullptr;

TfVoxFun::TfVoxFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fVoxFun"), QStringLiteral("Vox Function"), parent)
{
    fVoxFun = this;
    QGridLayout* grid = FramedGroupLayout(this, "gbVox", MakeCloseButton());
    cxVox = AddSettingRow(grid, 0, 0, "lVox", QStringLiteral("VOX Gain Level"), Described("cxVox"));
    cxVoxDely = AddSettingRow(grid, 1, 0, "lVoxDely", QStringLiteral("VOX Delay Time[s]"),
                              Described("cxVoxDely"));
    cxRxDis = AddSettingRow(grid, 2, 0, "lRxDis", QStringLiteral("Vox Inhibit on Receive"),
                            Described("cxRxDis"));

    for (QComboBox* list : {cxVox, cxVoxDely, cxRxDis})
        connect(list, &QComboBox::currentIndexChanged, this, &TfVoxFun::ComborPropertiesChange);
}

TfVoxFun::~TfVoxFun()
{
    if (fVoxFun == this) fVoxFun = nullptr;
}

void TfVoxFun::FormShow()
{
    PlaceEditorWindow(this);
    InitForm();
}

void TfVoxFun::InitForm()
{
    loading = true;
    TranslateWhenNeeded(true);
    LoadSettings();
    loading = false;
}

void TfVoxFun::LoadSettings()
{
    LoadLists(appState());
}

void TfVoxFun::StoreSettings()
{
    TALL& all = appState();
    StoreIndex(cxVox, all, Setting::VoxGain);
    StoreIndex(cxVoxDely, all, Setting::VoxDelay);
    StoreIndex(cxRxDis, all, Setting::VoxRxInhibit);
    all.modified = true;
}

void TfVoxFun::ComborPropertiesChange()
{
    if (!loading) StoreSettings();
}
