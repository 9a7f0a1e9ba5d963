// Attachments and drop-downs: a 24-megapixel JPEG's thumbnail read scaled, moving between rows
// whose thumbnails are cached, and a drop-down filled from a lookup list of 5,000 entries.
//
//   helmbook-bench-attachments [folder]

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"
#include "pages/AttachmentWidgets.h"
#include "pages/Attachments.h"
#include "pages/LookupBox.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdio>

using namespace hb;

namespace {

struct Silent : Messages
{
    Answer show(Kind, const QString& text, Buttons, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Answer::No;
    }
};
struct NoDialogs : FileDialogs
{
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};
struct NoShell : Shell
{
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
};

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();

    // A 24-megapixel photo (6000 by 4000) with some detail, as a camera writes it.
    const QString photo = folder + QStringLiteral("/IMG_0001.JPG");
    {
        QImage image(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x * 7 + y) & 255, (y * 3) & 255, (x ^ y) & 255);
        }
        QImageWriter writer(photo, "jpeg");
        writer.setQuality(90);
        writer.write(image);
    }
    const QString log = folder + QStringLiteral("/Bench.mdb");
    QFile::remove(log);
    CreateAccessDatabase(log);
    CreateNewTables(log);
    LogConnection connection;
    connection.open(log);
    {
        LogConnection::Transaction t(connection);
        for (int i = 0; i < 5000; ++i)
            connection.exec(QStringLiteral("insert into Locations (Location) values (:l)"),
                            {{QStringLiteral("l"), QStringLiteral("LOCKER %1").arg(i)}});
        for (int i = 0; i < 200; ++i)
            connection.exec(
                QStringLiteral("insert into Inventory (InvType, ItemName, InvPic) values "
                               "(1, 'ITEM', 'IMG_0001.JPG')"));
        t.commit();
    }
    Silent messages;
    NoDialogs dialogs;
    NoShell shell;
    SystemClock clock;
    IniFile settings(folder + QStringLiteral("/Helmbk.ini"));
    settings.IniWrite(QStringLiteral("Paths"), QStringLiteral("picDocPath"), folder);
    Formats formats;
    AppContext context{messages, dialogs, clock, shell, settings, formats, &connection, nullptr};

    QElapsedTimer t;
    t.start();
    const QImage thumb = readPicture(photo, QSize(160, 120));
    const double scaled = ms(t);
    t.restart();
    const QImage full = QImage(photo);
    const double decoded = ms(t);

    RecordSet items(connection);
    items.open(QStringLiteral("select * from Inventory"));
    AttachmentField field(context, items, QStringLiteral("Photo"), {QStringLiteral("InvPic"), {}});
    field.DisplayAnyThumbNail(); // the first read fills the cache
    t.restart();
    const int moves = 100;
    for (int i = 0; i < moves; ++i)
        items.next();
    const double move = ms(t) / moves;

    LookupBox box(context, {QStringLiteral("Locations"), QStringLiteral("Location"),
                            QStringLiteral("Inventory"), QStringLiteral("Location")});
    t.restart();
    box.refill();
    const double fill = ms(t);

    std::printf("24-MP JPEG thumbnail read scaled: %.1f ms (%dx%d); decoded whole: %.1f ms\n",
                scaled, thumb.width(), thumb.height(), decoded);
    std::printf("row move with a cached thumbnail: %.2f ms\n", move);
    std::printf("drop-down of %d lookup entries filled: %.1f ms\n", box.count(), fill);
    Q_UNUSED(full);
    return 0;
}
