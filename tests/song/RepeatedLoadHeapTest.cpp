// The song record lies in the window object, so loading files again and again must not grow the
// heap: once every file has been loaded and listed once, the heap in use stays where it was.
#include "BadInputFiles.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace {

// Bytes handed out by malloc, small blocks and mapped ones alike.
std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

TEST(RepeatedLoads, DoNotGrowTheHeap)
{
    TempDir dir;
    TestWindow window;
    if (HeapInUse() == 0)
        GTEST_SKIP() << "another allocator is in place (a sanitizer or valgrind)";

    const std::vector<std::string> files = {
        std::string(KESTRO_EXAMPLES) + "/demo.seq",
        dir.Write("measures.seq", BadInput::MeasureFile(70000)),
        dir.Write("good.seq", BadInput::GoodFile()),
        dir.Write("empty.seq", {}),
        (dir.Path() / "missing.seq").string(),
    };
    auto loadEveryFile = [&] {
        for (const std::string &file : files) {
            try {
                window.Load(file);
            } catch (const EFOpenError &) { }
            window->Trk2Sel->SetChecked(true);
            window->Trk1Sel->SetChecked(true);
        }
    };

    loadEveryFile();
    const std::size_t before = HeapInUse();
    for (int round = 0; round < 100; ++round)
        loadEveryFile();
    const std::size_t after = HeapInUse();

    RecordProperty("HeapBefore", std::to_string(before));
    RecordProperty("HeapAfter100Rounds", std::to_string(after));
    EXPECT_LE(after, before) << "the heap grew by " << after - before << " bytes in 500 loads";
}

} // namespace
