#include "machinery/BatteryRules.h"

#include <QRegularExpression>
#include <QStringList>

namespace hb {

const std::vector<BatteryBank>& batteryBanks()
{
    static const std::vector<BatteryBank> banks = {
        {1, "House", "House", "House Batt"},
        {2, "Eng. Start 1", "EngSt1", "Eng. Start 1"},
        {3, "Eng. Start 2", "EngSt2", "Eng. Start 2"},
        {4, "Gen. Start", "GenSt", "Gen. Start"},
        {5, "Aux 1", "AuxBt1", "Aux 1"},
        {6, "Aux 2", "AuxBt2", "Aux 2"},
    };
    return banks;
}

QString bankCode(int bank)
{
    for (const BatteryBank& b : batteryBanks()) {
        if (b.number == bank)
            return QString::fromLatin1(b.code);
    }
    return {};
}

const QStringList& batteryTypes()
{
    static const QStringList types = {QStringLiteral("Wet"), QStringLiteral("AGM"),
                                      QStringLiteral("Gel"), QStringLiteral("Other")};
    return types;
}

QString readingTimeText(const QTime& time)
{
    if (!time.isValid())
        return {};
    const int h12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(h12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QLatin1String("am") : QLatin1String("pm"));
}

QTime readingTime(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})(?::\\d{2})?\\s*([AaPp])\\.?[Mm]?\\.?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        // A 24-hour text ("14:05") is read as it stands.
        return QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    }
    int h = m.captured(1).toInt();
    const int min = m.captured(2).toInt();
    if (h < 1 || h > 12 || min > 59)
        return {};
    const bool pm = m.captured(3).compare(QLatin1String("p"), Qt::CaseInsensitive) == 0;
    h = h % 12 + (pm ? 12 : 0);
    return QTime(h, min);
}

} // namespace hb
