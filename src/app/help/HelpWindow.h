#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace hb {

// The help window: a non-modal top-level window that shows the HTML help pages of one folder,
// with Back, Forward and Contents buttons.
//
// A topic is the name of a page without ".html" ("logs"), optionally followed by "#" and an
// anchor on that page ("logs#wizard"). A topic that names no page of the folder shows the
// contents page instead, and a folder without a contents page shows a short note saying where
// the pages were looked for, so the window never comes up empty.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);

    // Show the window (raised and active) at the contents page or at a topic.
    void showContents();
    void showTopic(const QString& topic);

    QString helpFolder() const { return m_folder; }

    // share/helmbook/help beside the program's bin folder, where the pages are installed (and
    // copied by the build).
    static QString defaultHelpFolder();

    static constexpr const char* ContentsTopic = "contents";

private:
    // The page file of a topic, empty when the folder has no such page.
    QString pageFile(const QString& topic) const;
    // Shows a topic in the browser; false when the folder has no page for it.
    bool open(const QString& topic);
    void followLink(const QUrl& link);
    void present();

    QString m_folder;
    QTextBrowser* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
};

} // namespace hb
