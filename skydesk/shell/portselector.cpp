#include "portselector.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {
// Room for the usual names (ttyUSB0, COM10, /dev/pts/7) without eliding.
constexpr int kContentsLength = 16;
} // namespace

PortSelector::PortSelector(QWidget *parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kContentsLength);
    setMaximumWidth(kMaximumWidth);
    // The drop-down list widens itself to the longest name; only one wider than the screen is
    // elided there.
    view()->setTextElideMode(Qt::ElideMiddle);
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PortSelector::showFullNameAsToolTip);
}

void PortSelector::setPortNames(const QList<QString> &portNames)
{
    clear();
    addItems(portNames);
    for (int i = 0; i < portNames.size(); ++i)
        setItemData(i, portNames.at(i), Qt::ToolTipRole);
    showFullNameAsToolTip();
}

void PortSelector::showFullNameAsToolTip()
{
    setToolTip(currentText());
}

QString PortSelector::displayedText() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return fontMetrics().elidedText(currentText(), Qt::ElideMiddle, field.width());
}

void PortSelector::paintEvent(QPaintEvent *)
{
    // As QComboBox paints itself, with the elided name as the label.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = displayedText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
