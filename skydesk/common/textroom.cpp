#include "textroom.h"

#include "product/fixedform.h"
#include "qtversion.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>

namespace {

// A pixel or two beyond the text's advance, which the rounding of a scaled font may need.
constexpr int kTextSlack = 2;
// A group box title's room is the box less its rounded corners and the title's padding.
constexpr int kGroupTitleEdge = 12;
// The whole text of an elided widget, and what it was elided to: a text the program set since
// is whole again.
const char *const kWholeTextProperty = "textRoomWholeText";
const char *const kShownTextProperty = "textRoomShownText";

QString wholeText(const QWidget *widget, const QString &current)
{
    if (widget->property(kShownTextProperty).toString() == current)
        return widget->property(kWholeTextProperty).toString();
    return current;
}

void rememberElided(QWidget *widget, const QString &whole, const QString &shown)
{
    widget->setProperty(kWholeTextProperty, whole);
    widget->setProperty(kShownTextProperty, shown);
    if (!widget->toolTip().contains(whole))
        widget->setToolTip(
            widget->toolTip().isEmpty() ? whole : whole + QLatin1Char('\n') + widget->toolTip());
}

// Runs makeRoom each time the form is shown.
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(QWidget *form) : QObject(form), m_form(form)
    {
        form->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_form && event->type() == QEvent::Show)
            TextRoom::makeRoom(m_form);
        return false;
    }

private:
    QWidget *m_form;
};

bool explicitlyHidden(const QWidget *widget)
{
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

bool plainLabel(const QLabel *label)
{
    return !label->text().isEmpty() && !label->wordWrap() && !showsPicture(label) &&
           label->textFormat() != Qt::RichText &&
           !(label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
}

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text().remove(QLatin1Char('&'));
    return QString();
}

int neededWidth(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return plainLabel(label) ? label->sizeHint().width() : 0;
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return 0;
        // The text is clipped to the contents: the button less its border and padding.
        QStyleOptionButton option;
        option.initFrom(button);
        const int contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        int width = button->width() - contents +
                    button->fontMetrics().horizontalAdvance(shownText(button)) + kTextSlack;
        if (!button->icon().isNull())
            width += button->iconSize().width() + 4;
        return width;
    }
    if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget))
        return static_cast<QAbstractButton *>(widget)->text().isEmpty()
                   ? 0
                   : widget->sizeHint().width();
    return 0;
}

// Which way the widget's text is anchored: it grows away from that side.
Qt::Alignment anchor(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->alignment() & Qt::AlignHorizontal_Mask;
    if (qobject_cast<const QPushButton *>(widget))
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

QRect grown(const QRect &from, int by, Qt::Alignment anchored)
{
    if (anchored & Qt::AlignHCenter)
        return from.adjusted(-by / 2, 0, by - by / 2, 0);
    if (anchored & (Qt::AlignRight | Qt::AlignTrailing))
        return from.adjusted(-by, 0, 0, 0);
    return from.adjusted(0, 0, by, 0);
}

// Where the widget may go without leaving its parent or covering a neighbour it does not
// cover now; an empty rectangle when nowhere.
QRect freeRect(const QWidget *widget, QRect wanted)
{
    const QWidget *parent = widget->parentWidget();
    const QRect inside = parent->contentsRect();
    if (wanted.width() > inside.width())
        return QRect();
    if (wanted.left() < inside.left())
        wanted.moveLeft(inside.left());
    if (wanted.right() > inside.right())
        wanted.moveRight(inside.right());
    const QRect now = widget->geometry();
    for (const QObject *object : parent->children()) {
        const auto *sibling = qobject_cast<const QWidget *>(object);
        if (!sibling || sibling == widget || explicitlyHidden(sibling) || sibling->isWindow())
            continue;
        const QRect other = sibling->geometry();
        if (other.intersects(wanted) && !other.intersects(now))
            return QRect();
    }
    return wanted;
}

void elide(QWidget *widget, int room)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    auto *label = qobject_cast<QLabel *>(widget);
    const QString whole = wholeText(widget, button ? button->text() : label->text());
    const QString shown = widget->fontMetrics().elidedText(whole, Qt::ElideRight, room);
    if (button)
        button->setText(shown);
    else
        label->setText(shown);
    rememberElided(widget, whole, shown);
}

// Taller where there is room above or below, the text keeping its middle.
bool growTaller(QWidget *widget, int height)
{
    if (height <= widget->height())
        return true;
    const int by = height - widget->height();
    const QRect now = widget->geometry();
    for (const QRect &wanted : {now.adjusted(0, -by / 2, 0, by - by / 2), now.adjusted(0, 0, 0, by),
                                now.adjusted(0, -by, 0, 0)}) {
        const QRect place = freeRect(widget, wanted);
        if (!place.isEmpty() && place.top() >= widget->parentWidget()->contentsRect().top() &&
            place.bottom() <= widget->parentWidget()->contentsRect().bottom()) {
            widget->setGeometry(place);
            return true;
        }
    }
    return false;
}

int wrappedHeight(const QLabel *label, int width)
{
    const QMargins margins = label->contentsMargins();
    return label->fontMetrics()
               .boundingRect(QRect(0, 0,
                                   width - margins.left() - margins.right() - 2 * label->margin(),
                                   100000),
                             Qt::TextWordWrap, label->text())
               .height() +
           margins.top() + margins.bottom() + 2 * label->margin();
}

// A long word does not wrap: the words must fit the width one by one.
bool wordsFit(const QLabel *label, int width)
{
    const QMargins margins = label->contentsMargins();
    const int room = width - margins.left() - margins.right() - 2 * label->margin();
    for (const QString &word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (label->fontMetrics().horizontalAdvance(word) > room)
            return false;
    }
    return true;
}

bool wrapLabel(QLabel *label)
{
    const int width = label->width();
    if (!wordsFit(label, width))
        return false;
    label->setWordWrap(true);
    if (growTaller(label, wrappedHeight(label, width)))
        return true;
    label->setWordWrap(false);
    return false;
}

// A container placed at a fixed place whose own layout needs more height (a wrapping label in
// it) grows taller where there is room.
void makeRoomInContainer(QWidget *container)
{
    const QLayout *layout = container->layout();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(container->width())
                                                   : layout->totalMinimumSize().height();
    growTaller(container, needed);
}

void makeRoomFor(QWidget *widget)
{
    // Only plain containers, as a form's layout widgets are.
    if (widget->layout() && widget->metaObject() == &QWidget::staticMetaObject) {
        makeRoomInContainer(widget);
        return;
    }
    auto *label = qobject_cast<QLabel *>(widget);
    if (label && label->wordWrap() && !label->text().isEmpty() && !showsPicture(label)) {
        growTaller(label, wrappedHeight(label, label->width()));
        return;
    }
    if (label && plainLabel(label))
        growTaller(label, label->sizeHint().height());
    const int needed = neededWidth(widget);
    if (needed <= widget->width())
        return;
    const QRect now = widget->geometry();
    const Qt::Alignment first = anchor(widget);
    for (Qt::Alignment anchored : {first, Qt::Alignment(Qt::AlignHCenter),
                                   Qt::Alignment(Qt::AlignLeft), Qt::Alignment(Qt::AlignRight)}) {
        const QRect place = freeRect(widget, grown(now, needed - now.width(), anchored));
        if (!place.isEmpty()) {
            widget->setGeometry(place);
            return;
        }
    }
    if (label && wrapLabel(label))
        return;
    // The room for the text: the widget less what it needs besides the text (margins,
    // indicator).
    const int besides = needed - widget->fontMetrics().horizontalAdvance(shownText(widget));
    elide(widget, widget->width() - besides);
}

void fitGroupTitle(QGroupBox *box)
{
    const QString whole = wholeText(box, box->title());
    const int room = box->width() - 2 * kGroupTitleEdge;
    if (whole.isEmpty() || box->fontMetrics().horizontalAdvance(whole) <= room)
        return;
    const QString shown = box->fontMetrics().elidedText(whole, Qt::ElideRight, room);
    box->setTitle(shown);
    rememberElided(box, whole, shown);
}

} // namespace

void TextRoom::makeRoom(QWidget *form)
{
    const QList<QWidget *> widgets = FixedForm::placedWidgets(form);
    for (QWidget *widget : widgets) {
        if (explicitlyHidden(widget))
            continue;
        widget->ensurePolished();
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            fitGroupTitle(box);
        else
            makeRoomFor(widget);
    }
}

void TextRoom::makeRoomWhenShown(QWidget *form)
{
    new ShowWatcher(form);
}

bool TextRoom::isElided(const QWidget *widget)
{
    const QVariant shown = widget->property(kShownTextProperty);
    if (!shown.isValid())
        return false;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text() == shown.toString();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text() == shown.toString();
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title() == shown.toString();
    return false;
}
