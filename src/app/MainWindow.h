#pragma once

#include "pages/PageHost.h"
#include "pages/Pages.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QPushButton;
class QLabel;
class QStackedWidget;
class QToolBar;

namespace hb {

class Clock;
class CoverPage;
class SetupPage;
class TripPage;
class FileDialogs;
class HelpWindow;
class PreferencesPanel;
class Formats;
class IniFile;
class LogDialogs;
class LogSession;
class Messages;
class Shell;
class SearchDialogs;
class PageRegistry;
struct AppContext;
struct PageContext;
class ReportPrinter;
namespace reports {
class ReportService;
}

// The main window: the page area without tabs, the menu, the tool bar and the status bar. It
// owns the log session for the whole run and calls its operations from the menus. It hosts the
// pages: it owns the search-active flag and moves between pages by the search rule, the leave
// step of the page left, opening the log when needed, and the show step of the page shown.
// Every command runs guarded: an error ends the command with its text shown.
class MainWindow : public QMainWindow, public PageHost
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
        SearchDialogs* searchDialogs = nullptr; // none: the search window on screen
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

    // PageHost
    bool searchActive() const override { return m_searchActive; }
    void setSearchActive(bool active) override { m_searchActive = active; }
    void showSearchButtons(bool searching) override;
    void setStatusText(const QString& text) override;
    void showPage(Page page) override;
    bool metric() const override { return m_metric; }

    void showSetup(SubPage sub);
    Page currentPage() const { return m_current; }
    QWidget* pageWidget(Page page) const { return m_pages.value(page); }
    HostedPage* hostedPage(Page page) const { return m_hosted.value(page); }
    // The search rule: while a search is active, says so and returns false.
    bool searchRule();
    static const QString SearchRuleText;
    // The context every page gets.
    AppContext& context() { return *m_context; }
    // Actions by object name ("New1", "Quit1", "TripBtn", ...), for the window's own wiring
    // and for tests.
    QAction* action(const QString& name) const;
    QString statusText() const;
    PreferencesPanel& preferences() { return *m_prefs; }

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
    // Runs before a command that closes or copies the log: the search rule and the leave step.
    bool readyForLogCommand();
    void offerSearch(bool offered);
    void searchCommand();
    void cancelSearchCommand();
    void buildPreferences();
    // The number of engines and the lookup editor's table from the window state.
    void applySetupState();
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
    QHash<Page, HostedPage*> m_hosted;
    std::vector<std::unique_ptr<HostedPage>> m_ownedPages;
    std::unique_ptr<SearchDialogs> m_ownSearchDialogs;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<PageContext> m_pageContext;
    QPushButton* m_watchButton = nullptr;
    QMultiHash<QString, QPushButton*> m_leadButtons; // by the page they lead to
    bool m_searchActive = false;
    bool m_searchOffered = false;
    QHash<QString, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    HelpWindow* m_help = nullptr;
    PreferencesPanel* m_prefs = nullptr;
    QString m_numberEngines; // kept for the vessel setup page
    TripPage* m_tripPage = nullptr;
    QString m_lookupTable; // kept for the lookup editor
    bool m_metric = false; // the distance-units flag
    QLabel* m_status = nullptr;
    Page m_current = Page::Helmbk;
    int m_runCount = 0;
    bool m_started = false;
    bool m_shownOnce = false;
    bool m_ending = false;
    bool m_quitDone = false;
};

} // namespace hb
