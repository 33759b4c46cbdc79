#include "mysplashscreen.h"

#include <QProgressBar>

MySplashScreen::MySplashScreen(const QPixmap &picture)
    : QSplashScreen(picture), m_progressBar(new QProgressBar(this))
{
    m_progressBar->setGeometry(0, 304, 515, 8);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setStyleSheet(QStringLiteral(
        "QProgressBar{background:qlineargradient(spread:pad,x1:0,y1:0,x2:1,y2:0,"
        "stop:0 rgba(48,48,48,255),stop:1 rgba(120,120,120,255));"
        "border:0px;border-radius:0px;padding:1px;color:white;}"
        "QProgressBar::chunk{background:qlineargradient(spread:pad,x1:0,y1:0,x2:1,y2:0,"
        "stop:0 rgba(80,160,160,255),stop:1 rgba(160,255,255,255));border:0px;}"));
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
