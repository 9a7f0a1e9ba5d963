#include "app/SetupPage.h"

#include "app/PlaceholderPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>

namespace hb {

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
    {SubPage::LookupEdit, "LookupEdit", "Lists and Preferences"},
};

} // namespace

SetupPage::SetupPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Setup"));
    auto* layout = new QHBoxLayout(this);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("SetupList"));
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
            auto* lookup = new QLabel(QStringLiteral("The editor of the lookup lists comes in a "
                                                     "later version of Helmbook."));
            lookup->setObjectName(QStringLiteral("LookupLater"));
            m_lookupLayout->addWidget(lookup);
            m_lookupLayout->addStretch(1);
            m_stack->addWidget(page);
        } else {
            m_stack->addWidget(
                new PlaceholderPage(QString::fromLatin1(info.name),
                                    QStringLiteral("Setup: ") + QString::fromLatin1(info.title)));
        }
    }
    connect(m_list, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);
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

} // namespace hb
