#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace hb {

// One running Helmbook per installed program: the first start listens on a local socket named
// after the program's full path; a second start of the same program tells the first to come
// forward and ends. Copies installed in different folders have different names and run side
// by side.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first instance (it now listens); false when another instance was
    // told to come forward, or when the socket could not be made (`error()` says why).
    bool claim();
    QString error() const { return m_error; }
    QString serverName() const { return m_name; }

    static QString nameFor(const QString& programPath);

Q_SIGNALS:
    // Another start asked this instance to show its window.
    void raiseRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
    QString m_error;
};

} // namespace hb
