#ifndef TESTS_LOCALHTTPSERVER_H
#define TESTS_LOCALHTTPSERVER_H

// A real HTTP update server for the update tests: Python's http.server on 127.0.0.1, serving a
// folder. Beside a served file NAME, a file NAME.status makes the answer carry that status code
// (with NAME's bytes as body, and a Location header to NAME.moved for a 3xx status),
// NAME.truncate announces more bytes than it sends and then closes the connection, NAME.slow
// sends the body in 64 KiB pieces 10 ms apart, NAME.delay waits that many milliseconds before
// answering, NAME.overlong sends 1 MiB more than its Content-Length announces, NAME.endless
// sends bytes without a Content-Length until the client goes away, and NAME.huge announces that
// many bytes and sends them.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

class LocalHttpServer
{
public:
    explicit LocalHttpServer(const QString &root) : m_root(root) {}
    ~LocalHttpServer() { stop(); }
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // True once the server answers connections.
    bool start()
    {
        m_port = freePort();
        if (m_port == 0)
            return false;
        const QString script = QDir(m_root).filePath(QStringLiteral("../server.py"));
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly) || file.write(kScript) < 0)
            return false;
        file.close();
        m_process.setProgram(QStringLiteral("/usr/bin/python3"));
        m_process.setArguments({script, QString::number(m_port), m_root});
        // Clients that drop a request make the server print broken pipes: not worth showing.
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            if (m_process.state() != QProcess::Running)
                return false;
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(200))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    quint16 port() const { return m_port; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // Writes a served file, creating its folders.
    bool put(const QString &path, const QByteArray &contents) const
    {
        const QString full = QDir(m_root).filePath(path);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }
    bool remove(const QString &path) const { return QFile::remove(QDir(m_root).filePath(path)); }

    // A port on the loopback interface that nothing listens on right now.
    static quint16 freePort()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            return 0;
        return probe.serverPort();
    }

private:
    static constexpr const char *kScript = R"(import functools, http.server, os, sys, time
class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isfile(path + '.delay'):
            time.sleep(int(open(path + '.delay').read().strip()) / 1000.0)
        body = open(path, 'rb').read() if os.path.isfile(path) else b''
        if os.path.isfile(path + '.status'):
            status = int(open(path + '.status').read().strip())
            self.send_response(status)
            if 300 <= status < 400:
                self.send_header('Location', self.path + '.moved')
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body)
            return
        if os.path.isfile(path + '.overlong'):
            self.send_response(200)
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body + b'\0' * (1 << 20))
            self.close_connection = True
            return
        if os.path.isfile(path + '.endless') or os.path.isfile(path + '.huge'):
            size = int(open(path + '.huge').read().strip()) if os.path.isfile(path + '.huge') else -1
            self.send_response(200)
            if size >= 0:
                self.send_header('Content-Length', str(size))
            self.end_headers()
            chunk = b'\x5a' * 65536
            sent = 0
            try:
                while size < 0 or sent < size:
                    piece = chunk if size < 0 else chunk[:min(len(chunk), size - sent)]
                    self.wfile.write(piece)
                    sent += len(piece)
            except (BrokenPipeError, ConnectionResetError):
                pass
            self.close_connection = True
            return
        if os.path.isfile(path + '.slow'):
            self.send_response(200)
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            for start in range(0, len(body), 65536):
                self.wfile.write(body[start:start + 65536])
                self.wfile.flush()
                time.sleep(0.01)
            return
        if os.path.isfile(path + '.truncate'):
            self.send_response(200)
            self.send_header('Content-Length', str(len(body) + 100000))
            self.end_headers()
            self.wfile.write(body)
            self.wfile.flush()
            self.close_connection = True
            return
        return super().do_GET()
server = http.server.ThreadingHTTPServer(
    ('127.0.0.1', int(sys.argv[1])),
    functools.partial(Handler, directory=sys.argv[2]))
server.serve_forever()
)";

    QString m_root;
    quint16 m_port = 0;
    QProcess m_process;
};

#endif // TESTS_LOCALHTTPSERVER_H
