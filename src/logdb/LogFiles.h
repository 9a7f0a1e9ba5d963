#pragma once

#include "common/FileCopy.h"
#include <QDate>

#include <QString>

namespace hb {

// The filter of the file dialogs that choose a log.
inline constexpr const char* LogFileFilter = "Helmbook log (*.mdb)";

// ".mdb" is appended unless the name ends in exactly ".mdb" (so "LOG.MDB" becomes
// "LOG.MDB.mdb", as the file dialogs have always done).
QString withMdbExtension(const QString& name);

// The log's name as shown in the caption: its file name up to the first ".".
QString logDisplayName(const QString& path);

// The copy made before a structure update: beside the log, "<name>-DBVersion<v>_BU.mdb".
QString updateBackupName(const QString& logPath, int version);

// The backup copy: "<folder>/<name>BU<mmddyyyy>.mdb". With no folder the log's own folder is
// used; a trailing "/" is not doubled.
QString backupName(const QString& backupFolder, const QString& logPath, const QDate& day);

// What a file at a path is, looked at without changing it.
struct LogFileCheck
{
    enum class Kind { Log, Missing, NotALog };
    Kind kind = Kind::Missing;
    QString reason; // why it is not a log, for the message
    bool readOnly = false;
};
LogFileCheck checkLogFile(const QString& path);

// A log killed in the middle of a write leaves a journal beside it. Opening it lets the engine
// roll the unfinished write back; afterwards the log file alone holds every committed row.
// Returns the error text, empty when the log is (now) self-contained.
QString settleJournal(const QString& logPath);

// The part an installer plays: the user's data folder is created when it does not exist, and
// the structure database and the example log shipped with the program are copied into it
// whenever they are missing (each appears complete or not at all; a file already there is
// never replaced). A file where the folder should be is left alone and reported. Returns the
// error text, empty on success.
QString installShippedData(const QString& dataFolder, const QString& shippedFolder);

// Where the program's shipped data lives: share/helmbook beside the program's bin folder.
QString shippedDataFolder();

} // namespace hb
