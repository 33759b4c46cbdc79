#ifndef SKYDESK_STARTOPTIONS_H
#define SKYDESK_STARTOPTIONS_H

#include <QStringList>

class QCommandLineParser;

// What Skydesk's command line asks for. "--internal" adds the internal parameter page for service
// technicians. Arguments it does not know are ignored, as they always were. --help and --version
// are answered before the window starts (product/programinformation.h).
class StartOptions
{
public:
    static StartOptions fromArguments(const QStringList &arguments);
    // The program's description and options, as --help shows them.
    static void describe(QCommandLineParser &parser);

    bool internalPage() const { return m_internalPage; }

private:
    bool m_internalPage = false;
};

#endif // SKYDESK_STARTOPTIONS_H
