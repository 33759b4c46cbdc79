#include "upgradequestion.h"

#include "updatehelpers.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

QString UpgradeQuestion::stopText(bool erased)
{
    if (!erased)
        return tr("Stop the upgrade? Nothing has been erased yet: the flight controller keeps its "
                  "firmware.");
    return tr("Stopping now leaves the flight controller without working firmware until it is "
              "upgraded again. Stop anyway?");
}

QString UpgradeQuestion::restoreText(int count, const QString &port, const QDateTime &time,
                                     int firmware)
{
    const QString when = QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
    return tr("Restore the %n parameters saved before the upgrade from the flight controller on "
              "%1 at %2 (firmware %3)?",
              nullptr, count)
        .arg(QDir::toNativeSeparators(port), when,
             update::versionText(static_cast<quint16>(firmware)));
}

QString UpgradeQuestion::downgradeText(int image, int installed)
{
    const QString imageText = update::versionText(static_cast<quint16>(image));
    const QString installedText = update::versionText(static_cast<quint16>(installed));
    if (image == installed)
        return tr("Firmware %1 is the version already installed. Flash it again anyway?")
            .arg(imageText);
    return tr("Firmware %1 is older than the installed %2. Flash anyway?")
        .arg(imageText, installedText);
}

bool UpgradeQuestion::confirmStop(QWidget *parent, bool erased)
{
    return ask(parent, stopText(erased), false);
}

bool UpgradeQuestion::offerRestore(QWidget *parent, int count, const QString &port,
                                   const QDateTime &time, int firmware, bool yesByDefault)
{
    return ask(parent, restoreText(count, port, time, firmware), yesByDefault);
}

bool UpgradeQuestion::confirmDowngrade(QWidget *parent, int image, int installed)
{
    return ask(parent, downgradeText(image, installed), false);
}

bool UpgradeQuestion::ask(QWidget *parent, const QString &text, bool yesByDefault)
{
    QMessageBox box(QMessageBox::Question, tr("Firmware Upgrade"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    // Qt's own button texts come only in English here.
    box.button(QMessageBox::Yes)->setText(tr("Yes"));
    box.button(QMessageBox::No)->setText(tr("No"));
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
