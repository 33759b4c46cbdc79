#include "backdropcache.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QWidget>

BackdropCache::BackdropCache(QWidget *widget) : QObject(widget), m_widget(widget)
{
    widget->installEventFilter(this);
}

void BackdropCache::attach(QWidget *widget)
{
    new BackdropCache(widget);
}

// What lies behind the widget is what its ancestors paint there, each over the one around it:
// the window's background first, then every box down to the widget's parent (several are
// translucent). Their children other than this chain are not painted; the widgets this cache
// is for overlap no sibling.
bool BackdropCache::capture()
{
    QList<QWidget *> ancestors;
    for (QWidget *w = m_widget->parentWidget(); w; w = w->parentWidget()) {
        ancestors.prepend(w);
        if (w->isWindow())
            break;
    }
    if (ancestors.isEmpty())
        return false;
    const qreal ratio = m_widget->devicePixelRatioF();
    QPixmap picture(m_widget->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    for (QWidget *ancestor : qAsConst(ancestors)) {
        const QRect behind(m_widget->mapTo(ancestor, QPoint()), m_widget->size());
        ancestor->render(&picture, QPoint(), QRegion(behind), QWidget::DrawWindowBackground);
    }
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 255)
                return false;
        }
    }
    m_picture = picture;
    return true;
}

bool BackdropCache::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
        m_captured = false;
        m_picture = QPixmap();
        m_widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
        break;
    case QEvent::Paint:
        if (!m_captured) {
            // This paint still has the parents under it; the next ones use the picture.
            m_captured = true;
            m_widget->setAttribute(Qt::WA_OpaquePaintEvent, capture());
        } else if (!m_picture.isNull()) {
            QPainter painter(m_widget);
            painter.drawPixmap(0, 0, m_picture);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
