#pragma once

#include <QString>
#include <QStringList>

// The lists the memory channel grid shows for a channel's list fields, in English,
// item i showing stored value i. The grid builds its selectors from them and the
// command-line tool shows channels with them; a language file translates them in
// the grid's section under the selector's name.

struct ChannelList {
    int field;       // Field:: code
    QString control; // the grid selector's objectName
    QStringList items;
};

// Power, bandwidth, scan, VOX, voice mode, busy lock, epilogue: the grid's column order.
const QList<ChannelList>& ChannelLists();
const ChannelList* FindChannelList(int fieldCode);

// The memory channel grid's columns as its hidden list BColText holds them: the title
// ("|" breaks the header line), then [width|width] and the alignment digit. A language
// file translates them in the grid's section as BColText.<n>.
const QStringList& GridColumnDefinitions();

// The title of a column definition, with the header's line break as a blank.
QString GridColumnTitle(const QString& definition);

// The shift directions the frequency channel window lists (fFreqEdit, cxDuplex); item i
// shows stored value i.
const QStringList& DuplexItems();
