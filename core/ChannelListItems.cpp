#include "ChannelListItems.h"

#include "ChannelRecord.h"

const QList<ChannelList>& ChannelLists()
{
    static const QList<ChannelList> lists = {
        {Field::Power, QStringLiteral("cxPower"), {QStringLiteral("Low"), QStringLiteral("High")}},
        {Field::Bandwidth,
         QStringLiteral("cxWn"),
         {QStringLiteral("Narrow"), QStringLiteral("Wide")}},
        {Field::Scan, QStringLiteral("cxScan"), {QStringLiteral("Add"), QStringLiteral("Del")}},
        {Field::Vox, QStringLiteral("cxYesNo"), {QStringLiteral("Yes"), QStringLiteral("No")}},
        {Field::VoiceMode,
         QStringLiteral("cxApro"),
         {QStringLiteral("None"), QStringLiteral("Compander"), QStringLiteral("Scrambler")}},
        {Field::BusyLock, QStringLiteral("cxBclo"), {QStringLiteral("Yes"), QStringLiteral("No")}},
        {Field::Epilogue, QStringLiteral("cxDcs"), {QStringLiteral("OFF"), QStringLiteral("ON")}},
    };
    return lists;
}

const ChannelList* FindChannelList(int fieldCode)
{
    for (const ChannelList& list : ChannelLists())
        if (list.field == fieldCode) return &list;
    return nullptr;
}
