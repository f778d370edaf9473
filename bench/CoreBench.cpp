// The headless load, piece by piece and whole, on the demo file and the benchmark's own files.
#include "Fixtures.h"
#include "app/Unit1.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Files
{
    std::string Demo = KESTRO_EXAMPLES "/demo.seq";
    std::string WorstCase = WriteTempFile("kestro-bench-worst.seq", WorstCaseFile());
    std::string EightTracks = WriteTempFile("kestro-bench-eight.seq", EightTrackFile());

    const std::string &operator[](int index) const
    {
        return index == 0 ? Demo : index == 1 ? WorstCase : EightTracks;
    }
};

const Files &BenchFiles()
{
    static const Files files;
    return files;
}

// A window with the file loaded once through the dialog.
std::unique_ptr<TForm1> Loaded(const std::string &file)
{
    auto form = std::make_unique<TForm1>(nullptr);
    form->OpenDialog->SetChooser([file](TOpenDialog &) { return file; });
    form->FileOpen->Click();
    return form;
}

void FileArgs(benchmark::internal::Benchmark *bench)
{
    bench->ArgName("file")->Arg(0)->Arg(1)->Arg(2);
}

void BM_ReadFileImage(benchmark::State &state)
{
    auto form = Loaded(BenchFiles()[int(state.range(0))]);
    for (auto _ : state)
        form->ReadFileImage();
}
BENCHMARK(BM_ReadFileImage)->Apply(FileArgs);

void BM_HeaderDecoders(benchmark::State &state)
{
    auto form = Loaded(BenchFiles()[int(state.range(0))]);
    for (auto _ : state) {
        form->ShowSeqType();
        form->ShowSetupFlag();
        form->ShowTimeSignature();
        form->ShowTempo();
        form->ShowSongName();
        form->ShowTrackChannels();
        form->ShowSynthMode();
        form->ShowVoiceNumber();
        form->ShowVoiceType();
        form->ShowRhythmMode();
        form->ShowRhythmNumber();
    }
}
BENCHMARK(BM_HeaderDecoders)->Apply(FileArgs);

void BM_SplitTracks(benchmark::State &state)
{
    auto form = Loaded(BenchFiles()[int(state.range(0))]);
    for (auto _ : state)
        form->SplitTracks();
}
BENCHMARK(BM_SplitTracks)->Apply(FileArgs);

// The worst-case track: about 65,500 lines into TrackList's items.
void BM_ListTrack(benchmark::State &state)
{
    auto form = Loaded(BenchFiles()[int(state.range(0))]);
    for (auto _ : state) {
        // A list that changed since makes the listing start over, as after choosing another track.
        form->TrackList->Items()->Clear();
        form->ListTrack(0);
    }
    state.counters["lines"] = form->TrackList->Items()->Count();
}
BENCHMARK(BM_ListTrack)->Apply(FileArgs)->Unit(benchmark::kMicrosecond);

// Everything a click on the file-open button does, the dialog answered by a script.
void BM_FileOpenClick(benchmark::State &state)
{
    auto form = Loaded(BenchFiles()[int(state.range(0))]);
    for (auto _ : state)
        form->FileOpen->Click();
}
BENCHMARK(BM_FileOpenClick)->Apply(FileArgs)->Unit(benchmark::kMicrosecond);

} // namespace
