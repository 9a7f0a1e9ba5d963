#include "pages/SearchForm.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

TSearchForm::TSearchForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("Search"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Search by as many or as few criteria as you wish, "
                                           "enter your criteria then click the \"Search\" "
                                           "button."));
    text->setWordWrap(true);
    layout->addWidget(text);
    for (int i = 0; i < 2; ++i) {
        auto* group = new QGroupBox;
        auto* grid = new QGridLayout(group);
        RangeRow& r = m_range[i];
        r.group = group;
        r.caption = new QLabel;
        r.box = new QCheckBox(QStringLiteral("Search by Date"));
        r.from = new QDateEdit;
        r.to = new QDateEdit;
        for (QDateEdit* d : {r.from, r.to}) {
            d->setCalendarPopup(true);
            d->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        }
        r.box->setAccessibleName(r.box->text());
        auto* fromLabel = new QLabel(QStringLiteral("From Date"));
        auto* toLabel = new QLabel(QStringLiteral("To Date"));
        fromLabel->setBuddy(r.from);
        toLabel->setBuddy(r.to);
        r.from->setAccessibleName(fromLabel->text());
        r.to->setAccessibleName(toLabel->text());
        grid->addWidget(r.caption, 0, 0, 1, 2);
        grid->addWidget(fromLabel, 1, 0);
        grid->addWidget(r.from, 1, 1);
        grid->addWidget(toLabel, 2, 0);
        grid->addWidget(r.to, 2, 1);
        grid->addWidget(r.box, 3, 0, 1, 2);
        layout->addWidget(group);
    }
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        CriterionRow& c = m_criteria[i];
        c.edit = new QLineEdit;
        c.label = new QLabel;
        c.label->setBuddy(c.edit);
        // Letters become capitals as they are typed.
        connect(c.edit, &QLineEdit::textEdited, c.edit, [e = c.edit](const QString& t) {
            const int at = e->cursorPosition();
            e->setText(t.toUpper());
            e->setCursorPosition(at);
        });
        grid->addWidget(c.label, i, 0);
        grid->addWidget(c.edit, i, 1);
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox;
    QPushButton* execute =
        buttons->addButton(QStringLiteral("Execute"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    execute->setAccessibleName(QStringLiteral("Execute"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    execute->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TSearchForm::prepare(const SearchSpec& spec, const QDate& today)
{
    if (spec.caption)
        setWindowTitle(QString::fromLatin1(spec.caption));
    for (int i = 0; i < 2; ++i) {
        RangeRow& r = m_range[i];
        const bool used = size_t(i) < spec.ranges.size();
        r.group->setVisible(used);
        r.box->setChecked(false);
        r.from->setDate(today);
        r.to->setDate(today);
        if (used) {
            const QString caption = QString::fromLatin1(spec.ranges[size_t(i)].caption);
            r.caption->setText(caption);
            // The two ranges carry the same captions; each is found inside its group, which
            // is named by the range.
            r.group->setAccessibleName(caption);
        }
    }
    for (int i = 0; i < 4; ++i) {
        CriterionRow& c = m_criteria[i];
        const bool used = size_t(i) < spec.criteria.size();
        c.label->setVisible(used);
        c.edit->setVisible(used);
        c.edit->clear();
        if (used) {
            const QString label = QString::fromLatin1(spec.criteria[size_t(i)].caption);
            c.label->setText(label);
            c.edit->setAccessibleName(label);
        }
    }
}

SearchInput TSearchForm::input() const
{
    SearchInput in;
    for (int i = 0; i < 2; ++i) {
        if (!m_range[i].group->isHidden()) {
            in.ranges[size_t(i)] = {m_range[i].box->isChecked(), m_range[i].from->date(),
                                    m_range[i].to->date()};
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!m_criteria[i].edit->isHidden())
            in.criteria[size_t(i)] = m_criteria[i].edit->text();
    }
    return in;
}

std::optional<SearchInput> QtSearchDialogs::askSearch(const SearchSpec& spec, const QDate& today,
                                                      QWidget* parent)
{
    TSearchForm form(parent);
    form.setWindowTitle(m_caption);
    form.prepare(spec, today);
    m_caption = form.windowTitle(); // a page without a caption keeps the last one
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.input();
}

} // namespace hb
