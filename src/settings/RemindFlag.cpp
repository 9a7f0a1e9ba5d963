#include "settings/RemindFlag.h"

#include "settings/IniFile.h"

namespace hb {

bool iniBoolean(const QString& text, bool fallback)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool number = false;
    const qlonglong value = t.toLongLong(&number);
    return number ? value != 0 : fallback;
}

bool readRemindFlag(IniFile& settings)
{
    return iniBoolean(settings.IniRead(QStringLiteral("FormInfo"), QStringLiteral("RemindFlag"),
                                       QStringLiteral("True")),
                      true);
}

void writeRemindFlag(IniFile& settings, bool on)
{
    settings.IniWrite(QStringLiteral("FormInfo"), QStringLiteral("RemindFlag"),
                      on ? QStringLiteral("-1") : QStringLiteral("0"));
}

} // namespace hb
