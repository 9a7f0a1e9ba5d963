#include "common/Formats.h"
#include "common/Money.h"

#include "TestSupport.h"

using namespace hb;

class FormatsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, double v, const char* p, const char* e) {
            QTest::newRow(name) << v << QString::fromLatin1(p) << QString::fromLatin1(e);
        };
        row("money grouping", 1234567.891, "#,##0.00", "1,234,567.89");
        row("money zero", 0, "#,##0.00", "0.00");
        row("money negative", -12.5, "#,##0.00", "-12.50");
        row("money half up", 2.345, "#,##0.00", "2.35");
        row("money tiny negative", -0.001, "#,##0.00", "0.00");
        row("two decimals", 3.14159, "#0.00", "3.14");
        row("minutes padded", 7.038, "00.00", "07.04");
        row("minutes carry", 59.996, "00.00", "60.00");
        row("speed", 22.4, "00.0", "22.4");
        row("speed padded", 5.25, "00.0", "05.3");
        row("course", 84.4, "000", "084");
        row("course zero", 0, "000", "000");
        row("distance optional decimal", 12.5, "###,##0.0#", "12.5");
        row("distance two decimals", 1234.567, "###,##0.0#", "1,234.57");
        row("distance whole", 3, "###,##0.0#", "3.0");
        row("hours optional", 1234.5, "#,###.##", "1,234.5");
        row("hours whole", 12, "#,###.##", "12");
        row("hours fraction only", 0.25, "#,###.##", ".25");
        row("hours zero", 0, "#,###.##", "0");
        row("six digit hours", 123456.789, "###,###.##", "123,456.79");
        row("amount", 12345.6, "##,###.00", "12,345.60");
        row("amount below one", 0.5, "##,###.00", ".50");
        row("rate", 7.5, "###.00", "7.50");
        row("total", 0.004, "###,##0.00", "0.00");
        row("carry into new digit", 999.995, "#,##0.00", "1,000.00");
    }
    void numbers()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(Formats(QLocale(QLocale::English, QLocale::UnitedStates)).number(value, pattern),
                 expected);
    }

    void localeSeparators()
    {
        const Formats german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.number(1234.5, QStringLiteral("#,##0.00")), QStringLiteral("1.234,50"));
        QCOMPARE(formatNumber(1234.5, QStringLiteral("#,##0.00")), QStringLiteral("1,234.50"));
    }

    void datesAndTimes_data()
    {
        QTest::addColumn<QDateTime>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QDateTime afternoon(QDate(2026, 3, 7), QTime(14, 5, 9));
        const QDateTime midnight(QDate(2026, 12, 31), QTime(0, 30));
        QTest::newRow("HH:nn") << afternoon << "HH:nn"
                               << "14:05";
        QTest::newRow("hh:nn am/pm afternoon") << afternoon << "hh:nn am/pm"
                                               << "02:05 pm";
        QTest::newRow("hh:nn am/pm after midnight") << midnight << "hh:nn am/pm"
                                                    << "12:30 am";
        QTest::newRow("mm/dd/yyyy") << afternoon << "mm/dd/yyyy"
                                    << "03/07/2026";
        QTest::newRow("mmddyyyy") << midnight << "mmddyyyy"
                                  << "12312026";
    }
    void datesAndTimes()
    {
        QFETCH(QDateTime, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(Formats().dateTime(value, pattern), expected);
    }

    void shortDateAndCurrency()
    {
        const Formats us(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(us.shortDate(QDate(2026, 3, 7)), QStringLiteral("3/7/2026"));
        QCOMPARE(us.parseShortDate(QStringLiteral("3/7/2026")), QDate(2026, 3, 7));
        QCOMPARE(us.money(1234.5), QStringLiteral("$1,234.50"));
        const Formats german(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(german.shortDate(QDate(2026, 3, 7)), QStringLiteral("07/03/2026"));
        QCOMPARE(german.parseShortDate(QStringLiteral("07/03/2026")), QDate(2026, 3, 7));
        QCOMPARE(us.shortDate(QDate()), QString());
    }

    void money()
    {
        QCOMPARE(Money::fromDouble(12.35).units(), 123500);
        QCOMPARE(Money::fromDouble(12.345).units(), 123450);
        QCOMPARE(Money::fromDouble(-0.00005).units(), -1);
        QCOMPARE(Money::parse(QStringLiteral("12.35"))->units(), 123500);
        QCOMPARE(Money::parse(QStringLiteral("-0.0001"))->toString(), QStringLiteral("-0.0001"));
        QVERIFY(!Money::parse(QStringLiteral("1.23456")));
        QVERIFY(!Money::parse(QStringLiteral("12,35")));
        QVERIFY(!Money::parse(QStringLiteral("")));
        QCOMPARE(Money::fromUnits(30000).toString(), QStringLiteral("3"));
        Money sum;
        for (int i = 0; i < 1000; ++i)
            sum = sum + Money::fromDouble(0.1);
        QCOMPARE(sum, Money::fromDouble(100));
    }
};

HB_TEST_MAIN(FormatsTest)
#include "tst_formats.moc"
