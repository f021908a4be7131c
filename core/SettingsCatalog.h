#pragma once

#include "SettingsMap.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct TALL;

// The drop-down lists of the function settings windows (fOptFun, fVoxFun, fScanFun,
// fKeyFun, fFmFun) as data: the field each list edits, the English items the window
// lists, how the window translates them, and which item it shows for a stored value.
// The windows build their lists from here, so a tool without widgets sees exactly
// the items and the choice a window would show.
struct SettingDescription {
    QString form;    // the window's objectName, e.g. "fOptFun"
    QString control; // the list's objectName, e.g. "cxSQL"
    SettingsFieldRef field;
    QStringList items; // the English items exactly as the window lists them
    enum Translation { AllItems, FirstItemOnly, NeverTranslate } translation;
    bool shown; // false for a kept but hidden list (cxGroup)

    // How a stored value picks an item: its index, one of the mappings of
    // SettingsMappings.h, or the key function lookup.
    enum Rule { ItemIndex, DisplayMode, KeyTone, Burst1750, KeyFunction } rule = ItemIndex;
    // The control whose language keys (<name>.<n>) translate the items: the list
    // itself, or cxKey_List for the two key lists, which are copies of it.
    QString translationSource;
};

// Every list of the setting windows, window by window in the order above, each
// window's lists in the order it loads and stores them. The priority channel's
// items ("OFF", then 1..channelCount) depend on the document's channel count.
QVector<SettingDescription> SettingsCatalog(const TALL& all);

// The catalog entry of one list; nothing for a name that is no list of that window.
std::optional<SettingDescription> FindSetting(const TALL& all, const QString& form,
                                              const QString& control);

// The item a list with these items shows for a stored value, -1 for none: the index
// itself when it names an item; the display mode, key tone and 1750 Hz mappings; for
// a key, the item whose text is that of the code's function name, else item 0. The
// windows pass their own (possibly translated) items, the catalog its English ones.
int SettingItemForValue(const SettingDescription& d, int stored, const QStringList& items);

// The item the window shows for the document's stored value, -1 for none.
int SettingItemIndex(const TALL& all, const SettingDescription& d);

// The value stored in the list's field.
int SettingStoredValue(const TALL& all, const SettingDescription& d);

// The value a list with these items stores for its item, the reverse of
// SettingItemForValue; nothing where the field keeps its value (no item selected).
// No item writes 15 as the display mode and 0 as a key function; a key stores the
// code of the first function with the item's name.
std::optional<int> SettingValueForItem(const SettingDescription& d, int item,
                                       const QStringList& items);

// Writes the value of item into the list's field, only its bits.
void StoreSettingItem(TALL& all, const SettingDescription& d, int item, const QStringList& items);
