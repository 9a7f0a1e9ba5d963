#include "common/FileCopy.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hb {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes the whole buffer, retrying short writes; false with errno set on failure.
bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Copies `from` into a new temporary file beside `to`; returns the temporary file's name, or
// empty with `error` set (nothing left behind).
QString copyToTemporary(const QString& from, const QString& to, QString& error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        error = source.errorString();
        return {};
    }
    const QFileInfo target(to);
    QByteArray temp = QFile::encodeName(target.absolutePath() + QLatin1String("/.") +
                                        target.fileName() + QLatin1String(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        error = systemError(errno);
        return {};
    }
    // A new file gets the permissions any new file of the user gets (mkostemp makes it 0600).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    bool ok = true;
    QByteArray buffer;
    while (ok && !source.atEnd()) {
        buffer = source.read(1 << 20);
        if (buffer.isEmpty() && source.error() != QFileDevice::NoError) {
            error = source.errorString();
            ok = false;
        } else if (!writeAll(fd, buffer.constData(), buffer.size())) {
            error = systemError(errno);
            ok = false;
        }
    }
    if (ok && ::fsync(fd) != 0) {
        error = systemError(errno);
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = systemError(errno);
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.constData());
        return {};
    }
    return QFile::decodeName(temp);
}

} // namespace

QString copyFileSafely(const QString& from, const QString& to)
{
    QString error;
    const QString temp = copyToTemporary(from, to, error);
    if (temp.isEmpty())
        return error;
    // rename(2) replaces the directory entry: a link under the name is replaced, not followed.
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(to).constData()) != 0) {
        error = systemError(errno);
        QFile::remove(temp);
        return error;
    }
    return {};
}

QString copyFileIfAbsent(const QString& from, const QString& to)
{
    QString error;
    const QString temp = copyToTemporary(from, to, error);
    if (temp.isEmpty())
        return error;
    // Both fail when the name is taken, whatever is there; link(2) serves file systems
    // without renameat2's no-replace mode.
    const QByteArray source = QFile::encodeName(temp);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return {};
    if (errno != EINVAL && errno != ENOSYS) {
        error = systemError(errno);
        QFile::remove(temp);
        return error;
    }
    const int linked = ::link(source.constData(), target.constData());
    const int linkError = errno;
    QFile::remove(temp);
    if (linked != 0)
        return systemError(linkError);
    return {};
}

void ignoreFileSizeLimitSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace hb
