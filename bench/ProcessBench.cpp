// kestro-dump as a whole process, from start to exit, on the worst-case file.
#include "Fixtures.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

void BM_DumpProcess(benchmark::State &state)
{
    const std::string file = WriteTempFile("kestro-bench-worst.seq", WorstCaseFile());
    const char *dump = KESTRO_DUMP;
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        char *argv[] = {const_cast<char *>(dump), const_cast<char *>(file.c_str()), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, dump, &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start kestro-dump");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const auto stop = std::chrono::steady_clock::now();
        posix_spawn_file_actions_destroy(&actions);
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}
BENCHMARK(BM_DumpProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
