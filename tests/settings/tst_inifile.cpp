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

    void problemsAreToldOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("told"); // what the one message must name
        QTest::newRow("folder gone") << "gone" << QStringList{"cannot be saved", "Helmbk.ini"};
        QTest::newRow("folder is a file")
            << "file" << QStringList{"cannot be saved", "Helmbk.ini", "Not a directory"};
        QTest::newRow("settings file cannot be read")
            << "unreadable" << QStringList{"cannot be read", "Helmbk.ini"};
        QTest::newRow("damaged file moved aside")
            << "damaged" << QStringList{"moved aside", "Helmbk.ini\"", "Helmbk.ini.damaged\""};
    }
    void problemsAreToldOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, told);
        QTemporaryDir dir;
        QString folder = dir.filePath("data");
        if (kind == "file") {
            test::writeFile(folder, "not a folder");
        } else if (kind != "gone") {
            QVERIFY(QDir().mkpath(folder));
        }
        const QString path = folder + "/Helmbk.ini";
        if (kind == "unreadable")
            QVERIFY(QDir().mkpath(path)); // a folder under the file's name
        if (kind == "damaged")
            test::writeFile(path, QByteArray("\0\1garbage", 9));
        IniFile ini(path);
        QStringList messages;
        // Read before anyone listens: told as soon as a handler is set.
        QCOMPARE(ini.IniRead("Backup", "runCount", "0"), QString("0"));
        ini.setProblemHandler([&](const QString& text) { messages << text; });
        for (int i = 1; i <= 3; ++i)
            ini.IniWrite("Backup", "runCount", QString::number(i));
        QCOMPARE(messages.size(), 1);
        for (const QString& part : told)
            QVERIFY2(messages.front().contains(part), qPrintable(messages.front()));
        QCOMPARE(ini.peek("Backup", "runCount"), QString("3"));
        if (kind != "gone")
            return;
        // Saved again, then lost again: a new problem is told again.
        QVERIFY(QDir().mkpath(folder));
        ini.IniWrite("Backup", "runCount", "4");
        QVERIFY(ini.lastError().isEmpty());
        QVERIFY(QDir(folder).removeRecursively());
        ini.IniWrite("Backup", "runCount", "5");
        ini.IniWrite("Backup", "runCount", "6");
        QCOMPARE(messages.size(), 2);
    }

    void homeFolder_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("home");
        const QString existing = test::home().path();
        QTest::newRow("HOME set") << "/home/skipper" << existing << "/home/skipper";
        QTest::newRow("HOME unset: the account's") << "" << existing << existing;
        QTest::newRow("HOME unset, account home missing") << ""
                                                          << "/nonexistent"
                                                          << "";
        QTest::newRow("HOME unset, no account home") << ""
                                                     << ""
                                                     << "";
        QTest::newRow("HOME is the root") << "/" << existing << "";
        QTest::newRow("account home is the root") << ""
                                                  << "/"
                                                  << "";
    }
    void homeFolder()
    {
        QFETCH(QString, environment);
        QFETCH(QString, account);
        QFETCH(QString, home);
        QCOMPARE(hb::homeFolder(environment, account), home);
    }

    void noHomeFolder()
    {
        // Without HOME the account's home folder is taken; with no home at all the documents
        // folder is missing, never "/Documents".
        const QByteArray saved = qgetenv("HOME");
        qunsetenv("HOME");
        try {
            hb::dataFolder();
            QFAIL("a data folder without a home folder");
        } catch (const SettingsError& e) {
            QCOMPARE(e.text(), QString("Could not find MyDocuments folder location."));
        }
        const bool accountHasHome = QFileInfo(accountHomeFolder()).isDir();
        QCOMPARE(settleHomeFolder(), accountHasHome);
        QCOMPARE(qEnvironmentVariable("HOME"), accountHasHome ? accountHomeFolder() : QString());
        qputenv("HOME", saved);
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
