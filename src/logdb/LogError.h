#pragma once

#include <QString>

#include <exception>

namespace hb {

// A failing log operation. `text()` is the database engine's own message where there is one.
class LogError : public std::exception
{
public:
    explicit LogError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

} // namespace hb
