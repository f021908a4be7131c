#pragma once

#include <QString>
#include <QtGlobal>

// The 16-byte header in front of a data file's image blocks.
//
//   0-4    "P" + model identifier, padded with spaces / cut to 5 characters
//   5-7    code, always 00 00 00
//   8-9    year of saving, uint16 little-endian
//   10-13  month, day, hour, minute
//   14-15  FF FF (the fill value)

namespace DataFile {
constexpr int HeaderSize = 16;
constexpr int Size = 2320; // header + image blocks 1..144
} // namespace DataFile

// name: "P" + identifier; code: six hexadecimal digits; date: "yyyy-MM-dd HH:mm",
// taken apart by character position.
void EncodeFileHeader(quint8* header, const QString& name, const QString& code,
                      const QString& date);

// name: bytes 0-4 as 5 characters; code: bytes 5-7 as six upper-case hexadecimal
// digits; date: year-month-day hour:minute with at least two digits for the last four.
void DecodeFileHeader(const quint8* header, QString& name, QString& code, QString& date);

// The model identifier of a header name: characters 2-5 without the leading and
// trailing characters 0x00-0x20. The first character is not examined.
QString HeaderModelId(const QString& name);
