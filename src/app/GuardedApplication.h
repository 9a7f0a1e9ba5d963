#pragma once

#include <QApplication>

namespace hb {

// The application object. The last guard of the event loop: an error that escaped a command
// ends the event it came from, its text is shown, and the program keeps running. Commands
// catch their own errors first; this only stops one that was missed from ending the program.
class GuardedApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace hb
