#include "pages/CommandGuard.h"

#include "common/Messages.h"
#include "logdb/LogError.h"

#include <exception>

namespace hb {

bool runCommand(Messages& messages, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const LogError& e) {
        messages.error(e.text());
    } catch (const std::exception& e) {
        messages.error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace hb
