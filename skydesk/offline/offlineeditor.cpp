#include "offlineeditor.h"

#include "comparisondialog.h"
#include "fclink/link/commrt.h"
#include "fclink/model/parameterfields.h"
#include "fclink/storage/parameterfile.h"
#include "skydesk/history/differencetree.h"
#include "skydesk/history/parametercomparison.h"
#include "skydesk/history/snapshotrecorder.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr char kHelpDocument[] = "Offline.html";

QString fileFilter()
{
    return OfflineEditor::tr("ConfigFile(*.conf)");
}

} // namespace

OfflineEditor::OfflineEditor(Commrt *link, SnapshotRecorder *recorder, QWidget *dialogParent)
    : QObject(dialogParent), m_link(link), m_recorder(recorder), m_dialogParent(dialogParent)
{
    connect(m_link, &Commrt::blockReadAfterOpen, this, &OfflineEditor::onBlockReadAfterOpen);
    connect(m_link, &Commrt::connectionChanged, this, &OfflineEditor::onConnectionChanged);
}

OfflineEditor::~OfflineEditor()
{
    dropChoice();
}

const OfflineConfiguration *OfflineEditor::configuration() const
{
    return m_configuration ? &*m_configuration : nullptr;
}

QString OfflineEditor::title() const
{
    if (!m_configuration)
        return QString();
    return tr("Offline: %1").arg(m_configuration->name()) +
           (m_configuration->isModified() ? QStringLiteral("*") : QString());
}

QString OfflineEditor::withConfSuffix(const QString &chosenName)
{
    if (chosenName.right(5).toLower() == QLatin1String(".conf"))
        return chosenName;
    return chosenName + QStringLiteral(".conf");
}

// The controller's block is what the pages show: connected, read, and nothing open offline.
bool OfflineEditor::controllerShown() const
{
    return !m_configuration && m_link->isConnected() && m_link->hasReadBlock();
}

bool OfflineEditor::openFile(const QString &path, QString *error)
{
    OfflineConfiguration loaded;
    // The file is checked before anything is asked or changed: a refused file changes nothing.
    if (!OfflineConfiguration::fromFile(path, &loaded, error) || !askAboutUnsavedChanges())
        return false;
    show(loaded);
    return true;
}

bool OfflineEditor::openDefaults()
{
    if (!askAboutUnsavedChanges())
        return false;
    show(OfflineConfiguration::fromDefaults());
    return true;
}

bool OfflineEditor::openBlock(const fclink::BlockImage &block, const QString &name)
{
    if (!askAboutUnsavedChanges())
        return false;
    show(OfflineConfiguration::fromBlock(block, name));
    return true;
}

// Opened while a controller is connected, the configuration meets it at once: the pilot
// chooses, as after a connection.
void OfflineEditor::show(const OfflineConfiguration &configuration)
{
    const bool connected = m_link->isConnected() && m_link->hasReadBlock();
    const fclink::BlockImage controller =
        connected && !m_configuration ? fclink::ParameterBlock::copy() : m_controllerBlock;
    dropChoice();
    m_configuration = configuration;
    fclink::ParameterBlock::replace(configuration.block());
    emit blockReplaced();
    emit stateChanged();
    emit noticeChanged(title());
    if (connected)
        offerChoice(controller);
}

void OfflineEditor::chooseAndOpen()
{
    const QString chosen = QFileDialog::getOpenFileName(m_dialogParent, tr("Open Configuration"),
                                                        QStringLiteral("."), fileFilter());
    if (chosen.isEmpty())
        return;
    QString error;
    OfflineConfiguration loaded;
    if (!OfflineConfiguration::fromFile(chosen, &loaded, &error)) {
        warn(tr("Open Configuration"), error);
        return;
    }
    openFile(chosen);
}

bool OfflineEditor::save()
{
    if (!m_configuration)
        return false;
    if (m_configuration->path().isEmpty())
        return saveAs();
    QString error;
    if (!m_configuration->save(&error)) {
        warn(tr("Save Configuration"), error);
        return false;
    }
    emit stateChanged();
    emit noticeChanged(tr("Saved %1").arg(m_configuration->name()));
    return true;
}

bool OfflineEditor::saveAs()
{
    if (!m_configuration)
        return false;
    const QString chosen = askForSaveName(tr("Save Configuration As"), fileFilter());
    if (chosen.isEmpty())
        return false;
    QString error;
    if (!saveTo(chosen, &error)) {
        warn(tr("Save Configuration"), error);
        return false;
    }
    return true;
}

bool OfflineEditor::saveTo(const QString &chosenName, QString *error)
{
    if (!m_configuration || !m_configuration->saveAs(withConfSuffix(chosenName), error))
        return false;
    emit stateChanged();
    emit noticeChanged(tr("Saved %1").arg(m_configuration->name()));
    return true;
}

// The dialog is given the suffix so that its own overwrite question names the file that is
// written; a name with another suffix gets ".conf" appended, and is asked about here.
QString OfflineEditor::askForSaveName(const QString &title, const QString &filter)
{
    QFileDialog dialog(m_dialogParent, title, QStringLiteral("."), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("conf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().first();
    const QString target = withConfSuffix(chosen);
    if (target != chosen && QFileInfo::exists(target) &&
        QMessageBox::question(m_dialogParent, title,
                              tr("%1 already exists.\nDo you want to replace it?")
                                  .arg(QDir::toNativeSeparators(target))) != QMessageBox::Yes)
        return QString();
    return target;
}

bool OfflineEditor::askAboutUnsavedChanges()
{
    return isModified() ? answerUnsavedChanges(true) : true;
}

void OfflineEditor::saveOrDiscardUnsavedChanges()
{
    while (isModified() && !answerUnsavedChanges(false)) {
    }
}

bool OfflineEditor::answerUnsavedChanges(bool mayCancel)
{
    QMessageBox box(
        QMessageBox::Question, tr("Unsaved Changes"),
        tr("%1 has unsaved changes.\nDo you want to save them?").arg(m_configuration->name()),
        QMessageBox::Save | QMessageBox::Discard, m_dialogParent);
    if (mayCancel) {
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setDefaultButton(QMessageBox::Save);
    }
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        m_configuration->revert();
        if (!m_link->isConnected())
            fclink::ParameterBlock::replace(m_configuration->block());
        emit blockReplaced();
        emit stateChanged();
        return true;
    default:
        return false;
    }
}

void OfflineEditor::close()
{
    if (!m_configuration)
        return;
    dropChoice();
    m_configuration.reset();
    emit stateChanged();
    emit blockReplaced();
}

QVector<fclink::FieldChange> OfflineEditor::write(const QVector<fclink::FieldValue> &values)
{
    if (!m_configuration)
        return {};
    const QVector<fclink::FieldChange> changes = m_configuration->write(values);
    fclink::ParameterBlock::write(values);
    emit stateChanged();
    return changes;
}

void OfflineEditor::onBlockReadAfterOpen()
{
    if (!m_configuration || m_choice)
        return;
    const fclink::BlockImage controller = fclink::ParameterBlock::copy();
    if (controller == m_configuration->block()) {
        const QString name = m_configuration->name();
        close();
        emit noticeChanged(
            tr("The flight controller holds the same configuration as %1").arg(name));
        return;
    }
    offerChoice(controller);
}

// A lost connection leaves the configuration open offline, as it was before it.
void OfflineEditor::onConnectionChanged(bool connected)
{
    if (connected || !m_configuration)
        return;
    if (m_choice) {
        dropChoice();
        emit noticeChanged(
            tr("The connection was lost before a choice was made: nothing was sent"));
    }
    fclink::ParameterBlock::replace(m_configuration->block());
    emit blockReplaced();
}

void OfflineEditor::offerChoice(const fclink::BlockImage &controller)
{
    m_controllerBlock = controller;
    const QVector<DifferenceSection> sections = compareBlocks(m_configuration->block(), controller);
    auto *dialog = new ComparisonDialog(m_dialogParent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Configuration and Flight Controller"));
    dialog->setFields(tr("The flight controller holds another configuration than %1: "
                         "%n parameter(s) differ. Nothing is sent to the controller before "
                         "you choose.",
                         "", differenceCount(sections))
                          .arg(m_configuration->name()),
                      {tr("Parameter"), m_configuration->name(), tr("Flight Controller")}, sections,
                      true);
    dialog->setHelpDocument(QLatin1String(kHelpDocument));
    dialog->addChoice(tr("Keep the Controller's"), KeepController);
    dialog->addChoice(tr("Send This Configuration"), SendAll);
    dialog->addChoice(tr("Send Selected"), SendSelected, true);
    dialog->addChoice(tr("Save as Preset..."), SaveAsPreset, true);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        if (m_choice != dialog)
            return;
        m_choice = nullptr;
        const int choice = dialog->choice();
        const QStringList fields = dialog->tickedFields();
        if (choice == SaveAsPreset) {
            const QString chosen = askForSaveName(tr("Save as Preset"), fileFilter());
            QString error;
            if (!chosen.isEmpty() && !savePreset(chosen, m_configuration->block(), fields, &error))
                warn(tr("Save as Preset"), error);
            offerChoice(m_controllerBlock);
            return;
        }
        resolve(choice < 0 ? KeepController : Choice(choice), fields);
    });
    m_choice = dialog;
    dialog->open();
}

void OfflineEditor::dropChoice()
{
    if (!m_choice)
        return;
    ComparisonDialog *dialog = m_choice;
    m_choice = nullptr;
    dialog->disconnect(this);
    dialog->close();
}

void OfflineEditor::resolve(Choice choice, const QStringList &fields)
{
    if (!m_configuration || !m_link->isConnected())
        return;
    dropChoice();
    const fclink::BlockImage configuration = m_configuration->block();
    const QString name = m_configuration->name();
    // The block is the controller's again first: the snapshot must hold what it held.
    fclink::ParameterBlock::replace(m_controllerBlock);
    QString notice;
    switch (choice) {
    case KeepController:
    case SaveAsPreset:
        notice = tr("The flight controller's configuration is kept; %1 is unchanged").arg(name);
        break;
    case SendAll:
        m_recorder->take(fclink::SnapshotReason::BeforeImport);
        m_link->uploadParameters(configuration);
        notice = tr("Sending %1 to the flight controller...").arg(name);
        break;
    case SendSelected: {
        QVector<fclink::FieldValue> values;
        for (const QString &fieldName : fields) {
            const fclink::ParameterField *field = fclink::findParameterField(fieldName);
            if (field)
                values.append({field, configuration.value(*field)});
        }
        if (values.isEmpty()) {
            notice = tr("Nothing was selected: the flight controller's configuration is kept");
            break;
        }
        m_recorder->take(fclink::SnapshotReason::BeforeImport);
        m_link->uploadFields(values);
        notice = tr("Sending %n parameter(s) of %1 to the flight controller...", "", values.size())
                     .arg(name);
        break;
    }
    }
    // Only after an automatic reconnection can edits be unsaved here; the configuration closes
    // in any case, so they are saved or knowingly discarded, never dropped by a Cancel.
    saveOrDiscardUnsavedChanges();
    m_configuration.reset();
    emit stateChanged();
    emit blockReplaced();
    emit noticeChanged(notice);
}

bool OfflineEditor::applyPreset(const QString &path, bool confirm, QString *error)
{
    QString problem;
    QVector<fclink::FieldValue> values;
    if (m_choice || (!m_configuration && !controllerShown())) {
        problem = tr("Connect the flight controller or open a configuration first");
    } else if (fclink::loadPresetFile(path, &values, &problem)) {
        problem.clear();
    } else {
        problem = tr("Invalid preset: %1").arg(problem);
    }
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    const fclink::BlockImage before = fclink::ParameterBlock::copy();
    fclink::BlockImage after = before;
    for (const fclink::FieldValue &value : qAsConst(values))
        after.setValue(*value.field, value.value);
    const QVector<DifferenceSection> sections = compareBlocks(before, after);
    if (sections.isEmpty()) {
        emit noticeChanged(tr("The preset changes nothing"));
        return false;
    }
    QStringList ticked;
    if (confirm) {
        ComparisonDialog dialog(m_dialogParent);
        dialog.setWindowTitle(tr("Apply Preset"));
        dialog.setFields(tr("%1 changes %n parameter(s):", "", differenceCount(sections))
                             .arg(QFileInfo(path).fileName()),
                         {tr("Parameter"), tr("Now"), tr("Preset")}, sections, true);
        dialog.setHelpDocument(QLatin1String(kHelpDocument));
        dialog.addChoice(tr("Apply"), 0, true);
        dialog.addCancelButton();
        if (dialog.exec() != QDialog::Accepted || dialog.choice() != 0)
            return false;
        ticked = dialog.tickedFields();
    }
    QVector<fclink::FieldValue> changing;
    QVector<EditHistory::FieldStep> steps;
    for (const fclink::FieldValue &value : qAsConst(values)) {
        if (before.value(*value.field) == after.value(*value.field) ||
            (confirm && !ticked.contains(QLatin1String(value.field->name))))
            continue;
        changing.append(value);
        steps.append({QLatin1String(value.field->name), before.value(*value.field),
                      after.value(*value.field)});
    }
    if (m_configuration)
        write(changing);
    else
        m_link->uploadFields(changing);
    emit blockReplaced();
    emit presetApplied(steps);
    emit noticeChanged(tr("Preset %1 applied: %n parameter(s) changed", "", changing.size())
                           .arg(QFileInfo(path).fileName()));
    return true;
}

void OfflineEditor::chooseAndApplyPreset()
{
    const QString chosen = QFileDialog::getOpenFileName(m_dialogParent, tr("Apply Preset"),
                                                        QStringLiteral("."), fileFilter());
    if (chosen.isEmpty())
        return;
    QString error;
    if (!applyPreset(chosen, true, &error) && !error.isEmpty())
        warn(tr("Apply Preset"), error);
}

void OfflineEditor::chooseAndSavePreset()
{
    const fclink::BlockImage block = fclink::ParameterBlock::copy();
    ComparisonDialog picker(m_dialogParent);
    picker.setWindowTitle(tr("Save as Preset"));
    picker.setFields(tr("Tick the parameters the preset holds."), {tr("Parameter"), tr("Value")},
                     listBlock(block), false);
    picker.addChoice(tr("Save..."), 0, true);
    picker.addCancelButton();
    if (picker.exec() != QDialog::Accepted || picker.choice() != 0)
        return;
    const QString chosen = askForSaveName(tr("Save as Preset"), fileFilter());
    QString error;
    if (!chosen.isEmpty() && !savePreset(chosen, block, picker.tickedFields(), &error))
        warn(tr("Save as Preset"), error);
}

bool OfflineEditor::savePreset(const QString &chosenName, const fclink::BlockImage &block,
                               const QStringList &fields, QString *error)
{
    const QString path = withConfSuffix(chosenName);
    QString reason;
    if (!fclink::savePresetFile(path, block, fields, &reason)) {
        if (error)
            *error = tr("Cannot save the preset: %1").arg(reason);
        return false;
    }
    emit noticeChanged(
        tr("Saved preset %1 (%n parameter(s))", "", fields.size()).arg(QFileInfo(path).fileName()));
    return true;
}

void OfflineEditor::warn(const QString &title, const QString &text)
{
    QMessageBox::warning(m_dialogParent, title, text);
}
