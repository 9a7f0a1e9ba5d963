#include "logdb/dialogs/BusyWindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace hb {

BusyWindow::BusyWindow(const QString& message, QWidget* parent)
    : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("BusyWindow"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("BusyMessage"));
    label->setTextFormat(Qt::PlainText);
    label->setText(message);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);

    const int margin = label->fontMetrics().height();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin * 2, margin, margin * 2, margin);
    layout->addWidget(label);
    setMinimumWidth(label->fontMetrics().averageCharWidth() * 36);
}

void BusyWindow::showNow()
{
    adjustSize();
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = over && over->isVisible()
                           ? over->frameGeometry()
                           : (over ? over->screen() : screen())->availableGeometry();
    QRect frame = rect();
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
    raise();
    // The caller goes on working without returning to the event loop: let the window appear
    // and paint now, without taking user input meanwhile.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace hb
