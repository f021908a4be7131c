// Prints how long exporting 128 memory channels as CSV and importing them into a new
// document take (plan, and plan with apply), median and worst of a number of runs.
#include "core/ChannelCsv.h"
#include "core/ChannelEntry.h"
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

struct Figures {
    double median = 0.0;
    double worst = 0.0;
};

Figures Time(int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// Every channel in use, with shifts, tones of every kind and names.
void FillChannelList(TALL& all)
{
    static const char* tones[] = {"", "67.0", "D023N", "254.1", "D754I", "100.0"};
    for (int k = 1; k <= all.channelCount; ++k) {
        QString text = FormatMHz(k % 2 ? 432.0 + k * 0.0125 : 144.6 + k * 0.00625);
        SetChannelField(all, k, Field::RxFreq, text);
        StartNewChannel(all, k);
        text = FormatMHz(text.toDouble() + (k % 2 ? 2.0 : 0.6) * (k % 3 - 1));
        SetChannelField(all, k, Field::TxFreq, text);
        text = QLatin1String(tones[k % 6]);
        SetChannelField(all, k, Field::RxTone, text);
        text = QLatin1String(tones[(k / 6) % 6]);
        SetChannelField(all, k, Field::TxTone, text);
        text = QStringLiteral("CH%1").arg(k);
        SetChannelField(all, k, Field::Name, text);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TfMaindb& db = Maindb();
    db.DataModuleCreate(QCoreApplication::applicationFilePath());
    MakeFirstDocument(db.all, db.macList);
    StartNewImage(db.all, db.macList);
    TALL empty = db.all;
    FillChannelList(db.all);

    constexpr int Runs = 200;
    QByteArray csv;
    const Figures exported = Time(Runs, [&] { csv = ExportChannelsCsv(db.all); });
    int rows = 0, skipped = 0;
    const Figures planned = Time(Runs, [&] {
        const CsvImport plan = PlanCsvImport(empty, csv);
        rows = int(plan.rows.size());
        skipped = plan.count(CsvImportRow::Skipped) + plan.count(CsvImportRow::Changed);
    });
    const Figures applied = Time(Runs, [&] {
        TALL target = empty;
        ApplyCsvImport(target, PlanCsvImport(target, csv));
    });

    QTextStream out(stdout);
    out << "channel list CSV, " << rows << " channels (" << csv.size() << " bytes, " << skipped
        << " rows skipped or changed), " << Runs << " runs each; median / worst in ms\n";
    const auto line = [&](const char* what, const Figures& f) {
        out << QStringLiteral("  %1 %2 / %3\n")
                   .arg(QLatin1String(what), -34)
                   .arg(FormatFixed(f.median, 3), 7)
                   .arg(FormatFixed(f.worst, 3), 7);
    };
    line("export (ExportChannelsCsv)", exported);
    line("import plan (PlanCsvImport)", planned);
    line("import, plan and apply", applied);
    // A row the import does not take as it is would make the figures mean less.
    if (skipped > 0) {
        for (const QString& l : CsvImportReport(PlanCsvImport(empty, csv)))
            if (!l.contains(QLatin1String(": imported:"))) out << l << '\n';
    }
    return skipped == 0 && rows == db.all.channelCount ? 0 : 1;
}
