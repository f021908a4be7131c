#include "ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMetaEnum>
#include <QTranslator>

QString ToolkitLocaleName(const QString& languageName)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<QLocale::Language>().keyToValue(
        languageName.trimmed().toLatin1().constData(), &ok);
    if (!ok || value == QLocale::English || value == QLocale::C || value == QLocale::AnyLanguage)
        return QString();
    return QLocale(QLocale::Language(value)).name();
}

bool InstallToolkitTranslation(const QString& languageName)
{
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const QString locale = ToolkitLocaleName(languageName);
    if (locale.isEmpty()) return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = translator.release();
    return true;
}
