// Rescanning an unchanged build folder (80% images, 20% pages of about 4 KB, in 100 folders) against
// what the same walk costs the system's own tools: find printing each file's size, time and path,
// plus cat reading every page once. Both run in this one program, on the same folder.
#include "BenchPorts.h"

#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/filemanager/TZarpFileManager.h"
#include "core/ports/Clock.h"
#include "core/ports/Prompter.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;
using bix::bench::FixedClock;
using bix::bench::NoPump;
using bix::bench::QuietPrompter;

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The build folder with n files, made once per size and kept for the whole run.
const std::string& BuildFolder(int n) {
    static std::map<int, std::string> folders;
    auto found = folders.find(n);
    if (found != folders.end()) {
        return found->second;
    }
    const fs::path root = fs::temp_directory_path() / ("bix-bench-site-" + std::to_string(n));
    fs::remove_all(root);
    const std::string page = "<html><head><title>Page</title></head><body>" + std::string(4000, 'x') + "</body></html>";
    const std::string jpeg =
        std::string(
            "\xff\xd8\xff\xe0\x00\x10JFIF\0\1\1\0\0\1\0\1\0\0\xff\xc0\x00\x0b\x08\x01\xe0\x02\x80\x01\x01\x11\x00",
            31) +
        std::string(2000, '\0');
    const std::string gif =
        std::string("GIF89a\x20\0\x10\0\0\0\0\x2c\0\0\0\0\x20\0\x10\0\0", 23) + std::string(1000, '\0');
    for (int i = 0; i < n; ++i) {
        const fs::path folder = root / ("folder" + std::to_string(i % 100));
        fs::create_directories(folder);
        if (i % 5 == 0) {
            Write(folder / ("page" + std::to_string(i) + ".htm"), page);
        } else if (i % 2 == 0) {
            Write(folder / ("photo" + std::to_string(i) + ".jpg"), jpeg);
        } else {
            Write(folder / ("icon" + std::to_string(i) + ".gif"), gif);
        }
    }
    return folders.emplace(n, root.string() + "/").first->second;
}

void BM_RescanUnchanged(benchmark::State& state) {
    const std::string& folder = BuildFolder(static_cast<int>(state.range(0)));
    QuietPrompter prompter;
    FixedClock clock;
    bix::MemTable table(bix::FileManagerFieldDefs());
    table.AddHashIndex("FileName");
    table.Open();
    bix::TZarpFileManager files(prompter, clock);
    files.SetDataSource(&table);
    files.SetDestinationFolder(folder);
    files.ScanFolder();  // the first scan fills the list; the ones timed find it unchanged
    for (auto _ : state) {
        files.ScanFolder();
    }
    state.counters["rows"] = static_cast<double>(table.RecordCount());
}

void BM_FindAndCatPages(benchmark::State& state) {
    const std::string& folder = BuildFolder(static_cast<int>(state.range(0)));
    const std::string command = "find '" + folder + "' -type f -printf '%s %T@ %p\\n' > /dev/null && cat '" + folder +
                                "'folder*/*.htm > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("find or cat failed");
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_RescanUnchanged)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindAndCatPages)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
