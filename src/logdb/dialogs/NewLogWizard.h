#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace hb {

class FileDialogs;

// "Create Log Wizard": the new log's name, its file (chosen with "Browse") and three choices.
// OK stays disabled until a file has been chosen; "Browse" is the default button until then,
// OK after. Whether an existing file may be replaced is the caller's question.
class NewLogWizard : public QDialog
{
    Q_OBJECT
public:
    // `help` is called with the help topic when "Help" (or F1) is pressed.
    NewLogWizard(FileDialogs& files, std::function<void(int topic)> help,
                 QWidget* parent = nullptr);

    static constexpr int HelpTopic = 220;

    QString location() const { return m_location; }
    bool loadAfter() const;
    bool keepLookups() const;
    bool setupHours() const;

private:
    void browse();

    FileDialogs& m_files;
    std::function<void(int)> m_help;
    QString m_location;
    QLineEdit* m_name;
    QLineEdit* m_locationEdit;
    QPushButton* m_browse;
    QPushButton* m_ok;
    QCheckBox* m_loadAfter;
    QCheckBox* m_keepLookups;
    QCheckBox* m_setupHours;
};

// The file a chosen name stands for: ".mdb" is appended unless the name ends in exactly that.
QString withLogSuffix(const QString& path);

} // namespace hb
