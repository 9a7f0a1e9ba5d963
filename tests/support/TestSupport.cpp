#include "TestSupport.h"

#include <QDir>

namespace hb::test {

void ScriptedMessages::expect(Answer answer, const QString& text)
{
    m_script.push_back({answer, text});
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const ShownMessage& m : m_shown)
        out << m.text;
    return out;
}

Messages::Answer ScriptedMessages::show(Kind kind, const QString& text, Buttons buttons,
                                        const QString&)
{
    m_shown.push_back({kind, text, buttons});
    if (m_script.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message: ") + text), __FILE__, __LINE__);
        return buttons == Buttons::YesNo      ? Answer::No
               : buttons == Buttons::OkCancel ? Answer::Cancel
                                              : Answer::Ok;
    }
    const Step step = m_script.front();
    m_script.pop_front();
    if (!step.text.isEmpty() && step.text != text) {
        QTest::qFail(qPrintable(QStringLiteral("message differs:\n  shown:    %1\n  expected: %2")
                                    .arg(text, step.text)),
                     __FILE__, __LINE__);
    }
    return step.answer;
}

QString ScriptedFileDialogs::next()
{
    if (m_answers.empty())
        return {};
    QString a = m_answers.front();
    m_answers.pop_front();
    return a;
}

bool RecordingShell::openDocument(const QString& path)
{
    opened << path;
    return result;
}

bool RecordingShell::startProgram(const QString& program, const QStringList& arguments)
{
    started << (arguments.isEmpty() ? program : program + u' ' + arguments.join(u' '));
    return result;
}

TempHome::TempHome()
{
    const QString root = m_dir.path();
    QDir(root).mkpath(QStringLiteral("Documents"));
    QDir(root).mkpath(QStringLiteral(".config"));
    qputenv("HOME", root.toUtf8());
    qputenv("XDG_CONFIG_HOME", (root + QLatin1String("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (root + QLatin1String("/.local/share")).toUtf8());
    qputenv("XDG_CACHE_HOME", (root + QLatin1String("/.cache")).toUtf8());
    QDir(root).mkpath(QStringLiteral(".runtime"));
    QFile::setPermissions(root + QLatin1String("/.runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (root + QLatin1String("/.runtime")).toUtf8());
    qputenv("XDG_DOCUMENTS_DIR", (root + QLatin1String("/Documents")).toUtf8());
}

QString TempHome::documents() const
{
    return m_dir.path() + QLatin1String("/Documents");
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(data);
}

TempHome& home()
{
    static TempHome h;
    return h;
}

int runTests(QObject& tests, int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return QTest::qExec(&tests, argc, argv);
}

} // namespace hb::test
