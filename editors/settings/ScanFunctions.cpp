#include "ScanFunctions.h"

#include <QComboBox>
#include <QGridLayout>

TfScanFun* fScanFun = nullptr;

TfScanFun::TfScanFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fScanFun"), QStringLiteral("Scan Information"), parent)
{
    fScanFun = this;
    QGridLayout* grid = FramedGroupLayout("gbScan");
    AddSettingRows(grid, 0, 0,
                   {{"lScanMode", "Scan Mode", "cxScanMode"},
                    {"lScanRate", "Scan Speed[ms]", "cxScanRate"},
                    {"lScanDely", "Dropout Delay Time[s]", "cxScanDely"}});
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
