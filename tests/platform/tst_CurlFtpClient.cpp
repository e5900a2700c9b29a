// The upload run with the libcurl client against a real FTP server on 127.0.0.1 (Debian's pyftpdlib).
#include "core/common/Paths.h"
#include "core/upload/TUploadRun.h"
#include "core/upload/TZarpFTP.h"
#include "platform/CurlFtpClient.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/FakeUploadView.h"
#include "support/FtpServer.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

using namespace bix;
using namespace bix::test;
namespace fs = std::filesystem;

class TestCurlFtpClient final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_server;  // the served folder, with a separator
    std::unique_ptr<FtpServer> m_ftp;
    TZarpFTP m_job;
    CurlFtpClient m_client;
    RecordingUploadView m_view;
    FakePump m_pump;
    FakePrompter m_prompter;

    void StartServer(int rate = 0) {
        m_ftp = std::make_unique<FtpServer>(QString::fromStdString(m_server), rate);
        QVERIFY2(m_ftp->Started(), "pyftpdlib did not start");
        m_job.Port = m_ftp->Port();
    }
    std::unique_ptr<TUploadRun> Prepare() {
        auto run = std::make_unique<TUploadRun>(m_job, m_client, m_view, m_pump, m_prompter);
        run->AddList(m_job.UploadList, true, "Upload New");
        run->AddList(m_job.UpdateList, false, "Update Old");
        run->AddList(m_job.RemoveList, false, "Remove File");
        return run;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_server = FolderOf(m_dir->path() + "/server");
        fs::create_directories(m_server);
        m_job = TZarpFTP();
        m_job.HostName = "127.0.0.1";
        m_job.Login = FtpServer::kUser;
        m_job.Password = FtpServer::kPassword;
        m_job.ConnectionRetries = 3;
        m_job.ConnectionTimeout = 10;
        m_job.LocalPath = FolderOf(m_dir->path() + "/build");
        m_view = RecordingUploadView();
        m_prompter = FakePrompter();
        m_pump = FakePump();
        WriteBytes(m_job.LocalPath + "index.htm", "<html>home</html>\r\n");
        std::string gif(70000, '\0');
        for (std::size_t i = 0; i < gif.size(); ++i) {
            gif[i] = static_cast<char>(i * 7 % 251);
        }
        WriteBytes(m_job.LocalPath + "images" + PathDelim + "logo.gif", gif);
    }
    void cleanup() { m_ftp.reset(); }

    void uploadsIntoCreatedFoldersOnOneConnection() {
        StartServer();
        m_job.UploadList = {"index.htm"};
        m_job.UpdateList = {"images\\logo.gif"};
        auto run = Prepare();
        run->Run();
        QCOMPARE(run->Tree().Describe(),
                 (std::vector<std::string>{"images||Created||9|0", "  logo.gif|Update Old|Completed|70,000|5|0",
                                           "index.htm|Upload New|Completed|19|1|0"}));
        QCOMPARE(m_job.Uploaded_OK, (std::vector<std::string>{"images\\logo.gif", "index.htm"}));
        QCOMPARE(ReadBytes(m_server + "index.htm"), ReadBytes(m_job.LocalPath + "index.htm"));
        QCOMPARE(ReadBytes(m_server + "images/logo.gif"), ReadBytes(m_job.LocalPath + "images/logo.gif"));
        QVERIFY(m_view.Logged("Up Directory to \"/\""));
        QVERIFY(m_view.Logged("Connected to 127.0.0.1"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
        QCOMPARE(m_ftp->Logins(), 1);
        for (const auto& line : m_view.log) {
            QVERIFY2(line.find(FtpServer::kPassword) == std::string::npos, line.c_str());
        }
    }

    void vanishedFilesAndRemovals() {
        StartServer();
        WriteBytes(m_server + "old.htm", "old");
        m_job.UploadList = {"vanished.htm"};
        m_job.RemoveList = {"old.htm", "never.htm"};
        auto run = Prepare();
        run->Run();
        QCOMPARE(run->Tree().Describe(), (std::vector<std::string>{"vanished.htm|Upload New|Pending||1|-1",
                                                                   "old.htm|Remove File|Completed||12|0",
                                                                   "never.htm|Remove File|Error||12|1"}));
        QVERIFY(m_job.Uploaded_OK.empty());
        QCOMPARE(m_job.Removed_OK, (std::vector<std::string>{"old.htm", "never.htm"}));
        QVERIFY(!fs::exists(m_server + "old.htm"));
    }

    void aWrongPasswordProcessesNothing() {
        StartServer();
        m_job.Password = "wrong";
        m_job.UploadList = {"index.htm"};
        auto run = Prepare();
        run->Run();
        QVERIFY(m_view.Logged("Bad password connecting to 127.0.0.1"));
        QVERIFY(m_job.Uploaded_OK.empty());
        QVERIFY(!fs::exists(m_server + "index.htm"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
    }

    void nobodyListening() {
        StartServer();
        const int port = m_ftp->Port();
        m_ftp.reset();
        m_job.Port = port;
        m_job.ConnectionRetries = 1;
        m_job.UploadList = {"index.htm"};
        auto run = Prepare();
        run->Run();
        QVERIFY(m_view.Logged("Unable to connect to 127.0.0.1"));
    }

    void aMissingInitialFolderStartsWhereTheLoginDoes() {
        StartServer();
        m_job.InitialRemoteDir = "no/such/folder";
        m_job.UploadList = {"index.htm"};
        Prepare()->Run();
        QCOMPARE(m_job.Uploaded_OK, std::vector<std::string>{"index.htm"});
        QVERIFY(fs::exists(m_server + "index.htm"));
    }

    void anInitialFolderIsEntered() {
        StartServer();
        fs::create_directories(m_server + "public_html");
        m_job.InitialRemoteDir = "public_html";
        m_job.UploadList = {"index.htm"};
        Prepare()->Run();
        QVERIFY(fs::exists(m_server + "public_html/index.htm"));
    }

    void cancelDuringALargeTransfer() {
        StartServer(200'000);  // bytes a second: the big file takes ten seconds
        WriteBytes(m_job.LocalPath + "big.jpg", std::string(2'000'000, 'b'));
        WriteBytes(m_job.LocalPath + "after.htm", "after");
        m_job.UploadList = {"index.htm", "big.jpg", "after.htm"};
        auto run = Prepare();
        // The user presses Cancel once big.jpg is on its way.
        m_pump.onPump = [&] {
            if (m_view.status == "Uploading big.jpg" && m_view.totalPosition > 100'000) {
                run->SetAborted(true);
            }
        };
        QElapsedTimer timer;
        timer.start();
        run->Run();
        QVERIFY(timer.elapsed() < 8000);
        QCOMPARE(run->Tree().Describe(), (std::vector<std::string>{"index.htm|Upload New|Completed|19|1|0",
                                                                   "big.jpg|Upload New|Error|2,000,000|3|1",
                                                                   "after.htm|Upload New|Pending|5|1|-1"}));
        QCOMPARE(m_job.Uploaded_OK, std::vector<std::string>{"index.htm"});
        QVERIFY(m_view.Logged("Upload has been aborted"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
    }

    void theServerGoesAwayMidRun() {
        StartServer();
        WriteBytes(m_job.LocalPath + "b.htm", "b");
        m_job.UploadList = {"index.htm", "b.htm"};
        auto run = Prepare();
        m_pump.onPump = [&] {
            if (!m_job.Uploaded_OK.empty() && m_ftp) {
                m_ftp->Kill();
            }
        };
        run->Run();
        QCOMPARE(m_job.Uploaded_OK, std::vector<std::string>{"index.htm"});
        QCOMPARE(run->Tree().Describe()[1], std::string("b.htm|Upload New|Error|1|1|1"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
        QVERIFY(m_view.closed);
        QVERIFY(!m_client.Connected());
    }

    void serverPaths() {
        QCOMPARE(CurlFtpClient::JoinServerPath("/", "a"), std::string("/a"));
        QCOMPARE(CurlFtpClient::JoinServerPath("/a", "b c"), std::string("/a/b c"));
        QCOMPARE(CurlFtpClient::JoinServerPath("/a/", "b/"), std::string("/a/b"));
        QCOMPARE(CurlFtpClient::JoinServerPath("/a", "/x"), std::string("/x"));
    }
};

QTEST_GUILESS_MAIN(TestCurlFtpClient)
#include "tst_CurlFtpClient.moc"
