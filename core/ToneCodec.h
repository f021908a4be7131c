#pragma once

#include <QString>
#include <QtGlobal>

// Tone squelch codes, two bytes b0 (low) then b1:
//   b1 = 0xFF            no tone (empty text)
//   b1 bit 7 set         DCS code x y z: b1 = 0x80 | x (bit 6 = inverted), b0 = y << 4 | z
//   b1 bit 7 clear       CTCSS in tenths of Hz as packed decimal: b1 = thousands, hundreds
//                        and b0 = tens, units (67.0 Hz is 06 70)

// Returns the text unchanged; a text that is not a valid tone encodes as no tone.
QString EncodeToneText(const QString& text, quint8& b0, quint8& b1);
QString DecodeToneBytes(quint8 b0, quint8 b1);
QString NormaliseToneText(const QString& text);
