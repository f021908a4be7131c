#include "VoxFunctions.h"

#include <QGridLayout>

TfVoxFun* fVoxFun = nullptr;

TfVoxFun::TfVoxFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fVoxFun"), QStringLiteral("Vox Function"), parent)
{
    fVoxFun = this;
    QGridLayout* grid = FramedGroupLayout(this, "gbVox", MakeCloseButton());
    AddSettingRow(grid, 0, 0, "lVox", QStringLiteral("VOX Gain Level"), Described("cxVox"));
    AddSettingRow(grid, 1, 0, "lVoxDely", QStringLiteral("VOX Delay Time[s]"),
                  Described("cxVoxDely"));
    AddSettingRow(grid, 2, 0, "lRxDis", QStringLiteral("Vox Inhibit on Receive"),
                  Described("cxRxDis"));
}

TfVoxFun::~TfVoxFun()
{
    if (fVoxFun == this) fVoxFun = nullptr;
}
