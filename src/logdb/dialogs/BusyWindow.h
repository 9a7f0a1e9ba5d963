#pragma once

#include <QFrame>

namespace hb {

// A small borderless window, always on top, with one centred bold line ("Copying Lookup
// Tables"), shown while a long operation runs. It is centred over `parent`'s window, or on the
// screen without one, and painted at once, since the operation keeps the event loop busy.
class BusyWindow : public QFrame
{
    Q_OBJECT
public:
    explicit BusyWindow(const QString& message, QWidget* parent = nullptr);

    void showNow();
};

} // namespace hb
