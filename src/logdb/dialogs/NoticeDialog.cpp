#include "logdb/dialogs/NoticeDialog.h"

#include "logdb/dialogs/DialogText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

namespace {

struct NoticeText
{
    const char* objectName;
    const char* caption;
    QStyle::StandardPixmap icon;
    std::vector<const char*> paragraphs;
    bool cancel;
};

NoticeText noticeText(NoticeDialog::Kind kind)
{
    if (kind == NoticeDialog::Kind::NewLogInformation) {
        return {"NewLogDlg",
                "Information!",
                QStyle::SP_MessageBoxInformation,
                {"If you plan to import old log data from the Keelnote program, please do this "
                 "before you enter any new data into your new log or unpredictable results may "
                 "occur!",
                 "After importing the old log data you should still review the various logs as "
                 "many fields have been added to logs you are familiar with.",
                 "If you are NOT importing old data, you can ignore this message."},
                false};
    }
    return {"OLWDlg",
            "Important!",
            QStyle::SP_MessageBoxWarning,
            {"The Helmbook program will NOT directly open logs from our other program, Keelnote.",
             " If you want to use data that you have already entered with Keelnote you will need "
             "to use the \"Import Old Logs\" option from the Wizards menu.",
             "Click OK to continue and open your log, Click Cancel to abort this operation.",
             "If you are NOT importing old data you can ignore this message!"},
            true};
}

} // namespace

NoticeDialog::NoticeDialog(Kind kind, QWidget* parent) : QDialog(parent)
{
    const NoticeText text = noticeText(kind);
    setObjectName(QLatin1String(text.objectName));
    setWindowTitle(QLatin1String(text.caption));

    auto* paragraphs = new QVBoxLayout;
    for (const char* paragraph : text.paragraphs)
        paragraphs->addWidget(dialogText(QLatin1String(paragraph), this));

    m_dontShow = new QCheckBox(QStringLiteral("Don't Show This Again"), this);
    m_dontShow->setObjectName(QStringLiteral("DontShowChk"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    if (text.cancel) {
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
            ->setObjectName(QStringLiteral("CancelBtn"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(withIcon(text.icon, paragraphs, this));
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(m_dontShow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

bool NoticeDialog::dontShowAgain() const
{
    return m_dontShow->isChecked();
}

} // namespace hb
