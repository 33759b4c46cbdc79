#ifndef FCTOOL_FCTOOLOPTIONS_H
#define FCTOOL_FCTOOLOPTIONS_H

#include <QString>
#include <QStringList>

// The parsed command line: a subcommand, its options and its positional arguments. Parsing
// checks only the form (known options, required ones present, argument counts); what the
// arguments name (parameters, commands, files) is checked by the subcommands.
class FctoolOptions
{
public:
    enum class Subcommand
    {
        Help,
        Version,
        Ports,
        Read,
        Write,
        Get,
        Set,
        Telemetry,
        Command,
        Flash,
        Diff,
        Snapshot,
        History,
        Describe,
        Bootloader,
        Apply,
        Preset
    };

    static constexpr int kDefaultTimeoutMs = 10000;
    // A whole firmware upgrade takes far longer than any link exchange.
    static constexpr int kDefaultFlashTimeoutMs = 120000;

    bool parse(const QStringList &arguments, QString *error);

    Subcommand subcommand() const { return m_subcommand; }
    QString port() const { return m_port; }
    QString outFile() const { return m_outFile; }
    // telemetry --csv: the file the rows go to ("-" for standard output), or empty.
    QString csvFile() const { return m_csvFile; }
    int timeoutMs() const { return m_timeoutMs; }
    // Telemetry lines to print; 0 means until interrupted.
    int count() const { return m_count; }
    // set: accept any value of a field's type, not only the values that make sense.
    bool raw() const { return m_raw; }
    QStringList positional() const { return m_positional; }
    // flash: upload the parameters saved before the upgrade once it has completed.
    bool restore() const { return m_restore; }
    bool allowDowngrade() const { return m_allowDowngrade; }
    // bootloader: send a controller waiting there back to its intact firmware.
    bool leave() const { return m_leave; }
    // Whether write and set read the block back and check it (the default).
    bool verify() const { return m_verify; }
    // The note of a snapshot.
    QString note() const { return m_note; }
    // History lines to print; 0 means all.
    int limit() const { return m_limit; }
    // apply: print what would change and change nothing.
    bool dryRun() const { return m_dryRun; }
    // apply --file: the parameter file the preset changes instead of a controller.
    QString targetFile() const { return m_targetFile; }
    // preset --from: the parameter file the values come from.
    QString fromFile() const { return m_fromFile; }
    // preset --fields: the names of the fields a preset holds.
    QStringList fields() const { return m_fields; }

    static QString usage();

private:
    bool parseSubcommand(const QString &word, QString *error);
    bool parseArguments(const QStringList &arguments, QString *error);
    bool takeOption(const QStringList &arguments, int *index, QString *error);
    bool storeOption(const QString &name, const QString &value, QString *error);
    bool storeFlag(const QString &name);
    bool optionAllowed(const QString &name) const;
    bool checkRequirements(QString *error) const;
    bool checkPositionalCount(QString *error) const;

    Subcommand m_subcommand = Subcommand::Help;
    QString m_subcommandName;
    QString m_port;
    QString m_outFile;
    QString m_csvFile;
    int m_timeoutMs = kDefaultTimeoutMs;
    int m_count = 0;
    bool m_raw = false;
    bool m_helpRequested = false;
    bool m_restore = false;
    bool m_allowDowngrade = false;
    bool m_leave = false;
    bool m_verify = true;
    QString m_note;
    int m_limit = 0;
    bool m_dryRun = false;
    QString m_targetFile;
    QString m_fromFile;
    QStringList m_fields;
    QStringList m_positional;
};

#endif // FCTOOL_FCTOOLOPTIONS_H
