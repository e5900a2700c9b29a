// Uploading a tree of 1,000 files of 4 KB in 20 folders to a local FTP server (Debian's pyftpdlib),
// once with the upload run and its libcurl client, once with lftp's "mirror -R --parallel=1", each
// into an empty folder of the same server, in this one run. The server counts the logins.
#include "BenchPorts.h"

#include "core/ports/Prompter.h"
#include "core/ports/Pump.h"
#include "core/upload/TZarpFTP.h"
#include "core/upload/UploadView.h"
#include "platform/CurlFtpClient.h"

#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using bix::bench::FixedClock;
using bix::bench::NoPump;
using bix::bench::QuietPrompter;

class NoView final : public bix::UploadView {
public:
    void Attach(bix::TUploadRun*) override {}
    void TreeChanged(const bix::TUploadTree&) override {}
    void NodeChanged(const bix::TUploadNode&) override {}
    void FocusNode(const bix::TUploadNode&) override {}
    void AddLog(const std::string&) override {}
    void SetStatusText(const std::string&) override {}
    void SetFileProgress(int) override {}
    void SetTotalProgress(std::int64_t, std::int64_t) override {}
    void SetBusy(bool) override {}
    void Close() override {}
};

const fs::path kRoot = fs::temp_directory_path() / "bix-bench-upload";

// The server, started once, its output (the port and one line per login) in a file.
struct Server final {
    int port = 0;
    long pid = 0;
    Server() {
        fs::remove_all(kRoot);
        fs::create_directories(kRoot / "served");
        const std::string command = "/usr/bin/python3 '" BIX_FTP_SERVER_SCRIPT "' --root '" +
                                    (kRoot / "served").string() + "' > '" + (kRoot / "server.log").string() +
                                    "' 2>/dev/null & echo $!";
        if (std::FILE* pipe = popen(command.c_str(), "r")) {
            std::fscanf(pipe, "%ld", &pid);
            pclose(pipe);
        }
        for (int i = 0; i < 100 && port == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::ifstream log(kRoot / "server.log");
            std::string word;
            if (log >> word && word == "PORT") {
                log >> port;
            }
        }
    }
    ~Server() {
        if (pid > 0) {
            kill(static_cast<pid_t>(pid), SIGTERM);
        }
    }
    int Logins() const {
        std::ifstream log(kRoot / "server.log");
        std::string line;
        int logins = 0;
        while (std::getline(log, line)) {
            logins += line.starts_with("LOGIN") ? 1 : 0;
        }
        return logins;
    }
};

Server& TheServer() {
    static Server server;
    return server;
}

// The local tree: 20 folders of 50 files.
std::vector<std::string> Tree() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        const std::string bytes(4096, 'x');
        for (int i = 0; i < 1000; ++i) {
            const std::string folder = "folder" + std::to_string(i % 20);
            const std::string name = "page" + std::to_string(i) + ".htm";
            fs::create_directories(kRoot / "local" / folder);
            std::ofstream(kRoot / "local" / folder / name) << bytes;
            list.push_back(folder + "\\" + name);
        }
        return list;
    }();
    return names;
}

int g_target = 0;

void BM_UploadRun(benchmark::State& state) {
    Server& server = TheServer();
    const auto names = Tree();
    const int loginsBefore = server.Logins();
    int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string target = "run" + std::to_string(++g_target);
        fs::create_directories(kRoot / "served" / target);
        bix::TZarpFTP job;
        job.HostName = "127.0.0.1";
        job.Port = server.port;
        job.Login = "anna";
        job.Password = "secret";
        job.ConnectionRetries = 1;
        job.ConnectionTimeout = 10;
        job.InitialRemoteDir = target;
        job.LocalPath = (kRoot / "local").string() + "/";
        job.UploadList = names;
        bix::CurlFtpClient client;
        NoView view;
        NoPump pump;
        QuietPrompter prompter;
        state.ResumeTiming();
        job.Execute(client, view, pump, prompter);
        if (job.Uploaded_OK.size() != names.size()) {
            state.SkipWithError("not every file was uploaded");
            break;
        }
        ++runs;
    }
    state.counters["logins_per_run"] = runs > 0 ? static_cast<double>(server.Logins() - loginsBefore) / runs : 0;
}

void BM_LftpMirror(benchmark::State& state) {
    Server& server = TheServer();
    Tree();
    const int loginsBefore = server.Logins();
    int runs = 0;
    for (auto _ : state) {
        const std::string target = "lftp" + std::to_string(++g_target);
        const std::string command = "lftp -u anna,secret -p " + std::to_string(server.port) +
                                    " -e 'set ftp:passive-mode off; mirror -R --parallel=1 " +
                                    (kRoot / "local").string() + " " + target + "; quit' 127.0.0.1 > /dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("lftp failed");
            break;
        }
        ++runs;
    }
    state.counters["logins_per_run"] = runs > 0 ? static_cast<double>(server.Logins() - loginsBefore) / runs : 0;
}

}  // namespace

BENCHMARK(BM_UploadRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_LftpMirror)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK_MAIN();
