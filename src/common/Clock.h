#pragma once

#include <QDate>
#include <QDateTime>

namespace hb {

// Today and now, in local time. Tests use a fixed clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace hb
