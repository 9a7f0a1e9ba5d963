#include "../pages/PageFixture.h"

#include "logdb/RecordSet.h"
#include "pages/AttachmentWidgets.h"
#include "pages/Attachments.h"

#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QListWidget>
#include <QPushButton>

using namespace hb;
using Answer = Messages::Answer;

namespace {

void writePicture(const QString& path, QSize size, const char* format = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QImageWriter writer(path, format);
    QVERIFY2(writer.write(image), qPrintable(writer.errorString()));
}

// A log with a picture folder, a file beside it that nothing may touch, and inventory rows.
struct AttachmentLog : test::PageFixture
{
    QString folder = dir.filePath("pics");
    QString outside = dir.filePath("secret.txt");
    RecordSet items{log};

    AttachmentLog()
    {
        QDir().mkpath(folder);
        test::writeFile(outside, "keep me");
        settings.IniWrite("Paths", "picDocPath", folder);
        items.open("select * from Inventory order by Inv_ID");
    }
    void addItem(const QString& pic)
    {
        log.exec("insert into Inventory (InvType, ItemName, InvPic) values (1, 'ITEM', :p)",
                 {{"p", pic}});
    }
    QString inFolder(const QString& name) const { return folder + "/" + name; }
};

} // namespace

class AttachmentsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void plainNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("camera") << "IMG_0001.JPG" << true;
        QTest::newRow("blanks inside") << "engine manual.pdf" << true;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("self") << "." << false;
        QTest::newRow("up and out") << "../../.bashrc" << false;
        QTest::newRow("absolute") << "/etc/passwd" << false;
        QTest::newRow("through a folder") << "a/../../b" << false;
        QTest::newRow("windows folder") << "pics\\a.jpg" << false;
        QTest::newRow("newline") << "a.jpg\nb.jpg" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("trailing blank") << "a.jpg " << false;
    }
    void plainNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(isPlainFileName(name), plain);
        QTemporaryDir dir;
        QCOMPARE(attachmentPath(dir.path(), name).isEmpty(), !plain);
        QVERIFY(attachmentPath({}, name).isEmpty()); // no folder: nothing
    }

    void listsAndSizes()
    {
        QCOMPARE(attachmentListText({"a.jpg", "b.jpg"}), QString("a.jpg\r\nb.jpg\r\n"));
        QCOMPARE(attachmentList("a.jpg\r\nb.jpg\r\n"), QStringList({"a.jpg", "b.jpg"}));
        QCOMPARE(attachmentList(""), QStringList());
        QCOMPARE(fittedSize({3000, 2000}), QSize(1024, 683));
        QCOMPARE(fittedSize({2000, 3000}), QSize(512, 768));
        QCOMPARE(fittedSize({800, 600}), QSize(800, 600));
    }

    // A link inside the folder that leads out of it is not a file of the folder.
    void linksOutOfTheFolder()
    {
        AttachmentLog f;
        QVERIFY(QFile::link(f.outside, f.inFolder("link.txt")));
        QVERIFY(attachmentPath(f.folder, "link.txt").isEmpty());
        QVERIFY(QFile::link(f.dir.path(), f.inFolder("up")));
        QVERIFY(attachmentPath(f.folder, "up").isEmpty());
    }

    // A log crafted with hostile names: nothing outside the folder is read, opened or deleted.
    void hostileLog()
    {
        AttachmentLog f;
        const QStringList hostile = {"../secret.txt", f.outside, "..", "a/../../secret.txt",
                                     "secret.txt\n"};
        for (const QString& name : hostile)
            f.addItem(name);
        f.items.requery();
        AttachmentField field(f.app, f.items, "Photo", {"InvPic", {}});
        for (int row = 1; row <= f.items.recordCount(); ++row) {
            f.items.moveTo(row);
            field.DisplayAnyThumbNail();
            QVERIFY(field.thumbnail()->file().isEmpty());
            // Clearing the picture with Yes and saving deletes nothing.
            f.items.edit();
            f.messages.expect(Answer::Ok, AttachmentText::CannotLoadPicture);
            AttachmentDialog dialog(f.app, f.items, {"InvPic", {}}, field.removals());
            f.messages.expect(Answer::Yes, AttachmentText::DeletePicture);
            dialog.ClearPicClick();
            f.items.post();
        }
        QCOMPARE(test::readFile(f.outside), QByteArray("keep me"));
        QVERIFY(f.messages.allAnswered());

        // A document named outside the folder is never handed to the desktop.
        f.log.exec("insert into Fuel (FuelDoc) values ('../secret.txt')");
        RecordSet fuel(f.log);
        fuel.open("select * from Fuel");
        PendingRemovals removals(f.app, fuel);
        AttachmentDialog dialog(f.app, fuel, {"FuelPic", "FuelDoc"}, removals);
        f.messages.expect(Answer::Ok);
        dialog.DisplayClick();
        QVERIFY(f.shell.opened.isEmpty());
    }

    // Two rows share one picture: clearing it on one row (Yes) leaves the file for the other;
    // Cancel deletes nothing; the last row's saved clear removes it.
    void sharedPictureSurvives()
    {
        AttachmentLog f;
        writePicture(f.inFolder("boat.jpg"), {40, 30}, "jpeg");
        f.addItem("boat.jpg");
        f.addItem("boat.jpg");
        f.items.requery();
        AttachmentField field(f.app, f.items, "Photo", {"InvPic", {}});
        auto clearWithYes = [&] {
            f.items.edit();
            AttachmentDialog dialog(f.app, f.items, {"InvPic", {}}, field.removals());
            f.messages.expect(Answer::Yes, AttachmentText::DeletePicture);
            dialog.ClearPicClick();
        };
        clearWithYes();
        f.items.post();
        QVERIFY(QFile::exists(f.inFolder("boat.jpg")));

        f.items.next();
        clearWithYes();
        f.items.cancel();
        QVERIFY(QFile::exists(f.inFolder("boat.jpg")));
        QCOMPARE(f.items.text("InvPic"), QString("boat.jpg"));

        clearWithYes();
        f.items.post();
        QVERIFY(!QFile::exists(f.inFolder("boat.jpg")));
        QVERIFY(f.messages.allAnswered());
    }

    // "Load New" copies a new picture in, and asks before linking to a file of the same name.
    void loadPicture()
    {
        AttachmentLog f;
        QTemporaryDir camera;
        writePicture(camera.filePath("IMG_0001.JPG"), {64, 48}, "jpeg");
        f.addItem({});
        f.items.requery();
        PendingRemovals removals(f.app, f.items);
        f.items.edit();
        AttachmentDialog dialog(f.app, f.items, {"InvPic", {}}, removals);
        f.files.answer(camera.filePath("IMG_0001.JPG"));
        dialog.LoadPicClick();
        QCOMPARE(f.items.text("InvPic"), QString("IMG_0001.JPG"));
        QVERIFY(QFile::exists(f.inFolder("IMG_0001.JPG")));
        f.items.post();

        // Another camera's IMG_0001.JPG: No keeps the row as it was and the file untouched.
        f.addItem({});
        f.items.requery();
        f.items.last();
        f.items.edit();
        const QByteArray before = test::readFile(f.inFolder("IMG_0001.JPG"));
        writePicture(camera.filePath("IMG_0001.JPG"), {20, 20}, "jpeg");
        AttachmentDialog second(f.app, f.items, {"InvPic", {}}, removals);
        f.files.answer(camera.filePath("IMG_0001.JPG"));
        f.messages.expect(Answer::No, AttachmentText::SamePicture);
        second.LoadPicClick();
        QVERIFY(f.items.text("InvPic").isEmpty());
        QCOMPARE(test::readFile(f.inFolder("IMG_0001.JPG")), before);
        QVERIFY(f.messages.allAnswered());

        // Without a folder nothing is attached.
        f.settings.IniWrite("Paths", "picDocPath", "");
        f.settings.IniWrite("Paths", "picDocPath", " ");
        f.messages.expect(Answer::Ok, AttachmentText::NoFolder);
        second.LoadPicClick();
        QVERIFY(f.messages.allAnswered());
    }

    // Only a plain, non-executable document is handed to the desktop.
    void displayDocuments_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("opened");
        QTest::newRow("pdf") << "manual.pdf" << QByteArray("%PDF-1.4") << false << true;
        QTest::newRow("desktop entry")
            << "manual.desktop" << QByteArray("[Desktop Entry]") << false << false;
        QTest::newRow("script named txt")
            << "notes.txt" << QByteArray("#!/bin/sh\nrm -rf ~") << false << false;
        QTest::newRow("executable") << "tool.pdf" << QByteArray("%PDF") << true << false;
        QTest::newRow("shell script") << "run.sh" << QByteArray("echo") << false << false;
    }
    void displayDocuments()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(bool, opened);
        AttachmentLog f;
        test::writeFile(f.inFolder(name), content);
        if (executable)
            QFile(f.inFolder(name)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        f.log.exec("insert into Fuel (FuelDoc) values (:n)", {{"n", name}});
        RecordSet fuel(f.log);
        fuel.open("select * from Fuel");
        PendingRemovals removals(f.app, fuel);
        AttachmentDialog dialog(f.app, fuel, {"FuelPic", "FuelDoc"}, removals);
        QCOMPARE(dialog.documentName()->text(), name);
        if (!opened)
            f.messages.expect(Answer::Ok);
        dialog.DisplayClick();
        QCOMPARE(f.shell.opened.size(), opened ? 1 : 0);
        QVERIFY(f.messages.allAnswered());
    }

    // The list dialog: a large picture is stored fitted with its proportions; a document line
    // goes even when its file is gone.
    void attachmentLists()
    {
        AttachmentLog f;
        QTemporaryDir camera;
        writePicture(camera.filePath("portrait.jpg"), {2000, 3000}, "jpeg");
        // PNG data under a .JPG name is read by its content.
        writePicture(camera.filePath("SCAN.JPG"), {30, 20}, "png");
        f.log.exec("insert into Maint (Docs) values ('gone.pdf\r\n')");
        RecordSet maint(f.log);
        maint.open("select * from Maint");
        PendingRemovals removals(f.app, maint);
        maint.edit();
        AttachmentListDialog dialog(f.app, maint, removals);
        f.files.answer(camera.filePath("portrait.jpg"));
        dialog.LoadPicClick();
        f.files.answer(camera.filePath("SCAN.JPG"));
        dialog.LoadPicClick();
        QCOMPARE(QImageReader(f.inFolder("portrait.jpg")).size(), QSize(512, 768));
        QVERIFY(!readPicture(f.inFolder("SCAN.JPG")).isNull());
        dialog.MovePic(-1);
        QCOMPARE(maint.text("Pics"), QString("SCAN.JPG\r\nportrait.jpg\r\n"));

        dialog.DeleteFileClick(); // gone.pdf is not in the folder: no question
        QVERIFY(maint.isNull("Docs"));
        maint.post();
        QCOMPARE(f.count("select count(*) from Maint where Pics like 'SCAN.JPG%'"), 1);
        QVERIFY(f.messages.allAnswered());
    }

    // A copy that fails leaves nothing under the name.
    void failedCopyLeavesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(!copyIntoFolder(dir.filePath("missing.pdf"), dir.path(), "manual.pdf").isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }
};

QTEST_MAIN(AttachmentsTest)
#include "tst_attachments.moc"
