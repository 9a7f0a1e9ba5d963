#include "logdb/dialogs/QtLogDialogs.h"

#include "TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace hb;

namespace {

struct FileDialogCall
{
    QString caption, folder, filter;
};

// Scripted answers, remembering what each dialog was asked with.
class RecordingFileDialogs : public test::ScriptedFileDialogs
{
public:
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override
    {
        calls.push_back({caption, folder, filter});
        return ScriptedFileDialogs::openFile(caption, folder, filter);
    }
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override
    {
        calls.push_back({caption, folder, filter});
        return ScriptedFileDialogs::saveFile(caption, folder, filter);
    }
    std::vector<FileDialogCall> calls;
};

// Runs `step` on the modal dialog as soon as it is shown. A failing step closes the dialog so
// the test does not hang in its event loop.
void onDialog(std::function<void(QDialog*)> step)
{
    QTimer::singleShot(0, qApp, [step] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTest::qFail("no modal dialog is shown", __FILE__, __LINE__);
            return;
        }
        step(dialog);
        if (QTest::currentTestFailed() && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
}

template <class T = QAbstractButton> T* child(QDialog* dialog, const char* name)
{
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    if (!widget)
        QTest::qFail(qPrintable(QStringLiteral("no widget named ") + QLatin1String(name)), __FILE__,
                     __LINE__);
    return widget;
}

void pressKey(QDialog* dialog, Qt::Key key)
{
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}

enum class Which { MissingLog, NewLogInformation, OpenLogWarning, Wizard, StructureUpdate, Hours };

void open(QtLogDialogs& dialogs, Which which)
{
    switch (which) {
    case Which::MissingLog:
        dialogs.missingLog();
        break;
    case Which::NewLogInformation:
        dialogs.newLogInformation();
        break;
    case Which::OpenLogWarning:
        dialogs.openLogWarning();
        break;
    case Which::Wizard:
        dialogs.newLogWizard();
        break;
    case Which::StructureUpdate:
        dialogs.structureUpdate(QStringLiteral("Adds the column Pics."), [] { return true; });
        break;
    case Which::Hours:
        dialogs.startingHours(QDate(2026, 6, 15));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Which)

class LogDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionsAndTexts_data();
    void captionsAndTexts();
    void missingLogLoadsOrGoesBlank();
    void missingLogClosesWhenItLosesTheFocus();
    void notices_data();
    void notices();
    void wizard_data();
    void wizard();
    void wizardHelpAndCancel();
    void structureUpdateSkipIsConfirmed();
    void startingHours();
    void busyNests();
};

void LogDialogsTest::captionsAndTexts_data()
{
    QTest::addColumn<Which>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("missing log")
        << Which::MissingLog << "Missing Default Log"
        << QStringList{"The Keelnote program was unable to find the default log to load!",
                       "Please click the LOAD button below to find and load your log file.",
                       "If there are no longer any logs to load for some reason, click the "
                       "'Create Blank Log' button and the program will create a new blank log for "
                       "you to use!"}
        << QStringList{"Create Blank Log", "Load"};
    QTest::newRow("new log information")
        << Which::NewLogInformation << "Information!"
        << QStringList{"If you plan to import old log data from the Keelnote program, please do "
                       "this before you enter any new data into your new log or unpredictable "
                       "results may occur!",
                       "After importing the old log data you should still review the various logs "
                       "as many fields have been added to logs you are familiar with.",
                       "If you are NOT importing old data, you can ignore this message."}
        << QStringList{"Don't Show This Again", "OK"};
    QTest::newRow("open log warning")
        << Which::OpenLogWarning << "Important!"
        << QStringList{"The Helmbook program will NOT directly open logs from our other program, "
                       "Keelnote.",
                       " If you want to use data that you have already entered with Keelnote you "
                       "will need to use the \"Import Old Logs\" option from the Wizards menu.",
                       "Click OK to continue and open your log, Click Cancel to abort this "
                       "operation.",
                       "If you are NOT importing old data you can ignore this message!"}
        << QStringList{"Cancel", "Don't Show This Again", "OK"};
    QTest::newRow("wizard") << Which::Wizard << "Create Log Wizard"
                            << QStringList{"New Log Name?", "New Log Location?"}
                            << QStringList{"Browse",
                                           "Cancel",
                                           "Help",
                                           "Keep Basic Lookup Tables",
                                           "Load Log After Completion",
                                           "OK",
                                           "Setup Genset-Water Maker Hrs"};
    QTest::newRow("structure update")
        << Which::StructureUpdate << "Log Database Structure Update"
        << QStringList{"The structure of the log database that you are attempting to load needs "
                       "to be updated to work with this version of the program.\n\n  A short "
                       "description of the proposed changes are shown below.  A copy of your "
                       "current log database will be made before making any changes!"}
        << QStringList{"Perform the Update", "Skip the Update"};
    QTest::newRow("starting hours") << Which::Hours << "GenSet/WM Starting Hours"
                                    << QStringList{"Setting Date", "GenSet 1 Start Hours",
                                                   "GenSet 2 Start Hours", "Wate Maker Start Hours"}
                                    << QStringList{"Cancel", "Set Start Hours"};
}

void LogDialogsTest::captionsAndTexts()
{
    QFETCH(Which, which);
    QFETCH(QString, caption);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, buttons);

    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);
    bool seen = false;
    onDialog([&](QDialog* dialog) {
        seen = true;
        QCOMPARE(dialog->windowTitle(), caption);
        QStringList shown;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            shown << label->text();
        for (const QString& text : texts)
            QVERIFY2(shown.contains(text), qPrintable(text));
        QStringList buttonTexts;
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            buttonTexts << button->text();
        buttonTexts.sort();
        QCOMPARE(buttonTexts, buttons);
        dialog->done(QDialog::Rejected);
    });
    open(dialogs, which);
    QVERIFY(seen);
}

void LogDialogsTest::missingLogLoadsOrGoesBlank()
{
    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);

    // A cancelled "Load" keeps the dialog open; the next one closes it with the file.
    files.answer(QString());
    files.answer(QStringLiteral("/logs/Vezeriz.mdb"));
    onDialog([](QDialog* dialog) {
        QAbstractButton* load = child(dialog, "LoadBtn");
        QVERIFY(load);
        QVERIFY(static_cast<QPushButton*>(load)->isDefault());
        load->click();
        QVERIFY(dialog->isVisible());
        pressKey(dialog, Qt::Key_Return);
    });
    QCOMPARE(dialogs.missingLog(), QStringLiteral("/logs/Vezeriz.mdb"));
    QCOMPARE(files.calls.size(), size_t(2));
    QCOMPARE(files.calls[0].folder, QCoreApplication::applicationDirPath());
    QCOMPARE(files.calls[0].filter, QStringLiteral("Helmbook log (*.mdb)"));

    onDialog([](QDialog* dialog) { child(dialog, "BlankBtn")->click(); });
    QCOMPARE(dialogs.missingLog(), QString());
    onDialog([](QDialog* dialog) { pressKey(dialog, Qt::Key_Escape); });
    QCOMPARE(dialogs.missingLog(), QString());
}

void LogDialogsTest::missingLogClosesWhenItLosesTheFocus()
{
    // A file dialog of its own takes the focus without closing it.
    class ChildFileDialog : public test::ScriptedFileDialogs
    {
    public:
        QString openFile(const QString&, const QString&, const QString&) override
        {
            QWidget* missing = QApplication::activeModalWidget();
            QDialog chooser(missing);
            QTimer::singleShot(0, &chooser, [&] {
                if (QTest::qWaitFor([&] { return QApplication::activeWindow() == &chooser; }))
                    missingStayedOpen = missing->isVisible() && !missing->isActiveWindow();
                chooser.accept();
            });
            chooser.exec();
            return QStringLiteral("/logs/Chosen.mdb");
        }
        bool missingStayedOpen = false;
    } childFiles;
    QtLogDialogs withChild(childFiles);
    onDialog([](QDialog* dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        child(dialog, "LoadBtn")->click();
    });
    QCOMPARE(withChild.missingLog(), QStringLiteral("/logs/Chosen.mdb"));
    QVERIFY(childFiles.missingStayedOpen);

    // Another window taking the focus closes it with no path.
    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);
    QWidget other;
    onDialog([&](QDialog* dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!dialog->isVisible());
    });
    QCOMPARE(dialogs.missingLog(), QString());
    QVERIFY(files.calls.empty());
}

void LogDialogsTest::notices_data()
{
    QTest::addColumn<Which>("which");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ok");

    QTest::newRow("information, ticked")
        << Which::NewLogInformation << true << int(Qt::Key_Return) << true;
    QTest::newRow("information, Escape")
        << Which::NewLogInformation << false << int(Qt::Key_Escape) << false;
    QTest::newRow("warning, ticked, OK")
        << Which::OpenLogWarning << true << int(Qt::Key_Return) << true;
    QTest::newRow("warning, Cancel") << Which::OpenLogWarning << false << 0 << false;
    QTest::newRow("warning, ticked, Escape")
        << Which::OpenLogWarning << true << int(Qt::Key_Escape) << false;
}

void LogDialogsTest::notices()
{
    QFETCH(Which, which);
    QFETCH(bool, tick);
    QFETCH(int, key);
    QFETCH(bool, ok);

    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);
    onDialog([&](QDialog* dialog) {
        QCheckBox* dontShow = child<QCheckBox>(dialog, "DontShowChk");
        QVERIFY(dontShow && !dontShow->isChecked());
        if (tick)
            dontShow->click();
        if (key)
            pressKey(dialog, Qt::Key(key));
        else
            child(dialog, "CancelBtn")->click();
    });
    if (which == Which::NewLogInformation) {
        QCOMPARE(dialogs.newLogInformation(), tick);
    } else {
        const LogDialogs::OpenWarning answer = dialogs.openLogWarning();
        QCOMPARE(answer.ok, ok);
        QCOMPARE(answer.dontShowAgain, tick);
    }
}

void LogDialogsTest::wizard_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QStringList>("ticks");

    QTest::newRow("no ending") << "/logs/Vezeriz"
                               << "/logs/Vezeriz.mdb" << QStringList{};
    QTest::newRow("ending kept") << "/logs/Vezeriz.mdb"
                                 << "/logs/Vezeriz.mdb"
                                 << QStringList{"LoadLogChk", "KeepLookupsChk", "SetupHrsChk"};
    QTest::newRow("capital ending") << "/logs/Vezeriz.MDB"
                                    << "/logs/Vezeriz.MDB.mdb" << QStringList{"KeepLookupsChk"};
    QTest::newRow("other ending") << "/logs/Vezeriz.md"
                                  << "/logs/Vezeriz.md.mdb" << QStringList{"SetupHrsChk"};
}

void LogDialogsTest::wizard()
{
    QFETCH(QString, chosen);
    QFETCH(QString, location);
    QFETCH(QStringList, ticks);

    RecordingFileDialogs files;
    files.answer(chosen);
    QtLogDialogs dialogs(files);
    onDialog([&](QDialog* dialog) {
        QAbstractButton* ok = child(dialog, "OKBtn");
        QLineEdit* shown = child<QLineEdit>(dialog, "LogLoc");
        QVERIFY(ok && shown);
        QVERIFY(!ok->isEnabled());
        QVERIFY(shown->isReadOnly());
        for (const char* box : {"LoadLogChk", "KeepLookupsChk", "SetupHrsChk"})
            QVERIFY(!child<QCheckBox>(dialog, box)->isChecked());
        for (const QString& box : ticks)
            child<QCheckBox>(dialog, qPrintable(box))->click();

        // Typing the name and Enter browses; Enter again completes.
        QTest::keyClicks(child<QLineEdit>(dialog, "LogName"), QStringLiteral("Vezeriz"));
        pressKey(dialog, Qt::Key_Return);
        QCOMPARE(shown->text(), location);
        QVERIFY(ok->isEnabled());
        pressKey(dialog, Qt::Key_Return);
    });
    const std::optional<LogDialogs::WizardChoice> choice = dialogs.newLogWizard();
    QVERIFY(choice);
    QCOMPARE(choice->location, location);
    QCOMPARE(choice->loadAfter, ticks.contains("LoadLogChk"));
    QCOMPARE(choice->keepLookups, ticks.contains("KeepLookupsChk"));
    QCOMPARE(choice->setupHours, ticks.contains("SetupHrsChk"));
    QCOMPARE(files.calls.size(), size_t(1));
    QVERIFY2(files.calls[0].folder.endsWith(QLatin1String("/Vezeriz")),
             qPrintable(files.calls[0].folder));
    QCOMPARE(files.calls[0].filter, QStringLiteral("Helmbook log (*.mdb)"));
}

void LogDialogsTest::wizardHelpAndCancel()
{
    RecordingFileDialogs files;
    files.answer(QStringLiteral("/logs/Vezeriz.mdb"));
    QtLogDialogs dialogs(files);
    std::vector<int> topics;
    dialogs.helpRequested = [&](int topic) { topics.push_back(topic); };

    // Help leaves the wizard open; Cancel returns nothing even with a location chosen.
    onDialog([&](QDialog* dialog) {
        child(dialog, "HelpBtn")->click();
        QVERIFY(dialog->isVisible());
        child(dialog, "BrowseBtn")->click();
        QVERIFY(child(dialog, "OKBtn")->isEnabled());
        child(dialog, "CancelBtn")->click();
    });
    QVERIFY(!dialogs.newLogWizard());
    QCOMPARE(topics, std::vector<int>{220});
}

void LogDialogsTest::structureUpdateSkipIsConfirmed()
{
    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);
    int asked = 0;
    bool skip = false;
    const auto confirmSkip = [&] {
        ++asked;
        return skip;
    };

    // Refused twice (button, Escape), then Enter performs the update.
    onDialog([](QDialog* dialog) {
        auto* description = child<QPlainTextEdit>(dialog, "StructDesc");
        QVERIFY(description);
        QVERIFY(description->isReadOnly());
        QCOMPARE(description->toPlainText(), QStringLiteral("Adds Pics.\nMoves pictures."));
        child(dialog, "SkipBtn")->click();
        QVERIFY(dialog->isVisible());
        pressKey(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        pressKey(dialog, Qt::Key_Return);
    });
    QVERIFY(dialogs.structureUpdate(QStringLiteral("Adds Pics.\r\nMoves pictures."), confirmSkip));
    QCOMPARE(asked, 2);

    skip = true;
    onDialog([](QDialog* dialog) { child(dialog, "SkipBtn")->click(); });
    QVERIFY(!dialogs.structureUpdate(QStringLiteral("Adds Pics."), confirmSkip));
    QCOMPARE(asked, 3);
}

void LogDialogsTest::startingHours()
{
    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);
    const QDate today(2026, 6, 15);

    onDialog([&](QDialog* dialog) {
        auto* date = child<QDateEdit>(dialog, "SetDate");
        QVERIFY(date);
        QCOMPARE(date->date(), today);
        date->setDate(QDate(2026, 5, 1));
        // Digits only, five at most.
        QTest::keyClicks(child<QLineEdit>(dialog, "Gen1Hrs"), QStringLiteral("1a5-0.0999"));
        QCOMPARE(child<QLineEdit>(dialog, "Gen1Hrs")->text(), QStringLiteral("15009"));
        QTest::keyClicks(child<QLineEdit>(dialog, "WMHrs"), QStringLiteral("40"));
        pressKey(dialog, Qt::Key_Return);
    });
    const std::optional<LogDialogs::StartingHours> hours = dialogs.startingHours(today);
    QVERIFY(hours);
    QCOMPARE(hours->date, QDate(2026, 5, 1));
    QCOMPARE(hours->gen1, std::optional<double>(15009));
    QCOMPARE(hours->gen2, std::optional<double>());
    QCOMPARE(hours->waterMaker, std::optional<double>(40));

    onDialog([](QDialog* dialog) {
        QTest::keyClicks(child<QLineEdit>(dialog, "Gen2Hrs"), QStringLiteral("12"));
        child(dialog, "CancelBtn")->click();
    });
    QVERIFY(!dialogs.startingHours(today));
}

void LogDialogsTest::busyNests()
{
    RecordingFileDialogs files;
    QtLogDialogs dialogs(files);
    const auto busyWindows = [] {
        QList<QWidget*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("BusyWindow") && widget->isVisible())
                shown << widget;
        }
        return shown;
    };

    dialogs.busy(false); // unmatched: nothing to undo
    QVERIFY(!QApplication::overrideCursor());

    dialogs.busy(true, QStringLiteral("Copying Lookup Tables"));
    dialogs.busy(true);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QList<QWidget*> shown = busyWindows();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0]->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(shown[0]->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    auto* line = shown[0]->findChild<QLabel*>();
    QCOMPARE(line->text(), QStringLiteral("Copying Lookup Tables"));
    QVERIFY(line->font().bold());

    dialogs.busy(false);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(busyWindows().size(), 1);
    dialogs.busy(false);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(busyWindows().isEmpty());

    // Left busy, the dialogs restore the cursor when they go.
    {
        QtLogDialogs leftBusy(files);
        leftBusy.busy(true, QStringLiteral("Backing Up Log"));
    }
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(busyWindows().isEmpty());
}

HB_TEST_MAIN(LogDialogsTest)
#include "tst_logdialogs.moc"
