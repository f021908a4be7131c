#include "DataModule.h"

#include <QFileInfo>
#include <QLocale>
#include <clocale>

TfMaindb& Maindb()
{
    static TfMaindb instance;
    return instance;
}

void FixDecimalSeparator()
{
    // Qt's own conversions never depend on the locale; widgets and the C library do.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
    std::setlocale(LC_NUMERIC, "C");
}

void TfMaindb::DataModuleCreate(const QString& executablePath, const StartupReaders& readers)
{
    FixDecimalSeparator();

    macList = TMacList();
    all = TALL();
    channel = TChannel();
    language = TLanguage();
    edits.Restart(false);

    all.appFolder = QFileInfo(executablePath).absolutePath() + QLatin1Char('/');

    all.baudRate = 2400;
    all.currentChannel = 1;

    all.stepTable = {5.0, 6.25, 10.0, 12.5, 25.0, 37.5, 50.0, 100.0, 0.0};

    RegisterModels(all, macList);

    // Until the settings file is read these are its defaults.
    all.portName = QStringLiteral("Com1");
    all.helpPrefix = QStringLiteral("WT");
    all.pictureNumber = 1;
    if (readers.readSettingsFile) readers.readSettingsFile(all);
    if (readers.loadLanguage) readers.loadLanguage(all, language);

    all.updateSuppressed = false;
}
