#include "KeyFunctions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>

TfKeyFun* fKeyFun = nullptr;

TfKeyFun::TfKeyFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fKeyFun"), QStringLiteral("Key Function"), parent)
{
    fKeyFun = this;
    QGridLayout* grid = FramedGroupLayout("gbKey");
    // Empty until the window is shown: their items come from cxKey_List.
    const auto key = [this](const char* name) {
        SettingDescription d = Described(name);
        d.items.clear();
        return d;
    };
    cxKey1 = AddSettingRow(grid, 0, 0, "lKey1", QStringLiteral("Key - 1"), key("cxKey1"));
    cxKey2 = AddSettingRow(grid, 1, 0, "lKey2", QStringLiteral("Key - 2"), key("cxKey2"));

    cxKey_List = new QListWidget(this);
    cxKey_List->setObjectName(QStringLiteral("cxKey_List"));
    // The function names by code, as the catalog has them for both keys.
    cxKey_List->addItems(Described("cxKey1").items);
    cxKey_List->hide();
}

TfKeyFun::~TfKeyFun()
{
    if (fKeyFun == this) fKeyFun = nullptr;
}

// The key lists become copies of cxKey_List, so the catalog's lookup among their
// items is the lookup of a code's name, and of the code of a name.
void TfKeyFun::Prepare()
{
    for (QComboBox* key : {cxKey1, cxKey2}) {
        key->clear();
        for (int i = 0; i < cxKey_List->count(); ++i)
            key->addItem(cxKey_List->item(i)->text());
    }
}
