#pragma once

#include <QProcess>
#include <QString>

namespace bix::test {

// Debian's pyftpdlib serving a folder on 127.0.0.1 and a free port, for as long as the object lives.
// It runs under /usr/bin/python3, where Debian's packages can be imported.
class FtpServer final {
public:
    // bytesPerSecond: 0 for no limit on the data connections.
    FtpServer(const QString& root, int bytesPerSecond = 0);
    ~FtpServer();

    bool Started() const { return m_port > 0; }
    int Port() const { return m_port; }
    // Successful logins so far.
    int Logins();
    // Ends the server at once, as a server that drops the line.
    void Kill();

    static constexpr const char* kUser = "anna";
    static constexpr const char* kPassword = "secret";

private:
    QProcess m_process;
    int m_port = 0;
    int m_logins = 0;
};

}  // namespace bix::test
