// The Upload To Server page: its fields over a website, the bypass list, and Upload Now against a real
// FTP server.
#include "core/document/ubixWebsiteClass.h"
#include "core/generator/udmTables.h"
#include "support/FakePrompter.h"
#include "support/FakeShell.h"
#include "support/FtpServer.h"
#include "support/TestFiles.h"
#include "wizard/pages/TUploadPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace bix;
using namespace bix::test;

class TestUploadPage final : public QObject {
    Q_OBJECT

private:
    FakePrompter m_prompter;
    FakePump m_pump;
    FakeClock m_clock;

private slots:
    void init() { m_prompter = FakePrompter(); }

    void fieldsCarryTheWebsitesSettings() {
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        TWebSite site;
        site.HostName = "ftp.example.com";
        site.Login = "anna";
        dm.bixEncrypt1.Mode = TMode::mdEncrypt;
        dm.bixEncrypt1.Registration = "s3cret";
        site.Password = dm.bixEncrypt1.Execute();
        site.Port = 2121;
        site.ProxyBypassList = "a\rb";
        TUploadPage page(dm, m_prompter);
        int modified = 0;
        page.SetModified = [&] { ++modified; };
        page.LoadFtpSettings(site);
        QCOMPARE(page.edtFTPHost->text(), QString("ftp.example.com"));
        QCOMPARE(page.edtPassword->text(), QString("s3cret"));
        QVERIFY(page.chkSave->isChecked());
        QCOMPARE(page.sePort->value(), 2121);
        QCOMPARE(page.lvProxyBypass->count(), 2);
        QCOMPARE(modified, 0);  // loading changes nothing
        page.seConnectionRetries->setValue(5);
        QCOMPARE(modified, 1);

        m_prompter.inputs = {std::string("c")};
        page.btnNewFTP->click();
        TWebSite stored;
        page.StoreFtpSettings(stored);
        QCOMPARE(stored.ProxyBypassList, std::string("a\rb\rc"));
        QCOMPARE(stored.ConnectionRetries, 5);
        QVERIFY(!stored.Password.empty() && stored.Password != "s3cret");
        page.chkSave->setChecked(false);
        page.StoreFtpSettings(stored);
        QVERIFY(stored.Password.empty());  // not saved: removed
    }

    void theBypassButtons() {
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        TWebSite site;
        site.ProxyBypassList = "a\rb\rc";
        TUploadPage page(dm, m_prompter);
        page.LoadFtpSettings(site);
        page.lvProxyBypass->setCurrentRow(1);
        m_prompter.inputs = {std::string()};
        page.btnEditFTP->click();  // edited to nothing: gone
        QCOMPARE(page.lvProxyBypass->count(), 2);
        page.lvProxyBypass->setCurrentRow(0);
        m_prompter.answers = {MsgButton::Yes};
        page.btnDeleteFTP->click();
        QCOMPARE(m_prompter.Texts().back(),
                 std::string("Are you sure that you want to remove the selected Proxy Bypass?"));
        QCOMPARE(page.lvProxyBypass->count(), 1);
        QCOMPARE(page.lvProxyBypass->item(0)->text(), QString("c"));
        page.btnNewFTP->click();  // cancelled: nothing added
        QCOMPARE(page.lvProxyBypass->count(), 1);
    }

    void uploadNow() {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/served");
        FtpServer running(dir.path() + "/served");
        QVERIFY(running.Started());
        const std::string build = FolderOf(dir.path() + "/build");
        WriteBytes(build + "index.htm", "<html>home</html>");
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        dm.tblFileManager.Open();
        TUploadPage page(dm, m_prompter);
        page.BuildFolder = [&] { return build; };
        page.edtFTPHost->setText("127.0.0.1");
        page.edtLogin->setText(FtpServer::kUser);
        page.edtPassword->setText(FtpServer::kPassword);
        page.sePort->setValue(running.Port());

        page.btnUploadNow->click();  // nothing in the file list yet
        QVERIFY(m_prompter.Texts().back().starts_with("There is no files which require processing."));

        dm.ZarpFileManager1.SetDestinationFolder(build);
        dm.ZarpFileManager1.ScanFolder();
        int modified = 0;
        page.SetModified = [&] { ++modified; };
        page.btnUploadNow->click();
        QCOMPARE(m_prompter.Texts().back(), std::string("Processes to the server have completed"));
        QCOMPARE(dm.ZarpFileManager1.FilesWithStatus(2), std::string("index.htm"));
        QCOMPARE(ReadBytes((dir.path() + "/served/index.htm").toStdString()), std::string("<html>home</html>"));
        QCOMPARE(modified, 1);
    }

    void missingFieldsAreNamed() {
        TdmTables dm(m_prompter, m_pump, m_clock, "/nowhere/");
        TUploadPage page(dm, m_prompter);
        page.edtFTPHost->setText("host");
        page.btnUploadNow->click();
        QCOMPARE(m_prompter.Texts(), std::vector<std::string>{"The required field Login is empty"});
    }
};

QTEST_MAIN(TestUploadPage)
#include "tst_UploadPage.moc"
