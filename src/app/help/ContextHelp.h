#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace hb {

// Gives a widget a context menu with the single item "What's This?", which calls `open` with
// the widget's help topic. Calling it again for the same widget replaces the topic. Child
// widgets without a context menu of their own share their parent's topic.
void offerHelpTopic(QWidget* widget, const QString& topic,
                    std::function<void(const QString& topic)> open);

inline constexpr const char* WhatsThisText = "What's This?";

} // namespace hb
