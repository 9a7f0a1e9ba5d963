#include "logdb/dialogs/StartingHoursDialog.h"

#include "common/Formats.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace hb {

StartingHoursDialog::StartingHoursDialog(const QDate& today, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StartHrsDlg"));
    setWindowTitle(QStringLiteral("GenSet/WM Starting Hours"));

    m_date = new QDateEdit(today, this);
    m_date->setObjectName(QStringLiteral("SetDate"));
    m_date->setDisplayFormat(Formats().shortDatePattern());
    m_date->setCalendarPopup(true);

    m_gen1 = hoursBox(QStringLiteral("Gen1Hrs"));
    m_gen2 = hoursBox(QStringLiteral("Gen2Hrs"));
    m_waterMaker = hoursBox(QStringLiteral("WMHrs"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Setting Date"), m_date);
    form->addRow(QStringLiteral("GenSet 1 Start Hours"), m_gen1);
    form->addRow(QStringLiteral("GenSet 2 Start Hours"), m_gen2);
    form->addRow(QStringLiteral("Wate Maker Start Hours"), m_waterMaker);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* set =
        buttons->addButton(QStringLiteral("Set Start Hours"), QDialogButtonBox::AcceptRole);
    set->setObjectName(QStringLiteral("SetBtn"));
    set->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_gen1->setFocus();
}

QLineEdit* StartingHoursDialog::hoursBox(const QString& objectName)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setMaxLength(5);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), box));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9);
    return box;
}

QDate StartingHoursDialog::date() const
{
    return m_date->date();
}

std::optional<double> StartingHoursDialog::hours(const QLineEdit* box)
{
    if (box->text().isEmpty())
        return std::nullopt;
    return box->text().toDouble();
}

} // namespace hb
