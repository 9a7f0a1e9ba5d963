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
