#include "VoxFunctions.h"

#include "core/DataModule.h"
#include "editors/EditorHost.h"
#include "widgets/Tag.h"

#include <QComboBox>
#include <QGridLayout>

TfVoxFun* fVoxFun = nullptr;

TfVoxFun::TfVoxFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fVoxFun"), QStringLiteral("Vox Function"), parent)
{
    fVoxFun = this;
    QGridLayout* grid = FramedGroupLayout(this, "gbVox", MakeCloseButton());
    cxVox = AddListRow(grid, 0, 0, "lVox", QStringLiteral("VOX Gain Level"), "cxVox",
                       NumberItems(1, 9));
    cxVoxDely = AddListRow(grid, 1, 0, "lVoxDely", QStringLiteral("VOX Delay Time[s]"), "cxVoxDely",
                           {QStringLiteral("0.5"), QStringLiteral("1.0"), QStringLiteral("2.0"),
                            QStringLiteral("3.0")});
    cxRxDis = AddListRow(grid, 2, 0, "lRxDis", QStringLiteral("Vox Inhibit on Receive"), "cxRxDis",
                         {QStringLiteral("No"), QStringLiteral("Yes")});
    Tag::set(cxVox, Tag::FirstItemOnly);

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
    const TALL& all = appState();
    LoadIndex(cxVox, all, Setting::VoxGain);
    LoadIndex(cxVoxDely, all, Setting::VoxDelay);
    LoadIndex(cxRxDis, all, Setting::VoxRxInhibit);
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
