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

const QStringList& GridColumnDefinitions()
{
    static const QStringList items = {
        QStringLiteral("Channel|No.  [60|60]2"), QStringLiteral("RX|Frequency [80|80]3"),
        QStringLiteral("TX|Frequency [80|80]3"), QStringLiteral("QT/DQT|Dec   [60|60]3"),
        QStringLiteral("QT/DQT|Enc   [60|60]2"), QStringLiteral("TX Power     [60|60]2"),
        QStringLiteral("W/N          [60|60]2"), QStringLiteral("Scan Add     [60|60]2"),
        QStringLiteral("Vox          [60|60]2"), QStringLiteral("Voice Mode   [60|60]2"),
        QStringLiteral("Busy Lock    [60|60]2"), QStringLiteral("Epilogue     [60|60]2"),
        QStringLiteral("Name         [60|60]3"),
    };
    return items;
}

QString GridColumnTitle(const QString& definition)
{
    const qsizetype open = definition.indexOf(QLatin1Char('['));
    QString title = (open < 0 ? definition : definition.left(open)).trimmed();
    return title.replace(QLatin1Char('|'), QLatin1Char(' '));
}

const QStringList& DuplexItems()
{
    static const QStringList items = {QStringLiteral("OFF"), QStringLiteral("+Dup"),
                                      QStringLiteral("-Dup")};
    return items;
}
