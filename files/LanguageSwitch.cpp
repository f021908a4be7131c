#include "LanguageSwitch.h"

#include "LanguageFile.h"
#include "SetLanguageDialog.h"
#include "ToolkitTranslation.h"
#include "TranslateForm.h"
#include "core/DataModule.h"
#include "widgets/ModalSeam.h"

bool RunLanguageSwitch(QWidget* mainWindow)
{
    TfSetLanguage dialog(mainWindow);
    Modal::exec(dialog);
    if (!dialog.changed()) return false;
    LoadLanguage(appState(), languageTexts());
    InstallToolkitTranslation(appState().languageName);
    TranslateForm(mainWindow, appState().languageName, true);
    return true;
}
