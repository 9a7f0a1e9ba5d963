#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace hb {

// One running Helmbook per user and installed program: the first start listens on a local
// socket in the user's runtime folder, named after the program's full path; a second start of
// the same program by the same user tells the first to come forward and ends. Copies installed
// in different folders, and other users' Helmbooks, run side by side.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // `runtimeFolder` empty: the user's own runtime folder (runtimeFolder()).
    explicit SingleInstance(const QString& programPath, const QString& runtimeFolder = {},
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first instance (it now listens); false when another instance was
    // told to come forward, or when the socket could not be made (`error()` says why).
    bool claim();
    QString error() const { return m_error; }
    // The socket's full path.
    QString serverName() const { return m_name; }

    static QString nameFor(const QString& programPath);
    // The user's runtime folder (XDG_RUNTIME_DIR), which only the user may enter; when there
    // is none, a folder of the user's own in the temporary folder, made private. Empty when
    // neither can be had (someone else owns the name).
    static QString runtimeFolder();

Q_SIGNALS:
    // Another start asked this instance to show its window.
    void raiseRequested();

private:
    QString m_folder;
    QString m_name;
    QLocalServer* m_server = nullptr;
    QString m_error;
};

} // namespace hb
