#pragma once

#include "pages/PageHost.h"
#include "pages/Pages.h"

#include <QWidget>

#include <functional>

class QListWidget;
class QStackedWidget;
class QVBoxLayout;

namespace hb {

struct AppContext;
class LookupEditor;
class RecordSet;
class VesselSetup;

// The setup page: the vessel record's five sub-pages with their edit bar, and the lookup
// editor with the preferences, chosen from a list.
class SetupPage : public QWidget, public HostedPage
{
    Q_OBJECT
public:
    SetupPage(AppContext& app, RecordSet& vessel, PageHost& host,
              std::function<int()> structureVersion, QWidget* parent = nullptr);

    void showSubPage(SubPage page);
    SubPage currentSubPage() const;
    // The preferences group goes on the lookup editor's sub-page, below the editor.
    void setPreferences(QWidget* preferences);
    VesselSetup& vessel() { return *m_vessel; }
    LookupEditor& lookupEditor() { return *m_lookup; }
    // The lookup editor's table when the page is shown.
    void setLookupTable(const QString& table) { m_lookupTable = table; }

    // HostedPage
    QWidget* widget() override { return this; }
    bool leaveStep() override;
    void showStep() override;

    static const QString StatusText;

Q_SIGNALS:
    // The lookup editor's table could not be opened: the program ends.
    void tableFailed();
    void lookupTableChosen(const QString& table);

private:
    AppContext& m_app;
    PageHost& m_host;
    VesselSetup* m_vessel;
    LookupEditor* m_lookup;
    QListWidget* m_list;
    QStackedWidget* m_stack;
    QVBoxLayout* m_lookupLayout;
    QString m_lookupTable;
    int m_shownIndex = 0;
};

} // namespace hb
