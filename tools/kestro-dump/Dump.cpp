#include "Dump.h"

#include "app/Unit1.h"
#include "listing/EventBytes.h"
#include "ui/Cp932.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <string_view>

bool ParseDumpArguments(int argc, const char *const *argv, DumpOptions &options, std::string &error)
{
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            options.Files.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options.Help = true;
        } else if (argument == "--json") {
            options.Json = true;
        } else if (argument == "--bytes") {
            options.Bytes = true;
        } else if (argument == "--track" || argument.starts_with("--track=")) {
            std::string_view number;
            if (argument == "--track") {
                if (i + 1 >= argc) {
                    error = "--track needs a number from 1 to 8";
                    return false;
                }
                number = argv[++i];
            } else {
                number = argument.substr(8);
            }
            int track = 0;
            const auto [end, status]
                = std::from_chars(number.data(), number.data() + number.size(), track);
            if (status != std::errc() || end != number.data() + number.size() || track < 1
                || track > 8) {
                error = "--track needs a number from 1 to 8";
                return false;
            }
            options.Track = track;
        } else {
            error = "unknown option " + std::string(argument);
            return false;
        }
    }
    if (options.Files.empty() && !options.Help) {
        error = "no FILE given";
        return false;
    }
    return true;
}

namespace {

struct HeaderField
{
    std::string_view Name;
    std::string Text; // UTF-8
    bool Empty = false; // shown as null in JSON (the time signature when no button is enabled)
};

std::vector<HeaderField> HeaderFields(const TForm1 &form)
{
    auto text = [](const TControl *control) { return Cp932ToUtf8(control->Text()); };
    std::vector<HeaderField> fields;
    fields.push_back({"SeqType", text(form.SeqType)});
    fields.push_back({"SetupFlag", text(form.SetupFlag)});
    fields.push_back({"TimeSIG", text(form.TimeSIG)});
    HeaderField signature {"TimeSignature", "", true};
    for (int n = 0; n < 28; ++n) {
        if (form.TimeSigButton(n)->Enabled()) {
            signature = {"TimeSignature", text(form.TimeSigButton(n))};
            break;
        }
    }
    fields.push_back(signature);
    fields.push_back({"Tempo", text(form.Tempo)});
    fields.push_back({"SSONG", text(form.SSONG)});
    for (int track = 0; track < kTrackCount; ++track)
        fields.push_back(
            {form.TrackChannelEdit(track)->Name(), text(form.TrackChannelEdit(track))});
    fields.push_back({"SynthMode", text(form.SynthMode)});
    fields.push_back({"VoiceNumber", text(form.VoiceNumber)});
    fields.push_back({"VoiceType", text(form.VoiceType)});
    fields.push_back({"RhythmMode", text(form.RhythmMode)});
    fields.push_back({"RhythmNumber", text(form.RhythmNumber)});
    return fields;
}

// Standard output through one buffer of our own: a listing line is one copy, not a library call.
class Output
{
public:
    explicit Output(std::FILE *file)
        : FFile(file)
    { }
    ~Output() { Flush(); }
    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;

    void Put(std::string_view text)
    {
        if (FLength + text.size() > sizeof FBuffer) {
            Flush();
            if (text.size() > sizeof FBuffer) {
                std::fwrite(text.data(), 1, text.size(), FFile);
                return;
            }
        }
        std::memcpy(FBuffer + FLength, text.data(), text.size());
        FLength += text.size();
    }
    void Flush()
    {
        std::fwrite(FBuffer, 1, FLength, FFile);
        std::fflush(FFile);
        FLength = 0;
    }

private:
    std::FILE *FFile;
    std::size_t FLength = 0;
    char FBuffer[1 << 16];
};

void PutListing(const TForm1 &form, bool withBytes, Output &out)
{
    const TStrings &items = *form.TrackList->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (withBytes)
            out.Put(EventBytes::Unpack(items.ItemData(i)).Columns());
        out.Put(items[i]);
        out.Put("\n");
    }
}

nlohmann::ordered_json ListingJson(const TForm1 &form, bool withBytes)
{
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    const TStrings &items = *form.TrackList->Items();
    for (int i = 0; i < items.Count(); ++i) {
        if (!withBytes) {
            lines.push_back(std::string(items[i]));
            continue;
        }
        const EventBytes event = EventBytes::Unpack(items.ItemData(i));
        lines.push_back({{"offset", event.Offset}, {"bytes", event.BytesText()},
            {"line", std::string(items[i])}});
    }
    return lines;
}

void PutText(TForm1 &form, const DumpOptions &options, const std::string &file, Output &out)
{
    if (options.Track != 0) {
        form.ListTrack(options.Track - 1);
        PutListing(form, options.Bytes, out);
        return;
    }
    out.Put("File: " + file + "\n");
    for (const HeaderField &field : HeaderFields(form))
        out.Put(std::string(field.Name) + ": " + field.Text + "\n");
    for (int track = 0; track < kTrackCount; ++track) {
        out.Put("Track " + std::to_string(track + 1) + ":\n");
        form.ListTrack(track);
        PutListing(form, options.Bytes, out);
    }
}

void PutJson(TForm1 &form, const DumpOptions &options, const std::string &file, Output &out)
{
    nlohmann::ordered_json header = nlohmann::ordered_json::object();
    for (const HeaderField &field : HeaderFields(form)) {
        if (field.Empty)
            header[std::string(field.Name)] = nullptr;
        else
            header[std::string(field.Name)] = field.Text;
    }
    nlohmann::ordered_json tracks = nlohmann::ordered_json::array();
    for (int track = 0; track < kTrackCount; ++track) {
        if (options.Track != 0 && track != options.Track - 1)
            continue;
        form.ListTrack(track);
        tracks.push_back(ListingJson(form, options.Bytes));
    }
    const nlohmann::ordered_json object = {{"file", file}, {"header", header}, {"tracks", tracks}};
    out.Put(object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
    out.Put("\n");
}

} // namespace

int RunDump(const DumpOptions &options, std::FILE *stream, std::FILE *err)
{
    Output out(stream);
    auto form = std::make_unique<TForm1>(nullptr);
    const std::string *current = nullptr;
    form->OpenDialog->SetChooser([&current](TOpenDialog &) { return *current; });

    int status = 0;
    bool first = true;
    for (const std::string &file : options.Files) {
        current = &file;
        try {
            // An empty name would be taken for a cancelled dialog and show the file before.
            if (file.empty())
                throw EFOpenError(file, std::strerror(ENOENT));
            form->FileOpen->Click();
        } catch (const EFOpenError &error) {
            out.Flush(); // keep the order of what goes to both streams
            std::fprintf(err, "kestro-dump: %s: %s\n", file.c_str(), error.Reason().c_str());
            status = 1;
            continue;
        } catch (const Exception &error) {
            out.Flush();
            std::fprintf(err, "kestro-dump: %s: %s\n", file.c_str(), error.Message().c_str());
            status = 1;
            continue;
        }
        if (options.Json) {
            PutJson(*form, options, file, out);
        } else {
            if (!first)
                out.Put("\n");
            PutText(*form, options, file, out);
        }
        first = false;
    }
    return status;
}
