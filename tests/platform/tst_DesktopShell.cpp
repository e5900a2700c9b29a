#include "platform/DesktopShell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace bix;

class TestDesktopShell final : public QObject {
    Q_OBJECT

private slots:
    void startProgramPassesArgumentsWithBlanksAndTheWorkingFolder() {
#ifdef Q_OS_WIN
        QSKIP("uses a POSIX shell");
#else
        QTemporaryDir dir;
        const std::string folder = QString(dir.path() + "/work folder").toStdString();
        QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
        DesktopShell shell;
        // The program writes its first argument into a file in its working folder.
        QVERIFY(
            shell.StartProgram("/bin/sh", {"-c", "printf '%s' \"$1\" > out.txt", "sh", "My Site/index.htm"}, folder));
        QFile out(QString::fromStdString(folder) + "/out.txt");
        QTRY_VERIFY_WITH_TIMEOUT(out.exists() && out.size() > 0, 10000);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("My Site/index.htm"));
#endif
    }

    void startingAMissingProgramFails() {
        DesktopShell shell;
        QVERIFY(!shell.StartProgram("/no/such/program-here", {}, "."));
    }
};

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "tst_DesktopShell.moc"
