#pragma once

#include <QString>

class QWidget;

namespace hb {

// Open, save and folder dialogs. An empty result means the user cancelled.
// Filters use Qt's form: "Helmbook log (*.mdb)".
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString openFile(const QString& caption, const QString& folder,
                             const QString& filter) = 0;
    virtual QString saveFile(const QString& caption, const QString& folder,
                             const QString& filter) = 0;
    virtual QString chooseFolder(const QString& caption, const QString& folder) = 0;
};

class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;

private:
    QWidget* m_parent;
};

} // namespace hb
