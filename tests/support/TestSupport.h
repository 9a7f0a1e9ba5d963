#pragma once

#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "common/Shell.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>

namespace hb::test {

// One message as a page showed it.
struct ShownMessage
{
    Messages::Kind kind;
    QString text;
    Messages::Buttons buttons;
};

// Messages answered from a script. Every message is recorded; a message that finds no
// scripted answer fails the running test (and is answered No/Cancel/OK).
class ScriptedMessages : public Messages
{
public:
    // Queue the answer for the next message, optionally checking its text.
    void expect(Answer answer, const QString& text = {});
    Answer show(Kind kind, const QString& text, Buttons buttons, const QString& title) override;

    const std::vector<ShownMessage>& shown() const { return m_shown; }
    QStringList texts() const;
    bool allAnswered() const { return m_script.empty(); }
    void clear()
    {
        m_shown.clear();
        m_script.clear();
    }

private:
    struct Step
    {
        Answer answer;
        QString text;
    };
    std::deque<Step> m_script;
    std::vector<ShownMessage> m_shown;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 6, 15), QTime(10, 30)))
        : m_now(std::move(now))
    {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
};

// File dialogs answered from a queue; an empty queue answers "cancelled".
class ScriptedFileDialogs : public FileDialogs
{
public:
    void answer(const QString& path) { m_answers.push_back(path); }
    QString openFile(const QString&, const QString&, const QString&) override { return next(); }
    QString saveFile(const QString&, const QString&, const QString&) override { return next(); }
    QString chooseFolder(const QString&, const QString&) override { return next(); }

private:
    QString next();
    std::deque<QString> m_answers;
};

// Records what would have been opened or started.
class RecordingShell : public Shell
{
public:
    bool openDocument(const QString& path) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QStringList opened, started;
    bool result = true;
};

// A temporary home with its own documents folder and XDG folders, so no test touches the real
// ones. Made once per test process before the application object.
class TempHome
{
public:
    TempHome();
    QString path() const { return m_dir.path(); }
    QString documents() const;

private:
    QTemporaryDir m_dir;
};

TempHome& home();

// A whole file's bytes (empty when it cannot be read), and writing them.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);
// Runs the test object with the fixed test locale and the temporary home.
int runTests(QObject& tests, int argc, char** argv);

} // namespace hb::test

#define HB_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        hb::test::home();                                                                          \
        QApplication app(argc, argv);                                                              \
        TestClass tests;                                                                           \
        return hb::test::runTests(tests, argc, argv);                                              \
    }
