#include "mysplashscreen.h"

#include "skydesk/common/stylesheet.h"

#include <QProgressBar>

MySplashScreen::MySplashScreen(const QPixmap &picture)
    : QSplashScreen(picture), m_progressBar(new QProgressBar(this))
{
    setStyleSheet(StyleSheet::chrome());
    m_progressBar->setGeometry(0, 304, 515, 8);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    connect(m_progressBar, &QProgressBar::valueChanged, this, &MySplashScreen::progressChanged);
}

void MySplashScreen::setProgress(int value)
{
    m_progressBar->setValue(value);
}

void MySplashScreen::progressChanged(int)
{
    repaint();
}
