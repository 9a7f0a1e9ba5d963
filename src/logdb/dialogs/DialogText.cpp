#include "logdb/dialogs/DialogText.h"

#include "common/Messages.h"

#include <QHBoxLayout>
#include <QLabel>

namespace hb {

QLabel* dialogText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(QtMessages::displayText(text));
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    return label;
}

QLayout* withIcon(QStyle::StandardPixmap icon, QLayout* content, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    auto* iconLabel = new QLabel(parent);
    const int size = parent->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, parent);
    iconLabel->setPixmap(parent->style()->standardIcon(icon, nullptr, parent).pixmap(size, size));
    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    row->addWidget(iconLabel, 0, Qt::AlignTop);
    row->addSpacing(iconLabel->fontMetrics().averageCharWidth() * 2);
    row->addLayout(content, 1);
    return row;
}

} // namespace hb
