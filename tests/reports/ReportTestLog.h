#pragma once

#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace hb::test {

// A blank log in a temporary folder with its vessel record, open for writing.
struct ReportLog
{
    QTemporaryDir dir;
    std::unique_ptr<LogConnection> log = std::make_unique<LogConnection>();

    explicit ReportLog(const QString& vessel = QStringLiteral("Sea Lark"))
    {
        const QString path = dir.filePath(QStringLiteral("Test.mdb"));
        CreateAccessDatabase(path);
        CreateNewTables(path);
        log->open(path);
        insertVesselRecord(*log, 60);
        log->exec(QStringLiteral("UPDATE BoatInfo SET VesName = :n"),
                  {{QStringLiteral("n"), vessel}});
    }
    QString file(const QString& name) const { return dir.filePath(name); }
};

// The text of a PDF as pdftotext reads it (empty when it cannot be read).
inline QString pdfText(const QString& path, bool layout = false)
{
    QProcess p;
    QStringList args;
    if (layout)
        args << QStringLiteral("-layout");
    args << path << QStringLiteral("-");
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A field of pdfinfo's answer ("Pages", "Title", "PDF version").
inline QString pdfInfo(const QString& path, const QString& field)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(field + u':'))
            return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

} // namespace hb::test
