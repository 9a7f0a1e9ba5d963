#pragma once

// The services and context a log page needs, answered quietly, for the benchmarks that show
// real pages offscreen.

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/LogConnection.h"
#include "pages/PageContext.h"
#include "pages/PageHost.h"
#include "pages/SearchForm.h"
#include "settings/IniFile.h"

namespace hb {

class QuietMessages : public Messages
{
public:
    Answer show(Kind, const QString&, Buttons, const QString&) override { return Answer::Ok; }
};
class NoFiles : public FileDialogs
{
public:
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};
class NoShell : public Shell
{
public:
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
};
class Host : public PageHost
{
public:
    bool searchActive() const override { return active; }
    void setSearchActive(bool on) override { active = on; }
    void showSearchButtons(bool) override {}
    void setStatusText(const QString&) override {}
    void showPage(Page) override {}
    bool metric() const override { return false; }
    bool active = false;
};
class OneSearch : public SearchDialogs
{
public:
    std::optional<SearchInput> askSearch(const SearchSpec&, const QDate&, QWidget*) override
    {
        SearchInput in;
        in.criteria[size_t(criterion)] = text;
        return in;
    }
    QString text;
    int criterion = 0; // which of the window's text boxes gets it
};

struct Context
{
    QuietMessages messages;
    NoFiles files;
    SystemClock clock;
    NoShell shell;
    Formats formats;
    IniFile settings;
    LogConnection log;
    AppContext app{messages, files, clock, shell, settings, formats, &log, nullptr};
    Host host;
    OneSearch search;
    PageContext context{app, host, search};
    explicit Context(const QString& folder) : settings(folder + QStringLiteral("/Helmbk.ini")) {}
};

} // namespace hb
