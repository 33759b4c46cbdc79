#ifndef SKYDESK_UPDATEINFO_H
#define SKYDESK_UPDATEINFO_H

#include <QString>

// What the update page learnt from the update server, handed to the firmware download dialog.
struct UpdateInfo
{
    quint16 version = 0; // in hundredths: 105 is 1.05
    QString fileName;    // the firmware file's name on the server
    QString content;     // release notes, each line ended by "\r\n"
};

#endif // SKYDESK_UPDATEINFO_H
