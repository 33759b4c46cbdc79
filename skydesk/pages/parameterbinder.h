#ifndef SKYDESK_PARAMETERBINDER_H
#define SKYDESK_PARAMETERBINDER_H

#include "fclink/model/parameterblock.h"
#include "skydesk/common/parameterwriter.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class Commrt;
class QAbstractButton;
class QAbstractSpinBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace fclink {
struct ParameterField;
}

// Ties a page's controls to the fields of the parameter block, with the same rules for every
// control of every page:
//
// 1. A value reaches the flight controller only when the pilot commits it: Enter, the focus
//    leaving the box, the arrow keys or step buttons, the wheel on a focused box, a click on a
//    button, a choice in a list. While the typed text differs from what the controller holds the
//    box is marked "pending" with a tooltip. Changing the tab commits a pending edit first; the
//    page area does the same before a page change, a disconnect or the window's close. A key
//    that would take the value out of the box's range shows the range instead of vanishing.
// 2. The wheel acts only on the control that has the keyboard focus, and no tab change puts the
//    focus into a box by itself.
// 3. A stored value that the control cannot show (outside its range, or naming none of its
//    choices) is marked "outOfRange" with the stored value in the tooltip; after every write the
//    controls of that field show what was stored.
// 4. A value the field's bytes cannot hold is never written (it would be cut to another value),
//    and a box whose typed text lost a key to the range check sends nothing of what is left:
//    either way the box says the range and keeps the value marked as not sent. Each commit
//    writes at most once.
// 5. While the page is read-only (setEditable) every control that changes the controller is
//    disabled with the reason as its tool tip, and nothing is written. Commands that only a
//    controller can carry out (setCommandsAvailable) may be unavailable while the fields still
//    take edits, as while a configuration is edited without a controller.
//
// A commit goes to the link unless a field sink is set: then the sink takes it (an offline
// configuration), and nothing is uploaded.
//
// A write stores the value under the block's lock, then asks the link to upload the block, all
// under the page lock; nothing is written while the page sets its own controls (Guard).
// Marks are the dynamic property "parameterState" ("pending" or "outOfRange"), styled by the
// page area's style sheet.
class ParameterBinder : public ParameterWriter
{
    Q_OBJECT

public:
    enum class Presentation
    {
        FieldUnits,  // the field's range, unit and decimals from the table (pilot's pages)
        StoredValues // the stored integers within the field's service range (the raw editor)
    };

    // What choice buttons show for a value that names none of them.
    enum class OtherValues
    {
        KeepShown, // the previous choice stays lit (marked)
        ShowNone   // no button stays lit (marked)
    };

    // While a guard lives, the page sets its own controls: no control writes its field.
    class Guard
    {
    public:
        explicit Guard(ParameterBinder &binder) : m_binder(binder) { ++m_binder.m_guards; }
        ~Guard() { --m_binder.m_guards; }
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        ParameterBinder &m_binder;
    };

    ParameterBinder(QWidget *page, Commrt *link);

    // The form names each control's field by the dynamic property "parameterField" (a spin box
    // may instead be named "spinBox<Field>"); a control that names no field is a mistake in the
    // form and stops the program. Values and labels come from the field table, and so do the
    // accessible names of the controls that show no caption of their own (spin boxes with the
    // unit in words, combo boxes, level buttons).
    //
    // Binds the page's spin boxes. Boxes named in unbound stay apart.
    void bindSpinBoxes(Presentation presentation, const QStringList &unbound = {});
    // Buttons in the order of the field's values: its choices (each button then shows its
    // choice's label), or for a field without choices its values from the minimum up (each
    // button then is named after its level, with its buddy label's caption as the meaning).
    // shownForOthers, if given, is lit for any other value.
    void bindChoiceButtons(const QVector<QAbstractButton *> &buttons, OtherValues others,
                           QAbstractButton *shownForOthers = nullptr);
    // Checked writes 1, unchecked 0; it is checked exactly when the field holds 1.
    void bindCheckBox(QCheckBox *box);
    // One entry per choice of the field, labelled as the table says; any further entry that the
    // page adds writes 0.
    void bindComboBox(QComboBox *box);
    // Rule 2 for every spin box, combo box and tab of the page, bound or not.
    void guardControls();
    // A control that changes the controller without a field of its own (a command button), or
    // that edits nothing: it is read-only with the bound controls (rule 5).
    void addEditingControl(QWidget *control);
    // A command button that only a connected controller carries out: read-only with the bound
    // controls, and also while commands are unavailable.
    void addCommandControl(QWidget *control);
    void setCommandsAvailable(bool available, const QString &whyNot = QString());

    // Where commits go instead of the link; an empty sink sends them to the link again. The
    // sink writes the values and returns each field's value before and after, as an upload does.
    using FieldSink =
        std::function<QVector<fclink::FieldChange>(const QVector<fclink::FieldValue> &)>;
    void setFieldSink(const FieldSink &sink) { m_sink = sink; }
    // Rule 5. Typing not committed when the page turns read-only is dropped: it could not reach
    // the controller.
    void setEditable(bool editable, const QString &whyNot = QString());
    bool isEditable() const { return m_editable; }

    // Stores value (cut to the field's width) and requests the upload; false while guarded.
    bool write(const char *fieldName, qint32 value) override;
    // What the pilot's use of a bound control writes, for the page's slots that stand for it:
    // a button's value, a check box's state, a combo box entry's code, a number in the spin
    // box's unit (stored as the field table converts it).
    bool choose(QAbstractButton *button);
    bool check(QCheckBox *box, bool checked);
    bool chooseEntry(QComboBox *box, int index);
    bool writeShown(QAbstractSpinBox *box, double shown);
    // The same for fields the page shows no control of: a number in the field's unit, the
    // field's choice at this index.
    bool writeShown(const char *fieldName, double shown);
    bool writeChoice(const char *fieldName, int choiceIndex);
    // The field a bound control edits, or null.
    const fclink::ParameterField *fieldOf(const QWidget *control) const;
    // Shows the block in every bound control, without writing. A box being edited keeps the
    // pilot's text.
    void refresh();
    // Commits what is typed in any box of the page, as the focus leaving it would.
    void commitPendingEdits();
    bool isGuarded() const { return m_guards > 0; }
    // Hands a command to the link under the page lock, as a write is; false while guarded.
    bool runCommand(const std::function<void()> &send);

    // Moves the keyboard focus out of any spin box or combo box inside container.
    static void keepFocusOffEditors(QWidget *container);

signals:
    void fieldWritten(const QString &fieldName, qint32 value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Kind
    {
        SpinBox,
        Buttons,
        CheckBox,
        ComboBox
    };
    enum class Mark
    {
        None,
        Pending,
        OutOfRange
    };

    struct Binding
    {
        Kind kind = Kind::SpinBox;
        const fclink::ParameterField *field = nullptr;
        QWidget *control = nullptr;    // spin box, check box or combo box
        QWidget *markTarget = nullptr; // where the mark shows
        QLineEdit *editor = nullptr;   // a spin box's text
        Presentation presentation = Presentation::StoredValues;
        QVector<QPair<QAbstractButton *, qint32>> buttons; // each with the value it writes
        OtherValues others = OtherValues::KeepShown;
        QAbstractButton *shownForOthers = nullptr;
        QVector<qint32> codes;
        QString shownText;            // a spin box's text for the value it shows
        QString outOfRange;           // the tooltip while the stored value cannot be shown
        QString baseToolTip;          // the target's own tooltip
        bool commitOnFinish = false;  // Enter, or leaving a box with typed text
        bool actedThisCommit = false; // the box's own value change already took this commit
        bool typed = false;           // the pilot typed since the box was last set
        bool blockChangedWhileTyping = false;
        // A key was refused by the range check: what is left is not what the pilot meant.
        bool keyRefused = false;
        QString refusedAt;      // the editor's text and selection at the refusal
        qint32 shownStored = 0; // the stored value the box was last set from
    };

    QString buddyCaption(const QWidget *control) const;
    QString levelName(const QAbstractButton *button, const fclink::ParameterField &field,
                      qint32 value) const;
    static const fclink::ParameterField &fieldNamed(const QString &name);
    static const fclink::ParameterField &fieldInForm(const QWidget *control);
    bool write(const fclink::ParameterField &field, qint32 value);
    int bindingOf(const QWidget *control) const;
    void bindSpinBox(QAbstractSpinBox *box, const fclink::ParameterField &field,
                     Presentation presentation);
    void applyFieldUnits(QAbstractSpinBox *box, const fclink::ParameterField &field);
    void applyServiceRange(QAbstractSpinBox *box, const fclink::ParameterField &field);
    int addBinding(Binding binding);
    void commitSpinBox(int index, double shown);
    void show(int index, qint32 stored);
    void showField(const fclink::ParameterField &field);
    void showSpinBox(Binding &binding, qint32 stored);
    void showButtons(Binding &binding, qint32 stored);
    void showCheckBox(Binding &binding, qint32 stored);
    void showComboBox(Binding &binding, qint32 stored);
    bool isPending(const Binding &binding) const;
    void updateMark(int index);
    void setMark(QWidget *target, Mark mark, const QString &tip);
    QList<QWidget *> editingControls() const;
    void applyCommandAccess();
    void dropPendingTyping();
    QString holdsOutside(const Binding &binding, qint32 stored, qint32 lowest,
                         qint32 highest) const;
    QString holdsNoChoice(const Binding &binding, qint32 stored) const;
    QString rangeText(const Binding &binding) const;
    void showRangeHint(const Binding &binding, bool notSent = false);
    bool rejectsKey(const Binding &binding, const QString &typed) const;
    bool handleSpinBoxKey(int index, class QKeyEvent *key);
    void noteTypedKey(Binding &binding, const QString &typed);
    static QString editorState(const QLineEdit *editor);
    bool wholeNumberSelected(const Binding &binding) const;
    void commitValue(int index, qint32 value);
    bool refusesCommit(int index, qint32 value);
    void finishEditing(int index);
    void activateEntry(int binding, int index);
    static qint32 entryCode(const Binding &binding, int index);
    qint32 storedOf(const Binding &binding, double shown) const;
    qint32 blockValue(const fclink::ParameterField &field) const;

    QWidget *m_page;
    Commrt *m_link;
    // The page lock: every editing page holds a non-recursive lock while one of its slots
    // writes a field and asks for the upload (or hands a command to the link), and this is
    // that lock, one per page. All of the page's code runs on the GUI thread, so it never
    // waits; what keeps the link's worker thread from copying half a write is the block's own
    // lock (fclink::parameterBlockMutex()), which the write takes inside this one. Nothing is
    // emitted while it is held, so no slot can enter it a second time.
    QMutex m_pageLock;
    int m_guards = 0;
    bool m_editable = true;
    QString m_whyNot;
    QList<QPointer<QWidget>> m_editingControls;
    QList<QPointer<QWidget>> m_commandControls;
    bool m_commandsAvailable = true;
    QString m_whyNoCommands;
    FieldSink m_sink;
    QVector<Binding> m_bindings;
    QHash<QObject *, int> m_spinBoxes; // spin box → binding index
};

#endif // SKYDESK_PARAMETERBINDER_H
