#include "app/help/ContextHelp.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace hb {

namespace {
const QString ActionName = QStringLiteral("WhatsThisAction");
} // namespace

void offerHelpTopic(QWidget* widget, const QString& topic,
                    std::function<void(const QString& topic)> open)
{
    // One action per widget; deleting the old one also drops its connections.
    delete widget->findChild<QAction*>(ActionName, Qt::FindDirectChildrenOnly);
    auto* action = new QAction(QString::fromLatin1(WhatsThisText), widget);
    action->setObjectName(ActionName);
    QObject::connect(action, &QAction::triggered, action, [topic, open = std::move(open)] {
        if (open)
            open(topic);
    });

    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, action,
                     [widget, action](const QPoint& pos) {
                         // popup(), not exec(): a menu waiting in exec() would be deleted twice if
                         // its widget were closed meanwhile.
                         auto* menu = new QMenu(widget);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->addAction(action);
                         menu->popup(widget->mapToGlobal(pos));
                     });
}

} // namespace hb
