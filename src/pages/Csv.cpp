#include "pages/Csv.h"

#include <QSaveFile>

namespace hb {

QByteArray csvRecord(const QStringList& fields)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            line += ',';
        QByteArray f = fields.at(i).toUtf8();
        if (f.contains(',') || f.contains('"') || f.contains('\n') || f.contains('\r')) {
            f.replace("\"", "\"\"");
            f = '"' + f + '"';
        }
        line += f;
    }
    line += "\r\n";
    return line;
}

QString writeCsvFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(content) != content.size())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace hb
