#include "HelpFile.h"

#include "core/AppState.h"
#include "core/DataModule.h"
#include "files/MessageBox.h"
#include "files/ProgramFolders.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString HelpName(const TALL& all)
{
    return all.helpPrefix + QLatin1Char('_') + all.languageName;
}

} // namespace

QString HelpBaseName(const TALL& all)
{
    return all.appFolder + HelpName(all);
}

QString FindHelpFile(const TALL& all)
{
    const QString name = HelpName(all);
    for (const QString& folder : ProgramFileFolders(all.appFolder)) {
        for (const char* suffix : {".chm", ".html"}) {
            const QString path = folder + name + QLatin1String(suffix);
            if (QFileInfo(path).isFile()) return path;
        }
    }
    return QString();
}

void ShowHelp(const TALL& all, const QString& missingText, const QString& openFailedText)
{
    const QString path = FindHelpFile(all);
    if (path.isEmpty()) {
        const QString base = QDir::toNativeSeparators(HelpBaseName(all));
        ShowMessageBox(languageTexts().confirmation,
                       missingText.arg(base + QLatin1String(".chm (.html)")),
                       MessageKind::Information);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowMessageBox(languageTexts().confirmation,
                       openFailedText.arg(QDir::toNativeSeparators(path)),
                       MessageKind::Information);
}
