#include "logdb/dialogs/NewLogWizard.h"

#include "common/FileDialogs.h"
#include "logdb/LogFiles.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace hb {

QString withLogSuffix(const QString& path)
{
    const QLatin1String suffix(".mdb");
    return path.endsWith(suffix, Qt::CaseSensitive) ? path : path + suffix;
}

NewLogWizard::NewLogWizard(FileDialogs& files, std::function<void(int topic)> help, QWidget* parent)
    : QDialog(parent), m_files(files), m_help(std::move(help))
{
    setObjectName(QStringLiteral("WizForm"));
    setWindowTitle(QStringLiteral("Create Log Wizard"));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("LogName"));

    m_locationEdit = new QLineEdit(this);
    m_locationEdit->setObjectName(QStringLiteral("LogLoc"));
    m_locationEdit->setReadOnly(true);
    m_locationEdit->setFocusPolicy(Qt::NoFocus);
    m_locationEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 48);

    m_browse = new QPushButton(QStringLiteral("Browse"), this);
    m_browse->setObjectName(QStringLiteral("BrowseBtn"));
    connect(m_browse, &QPushButton::clicked, this, &NewLogWizard::browse);

    auto* locationRow = new QHBoxLayout;
    locationRow->addWidget(m_locationEdit, 1);
    locationRow->addWidget(m_browse);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("New Log Name?"), m_name);
    form->addRow(QStringLiteral("New Log Location?"), locationRow);

    m_loadAfter = new QCheckBox(QStringLiteral("Load Log After Completion"), this);
    m_loadAfter->setObjectName(QStringLiteral("LoadLogChk"));
    m_keepLookups = new QCheckBox(QStringLiteral("Keep Basic Lookup Tables"), this);
    m_keepLookups->setObjectName(QStringLiteral("KeepLookupsChk"));
    m_setupHours = new QCheckBox(QStringLiteral("Setup Genset-Water Maker Hrs"), this);
    m_setupHours->setObjectName(QStringLiteral("SetupHrsChk"));

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setEnabled(false);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole)
        ->setObjectName(QStringLiteral("HelpBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto askHelp = [this] {
        if (m_help)
            m_help(HelpTopic);
    };
    connect(buttons, &QDialogButtonBox::helpRequested, this, askHelp);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, askHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(m_loadAfter);
    layout->addWidget(m_keepLookups);
    layout->addWidget(m_setupHours);
    layout->addStretch(1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_browse->setDefault(true);
    m_name->setFocus();
}

bool NewLogWizard::loadAfter() const
{
    return m_loadAfter->isChecked();
}

bool NewLogWizard::keepLookups() const
{
    return m_keepLookups->isChecked();
}

bool NewLogWizard::setupHours() const
{
    return m_setupHours->isChecked();
}

void NewLogWizard::browse()
{
    // The save dialog opens beside the file chosen before (or in the documents folder) with
    // the typed name already filled in.
    const QString folder = m_location.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(m_location).absolutePath();
    const QString name = m_name->text().trimmed();
    const QString chosen = m_files.saveFile(QStringLiteral("New Log Location?"),
                                            name.isEmpty() ? folder : QDir(folder).filePath(name),
                                            QString::fromLatin1(LogFileFilter));
    if (chosen.isEmpty())
        return;
    m_location = withLogSuffix(chosen);
    m_locationEdit->setText(QDir::toNativeSeparators(m_location));
    m_locationEdit->setCursorPosition(0);
    m_ok->setEnabled(true);
    m_ok->setDefault(true);
    m_ok->setFocus();
}

} // namespace hb
