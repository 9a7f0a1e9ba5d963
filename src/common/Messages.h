#pragma once

#include <QString>

class QWidget;

namespace hb {

// Every message the program shows goes through this interface, so tests can script the
// answers. Texts are kept exactly as written, "\r\n" included; only the on-screen
// implementation turns "\r\n" into a line break.
class Messages
{
public:
    enum class Kind { Error, Warning, Information, Confirmation };
    enum class Buttons { Ok, YesNo, OkCancel, OkIgnore };
    enum class Answer { Ok, Cancel, Yes, No, Ignore };

    virtual ~Messages() = default;
    virtual Answer show(Kind kind, const QString& text, Buttons buttons,
                        const QString& title = {}) = 0;

    // Shorthands for the common cases.
    void error(const QString& text) { show(Kind::Error, text, Buttons::Ok); }
    void warning(const QString& text) { show(Kind::Warning, text, Buttons::Ok); }
    void information(const QString& text) { show(Kind::Information, text, Buttons::Ok); }
    bool confirm(const QString& text)
    {
        return show(Kind::Confirmation, text, Buttons::YesNo) == Answer::Yes;
    }
};

// Message boxes on screen.
class QtMessages : public Messages
{
public:
    explicit QtMessages(QWidget* parent = nullptr) : m_parent(parent) {}
    Answer show(Kind kind, const QString& text, Buttons buttons, const QString& title) override;

    // "\r\n" (and a lone "\r") as a line break for display.
    static QString displayText(const QString& text);

private:
    QWidget* m_parent;
};

} // namespace hb
