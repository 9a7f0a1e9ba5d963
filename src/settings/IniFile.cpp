#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <utility>

namespace hb {

namespace {

QString encodeValue(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == u'%')
            out += QLatin1String("%25");
        else if (c == u'\r')
            out += QLatin1String("%0D");
        else if (c == u'\n')
            out += QLatin1String("%0A");
        else
            out += c;
    }
    return out;
}

QString decodeValue(const QString& stored)
{
    if (!stored.contains(u'%'))
        return stored;
    QString out;
    out.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QStringView code = QStringView(stored).mid(i, 3);
        if (code.compare(QLatin1String("%25"), Qt::CaseInsensitive) == 0) {
            out += u'%';
            i += 2;
        } else if (code.compare(QLatin1String("%0D"), Qt::CaseInsensitive) == 0) {
            out += u'\r';
            i += 2;
        } else if (code.compare(QLatin1String("%0A"), Qt::CaseInsensitive) == 0) {
            out += u'\n';
            i += 2;
        } else {
            out += stored.at(i);
        }
    }
    return out;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

void IniFile::setProblemHandler(std::function<void(const QString&)> handler)
{
    m_problemHandler = std::move(handler);
    if (m_problemHandler && !m_untoldProblem.isEmpty())
        m_problemHandler(std::exchange(m_untoldProblem, QString()));
}

void IniFile::problem(const QString& text)
{
    m_lastError = text;
    if (m_problemTold)
        return;
    m_problemTold = true;
    if (m_problemHandler)
        m_problemHandler(text);
    else
        m_untoldProblem = text;
}

void IniFile::reload()
{
    if (m_pending)
        return;
    const QFileInfo info(m_path);
    const bool exists = info.exists();
    if (m_loaded && exists == m_loadedExists &&
        (!exists || (info.lastModified() == m_loadedModified && info.size() == m_loadedSize)))
        return;

    m_loaded = true;
    m_loadedExists = exists;
    m_loadedModified = exists ? info.lastModified() : QDateTime();
    m_loadedSize = exists ? info.size() : -1;
    m_sections.clear();
    m_state = State::Good;
    if (!exists)
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_state = State::Unreadable;
        m_unreadableReason = file.errorString();
        return;
    }
    parse(file.readAll());
}

void IniFile::parse(const QByteArray& data)
{
    if (data.contains('\0')) {
        m_state = State::Garbled;
        return;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = QString::fromLatin1(data); // an older file in the Windows code page

    std::vector<Section> sections(1);
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString raw = lines.at(n);
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            if (n == lines.size() - 1)
                break; // the end of the last line
            sections.back().lines.push_back({{}, {}, raw});
        } else if (line.startsWith(u';') || line.startsWith(u'#')) {
            sections.back().lines.push_back({{}, {}, raw});
        } else if (line.startsWith(u'[') && line.endsWith(u']')) {
            sections.push_back({line.mid(1, line.size() - 2).trimmed(), {}});
        } else if (const qsizetype eq = line.indexOf(u'='); eq > 0) {
            sections.back().lines.push_back(
                {line.left(eq).trimmed(), decodeValue(line.mid(eq + 1).trimmed()), {}});
        } else {
            m_state = State::Garbled;
            return;
        }
    }
    // Keys before any section are not INI text this program wrote.
    for (const Line& l : sections.front().lines) {
        if (!l.key.isEmpty()) {
            m_state = State::Garbled;
            return;
        }
    }
    m_sections = std::move(sections);
}

IniFile::Line* IniFile::find(const QString& section, const QString& key)
{
    if (m_state == State::Garbled)
        return nullptr;
    for (Section& s : m_sections) {
        if (s.name.isEmpty() || !sameName(s.name, section))
            continue;
        for (Line& l : s.lines) {
            if (!l.key.isEmpty() && sameName(l.key, key))
                return &l;
        }
    }
    return nullptr;
}

QString IniFile::peek(const QString& section, const QString& key)
{
    reload();
    const Line* l = find(section, key);
    return l ? l->value : QString();
}

bool IniFile::contains(const QString& section, const QString& key)
{
    reload();
    return find(section, key) != nullptr;
}

QStringList IniFile::sections()
{
    reload();
    QStringList out;
    if (m_state == State::Good) {
        for (const Section& s : m_sections) {
            if (!s.name.isEmpty())
                out << s.name;
        }
    }
    return out;
}

QStringList IniFile::keys(const QString& section)
{
    reload();
    QStringList out;
    if (m_state != State::Good)
        return out;
    for (const Section& s : m_sections) {
        if (s.name.isEmpty() || !sameName(s.name, section))
            continue;
        for (const Line& l : s.lines) {
            if (!l.key.isEmpty())
                out << l.key;
        }
    }
    return out;
}

QString IniFile::IniRead(const QString& section, const QString& key, const QString& defaultValue)
{
    const QString value = peek(section, key);
    if (!value.isEmpty())
        return value;
    IniWrite(section, key, defaultValue);
    return defaultValue;
}

void IniFile::IniWrite(const QString& section, const QString& key, const QString& value)
{
    reload();
    if (m_state == State::Garbled) {
        // Keep the damaged file: move it aside, then start a new one.
        QString aside = m_path + QLatin1String(".damaged");
        for (int n = 1; QFile::exists(aside); ++n)
            aside = m_path + QLatin1String(".damaged.") + QString::number(n);
        QFile damaged(m_path);
        if (!damaged.rename(aside)) {
            problem(QStringLiteral("The settings file \"%1\" is damaged and cannot be moved "
                                   "aside (%2); settings cannot be saved.")
                        .arg(QDir::toNativeSeparators(m_path), damaged.errorString()));
            return;
        }
        m_sections.clear();
        m_state = State::Good;
        problem(QStringLiteral("The settings file \"%1\" was damaged (it is not settings text) "
                               "and has been moved aside to \"%2\". Helmbook starts a new one "
                               "with default settings.")
                    .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside)));
    }

    if (Line* l = find(section, key)) {
        l->value = value;
    } else {
        Section* target = nullptr;
        for (Section& s : m_sections) {
            if (!s.name.isEmpty() && sameName(s.name, section)) {
                target = &s;
                break;
            }
        }
        if (!target) {
            if (m_sections.empty())
                m_sections.push_back({});
            m_sections.push_back({section, {}});
            target = &m_sections.back();
        }
        // New keys go after the section's last key, before trailing blank lines.
        auto pos = target->lines.end();
        while (pos != target->lines.begin() && std::prev(pos)->key.isEmpty() &&
               std::prev(pos)->raw.trimmed().isEmpty())
            --pos;
        target->lines.insert(pos, {key, value, {}});
    }
    if (m_state == State::Unreadable) {
        // Never written over: kept for this session only.
        m_pending = true;
        problem(QStringLiteral("The settings file \"%1\" cannot be read (%2); settings changed "
                               "now are kept only until Helmbook ends.")
                    .arg(QDir::toNativeSeparators(m_path), m_unreadableReason));
        return;
    }
    save();
}

bool IniFile::save()
{
    QByteArray out;
    for (const Section& s : m_sections) {
        if (!s.name.isEmpty())
            out += '[' + s.name.toUtf8() + "]\n";
        for (const Line& l : s.lines) {
            if (l.key.isEmpty())
                out += l.raw.toUtf8() + '\n';
            else
                out += l.key.toUtf8() + '=' + encodeValue(l.value).toUtf8() + '\n';
        }
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        m_pending = true; // kept in memory, tried again with the next write
        problem(QStringLiteral("The settings file \"%1\" cannot be saved (%2); changed settings "
                               "are kept while Helmbook runs and saved once the file can be "
                               "written.")
                    .arg(QDir::toNativeSeparators(m_path), file.errorString()));
        return false;
    }
    m_lastError.clear();
    m_problemTold = false;
    m_pending = false;
    const QFileInfo info(m_path);
    m_loadedExists = true;
    m_loadedModified = info.lastModified();
    m_loadedSize = info.size();
    return true;
}

} // namespace hb
