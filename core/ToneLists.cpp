#include "ToneLists.h"

#include <QList>

namespace {

const QList<double> ctcss50 = {
    67.0,  69.3,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0,
    103.5, 107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
    159.8, 162.2, 165.5, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6,
    199.5, 203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1};

// Tones the grid's shorter list leaves out.
const QList<double> notInGrid = {159.8, 165.5, 171.3, 177.3, 183.5, 189.9,
                                 196.6, 199.5, 206.5, 229.1, 254.1};

// 532 stands twice in this sequence, as the radio's own list has it.
const QList<int> dcs106 = {
    023,  025,  026,  031,  032,  036,  043,  047,  050,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0145, 0146, 0152, 0155, 0156, 0162, 0165,
    0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255, 0261, 0263,
    0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351, 0356, 0364, 0365,
    0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455, 0462, 0464, 0465, 0466,
    0503, 0506, 0516, 0523, 0532, 0532, 0546, 0565, 0606, 0612, 0624, 0627, 0631, 0632, 0645, 0654,
    0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

const QList<int> dcs83 = {023,  025,  026,  031,  032,  043,  047,  051,  054,  065,  071,  072,
                          073,  074,  0114, 0115, 0116, 0125, 0131, 0132, 0134, 0143, 0152, 0155,
                          0156, 0162, 0165, 0172, 0174, 0205, 0223, 0226, 0243, 0244, 0245, 0251,
                          0261, 0263, 0265, 0271, 0306, 0311, 0315, 0331, 0343, 0346, 0351, 0364,
                          0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0464, 0465, 0466,
                          0503, 0506, 0516, 0532, 0546, 0565, 0606, 0612, 0624, 0627, 0631, 0632,
                          0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

struct ChartTone {
    double hz;
    const char* code;
};

const ChartTone chartTones[42] = {
    {67.0, "XZ"},  {69.3, "WZ"},  {71.9, "XA"},  {74.4, "WA"},  {77.0, "XB"},  {79.7, "WB"},
    {82.5, "YZ"},  {85.4, "YA"},  {88.5, "YB"},  {91.5, "ZZ"},  {94.8, "ZA"},  {97.4, "ZB"},
    {100.0, "1Z"}, {103.5, "1A"}, {107.2, "1B"}, {110.9, "2Z"}, {114.8, "2A"}, {118.8, "2B"},
    {123.0, "3Z"}, {127.3, "3A"}, {131.8, "3B"}, {136.5, "4Z"}, {141.3, "4A"}, {146.2, "4B"},
    {151.4, "5Z"}, {156.7, "5A"}, {162.2, "5B"}, {167.9, "6Z"}, {173.8, "6A"}, {179.9, "6B"},
    {186.2, "7Z"}, {192.8, "7A"}, {203.5, "M1"}, {206.5, "8Z"}, {210.7, "M2"}, {218.1, "M3"},
    {225.7, "M4"}, {229.1, "9Z"}, {233.6, "M5"}, {241.8, "M6"}, {250.3, "M7"}, {254.1, "0Z"}};

QString dcsText(int code)
{
    return QStringLiteral("D%1").arg(code, 3, 8, QLatin1Char('0'));
}

QStringList build(const QList<double>& tones, const QList<int>& codes)
{
    QStringList list{QStringLiteral("None")};
    for (double t : tones)
        list << QString::number(t, 'f', 1);
    for (int c : codes)
        list << dcsText(c) + QLatin1Char('N');
    for (int c : codes)
        list << dcsText(c) + QLatin1Char('I');
    return list;
}

QList<double> gridTones()
{
    QList<double> tones;
    for (double t : ctcss50)
        if (!notInGrid.contains(t)) tones << t;
    return tones;
}

QList<int> batchCodes()
{
    QList<int> codes = dcs106;
    codes[25] = 0143; // positions 26 and 27
    codes[26] = 0145;
    return codes;
}

QList<int> chartCodes()
{
    QList<int> codes = dcs83;
    codes.insert(codes.indexOf(0532), 0525);
    codes.insert(codes.indexOf(0654), 0645);
    return codes;
}

} // namespace

const QStringList& FullToneList()
{
    static const QStringList list = build(ctcss50, dcs106);
    return list;
}

const QStringList& BatchToneList()
{
    static const QStringList list = build(ctcss50, batchCodes());
    return list;
}

const QStringList& GridToneList()
{
    static const QStringList list = build(gridTones(), dcs83);
    return list;
}

const QStringList& ToneChartItems()
{
    static const QStringList items = [] {
        QStringList l;
        for (int i = 0; i < 42; ++i)
            l << QStringLiteral("%1-%2-%3")
                     .arg(i + 1, 2, 16, QLatin1Char('0'))
                     .toUpper()
                     .arg(QString::number(chartTones[i].hz, 'f', 1),
                          QLatin1String(chartTones[i].code));
        l << QString() << QString() << QString();
        const QList<int> codes = chartCodes();
        for (int i = 0; i < codes.size(); ++i)
            l << QStringLiteral("%1-%2").arg(i + 1).arg(dcsText(codes[i]));
        l << QString() << QString() << QString();
        return l;
    }();
    return items;
}
