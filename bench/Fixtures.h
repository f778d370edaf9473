// Files the benchmarks make for themselves: the worst case for the listing, and eight full tracks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// One track of one-byte events (measure marks) filling the whole image: about 65,500 lines.
Bytes WorstCaseFile();
// Eight tracks of mixed events sharing the image.
Bytes EightTrackFile();
// Writes the bytes to a file in the temporary folder and returns its path.
std::string WriteTempFile(const std::string &name, const Bytes &bytes);
