#include "VoxFunctions.h"

#include <QGridLayout>

TfVoxFun* fVoxFun = nullptr;

TfVoxFun::TfVoxFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fVoxFun"), QStringLiteral("Vox Function"), parent)
{
    fVoxFun = this;
    QGridLayout* grid = FramedGroupLayout("gbVox");
    AddSettingRows(grid, 0, 0,
                   {{"lVox", "VOX Gain Level", "cxVox"},
                    {"lVoxDely", "VOX Delay Time[s]", "cxVoxDely"},
                    {"lRxDis", "Vox Inhibit on Receive", "cxRxDis"}});
}

TfVoxFun::~TfVoxFun()
{
    if (fVoxFun == this) fVoxFun = nullptr;
}
