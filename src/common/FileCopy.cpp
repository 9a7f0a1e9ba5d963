#include "common/FileCopy.h"

#include <QFile>
#include <QSaveFile>

namespace hb {

QString copyFileSafely(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QSaveFile target(to);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    QByteArray buffer;
    while (!source.atEnd()) {
        buffer = source.read(1 << 20);
        if (buffer.isEmpty() && source.error() != QFileDevice::NoError) {
            target.cancelWriting();
            return source.errorString();
        }
        if (target.write(buffer) != buffer.size()) {
            const QString error = target.errorString();
            target.cancelWriting();
            return error;
        }
    }
    if (!target.commit())
        return target.errorString();
    return {};
}

} // namespace hb
