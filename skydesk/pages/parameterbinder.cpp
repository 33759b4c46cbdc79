#include "parameterbinder.h"

#include "editaccess.h"
#include "fclink/link/commrt.h"
#include "fclink/model/parameterblock.h"
#include "fclink/model/parameterfields.h"
#include "fclink/model/parameterformat.h"
#include "product/accessiblecombobox.h"
#include "skydesk/common/logcategories.h"
#include "skydesk/common/stylesheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolTip>

#include <cmath>

namespace {

const char *const kStateProperty = "parameterState";
const char *const kFieldProperty = "parameterField";
const char *const kSpinBoxPrefix = "spinBox";
constexpr int kRangeHintMs = 4000;

double boxMinimum(const QAbstractSpinBox *box)
{
    if (auto *spin = qobject_cast<const QSpinBox *>(box))
        return spin->minimum();
    return static_cast<const QDoubleSpinBox *>(box)->minimum();
}

double boxMaximum(const QAbstractSpinBox *box)
{
    if (auto *spin = qobject_cast<const QSpinBox *>(box))
        return spin->maximum();
    return static_cast<const QDoubleSpinBox *>(box)->maximum();
}

double boxValue(const QAbstractSpinBox *box)
{
    if (auto *spin = qobject_cast<const QSpinBox *>(box))
        return spin->value();
    return static_cast<const QDoubleSpinBox *>(box)->value();
}

QString boxCleanText(const QAbstractSpinBox *box)
{
    if (auto *spin = qobject_cast<const QSpinBox *>(box))
        return spin->cleanText().trimmed();
    return static_cast<const QDoubleSpinBox *>(box)->cleanText().trimmed();
}

void setBoxValue(QAbstractSpinBox *box, double value)
{
    if (auto *spin = qobject_cast<QSpinBox *>(box))
        spin->setValue(qRound(value));
    else
        static_cast<QDoubleSpinBox *>(box)->setValue(value);
}

// Unchecks a button that its exclusive group would keep checked.
void uncheck(QAbstractButton *button)
{
    if (!button->isChecked())
        return;
    QButtonGroup *group = button->group();
    if (group && group->exclusive()) {
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    } else if (button->autoExclusive()) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    } else {
        button->setChecked(false);
    }
}

QWidget *enclosingGroup(QWidget *control)
{
    for (QWidget *w = control->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<QGroupBox *>(w))
            return w;
    }
    return control;
}

bool isEditor(const QWidget *widget)
{
    return qobject_cast<const QAbstractSpinBox *>(widget) ||
           qobject_cast<const QComboBox *>(widget);
}

} // namespace

ParameterBinder::ParameterBinder(QWidget *page, Commrt *link)
    : ParameterWriter(page), m_page(page), m_link(link)
{
    AccessibleComboBox::install();
}

// The caption label the form gives a control as its buddy ("LOW" over the first level button);
// empty without one.
QString ParameterBinder::buddyCaption(const QWidget *control) const
{
    const auto labels = m_page->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() == control)
            return label->text();
    }
    return QString();
}

// A button of a field without choices stands for one value, a level of the field.
QString ParameterBinder::levelName(const QAbstractButton *button,
                                   const fclink::ParameterField &field, qint32 value) const
{
    const QString level = tr("%1 level %2").arg(fclink::fieldCaption(field)).arg(value);
    // Lowered, the caption reads as a word of the name.
    const QString meaning = buddyCaption(button).toLower();
    return meaning.isEmpty() ? level : tr("%1 (%2)").arg(level, meaning);
}

const fclink::ParameterField &ParameterBinder::fieldNamed(const QString &name)
{
    const fclink::ParameterField *field = fclink::findParameterField(name);
    if (!field)
        qFatal("no parameter field is named %s", qPrintable(name)); // a mistake in the code
    return *field;
}

// The field the form names for a control other than a spin box.
const fclink::ParameterField &ParameterBinder::fieldInForm(const QWidget *control)
{
    const QString name = control->property(kFieldProperty).toString();
    const fclink::ParameterField *field = fclink::findParameterField(name);
    if (!field) // a mistake in the form: found at the first construction of the page
        qFatal("%s names no parameter field", qPrintable(control->objectName()));
    return *field;
}

int ParameterBinder::addBinding(Binding binding)
{
    binding.baseToolTip = binding.markTarget->toolTip();
    m_bindings.append(binding);
    return m_bindings.size() - 1;
}

void ParameterBinder::bindSpinBoxes(Presentation presentation, const QStringList &unbound)
{
    const auto boxes = m_page->findChildren<QAbstractSpinBox *>();
    for (QAbstractSpinBox *box : boxes) {
        const QString name = box->objectName();
        if (unbound.contains(name))
            continue;
        QString fieldName = box->property(kFieldProperty).toString();
        if (fieldName.isEmpty() && name.startsWith(QLatin1String(kSpinBoxPrefix)))
            fieldName = name.mid(int(qstrlen(kSpinBoxPrefix)));
        const fclink::ParameterField *field = fclink::findParameterField(fieldName);
        if (!field) // a mistake in the form: found at the first construction of the page
            qFatal("spin box %s names no parameter field", qPrintable(name));
        bindSpinBox(box, *field, presentation);
    }
}

void ParameterBinder::bindSpinBox(QAbstractSpinBox *box, const fclink::ParameterField &field,
                                  Presentation presentation)
{
    const Guard guard(*this); // new ranges may move the value; that is not an edit
    if (presentation == Presentation::FieldUnits)
        applyFieldUnits(box, field);
    else
        applyServiceRange(box, field);
    box->setKeyboardTracking(false);
    box->setFocusPolicy(Qt::StrongFocus);
    // The raw editor shows stored integers, so the unit would be wrong there, and its own
    // caption beside each box (the box's buddy) is what a technician reads and is told.
    if (presentation == Presentation::FieldUnits)
        box->setAccessibleName(fclink::spokenCaption(field));
    else if (buddyCaption(box).isEmpty())
        box->setAccessibleName(fclink::fieldCaption(field));

    Binding binding;
    binding.kind = Kind::SpinBox;
    binding.field = &field;
    binding.control = box;
    binding.markTarget = box;
    binding.editor = box->findChild<QLineEdit *>();
    binding.presentation = presentation;
    binding.shownText = binding.editor->text();
    const int index = addBinding(binding);
    m_spinBoxes.insert(box, index);
    box->installEventFilter(this);

    if (auto *spin = qobject_cast<QSpinBox *>(box)) {
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this,
                [this, index](int value) { commitSpinBox(index, value); });
    } else {
        connect(static_cast<QDoubleSpinBox *>(box),
                QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                [this, index](double value) { commitSpinBox(index, value); });
    }
    connect(box, &QAbstractSpinBox::editingFinished, this, [this, index] { finishEditing(index); });
    // Only the pilot's typing makes an edit; the box setting its own text does not.
    connect(binding.editor, &QLineEdit::textEdited, this, [this, index, box] {
        Binding &edited = m_bindings[index];
        edited.typed = true;
        if (boxCleanText(box).isEmpty())
            edited.keyRefused = false; // cleared: what comes next is typed anew
        updateMark(index);
    });
    connect(binding.editor, &QLineEdit::textChanged, this, [this, index] { updateMark(index); });
}

void ParameterBinder::applyFieldUnits(QAbstractSpinBox *box, const fclink::ParameterField &field)
{
    const QString unit = QLatin1String(field.unit);
    if (auto *spin = qobject_cast<QSpinBox *>(box)) {
        if (field.scale != 1)
            qFatal("%s needs a QDoubleSpinBox for its decimals", field.name);
        spin->setRange(field.minimum, field.maximum);
        spin->setSuffix(unit);
        return;
    }
    auto *decimal = static_cast<QDoubleSpinBox *>(box);
    decimal->setDecimals(field.decimals);
    decimal->setRange(double(field.minimum) / field.scale, double(field.maximum) / field.scale);
    decimal->setSingleStep(std::pow(10.0, -field.decimals));
    decimal->setSuffix(unit);
}

// The raw editor offers the stored integers of the field's service range.
void ParameterBinder::applyServiceRange(QAbstractSpinBox *box, const fclink::ParameterField &field)
{
    auto *spin = qobject_cast<QSpinBox *>(box);
    if (!spin)
        qFatal("%s shows stored integers and needs a QSpinBox", field.name);
    spin->setRange(field.serviceMinimum, field.serviceMaximum);
}

void ParameterBinder::bindChoiceButtons(const QVector<QAbstractButton *> &buttons,
                                        OtherValues others, QAbstractButton *shownForOthers)
{
    const fclink::ParameterField &field = fieldInForm(buttons.first());
    const int values = field.isChoice() ? field.choices.size() : field.maximum - field.minimum + 1;
    if (values != buttons.size())
        qFatal("%s has %d values, not %d", field.name, values, int(buttons.size()));
    Binding binding;
    binding.kind = Kind::Buttons;
    binding.field = &field;
    binding.markTarget = enclosingGroup(buttons.first());
    binding.others = others;
    binding.shownForOthers = shownForOthers;
    for (int i = 0; i < buttons.size(); ++i) {
        QAbstractButton *button = buttons.at(i);
        if (&fieldInForm(button) != &field)
            qFatal("%s is bound with the buttons of %s", qPrintable(button->objectName()),
                   field.name);
        const qint32 value = field.isChoice() ? field.choices.at(i).code : field.minimum + i;
        if (field.isChoice())
            button->setText(fclink::choiceLabel(field.choices.at(i)));
        else
            button->setAccessibleName(levelName(button, field, value));
        binding.buttons.append({button, value});
        connect(button, &QAbstractButton::clicked, this, [this, button] { choose(button); });
    }
    addBinding(binding);
}

void ParameterBinder::bindCheckBox(QCheckBox *box)
{
    Binding binding;
    binding.kind = Kind::CheckBox;
    binding.field = &fieldInForm(box);
    binding.control = box;
    binding.markTarget = box;
    addBinding(binding);
    connect(box, &QCheckBox::clicked, this, [this, box](bool checked) { check(box, checked); });
}

void ParameterBinder::bindComboBox(QComboBox *box)
{
    Binding binding;
    binding.kind = Kind::ComboBox;
    binding.field = &fieldInForm(box);
    binding.control = box;
    binding.markTarget = box;
    box->setAccessibleName(fclink::fieldCaption(*binding.field));
    {
        const Guard guard(*this); // filling the box is no choice of the pilot's
        box->clear();
        for (const fclink::FieldChoice &choice : binding.field->choices) {
            box->addItem(fclink::choiceLabel(choice));
            binding.codes.append(choice.code);
        }
    }
    const int index = addBinding(binding);
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this, box](int entry) { chooseEntry(box, entry); });
    // Choosing the entry the box already shows changes no index; over a code the box does not
    // offer it is still the pilot's choice, and that code is stored.
    connect(box, QOverload<int>::of(&QComboBox::activated), this,
            [this, index](int entry) { activateEntry(index, entry); });
}

qint32 ParameterBinder::entryCode(const Binding &binding, int index)
{
    return index >= 0 && index < binding.codes.size() ? binding.codes.at(index) : 0;
}

void ParameterBinder::activateEntry(int binding, int index)
{
    const Binding &entries = m_bindings.at(binding);
    if (index < 0 || index >= entries.codes.size())
        return;
    if (blockValue(*entries.field) != entries.codes.at(index))
        write(*entries.field, entries.codes.at(index));
}

int ParameterBinder::bindingOf(const QWidget *control) const
{
    for (int i = 0; i < m_bindings.size(); ++i) {
        const Binding &binding = m_bindings.at(i);
        if (binding.control == control)
            return i;
        for (const auto &button : binding.buttons) {
            if (button.first == control)
                return i;
        }
    }
    return -1;
}

const fclink::ParameterField *ParameterBinder::fieldOf(const QWidget *control) const
{
    const int index = bindingOf(control);
    return index >= 0 ? m_bindings.at(index).field : nullptr;
}

bool ParameterBinder::choose(QAbstractButton *button)
{
    const int index = bindingOf(button);
    if (index < 0)
        qFatal("%s is no bound button", qPrintable(button->objectName()));
    const Binding &binding = m_bindings.at(index);
    for (const auto &bound : binding.buttons) {
        if (bound.first == button)
            return write(*binding.field, bound.second);
    }
    return false;
}

bool ParameterBinder::check(QCheckBox *box, bool checked)
{
    const fclink::ParameterField *field = fieldOf(box);
    if (!field)
        qFatal("%s is no bound check box", qPrintable(box->objectName()));
    return write(*field, checked ? 1 : 0);
}

bool ParameterBinder::chooseEntry(QComboBox *box, int index)
{
    const int binding = bindingOf(box);
    if (binding < 0)
        qFatal("%s is no bound combo box", qPrintable(box->objectName()));
    return write(*m_bindings.at(binding).field, entryCode(m_bindings.at(binding), index));
}

bool ParameterBinder::writeShown(QAbstractSpinBox *box, double shown)
{
    const fclink::ParameterField *field = fieldOf(box);
    if (!field)
        qFatal("%s is no bound spin box", qPrintable(box->objectName()));
    return writeShown(field->name, shown);
}

bool ParameterBinder::writeShown(const char *fieldName, double shown)
{
    const fclink::ParameterField &field = fieldNamed(QLatin1String(fieldName));
    const qint64 stored = fclink::storedValue(field, shown);
    if (!fclink::fieldCanHold(field, stored)) {
        qCWarning(lcPages).noquote() << field.name << "cannot hold" << shown;
        return false;
    }
    return write(field, static_cast<qint32>(stored));
}

bool ParameterBinder::writeChoice(const char *fieldName, int choiceIndex)
{
    const fclink::ParameterField &field = fieldNamed(QLatin1String(fieldName));
    return write(field, field.choices.at(choiceIndex).code);
}

void ParameterBinder::guardControls()
{
    for (QWidget *control : m_page->findChildren<QWidget *>()) {
        if (!isEditor(control))
            continue;
        control->setFocusPolicy(Qt::StrongFocus); // not the wheel's focus
        control->installEventFilter(this);
    }
    for (QTabWidget *tabs : m_page->findChildren<QTabWidget *>()) {
        connect(tabs, &QTabWidget::tabBarClicked, this, &ParameterBinder::commitPendingEdits);
        connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] {
            commitPendingEdits();
            keepFocusOffEditors(tabs->currentWidget());
        });
    }
}

void ParameterBinder::addEditingControl(QWidget *control)
{
    m_editingControls.append(control);
    if (!m_editable)
        EditAccess::setControlEditable(control, false, m_whyNot);
}

void ParameterBinder::addCommandControl(QWidget *control)
{
    m_commandControls.append(control);
    applyCommandAccess();
}

void ParameterBinder::setCommandsAvailable(bool available, const QString &whyNot)
{
    m_commandsAvailable = available;
    m_whyNoCommands = available ? QString() : whyNot;
    applyCommandAccess();
}

// A command takes clicks only where both the page and the controller take them; the page's own
// reason comes first.
void ParameterBinder::applyCommandAccess()
{
    const bool usable = m_editable && m_commandsAvailable;
    const QString whyNot = !m_editable ? m_whyNot : m_whyNoCommands;
    for (const QPointer<QWidget> &control : qAsConst(m_commandControls)) {
        if (control)
            EditAccess::setControlEditable(control, usable, whyNot);
    }
}

QList<QWidget *> ParameterBinder::editingControls() const
{
    QList<QWidget *> controls;
    for (const Binding &binding : m_bindings) {
        if (binding.control)
            controls.append(binding.control);
        for (const auto &button : binding.buttons)
            controls.append(button.first);
    }
    for (const QPointer<QWidget> &control : m_editingControls) {
        if (control)
            controls.append(control);
    }
    return controls;
}

void ParameterBinder::setEditable(bool editable, const QString &whyNot)
{
    if (editable == m_editable && whyNot == m_whyNot)
        return;
    if (!editable)
        dropPendingTyping();
    m_editable = editable;
    m_whyNot = editable ? QString() : whyNot;
    for (QWidget *control : editingControls())
        EditAccess::setControlEditable(control, editable, m_whyNot);
    applyCommandAccess();
    for (int i = 0; i < m_bindings.size(); ++i)
        updateMark(i);
}

void ParameterBinder::dropPendingTyping()
{
    const fclink::BlockImage block = fclink::ParameterBlock::copy();
    for (int i = 0; i < m_bindings.size(); ++i) {
        const Binding &binding = m_bindings.at(i);
        if (isPending(binding) || binding.keyRefused)
            show(i, block.value(*binding.field));
    }
}

void ParameterBinder::keepFocusOffEditors(QWidget *container)
{
    QWidget *focus = QApplication::focusWidget();
    if (container && focus && isEditor(focus) && container->isAncestorOf(focus))
        container->setFocus(Qt::OtherFocusReason);
}

bool ParameterBinder::write(const char *fieldName, qint32 value)
{
    return write(fieldNamed(QLatin1String(fieldName)), value);
}

bool ParameterBinder::write(const fclink::ParameterField &field, qint32 value)
{
    if (isGuarded() || !m_editable)
        return false;
    if (!fclink::fieldCanHold(field, value)) {
        qCWarning(lcPages) << "not written:" << field.name << "cannot hold" << value;
        return false;
    }
    fclink::FieldChange change;
    {
        QMutexLocker pageLock(&m_pageLock);
        change = m_sink ? m_sink({{&field, value}}).constFirst()
                        : m_link->uploadFields({{&field, value}}).constFirst();
    }
    showField(field);
    emit fieldWritten(QLatin1String(field.name), value);
    if (change.after != change.before)
        emit edited(QLatin1String(field.name), change.before, change.after);
    return true;
}

bool ParameterBinder::runCommand(const std::function<void()> &send)
{
    if (isGuarded() || !m_commandsAvailable)
        return false;
    QMutexLocker pageLock(&m_pageLock);
    send();
    return true;
}

void ParameterBinder::commitSpinBox(int index, double shown)
{
    if (isGuarded())
        return;
    m_bindings[index].actedThisCommit = true;
    commitValue(index, storedOf(m_bindings.at(index), shown));
}

void ParameterBinder::commitValue(int index, qint32 value)
{
    if (!refusesCommit(index, value))
        write(*m_bindings.at(index).field, value);
}

// A commit of what is left after a refused key, or of a value the field cannot hold, sends
// nothing: the box keeps the value, marked as not sent, and says the range.
bool ParameterBinder::refusesCommit(int index, qint32 value)
{
    Binding &binding = m_bindings[index];
    if (!binding.keyRefused && fclink::fieldCanHold(*binding.field, value))
        return false;
    binding.typed = true;
    updateMark(index);
    showRangeHint(binding, true);
    return true;
}

qint32 ParameterBinder::storedOf(const Binding &binding, double shown) const
{
    if (binding.presentation == Presentation::FieldUnits)
        return static_cast<qint32>(fclink::storedValue(*binding.field, shown));
    return static_cast<qint32>(qRound64(shown));
}

qint32 ParameterBinder::blockValue(const fclink::ParameterField &field) const
{
    return fclink::ParameterBlock::copy().value(field);
}

void ParameterBinder::refresh()
{
    const fclink::BlockImage block = fclink::ParameterBlock::copy();
    for (int i = 0; i < m_bindings.size(); ++i) {
        const Binding &binding = m_bindings.at(i);
        const qint32 stored = block.value(*binding.field);
        if (binding.kind == Kind::SpinBox && binding.control->hasFocus() && isPending(binding)) {
            // The pilot's typing is not overwritten; Enter or leaving commits it.
            if (stored != binding.shownStored)
                m_bindings[i].blockChangedWhileTyping = true;
            continue;
        }
        show(i, stored);
    }
}

void ParameterBinder::showField(const fclink::ParameterField &field)
{
    const qint32 stored = blockValue(field);
    for (int i = 0; i < m_bindings.size(); ++i) {
        if (m_bindings.at(i).field == &field)
            show(i, stored);
    }
}

void ParameterBinder::show(int index, qint32 stored)
{
    const Guard guard(*this);
    Binding &binding = m_bindings[index];
    switch (binding.kind) {
    case Kind::SpinBox:
        showSpinBox(binding, stored);
        break;
    case Kind::Buttons:
        showButtons(binding, stored);
        break;
    case Kind::CheckBox:
        showCheckBox(binding, stored);
        break;
    case Kind::ComboBox:
        showComboBox(binding, stored);
        break;
    }
    updateMark(index);
}

void ParameterBinder::showSpinBox(Binding &binding, qint32 stored)
{
    auto *box = static_cast<QAbstractSpinBox *>(binding.control);
    const qint32 lowest = storedOf(binding, boxMinimum(box));
    const qint32 highest = storedOf(binding, boxMaximum(box));
    const qint32 shown = qBound(lowest, stored, highest);
    setBoxValue(box, binding.presentation == Presentation::FieldUnits
                         ? fclink::shownValue(*binding.field, shown)
                         : double(shown));
    binding.shownText = binding.editor->text();
    binding.typed = false;
    binding.blockChangedWhileTyping = false;
    binding.keyRefused = false;
    binding.shownStored = stored;
    binding.outOfRange =
        shown == stored ? QString() : holdsOutside(binding, stored, lowest, highest);
}

void ParameterBinder::showButtons(Binding &binding, qint32 stored)
{
    QAbstractButton *lit = nullptr;
    for (const auto &button : qAsConst(binding.buttons)) {
        if (button.second == stored)
            lit = button.first;
    }
    if (lit) {
        lit->setChecked(true);
        binding.outOfRange.clear();
        return;
    }
    if (binding.shownForOthers) {
        binding.shownForOthers->setChecked(true);
    } else if (binding.others == OtherValues::ShowNone) {
        for (const auto &button : qAsConst(binding.buttons))
            uncheck(button.first);
    }
    binding.outOfRange =
        binding.field->isChoice()
            ? holdsNoChoice(binding, stored)
            : holdsOutside(binding, stored, binding.field->minimum, binding.field->maximum);
}

void ParameterBinder::showCheckBox(Binding &binding, qint32 stored)
{
    static_cast<QCheckBox *>(binding.control)->setChecked(stored == 1);
    binding.outOfRange = stored == 0 || stored == 1 ? QString() : holdsNoChoice(binding, stored);
}

void ParameterBinder::showComboBox(Binding &binding, qint32 stored)
{
    const int index = binding.codes.indexOf(stored);
    if (index >= 0)
        static_cast<QComboBox *>(binding.control)->setCurrentIndex(index);
    binding.outOfRange = index >= 0 ? QString() : holdsNoChoice(binding, stored);
}

// Typed text is pending while it differs from what the box showed for the block, or while the
// block has changed under it.
bool ParameterBinder::isPending(const Binding &binding) const
{
    return binding.kind == Kind::SpinBox && binding.typed &&
           (binding.blockChangedWhileTyping || binding.editor->text() != binding.shownText);
}

void ParameterBinder::updateMark(int index)
{
    const Binding &binding = m_bindings.at(index);
    if (isPending(binding))
        setMark(binding.markTarget, Mark::Pending, tr("Not sent yet: press Enter"));
    else if (!binding.outOfRange.isEmpty())
        setMark(binding.markTarget, Mark::OutOfRange, binding.outOfRange);
    else
        setMark(binding.markTarget, Mark::None, binding.baseToolTip);
}

// A read-only control keeps saying why it is read-only; its mark's tip comes back with it.
void ParameterBinder::setMark(QWidget *target, Mark mark, const QString &tip)
{
    static const char *const kStates[] = {"", "pending", "outOfRange"};
    EditAccess::setControlToolTip(target, tip);
    StyleSheet::setState(target, kStateProperty, QLatin1String(kStates[int(mark)]));
}

QString ParameterBinder::holdsOutside(const Binding &binding, qint32 stored, qint32 lowest,
                                      qint32 highest) const
{
    const fclink::ParameterField &field = *binding.field;
    if (binding.kind == Kind::SpinBox && binding.presentation == Presentation::StoredValues)
        return tr("The flight controller holds %1, outside %2")
            .arg(stored)
            .arg(fclink::formatRange(lowest, highest));
    return tr("The flight controller holds %1, outside %2")
        .arg(fclink::formatValue(field, stored), fclink::formatRange(field, lowest, highest));
}

QString ParameterBinder::holdsNoChoice(const Binding &, qint32 stored) const
{
    return tr("The flight controller holds %1, which is none of the choices here").arg(stored);
}

// What the box offers and the field holds.
QString ParameterBinder::rangeText(const Binding &binding) const
{
    const auto *box = static_cast<const QAbstractSpinBox *>(binding.control);
    const qint32 lowest =
        qMax(storedOf(binding, boxMinimum(box)), fclink::lowestHeld(*binding.field));
    const qint32 highest =
        qMin(storedOf(binding, boxMaximum(box)), fclink::highestHeld(*binding.field));
    if (binding.presentation == Presentation::StoredValues)
        return fclink::formatRange(lowest, highest);
    return fclink::formatRange(*binding.field, lowest, highest);
}

void ParameterBinder::showRangeHint(const Binding &binding, bool notSent)
{
    QWidget *box = binding.control;
    const QString text = notSent ? tr("Not sent. Allowed: %1").arg(rangeText(binding))
                                 : tr("Allowed: %1").arg(rangeText(binding));
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), text, box, QRect(),
                       kRangeHintMs);
}

// Whether the box would refuse this text typed at the cursor: it cannot become a value of the
// range however the pilot goes on typing.
bool ParameterBinder::rejectsKey(const Binding &binding, const QString &typed) const
{
    const QLineEdit *editor = binding.editor;
    QString candidate = editor->text();
    int at = editor->cursorPosition();
    if (editor->hasSelectedText()) {
        at = editor->selectionStart();
        candidate.remove(at, editor->selectedText().size());
    }
    candidate.insert(at, typed);
    at += typed.size();
    const auto *box = static_cast<const QAbstractSpinBox *>(binding.control);
    return box->validate(candidate, at) == QValidator::Invalid;
}

// The box has taken its text as its value (or gone back to the last one). The box only reports
// a value that differs from the one it showed before; a commit must also send a value that
// equals it but not the block: Enter on a box that shows the nearest end of its range for a
// value it cannot show, or typing while a refresh changed the block under the box. A commit the
// box's own value change has already written (or refused) is not sent a second time. Otherwise
// the box shows the block again, which also replaces what an edit that was not taken left; a
// refused value stays, marked, while the box has the focus.
void ParameterBinder::finishEditing(int index)
{
    if (isGuarded())
        return;
    Binding &binding = m_bindings[index];
    const bool committed = binding.commitOnFinish;
    const bool acted = binding.actedThisCommit;
    binding.commitOnFinish = false;
    binding.actedThisCommit = false;
    const qint32 shown =
        storedOf(binding, boxValue(static_cast<QAbstractSpinBox *>(binding.control)));
    const qint32 stored = blockValue(*binding.field);
    if (committed && acted)
        return;
    if (committed && (shown != stored || binding.keyRefused))
        commitValue(index, shown);
    else
        show(index, stored);
}

bool ParameterBinder::handleSpinBoxKey(int index, QKeyEvent *key)
{
    Binding &binding = m_bindings[index];
    auto *box = static_cast<QAbstractSpinBox *>(binding.control);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QString text = binding.editor->text();
        int at = binding.editor->cursorPosition();
        if (!binding.keyRefused && box->validate(text, at) != QValidator::Acceptable)
            showRangeHint(binding); // the box goes back to what the controller holds
        binding.commitOnFinish = true;
        binding.actedThisCommit = false;
        return false;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        binding.keyRefused = false; // the box shows the value a step makes
        return false;
    default:
        break;
    }
    const QString typed = key->text();
    if (!typed.isEmpty() && typed.at(0).isPrint())
        noteTypedKey(binding, typed);
    return false;
}

// A key the range check refuses leaves the text as it was, so what is left is not the number
// the pilot is typing; only typing the number anew (over a selection made since) or clearing
// the box makes it a commit again.
void ParameterBinder::noteTypedKey(Binding &binding, const QString &typed)
{
    if (binding.keyRefused && wholeNumberSelected(binding) &&
        editorState(binding.editor) != binding.refusedAt)
        binding.keyRefused = false;
    if (rejectsKey(binding, typed)) {
        binding.keyRefused = true;
        binding.refusedAt = editorState(binding.editor);
        showRangeHint(binding);
    }
}

QString ParameterBinder::editorState(const QLineEdit *editor)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(editor->text())
        .arg(editor->cursorPosition())
        .arg(editor->selectionStart())
        .arg(editor->selectedText().size());
}

bool ParameterBinder::wholeNumberSelected(const Binding &binding) const
{
    const auto *box = static_cast<const QAbstractSpinBox *>(binding.control);
    const QString number = box->text().trimmed();
    const QString selected = binding.editor->selectedText().trimmed();
    return !selected.isEmpty() && (number == selected || boxCleanText(box) == selected);
}

bool ParameterBinder::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Wheel: {
        auto *control = qobject_cast<QWidget *>(watched);
        if (control && isEditor(control) && !control->hasFocus()) {
            event->ignore();
            return true;
        }
        const int index = m_spinBoxes.value(watched, -1);
        if (index >= 0)
            m_bindings[index].keyRefused = false; // the box shows the value the wheel makes
        break;
    }
    case QEvent::ShortcutOverride: {
        // Ctrl+Z takes back the pilot's typing while there is any, and otherwise the last
        // committed edit (the page area's shortcut): the box does not keep it to itself.
        const int index = m_spinBoxes.value(watched, -1);
        auto *key = static_cast<QKeyEvent *>(event);
        if (index >= 0 && key->matches(QKeySequence::Undo) && !isPending(m_bindings.at(index)))
            return true;
        break;
    }
    case QEvent::KeyPress: {
        const int index = m_spinBoxes.value(watched, -1);
        if (index >= 0)
            return handleSpinBoxKey(index, static_cast<QKeyEvent *>(event));
        break;
    }
    case QEvent::FocusOut: {
        const int index = m_spinBoxes.value(watched, -1);
        if (index < 0)
            break;
        Binding &binding = m_bindings[index];
        binding.commitOnFinish = isPending(binding); // leaving commits what was typed
        binding.actedThisCommit = false;
        QString text = binding.editor->text();
        int at = 0;
        if (binding.commitOnFinish && !binding.keyRefused &&
            static_cast<QAbstractSpinBox *>(binding.control)->validate(text, at) ==
                QValidator::Intermediate)
            showRangeHint(binding); // what was typed is no value of the range: it is not sent
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ParameterBinder::commitPendingEdits()
{
    for (int i = 0; i < m_bindings.size(); ++i) {
        Binding &binding = m_bindings[i];
        if (!isPending(binding))
            continue;
        binding.commitOnFinish = true;
        binding.actedThisCommit = false;
        static_cast<QAbstractSpinBox *>(binding.control)->interpretText();
        finishEditing(i);
    }
}
