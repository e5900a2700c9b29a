// The upload window driven off screen against a real FTP server, with a scripted prompter.
#include "core/common/Paths.h"
#include "core/upload/TZarpFTP.h"
#include "platform/CurlFtpClient.h"
#include "platform/QtPump.h"
#include "support/FakePrompter.h"
#include "support/FtpServer.h"
#include "support/TestFiles.h"
#include "wizard/upload/uFTP.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace bix;
using namespace bix::test;

namespace {

QStringList Rows(QTreeWidget* tree) {
    QStringList rows;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        QString indent;
        for (QTreeWidgetItem* p = (*it)->parent(); p != nullptr; p = p->parent()) {
            indent += "  ";
        }
        rows << indent + (*it)->text(0) + "|" + (*it)->text(1) + "|" + (*it)->text(2) + "|" + (*it)->text(3);
    }
    return rows;
}

}  // namespace

class TestUploadWindow final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    TZarpFTP m_job;

    std::unique_ptr<FtpServer> Start(int rate = 0) {
        auto server = std::make_unique<FtpServer>(m_dir->path() + "/server", rate);
        m_job.Port = server->Port();
        return server;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(m_dir->path() + "/server");
        m_job = TZarpFTP();
        m_job.HostName = "127.0.0.1";
        m_job.Login = FtpServer::kUser;
        m_job.Password = FtpServer::kPassword;
        m_job.ConnectionRetries = 2;
        m_job.ConnectionTimeout = 10;
        m_job.LocalPath = FolderOf(m_dir->path() + "/build");
        WriteBytes(m_job.LocalPath + "index.htm", "<html>home</html>");
        WriteBytes(m_job.LocalPath + "images" + PathDelim + "logo.gif", std::string(4321, 'g'));
    }

    void showsTheRowsAndTheirFinalStates() {
        auto server = Start();
        QVERIFY(server->Started());
        m_job.UploadList = {"index.htm"};
        m_job.UpdateList = {"images\\logo.gif"};
        m_job.RemoveList = {"old.htm"};
        CurlFtpClient client;
        FakePrompter prompter;
        QtPump pump;
        TfrmFTP window;
        window.show();
        QCOMPARE(window.windowTitle(), QString("RVK FTP Manager"));
        QCOMPARE(window.Log()->toPlainText(), QString("Please wait. FTP connection is being established."));
        m_job.Execute(client, window, pump, prompter);
        QCOMPARE(Rows(window.Tree()), QStringList({"images||Created|", "  logo.gif|Update Old|Completed|4,321",
                                                   "index.htm|Upload New|Completed|17", "old.htm|Remove File|Error|"}));
        QVERIFY(window.Log()->toPlainText().contains("Up Directory to \"/\""));
        QCOMPARE(prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
        QVERIFY(!window.isVisible());  // closed by the run
        if (qEnvironmentVariableIntValue("BIX_THEME_SHOTS") == 1) {
            window.show();
            QVERIFY(window.grab().save(QStringLiteral(BIX_SOURCE_DIR "/docs/screenshots/upload-window.png")));
        }
    }

    void cancelStaysResponsiveDuringATransfer() {
        auto server = Start(100'000);
        WriteBytes(m_job.LocalPath + "big.jpg", std::string(1'500'000, 'b'));
        m_job.UploadList = {"big.jpg", "index.htm"};
        CurlFtpClient client;
        FakePrompter prompter;
        QtPump pump;
        TfrmFTP window;
        window.show();
        QTimer clicker;
        clicker.setInterval(50);
        QObject::connect(&clicker, &QTimer::timeout, [&] {
            if (window.Log()->toPlainText().contains("Uploading big.jpg")) {
                clicker.stop();
                QTimer::singleShot(300, window.CancelButton(), &QPushButton::click);
            }
        });
        clicker.start();
        QElapsedTimer timer;
        timer.start();
        m_job.Execute(client, window, pump, prompter);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(window.Log()->toPlainText()));
        QCOMPARE(Rows(window.Tree()),
                 QStringList({"big.jpg|Upload New|Error|1,500,000", "index.htm|Upload New|Pending|17"}));
        QVERIFY(window.Log()->toPlainText().contains("Upload has been aborted"));
        QCOMPARE(prompter.Texts(), std::vector<std::string>{"Processes to the server have completed"});
    }
};

QTEST_MAIN(TestUploadWindow)
#include "tst_UploadWindow.moc"
