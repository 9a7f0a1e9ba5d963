#include "settings/DisplayPrefs.h"
#include "settings/IniFile.h"
#include "settings/PreferencesBackup.h"
#include "settings/PreferencesPanel.h"
#include "settings/RemindFlag.h"
#include "settings/WindowState.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace hb;
using Answer = Messages::Answer;

namespace {

// A settings file in a folder of its own and the services a panel needs.
struct Fixture
{
    QTemporaryDir dir{test::home().path() + QLatin1String("/prefs-XXXXXX")};
    QString iniPath = dir.filePath(QStringLiteral("Helmbk.ini"));
    IniFile ini{iniPath};
    test::ScriptedMessages messages;
    test::ScriptedFileDialogs files;
};

QList<QVariantList> signalsOf(const QSignalSpy& spy)
{
    return QList<QVariantList>(spy.begin(), spy.end());
}

} // namespace

class PreferencesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void remindFlagReadsOldAndNewForms_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<QByteArray>("fileAfter");

        const QByteArray missing = "[FormInfo]\nRemindFlag=True\n";
        QTest::newRow("0") << QByteArray("[FormInfo]\nRemindFlag=0\n") << false << QByteArray();
        QTest::newRow("-1") << QByteArray("[FormInfo]\nRemindFlag=-1\n") << true << QByteArray();
        QTest::newRow("True") << QByteArray("[FormInfo]\nRemindFlag=True\n") << true
                              << QByteArray();
        QTest::newRow("False") << QByteArray("[FormInfo]\nRemindFlag=False\n") << false
                               << QByteArray();
        QTest::newRow("false") << QByteArray("[FormInfo]\nremindflag=false\n") << false
                               << QByteArray();
        QTest::newRow("no file") << QByteArray() << true << missing;
        QTest::newRow("empty value") << QByteArray("[FormInfo]\nRemindFlag=\n") << true << missing;
    }

    void remindFlagReadsOldAndNewForms()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, expected);
        QFETCH(QByteArray, fileAfter);
        Fixture fx;
        if (!file.isEmpty())
            test::writeFile(fx.iniPath, file);
        QCOMPARE(readRemindFlag(fx.ini), expected);
        QCOMPARE(test::readFile(fx.iniPath), fileAfter.isEmpty() ? file : fileAfter);
    }

    // Screen readers and UI robots find every box and button by its own caption.
    void everyControlIsNamedByItsCaption()
    {
        Fixture fx;
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        const auto groups = panel.findChildren<QGroupBox*>();
        QVERIFY(groups.size() >= 4);
        for (QGroupBox* g : groups)
            QCOMPARE(g->accessibleName(), g->title());
        for (QAbstractButton* b : panel.findChildren<QAbstractButton*>())
            QCOMPARE(b->accessibleName(), b->text());
        QCOMPARE(panel.accessibleName(), QString("Program Preferences"));
    }

    void showRemindersWritesTheFlagAtOnce()
    {
        Fixture fx;
        test::writeFile(fx.iniPath, "[FormInfo]\nRemindFlag=False\n");
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        auto* box = panel.findChild<QCheckBox*>(QStringLiteral("ShowReminders"));
        QVERIFY(box);
        QVERIFY(!box->isChecked());
        QSignalSpy spy(&panel, &PreferencesPanel::remindFlagChanged);

        box->click();
        QCOMPARE(test::readFile(fx.iniPath), QByteArray("[FormInfo]\nRemindFlag=-1\n"));
        QVERIFY(readRemindFlag(fx.ini));
        box->click();
        QCOMPARE(test::readFile(fx.iniPath), QByteArray("[FormInfo]\nRemindFlag=0\n"));
        QVERIFY(!readRemindFlag(fx.ini));
        QCOMPARE(signalsOf(spy), (QList<QVariantList>{{true}, {false}}));
    }

    void everyBoxStartsTickedUnderItsCaption()
    {
        Fixture fx;
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        QCOMPARE(panel.title(), QStringLiteral("Program Preferences"));
        QCOMPARE(displayPrefKeys().size(), 27);
        for (const DisplayPref& pref : displayPrefs()) {
            const QString key = QLatin1String(pref.key);
            QVERIFY2(panel.isTicked(key) && panel.isEnabled(key), pref.key);
            const QString shown = isDisplayGroup(key) ? panel.findChild<QGroupBox*>(key)->title()
                                                      : panel.findChild<QCheckBox*>(key)->text();
            QCOMPARE(shown, QLatin1String(pref.caption));
        }
        QCOMPARE(displayGroupMembers(QLatin1String(DisplayKey::TripLogGroup)),
                 (QStringList{"GenLog", "WMLog", "TripPlan", "WatchMan", "Waypoints", "Battery"}));
        QCOMPARE(displayGroupMembers(QLatin1String(DisplayKey::PeopleLogGroup)).size(), 5);
        QVERIFY(!panel.metric());
    }

    void untickingTripLogDisablesItsMembersKeepingTheirTicks()
    {
        Fixture fx;
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        panel.show();
        const QStringList members = displayGroupMembers(QStringLiteral("TripLogGroup"));
        auto* battery = panel.findChild<QCheckBox*>(QStringLiteral("Battery"));
        QSignalSpy spy(&panel, &PreferencesPanel::visibilityChanged);

        battery->click();
        QCOMPARE(signalsOf(spy), (QList<QVariantList>{{"Battery", false}}));
        spy.clear();

        panel.findChild<QGroupBox*>(QStringLiteral("TripLogGroup"))->setChecked(false);
        QCOMPARE(signalsOf(spy), (QList<QVariantList>{{"TripLogGroup", false}}));
        for (const QString& member : members) {
            QVERIFY2(!panel.isEnabled(member), qPrintable(member));
            QCOMPARE(panel.isTicked(member), member != QLatin1String("Battery"));
        }
        QVERIFY(panel.isEnabled(QStringLiteral("Charts")));
        QVERIFY(panel.isEnabled(QStringLiteral("FuelTab")));
        battery->click(); // a disabled box ignores the user
        QVERIFY(!panel.isTicked(QStringLiteral("Battery")));

        spy.clear();
        panel.setTicked(QStringLiteral("TripLogGroup"), true);
        QCOMPARE(signalsOf(spy), (QList<QVariantList>{{"TripLogGroup", true}}));
        for (const QString& member : members) {
            QVERIFY(panel.isEnabled(member));
            QCOMPARE(panel.isTicked(member), member != QLatin1String("Battery"));
        }
    }

    void metricShowsItsMessageOnlyAfterStartup()
    {
        Fixture fx;
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        panel.show();
        auto* metric = panel.findChild<QRadioButton*>(QStringLiteral("Metric"));
        auto* us = panel.findChild<QRadioButton*>(QStringLiteral("USStandard"));
        QCOMPARE(metric->text(), QStringLiteral("Metric"));
        QCOMPARE(us->text(), QStringLiteral("US Standard"));
        QSignalSpy spy(&panel, &PreferencesPanel::unitsChanged);

        panel.setMetric(true); // as restored while the main window is set up
        us->click();
        QVERIFY(fx.messages.shown().empty());

        panel.setStartupDone();
        fx.messages.expect(Answer::Ok,
                           "You may also need to run the desktop settings panel \"Region & "
                           "Language\" in order to have\r\ndates and other symbols display "
                           "correctly!");
        metric->click();
        QVERIFY(fx.messages.allAnswered());
        QCOMPARE(fx.messages.shown().front().kind, Messages::Kind::Information);
        us->click();
        QCOMPARE(fx.messages.shown().size(), size_t(1));
        QCOMPARE(signalsOf(spy), (QList<QVariantList>{{true}, {false}, {true}, {false}}));
        QVERIFY(!panel.metric());
    }

    void splashPicture_data()
    {
        QTest::addColumn<QByteArray>("content"); // "bmp" for a real picture
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("loads");

        QTest::newRow("picture") << QByteArray("bmp") << true << true;
        QTest::newRow("not a picture") << QByteArray("just some text") << true << false;
        QTest::newRow("cancelled") << QByteArray() << false << false;
    }

    void splashPicture()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, chosen);
        QFETCH(bool, loads);
        Fixture fx;
        fx.ini.IniWrite("Paths", "SplashPath", "/old/boat.jpg");
        const QString picture = fx.dir.filePath(QStringLiteral("My Boat.jpg"));
        if (content == "bmp") {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::blue);
            QVERIFY(image.save(picture, "BMP")); // a bitmap under a .jpg name still loads
        } else {
            test::writeFile(picture, content);
        }
        if (chosen)
            fx.files.answer(picture);
        if (chosen && !loads)
            fx.messages.expect(Answer::Ok, "Could not open splash picture!");

        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        QSignalSpy spy(&panel, &PreferencesPanel::splashPictureChanged);
        auto* button = panel.findChild<QPushButton*>(QStringLiteral("SetSplashBtn"));
        QCOMPARE(button->text(), QStringLiteral("Set Splash Pic"));
        button->click();

        QVERIFY(fx.messages.allAnswered());
        QCOMPARE(fx.ini.peek("Paths", "SplashPath"), chosen ? picture : "/old/boat.jpg");
        QCOMPARE(signalsOf(spy), loads ? QList<QVariantList>{{picture}} : QList<QVariantList>{});
        if (chosen && !loads)
            QCOMPARE(fx.messages.shown().front().kind, Messages::Kind::Warning);
    }

    void folderButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::newRow("pictures") << "SetPicDocBtn"
                                  << "Set Pic/Doc Dir"
                                  << "picDocPath";
        QTest::newRow("backups") << "SetBackupBtn"
                                 << "Set Backup Dir"
                                 << "backupPath";
    }

    void folderButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, key);
        Fixture fx;
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        auto* b = panel.findChild<QPushButton*>(button);
        QCOMPARE(b->text(), caption);

        fx.files.answer(QStringLiteral("/media/usb/boat files"));
        b->click();
        QCOMPARE(fx.ini.peek("Paths", key), QStringLiteral("/media/usb/boat files"));
        b->click(); // cancelled
        QCOMPARE(fx.ini.peek("Paths", key), QStringLiteral("/media/usb/boat files"));
    }

    void windowStateComesBackAsItWasSaved()
    {
        Fixture fx;
        const std::unique_ptr<QSettings> store = windowStateStore();
        store->clear();
        {
            PreferencesPanel panel(fx.messages, fx.files, fx.ini);
            panel.findChild<QCheckBox*>(QStringLiteral("FuelTab"))->click();
            panel.findChild<QCheckBox*>(QStringLiteral("Galley"))->click();
            panel.findChild<QCheckBox*>(QStringLiteral("WMLog"))->click();
            panel.setTicked(QStringLiteral("TripLogGroup"), false);
            panel.setTicked(QStringLiteral("PeopleLogGroup"), false);
            panel.setMetric(true);
            panel.setShowReminders(false);
            saveWindowState(panel, {QStringLiteral("Two"), QStringLiteral("Suppliers")});
        }
        // Per user, under the temporary home.
        const QString conf =
            test::home().path() + QLatin1String("/.config/Kelvane Software/Helmbook.conf");
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("Setup/Units").toString(),
                 QStringLiteral("Metric"));
        QCOMPARE(QSettings(conf, QSettings::IniFormat).value("DisplayPreferences/FuelTab"),
                 QVariant(false));

        // The next start: a new panel, changed again before the state is restored.
        fx.ini.IniWrite("FormInfo", "RemindFlag", "-1");
        PreferencesPanel panel(fx.messages, fx.files, fx.ini);
        panel.setTicked(QStringLiteral("MaintTab"), false);
        QSignalSpy visibility(&panel, &PreferencesPanel::visibilityChanged);
        QSignalSpy units(&panel, &PreferencesPanel::unitsChanged);
        QSignalSpy remind(&panel, &PreferencesPanel::remindFlagChanged);

        const SetupPageState pages = restoreWindowState(panel);
        QCOMPARE(pages.numberEngines, QStringLiteral("Two"));
        QCOMPARE(pages.lookupTable, QStringLiteral("Suppliers"));
        const QStringList unticked{"FuelTab", "Galley", "WMLog", "TripLogGroup", "PeopleLogGroup"};
        for (const QString& key : displayPrefKeys()) {
            QCOMPARE(panel.isTicked(key), !unticked.contains(key));
            // Every box is applied, so a listener sees each one.
            QVERIFY2(visibility.contains(QVariantList{key, panel.isTicked(key)}), qPrintable(key));
        }
        for (const QString& member : displayGroupMembers(QStringLiteral("TripLogGroup")))
            QVERIFY(!panel.isEnabled(member));
        QVERIFY(panel.isEnabled(QStringLiteral("Galley")));
        QVERIFY(panel.metric());
        QCOMPARE(signalsOf(units), (QList<QVariantList>{{true}}));
        QVERIFY(!panel.showReminders());
        QCOMPARE(signalsOf(remind), (QList<QVariantList>{{false}}));
        QCOMPARE(fx.ini.peek("FormInfo", "RemindFlag"), QStringLiteral("0"));
        QVERIFY(fx.messages.shown().empty()); // startup: no units message
    }

    void savePreferencesNeedsALog()
    {
        Fixture fx;
        const QString backup = fx.dir.filePath(QStringLiteral("HbINIBU.ini"));
        bool called = false;
        PreferencesActions actions;
        actions.saveWindowState = [&] { called = true; };
        actions.busy = [&](bool) { called = true; };
        QVERIFY(!savePreferences(fx.ini, fx.messages, backup, actions).has_value());
        QVERIFY(!called);
        QVERIFY(!QFile::exists(backup));
    }

    void saveThenRestorePreferences()
    {
        Fixture fx;
        const QString backup = preferencesBackupPath();
        QCOMPARE(backup, test::home().documents() + QLatin1String("/HbINIBU.ini"));
        QFile::remove(backup);
        QVERIFY(!preferencesBackupExists(backup));
        // Copied as bytes: line ends and the comment stay as they are.
        const QByteArray saved = "; mine\r\n[Paths]\r\nDBPath=/logs/Sea Otter.mdb\r\n"
                                 "SplashPath=/pics/otter.jpg\r\n[Backup]\r\nrunCount=3\r\n";
        test::writeFile(fx.iniPath, saved);

        QStringList steps;
        PreferencesActions actions;
        actions.busy = [&](bool on) { steps << (on ? "busy" : "normal"); };
        actions.saveWindowState = [&] { steps << "save state"; };
        actions.restoreWindowState = [&] { steps << "restore state"; };
        actions.showSplash = [&](const QString& path) { steps << "splash " + path; };

        fx.messages.expect(Answer::Ok, "Your preferences have been saved!");
        QCOMPARE(savePreferences(fx.ini, fx.messages, backup, actions), std::optional<bool>(true));
        QCOMPARE(test::readFile(backup), saved);
        QCOMPARE(steps, (QStringList{"busy", "save state", "normal"}));
        QVERIFY(preferencesBackupExists(backup));

        fx.ini.IniWrite("Paths", "SplashPath", "/pics/another boat.jpg");
        fx.ini.IniWrite("Backup", "runCount", "0");
        steps.clear();
        fx.messages.expect(Answer::Ok, "Your preferences have been restored!");
        QVERIFY(restorePreferences(fx.ini, fx.messages, backup, actions));
        QCOMPARE(test::readFile(fx.iniPath), saved);
        QCOMPARE(fx.ini.IniRead("Backup", "runCount", "0"), QStringLiteral("3"));
        QCOMPARE(steps, (QStringList{"busy", "normal", "restore state", "splash /pics/otter.jpg"}));
        QVERIFY(fx.messages.allAnswered());
        QCOMPARE(fx.messages.shown().back().kind, Messages::Kind::Information);
    }

    void failedCopiesChangeNothing()
    {
        Fixture fx;
        const QByteArray settings = "[Paths]\nDBPath=/logs/Sea Otter.mdb\n";
        test::writeFile(fx.iniPath, settings);
        int restored = 0;
        PreferencesActions actions;
        actions.restoreWindowState = [&] { ++restored; };

        // The backup has gone since the program started.
        const QString gone = fx.dir.filePath(QStringLiteral("HbINIBU.ini"));
        fx.messages.expect(Answer::Ok,
                           "Error trying to restore preferences, the file may be currently in "
                           "use!");
        QVERIFY(!restorePreferences(fx.ini, fx.messages, gone, actions));
        QCOMPARE(fx.messages.shown().back().kind, Messages::Kind::Error);
        QCOMPARE(test::readFile(fx.iniPath), settings);
        QCOMPARE(restored, 0);

        // A backup that cannot be written.
        const QString blocked = fx.dir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked + QLatin1String("/HbINIBU.ini")));
        fx.messages.expect(Answer::Ok,
                           "Error trying to backup preferences, the file may be currently in use!");
        QCOMPARE(
            savePreferences(fx.ini, fx.messages, blocked + QLatin1String("/HbINIBU.ini"), actions),
            std::optional<bool>(false));
        QCOMPARE(test::readFile(fx.iniPath), settings);
        QVERIFY(fx.messages.allAnswered());
    }
};

HB_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
