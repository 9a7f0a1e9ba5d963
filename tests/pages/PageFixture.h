#pragma once

// A real log in a temporary folder and everything a log page needs around it: scripted
// messages, file dialogs and search window, a fixed clock, and a host standing in for the
// main window.

#include "TestSupport.h"

#include "common/AppContext.h"
#include "common/Formats.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "pages/PageContext.h"
#include "pages/PageHost.h"
#include "pages/SearchForm.h"
#include "settings/IniFile.h"

#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <deque>

Q_DECLARE_METATYPE(hb::SearchInput)

namespace hb::test {

class FakeHost : public PageHost
{
public:
    bool searchActive() const override { return active; }
    void setSearchActive(bool on) override { active = on; }
    void showSearchButtons(bool on) override { searching = on; }
    void setStatusText(const QString& text) override { status = text; }
    void showPage(Page page) override { shown.push_back(page); }
    bool metric() const override { return false; }

    bool active = false;
    bool searching = false;
    QString status;
    std::vector<Page> shown;
};

class ScriptedSearch : public SearchDialogs
{
public:
    std::optional<SearchInput> askSearch(const SearchSpec& spec, const QDate&, QWidget*) override
    {
        asked = spec.caption ? QString::fromLatin1(spec.caption) : QString();
        if (answers.empty()) {
            QTest::qFail("The search window was not expected", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<SearchInput>> answers;
    QString asked;
};

// Types into a text box as the user does, replacing what it holds.
inline void type(QWidget* box, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(box);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Criteria typed into the search window's boxes, in order.
inline SearchInput criteria(std::initializer_list<QString> texts)
{
    SearchInput in;
    int i = 0;
    for (const QString& t : texts)
        in.criteria[size_t(i++)] = t;
    return in;
}

struct PageFixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Test.mdb"));
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    FixedClock clock{QDateTime(QDate(2026, 6, 15), QTime(14, 5))};
    RecordingShell shell;
    IniFile settings{dir.filePath(QStringLiteral("Helmbk.ini"))};
    Formats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    LogConnection log;
    AppContext app{messages, files, clock, shell, settings, formats, &log, nullptr};
    FakeHost host;
    ScriptedSearch search;
    PageContext context{app, host, search};

    PageFixture()
    {
        const QString error = CreateAccessDatabase(path);
        if (!error.isEmpty())
            qFatal("%s", qPrintable(error));
        CreateNewTables(path);
        log.open(path);
        insertVesselRecord(log, 60);
    }
    int count(const QString& sql, const QVariantMap& params = {})
    {
        QSqlQuery q(log.database());
        q.prepare(sql);
        LogConnection::bind(q, params);
        q.exec();
        return q.next() ? q.value(0).toInt() : -1;
    }
};

} // namespace hb::test
