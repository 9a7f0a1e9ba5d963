#include "logdb/dialogs/MissingLogDialog.h"

#include "common/FileDialogs.h"
#include "logdb/LogFiles.h"
#include "logdb/dialogs/DialogText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

MissingLogDialog::MissingLogDialog(FileDialogs& files, QWidget* parent)
    : QDialog(parent), m_files(files)
{
    setObjectName(QStringLiteral("MisLogFrm"));
    setWindowTitle(QStringLiteral("Missing Default Log"));

    auto* texts = new QVBoxLayout;
    QLabel* headline = dialogText(
        QStringLiteral("The Keelnote program was unable to find the default log to load!"), this);
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);
    texts->addWidget(headline);
    texts->addWidget(dialogText(
        QStringLiteral("Please click the LOAD button below to find and load your log file."),
        this));
    texts->addWidget(dialogText(
        QStringLiteral("If there are no longer any logs to load for some reason, click the 'Create "
                       "Blank Log' button and the program will create a new blank log for you to "
                       "use!"),
        this));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* load = buttons->addButton(QStringLiteral("Load"), QDialogButtonBox::ActionRole);
    load->setObjectName(QStringLiteral("LoadBtn"));
    QPushButton* blank =
        buttons->addButton(QStringLiteral("Create Blank Log"), QDialogButtonBox::RejectRole);
    blank->setObjectName(QStringLiteral("BlankBtn"));
    load->setDefault(true);
    connect(load, &QPushButton::clicked, this, &MissingLogDialog::load);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(withIcon(QStyle::SP_MessageBoxWarning, texts, this));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    load->setFocus();
}

void MissingLogDialog::load()
{
    m_choosing = true;
    const QString path =
        m_files.openFile(QStringLiteral("Load Log"), QCoreApplication::applicationDirPath(),
                         QString::fromLatin1(LogFileFilter));
    m_choosing = false;
    if (path.isEmpty())
        return;
    m_path = path;
    accept();
}

void MissingLogDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    const bool wasActive = m_active;
    m_active = isActiveWindow();
    if (wasActive && !m_active && !m_choosing && isVisible())
        reject();
}

} // namespace hb
