#include "ReadRadioDialog.h"

#include "ReadSession.h"
#include "SerialLinkPort.h"
#include "core/DataModule.h"

TfReadRadio::TfReadRadio(QWidget* parent, TALL* target)
    : CloneDialog(parent, QStringLiteral("fReadRadio"), tr("Read data From radio"))
{
    auto session = std::make_unique<ReadSession>(link(), target ? *target : appState(), modelList(),
                                                 languageTexts());
    reader = session.get();
    setSession(std::move(session));
}

bool TfReadRadio::success() const
{
    return reader->success();
}
