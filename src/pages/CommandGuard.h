#pragma once

#include <functional>

namespace hb {

class Messages;

// Runs one command of the user (a menu item, a button, a list click). An error raised inside
// it, by the command or by a record handler it set off, ends that command only: its text is
// shown in an error dialog and the program keeps running. Returns false when it ended so.
bool runCommand(Messages& messages, const std::function<void()>& command);

} // namespace hb
