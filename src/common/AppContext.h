#pragma once

namespace hb {

class Messages;
class FileDialogs;
class Clock;
class Shell;
class IniFile;
class LogConnection;
class Formats;
class ReportPrinter;

// What every page and operation receives from the main window (or from a test): the services
// for user decisions, the clock, the shell, the settings file and the open log.
struct AppContext
{
    Messages& messages;
    FileDialogs& fileDialogs;
    Clock& clock;
    Shell& shell;
    IniFile& settings;
    const Formats& formats;
    LogConnection* log = nullptr;     // the open log, or none
    ReportPrinter* reports = nullptr; // prints a page's report; none until reports exist
};

} // namespace hb
