#pragma once

#include "DataFileHeader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct TALL;
class TMacList;

// A data file (.dat): the 16-byte header, then image blocks 1 to 144 byte for byte.
// Block 0 and the image bytes after 2319 are not stored.

// The 2320 bytes of a data file for the document, saved at dateText ("yyyy-MM-dd HH:mm").
QByteArray EncodeDataFile(const TALL& all, const QString& dateText);

// The local time of saving in the form the header takes.
QString SaveTimeText();

// Writes the document to path through a temporary file that replaces the old file only
// once it is complete, so a failed save never destroys the previous file. Clears the
// modified flag on success; on failure sets reason to the system's reason and changes
// nothing.
bool WriteDataFile(TALL& all, const QString& path, QString* reason = nullptr,
                   const QString& dateText = SaveTimeText());

// The user's data folder for backups of the radio's memory (the generic data folder +
// "QZ-17/Backups") and a time-stamped name in it: radio-QZ17-20261211-142503.dat.
QString RadioBackupPath(const QString& modelId, const QDateTime& when);

// Saves what a backup read from the radio as a data file at RadioBackupPath (now),
// making the folder first. path receives where it went (or was to go); on failure
// reason says why.
bool SaveRadioBackup(TALL& radio, QString& path, QString* reason = nullptr);

struct DataFileResult {
    enum Status {
        Ok,
        OpenFailed,   // reason: the system's reason
        ReadFailed,   // reason: the system's reason
        TooShort,     // size: the file's length
        UnknownModel, // modelId: what the header names
    };
    Status status = Ok;
    QString reason;
    qint64 size = 0;
    QString modelId;
    bool ok() const { return status == Ok; }
};

// Reads the file into the document: blocks 1 to 144 replace image bytes 16 to 2319,
// then the load processing after an open runs (the modified flag ends clear) and the
// file date text is taken from the header. On any failure the document is untouched.
// A file shorter than 2320 bytes is refused; bytes after the 2320th are ignored.
DataFileResult ReadDataFile(TALL& all, const TMacList& models, const QString& path);
// The same for the bytes of a file already read.
DataFileResult LoadDataFileBytes(TALL& all, const TMacList& models, const QByteArray& bytes);
