#include "comparisondialog.h"

#include "skydesk/common/appsettings.h"
#include "skydesk/common/documentfolder.h"
#include "skydesk/common/helpbrowser.h"
#include "skydesk/common/windowfit.h"
#include "skydesk/history/differencetree.h"
#include "ui_comparisondialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

ComparisonDialog::ComparisonDialog(QWidget *parent)
    : QDialog(parent), m_ui(new Ui::ComparisonDialogUi)
{
    m_ui->setupUi(this);
    WindowFit::keepOnScreenWhenShown(this);
    m_ui->treeWidgetFields->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_ui->pushButtonTickAll, &QPushButton::clicked, this,
            [this] { DifferenceTree::tickAll(m_ui->treeWidgetFields, true); });
    connect(m_ui->pushButtonTickNone, &QPushButton::clicked, this,
            [this] { DifferenceTree::tickAll(m_ui->treeWidgetFields, false); });
    connect(m_ui->treeWidgetFields, &QTreeWidget::itemChanged, this,
            &ComparisonDialog::updateChoices);
    connect(m_ui->buttonBox, &QDialogButtonBox::clicked, this, [this](QAbstractButton *button) {
        if (m_choices.contains(button))
            choose(m_choices.value(button));
    });
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ComparisonDialog::~ComparisonDialog()
{
    delete m_ui;
}

void ComparisonDialog::setFields(const QString &text, const QStringList &headings,
                                 const QVector<DifferenceSection> &sections, bool ticked)
{
    m_ui->labelText->setText(text);
    m_ui->treeWidgetFields->setColumnCount(headings.size());
    m_ui->treeWidgetFields->setHeaderLabels(headings);
    const QSignalBlocker quiet(m_ui->treeWidgetFields);
    DifferenceTree::fill(m_ui->treeWidgetFields, sections, ticked, headings.size() > 2);
    updateChoices();
}

QAbstractButton *ComparisonDialog::addChoice(const QString &text, int choice, bool takesTicks)
{
    QPushButton *button = m_ui->buttonBox->addButton(text, QDialogButtonBox::ActionRole);
    button->setAutoDefault(false);
    // Enter takes the first choice: the dialog's main answer (on connecting, keeping what the
    // controller holds).
    button->setDefault(m_choices.isEmpty());
    m_choices.insert(button, choice);
    if (takesTicks)
        m_takingTicks.append(button);
    updateChoices();
    return button;
}

void ComparisonDialog::addCancelButton()
{
    m_ui->buttonBox->addButton(QDialogButtonBox::Cancel)->setAutoDefault(false);
}

QAbstractButton *ComparisonDialog::choiceButton(int choice) const
{
    return m_choices.key(choice, nullptr);
}

QStringList ComparisonDialog::tickedFields() const
{
    return DifferenceTree::tickedFields(m_ui->treeWidgetFields);
}

void ComparisonDialog::choose(int choice)
{
    m_choice = choice;
    accept();
}

void ComparisonDialog::updateChoices()
{
    const bool someTicked = !tickedFields().isEmpty();
    for (QAbstractButton *button : qAsConst(m_takingTicks))
        button->setEnabled(someTicked);
}

void ComparisonDialog::setHelpDocument(const QString &fileName)
{
    if (m_helpDocument.isEmpty()) {
        QPushButton *help = m_ui->buttonBox->addButton(QDialogButtonBox::Help);
        help->setAutoDefault(false);
        help->setIcon(QIcon()); // the style's icon is missing on some desktops
        connect(m_ui->buttonBox, &QDialogButtonBox::helpRequested, this,
                &ComparisonDialog::showHelp);
    }
    m_helpDocument = fileName;
}

void ComparisonDialog::showHelp()
{
    auto *window = new QDialog(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr("Help"));
    window->resize(560, 480);
    auto *browser = new HelpBrowser(window);
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    browser->showDocument(documentFolder(AppSettings::languageCode()) + m_helpDocument);
    window->show();
}
