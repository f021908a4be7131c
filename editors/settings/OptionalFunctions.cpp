#include "OptionalFunctions.h"

#include "UpperCaseValidator.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/RadioName.h"
#include "widgets/KeyFilters.h"

#include <QGridLayout>
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
    AddSettingRows(grid, 0, 0,
                   {{"lMode", "Mode", "cxMode"},
                    {"lShow", "Chs Name", "cxShow"},
                    {"lSQL", "Squelch level ", "cxSQL"},
                    {"lTOT", "TX Time Out[s]", "cxTOT"},
                    {"lRate", "Battery Save", "cxRate"},
                    {"lKeyTone", "Clew Tone", "cxKeyTone"},
                    {"lAlt", "Incept Alarm", "cxAlt"},
                    {"lLamp", "LAMP", "cxLamp"}});
    // The radio name at the top of the right column.
    cxName = AddEditRow(grid, 0, 2, "lName", QStringLiteral("Radio Name"), "cxName",
                        Setting::RadioNameLength);
    cxName->setValidator(new UpperCaseValidator(cxName));
    cxName->setContextMenuPolicy(Qt::PreventContextMenu); // no clipboard commands
    InstallKeyFilter(cxName, KeySet::Name);
    AddSettingRows(grid, 1, 2,
                   {{"lOpens", "Open Show", "cxOpens"},
                    {"l1750", "1750Hz", "cx1750"},
                    {"lKeyLock", "Key Lock", "cxKeyLock"},
                    {"lBatTx", "Vol Inhibit Tx", "cxBatTx"},
                    {"lVol", "Volume", "cxVol"},
                    {"lAPO", "APO [Min]", "cxAPO"},
                    // The group setting is kept but not offered: the catalog hides it.
                    {"lGroup", "Group", "cxGroup"}});

    QVBoxLayout* layout = LayOutButtons();
    layout->insertLayout(0, grid);
    layout->insertSpacing(1, 6);

    connect(cxName, &QLineEdit::textChanged, this, &TfOptFun::cxNamePropertiesEditValueChanged);
    connect(cxName, &QLineEdit::returnPressed, this, &TfOptFun::cxNamePropertiesEditValueChanged);
    EndsTypingRuns(cxName);
}

TfOptFun::~TfOptFun()
{
    if (fOptFun == this) fOptFun = nullptr;
}

void TfOptFun::LoadSettings()
{
    TSettingsWindow::LoadSettings();
    // Shown without the padding, which storing puts back, so the edit takes typing.
    cxName->setText(NameWithoutPadding(RadioNameText(appState())));
}

void TfOptFun::StoreSettings()
{
    TALL& all = appState();
    StoreLists(all);
    StoreRadioName(all, cxName->text());
}

void TfOptFun::cxNamePropertiesEditValueChanged()
{
    StoreTyped(cxName, [this] { StoreSettings(); });
}
