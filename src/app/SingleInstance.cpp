#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

namespace hb {

namespace {

// A folder only this user can enter: owned by the user, a real folder (not a link), no access
// for group or others.
bool privateFolder(const QString& folder)
{
    struct stat st
    {
    };
    if (::lstat(QFile::encodeName(folder).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

} // namespace

SingleInstance::SingleInstance(const QString& programPath, const QString& runtimeFolder,
                               QObject* parent)
    : QObject(parent),
      m_folder(runtimeFolder.isEmpty() ? SingleInstance::runtimeFolder() : runtimeFolder)
{
    if (!m_folder.isEmpty())
        m_name = QDir(m_folder).filePath(nameFor(programPath));
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::nameFor(const QString& programPath)
{
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? programPath : canonical).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("helmbook-") + QString::fromLatin1(hash.toHex().left(16));
}

QString SingleInstance::runtimeFolder()
{
    // XDG_RUNTIME_DIR counts only when it is this user's own (root started with another
    // user's environment must not reach that user's Helmbook).
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && privateFolder(xdg))
        return xdg;
    const QString own = QDir::temp().filePath(QStringLiteral("helmbook-%1").arg(::geteuid()));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return privateFolder(own) ? own : QString();
}

bool SingleInstance::claim()
{
    if (m_name.isEmpty()) {
        m_error = QStringLiteral("There is no private runtime folder for the single-instance "
                                 "check: %1 belongs to someone else.")
                      .arg(QDir::temp().filePath(QStringLiteral("helmbook-%1").arg(::geteuid())));
        return false;
    }
    // Two starts at the same moment take turns, so neither removes the other's socket.
    QLockFile lock(m_name + QLatin1String(".lock"));
    lock.tryLock(5000);
    {
        QLocalSocket other;
        other.connectToServer(m_name);
        if (other.waitForConnected(500)) {
            other.write("raise\n");
            other.waitForBytesWritten(1000);
            other.disconnectFromServer();
            return false;
        }
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket left by a crashed instance of this user: nobody answered above, so take
        // it over.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            m_error = m_server->errorString();
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("raise"))
                    Q_EMIT raiseRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace hb
