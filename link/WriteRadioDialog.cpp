#include "WriteRadioDialog.h"

#include "SerialLinkPort.h"
#include "WriteSession.h"
#include "core/DataModule.h"

TfWriteRadio::TfWriteRadio(QWidget* parent)
    : CloneDialog(parent, QStringLiteral("fWriteRadio"), tr("Write data to radio"))
{
    setSession(std::make_unique<WriteSession>(link(), appState(), modelList(), languageTexts()));
}
