#ifndef SKYDESK_STARTOPTIONS_H
#define SKYDESK_STARTOPTIONS_H

#include <QStringList>

class QCommandLineParser;

// What Skydesk's command line asks for. "--internal" adds the internal parameter page for service
// technicians; the other arguments name files to open, each by its kind. Options it does not know
// are ignored, as they always were. --help and --version are answered before the window starts
// (product/programinformation.h).
class StartOptions
{
public:
    // What a file is, told by its suffix in any letter case.
    enum class FileKind
    {
        Recording,     // .csv: a telemetry recording, opened in a viewer
        Configuration, // .conf: a parameter file, opened offline on the pages
        Unknown
    };

    static StartOptions fromArguments(const QStringList &arguments);
    // The program's description and options, as --help shows them.
    static void describe(QCommandLineParser &parser);
    static FileKind kindOf(const QString &path);

    bool internalPage() const { return m_internalPage; }
    // The files named, in their order, as absolute paths.
    QStringList files() const { return m_files; }

private:
    bool m_internalPage = false;
    QStringList m_files;
};

#endif // SKYDESK_STARTOPTIONS_H
