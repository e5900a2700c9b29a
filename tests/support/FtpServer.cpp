#include "FtpServer.h"

#include <QElapsedTimer>

namespace bix::test {

FtpServer::FtpServer(const QString& root, int bytesPerSecond) {
    QStringList args{QStringLiteral(BIX_FTP_SERVER_SCRIPT), "--root", root, "--user", kUser, "--password", kPassword};
    if (bytesPerSecond > 0) {
        args << "--rate" << QString::number(bytesPerSecond);
    }
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start("/usr/bin/python3", args);
    QElapsedTimer timer;
    timer.start();
    while (m_port == 0 && timer.elapsed() < 15000 && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(200);
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine().trimmed();
            if (line.startsWith("PORT ")) {
                m_port = line.mid(5).toInt();
            }
        }
    }
}

FtpServer::~FtpServer() {
    Kill();
}

int FtpServer::Logins() {
    m_process.waitForReadyRead(100);
    while (m_process.canReadLine()) {
        if (m_process.readLine().startsWith("LOGIN ")) {
            ++m_logins;
        }
    }
    return m_logins;
}

void FtpServer::Kill() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

}  // namespace bix::test
