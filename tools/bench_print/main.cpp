// Prints how long comparing two full documents takes (both decoded, then compared field
// by field, as the compare window and qz17-cli diff do it) and how long the print preview
// of 128 channels takes to lay out and paint its pages. Run without a display:
// QT_QPA_PLATFORM=offscreen.
#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentDescription.h"
#include "core/DocumentLifecycle.h"
#include "core/FmCodec.h"
#include "core/NumberText.h"
#include "core/Printout.h"
#include "core/SettingsMap.h"
#include "files/LanguageFile.h"
#include "shell/PrintPages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Median and worst in milliseconds, of the wall clock and of the thread's processor time:
// on a machine shared with other work the wall clock includes the time the thread waited
// for a processor; the processor time is the work alone.
struct Figures {
    double median = 0.0;
    double worst = 0.0;
    double cpuMedian = 0.0;
    double cpuWorst = 0.0;
};

double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

Figures Time(int runs, const std::function<void()>& work)
{
    std::vector<double> ms, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = ThreadCpuMs();
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(ThreadCpuMs() - cpuStart);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return {ms[ms.size() / 2], ms.back(), cpu[cpu.size() / 2], cpu.back()};
}

QString Shown(const Figures& f)
{
    return QStringLiteral("wall %1 / %2, processor %3 / %4")
        .arg(FormatFixed(f.median, 3), FormatFixed(f.worst, 3), FormatFixed(f.cpuMedian, 3),
             FormatFixed(f.cpuWorst, 3));
}

// Every memory channel in use, with tones and names, and every FM channel.
void FillDocument(TALL& all, int variant)
{
    static const char* tones[] = {"", "67.0", "D023N", "254.1", "D754I"};
    for (int k = 1; k <= all.channelCount; ++k) {
        QString text = FormatMHz(k % 2 ? 430.0 + k * 0.0125 : 144.0 + k * 0.00625);
        SetChannelField(all, k, Field::RxFreq, text);
        StartNewChannel(all, k);
        text = QLatin1String(tones[(k + variant) % 5]);
        SetChannelField(all, k, Field::RxTone, text);
        text = QStringLiteral("%1%2").arg(QChar(u'A' + variant)).arg(k);
        SetChannelField(all, k, Field::Name, text);
    }
    for (int n = 1; n <= 20; ++n) {
        QString text = FormatMHz(88.0 + n + variant * 0.5);
        SetFmChannel(all, n, text);
    }
    WriteField(all, Setting::Squelch, 3 + variant);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Maindb().DataModuleCreate(QCoreApplication::applicationFilePath());
    languageTexts() = EnglishMessageTexts();
    MakeFirstDocument(appState(), modelList());
    StartNewImage(appState(), modelList());
    TALL a = appState(), b = appState();
    FillDocument(a, 0);
    FillDocument(b, 1);

    constexpr int Runs = 50;
    int differences = 0;
    const Figures compare = Time(Runs, [&] {
        TALL left = a, right = b;
        differences = int(CompareDocuments(DescribeDocument(left), DescribeDocument(right)).size());
    });
    const QJsonObject da = DescribeDocument(a), db = DescribeDocument(b);
    const Figures describe = Time(Runs, [&] {
        TALL left = a;
        DescribeDocument(left);
    });
    const Figures compareOnly = Time(Runs, [&] { CompareDocuments(da, db); });

    const TfPrintTexts texts(appState().languageName);
    const LanguageLookup language =
        LanguageFileLookup(LanguageFilePath(appState().appFolder, appState().languageName));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewWidget preview(&printer);
    int pages = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview, [&](QPrinter* p) {
        TALL copy = a;
        const Printout printout = BuildPrintout(
            a, DescribeDocument(copy), QStringLiteral("bench.dat"), language, texts.labels());
        pages = PaintPrintout(printout, *p, texts.pageText());
    });
    constexpr int PreviewRuns = 10;
    const Figures previewTime = Time(PreviewRuns, [&] { preview.updatePreview(); });

    QTextStream out(stdout);
    out << "median / worst in ms\n";
    out << QStringLiteral("  compare two full documents (%1 channels each, %2 differences), "
                          "decoding included (limit 5 ms):\n    %3\n")
               .arg(a.channelCount)
               .arg(differences)
               .arg(Shown(compare));
    out << QStringLiteral("  of which describing one document:\n    %1\n").arg(Shown(describe));
    out << QStringLiteral("  and the comparison of the two descriptions:\n    %1\n")
               .arg(Shown(compareOnly));
    out << QStringLiteral("  print preview of %1 channels, %2 pages, built, laid out and "
                          "painted (limit 300 ms, %3 runs):\n    %4\n")
               .arg(a.channelCount)
               .arg(pages)
               .arg(PreviewRuns)
               .arg(Shown(previewTime));
    return 0;
}
