#include "core/common/Errors.h"
#include "core/common/Paths.h"
#include "core/ports/FtpClient.h"
#include "core/upload/TUploadRun.h"
#include "core/upload/TZarpFTP.h"
#include "core/upload/UploadView.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/FakeUploadView.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <set>

using namespace bix;
using namespace bix::test;

namespace {

// A server in memory: folders, files and a current folder, answering as an FTP server would.
class ScriptedFtp final : public FtpClient {
public:
    std::set<std::string> folders{"/"};
    std::map<std::string, std::string> files;  // server path -> bytes
    std::string connectError;                  // raised by Connect when set
    std::set<std::string> failingPuts;         // names whose upload fails
    std::function<void(const std::string&)> duringPut;
    std::vector<std::string> commands;
    bool aborted = false;

    void SetSettings(const FtpSettings& s) override { settings = s; }
    void SetRemoteDir(const std::string& folder) override {
        if (!m_connected) {
            m_start = folder;
        } else if (folder == "..") {
            commands.push_back("CDUP");
            m_cwd = m_cwd == "/" ? "/" : m_cwd.substr(0, m_cwd.rfind('/', m_cwd.size() - 2) + 1);
        }
    }
    std::string RemoteDir() override { return m_cwd == "/" ? "/" : m_cwd.substr(0, m_cwd.size() - 1); }
    void Disconnect() override {
        if (m_connected) {
            m_connected = false;
            if (OnDisconnected) {
                OnDisconnected();
            }
        }
    }
    bool Connect() override {
        if (!connectError.empty()) {
            throw EBixError(connectError);
        }
        m_connected = true;
        m_reply = "230 Login successful.";
        m_cwd = "/";
        if (!m_start.empty() && folders.contains("/" + m_start + "/")) {
            m_cwd = "/" + m_start + "/";
        }
        if (OnConnected) {
            OnConnected();
        }
        return true;
    }
    bool Connected() const override { return m_connected; }
    std::string LastResponseText() const override { return m_reply; }
    bool ChangeDirectory(const std::string& name) override {
        commands.push_back("CWD " + name);
        if (!folders.contains(m_cwd + name + "/")) {
            m_reply = "550 No such directory.";
            return false;
        }
        m_cwd += name + "/";
        m_reply = "250 OK.";
        return true;
    }
    bool CreateDirectory(const std::string& name) override {
        commands.push_back("MKD " + name);
        folders.insert(m_cwd + name + "/");
        m_reply = "257 Created.";
        return true;
    }
    void SetLocalDir(const std::string& folder) override { m_local = folder; }
    void DeleteFile(const std::string& name) override {
        commands.push_back("DELE " + name);
        if (files.erase(m_cwd + name) == 0) {
            m_reply = "550 No such file.";
            throw EBixError("Error deleting " + name);
        }
        m_reply = "250 Deleted.";
    }
    void PutFile(const std::string& name) override {
        commands.push_back("STOR " + name);
        const std::string bytes = ReadBytes(m_local + PathDelim + name);
        if (OnTransferProgress) {
            OnTransferProgress(bytes.size() / 2, name);
        }
        if (duringPut) {
            duringPut(name);
        }
        if (failingPuts.contains(name) || aborted) {
            m_reply = "426 Transfer aborted.";
            throw EBixError("Error putting " + name + " to " + m_cwd);
        }
        if (OnTransferProgress) {
            OnTransferProgress(bytes.size(), name);
        }
        files[m_cwd + name] = bytes;
        m_reply = "226 Transfer complete.";
    }
    void Abort() override { aborted = true; }

    FtpSettings settings;

private:
    bool m_connected = false;
    std::string m_start;
    std::string m_cwd = "/";
    std::string m_local;
    std::string m_reply = "No error description available";
};

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

class TestUploadRun final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    TZarpFTP m_job;
    ScriptedFtp m_ftp;
    RecordingUploadView m_view;
    FakePump m_pump;
    FakePrompter m_prompter;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_job = TZarpFTP();
        m_job.HostName = "127.0.0.1";
        m_job.LocalPath = FolderOf(m_dir->path());
        m_ftp = ScriptedFtp();
        m_view = RecordingUploadView();
        m_prompter = FakePrompter();
        WriteBytes(m_job.LocalPath + "index.htm", "<html>home</html>");
        WriteBytes(m_job.LocalPath + "images" + PathDelim + "logo.gif", std::string(1500, 'g'));
    }

    void theTreeStandsInTheOrderOfTheRun() {
        m_job.UploadList = {"index.htm", "a\\one.htm", "b\\two.htm\\"};
        m_job.UpdateList = {"images\\logo.gif", "a\\deep\\x.js"};
        m_job.RemoveList = {"old.jpg", "..\\outside.htm"};
        TUploadRun run(m_job, m_ftp, m_view, m_pump, m_prompter);
        run.AddList(m_job.UploadList, true, "Upload New");
        run.AddList(m_job.UpdateList, false, "Update Old");
        run.AddList(m_job.RemoveList, false, "Remove File");
        const std::vector<std::string> expected = {
            "images||||9|-1",
            "  logo.gif|Update Old|Pending|1,500|5|-1",
            "b||||9|-1",
            "  two.htm|Upload New|Pending||1|-1",
            "a||||9|-1",
            "  deep||||9|-1",
            "    x.js|Update Old|Pending||7|-1",
            "  one.htm|Upload New|Pending||1|-1",
            "index.htm|Upload New|Pending|17|1|-1",
            "old.jpg|Remove File|Pending||14|-1",
        };
        QCOMPARE(run.Tree().Describe(), expected);
        QCOMPARE(m_view.totalMaximum, 1517);  // what will be uploaded
    }

    void aRunMirrorsTheFoldersAndClimbsBack() {
        m_job.UploadList = {"index.htm"};
        m_job.UpdateList = {"images\\logo.gif"};
        m_job.Execute(m_ftp, m_view, m_pump, m_prompter);
        QCOMPARE(m_ftp.commands,
                 (std::vector<std::string>{"CWD images", "MKD images", "CWD images", "DELE logo.gif", "STOR logo.gif",
                                           "CDUP", "DELE index.htm", "STOR index.htm"}));
        QCOMPARE(m_ftp.files["/images/logo.gif"], std::string(1500, 'g'));
        QCOMPARE(m_ftp.files["/index.htm"], std::string("<html>home</html>"));
        QCOMPARE(m_job.Uploaded_OK, (std::vector<std::string>{"images\\logo.gif", "index.htm"}));
        QVERIFY(Contains(m_view.log, "Up Directory to \"/\""));
        QVERIFY(Contains(m_view.log, "230 Login successful."));
        QVERIFY(Contains(m_view.log, "Connected to 127.0.0.1"));
        QVERIFY(Contains(m_view.log, "Disconnected from 127.0.0.1"));
        QVERIFY(Contains(m_view.log, "Change Directory images"));
        QVERIFY(Contains(m_view.log, "Uploading logo.gif"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
        QCOMPARE(m_prompter.messages[0].icon, MsgIcon::Information);
        QVERIFY(m_view.closed);
        QCOMPARE(m_view.busyDepth, 0);
        QVERIFY(!m_ftp.Connected());
    }

    void anExistingFolderIsEnteredNotCreated() {
        m_ftp.folders.insert("/images/");
        m_job.UpdateList = {"images\\logo.gif"};
        TUploadRun run(m_job, m_ftp, m_view, m_pump, m_prompter);
        run.AddList(m_job.UpdateList, true, "Update Old");
        run.Run();
        QCOMPARE(run.Tree().Describe()[0], std::string("images||||9|0"));
        QCOMPARE(run.Tree().Describe()[1], std::string("  logo.gif|Update Old|Completed|1,500|5|0"));
    }

    void missingFilesFailuresAndRemovals() {
        m_ftp.files["/gone.htm"] = "x";
        m_ftp.failingPuts = {"index.htm"};
        m_job.UploadList = {"vanished.htm", "index.htm"};
        m_job.RemoveList = {"gone.htm", "never.htm"};
        TUploadRun run(m_job, m_ftp, m_view, m_pump, m_prompter);
        run.AddList(m_job.UploadList, true, "Upload New");
        run.AddList(m_job.RemoveList, false, "Remove File");
        run.Run();
        QCOMPARE(run.Tree().Describe(), (std::vector<std::string>{
                                            "vanished.htm|Upload New|Pending||1|-1",
                                            "index.htm|Upload New|Error|17|1|1",
                                            "gone.htm|Remove File|Completed||12|0",
                                            "never.htm|Remove File|Error||12|1",
                                        }));
        QVERIFY(m_job.Uploaded_OK.empty());
        // Not on the server (550): the row may go.
        QCOMPARE(m_job.Removed_OK, (std::vector<std::string>{"gone.htm", "never.htm"}));
        QVERIFY(Contains(m_view.log, "Error putting index.htm to /"));
        QVERIFY(Contains(m_view.log, "426 Transfer aborted."));
    }

    void aRefusedLoginProcessesNothing() {
        m_ftp.connectError = "Bad password connecting to 127.0.0.1";
        m_job.UploadList = {"index.htm"};
        m_job.Execute(m_ftp, m_view, m_pump, m_prompter);
        QVERIFY(Contains(m_view.log, "Bad password connecting to 127.0.0.1"));
        QVERIFY(m_ftp.commands.empty());
        QVERIFY(m_job.Uploaded_OK.empty());
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
        QVERIFY(m_view.closed);
    }

    void cancelStopsAfterTheCurrentFile() {
        WriteBytes(m_job.LocalPath + "a.htm", "a");
        WriteBytes(m_job.LocalPath + "b.htm", "b");
        m_job.UploadList = {"a.htm", "index.htm", "b.htm"};
        TUploadRun run(m_job, m_ftp, m_view, m_pump, m_prompter);
        // The user presses Cancel while index.htm is on its way.
        m_ftp.duringPut = [&run](const std::string& name) {
            if (name == "index.htm") {
                run.SetAborted(true);
            }
        };
        run.AddList(m_job.UploadList, true, "Upload New");
        run.Run();
        QCOMPARE(run.Tree().Describe(),
                 (std::vector<std::string>{"a.htm|Upload New|Completed|1|1|0", "index.htm|Upload New|Error|17|1|1",
                                           "b.htm|Upload New|Pending|1|1|-1"}));
        QCOMPARE(m_job.Uploaded_OK, std::vector<std::string>{"a.htm"});
        QVERIFY(Contains(m_view.log, "Upload has been aborted"));
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
    }

    void totalProgressCountsEachFileOnce() {
        m_job.UploadList = {"index.htm"};
        m_job.UpdateList = {"images\\logo.gif"};
        TUploadRun run(m_job, m_ftp, m_view, m_pump, m_prompter);
        run.AddList(m_job.UploadList, true, "Upload New");
        run.AddList(m_job.UpdateList, false, "Update Old");
        std::vector<std::int64_t> positions;
        std::vector<int> percents;
        m_ftp.duringPut = [&](const std::string&) {
            positions.push_back(m_view.totalPosition);
            percents.push_back(m_view.filePercent);
        };
        run.Run();
        // Half of logo.gif, then half of index.htm after all of logo.gif.
        QCOMPARE(positions, (std::vector<std::int64_t>{750, 1508}));
        QCOMPARE(percents, (std::vector<int>{50, 47}));  // half of each file: 750 of 1500, 8 of 17
        QCOMPARE(m_view.totalPosition, 0);               // reset at the end
        QVERIFY(m_pump.calls > 0);
    }

    void aSecondUploadCannotStartWhileOneRuns() {
        m_job.UploadList = {"index.htm"};
        bool refused = false;
        RecordingUploadView second;
        m_ftp.duringPut = [&](const std::string&) {
            QVERIFY(m_job.Running());
            QVERIFY(m_view.run != nullptr);  // Cancel can reach the run
            try {
                m_job.Execute(m_ftp, second, m_pump, m_prompter);
            } catch (const EAbort&) {
                refused = true;
            }
        };
        m_job.Execute(m_ftp, m_view, m_pump, m_prompter);
        QVERIFY(refused);
        QVERIFY(!m_job.Running());
        QCOMPARE(m_job.Uploaded_OK, std::vector<std::string>{"index.htm"});  // the first run's result stands
        QVERIFY(m_view.run == nullptr);                                      // detached at the end
    }

    void settingsReachTheClient() {
        m_job.Login = "anna";
        m_job.Password = "secret";
        m_job.Port = 2121;
        m_job.ConnectionRetries = 5;
        m_job.ConnectionTimeout = 30;
        m_job.ProxyName = "proxy";
        m_job.ProxyBypassList = {"localhost"};
        m_job.InitialRemoteDir = "public_html";
        m_ftp.folders.insert("/public_html/");
        m_job.UploadList = {"index.htm"};
        m_job.Execute(m_ftp, m_view, m_pump, m_prompter);
        QCOMPARE(m_ftp.settings.userName, std::string("anna"));
        QCOMPARE(m_ftp.settings.password, std::string("secret"));
        QCOMPARE(m_ftp.settings.port, 2121);
        QCOMPARE(m_ftp.settings.connectRetries, 5);
        QCOMPARE(m_ftp.settings.connectTimeout, 30);
        QCOMPARE(m_ftp.settings.proxyBypassList, std::vector<std::string>{"localhost"});
        QVERIFY(m_ftp.files.contains("/public_html/index.htm"));
        for (const auto& line : m_view.log) {
            QVERIFY2(line.find("secret") == std::string::npos, line.c_str());
        }
    }
};

QTEST_APPLESS_MAIN(TestUploadRun)
#include "tst_UploadRun.moc"
