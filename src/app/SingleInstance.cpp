#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace hb {

SingleInstance::SingleInstance(const QString& programPath, QObject* parent)
    : QObject(parent), m_name(nameFor(programPath))
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::nameFor(const QString& programPath)
{
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(
        (canonical.isEmpty() ? programPath : canonical).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("helmbook-") + QString::fromLatin1(hash.toHex().left(16));
}

bool SingleInstance::claim()
{
    // Two starts at the same moment take turns, so neither removes the other's socket.
    QLockFile lock(QDir::temp().filePath(m_name + QLatin1String(".lock")));
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
        // A socket left by a crashed instance: nobody answered above, so take it over.
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
