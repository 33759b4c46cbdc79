#include "textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>

#include <cmath>

namespace textfit {
namespace {

QString describe(const QWidget *widget, const QString &text, int needed, int room)
{
    return QStringLiteral("%1 (%2): \"%3\": %4 px in %5 px")
        .arg(widget->objectName(), QLatin1String(widget->metaObject()->className()), text)
        .arg(needed)
        .arg(room);
}

// The text as drawn: the mnemonic marks go, a doubled one stays as one.
QString withoutMnemonics(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    return QString();
}

// The height the glyphs of text take: lines apart by the line spacing, the last one by its ink
// (a line's leading below the glyphs may fall outside without cutting anything).
int inkHeight(const QFontMetrics &metrics, const QString &text, int lines)
{
    return metrics.lineSpacing() * (lines - 1) + metrics.tightBoundingRect(text).height();
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

void checkLabel(const QLabel *label, QStringList *found)
{
    if (label->text().trimmed().isEmpty() || label->text() == QLatin1String("<u></u>"))
        return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    const int indent = qMax(0, label->indent());
    const int width = room.width() - indent;
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    int neededWidth = 0;
    int neededHeight = 0;
    if (rich) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(width);
        neededWidth =
            int(std::ceil(label->wordWrap() ? document.size().width() : document.idealWidth()));
        neededHeight = int(std::ceil(document.size().height()));
        if (label->wordWrap() && neededWidth <= width)
            neededWidth = qMin(neededWidth, int(std::ceil(document.idealWidth())));
    } else {
        const QFontMetrics metrics(label->font());
        if (label->wordWrap()) {
            const QRect bounds =
                metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, label->text());
            neededWidth = bounds.width();
            neededHeight =
                inkHeight(metrics, label->text(), qMax(1, bounds.height() / metrics.lineSpacing()));
        } else {
            neededWidth = widestLine(metrics, label->text());
            neededHeight =
                inkHeight(metrics, label->text(), 1 + int(label->text().count(QLatin1Char('\n'))));
        }
    }
    if (neededWidth > width)
        *found << describe(label, label->text(), neededWidth, width);
    else if (neededHeight > room.height())
        *found << describe(label, label->text(), neededHeight, room.height()) + " (height)";
}

void checkButton(const QAbstractButton *button, QStringList *found)
{
    const QString text = withoutMnemonics(button->text());
    if (text.trimmed().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton *>(button))
        return; // tool buttons draw as their style says; none of ours carries long text
    // The style sheet's padding is part of what the button keeps free: the text is clipped to
    // the contents.
    const QRect room = button->style()->subElementRect(contents, &option, button) & button->rect();
    const QFontMetrics metrics(button->font());
    int needed = widestLine(metrics, text);
    if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull())
        needed += button->iconSize().width() + 4;
    if (needed > room.width())
        *found << describe(button, text, needed, room.width());
    else if (inkHeight(metrics, text, 1) > room.height())
        *found << describe(button, text, inkHeight(metrics, text, 1), room.height()) + " (height)";
}

void checkGroupBox(const QGroupBox *box, QStringList *found)
{
    if (box->title().trimmed().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = Qt::Alignment(box->alignment());
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int needed = QFontMetrics(box->font()).horizontalAdvance(withoutMnemonics(box->title()));
    if (label.left() < 0 || label.right() >= box->width() || label.width() < needed)
        *found << describe(box, box->title(), qMax(needed, label.width()), box->width());
}

void checkTabBar(const QTabBar *bar, QStringList *found)
{
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        const int needed = QFontMetrics(bar->font()).horizontalAdvance(bar->tabText(i).trimmed());
        const bool inside = tab.left() >= 0 && tab.right() < bar->width();
        if (tab.width() < needed || !inside)
            *found << describe(bar, bar->tabText(i), needed,
                               inside ? tab.width() : bar->width() - qMax(0, tab.left()));
    }
}

void checkComboBox(const QComboBox *box, QStringList *found)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.frame = box->hasFrame();
    option.editable = box->isEditable();
    option.subControls = QStyle::SC_All;
    const int room =
        box->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
            .width();
    const QFontMetrics metrics(box->font());
    for (int i = 0; i < box->count(); ++i) {
        const QString text = box->itemText(i);
        int needed = metrics.horizontalAdvance(text);
        if (!box->itemIcon(i).isNull())
            needed += box->iconSize().width() + 4;
        if (needed > room)
            *found << describe(box, text, needed, room);
    }
}

void checkIconList(const QListWidget *list, QStringList *found)
{
    if (list->viewMode() != QListView::IconMode)
        return;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem *item = list->item(row);
        const QRect cell = list->visualItemRect(item);
        const int needed = QFontMetrics(item->font()).horizontalAdvance(item->text());
        if (needed > cell.width() || !list->viewport()->rect().contains(cell))
            *found << describe(list, item->text(), needed, cell.width());
    }
}

} // namespace

QStringList clippedTexts(const QWidget *root, const ElidedTest &elided)
{
    QStringList found;
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : qAsConst(widgets)) {
        if (!widget->isVisible() || widget->width() <= 0 || widget->height() <= 0)
            continue;
        if (elided && elided(widget)) {
            found << QStringLiteral("%1 (%2): elided to \"%3\"")
                         .arg(widget->objectName(),
                              QLatin1String(widget->metaObject()->className()), shownText(widget));
            continue;
        }
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            checkLabel(label, &found);
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            checkButton(button, &found);
        else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            checkGroupBox(box, &found);
        else if (const auto *bar = qobject_cast<const QTabBar *>(widget))
            checkTabBar(bar, &found);
        else if (const auto *combo = qobject_cast<const QComboBox *>(widget))
            checkComboBox(combo, &found);
        else if (const auto *list = qobject_cast<const QListWidget *>(widget))
            checkIconList(list, &found);
    }
    return found;
}

QString settingName()
{
    QStringList parts;
    for (const char *name : {"QT_SCALE_FACTOR", "QT_FONT_DPI"}) {
        if (qEnvironmentVariableIsSet(name))
            parts << QStringLiteral("%1=%2").arg(QLatin1String(name), qEnvironmentVariable(name));
    }
    return parts.isEmpty() ? QStringLiteral("100 %") : parts.join(QLatin1Char(' '));
}

QRect emulatedScreen()
{
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    const QSize physical = scale >= 2.0 ? QSize(1920, 1080) : QSize(1280, 800);
    return QRect(QPoint(0, 0), (QSizeF(physical) / scale).toSize());
}

void saveShot(const QString &where, const QWidget *widget)
{
    const QString folder = qEnvironmentVariable("KESTO_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    QString name = settingName() + QLatin1Char(' ') + where;
    name.replace(QRegularExpression(QStringLiteral("[^\\w.=-]+"),
                                    QRegularExpression::UseUnicodePropertiesOption),
                 QStringLiteral("_"));
    widget->window()->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace textfit
