#include "app/PlaceholderPage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hb {

PlaceholderPage::PlaceholderPage(const QString& objectName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    auto* title = new QLabel(caption);
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() * 1.8);
    f.setBold(true);
    title->setFont(f);
    title->setObjectName(QStringLiteral("PageCaption"));
    layout->addWidget(title);
    auto* line = new QLabel(QStringLiteral("This page comes in a later version of Helmbook."));
    line->setObjectName(QStringLiteral("LaterLine"));
    layout->addWidget(line);
    layout->addSpacing(16);
    m_buttons = new QVBoxLayout;
    layout->addLayout(m_buttons);
    layout->addStretch(1);
}

QPushButton* PlaceholderPage::addButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setAccessibleName(text);
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    m_buttons->addWidget(button);
    return button;
}

} // namespace hb
