#include "pages/EditBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace hb {

EditBar::EditBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EditBar"));
    setAccessibleName(QStringLiteral("Edit bar"));
    struct Def
    {
        const char* name;
        QStyle::StandardPixmap icon;
    };
    const Def defs[] = {
        {"First", QStyle::SP_MediaSkipBackward},
        {"Last", QStyle::SP_MediaSkipForward},
        {"New", QStyle::SP_FileIcon},
        {"Delete", QStyle::SP_TrashIcon},
        {"Edit", QStyle::SP_FileDialogDetailedView},
        {"Save", QStyle::SP_DialogSaveButton},
        {"Cancel", QStyle::SP_DialogCancelButton},
    };
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (int i = 0; i < 7; ++i) {
        const QString name = QString::fromLatin1(defs[i].name);
        auto* b = new QPushButton(QApplication::style()->standardIcon(defs[i].icon), QString());
        b->setObjectName(name);
        b->setAccessibleName(name);
        b->setToolTip(name);
        b->setFocusPolicy(Qt::TabFocus);
        const Button which = Button(i);
        connect(b, &QPushButton::clicked, this, [this, which] { Q_EMIT clicked(which); });
        row->addWidget(b);
        m_buttons[i] = b;
    }
    m_caption = new QLabel(QStringLiteral("First  Last   New  Delete  Edit   Save  Cancel"));
    m_caption->setObjectName(QStringLiteral("EditBarCaption"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addLayout(row);
    box->addWidget(m_caption);
    update();
}

void EditBar::setEditing(bool editing)
{
    m_editing = editing;
    update();
}

void EditBar::setChangesAllowed(bool allowed)
{
    m_changesAllowed = allowed;
    update();
}

void EditBar::setRowsPresent(bool present)
{
    m_rowsPresent = present;
    update();
}

void EditBar::update()
{
    for (int i = 0; i < 7; ++i) {
        const bool saveOrCancel = i == Save || i == Cancel;
        m_buttons[i]->setVisible(!m_editing || saveOrCancel);
        const bool changes = i == New || i == Delete || i == Edit;
        const bool needsRow = i == Delete || i == Edit;
        m_buttons[i]->setEnabled(m_editing ? saveOrCancel
                                           : (!saveOrCancel && (!changes || m_changesAllowed) &&
                                              (!needsRow || m_rowsPresent)));
    }
    m_caption->setText(m_editing
                           ? QStringLiteral("Save  Cancel")
                           : QStringLiteral("First  Last   New  Delete  Edit   Save  Cancel"));
}

} // namespace hb
