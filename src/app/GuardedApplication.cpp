#include "app/GuardedApplication.h"

#include "common/Messages.h"
#include "logdb/LogError.h"

#include <exception>

namespace hb {

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const LogError& e) {
        QtMessages().error(e.text());
    } catch (const std::exception& e) {
        QtMessages().error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace hb
