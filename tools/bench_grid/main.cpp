// Prints how long the memory channel grid takes to refill all rows and to store one
// cell, over a full channel list, and what the undo history costs: one edit through the
// door with its two image snapshots, undoing a fill of all 128 channels with the grid's
// reload, and sorting and moving the channel list, reload included. Run without a display:
// QT_QPA_PLATFORM=offscreen.
#include "core/ChannelRecord.h"
#include "core/DataModule.h"
#include "core/DocumentLifecycle.h"
#include "core/NumberText.h"
#include "editors/channels/ChannelGrid.h"
#include "editors/channels/ChannelSort.h"
#include "files/LanguageFile.h"
#include "widgets/ModalSeam.h"
#include "widgets/grid/CellGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Median and worst of a number of runs, in milliseconds: the work itself, and the
// work with the repaint it causes.
struct Figures {
    double median = 0.0;
    double worst = 0.0;
    double paintedMedian = 0.0;
    double paintedWorst = 0.0;
};

// prepare runs before each timed run, outside the timing.
Figures Time(int runs, const std::function<void(int)>& work,
             const std::function<void(int)>& prepare = {})
{
    std::vector<double> bare;
    std::vector<double> painted;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare(i);
        QElapsedTimer timer;
        timer.start();
        work(i);
        bare.push_back(double(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
        painted.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(bare.begin(), bare.end());
    std::sort(painted.begin(), painted.end());
    return {bare[bare.size() / 2], bare.back(), painted[painted.size() / 2], painted.back()};
}

// Gives every channel another name, so that a refill changes every row.
void RenameChannels(int round)
{
    TALL& all = appState();
    for (int k = 1; k <= all.channelCount; ++k) {
        QString text = QStringLiteral("%1%2").arg(QChar(u'A' + round % 26)).arg(k);
        SetChannelField(all, k, Field::Name, text);
    }
}

void FillChannelList()
{
    TALL& all = appState();
    static const char* tones[] = {"", "67.0", "D023N", "254.1", "D754I"};
    for (int k = 1; k <= all.channelCount; ++k) {
        QString text = FormatMHz(k % 2 ? 430.0 + k * 0.0125 : 144.0 + k * 0.00625);
        SetChannelField(all, k, Field::RxFreq, text);
        text = QLatin1String(tones[k % 5]);
        SetChannelField(all, k, Field::RxTone, text);
        text = QStringLiteral("CH%1").arg(k);
        SetChannelField(all, k, Field::Name, text);
    }
}

// Answers the sort dialog as a user would: by name or by frequency, in turn, so that
// every sort changes the order.
class SortAnswers : public ModalScript {
  public:
    int round = 0;
    QMessageBox::StandardButton messageBox(QWidget*, QMessageBox::Icon, const QString&,
                                           const QString&, QMessageBox::StandardButtons) override
    {
        return QMessageBox::Yes;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    int execDialog(QDialog& dialog) override
    {
        auto& sort = static_cast<TfChsSort&>(dialog);
        (round++ % 2 ? sort.rbRxFrequency : sort.rbName)->setChecked(true);
        return QDialog::Accepted;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Maindb().DataModuleCreate(QCoreApplication::applicationFilePath());
    languageTexts() = EnglishMessageTexts();
    MakeFirstDocument(appState(), modelList());
    StartNewImage(appState(), modelList());
    FillChannelList();

    TfChsInfo window;
    window.show();
    QApplication::processEvents();
    CellGrid* grid = window.gvData;

    constexpr int Runs = 50;
    const Figures unchanged = Time(Runs, [&](int) { window.FillAllRows(); });
    // Renaming every channel stands for another window's change (a batch fill).
    const Figures refill = Time(
        Runs, [&](int) { window.FillAllRows(); }, &RenameChannels);
    const Figures row = Time(Runs, [&](int i) { window.FillRow(1 + i % appState().channelCount); });
    const Figures power = Time(Runs, [&](int i) {
        const int r = 2 + i % appState().channelCount;
        grid->setCellValue(6, r, QString::number(i % 2));
        window.StoreCell(r, 6);
    });
    const Figures frequency = Time(Runs, [&](int i) {
        const int r = 2 + i % appState().channelCount;
        grid->setCellText(2, r, FormatMHz(435.0 + i * 0.005));
        window.StoreCell(r, 2);
    });
    const Figures create = Time(Runs, [&](int i) {
        const int r = 2 + i % appState().channelCount;
        window.ClearChannelRow(r);
        QString text = FormatMHz(145.0 + i * 0.0125);
        SetChannelField(appState(), r - 1, Field::RxFreq, text);
        grid->setCellText(2, r, text);
        window.StartChannelRow(r);
    });

    // The door: one edit of one field, snapshots and comparison included.
    TDocumentEdits& edits = documentEdits();
    const Figures step = Time(Runs, [&](int i) {
        edits.Edit(&window, QStringLiteral("Channel name"), [&] {
            QString text = QStringLiteral("N%1").arg(i); // a new name each time: a real step
            SetChannelField(appState(), 1 + i % appState().channelCount, Field::Name, text);
        });
    });
    // Undoing (and redoing) a fill of every channel; the grid reloads every row.
    const auto fill = [&](int i) {
        edits.Edit(nullptr, QStringLiteral("Batch fill"), [&] { RenameChannels(i + 7); });
    };
    const Figures undoFill = Time(
        Runs, [&](int) { edits.Undo(); }, fill);
    const Figures redoFill = Time(
        Runs, [&](int) { edits.Redo(); },
        [&](int i) {
            fill(i);
            edits.Undo();
        });
    // The channel list commands as the keys run them: one step through the door and the
    // grid's reload of every row.
    SortAnswers answers;
    Modal::setScript(&answers);
    const Figures sort = Time(
        Runs, [&](int) { window.SortChannelList(); }, [&](int) { grid->setCurrentCell(2, 2); });
    const Figures move = Time(
        Runs, [&](int i) { window.MoveSelection(i % 2 ? -1 : 1); },
        [&](int i) {
            QList<int> rows;
            for (int r = 2; r <= 128; ++r)
                rows << r + i % 2;
            grid->setCurrentCell(2, rows.first());
            grid->selectRows(rows);
        });
    Modal::setScript(nullptr);

    QTextStream out(stdout);
    out << "memory channel grid, " << appState().channelCount << " channels, " << Runs
        << " runs each; median / worst in ms (a frame is 16.7 ms)\n"
        << QStringLiteral("  %1 %2 %3\n")
               .arg(QString(), -34)
               .arg(QStringLiteral("work"), -19)
               .arg(QStringLiteral("work and repaint"));
    const auto line = [&](const char* what, const Figures& f) {
        out << QStringLiteral("  %1 %2 / %3   %4 / %5\n")
                   .arg(QLatin1String(what), -34)
                   .arg(FormatFixed(f.median, 3), 7)
                   .arg(FormatFixed(f.worst, 3), 7)
                   .arg(FormatFixed(f.paintedMedian, 3), 7)
                   .arg(FormatFixed(f.paintedWorst, 3), 7);
    };
    line("FillAllRows, every row changed", refill);
    line("FillAllRows, nothing changed", unchanged);
    line("FillRow (one row)", row);
    line("StoreCell, power column", power);
    line("StoreCell, receive frequency", frequency);
    line("delete and recreate a row", create);
    line("one edit through the door", step);
    line("undo a 128-channel fill, grid reload", undoFill);
    line("redo a 128-channel fill, grid reload", redoFill);
    line("sort 128 channels, grid reload", sort);
    line("move 127 channels by one, grid reload", move);
    return 0;
}
