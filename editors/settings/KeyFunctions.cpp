#include "KeyFunctions.h"

#include "core/DataModule.h"
#include "editors/EditorHost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>

TfKeyFun* fKeyFun = nullptr;

TfKeyFun::TfKeyFun(QWidget* parent)
    : TSettingsWindow(QStringLiteral("fKeyFun"), QStringLiteral("Key Function"), parent)
{
    fKeyFun = this;
    QGridLayout* grid = FramedGroupLayout(this, "gbKey", MakeCloseButton());
    cxKey1 = AddListRow(grid, 0, 0, "lKey1", QStringLiteral("Key - 1"), "cxKey1", {});
    cxKey2 = AddListRow(grid, 1, 0, "lKey2", QStringLiteral("Key - 2"), "cxKey2", {});

    cxKey_List = new QListWidget(this);
    cxKey_List->setObjectName(QStringLiteral("cxKey_List"));
    // The function names by code, as the catalog has them for both keys.
    cxKey_List->addItems(Described("cxKey1").items);
    cxKey_List->hide();

    for (QComboBox* list : {cxKey1, cxKey2})
        connect(list, &QComboBox::currentIndexChanged, this, &TfKeyFun::ComborPropertiesChange);
}

TfKeyFun::~TfKeyFun()
{
    if (fKeyFun == this) fKeyFun = nullptr;
}

void TfKeyFun::FormShow()
{
    PlaceEditorWindow(this);
    InitForm();
}

void TfKeyFun::InitForm()
{
    loading = true;
    TranslateWhenNeeded(true);
    cxKey1->clear();
    cxKey2->clear();
    for (int i = 0; i < cxKey_List->count(); ++i) {
        cxKey1->addItem(cxKey_List->item(i)->text());
        cxKey2->addItem(cxKey_List->item(i)->text());
    }
    LoadSettings();
    loading = false;
}

void TfKeyFun::storeKey(const QComboBox* key, SettingsFieldRef field)
{
    int code = 0;
    for (int i = 0; i < cxKey_List->count(); ++i) {
        if (cxKey_List->item(i)->text() == key->currentText()) {
            code = i;
            break;
        }
    }
    WriteField(appState(), field, code);
}

void TfKeyFun::LoadSettings()
{
    // The key lists are copies of cxKey_List, so the catalog's lookup among their
    // items is the lookup of the code's name.
    LoadLists(appState());
}

void TfKeyFun::StoreSettings()
{
    storeKey(cxKey1, Setting::Key1);
    storeKey(cxKey2, Setting::Key2);
    appState().modified = true;
}

void TfKeyFun::ComborPropertiesChange()
{
    if (!loading) StoreSettings();
}
