#pragma once

#include "app/Pages.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QStackedWidget;
class QToolBar;

namespace hb {

class Clock;
class CoverPage;
class SetupPage;
class FileDialogs;
class HelpWindow;
class PreferencesPanel;
class Formats;
class IniFile;
class LogDialogs;
class LogSession;
class Messages;
class Shell;
class ReportPrinter;
namespace reports {
class ReportService;
}

// The main window: the page area without tabs, the menu, the tool bar and the status bar. It
// owns the log session for the whole run and calls its operations from the menus.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    struct Services
    {
        Messages& messages;
        FileDialogs& fileDialogs;
        LogDialogs& logDialogs;
        Clock& clock;
        Shell& shell;
    };

    MainWindow(const Services& services, IniFile& settings, const QString& dataFolder,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    LogSession& session() { return *m_session; }
    const Formats& formats() const { return *m_formats; }
    // Prints the pages' reports; the pages get it through their context.
    ReportPrinter& reportPrinter();

    // The cover page's first show: the locale formats, the log, the start-up alerts. False
    // when the program was ended on the way (no log to work on).
    bool start();

    void showPage(Page page);
    void showSetup(SubPage sub);
    Page currentPage() const { return m_current; }
    QWidget* pageWidget(Page page) const { return m_pages.value(page); }
    // Actions by object name ("New1", "Quit1", "TripBtn", ...), for the window's own wiring
    // and for tests.
    QAction* action(const QString& name) const;
    QString statusText() const;
    PreferencesPanel& preferences() { return *m_prefs; }
    bool metric() const { return m_metric; }

    // Runs when the cover page is shown and the reminder check is on: the start-up alerts.
    std::function<void()> startupAlertCheck;
    // Whether the program ends when the window closes (tests keep their process).
    bool quitOnClose = true;

    void Quit1Click();
    // The backup command; a backup that counts as done starts the quit count again.
    void backup();
    void bringToFront();
    // Opens the help window at a topic ("logs", "logs#wizard"); "contents" for its contents.
    void showHelp(const QString& topic);

Q_SIGNALS:
    void pageShown(hb::Page page);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPages();
    void buildMenus();
    void buildToolBar();
    QAction* makeAction(const QString& name, const QString& text, const QString& hint,
                        const QKeySequence& shortcut, std::function<void()> run);
    void coverPageShown();
    void mainWindowShown();
    void importData();
    void checkForUpdates();
    void setAutoCheck(bool on);
    void about();
    void endProgram();
    void setStatusText(const QString& text);
    void buildPreferences();
    void applyVisibility(const QString& key, bool visible);
    void savePrefs();
    void restorePrefs();

    Services m_s;
    IniFile& m_settings;
    QString m_dataFolder;
    std::unique_ptr<Formats> m_formats;
    std::unique_ptr<LogSession> m_session;
    std::unique_ptr<reports::ReportService> m_reports;
    QStackedWidget* m_stack = nullptr;
    CoverPage* m_cover = nullptr;
    SetupPage* m_setup = nullptr;
    QHash<Page, QWidget*> m_pages;
    QHash<QString, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    HelpWindow* m_help = nullptr;
    PreferencesPanel* m_prefs = nullptr;
    QString m_numberEngines; // kept for the vessel setup page
    QString m_lookupTable;   // kept for the lookup editor
    bool m_metric = false;   // the distance-units flag
    QLabel* m_status = nullptr;
    Page m_current = Page::Helmbk;
    int m_runCount = 0;
    bool m_started = false;
    bool m_shownOnce = false;
    bool m_ending = false;
    bool m_quitDone = false;
};

} // namespace hb
