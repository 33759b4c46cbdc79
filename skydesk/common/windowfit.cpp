#include "windowfit.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

class OnScreenKeeper : public QObject
{
public:
    explicit OnScreenKeeper(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show)
            keepOnScreen();
        return false;
    }

private:
    void keepOnScreen()
    {
        const QScreen *screen =
            m_window->windowHandle() ? m_window->windowHandle()->screen() : m_window->screen();
        if (screen)
            WindowFit::keepInside(m_window, screen->availableGeometry());
    }

    QWidget *m_window;
};

} // namespace

namespace WindowFit {

QSize fittedSize(const QSize &designed, const QSize &minimum, const QRect &available)
{
    if (!available.isValid())
        return designed.expandedTo(minimum);
    return designed.boundedTo(available.size()).expandedTo(minimum);
}

QPoint placedInside(const QRect &frame, const QRect &available)
{
    if (!available.isValid())
        return frame.topLeft();
    const int x = qMax(available.left(), qMin(frame.left(), available.right() - frame.width() + 1));
    const int y = qMax(available.top(), qMin(frame.top(), available.bottom() - frame.height() + 1));
    return QPoint(x, y);
}

QPixmap stretchedBands(const QPixmap &picture, const QSize &size, int topBand, int bottomBand)
{
    const qreal ratio = picture.devicePixelRatio();
    const QSize pictureSize = (QSizeF(picture.size()) / ratio).toSize();
    if (picture.isNull() || size == pictureSize)
        return picture;
    QPixmap result(size * ratio);
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int middleSource = pictureSize.height() - topBand - bottomBand;
    const int middleTarget = qMax(0, size.height() - topBand - bottomBand);
    const int width = size.width();
    // Source rectangles count the picture's own pixels.
    auto source = [ratio](int y, int w, int h) {
        return QRectF(0, y * ratio, w * ratio, h * ratio);
    };
    painter.drawPixmap(QRectF(0, 0, width, topBand), picture,
                       source(0, pictureSize.width(), topBand));
    painter.drawPixmap(QRectF(0, topBand, width, middleTarget), picture,
                       source(topBand, pictureSize.width(), middleSource));
    painter.drawPixmap(QRectF(0, topBand + middleTarget, width, bottomBand), picture,
                       source(pictureSize.height() - bottomBand, pictureSize.width(), bottomBand));
    return result;
}

void keepInside(QWidget *window, const QRect &available)
{
    // The frame the window system draws around it takes room too.
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize size = fittedSize(window->size(), window->minimumSize(),
                                  QRect(available.topLeft(), available.size() - frame));
    if (size != window->size())
        window->resize(size);
    window->move(placedInside(window->frameGeometry(), available));
}

void keepOnScreenWhenShown(QWidget *window)
{
    new OnScreenKeeper(window);
}

} // namespace WindowFit
