#include "SettingsCatalog.h"

#include "AppState.h"
#include "SettingsMappings.h"

#include <algorithm>

namespace {

using D = SettingDescription;

// count decimal numbers: numbers(1, 9) is "1".."9", numbers(30, 6, 30) is "30".."180".
QStringList numbers(int first, int count, int step = 1)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QString::number(first + i * step);
    return items;
}

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

D list(const char* form, const char* control, SettingsFieldRef field, QStringList items,
       D::Translation translation = D::AllItems, D::Rule rule = D::ItemIndex)
{
    const QString name = QString::fromLatin1(control);
    return D{
        QString::fromLatin1(form), name, field, std::move(items), translation, true, rule, name};
}

QStringList burstItems()
{
    QStringList items{QStringLiteral("OFF")};
    for (int s = 1; s <= 15; ++s)
        items << QStringLiteral("%1s").arg(s, 2); // " 1s".."15s"
    return items;
}

// Codes of the programmable keys, in code order.
QStringList keyFunctionNames()
{
    return texts({"OFF", "Monmome", "Alarm", "Tx 1750Hz"});
}

D keyList(const char* control, SettingsFieldRef field)
{
    D d = list("fKeyFun", control, field, keyFunctionNames(), D::AllItems, D::KeyFunction);
    d.translationSource = QStringLiteral("cxKey_List");
    return d;
}

} // namespace

QVector<SettingDescription> SettingsCatalog(const TALL& all)
{
    const char* opt = "fOptFun";
    D group = list(opt, "cxGroup", Setting::Group,
                   texts({"None", "A-Group", "B-Group", "C-Group", "D-Group", "E-Group", "F-Group",
                          "G-Group", "H-Group"}));
    group.shown = false; // kept in the image, not offered

    const char* scan = "fScanFun";
    const char* fm = "fFmFun";
    return {
        list(opt, "cxMode", Setting::DisplayMode,
             texts({"Freq.", "Chs Freq.", "Chs.", "FM Freq.", "FM Chs."}), D::AllItems,
             D::DisplayMode),
        list(opt, "cxShow", Setting::ShowName, texts({"Yes", "No"})),
        list(opt, "cxSQL", Setting::Squelch, numbers(0, 10), D::NeverTranslate),
        list(opt, "cxTOT", Setting::TimeOut,
             QStringList{QStringLiteral("Off")} + numbers(30, 12, 30), D::FirstItemOnly),
        group,
        list(opt, "cxRate", Setting::BatterySave, texts({"OFF", "1:1", "1:2", "1:3", "1:4"})),
        list(opt, "cxKeyTone", Setting::KeyTone, texts({"Off", "Tone", "Voice"}), D::AllItems,
             D::KeyTone),
        list(opt, "cxAlt", Setting::InceptAlarm, texts({"Off", "On"})),
        list(opt, "cxLamp", Setting::Lamp, texts({"Off", "On", "Auto"})),
        list(opt, "cxOpens", Setting::OpenShow, texts({"None", "Msg", "DC"})),
        list(opt, "cx1750", Setting::Burst1750, burstItems(), D::AllItems, D::Burst1750),
        list(opt, "cxKeyLock", Setting::KeyLock, texts({"Auto", "Manual"})),
        list(opt, "cxBatTx", Setting::BatteryInhibitTx, texts({"None", "Low", "High", "Both"})),
        list(opt, "cxVol", Setting::Volume, numbers(0, 16), D::NeverTranslate),
        list(opt, "cxAPO", Setting::AutoPowerOff,
             QStringList{QStringLiteral("Off")} + numbers(30, 6, 30), D::FirstItemOnly),

        list("fVoxFun", "cxVox", Setting::VoxGain, numbers(1, 9), D::FirstItemOnly),
        list("fVoxFun", "cxVoxDely", Setting::VoxDelay, texts({"0.5", "1.0", "2.0", "3.0"})),
        list("fVoxFun", "cxRxDis", Setting::VoxRxInhibit, texts({"No", "Yes"})),

        list(scan, "cxScanMode", Setting::ScanMode, texts({"CO", "TO", "SE"})),
        list(scan, "cxScanRate", Setting::ScanSpeed, numbers(100, 9, 50)),
        list(scan, "cxScanDely", Setting::ScanDropout, numbers(3, 28)),
        // The channel numbers are data: only "OFF" is translated.
        list(scan, "cxPriCh", Setting::PriorityChannel,
             QStringList{QStringLiteral("OFF")} + numbers(1, all.channelCount), D::FirstItemOnly),

        keyList("cxKey1", Setting::Key1),
        keyList("cxKey2", Setting::Key2),

        list(fm, "cxFMStep", Setting::FmStep, texts({"25", "50", "100", "200"})),
        list(fm, "cxFMVol", Setting::FmVolume, numbers(1, 16)),
    };
}

std::optional<SettingDescription> FindSetting(const TALL& all, const QString& form,
                                              const QString& control)
{
    for (const SettingDescription& d : SettingsCatalog(all))
        if (d.form == form && d.control == control) return d;
    return std::nullopt;
}

int SettingItemForValue(const SettingDescription& d, int stored, const QStringList& items)
{
    switch (d.rule) {
    case D::DisplayMode:
        return DisplayModeToItem(stored);
    case D::KeyTone:
        return KeyToneToItem(stored);
    case D::Burst1750:
        return Burst1750ToItem(stored);
    case D::KeyFunction: {
        // The key lists are copies of the function names, so the code's name is looked
        // up among them; a code without a name shows the first item.
        if (items.isEmpty()) return -1;
        const int index =
            stored >= 0 && stored < items.size() ? items.indexOf(items.at(stored)) : -1;
        return index >= 0 ? index : 0;
    }
    case D::ItemIndex:
        break;
    }
    return stored >= 0 && stored < items.size() ? stored : -1;
}

int SettingItemIndex(const TALL& all, const SettingDescription& d)
{
    return SettingItemForValue(d, SettingStoredValue(all, d), d.items);
}

int SettingStoredValue(const TALL& all, const SettingDescription& d)
{
    return ReadField(all, d.field);
}

std::optional<int> SettingValueForItem(const SettingDescription& d, int item,
                                       const QStringList& items)
{
    switch (d.rule) {
    case D::DisplayMode:
        return DisplayModeFromItem(item);
    case D::KeyFunction:
        // The key lists are copies of the function names: the first function of that
        // name; a text that names none stores 0.
        return item >= 0 && item < items.size() ? std::max(0, int(items.indexOf(items.at(item))))
                                                : 0;
    case D::KeyTone:
    case D::Burst1750:
    case D::ItemIndex:
        break;
    }
    if (item < 0) return std::nullopt;
    if (d.rule == D::KeyTone) return KeyToneFromItem(item);
    if (d.rule == D::Burst1750) return Burst1750FromItem(item);
    return item;
}

void StoreSettingItem(TALL& all, const SettingDescription& d, int item, const QStringList& items)
{
    if (const auto value = SettingValueForItem(d, item, items)) WriteField(all, d.field, *value);
}
