#pragma once

#include <QStringList>

// The tone lists the editor windows offer, built from the tone tables.
// Each list: "None", the CTCSS tones ascending, the DCS codes with "N", then with "I".
// Only "None" is a word; windows translate it and nothing else.

const QStringList& FullToneList();  // 263 entries: channel edit and frequency windows
const QStringList& BatchToneList(); // 263 entries: batch editor
const QStringList& GridToneList();  // 206 entries: memory channel grid

// The tone chart of the tone option dialog: 42 CTCSS items "01-67.0-XZ",
// 3 empty, 85 DCS items "1-D023", 3 empty (133 in all).
const QStringList& ToneChartItems();
