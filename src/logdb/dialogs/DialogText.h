#pragma once

#include <QStyle>

class QLabel;
class QLayout;
class QString;
class QWidget;

namespace hb {

// A paragraph of a dialog: plain text (never read as rich text), wrapped, with "\r\n" as a line
// break, wide enough that a few sentences make a comfortable block.
QLabel* dialogText(const QString& text, QWidget* parent);

// The style's message icon beside `content`, the way message boxes show it.
QLayout* withIcon(QStyle::StandardPixmap icon, QLayout* content, QWidget* parent);

} // namespace hb
