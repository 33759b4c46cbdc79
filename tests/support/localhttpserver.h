#ifndef TESTS_LOCALHTTPSERVER_H
#define TESTS_LOCALHTTPSERVER_H

#include <QByteArray>
#include <QProcess>
#include <QString>

// A real HTTP update server for the tests: the demo's update server (tools/demo/update_server.py)
// on 127.0.0.1, serving a folder. Files beside a served file make it misbehave (a status code,
// a truncated or endless body, a delay...): the script's description lists them.
class LocalHttpServer
{
public:
    explicit LocalHttpServer(const QString &root);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // True once the server answers connections, on a port it chose itself.
    bool start();
    void stop();

    quint16 port() const { return m_port; }
    QString address() const;

    // Writes a served file, creating its folders.
    bool put(const QString &path, const QByteArray &contents) const;
    bool remove(const QString &path) const;

private:
    QString m_root;
    quint16 m_port = 0;
    QProcess m_process;
};

#endif // TESTS_LOCALHTTPSERVER_H
