// The window on screen (offscreen platform): a whole load of the worst-case file from the click to
// the list painted, a switch to its 65,000-line track, and process start to the first paint.
#include "Fixtures.h"
#include "app/Unit1.h"
#include "ui/qt/FormView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListView>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

// The main window on screen with the worst-case file chosen by a script in its dialog.
struct Screen
{
    Screen()
    {
        Form->OpenDialog->SetChooser([this](TOpenDialog &) { return File; });
        View.show();
        QApplication::processEvents();
    }
    // Clicks a button as the user would, lets the window do what follows (the list's layout, the
    // paint of what changed), and paints the list once more so that it is on screen at the latest
    // now.
    void ClickAndPaint(const char *name)
    {
        View.findChild<QAbstractButton *>(name)->click();
        QApplication::processEvents();
        QApplication::processEvents();
        View.findChild<QListView *>("TrackList")->viewport()->repaint();
    }
    int Lines() const { return Form->TrackList->Items()->Count(); }

    std::string File = WriteTempFile("kestro-bench-worst.seq", WorstCaseFile());
    std::unique_ptr<TForm1> Form = std::make_unique<TForm1>(nullptr);
    TFormView View {*Form};
};

void BM_QtLoadWorstCase(benchmark::State &state)
{
    Screen screen;
    for (auto _ : state)
        screen.ClickAndPaint("FileOpen");
    state.counters["lines"] = screen.Lines();
}
BENCHMARK(BM_QtLoadWorstCase)->Unit(benchmark::kMillisecond);

void BM_QtTrackSwitch(benchmark::State &state)
{
    Screen screen;
    screen.ClickAndPaint("FileOpen");
    for (auto _ : state) {
        state.PauseTiming();
        screen.ClickAndPaint("Trk2Sel"); // an empty track
        state.ResumeTiming();
        screen.ClickAndPaint("Trk1Sel");
    }
    state.counters["lines"] = screen.Lines();
}
BENCHMARK(BM_QtTrackSwitch)->Unit(benchmark::kMillisecond);

// From starting a process to its end right after the first paint of its window.
void StartToFirstPaint(benchmark::State &state, const char *program)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        char *argv[] = {const_cast<char *>(program), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_StartToFirstPaintEmptyQtWindow(benchmark::State &state)
{
    StartToFirstPaint(state, KESTRO_PROBE_EMPTY);
}
BENCHMARK(BM_StartToFirstPaintEmptyQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartToFirstPaintKestroRead(benchmark::State &state)
{
    StartToFirstPaint(state, KESTRO_PROBE_WINDOW);
}
BENCHMARK(BM_StartToFirstPaintKestroRead)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
