// Whole tool commands run in this process on a 16 MiB image in a file, without the
// process start: `tiles` to standard output (its reading, drawing and PNG encoding)
// and to a file (the synced replace of the output as well).

#include "cli/tiles_command.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kImageSize = 16 << 20;

// A folder of its own holding a 16 MiB image of random bytes, removed at the end.
class ImageFolder {
public:
    ImageFolder()
    {
        char name[] = "/tmp/zarvo-bench-XXXXXX";
        folder_ = mkdtemp(name) != nullptr ? name : "";
        std::vector<char> bytes(kImageSize);
        std::mt19937 random(5);
        for (char& byte : bytes) byte = static_cast<char>(random());
        std::ofstream(image()).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~ImageFolder()
    {
        std::remove(image().c_str());
        std::remove(sheet().c_str());
        rmdir(folder_.c_str());
    }
    ImageFolder(const ImageFolder&) = delete;
    ImageFolder& operator=(const ImageFolder&) = delete;

    [[nodiscard]] std::string image() const { return folder_ + "/game.smc"; }
    [[nodiscard]] std::string sheet() const { return folder_ + "/sheet.png"; }
    [[nodiscard]] bool ready() const { return !folder_.empty(); }

private:
    std::string folder_;
};

// range(0): 0 = standard output, 1 = a file.
void TilesCommand(benchmark::State& state)
{
    const ImageFolder folder;
    if (!folder.ready()) state.SkipWithError("no temporary folder");
    const bool toFile = state.range(0) != 0;
    const std::vector<std::string> arguments{
        folder.image(), "--format", "snes4", "--offset", "8000", "-o", toFile ? folder.sheet() : "-"};
    const zarvo::cli::Command command = zarvo::cli::TilesCommand();
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (command.run(arguments, out, err) != 0) state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetLabel(toFile ? "to a file" : "to standard output");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 8192);  // the sheet's bytes
}
BENCHMARK(TilesCommand)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
