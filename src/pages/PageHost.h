#pragma once

#include "pages/Pages.h"

#include <QString>

#include <utility>
#include <vector>

class QPushButton;
class QWidget;

namespace hb {

// What a page asks of the window that hosts it. The host owns the search-active flag and the
// tool bar's search buttons, and moves between pages (search rule, leave step, opening the
// log, show step).
class PageHost
{
public:
    virtual ~PageHost() = default;
    virtual bool searchActive() const = 0;
    virtual void setSearchActive(bool active) = 0;
    // "Search" shown and "Cancel Search" hidden (false), or the other way round (true).
    virtual void showSearchButtons(bool searching) = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void showPage(Page page) = 0;
    virtual bool metric() const = 0;
};

// A page in the host's page area, with the steps the host runs when it changes pages.
class HostedPage
{
public:
    virtual ~HostedPage() = default;
    virtual QWidget* widget() = 0;
    // Whether the page offers the search command.
    virtual bool offersSearch() const { return false; }
    // The leave step; false keeps the page (its unsaved row could not be saved).
    virtual bool leaveStep() { return true; }
    // The page's own show steps, after the log is open.
    virtual void showStep() {}
    virtual void search() {}
    virtual void cancelSearch() {}
    // The page's buttons that lead to other pages, for the display preferences to show or hide.
    virtual std::vector<std::pair<Page, QPushButton*>> pageButtons() const { return {}; }
};

} // namespace hb
