#include "upgradereporttext.h"

#include "upgradeevent.h"

QString UpgradeReportText::line(quint32 code, const QString &portLabel)
{
    switch (code) {
    case UpgradeEvent::PortOpened:
        return tr("<h6><font color=#000000>%1 open OK</font></h6>").arg(portLabel);
    case UpgradeEvent::PortOpenFailed:
        return tr("<h6><font color=#ff0000>%1 open error</font></h6>").arg(portLabel);
    case UpgradeEvent::VersionError:
        return tr("<h6><font color=#ff0000>Version Error</font></h6>");
    case UpgradeEvent::SendCheckError:
        return tr("<h6><font color=#ff0000>Send Check Error</font></h6>");
    case UpgradeEvent::ReceiveCheckError:
        return tr("<h6><font color=#ff0000>Recv Check Error</font></h6>");
    case UpgradeEvent::TimeOut:
        return tr("<h6><font color=#ff0000>Timeout Error</font></h6>");
    case UpgradeEvent::FileError:
        return tr("<h6><font color=#ff0000>File Error</font></h6>");
    case UpgradeEvent::FileOpened:
        return tr("<h6><font color=#000000>File open OK</font></h6>");
    case UpgradeEvent::FileOpenError:
        return tr("<h6><font color=#ff0000>File Open Error</font></h6>");
    case UpgradeEvent::EraseError:
        return tr("<h6><font color=#ff0000>Erase Error</font></h6>");
    case UpgradeEvent::FileSizeError:
        return tr("<h6><font color=#ff0000>File Size Error</font></h6>");
    case UpgradeEvent::LengthError:
        return tr("<h6><font color=#ff0000>Length Error</font></h6>");
    case UpgradeEvent::FlashingBegins:
        return tr("<h6><font color=#000000>Upgrading now, please wait...</font></h6>");
    case UpgradeEvent::UpgradeCompleted:
        return tr("<h6><font color=#000000>Upgraded OK</font></h6>");
    case UpgradeEvent::AddressError:
        return tr("<h6><font color=#ff0000>Address Error</font></h6>");
    case UpgradeEvent::FlashError:
        return tr("<h6><font color=#ff0000>Flash Error</font></h6>");
    case UpgradeEvent::HeadError:
        return tr("<h6><font color=#ff0000>Head Error</font></h6>");
    case UpgradeEvent::GoToApplicationError:
        return tr("<h6><font color=#ff0000>Go to App Error</font></h6>");
    case UpgradeEvent::DeviceError:
        return tr("<h6><font color=#ff0000>Device Error, please check module "
                  "connection</font></h6>");
    case UpgradeEvent::StateError:
        return tr("<h6><font color=#ff0000>State Error</font></h6>");
    case UpgradeEvent::ApplicationResumed:
        return tr("<h6><font color=#000000>The flight controller keeps its firmware</font></h6>");
    default:
        return QString();
    }
}
