#include "pages/Attachments.h"

#include "common/FileCopy.h"
#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>

namespace hb {

namespace {

// The single attachment columns and the attachment lists of the log.
struct AttachmentColumn
{
    const char* table;
    const char* column;
    bool list;
};
const AttachmentColumn AttachmentColumns[] = {
    {"TripLog", "TripPic", false},  {"Fuel", "FuelPic", false},    {"Fuel", "FuelDoc", false},
    {"Inventory", "InvPic", false}, {"Contact", "ContPic", false}, {"Maint", "Pics", true},
    {"Maint", "Docs", true},        {"SchedMaint", "Pics", true},  {"SchedMaint", "Docs", true},
};

// Names a desktop would run rather than show.
const char* const RunnableSuffixes[] = {
    "desktop", "sh",  "bash", "zsh", "csh", "ksh", "py",  "pl",       "rb",     "php",
    "js",      "jar", "exe",  "com", "bat", "cmd", "msi", "appimage", "run",    "bin",
    "deb",     "rpm", "elf",  "so",  "ps1", "vbs", "lnk", "scr",      "command"};

bool insideFolder(const QString& folderCanonical, const QString& path)
{
    return path.startsWith(folderCanonical + QLatin1Char('/'));
}

} // namespace

QString attachmentFolder(IniFile& settings)
{
    return settings.IniRead(QStringLiteral("Paths"), QStringLiteral("picDocPath"), {}).trimmed();
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.trimmed() != name)
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString attachmentPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || !isPlainFileName(name))
        return {};
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty() || !QFileInfo(canonicalFolder).isDir())
        return {};
    const QString path = canonicalFolder + QLatin1Char('/') + name;
    // A link under the name may point anywhere: what it leads to must be inside too.
    const QFileInfo info(path);
    if (info.isSymLink() || info.exists()) {
        const QString target = info.canonicalFilePath();
        if (target.isEmpty() || !insideFolder(canonicalFolder, target))
            return {};
    }
    return path;
}

QStringList attachmentList(const QString& text)
{
    QStringList names;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.isEmpty())
            names << line;
    }
    return names;
}

QString attachmentListText(const QStringList& names)
{
    QString text;
    for (const QString& n : names)
        text += n + QLatin1String("\r\n");
    return text;
}

QSize fittedSize(const QSize& size, const QSize& bound)
{
    if (size.width() <= bound.width() && size.height() <= bound.height())
        return size;
    const double scale =
        std::min(double(bound.width()) / size.width(), double(bound.height()) / size.height());
    return QSize(qRound(size.width() * scale), qRound(size.height() * scale))
        .boundedTo(bound)
        .expandedTo(QSize(1, 1));
}

QString refusalToOpen(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !QFileInfo(info.canonicalFilePath()).isFile())
        return QStringLiteral("not a file");
    if (!info.isFile())
        return QStringLiteral("not a file");
    if (info.permissions() & (QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther | QFile::ExeUser))
        return QStringLiteral("a program");
    const QString suffix = info.suffix().toLower();
    for (const char* s : RunnableSuffixes) {
        if (suffix == QLatin1String(s))
            return QStringLiteral("a program or script");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray head = file.read(64);
    if (head.startsWith("#!") ||
        head.startsWith("\x7f"
                        "ELF") ||
        head.startsWith("MZ") || head.contains("[Desktop Entry]"))
        return QStringLiteral("a program or script");
    return {};
}

int attachmentUses(LogConnection& log, const QString& name)
{
    int uses = 0;
    for (const AttachmentColumn& c : AttachmentColumns) {
        RecordSet set(log);
        if (!c.list) {
            set.open(QStringLiteral("select count(*) as n from %1 where %2 = :name")
                         .arg(QLatin1String(c.table), QLatin1String(c.column)),
                     {{QStringLiteral("name"), name}});
            uses += set.integer(QStringLiteral("n"));
        } else {
            set.open(QStringLiteral("select %2 as list from %1 where instr(%2, :name) > 0")
                         .arg(QLatin1String(c.table), QLatin1String(c.column)),
                     {{QStringLiteral("name"), name}});
            for (int row = 0; row < set.recordCount(); ++row)
                uses += int(attachmentList(set.valueAt(row, 0).toString()).count(name));
        }
    }
    return uses;
}

QString copyIntoFolder(const QString& from, const QString& folder, const QString& name)
{
    const QString to = attachmentPath(folder, name);
    if (to.isEmpty())
        return QStringLiteral("%1 is not a name inside %2").arg(name, folder);
    return copyFileIfAbsent(from, to);
}

QString storeFittedPicture(const QString& from, const QString& folder, const QString& name)
{
    const QString to = attachmentPath(folder, name);
    if (to.isEmpty())
        return QStringLiteral("%1 is not a name inside %2").arg(name, folder);
    QImageReader reader(from);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || fittedSize(size) == size)
        return copyFileIfAbsent(from, to);
    const QImage image = readPicture(from, fittedSize(size));
    if (image.isNull())
        return reader.errorString();
    if (QFileInfo::exists(to))
        return QStringLiteral("%1 exists").arg(to);
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QByteArray format = QFileInfo(name).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    if (format == "jpg" || format == "jpeg") {
        QImageWriter writer(&file, "jpeg");
        writer.setQuality(90);
        if (!writer.write(image))
            return writer.errorString();
    } else {
        QImageWriter writer(&file, format);
        if (!writer.write(image))
            return writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QImage readPicture(const QString& path, const QSize& bound)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (bound.isValid()) {
        QSize size = reader.size();
        // The stored size is before turning; a quarter turn swaps the sides.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            size.transpose();
        if (size.isValid() && (size.width() > bound.width() || size.height() > bound.height())) {
            QSize scaled = size.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
            if (reader.transformation() & QImageIOHandler::TransformationRotate90)
                scaled.transpose();
            reader.setScaledSize(scaled);
        }
    }
    return reader.read();
}

ThumbnailCache& ThumbnailCache::shared()
{
    static ThumbnailCache cache;
    return cache;
}

QImage ThumbnailCache::thumbnail(const QString& path, const QSize& bound)
{
    const QFileInfo info(path);
    const QString key = QStringLiteral("%1|%2x%3|%4|%5")
                            .arg(path)
                            .arg(bound.width())
                            .arg(bound.height())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(info.size());
    if (auto it = m_index.find(key); it != m_index.end()) {
        m_entries.splice(m_entries.begin(), m_entries, it.value());
        return m_entries.front().image;
    }
    const QImage image = readPicture(path, bound);
    if (image.isNull())
        return image;
    m_entries.push_front({key, image});
    m_index.insert(key, m_entries.begin());
    while (int(m_entries.size()) > m_capacity) {
        m_index.remove(m_entries.back().key);
        m_entries.pop_back();
    }
    return image;
}

} // namespace hb
