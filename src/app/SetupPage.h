#pragma once

#include "pages/Pages.h"

#include <QWidget>

class QListWidget;
class QStackedWidget;
class QVBoxLayout;

namespace hb {

// The setup page: the vessel record's sub-pages and the preferences, chosen from a list.
class SetupPage : public QWidget
{
    Q_OBJECT
public:
    explicit SetupPage(QWidget* parent = nullptr);

    void showSubPage(SubPage page);
    SubPage currentSubPage() const;
    // The preferences group goes on the lookup editor's sub-page, below the editor's place.
    void setPreferences(QWidget* preferences);

private:
    QListWidget* m_list;
    QStackedWidget* m_stack;
    QVBoxLayout* m_lookupLayout;
};

} // namespace hb
