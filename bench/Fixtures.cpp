#include "Fixtures.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

Bytes Header(std::uint8_t timeSig)
{
    Bytes header(34, 0);
    const char identifier[] = "BENCHSEQ";
    std::copy(identifier, identifier + 8, header.begin());
    header[9] = timeSig;
    header[11] = 0x78;
    return header;
}

} // namespace

Bytes WorstCaseFile()
{
    Bytes file = Header(3);
    file.push_back(0xF0);
    file.push_back(0x00);
    file.resize(65536 - 2, 0xF5);
    file.push_back(0xF2);
    file.push_back(0xF9);
    return file;
}

Bytes EightTrackFile()
{
    // A bar of mixed events: times, notes of all four forms, controls, after-touch, a measure.
    const Bytes bar = {0x05, 0x83, 0x3C, 0x40, 0x10, 0xF5, 0xFC, 0x12, 0x01, 0x30, 0xC1, 0x05, 0x3C,
        0x64, 0xC1, 0x05, 0xBC, 0xFA, 0x3C, 0x10, 0xFB, 0x07, 0x64, 0x9E, 0xC0, 0xFE, 0x01, 0x02,
        0xFD, 0x40, 0x20};
    Bytes file = Header(9);
    const std::size_t perTrack = (65536 - 34 - 1) / 8;
    for (int track = 0; track < 8; ++track) {
        const std::size_t end = file.size() + perTrack;
        file.push_back(0xF0);
        file.push_back(std::uint8_t(track));
        while (file.size() + bar.size() < end)
            file.insert(file.end(), bar.begin(), bar.end());
        file.push_back(0xF2);
    }
    file.push_back(0xF9);
    return file;
}

std::string WriteTempFile(const std::string &name, const Bytes &bytes)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return path.string();
}
