// (a) The tag scan over a 50 MB template holding 500,000 tags, answered by the data module's handler.
// (b) Building a site of 2,000 pages and 2,000 images (about 200 MB: a theme and a website folder with
//     its images) against `cp -r` of the same source folders, both in this one run.
#include "BenchPorts.h"

#include "core/document/ubixWebsiteClass.h"
#include "core/generator/udmTables.h"
#include "core/ports/Clock.h"
#include "core/ports/Prompter.h"
#include "core/ports/Pump.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using bix::bench::FixedClock;
using bix::bench::NoPump;
using bix::bench::QuietPrompter;

struct Module final {
    QuietPrompter prompter;
    NoPump pump;
    FixedClock clock;
    bix::TWebSite site;
    bix::TdmTables dm{prompter, pump, clock, (fs::temp_directory_path() / "bix-bench-program").string() + "/"};
    Module() {
        site.CompanyName = "The Bench Club";
        site.Email = "bench@example.com";
        site.Metatags = "one\rtwo\rthree";
        dm.CurrentWebSite = &site;
        dm.tblFrameLinks.Open();
        dm.tblFileManager.Open();
    }
};

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_TagScan(benchmark::State& state) {
    // 100-byte pieces, each with one tag of the vocabulary or an unknown one.
    const std::string pieces[] = {
        "<p class=\"lead\">Welcome to the pages of <#WWWTitle> and all its friends here.</p>\r\n",
        "<a href=\"mailto:<#ContactUs>\">Write to us, we answer every letter quickly.</a><br>\r\n",
        "<head><#MetaKeywords> <title>A page of the site, nothing more to say</title></head>\r\n",
        "<div>Some text with an unknown tag <#Charset> which the handler drops.</div>\r\n",
    };
    std::string text;
    text.reserve(52'000'000);
    for (int i = 0; i < 500'000; ++i) {
        text += pieces[i % 4];
        text.append(100 - pieces[i % 4].size() % 100, ' ');
    }
    Module module;
    for (auto _ : state) {
        benchmark::DoNotOptimize(module.dm.PageProducer1.ContentFromString(text).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
    state.counters["MB"] = static_cast<double>(text.size()) / 1e6;
}

// Theme and website with 1,000 pages and 1,000 images each (the website's images in images/).
fs::path Source() {
    static const fs::path root = [] {
        const fs::path r = fs::temp_directory_path() / "bix-bench-build";
        fs::remove_all(r);
        const std::string page = "<html><head><title><#WWWTitle></title><#MetaKeywords></head><body>" +
                                 std::string(10'000, 'p') + "<#ContactUs></body></html>\r\n";
        const std::string image(90'000, '\x7f');
        for (int i = 0; i < 1000; ++i) {
            const std::string n = std::to_string(i);
            Write(r / "theme" / ("part" + std::to_string(i % 10)) / ("page" + n + ".htm"), page);
            Write(r / "theme" / ("part" + std::to_string(i % 10)) / ("pic" + n + ".jpg"), image);
            Write(r / "website" / ("mine" + n + ".htm"), page);
            Write(r / "website" / "images" / ("photo" + n + ".jpg"), image);
        }
        return r;
    }();
    return root;
}

void BM_BuildSite(benchmark::State& state) {
    const fs::path source = Source();
    Module module;
    module.dm.WebsiteFolder = (source / "website").string() + "/";
    const std::string out = (source / "out-build").string();
    for (auto _ : state) {
        module.dm.Build((source / "theme").string(), out, false);
    }
}

void BM_CopyFolders(benchmark::State& state) {
    const fs::path source = Source();
    const std::string command = "mkdir -p '" + (source / "out-copy").string() + "' && cp -r '" +
                                (source / "theme").string() + "' '" + (source / "website").string() + "' '" +
                                (source / "out-copy").string() + "/'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("cp failed");
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_TagScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildSite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyFolders)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
