// Saving and opening a project whose file list has many rows: the tables written into the document,
// the project file written (through its temporary file) and read back, the tables rebuilt with the
// file list's name index.
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/document/ubixWebsiteClass.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

void FillFileList(bix::MemTable& files, int rows) {
    files.Open();
    for (int i = 0; i < rows; ++i) {
        files.Append();
        files.SetValue("FileName", "folder" + std::to_string(i % 50) + "\\page" + std::to_string(i) + ".htm");
        files.SetValue("FileType", std::string("HTML Document"));
        files.SetValue("FileStatus", i % 5);
        files.SetValue("FileDateTimeStamp", 46000.25 + i * 1e-4);
        files.SetValue("FileSize", 1000 + i);
        if (i % 3 != 0) {
            files.SetValue("UploadDate", 46001.5);
        }
        files.SetValue("Preserve", i % 7 == 0);
        files.SetValue("Desc", "Page " + std::to_string(i));
        files.Post();
    }
}

std::string ProjectPath() {
    return (fs::temp_directory_path() / "bix-bench-project.mcs").string();
}

void BM_SaveProject(benchmark::State& state) {
    bix::MemTable files(bix::FileManagerFieldDefs());
    bix::MemTable links(bix::FrameLinksFieldDefs());
    FillFileList(files, static_cast<int>(state.range(0)));
    links.Open();
    bix::TWebSite site;
    const std::string path = ProjectPath();
    for (auto _ : state) {
        site.FileManager.clear();
        site.FrameLinks.clear();
        files.SaveToStream(site.FileManager);
        links.SaveToStream(site.FrameLinks);
        site.SaveToFile(path);
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    fs::remove(path);
}

void BM_OpenProject(benchmark::State& state) {
    {
        bix::MemTable files(bix::FileManagerFieldDefs());
        FillFileList(files, static_cast<int>(state.range(0)));
        bix::TWebSite site;
        files.SaveToStream(site.FileManager);
        site.SaveToFile(ProjectPath());
    }
    for (auto _ : state) {
        bix::TWebSite site;
        site.LoadFromFile(ProjectPath());
        bix::MemTable files(bix::FileManagerFieldDefs());
        files.AddHashIndex("FileName");
        files.LoadFromStream(site.FileManager);
        benchmark::DoNotOptimize(files.RecordCount());
    }
    fs::remove(ProjectPath());
}

}  // namespace

BENCHMARK(BM_SaveProject)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenProject)->Arg(10'000)->Arg(20'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
