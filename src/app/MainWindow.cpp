#include "app/MainWindow.h"

#include "app/CoverPage.h"
#include "app/LogPages.h"
#include "app/PlaceholderPage.h"
#include "app/SetupPage.h"
#include "app/VesselSetup.h"
#include "app/help/ContextHelp.h"
#include "app/help/HelpWindow.h"
#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/LogSession.h"
#include "logdb/ProgStruct.h"
#include "machinery/StartingHours.h"
#include "nav/TripPage.h"
#include "pages/CommandGuard.h"
#include "pages/PageContext.h"
#include "pages/PageRegistry.h"
#include "pages/SearchForm.h"
#include "reports/ReportService.h"
#include "reports/ReportWindows.h"
#include "settings/Autostart.h"
#include "settings/DisplayPrefs.h"
#include "settings/IniFile.h"
#include "settings/PreferencesBackup.h"
#include "settings/PreferencesPanel.h"
#include "settings/RemindFlag.h"
#include "settings/WindowState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace hb {

namespace {

const QString Later = QStringLiteral("This comes in a later version of Helmbook.");

// A page that is only a widget: the cover, the setup page and the pages to come.
class WidgetPage : public HostedPage
{
public:
    explicit WidgetPage(QWidget* widget) : m_widget(widget) {}
    QWidget* widget() override { return m_widget; }

private:
    QWidget* m_widget;
};

// The setup page is hosted as it is; the main window keeps ownership through the stack.
class SetupHost : public HostedPage
{
public:
    explicit SetupHost(SetupPage* page) : m_page(page) {}
    QWidget* widget() override { return m_page; }
    bool leaveStep() override { return m_page->leaveStep(); }
    void showStep() override { m_page->showStep(); }

private:
    SetupPage* m_page;
};

QIcon themed(const char* name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(name),
                            QApplication::style()->standardIcon(fallback));
}

} // namespace

MainWindow::MainWindow(const Services& services, IniFile& settings, const QString& dataFolder,
                       QWidget* parent)
    : QMainWindow(parent), m_s(services), m_settings(settings), m_dataFolder(dataFolder),
      m_formats(std::make_unique<Formats>())
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Helmbook"));
    // A settings file that cannot be saved, or was found damaged, is told once.
    m_settings.setProblemHandler([this](const QString& text) { m_s.messages.error(text); });
    m_session = std::make_unique<LogSession>(LogSession::Services{m_s.messages, m_s.fileDialogs,
                                                                  m_s.logDialogs, m_s.clock,
                                                                  m_settings, *m_formats},
                                             m_dataFolder);
    m_session->writeStartingHours = writeStartingHours;
    m_reports = std::make_unique<reports::ReportService>(
        reports::ReportService::Services{m_s.messages, m_s.fileDialogs, m_s.clock, *m_formats},
        [this]() -> LogConnection* {
            // A log that is open is used as it is: opening it again would close the pages'
            // record sets, and a row being edited with them.
            if (m_session->connection().isOpen())
                return &m_session->connection();
            return m_session->ensureOpen() ? &m_session->connection() : nullptr;
        },
        this);
    m_reports->coverPicture = CoverPage::builtInPicture(QSize(720, 450)).toImage();
    if (!m_s.searchDialogs)
        m_ownSearchDialogs = std::make_unique<QtSearchDialogs>();
    m_context = std::make_unique<AppContext>(AppContext{m_s.messages, m_s.fileDialogs, m_s.clock,
                                                        m_s.shell, m_settings, *m_formats,
                                                        &m_session->connection(), m_reports.get()});
    m_pageContext = std::make_unique<PageContext>(PageContext{
        *m_context, *this, m_s.searchDialogs ? *m_s.searchDialogs : *m_ownSearchDialogs});
    connect(m_session.get(), &LogSession::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_session.get(), &LogSession::statusMessage, this, &MainWindow::setStatusText);
    // After a failed open the cover page is shown with the log closed; the next page asked
    // for opens it again.
    connect(m_session.get(), &LogSession::coverPageRequested, this, [this] {
        m_current = Page::Helmbk;
        m_stack->setCurrentWidget(m_cover);
        offerSearch(false);
        Q_EMIT pageShown(Page::Helmbk);
    });
    connect(m_session.get(), &LogSession::endProgram, this, &MainWindow::endProgram);
    connect(m_session.get(), &LogSession::logOpened, this, [this] {
        runCommand(m_s.messages, [this] {
            // The watch page needs a trip to write into.
            if (m_watchButton)
                m_watchButton->setEnabled(m_session->tripLogHasRows());
            if (m_cover && m_session->boatInfo().isOpen() && !m_session->boatInfo().isEmpty())
                m_cover->setVesselName(m_session->boatInfo().text(QStringLiteral("VesName")));
        });
    });

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("StatusPanel1"));
    statusBar()->addWidget(m_status, 1);
    buildPages();
    buildMenus();
    buildToolBar();
    buildPreferences();
    resize(1024, 720);
}

ReportPrinter& MainWindow::reportPrinter()
{
    return *m_reports;
}

MainWindow::~MainWindow()
{
    m_settings.setProblemHandler(nullptr);
    // The window state is kept when the window goes, as the user left it.
    if (m_shownOnce)
        saveWindowState(*m_prefs, SetupPageState{m_numberEngines, m_lookupTable});
    // The setup page's record sets work on the session's log: they go before the session.
    delete m_setup;
    m_setup = nullptr;
}

void MainWindow::buildPreferences()
{
    m_prefs = new PreferencesPanel(m_s.messages, m_s.fileDialogs, m_settings);
    m_setup->setPreferences(m_prefs);
    connect(m_prefs, &PreferencesPanel::visibilityChanged, this, &MainWindow::applyVisibility);
    connect(m_prefs, &PreferencesPanel::unitsChanged, this,
            [this](bool metric) { m_metric = metric; });
    connect(m_prefs, &PreferencesPanel::splashPictureChanged, this,
            [this](const QString& path) { m_cover->setPicture(path); });
    m_metric = m_prefs->metric();
}

void MainWindow::applyVisibility(const QString& key, bool visible)
{
    // The tool bar buttons of the display preferences, and every button on the pages that
    // leads to the preference's page (named after its key).
    static const QHash<QString, QString> toolButtons = {
        {QLatin1String(DisplayKey::TripLogGroup), QStringLiteral("TripBtn")},
        {QLatin1String(DisplayKey::InvLogGroup), QStringLiteral("InvBtn")},
        {QLatin1String(DisplayKey::PeopleLogGroup), QStringLiteral("PeopleBtn")},
        {QLatin1String(DisplayKey::MaintTab), QStringLiteral("MaintBtn")},
        {QLatin1String(DisplayKey::FuelTab), QStringLiteral("FuelBtn")},
        {QLatin1String(DisplayKey::ProjTab), QStringLiteral("ProjBtn")},
        {QLatin1String(DisplayKey::ShopList), QStringLiteral("ShopBtn")},
        {QLatin1String(DisplayKey::Reminders), QStringLiteral("RemindBtn")},
        {QLatin1String(DisplayKey::Expense), QStringLiteral("ExpenseBtn")},
    };
    if (QAction* tool = action(toolButtons.value(key)))
        tool->setVisible(visible);
    for (QPushButton* button : m_leadButtons.values(key))
        button->setVisible(visible);
}

namespace {

void busyCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace

void MainWindow::savePrefs()
{
    const PreferencesActions actions{
        busyCursor,
        [this] {
            saveWindowState(*m_prefs, SetupPageState{m_numberEngines, m_lookupTable});
        },
        {},
        {}};
    if (const auto enable =
            savePreferences(m_settings, m_s.messages, preferencesBackupPath(), actions))
        action(QStringLiteral("RestorePrefs1"))->setEnabled(*enable);
}

void MainWindow::restorePrefs()
{
    const PreferencesActions actions{busyCursor,
                                     {},
                                     [this] {
                                         const SetupPageState pages = restoreWindowState(*m_prefs);
                                         m_numberEngines = pages.numberEngines;
                                         m_lookupTable = pages.lookupTable;
                                         applySetupState();
                                     },
                                     [this](const QString& path) { m_cover->setPicture(path); }};
    const bool enable =
        restorePreferences(m_settings, m_s.messages, preferencesBackupPath(), actions);
    // The restored file may say otherwise about the automatic check and the reminders.
    const bool autoCheck =
        m_settings.peek(QStringLiteral("Flags"), QStringLiteral("AppCheck")) == QLatin1String("Y");
    action(QStringLiteral("AutoCheckOn1"))->setChecked(autoCheck);
    action(QStringLiteral("AutoCheckOff1"))->setChecked(!autoCheck);
    action(QStringLiteral("RemindersSU1"))->setChecked(remindersAtStartup(m_settings));
    action(QStringLiteral("RestorePrefs1"))->setEnabled(enable);
}

QAction* MainWindow::makeAction(const QString& name, const QString& text, const QString& hint,
                                const QKeySequence& shortcut, std::function<void()> run)
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (!hint.isEmpty())
        a->setToolTip(hint); // not a status tip: the status bar keeps the page's text
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this,
            [this, run = std::move(run)] { runCommand(m_s.messages, run); });
    m_actions.insert(name, a);
    return a;
}

QAction* MainWindow::action(const QString& name) const
{
    return m_actions.value(name);
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

void MainWindow::setStatusText(const QString& text)
{
    m_status->setText(text);
}

void MainWindow::buildPages()
{
    m_stack = new QStackedWidget;
    setCentralWidget(m_stack);
    m_cover = new CoverPage;
    const PageRegistry registry = logPageRegistry();
    QHash<Page, PlaceholderPage*> placeholders;
    for (const PageInfo& info : pageTable()) {
        std::unique_ptr<HostedPage> hosted;
        if (info.page == Page::Helmbk) {
            hosted = std::make_unique<WidgetPage>(m_cover);
        } else if (info.page == Page::Setup) {
            m_setup = new SetupPage(*m_context, m_session->boatInfo(), *this, [this] {
                return currentStructureVersion(m_session->progStructPath());
            });
            connect(m_setup, &SetupPage::tableFailed, this, &MainWindow::endProgram);
            connect(m_setup, &SetupPage::lookupTableChosen, this,
                    [this](const QString& table) { m_lookupTable = table; });
            connect(&m_setup->vessel(), &VesselSetup::numberEnginesChanged, this,
                    [this](const QString& number) {
                        m_numberEngines = number;
                        if (m_tripPage)
                            m_tripPage->setTwoEngines(number != QLatin1String("One"));
                    });
            hosted = std::make_unique<SetupHost>(m_setup);
        } else if (info.page == Page::ExportLog) {
            hosted = std::make_unique<WidgetPage>(new reports::ExportPage(*m_reports));
        } else if (registry.has(info.page)) {
            hosted = registry.make(info.page, *m_pageContext);
        } else {
            auto* placeholder = new PlaceholderPage(QString::fromLatin1(info.name),
                                                    QString::fromLatin1(info.caption));
            placeholders.insert(info.page, placeholder);
            hosted = std::make_unique<WidgetPage>(placeholder);
        }
        QWidget* page = hosted->widget();
        m_stack->addWidget(page);
        m_pages.insert(info.page, page);
        m_hosted.insert(info.page, hosted.get());
        // The display preferences show and hide a page's buttons leading to their pages.
        for (const auto& [to, button] : hosted->pageButtons())
            m_leadButtons.insert(QString::fromLatin1(pageInfo(to).name), button);
        m_ownedPages.push_back(std::move(hosted));
        offerHelpTopic(page, QString::fromLatin1(info.helpTopic),
                       [this](const QString& topic) { showHelp(topic); });
    }
    // The pages reached from pages to come, until those pages come with their own buttons.
    struct Lead
    {
        Page from;
        const char* text;
        Page to;
    };
    const Lead leads[] = {
        {Page::TripTab, "Watchman", Page::WatchMan},
        {Page::TripTab, "Trip Planner", Page::TripPlan},
        {Page::TripTab, "Waypoint Log", Page::Waypoints},
        {Page::TripTab, "Battery Log", Page::Battery},
        {Page::MaintTab, "Sched. Maint. Log", Page::SchedMaint},
        {Page::InvTab, "Chart Log", Page::Charts},
        {Page::InvTab, "Video Log", Page::Videos},
        {Page::InvTab, "Audio Log", Page::Audios},
        {Page::InvTab, "Book Log", Page::Books},
        {Page::InvTab, "Galley Log", Page::Galley},
        {Page::ContactTab, "Guest Log", Page::Guests},
        {Page::ContactTab, "Crew Log", Page::Crew},
        {Page::ContactTab, "Supplier Log", Page::Suppliers},
        {Page::ContactTab, "Services Log", Page::Services},
    };
    if ((m_tripPage = qobject_cast<TripPage*>(m_pages.value(Page::TripTab)))) {
        // The display preferences show and hide the trip page's buttons to other logs.
        for (const auto& [key, button] : m_tripPage->leadButtons())
            m_leadButtons.insert(key, button);
        // The vessel record follows the hours the trips wrote into it.
        connect(m_tripPage, &TripPage::vesselHoursWritten, this, [this] {
            RecordSet& vessel = m_session->boatInfo();
            if (vessel.isOpen() && vessel.state() == RecordSet::State::Browse)
                vessel.requery();
        });
    }
    // The generator and watermaker logs are windows of their own, not built yet.
    if (PlaceholderPage* trip = placeholders.value(Page::TripTab)) {
        for (const auto& [key, text] : {std::pair{DisplayKey::GenLog, "Generator Log"},
                                        std::pair{DisplayKey::WMLog, "Watermaker Log"}}) {
            QPushButton* button = trip->addButton(QString::fromLatin1(text));
            button->setObjectName(QString::fromLatin1(key));
            m_leadButtons.insert(QString::fromLatin1(key), button);
            connect(button, &QPushButton::clicked, this,
                    [this] { m_s.messages.information(Later); });
        }
    }
    for (const Lead& lead : leads) {
        PlaceholderPage* from = placeholders.value(lead.from);
        if (!from)
            continue;
        QPushButton* button = from->addButton(QString::fromLatin1(lead.text));
        button->setObjectName(QString::fromLatin1(pageInfo(lead.to).name));
        // The display preferences show and hide the buttons leading to their pages.
        m_leadButtons.insert(button->objectName(), button);
        if (lead.to == Page::WatchMan)
            m_watchButton = button;
        const Page to = lead.to;
        connect(button, &QPushButton::clicked, this,
                [this, to] { runCommand(m_s.messages, [this, to] { showPage(to); }); });
    }
    m_stack->setCurrentWidget(m_cover);
}

void MainWindow::buildMenus()
{
    auto later = [this] { m_s.messages.information(Later); };
    auto page = [this](Page p) { return [this, p] { showPage(p); }; };
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addAction(makeAction(QStringLiteral("New1"), QStringLiteral("New Log.."), {},
                               QKeySequence(Qt::CTRL | Qt::Key_N), [this] {
                                   if (readyForLogCommand())
                                       m_session->New1Click();
                               }));
    file->addAction(makeAction(QStringLiteral("Load1"), QStringLiteral("Open Log.."), {},
                               QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
                                   if (readyForLogCommand())
                                       m_session->Load1Click();
                               }));
    file->addAction(makeAction(QStringLiteral("SaveAs1"), QStringLiteral("Backup Log.."), {},
                               QKeySequence(Qt::CTRL | Qt::Key_B), [this] { backup(); }));
    file->addSeparator();
    file->addAction(makeAction(QStringLiteral("Quit1"), QStringLiteral("Quit"), {},
                               QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { Quit1Click(); }));

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    // The clipboard commands act on the focused field; spin boxes, date editors and editable
    // drop-downs hold their text in a line edit of their own.
    auto toFocus = [](const char* slot) {
        return [slot] {
            QWidget* w = QApplication::focusWidget();
            if (w && w->metaObject()->indexOfSlot(QMetaObject::normalizedSignature(
                         QByteArray(QByteArray(slot) + "()").constData())) < 0) {
                if (auto* inner = w->findChild<QLineEdit*>())
                    w = inner;
            }
            if (w)
                QMetaObject::invokeMethod(w, slot);
        };
    };
    edit->addAction(makeAction(QStringLiteral("Cut1"), QStringLiteral("Cu&t"), {},
                               QKeySequence::Cut, toFocus("cut")));
    edit->addAction(makeAction(QStringLiteral("Copy1"), QStringLiteral("&Copy"), {},
                               QKeySequence::Copy, toFocus("copy")));
    edit->addAction(makeAction(QStringLiteral("Paste1"), QStringLiteral("&Paste"), {},
                               QKeySequence::Paste, toFocus("paste")));
    edit->addAction(makeAction(QStringLiteral("SelectAll1"), QStringLiteral("Select &All"), {},
                               QKeySequence::SelectAll, toFocus("selectAll")));

    QMenu* reports = bar->addMenu(QStringLiteral("&Reports"));
    reports->addAction(makeAction(QStringLiteral("SelectReport1"),
                                  QStringLiteral("Select Report.."), {},
                                  QKeySequence(Qt::CTRL | Qt::Key_R),
                                  [this] { reports::CatalogueWindow(*m_reports, this).exec(); }));
    reports->addAction(makeAction(QStringLiteral("Worksheets1"), QStringLiteral("Worksheets.."), {},
                                  QKeySequence(Qt::CTRL | Qt::Key_S),
                                  [this] { reports::WorksheetWindow(*m_reports, this).exec(); }));
    reports->addAction(makeAction(QStringLiteral("ExportLogs1"), QStringLiteral("Export Logs.."),
                                  {}, {}, page(Page::ExportLog)));

    QMenu* logs = bar->addMenu(QStringLiteral("&Logs"));
    const std::pair<const char*, Page> logItems[] = {
        {"Trip", Page::TripTab},         {"Fuel", Page::FuelTab},
        {"Maintenance", Page::MaintTab}, {"Projects", Page::ProjTab},
        {"Inventory", Page::InvTab},     {"Contacts", Page::ContactTab},
        {"Reminders", Page::Reminders},  {"Shopping List", Page::ShopList},
        {"Expense", Page::Expense},
    };
    for (const auto& [text, p] : logItems) {
        logs->addAction(makeAction(QStringLiteral("Logs") + QString::fromLatin1(text).remove(u' '),
                                   QString::fromLatin1(text), {}, {}, page(p)));
    }

    QMenu* wizards = bar->addMenu(QStringLiteral("&Wizards"));
    wizards->addAction(makeAction(QStringLiteral("CreateNewLog1"),
                                  QStringLiteral("New Log Wizard.."), {},
                                  QKeySequence(Qt::CTRL | Qt::Key_W), [this] {
                                      if (readyForLogCommand())
                                          m_session->CreateNewLog1Click();
                                  }));
    wizards->addAction(makeAction(QStringLiteral("BackupWizard1"),
                                  QStringLiteral("Backup Log Wizard.."), {}, {},
                                  [this] { backup(); }));
    wizards->addAction(makeAction(QStringLiteral("Import1"),
                                  QStringLiteral("Import Keelnote Data.."), {}, {},
                                  [this] { importData(); }));
    wizards->addAction(makeAction(QStringLiteral("Search1"), QStringLiteral("Search.."), {}, {},
                                  [this] { searchCommand(); }));

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->addAction(makeAction(QStringLiteral("Preferences1"), QStringLiteral("Preferences.."),
                                  {}, {}, [this] { showSetup(SubPage::LookupEdit); }));
    options->addAction(makeAction(QStringLiteral("Setup1"), QStringLiteral("Setup.."), {}, {},
                                  [this] { showSetup(SubPage::OwnerSetup); }));
    options->addSeparator();
    options->addAction(
        makeAction(QStringLiteral("GPSPort1"), QStringLiteral("GPS Port Setup"), {}, {}, later));
    options->addAction(
        makeAction(QStringLiteral("CommData1"), QStringLiteral("Comm Data"), {}, {}, later));
    options->addSeparator();
    options->addAction(makeAction(QStringLiteral("SavePrefs1"), QStringLiteral("Save Preferences"),
                                  {}, {}, [this] { savePrefs(); }));
    options->addAction(makeAction(QStringLiteral("RestorePrefs1"),
                                  QStringLiteral("Restore Preferences"), {}, {},
                                  [this] { restorePrefs(); }));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(makeAction(QStringLiteral("HelmbookHelp1"), QStringLiteral("Helmbook Help"), {},
                               QKeySequence(Qt::Key_F1), [this] {
                                   if (searchRule())
                                       showHelp(QStringLiteral("contents"));
                               }));
    help->addSeparator();
    help->addAction(makeAction(QStringLiteral("CheckUpdates1"),
                               QStringLiteral("Check For Updates.."), {}, {},
                               [this] { checkForUpdates(); }));
    QAction* on = makeAction(QStringLiteral("AutoCheckOn1"), QStringLiteral("Turn On Auto Check"),
                             {}, {}, [this] { setAutoCheck(true); });
    QAction* off =
        makeAction(QStringLiteral("AutoCheckOff1"), QStringLiteral("Turn Off Auto Check"), {}, {},
                   [this] { setAutoCheck(false); });
    on->setCheckable(true);
    off->setCheckable(true);
    help->addAction(on);
    help->addAction(off);
    help->addSeparator();
    QAction* reminders = makeAction(
        QStringLiteral("RemindersSU1"), QStringLiteral("Reminders at Startup.."), {}, {}, [this] {
            action(QStringLiteral("RemindersSU1"))
                ->setChecked(askRemindersAtStartup(m_s.messages, m_settings));
        });
    reminders->setCheckable(true);
    help->addAction(reminders);
    help->addSeparator();
    help->addAction(makeAction(QStringLiteral("About1"), QStringLiteral("About.."), {}, {},
                               [this] { about(); }));

    // Ctrl+F and Ctrl+H open their menus.
    auto* fileKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(fileKey, &QShortcut::activated, this, [this, file] {
        file->popup(mapToGlobal(menuBar()->actionGeometry(file->menuAction()).bottomLeft()));
    });
    auto* helpKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(helpKey, &QShortcut::activated, this, [this, help] {
        help->popup(mapToGlobal(menuBar()->actionGeometry(help->menuAction()).bottomLeft()));
    });
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Tools"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);
    m_toolBar->toggleViewAction()->setVisible(false);
    auto page = [this](Page p) { return [this, p] { showPage(p); }; };
    struct Tool
    {
        const char* name;
        const char* text;
        const char* hint;
        const char* icon;
        QStyle::StandardPixmap fallback;
        std::function<void()> run;
    };
    const std::vector<Tool> tools = {
        {"NewLogBtn", "New", "New Log", "document-new", QStyle::SP_FileIcon,
         [this] {
             if (readyForLogCommand())
                 m_session->New1Click();
         }},
        {"OpenLogBtn", "Open", "Open Log", "document-open", QStyle::SP_DialogOpenButton,
         [this] {
             if (readyForLogCommand())
                 m_session->Load1Click();
         }},
        {"BackupBtn", "Backup", "Backup Logs", "document-save", QStyle::SP_DialogSaveButton,
         [this] { backup(); }},
        {nullptr, nullptr, nullptr, nullptr, QStyle::SP_CustomBase, {}},
        {"TripBtn", "Trips", "Trip Log", "go-next", QStyle::SP_ArrowRight, page(Page::TripTab)},
        {"MaintBtn", "Maint.", "Maintenance Log", "preferences-system", QStyle::SP_BrowserReload,
         page(Page::MaintTab)},
        {"FuelBtn", "Fuel", "Fuel Log", "battery", QStyle::SP_DriveHDIcon, page(Page::FuelTab)},
        {"InvBtn", "Inventory", "Inventory Log", "folder", QStyle::SP_DirIcon, page(Page::InvTab)},
        {"ProjBtn", "Projects", "Project Log", "view-list-details",
         QStyle::SP_FileDialogDetailedView, page(Page::ProjTab)},
        {"PeopleBtn", "People", "People Log", "system-users", QStyle::SP_DirHomeIcon,
         page(Page::ContactTab)},
        {nullptr, nullptr, nullptr, nullptr, QStyle::SP_CustomBase, {}},
        {"ShopBtn", "Shopping", "Shopping List", "view-list-text", QStyle::SP_FileDialogListView,
         page(Page::ShopList)},
        {"RemindBtn", "Reminders", "Reminders", "appointment-new", QStyle::SP_MessageBoxInformation,
         page(Page::Reminders)},
        {"ExpenseBtn", "Expenses", "Expense Log", "accessories-calculator",
         QStyle::SP_FileDialogContentsView,
         [this] {
             showPage(Page::Expense);
             if (m_current == Page::Expense)
                 setStatusText(QString::fromLatin1(pageInfo(Page::Expense).statusText));
         }},
        {nullptr, nullptr, nullptr, nullptr, QStyle::SP_CustomBase, {}},
        {"HelpBtn", "Help", "Help!", "help-contents", QStyle::SP_DialogHelpButton,
         [this] {
             if (searchRule())
                 showHelp(QStringLiteral("contents"));
         }},
        {"UpdateBtn", "Updates", "Check For Updates", "system-software-update",
         QStyle::SP_BrowserReload, [this] { checkForUpdates(); }},
        {"HomeBtn", "Home", "Home", "go-home", QStyle::SP_DirHomeIcon,
         [this] {
             showPage(Page::Helmbk);
             if (m_current == Page::Helmbk)
                 setStatusText(QStringLiteral("Helmbook"));
         }},
        {"SearchBtn", "Search", "Search", "edit-find", QStyle::SP_FileDialogContentsView,
         [this] { searchCommand(); }},
        {"CancelSearchBtn", "Cancel", "Cancel Search", "edit-clear", QStyle::SP_DialogCancelButton,
         [this] { cancelSearchCommand(); }},
    };
    for (const Tool& t : tools) {
        if (!t.name) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* a = makeAction(
            QString::fromLatin1(t.name), QString::fromLatin1(t.text), QString::fromLatin1(t.hint),
            {}, t.run ? t.run : [] {});
        a->setIcon(themed(t.icon, t.fallback));
        m_toolBar->addAction(a);
    }
    // Offered by the pages with a search.
    offerSearch(false);
}

void MainWindow::offerSearch(bool offered)
{
    m_searchOffered = offered;
    showSearchButtons(m_searchActive);
}

void MainWindow::showSearchButtons(bool searching)
{
    action(QStringLiteral("Search1"))->setEnabled(m_searchOffered && !searching);
    action(QStringLiteral("SearchBtn"))->setVisible(m_searchOffered && !searching);
    action(QStringLiteral("CancelSearchBtn"))->setVisible(m_searchOffered && searching);
}

const QString MainWindow::SearchRuleText =
    QStringLiteral("You must select all records by clicking the \"Cancel Search\" button, on the "
                   "main button bar, before you switch to another log screen!");

bool MainWindow::searchRule()
{
    if (!m_searchActive)
        return true;
    m_s.messages.error(SearchRuleText);
    return false;
}

bool MainWindow::readyForLogCommand()
{
    if (!searchRule())
        return false;
    HostedPage* page = m_hosted.value(m_current);
    return !page || page->leaveStep();
}

void MainWindow::searchCommand()
{
    HostedPage* page = m_hosted.value(m_current);
    if (page && page->offersSearch())
        page->search();
}

void MainWindow::cancelSearchCommand()
{
    HostedPage* page = m_hosted.value(m_current);
    if (page && page->offersSearch())
        page->cancelSearch();
    else
        m_searchActive = false;
}

void MainWindow::applySetupState()
{
    if (m_numberEngines.isEmpty())
        m_numberEngines = QStringLiteral("Two");
    m_setup->vessel().setNumberEngines(m_numberEngines);
    if (m_tripPage)
        m_tripPage->setTwoEngines(m_numberEngines != QLatin1String("One"));
    m_setup->setLookupTable(m_lookupTable);
}

void MainWindow::showSetup(SubPage sub)
{
    showPage(Page::Setup);
    if (m_current == Page::Setup)
        m_setup->showSubPage(sub);
}

void MainWindow::showPage(Page page)
{
    if (m_ending)
        return;
    if (!searchRule())
        return;
    // The page left asks about its unsaved row first: opening the log again closes every
    // record set.
    if (HostedPage* from = m_hosted.value(m_current); from && !from->leaveStep())
        return;
    // Every page shown works on the open log; after the window was re-activated it is opened
    // again first.
    if (m_started && !m_session->isLogOpen() && !m_session->endRequested())
        m_session->OpenDataBase();
    if (m_ending || m_session->endRequested())
        return;
    m_current = page;
    m_stack->setCurrentWidget(m_pages.value(page));
    const PageInfo& info = pageInfo(page);
    if (page != Page::Helmbk && page != Page::Expense && *info.statusText)
        setStatusText(QString::fromLatin1(info.statusText));
    if (page == Page::Helmbk)
        coverPageShown();
    HostedPage* to = m_hosted.value(page);
    offerSearch(to && to->offersSearch());
    if (to && m_session->connection().isOpen())
        to->showStep();
    Q_EMIT pageShown(page);
}

bool MainWindow::start()
{
    m_started = true;
    m_current = Page::Helmbk;
    m_stack->setCurrentWidget(m_cover);
    coverPageShown();
    return !m_session->endRequested();
}

void MainWindow::coverPageShown()
{
    // The locale formats are taken afresh each time (the user may have changed them).
    *m_formats = Formats();
    if (!m_session->isLogOpen() && !m_session->endRequested())
        m_session->OpenDataBase();
    if (m_session->endRequested())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool remind = readRemindFlag(m_settings);
    QApplication::restoreOverrideCursor();
    if (remind && startupAlertCheck)
        startupAlertCheck();
}

void MainWindow::mainWindowShown()
{
    const SetupPageState pages = restoreWindowState(*m_prefs);
    m_numberEngines = pages.numberEngines;
    m_lookupTable = pages.lookupTable;
    applySetupState();
    m_prefs->setStartupDone();
    action(QStringLiteral("RestorePrefs1"))
        ->setEnabled(preferencesBackupExists(preferencesBackupPath()));
    const QString splash =
        m_settings.IniRead(QStringLiteral("Paths"), QStringLiteral("SplashPath"), {});
    if (!splash.isEmpty())
        m_cover->setPicture(splash); // a picture that cannot be loaded leaves the built-in one
    const bool autoCheck = m_settings.IniRead(QStringLiteral("Flags"), QStringLiteral("AppCheck"),
                                              QStringLiteral("N")) == QLatin1String("Y");
    action(QStringLiteral("AutoCheckOn1"))->setChecked(autoCheck);
    action(QStringLiteral("AutoCheckOff1"))->setChecked(!autoCheck);
    if (autoCheck)
        checkForUpdates();
    action(QStringLiteral("RemindersSU1"))->setChecked(remindersAtStartup(m_settings));
    m_runCount =
        m_settings
            .IniRead(QStringLiteral("Backup"), QStringLiteral("runCount"), QStringLiteral("0"))
            .toInt();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        mainWindowShown();
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Back from a dialog or another program: the next page shown opens the log again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_shownOnce)
        m_session->clearLogOpen();
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::showHelp(const QString& topic)
{
    if (!m_help)
        m_help = new HelpWindow(HelpWindow::defaultHelpFolder(), this);
    if (topic.isEmpty() || topic == QLatin1String("contents"))
        m_help->showContents();
    else
        m_help->showTopic(topic);
}

void MainWindow::importData()
{
    if (!searchRule())
        return;
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ImportData"));
    if (!QFileInfo(program).isExecutable()) {
        m_s.messages.error(
            QStringLiteral("The import program \"ImportData\" is not installed in %1.")
                .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
        return;
    }
    if (!m_s.shell.startProgram(program, {}))
        m_s.messages.error(
            QStringLiteral("The import program \"%1\" could not be started.").arg(program));
}

void MainWindow::checkForUpdates()
{
    m_s.messages.information(QStringLiteral(
        "Helmbook updates come with your system's package manager: update your system the usual "
        "way (for example with \"Software Updates\" or \"apt upgrade\") to get the newest "
        "Helmbook."));
}

void MainWindow::setAutoCheck(bool on)
{
    m_settings.IniWrite(QStringLiteral("Flags"), QStringLiteral("AppCheck"),
                        on ? QStringLiteral("Y") : QStringLiteral("N"));
    m_settings.IniWrite(QStringLiteral("AppDate"), QStringLiteral("Date"),
                        m_formats->shortDate(m_s.clock.today()));
    action(QStringLiteral("AutoCheckOn1"))->setChecked(on);
    action(QStringLiteral("AutoCheckOff1"))->setChecked(!on);
}

void MainWindow::about()
{
    m_s.messages.show(Messages::Kind::Information,
                      QStringLiteral("Helmbook %1\r\nThe logbook of your vessel.")
                          .arg(QCoreApplication::applicationVersion()),
                      Messages::Buttons::Ok, QStringLiteral("About Helmbook"));
}

void MainWindow::backup()
{
    if (!readyForLogCommand())
        return;
    if (m_session->backupCommand())
        m_runCount = 0;
}

void MainWindow::Quit1Click()
{
    close();
}

void MainWindow::endProgram()
{
    // The log could not be opened or updated: end without the quit steps of a normal quit.
    m_ending = true;
    if (isVisible())
        close();
    else if (quitOnClose && m_started)
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // An unsaved row is asked about before the program ends; a save that fails keeps it open.
    if (!m_quitDone && !m_ending) {
        HostedPage* page = m_hosted.value(m_current);
        if (page && !page->leaveStep()) {
            event->ignore();
            return;
        }
    }
    if (!m_quitDone) {
        m_quitDone = true;
        if (!m_ending)
            m_runCount = m_session->countQuitForBackup(m_runCount);
        m_settings.IniWrite(QStringLiteral("DistanceRun"), QStringLiteral("DoDistRun"),
                            QStringLiteral("False"));
        m_settings.IniWrite(QStringLiteral("AutoLogON"), QStringLiteral("turnBkOn"),
                            QStringLiteral("False"));
        m_settings.IniWrite(QStringLiteral("AutoLogON"), QStringLiteral("IsOn"),
                            QStringLiteral("False"));
        m_session->closeLog();
    }
    event->accept();
    if (quitOnClose)
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace hb
