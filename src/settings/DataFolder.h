#pragma once

#include <QString>

namespace hb {

// The program's data folder: the user's documents folder + "/Kelvane Software/" + the
// program's base name (its file name up to the first "."). It holds the settings file, the
// example log and the program structure database.
//
// Throws SettingsError("Could not find MyDocuments folder location.") when the documents
// folder cannot be determined.
QString dataFolder();
QString dataFolder(const QString& documentsFolder, const QString& programFile);

// The home folder to use: the HOME variable when it is set, otherwise the home folder of the
// user's account when that folder exists. Empty when there is none; the root of the file
// system counts as none.
QString homeFolder(const QString& environmentHome, const QString& accountHome);
// The home folder of the account the program runs as, from the user database; empty if none.
QString accountHomeFolder();
// Called once at the start of the program, before anything asks for a standard folder: when
// HOME is not set, it is set to the account's home folder, so the documents, configuration and
// runtime folders are the user's own. False when there is no home folder at all.
bool settleHomeFolder();

// The program's base name: "helmbook" for "/usr/bin/helmbook" or "Helmbk.exe" -> "Helmbk".
QString programBaseName(const QString& programFile);

// The settings file in a data folder.
QString settingsFilePath(const QString& dataFolder);

inline constexpr const char* SettingsFileName = "Helmbk.ini";
inline constexpr const char* NoDocumentsFolderMessage =
    "Could not find MyDocuments folder location.";

class SettingsError
{
public:
    explicit SettingsError(QString text) : m_text(std::move(text)) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace hb
