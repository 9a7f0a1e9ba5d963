#include "app/SetupPage.h"

#include "app/VesselSetup.h"
#include "common/AppContext.h"
#include "common/Messages.h"
#include "pages/CommandGuard.h"
#include "records/LookupEditor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>

namespace hb {

const QString SetupPage::StatusText =
    QStringLiteral("Use this page to setup information about your vessel and set prefereces.");

namespace {

struct SubPageInfo
{
    SubPage page;
    const char* name;
    const char* title;
};

const SubPageInfo SubPages[] = {
    {SubPage::OwnerSetup, "OwnerSetup", "Owner"},
    {SubPage::VesselSetup, "VesselSetup", "Vessel"},
    {SubPage::EngineSetup, "EngineSetup", "Engines"},
    {SubPage::GenWMSetup, "GenWMSetup", "Generator and Watermaker"},
    {SubPage::TenderToysSetup, "TenderToysSetup", "Tender and Toys"},
    {SubPage::LookupEdit, "LookupEdit", "Show LU Tables & Prefs"},
};

} // namespace

SetupPage::SetupPage(AppContext& app, RecordSet& vessel, PageHost& host,
                     std::function<int()> structureVersion, QWidget* parent)
    : QWidget(parent), m_app(app), m_host(host)
{
    setObjectName(QStringLiteral("Setup"));
    m_vessel = new VesselSetup(app, vessel, host, std::move(structureVersion), this);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_vessel->editBar());
    auto* layout = new QHBoxLayout;
    outer->addLayout(layout, 1);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("SetupList"));
    m_list->setAccessibleName(QStringLiteral("Setup pages"));
    m_list->setMaximumWidth(220);
    m_stack = new QStackedWidget;
    layout->addWidget(m_list);
    layout->addWidget(m_stack, 1);
    for (const SubPageInfo& info : SubPages) {
        m_list->addItem(QString::fromLatin1(info.title));
        if (info.page == SubPage::LookupEdit) {
            auto* page = new QWidget;
            page->setObjectName(QString::fromLatin1(info.name));
            m_lookupLayout = new QVBoxLayout(page);
            m_lookup = new LookupEditor(app);
            m_lookupLayout->addWidget(m_lookup);
            m_lookupLayout->addStretch(1);
            m_stack->addWidget(page);
            connect(m_lookup, &LookupEditor::tableChosen, this, &SetupPage::lookupTableChosen);
        } else {
            QWidget* page = m_vessel->subPage(info.page);
            page->setObjectName(QString::fromLatin1(info.name));
            m_stack->addWidget(page);
        }
    }
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row == m_shownIndex || row < 0)
            return;
        // Leaving the lookup editor with an entry being edited saves it first.
        if (SubPage(m_shownIndex) == SubPage::LookupEdit && m_lookup->editing() &&
            !m_lookup->saveEntry()) {
            m_list->setCurrentRow(m_shownIndex);
            return;
        }
        m_shownIndex = row;
        m_stack->setCurrentIndex(row);
        runCommand(m_app.messages, [this, row] {
            m_vessel->editBar()->setEnabled(SubPage(row) != SubPage::LookupEdit);
            if (SubPage(row) != SubPage::LookupEdit)
                m_vessel->subPageShown(SubPage(row));
        });
    });
    m_list->setCurrentRow(0);
}

void SetupPage::showSubPage(SubPage page)
{
    m_list->setCurrentRow(int(page));
}

SubPage SetupPage::currentSubPage() const
{
    return SubPage(m_stack->currentIndex());
}

void SetupPage::setPreferences(QWidget* preferences)
{
    m_lookupLayout->insertWidget(1, preferences);
}

void SetupPage::showStep()
{
    if (!m_lookup->LookupEditShow(m_lookupTable)) {
        m_app.messages.error(LookupEditor::CannotOpen);
        Q_EMIT tableFailed();
        return;
    }
    m_vessel->SetupShow();
    m_vessel->subPageShown(currentSubPage());
    m_host.setStatusText(StatusText);
}

bool SetupPage::leaveStep()
{
    if (m_lookup->editing() && !m_lookup->saveEntry())
        return false;
    return m_vessel->leaveStep();
}

} // namespace hb
