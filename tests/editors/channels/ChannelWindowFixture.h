#pragma once

#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "editors/EditorHost.h"
#include "editors/channels/ToneOption.h"
#include "files/LanguageFile.h"
#include "tests/support/ScriptedModal.h"

#include <QList>
#include <QRadioButton>
#include <QtTest>
#include <functional>

// The process-wide document as the program has it after start-up and New, and a
// main window stand-in that records the refresh requests and answers them as the
// main window does.
class RecordingHost : public EditorHost {
  public:
    QList<int> reasons;
    std::function<void(int)> answer;

    RecordingHost() { SetEditorHost(this); }
    ~RecordingHost() override { SetEditorHost(nullptr); }
    void RefreshViews(int reason) override
    {
        reasons << reason;
        if (answer) answer(reason);
    }
};

inline void StartFreshDocument()
{
    static bool created = false;
    if (!created) {
        Maindb().DataModuleCreate(QStringLiteral("/tmp/qz17-channel-tests/qz17"));
        created = true;
    }
    languageTexts() = EnglishMessageTexts();
    appState().languageIndex = 0;
    appState().languageName = QStringLiteral("English");
    MakeFirstDocument(appState(), modelList());
    StartNewImage(appState(), modelList());
    appState().currentChannel = 1;
    appState().updateSuppressed = false;
    documentEdits().Restart(false);
}

// Stores a channel through the channel record, as another window would.
inline void PutChannel(int k, const QString& rx, const QString& name = QString())
{
    QString text = rx;
    SetChannelField(appState(), k, Field::RxFreq, text);
    if (!name.isEmpty()) {
        text = name;
        SetChannelField(appState(), k, Field::Name, text);
    }
}

inline TChannel ChannelOf(int k)
{
    TChannel ch;
    ch.name = QStringLiteral("<none>");
    DecodeChannel(appState(), k, ch);
    return ch;
}

// Channels whose cells hold the widest texts each column can show.
inline void PutWidestChannels()
{
    TALL& all = appState();
    const QStringList texts[] = {
        {"439.99375", "438.88125", "D754I", "254.1", "0", "0", "0", "0", "2", "0", "0", "WWWWWW"},
        {"145.0", "146.0", "", "", "1", "1", "1", "1", "1", "1", "1", "MMMMMM"},
    };
    const int fields[] = {Field::RxFreq,    Field::TxFreq,    Field::RxTone,   Field::TxTone,
                          Field::Power,     Field::Bandwidth, Field::Scan,     Field::Vox,
                          Field::VoiceMode, Field::BusyLock,  Field::Epilogue, Field::Name};
    for (int k = 1; k <= 2; ++k)
        for (int i = 0; i < 12; ++i) {
            QString text = texts[k - 1][i];
            SetChannelField(all, k, fields[i], text);
        }
}

// The whole image buffer, to compare before and after.
inline QByteArray ImageBytes()
{
    const auto& image = appState().image;
    return QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size()));
}

inline bool RecordErased(int k)
{
    for (int i = 0; i < 16; ++i)
        if (appState().image[size_t(16 * k + i)] != 0xFF) return false;
    return true;
}

// The next tone chart the window opens picks D023I, as a double click in the DCS-I chart.
inline void QueueChartPick(ScriptedModal& modal)
{
    modal.dialogs << [](QDialog& d) {
        auto& chart = static_cast<TfToneOption&>(d);
        chart.show();
        chart.rDCSI->click();
        chart.gvDcsIDblClick(2, 1);
        chart.hide();
        return chart.result();
    };
}
