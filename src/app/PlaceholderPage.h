#pragma once

#include <QWidget>

class QPushButton;
class QVBoxLayout;

namespace hb {

// A page whose log comes in a later version: its caption and a plain line saying so, and the
// buttons that lead on to the pages reached from it.
class PlaceholderPage : public QWidget
{
    Q_OBJECT
public:
    PlaceholderPage(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
    // Adds a button leading on; returns it so the caller can connect and hide it.
    QPushButton* addButton(const QString& text);

private:
    QVBoxLayout* m_buttons;
};

} // namespace hb
