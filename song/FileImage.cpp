// Reading the first 64 KiB of a sequence file into the song record.
#include "app/Unit1.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the file however the read ends.
class FileCloser
{
public:
    explicit FileCloser(int &handle)
        : FHandle(handle)
    { }
    ~FileCloser()
    {
        if (FHandle >= 0)
            close(FHandle);
        FHandle = -1;
    }
    FileCloser(const FileCloser &) = delete;
    FileCloser &operator=(const FileCloser &) = delete;

private:
    int &FHandle;
};

} // namespace

// A file that cannot be opened, is no regular file, or fails to read raises EFOpenError and leaves
// the image as it was. Otherwise the image holds the file's first L bytes (L at most 64 KiB), then
// 0xFF at position L, then zeros: nothing of an earlier file stays.
void TForm1::ReadFileImage()
{
    const std::string name(PathBuf);
    auto fail = [&name](int error) { throw EFOpenError(name, std::strerror(error)); };

    // Non-blocking, so that opening a FIFO without a writer cannot hang; it is refused below.
    FileHandle = open(PathBuf, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (FileHandle < 0)
        fail(errno);
    FileCloser closer(FileHandle);

    struct stat info
    {
    };
    if (fstat(FileHandle, &info) != 0)
        fail(errno);
    if (S_ISDIR(info.st_mode))
        fail(EISDIR);
    if (!S_ISREG(info.st_mode))
        throw EFOpenError(name, "Not a regular file");

    int length = 0;
    while (length < kImageSize) {
        const ssize_t got = read(FileHandle, ReadBuf + length, std::size_t(kImageSize - length));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(errno);
        if (got == 0)
            break;
        length += int(got);
    }

    std::memcpy(FileImage, ReadBuf, std::size_t(length));
    if (length < kImageSize) {
        FileImage[length] = 0xFF; // where the end of the file was met
        std::memset(FileImage + length + 1, 0, std::size_t(kImageSize - length - 1));
    }
    ImageLength = length;
}
