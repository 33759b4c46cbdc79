#ifndef TST_FCTOOL_TOOLRUN_H
#define TST_FCTOOL_TOOLRUN_H

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of fctool with its arguments and extra environment entries ("NAME=value"). Every
// wait is bounded; a run that does not end in time is killed and counts as not finished.
class ToolRun
{
public:
    explicit ToolRun(const QStringList &arguments, const QStringList &environment = {});
    ~ToolRun();
    ToolRun(const ToolRun &) = delete;
    ToolRun &operator=(const ToolRun &) = delete;

    static constexpr int kDefaultTimeoutMs = 20000;

    // Starts the run and waits for its end.
    bool runToEnd(int timeoutMs = kDefaultTimeoutMs);

    bool start();
    // Standard output goes into this file (or device) instead of being read; call before start.
    void sendOutputTo(const QString &path);
    // Waits until stdout holds at least count complete lines.
    bool waitForLines(int count, int timeoutMs);
    void sendSignal(int number);
    // Waits for the end of a started run.
    bool finish(int timeoutMs = kDefaultTimeoutMs);

    int exitCode() const { return m_exitCode; }
    QString out() const { return m_out; }
    QString err() const { return m_err; }
    QStringList outLines() const;
    qint64 elapsedMs() const { return m_elapsedMs; }
    // The exit code, stdout and stderr in one text for failure messages.
    QString describe() const;

private:
    void collectOutput();

    QProcess m_process;
    QString m_out;
    QString m_err;
    int m_exitCode = -1;
    qint64 m_startedAt = 0;
    qint64 m_elapsedMs = 0;
};

#endif // TST_FCTOOL_TOOLRUN_H
