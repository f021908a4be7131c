#pragma once

// What every fuzz target shares: a QCoreApplication (the clone sessions' timers need
// one) and the program's start-up state, with the built-in model and English texts,
// made once. Each input works on a fresh copy of the new document.

#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "files/LanguageFile.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

inline TfMaindb& FuzzProgram()
{
    static int argc = 1;
    static char name[] = "qz17-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static TfMaindb* db = [] {
        auto* d = new TfMaindb;
        d->DataModuleCreate(QStringLiteral("/nonexistent/qz17-fuzz/qz17"));
        d->language = EnglishMessageTexts();
        MakeFirstDocument(d->all, d->macList);
        StartNewImage(d->all, d->macList);
        return d;
    }();
    return *db;
}

inline QByteArray FuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// An oracle that does not hold is a finding like a crash: libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__,          \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
