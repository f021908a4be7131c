#pragma once

#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"

#include <QCoreApplication>

// A document of its own, as the program has it after start-up and New.
struct TestDocument {
    TfMaindb db;
    TALL& all = db.all;
    TMacList& models = db.macList;

    explicit TestDocument(bool firstDocument = true)
    {
        db.DataModuleCreate(QStringLiteral("/tmp/qz17-test/qz17"));
        if (firstDocument) {
            MakeFirstDocument(all, models);
            StartNewImage(all, models);
        }
    }
    quint8* rec(int k) { return all.image.data() + 16 * k; }
    quint8& at(int offset) { return all.image[size_t(offset)]; }
};
