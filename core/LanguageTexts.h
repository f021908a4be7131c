#pragma once

#include <QString>

// The message texts of the current language; loaded from the language file's
// Language section (English defaults when a file or key is missing).
struct TLanguage {
    QString confirmation;
    QString exitProgram;
    QString saveProgram;
    QString channel;
    QString info;
    QString outRange;
    QString caution;
    QString fileExists;
    QString close;
    QString open;
    QString comError;
    QString modError;
    QString pwdError;
    QString clearData;
    QString modforce;
    QString all;
    QString errRange;
    QString modelType;
    QString frequency;
    QString readOk;
    QString writeOk;
    QString lPortError;
};
