#ifndef SKYDESK_STARTOPTIONS_H
#define SKYDESK_STARTOPTIONS_H

#include <QStringList>

// What Skydesk's command line asks for. "--internal" adds the internal parameter page for service
// technicians. Arguments it does not know are ignored, as they always were.
class StartOptions
{
public:
    static StartOptions fromArguments(const QStringList &arguments);

    bool internalPage() const { return m_internalPage; }

private:
    bool m_internalPage = false;
};

#endif // SKYDESK_STARTOPTIONS_H
