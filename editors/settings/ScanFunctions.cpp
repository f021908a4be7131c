#include "ScanFunctions.h"

#include <QComboBox>
#include <QGridLayout>

TfScanFun* fScanFun = nullptr;

TfScanFun::TfScanFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fScanFun"), QStringLiteral("Scan Information"), parent)
{
    fScanFun = this;
    QGridLayout* grid = FramedGroupLayout(this, "gbScan", MakeCloseButton());
    AddSettingRow(grid, 0, 0, "lScanMode", QStringLiteral("Scan Mode"), Described("cxScanMode"));
    AddSettingRow(grid, 1, 0, "lScanRate", QStringLiteral("Scan Speed[ms]"),
                  Described("cxScanRate"));
    AddSettingRow(grid, 2, 0, "lScanDely", QStringLiteral("Dropout Delay Time[s]"),
                  Described("cxScanDely"));
    // Only "OFF" for now; the channel numbers follow when the window is shown.
    SettingDescription priority = Described("cxPriCh");
    priority.items = priority.items.mid(0, 1);
    cxPriCh = AddSettingRow(grid, 3, 0, "lPriCh", QStringLiteral("Priority Channel"), priority);
    cxPriCh->setMaxVisibleItems(16);
}

TfScanFun::~TfScanFun()
{
    if (fScanFun == this) fScanFun = nullptr;
}

void TfScanFun::Prepare()
{
    // The channel numbers are data: added after the translation, never translated.
    cxPriCh->addItems(Described("cxPriCh").items.mid(1));
}
