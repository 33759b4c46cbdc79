#include "readingorder.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// The child of ancestor that holds widget (or widget itself).
QWidget *branchOf(QWidget *widget, const QWidget *ancestor)
{
    while (widget->parentWidget() != ancestor)
        widget = widget->parentWidget();
    return widget;
}

QWidget *commonAncestor(QWidget *a, QWidget *b)
{
    for (QWidget *w = a->parentWidget(); w; w = w->parentWidget()) {
        if (w->isAncestorOf(b))
            return w;
    }
    return nullptr;
}

// Whether the step from a to b goes back against the reading order: to the left within a row, or
// up into a row above, unless that row lies in a column right of a (a column read after the
// one that ends with a).
bool goesBack(const QRect &a, const QRect &b)
{
    const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
    if (sameRow)
        return b.left() < a.left();
    const bool above = b.top() < a.top();
    return above && b.left() <= a.right();
}

bool takesTabFocus(const QWidget *widget)
{
    return widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

} // namespace

QList<QWidget *> tabChain(QWidget *root, int limit)
{
    QList<QWidget *> chain;
    // The first control of the focus chain, which the focus reaches first when the window opens.
    QWidget *start = root->nextInFocusChain();
    while (start != root &&
           !(root->isAncestorOf(start) && start->isVisibleTo(root) && takesTabFocus(start)))
        start = start->nextInFocusChain();
    if (start == root)
        return chain;
    start->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    start = QApplication::focusWidget();
    // A help panel takes Tab for its links first, and lets the focus go after the last one.
    constexpr int kPressesWithin = 100;
    QWidget *at = start;
    for (int within = 0; at && chain.size() < limit && within < kPressesWithin;) {
        if (chain.isEmpty() || chain.last() != at) {
            chain.append(at);
            within = 0;
        }
        QTest::keyClick(at, Qt::Key_Tab);
        ++within;
        at = QApplication::focusWidget();
        if (at == start || (at != chain.last() && chain.contains(at)))
            break;
    }
    return chain;
}

QStringList readingOrderProblems(const QList<QWidget *> &chain)
{
    QStringList problems;
    for (int i = 1; i < chain.size(); ++i) {
        QWidget *from = chain.at(i - 1);
        QWidget *to = chain.at(i);
        QWidget *ancestor = commonAncestor(from, to);
        if (!ancestor)
            continue; // another window: nothing to compare
        const QRect a = branchOf(from, ancestor)->geometry();
        const QRect b = branchOf(to, ancestor)->geometry();
        if (goesBack(a, b)) {
            problems << QStringLiteral("%1 → %2 goes back (in %3)")
                            .arg(nameOf(from), nameOf(to), nameOf(ancestor));
        }
    }
    return problems;
}
