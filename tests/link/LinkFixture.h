#pragma once

#include "core/AppState.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/ModelTable.h"
#include "files/LanguageFile.h"

#include <QByteArray>
#include <memory>

// The process-wide document as after start-up and New, with English messages, and
// two more models: QZ18 with the same channel count (a related model) and QZ08 with
// another one (a wrong model).
inline void SetUpLinkDocument()
{
    TfMaindb& db = Maindb();
    db.DataModuleCreate(QStringLiteral("/tmp/qz17-link-test/qz17"));
    db.language = EnglishMessageTexts();
    const TMacType* base = db.macList.GetModel(0);
    for (const auto& [id, channels] : {std::pair<const char*, int>{"QZ18", 128}, {"QZ08", 64}}) {
        auto m = std::make_unique<TMacType>(QLatin1String(id), QLatin1String(id), channels);
        m->standardLimits = base->standardLimits;
        m->alternativeLimits = base->alternativeLimits;
        m->SetBandMasks(base->standardMask, base->alternativeMask);
        db.macList.AddModel(std::move(m));
    }
    MakeFirstDocument(db.all, db.macList);
    StartNewImage(db.all, db.macList);
}

inline QByteArray ImageBytes(const TALL& all, int from = 0, int count = Image::Size)
{
    return QByteArray(reinterpret_cast<const char*>(all.image.data()) + from, count);
}

// An identification reply naming a model, with the echo of a key.
inline QByteArray Identification(const QByteArray& model, quint8 keyEcho)
{
    QByteArray r(16, char(0xFF));
    r[0] = 0x49;
    r.replace(1, 4, model.leftJustified(4, ' ', true));
    r[6] = char(keyEcho);
    return r;
}
