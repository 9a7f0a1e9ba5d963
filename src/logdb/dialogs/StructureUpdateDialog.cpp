#include "logdb/dialogs/StructureUpdateDialog.h"

#include "common/Messages.h"
#include "logdb/dialogs/DialogText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

StructureUpdateDialog::StructureUpdateDialog(const QString& description,
                                             std::function<bool()> confirmSkip, QWidget* parent)
    : QDialog(parent), m_confirmSkip(std::move(confirmSkip))
{
    setObjectName(QStringLiteral("StructUpdate"));
    setWindowTitle(QStringLiteral("Log Database Structure Update"));

    QLabel* intro = dialogText(
        QStringLiteral("The structure of the log database that you are attempting to load needs "
                       "to be updated to work with this version of the program.\r\n\r\n  A short "
                       "description of the proposed changes are shown below.  A copy of your "
                       "current log database will be made before making any changes!"),
        this);

    auto* details = new QPlainTextEdit(this);
    details->setObjectName(QStringLiteral("StructDesc"));
    details->setReadOnly(true);
    details->setTabChangesFocus(true);
    details->setPlainText(QtMessages::displayText(description));
    details->setMinimumHeight(fontMetrics().lineSpacing() * 8);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* perform =
        buttons->addButton(QStringLiteral("Perform the Update"), QDialogButtonBox::AcceptRole);
    perform->setObjectName(QStringLiteral("PerformBtn"));
    buttons->addButton(QStringLiteral("Skip the Update"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("SkipBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StructureUpdateDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(details, 1);
    layout->addWidget(buttons);

    perform->setDefault(true);
    perform->setFocus();
    const int em = fontMetrics().averageCharWidth();
    resize(sizeHint().expandedTo(QSize(em * 72, fontMetrics().lineSpacing() * 20)));
}

void StructureUpdateDialog::reject()
{
    if (!m_confirmSkip || m_confirmSkip())
        QDialog::reject();
}

} // namespace hb
