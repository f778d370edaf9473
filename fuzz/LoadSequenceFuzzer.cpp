// The window, without a screen, loads a sequence of files cut from the fuzz input through its
// file-open button and a scripted dialog; track and time-signature buttons are checked in between.
// After every step the properties that hold for any file are checked, and every load is compared
// with a fresh window that loads only that file. The input format is in README.md.
#include "app/Unit1.h"
#include "listing/EventBytes.h"
#include "tools/kestro-dump/Dump.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxFileSize = kImageSize + 1024; // a little over what a load reads
constexpr int kMaxSteps = 24;
constexpr std::size_t kMaxFiles = 8;
constexpr int kRadioCount = 28 + kTrackCount;

const std::string_view kStartLine = "--------(TRACK START)--------";
const std::string_view kEndLine = "---------(TRACK END)---------";
const std::string_view kMeasureLine = "-----------(MEAS)------------";

[[noreturn]] void Fail(const char *what, const std::string &detail = {})
{
    std::fprintf(stderr, "kestro-fuzz-load: property violated: %s %s\n", what, detail.c_str());
    std::abort();
}

void Check(bool holds, const char *what, const std::string &detail = {})
{
    if (!holds)
        Fail(what, detail);
}

// Compared with memcmp: a loop over the bytes would run the fuzzer's comparison hook per byte.
bool AllZero(const std::uint8_t *bytes, std::size_t count)
{
    static const std::uint8_t kZeros[kSlotSize] = {};
    return std::memcmp(bytes, kZeros, count) == 0;
}

// Paths that no load can read, made once per process.
struct UnreadablePaths
{
    std::filesystem::path Folder;
    std::vector<std::string> Paths;

    UnreadablePaths()
    {
        std::string pattern = "/dev/shm/kestro-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            Fail("cannot create a folder in /dev/shm");
        Folder = pattern;
        const std::string fifo = (Folder / "fifo").string();
        const std::string dangling = (Folder / "dangling").string();
        if (mkfifo(fifo.c_str(), 0600) != 0 || symlink("missing", dangling.c_str()) != 0)
            Fail("cannot create the FIFO or the symbolic link");
        Paths = {(Folder / "missing").string(), fifo, dangling, Folder.string(), "/dev/null",
            "/dev/zero", "/" + std::string(kPathBufSize + 16, 'x')};
    }
    ~UnreadablePaths()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }
};

UnreadablePaths *Unreadable = nullptr;

// One file of the input, held in memory and opened through its /proc path.
struct FuzzFile
{
    int Handle = -1;
    std::string Path;
    Bytes Content;

    explicit FuzzFile(Bytes content)
        : Content(std::move(content))
    {
        Handle = memfd_create("kestro-fuzz", MFD_CLOEXEC);
        if (Handle < 0)
            Fail("memfd_create failed");
        std::size_t done = 0;
        while (done < Content.size()) {
            const ssize_t wrote = write(Handle, Content.data() + done, Content.size() - done);
            if (wrote <= 0)
                Fail("cannot write the file");
            done += std::size_t(wrote);
        }
        Path = "/proc/self/fd/" + std::to_string(Handle);
    }
    ~FuzzFile() { close(Handle); }
    FuzzFile(const FuzzFile &) = delete;
    FuzzFile &operator=(const FuzzFile &) = delete;
};

class Reader
{
public:
    explicit Reader(std::span<const std::uint8_t> data)
        : FData(data)
    { }
    bool AtEnd() const { return FPosition >= FData.size(); }
    std::uint8_t Byte() { return AtEnd() ? 0 : FData[FPosition++]; }
    std::uint32_t Number(int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= std::uint32_t(Byte()) << (8 * i);
        return value;
    }
    // Up to `count` bytes, fewer when the input ends first.
    std::span<const std::uint8_t> Take(std::size_t count)
    {
        count = std::min(count, FData.size() - std::min(FPosition, FData.size()));
        const auto taken = FData.subspan(FPosition, count);
        FPosition += count;
        return taken;
    }

private:
    std::span<const std::uint8_t> FData;
    std::size_t FPosition = 0;
};

// The list's lines, each followed by a newline: one string, cheap to compare.
std::string Lines(const TForm1 &form)
{
    std::string lines;
    const TStrings &items = *form.TrackList->Items();
    for (int i = 0; i < items.Count(); ++i) {
        lines += items[i];
        lines += '\n';
    }
    return lines;
}

std::vector<std::string> Texts(const TForm1 &form)
{
    std::vector<std::string> texts = {form.PathBuf, form.FilePath->Text(), form.SeqType->Text(),
        form.SetupFlag->Text(), form.TimeSIG->Text(), form.Tempo->Text(), form.SSONG->Text(),
        form.SynthMode->Text(), form.VoiceNumber->Text(), form.VoiceType->Text(),
        form.RhythmMode->Text(), form.RhythmNumber->Text()};
    for (int track = 0; track < kTrackCount; ++track)
        texts.push_back(form.TrackChannelEdit(track)->Text());
    return texts;
}

TRadioButton *Radio(const TForm1 &form, int index)
{
    return index < 28 ? form.TimeSigButton(index) : form.TrackButton(index - 28);
}

// Everything a failed or empty load must leave as it was.
struct Snapshot
{
    std::vector<std::string> Texts;
    std::string Lines;
    std::vector<bool> Checked;
    std::vector<bool> Enabled;
    Bytes Record;

    explicit Snapshot(const TForm1 &form)
        : Texts(::Texts(form))
        , Lines(::Lines(form))
    {
        for (int i = 0; i < kRadioCount; ++i) {
            Checked.push_back(Radio(form, i)->Checked());
            Enabled.push_back(Radio(form, i)->Enabled());
        }
        auto keep = [this](const void *bytes, std::size_t count) {
            const auto *begin = static_cast<const std::uint8_t *>(bytes);
            Record.insert(Record.end(), begin, begin + count);
        };
        keep(form.FileImage, sizeof form.FileImage);
        keep(form.TrackData, sizeof form.TrackData);
        keep(form.TrackLength, sizeof form.TrackLength);
        keep(&form.ImageLength, sizeof form.ImageLength);
    }
    bool operator==(const Snapshot &) const = default;
};

bool IsNumberLine(std::string_view line)
{
    return line.size() >= 16 && line.size() <= 70
        && std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// The listing of one track: empty, or TRACK START first; TRACK END only last; every line a marker
// or a printable number line of 16 to 70 characters; never more lines than the track has bytes.
void CheckListing(const TForm1 &form, int track)
{
    const TStrings &items = *form.TrackList->Items();
    const std::string where = "track " + std::to_string(track);
    if (items.Count() == 0)
        return;
    Check(items[0] == kStartLine, "listing does not begin with TRACK START", where);
    Check(items.Count() <= form.TrackLength[track], "more lines than bytes", where);
    int next = 0; // where the next line's bytes may begin
    for (int i = 0; i < items.Count(); ++i) {
        const std::string_view line = items[i];
        const std::string at
            = where + ", line " + std::to_string(i) + ": [" + std::string(line) + "]";
        Check(i == 0 || line != kStartLine, "a second TRACK START", at);
        Check(line != kEndLine || i + 1 == items.Count(), "lines after TRACK END", at);
        Check(line == kStartLine || line == kEndLine || line == kMeasureLine || IsNumberLine(line),
            "malformed line", at);
        // The bytes kept with the line are the track's own, in stream order.
        const EventBytes event = EventBytes::Unpack(items.ItemData(i));
        Check(event.Count >= 1 && event.Offset >= next
                && event.Offset + event.Count <= form.TrackLength[track],
            "the line's bytes lie outside the track", at);
        Check(std::equal(
                  event.Bytes, event.Bytes + event.Count, form.TrackData[track] + event.Offset),
            "the line's bytes differ from the track", at);
        next = event.Offset + event.Count;
    }
}

// The slots are consecutive pieces of the file's bytes from 34 on: each ends at its first 0xF2 or
// where the data ends, none begins with the list end mark 0xF9, and nothing stands after them.
void CheckSplit(const TForm1 &form)
{
    int position = kHeaderSize;
    bool ended = false;
    for (int slot = 0; slot < kTrackCount; ++slot) {
        const int length = form.TrackLength[slot];
        const std::uint8_t *data = form.TrackData[slot];
        const std::string where = "slot " + std::to_string(slot);
        Check(length >= 0 && length <= kSlotSize, "slot length out of range", where);
        Check(
            AllZero(data + length, std::size_t(kSlotSize - length)), "bytes past the track", where);
        if (ended || length == 0) {
            Check(length == 0, "a track after the end of the list", where);
            ended = true;
            continue;
        }
        Check(position + length <= form.ImageLength, "a track past the file's data", where);
        Check(std::memcmp(data, form.FileImage + position, std::size_t(length)) == 0,
            "slot differs from the file", where);
        Check(data[0] != 0xF9, "a track begins with the list end mark", where);
        const std::uint8_t *end = std::find(data, data + length, 0xF2);
        Check(end == data + length - 1
                || (end == data + length && position + length == form.ImageLength),
            "a track not ended by its end mark or the end of the data", where);
        position += length;
    }
    if (!ended && form.TrackLength[kTrackCount - 1] != 0)
        return; // eight tracks: a ninth is ignored
    Check(position >= form.ImageLength || form.FileImage[position] == 0xF9,
        "the split stopped early");
}

void CheckRadioButtons(TForm1 &form)
{
    int checked = 0;
    for (int i = 0; i < kRadioCount; ++i)
        checked += Radio(form, i)->Checked() ? 1 : 0;
    Check(checked == 1, "not exactly one radio button checked", std::to_string(checked));
    Check(form.SelectedTrack() != kNoTrack, "the checked radio button is no track button");
    const int index = form.FileImage[9];
    for (int n = 0; n < 28; ++n)
        Check(form.TimeSigButton(n)->Enabled() == (n == index),
            "wrong time-signature button enabled");
}

// Lists every track and checks each listing; the track `last` is listed last, so that the list
// shows it afterwards.
std::vector<std::string> AllListings(TForm1 &form, int last)
{
    std::vector<std::string> listings(kTrackCount);
    for (int n = 1; n <= kTrackCount; ++n) {
        const int track = (last + n) % kTrackCount;
        form.ListTrack(track);
        CheckListing(form, track);
        listings[std::size_t(track)] = Lines(form);
    }
    return listings;
}

std::unique_ptr<TForm1> LoadedAlone(const std::string &path)
{
    auto fresh = std::make_unique<TForm1>(nullptr);
    fresh->OpenDialog->SetChooser([&path](TOpenDialog &) { return std::optional(path); });
    fresh->FileOpen->Click();
    return fresh;
}

void CheckLoaded(TForm1 &form, const FuzzFile &file)
{
    Check(std::string(form.PathBuf) == file.Path, "PathBuf does not name the file");
    Check(form.FilePath->Text() == file.Path, "FilePath does not name the file");

    const int length = int(std::min(file.Content.size(), std::size_t(kImageSize)));
    Check(form.ImageLength == length, "image length");
    Check(std::equal(file.Content.begin(), file.Content.begin() + length, form.FileImage),
        "image differs from the file");
    if (length < kImageSize) {
        Check(form.FileImage[length] == 0xFF, "no 0xFF where the file ends");
        Check(AllZero(form.FileImage + length + 1, std::size_t(kImageSize - length - 1)),
            "bytes past the end of the file");
    }
    CheckSplit(form);
    CheckRadioButtons(form);

    const std::string shown = Lines(form);
    const int selected = form.SelectedTrack();
    const auto listings = AllListings(form, selected);
    Check(shown == listings[std::size_t(selected)], "the list does not show the selected track");

    const std::unique_ptr<TForm1> fresh = LoadedAlone(file.Path);
    Check(Texts(*fresh) == Texts(form), "header differs from a fresh window's");
    for (int n = 0; n < 28; ++n)
        Check(fresh->TimeSigButton(n)->Enabled() == form.TimeSigButton(n)->Enabled(),
            "time-signature buttons differ from a fresh window's");
    Check(fresh->ImageLength == form.ImageLength
            && std::memcmp(fresh->FileImage, form.FileImage, sizeof form.FileImage) == 0
            && std::memcmp(fresh->TrackLength, form.TrackLength, sizeof form.TrackLength) == 0
            && std::memcmp(fresh->TrackData, form.TrackData, sizeof form.TrackData) == 0,
        "song record differs from a fresh window's");
    // The record being the same, the other listings are too.
    Check(Lines(*fresh) == listings[0], "the first track differs from a fresh window's");
}

// The window under test, its scripted dialog and what the dialog holds.
struct Session
{
    std::unique_ptr<TForm1> Form = std::make_unique<TForm1>(nullptr);
    std::vector<std::unique_ptr<FuzzFile>> Files;
    std::optional<std::string> Answer; // what the dialog answers next; nothing: cancel
    std::string DialogName; // the dialog's FileName: the last confirmed path
    const FuzzFile *DialogFile = nullptr; // the file it names, or none when it cannot be read
    std::vector<std::pair<std::string, bool>> Chosen; // every path confirmed, and whether readable

    Session()
    {
        Form->OpenDialog->SetChooser([this](TOpenDialog &) { return Answer; });
    }

    void Load(std::optional<std::string> path, const FuzzFile *file)
    {
        if (path) {
            DialogName = *path;
            DialogFile = file;
            Chosen.emplace_back(*path, file != nullptr);
        }
        Answer = std::move(path);
        const bool mayChange = !DialogName.empty() && DialogFile;
        std::optional<Snapshot> before;
        if (!mayChange)
            before.emplace(*Form);
        try {
            Form->FileOpen->Click();
        } catch (const EFOpenError &error) {
            Check(!mayChange, "a readable file was refused", error.Message());
            Check(error.FileName() == DialogName, "the error does not name the file");
            Check(!error.Reason().empty(), "the error gives no reason");
            Check(Snapshot(*Form) == *before, "a refused file changed the window");
            return;
        } catch (const std::exception &error) {
            Fail("unexpected exception", error.what());
        }
        Check(mayChange || DialogName.empty(), "an unreadable path loaded", DialogName);
        if (!mayChange) {
            Check(Snapshot(*Form) == *before, "a cancelled first dialog changed the window");
            return;
        }
        CheckLoaded(*Form, *DialogFile);
    }

    void AddFile(Bytes content)
    {
        Files.push_back(std::make_unique<FuzzFile>(std::move(content)));
        Load(Files.back()->Path, Files.back().get());
    }

    void CheckTrackButton(int track)
    {
        const bool was = Form->TrackButton(track)->Checked();
        const std::string before = Lines(*Form);
        Form->TrackButton(track)->SetChecked(true);
        Check(Form->SelectedTrack() == track, "the checked track button is not selected");
        for (int i = 0; i < kRadioCount; ++i)
            Check(Radio(*Form, i)->Checked() == (i == 28 + track), "another radio button checked");
        const std::string shown = Lines(*Form);
        if (was) {
            Check(shown == before, "checking a checked button changed the list");
            return;
        }
        Form->ListTrack(track);
        Check(Lines(*Form) == shown, "the track button did not list its track");
    }

    void CheckTimeSigButton(int index)
    {
        const std::string before = Lines(*Form);
        Form->TimeSigButton(index)->SetChecked(true);
        Check(Form->SelectedTrack() == kNoTrack, "a track button stayed checked");
        Check(Lines(*Form) == before, "a time-signature button changed the list");
    }

    void ListDirectly(int track)
    {
        Form->ListTrack(track);
        if (track < 0 || track >= kTrackCount)
            Check(Form->TrackList->Items()->Count() == 0, "a track out of range was listed");
        else
            CheckListing(*Form, track);
    }
};

// Valid UTF-8 without any control character but the newline: nothing that a terminal acts on.
bool IsTerminalSafe(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\n' || (b >= 0x20 && b < 0x7F)) {
            ++i;
            continue;
        }
        int length = 0;
        std::uint32_t code = 0;
        if ((b & 0xE0) == 0xC0) {
            length = 2;
            code = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3;
            code = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4;
            code = b & 0x07;
        } else {
            return false; // a C0 control, DEL, or no lead byte
        }
        if (i + std::size_t(length) > text.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)
            || (code >= 0x80 && code <= 0x9F))
            return false;
        i += std::size_t(length);
    }
    return true;
}

std::string ReadStream(std::FILE *stream, char *&buffer, std::size_t &size)
{
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// kestro-dump on the paths the dialog confirmed (the first eight), with options from `flags`:
// one line on stderr per path it cannot read, exit status 1 when there is one, and on stdout only
// terminal-safe text, or one JSON object per file read.
void CheckDump(const std::vector<std::pair<std::string, bool>> &chosen, std::uint8_t flags)
{
    DumpOptions options;
    options.Json = flags & 1;
    options.Bytes = flags & 2;
    options.Track = (flags >> 2) % (kTrackCount + 1);
    std::size_t readable = 0;
    std::string expectedErrors;
    for (std::size_t i = 0; i < chosen.size() && i < 8; ++i) {
        options.Files.push_back(chosen[i].first);
        if (chosen[i].second)
            ++readable;
        else
            expectedErrors += "kestro-dump: " + chosen[i].first + ": ";
    }
    char *outBuffer = nullptr;
    char *errBuffer = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE *out = open_memstream(&outBuffer, &outSize);
    std::FILE *err = open_memstream(&errBuffer, &errSize);
    if (!out || !err)
        Fail("open_memstream failed");
    const int status = RunDump(options, out, err);
    const std::string text = ReadStream(out, outBuffer, outSize);
    const std::string errors = ReadStream(err, errBuffer, errSize);

    Check(status == (readable == options.Files.size() ? 0 : 1), "dump exit status");
    std::string errorStarts;
    for (std::size_t begin = 0; begin < errors.size();) {
        const std::size_t end = errors.find('\n', begin);
        Check(end != std::string::npos, "dump error without a newline");
        const std::string line = errors.substr(begin, end - begin);
        errorStarts += line.substr(0, line.rfind(": ") + 2);
        begin = end + 1;
    }
    Check(errorStarts == expectedErrors, "dump errors do not name the unreadable files", errors);
    Check(IsTerminalSafe(text), "dump output is not terminal-safe text");
    Check(text.empty() || text.back() == '\n', "dump output does not end with a newline");
    if (!options.Json)
        return;
    std::size_t objects = 0;
    for (std::size_t begin = 0; begin < text.size(); ++objects) {
        const std::size_t end = text.find('\n', begin);
        const auto object = nlohmann::json::parse(text.substr(begin, end - begin), nullptr, false);
        Check(object.is_object() && object.contains("file") && object.contains("header")
                && object["tracks"].is_array()
                && object["tracks"].size() == (options.Track ? 1u : std::size_t(kTrackCount)),
            "dump JSON line is not a file's object");
        begin = end + 1;
    }
    Check(objects == readable, "dump JSON lines are not one per file read");
}

Bytes LiteralFile(Reader &input)
{
    const std::size_t length = input.Number(3) % (kMaxFileSize + 1);
    const auto bytes = input.Take(length);
    return Bytes(bytes.begin(), bytes.end());
}

// Given bytes, then a fill byte up to the length: large files from small inputs.
Bytes PaddedFile(Reader &input)
{
    const std::size_t length = input.Number(3) % (kMaxFileSize + 1);
    const std::uint8_t fill = input.Byte();
    const auto bytes = input.Take(std::min<std::size_t>(input.Number(2), length));
    Bytes file(bytes.begin(), bytes.end());
    file.resize(length, fill);
    return file;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static UnreadablePaths paths;
    Unreadable = &paths;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reader input({data, size});
    Session session;
    for (int step = 0; step < kMaxSteps && !input.AtEnd(); ++step) {
        const std::uint8_t operation = input.Byte();
        switch (operation % 8) {
        case 0:
        case 1:
            if (session.Files.size() < kMaxFiles) {
                session.AddFile(operation % 8 == 0 ? LiteralFile(input) : PaddedFile(input));
                break;
            }
            [[fallthrough]];
        case 2:
            session.Load(std::nullopt, nullptr); // cancel
            break;
        case 3: {
            const auto &paths = Unreadable->Paths;
            session.Load(paths[input.Byte() % paths.size()], nullptr);
            break;
        }
        case 4:
            session.CheckTrackButton(input.Byte() % kTrackCount);
            break;
        case 5:
            session.CheckTimeSigButton(input.Byte() % 28);
            break;
        case 6:
            if (!session.Files.empty()) {
                const FuzzFile &file = *session.Files[input.Byte() % session.Files.size()];
                session.Load(file.Path, &file);
            }
            break;
        case 7:
            session.ListDirectly(std::int8_t(input.Byte()));
            break;
        }
    }
    CheckDump(session.Chosen, size ? data[size - 1] : 0);
    return 0;
}
