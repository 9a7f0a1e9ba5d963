#pragma once

#include <QString>

namespace hb {

class Formats;
class LogDialogs;
class Messages;

// The structure check run on every open of a log: compares the log's structure version
// (BoatInfo.Prog_Version) with the program's (the last step of the structure database) and,
// when the log is older, offers the update dialog, backs the log up beside itself and runs the
// missing steps.
//
// The steps, the new version number and the move of old picture columns run in one
// transaction: a step that fails leaves the log exactly as it was (the backup copy is made in
// any case). A statement step holds exactly one statement.
//
// Returns the continue flag: false when the version cannot be read, the update is refused or
// a step failed; the caller then configures the example log and ends the program.
struct StructureCheck
{
    Messages& messages;
    LogDialogs& dialogs;
    const Formats& formats;

    bool run(const QString& logPath, const QString& progStructPath);

    // A log that may not be written: an update it needs fails and leaves it as it is.
    bool readOnly = false;

    // Reset the configured log to the example log (set by a failed step whose message says
    // so; the caller does it in every failing case anyway).
    bool resetToExample = false;
};

// Reads the structure version of a log; -1 when it cannot be read. A log without a vessel
// record reads as version 0.
int readLogVersion(const QString& logPath, QString* error = nullptr);

} // namespace hb
