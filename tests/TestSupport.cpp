#include "TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kestro-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    FPath = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(
        FPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(FPath, ignored);
}

std::string TempDir::Write(const std::string &name, const Bytes &bytes) const
{
    const std::filesystem::path path = FPath / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

Bytes DefaultHeader()
{
    Bytes header = {'T', 'E', 'S', 'T', 'S', 'O', 'N', 'G'};
    header.resize(34, 0);
    header[9] = 0x40;
    return header;
}

Bytes SongFile(const Bytes &trackArea, const Bytes &header)
{
    Bytes file = header.empty() ? DefaultHeader() : header;
    file.insert(file.end(), trackArea.begin(), trackArea.end());
    return file;
}

TestWindow::TestWindow()
    : FForm(std::make_unique<TForm1>(nullptr))
{
    FForm->OpenDialog->SetChooser([this](TOpenDialog &) {
        std::optional<std::string> next = FNext;
        FNext.reset();
        return next;
    });
}

TestWindow::~TestWindow() = default;

void TestWindow::Choose(const std::string &name)
{
    FNext = name;
}

void TestWindow::Cancel()
{
    FNext.reset();
}

void TestWindow::Load(const std::string &name)
{
    Choose(name);
    FForm->FileOpen->Click();
}

std::vector<std::string> TestWindow::Lines() const
{
    std::vector<std::string> lines;
    const TStrings &items = *FForm->TrackList->Items();
    for (int i = 0; i < items.Count(); ++i)
        lines.emplace_back(items[i]);
    return lines;
}

std::vector<std::string> TestWindow::Listing(int track)
{
    FForm->ListTrack(track);
    return Lines();
}
