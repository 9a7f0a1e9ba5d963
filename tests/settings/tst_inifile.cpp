#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

using namespace hb;

class IniFileTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString file(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void readWritesTheDefaultOnce()
    {
        const QString path = file("defaults.ini");
        IniFile ini(path);
        QCOMPARE(ini.IniRead("Paths", "DBPath", "/logs/Example.mdb"), QString("/logs/Example.mdb"));
        QCOMPARE(test::readFile(path), QByteArray("[Paths]\nDBPath=/logs/Example.mdb\n"));
        // Stored now: another default does not replace it.
        QCOMPARE(ini.IniRead("Paths", "DBPath", "other"), QString("/logs/Example.mdb"));
        // A second reader of the same file sees it.
        QCOMPARE(IniFile(path).IniRead("Paths", "DBPath", "x"), QString("/logs/Example.mdb"));
    }

    void sectionsAndKeysIgnoreCase()
    {
        const QString path = file("case.ini");
        IniFile ini(path);
        ini.IniWrite("Flags", "TurnBkOn", "Y");
        ini.IniWrite("flags", "turnBkOn", "N");
        QCOMPARE(ini.IniRead("FLAGS", "TURNBKON", "?"), QString("N"));
        QCOMPARE(test::readFile(path), QByteArray("[Flags]\nTurnBkOn=N\n"));
    }

    void emptyValueCountsAsMissing()
    {
        const QString path = file("empty.ini");
        test::writeFile(path, "; kept comment\r\n[DistanceRun]\r\nNextDate=\r\nTime =  14:00 "
                              "\r\n\r\n[Other]\r\nA=1\r\n");
        IniFile ini(path);
        QCOMPARE(ini.IniRead("DistanceRun", "Time", "x"), QString("14:00"));
        QCOMPARE(ini.IniRead("DistanceRun", "NextDate", " "), QString(" "));
        QCOMPARE(ini.IniRead("DistanceRun", "NextDate", " "), QString(" ")); // a blank reads empty
        ini.IniWrite("DistanceRun", "DoDistRun", "False");
        QCOMPARE(test::readFile(path),
                 QByteArray("; kept comment\n[DistanceRun]\nNextDate= \nTime=14:00\n"
                            "DoDistRun=False\n\n[Other]\nA=1\n"));
    }

    void lineBreaksStayInsideTheValue()
    {
        const QString path = file("breaks.ini");
        IniFile ini(path);
        const QString sneaky = QStringLiteral("a\r\n[Paths]\nDBPath=/evil.mdb 100%");
        ini.IniWrite("Notes", "Text", sneaky);
        ini.IniWrite("Paths", "DBPath", "/good.mdb");
        IniFile again(path);
        QCOMPARE(again.IniRead("Notes", "Text", ""), sneaky);
        QCOMPARE(again.IniRead("Paths", "DBPath", ""), QString("/good.mdb"));
        QCOMPARE(again.sections(), QStringList({"Notes", "Paths"}));
        QCOMPARE(again.keys("Notes"), QStringList({"Text"}));
    }

    void damagedFilesAreKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("[Paths]\nDBPath=/a.mdb\n\0\x01\x02garbage", 30);
        QTest::newRow("not ini text") << QByteArray("PK\x03\x04 this is a zip file\n");
        QTest::newRow("key before any section") << QByteArray("DBPath=/a.mdb\n");
    }
    void damagedFilesAreKept()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("Helmbk.ini");
        test::writeFile(path, content);
        IniFile ini(path);
        QCOMPARE(ini.peek("Paths", "DBPath"), QString());
        QVERIFY(ini.damaged());
        // Reading gives the default and writes it, but the damaged file survives beside it.
        QCOMPARE(ini.IniRead("Paths", "DBPath", "/b.mdb"), QString("/b.mdb"));
        QCOMPARE(test::readFile(path + ".damaged"), content);
        QCOMPARE(test::readFile(path), QByteArray("[Paths]\nDBPath=/b.mdb\n"));
        QVERIFY(ini.lastError().isEmpty());
    }

    void legacyCodePageIsRead()
    {
        const QString path = file("latin1.ini");
        test::writeFile(path, "[Vessel]\r\nName=Mar\xed"
                              "a\r\n");
        IniFile ini(path);
        QCOMPARE(ini.IniRead("Vessel", "Name", ""), QString::fromUtf8("Mar\xc3\xad"
                                                                      "a"));
    }

    void writesOfOtherProgramsAreSeen()
    {
        const QString path = file("shared.ini");
        IniFile ini(path);
        ini.IniWrite("Flags", "RemindSU", "N");
        QTest::qWait(20); // a later modification time
        IniFile(path).IniWrite("Flags", "RemindSU", "Yes");
        QCOMPARE(ini.peek("Flags", "RemindSU"), QString("Yes"));
    }

    void failedWriteIsReported()
    {
        IniFile ini(file("no-such-folder/Helmbk.ini"));
        ini.IniWrite("Flags", "AppCheck", "Y");
        QVERIFY(!ini.lastError().isEmpty());
        // Kept for the session, and saved with the next write once the folder is there.
        QCOMPARE(ini.IniRead("Flags", "AppCheck", "N"), QString("Y"));
        QVERIFY(QDir().mkpath(file("no-such-folder")));
        ini.IniWrite("Flags", "RemindSU", "N");
        QVERIFY(ini.lastError().isEmpty());
        QCOMPARE(IniFile(file("no-such-folder/Helmbk.ini")).peek("Flags", "AppCheck"),
                 QString("Y"));
    }

    void dataFolder()
    {
        QCOMPARE(hb::dataFolder("/home/skipper/Documents", "/usr/bin/helmbook"),
                 QString("/home/skipper/Documents/Kelvane Software/helmbook"));
        QCOMPARE(hb::dataFolder("/home/skipper/Documents/", "/opt/hb/Helmbk.exe"),
                 QString("/home/skipper/Documents/Kelvane Software/Helmbk"));
        QCOMPARE(programBaseName("/opt/hb/helmbook.bin.old"), QString("helmbook"));
        try {
            hb::dataFolder("", "/usr/bin/helmbook");
            QFAIL("no error without a documents folder");
        } catch (const SettingsError& e) {
            QCOMPARE(e.text(), QString("Could not find MyDocuments folder location."));
        }
        QCOMPARE(hb::dataFolder(), test::home().documents() + "/Kelvane Software/tst_inifile");
    }
};

HB_TEST_MAIN(IniFileTest)
#include "tst_inifile.moc"
