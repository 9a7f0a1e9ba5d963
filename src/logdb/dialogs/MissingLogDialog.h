#pragma once

#include <QDialog>

namespace hb {

class FileDialogs;

// "Missing Default Log": offers to load a log from a file or to go on with a blank one.
// "Load" asks for an existing file and closes with its path; "Create Blank Log", Escape and
// the window losing the focus close with no path.
class MissingLogDialog : public QDialog
{
    Q_OBJECT
public:
    explicit MissingLogDialog(FileDialogs& files, QWidget* parent = nullptr);

    QString chosenPath() const { return m_path; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void load();

    FileDialogs& m_files;
    QString m_path;
    bool m_active = false;
    bool m_choosing = false; // our own file dialog is open: losing the focus to it is expected
};

} // namespace hb
