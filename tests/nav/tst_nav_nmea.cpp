#include "nav/Nmea.h"
#include "nav/NmeaFramer.h"

#include "TestSupport.h"

#include <clocale>

using namespace hb;

namespace {

const QString Today = QStringLiteral("6/15/2026");

const char* const Gga = "$GPGGA,143512.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*";
const char* const Rmc = "$GPRMC,143512.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*";

// The decoder never looks at the first and the last packet of a burst, so the sentences under
// test go between two packets it must skip.
QStringList burst(std::initializer_list<const char*> sentences)
{
    QStringList packets{QStringLiteral("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*")};
    for (const char* s : sentences)
        packets << QString::fromUtf8(s);
    packets << QStringLiteral("$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*");
    return packets;
}

QString text(const std::optional<QString>& value)
{
    return value.value_or(QStringLiteral("<none>"));
}

} // namespace

class NmeaTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QStringList>("packets");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("line"); // after "Skipper: 6/15/2026, "
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("crsLatt"); // "<none>": not produced
        QTest::addColumn<QString>("crsLong");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("course");
        QTest::addColumn<QString>("time");

        const QString none = QStringLiteral("<none>");
        auto row = [&](const char* name, const QStringList& packets, int offset, const char* line,
                       bool found, double lat, double lon, const char* crsLatt, const char* crsLong,
                       const char* speed, const char* course, const char* time) {
            auto orNone = [&](const char* s) { return s ? QString::fromLatin1(s) : none; };
            QTest::newRow(name) << packets << offset << QString::fromLatin1(line) << found << lat
                                << lon << orNone(crsLatt) << orNone(crsLong) << orNone(speed)
                                << orNone(course) << orNone(time);
        };

        row("worked example", burst({Gga, Rmc}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, SOG=22.4 K, CMG=084 T", true, 48.1173,
            11.5167, "48 07.04 N", "011 31.00 E", "22.4 K", "084 T", "14:35");
        row("worked example, offset -5", burst({Gga, Rmc}), -5,
            " 09:35 LOC, Position= 48 07.04 N 011 31.00 E, SOG=22.4 K, CMG=084 T", true, 48.1173,
            11.5167, "48 07.04 N", "011 31.00 E", "22.4 K", "084 T", "09:35");
        row("hour 23, offset +3", burst({"$GPGGA,2359,4807.038,N,01131.000,E,1,*"}), 3,
            " 02:59 LOC, Position= 48 07.04 N 011 31.00 E", true, 48.1173, 11.5167, "48 07.04 N",
            "011 31.00 E", nullptr, nullptr, "02:59");
        row("hour 01, offset -5", burst({"$GPGGA,010203,4807.038,N,01131.000,E,1,*"}), -5,
            " 20:02 LOC, Position= 48 07.04 N 011 31.00 E", true, 48.1173, 11.5167, "48 07.04 N",
            "011 31.00 E", nullptr, nullptr, "20:02");
        row("sentences only first and last",
            QStringList{QString::fromLatin1(Gga), QString::fromLatin1(Rmc)}, 0, "", false, 0, 0,
            nullptr, nullptr, nullptr, nullptr, nullptr);
        row("first of two GGA decides", burst({"$GPGGA,143512,,,,,0,00,,,M,,M,,*", Gga}), 0,
            "14:35 UTC, ", false, 0, 0, nullptr, nullptr, nullptr, nullptr, "14:35");
        row("GGA without fix, RMC position",
            burst({"$GPGGA,143512.00,,,,,0,00,,,M,,M,,*", "$GPRMC,101010,V,4807.038,N,01131.000,E,"
                                                          "0.0,,230394,,*"}),
            0, "14:35 UTC, Position= 48 07.04 N 011 31.00 E, SOG=00.0 K", true, 48.1173, 11.5167,
            "48 07.04 N", "011 31.00 E", "00.0 K", nullptr, "14:35");
        row("any talker", burst({"$GNGGA,143512,4807.038,N,01131.000,E,1,*", "$IIDBT,40.2,f,*"}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, Depth: 40.2Feet", true, 48.1173, 11.5167,
            "48 07.04 N", "011 31.00 E", nullptr, nullptr, "14:35");
        row("south and west are negative", burst({"$GPGGA,0000,3352.128,S,15112.558,W,1,*"}), 0,
            "00:00 UTC, Position= 33 52.13 S 151 12.56 W", true, -33.8688, -151.2093, "33 52.13 S",
            "151 12.56 W", nullptr, nullptr, "00:00");
        row("minutes round up into the degree", burst({"$GPGGA,1200,4759.996,N,17959.999,W,1,*"}),
            0, "12:00 UTC, Position= 48 00.00 N 180 00.00 W", true, 47.99993, -179.99998,
            "48 00.00 N", "180 00.00 W", nullptr, nullptr, "12:00");
        row("latitude over 90", burst({"$GPGGA,1200,9000.060,N,01131.000,E,1,*"}), 0, "12:00 UTC, ",
            false, 0, 0, nullptr, nullptr, nullptr, nullptr, "12:00");
        row("longitude over 180", burst({"$GPGGA,1200,4807.038,N,18000.600,E,1,*"}), 0,
            "12:00 UTC, Position= 48 07.04 N ", false, 0, 0, "48 07.04 N", nullptr, nullptr,
            nullptr, "12:00");
        row("sixty minutes", burst({"$GPGGA,1200,4860.000,N,01131.000,E,1,*"}), 0, "12:00 UTC, ",
            false, 0, 0, nullptr, nullptr, nullptr, nullptr, "12:00");
        row("three-digit latitude degrees", burst({"$GPGGA,1200,12345.67,N,01131.000,E,1,*"}), 0,
            "12:00 UTC, ", false, 0, 0, nullptr, nullptr, nullptr, nullptr, "12:00");
        row("lower-case hemisphere, then RMC",
            burst({"$GPGGA,143512,4807.038,n,01131.000,e,1,*", Rmc}), 0,
            "14:35 UTC, Position= 48 07.04 Position= 48 07.04 N 011 31.00 E, SOG=22.4 K, CMG=084 T",
            true, 48.1173, 11.5167, "48 07.04 N", "011 31.00 E", "22.4 K", "084 T", "14:35");
        row("field before * is unusable", burst({"$GPGGA,143512,4807.038,N,01131.000,E*"}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 ", false, 0, 0, "48 07.04 N", nullptr,
            nullptr, nullptr, "14:35");
        row("bad GGA time, RMC gives it", burst({"$GPGGA,2460,4807.038,N,01131.000,E,1,*", Rmc}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, SOG=22.4 K, CMG=084 T", true, 48.1173,
            11.5167, "48 07.04 N", "011 31.00 E", "22.4 K", "084 T", "14:35");
        row("non-ASCII digits are not digits",
            burst({"$GPGGA,1435\u0662\u0662,4807.038,N,01131.000,E,1,*"}), 0, "", false, 0, 0,
            nullptr, nullptr, nullptr, nullptr, nullptr);
        row("GLL and RMC, time written once",
            burst({"$GPGLL,4916.45,N,12311.12,W,225444,A,*", Rmc}), 0,
            "22:54 UTC, Position= 49 16.45 N 123 11.12 W, SOG=22.4 K, CMG=084 T", true, 49.27417,
            -123.18533, "49 16.45 N", "123 11.12 W", "22.4 K", "084 T", "14:35");
        row("GLL after GGA time only",
            burst({"$GPGGA,225444,,,,,0,*", "$GPGLL,4916.45,N,12311.12,W,225444,A,*"}), 0,
            "22:54 UTC, Position= 49 16.45 N 123 11.12 W", true, 49.27417, -123.18533, "49 16.45 N",
            "123 11.12 W", nullptr, nullptr, "22:54");
        row("GLL time as last field", burst({"$GPGLL,4916.45,N,12311.12,W,225444*"}), 0, "", false,
            0, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
        row("RMC empty speed, course kept",
            burst({"$GPRMC,143512,A,4807.038,N,01131.000,E,,084.4,230394,,*"}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, CMG=084 T", true, 48.1173, 11.5167,
            "48 07.04 N", "011 31.00 E", nullptr, "084 T", "14:35");
        row("VTG fills in what RMC lacked",
            burst({"$GPRMC,143512,A,4807.038,N,01131.000,E,5.5,x,230394,,*",
                   "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A*"}),
            0, "14:35 UTC, Position= 48 07.04 N 011 31.00 E, SOG=05.5 K, CMG=055 T", true, 48.1173,
            11.5167, "48 07.04 N", "011 31.00 E", "05.5 K", "055 T", "14:35");
        row("VTG magnetic course", burst({Gga, "$GPVTG,,T,034.4,M,005.5,N,010.2,K*"}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, SOG=05.5 K, CMG=034 M", true, 48.1173,
            11.5167, "48 07.04 N", "011 31.00 E", "05.5 K", "034 M", "14:35");
        row("VTG ignored after full RMC", burst({Gga, Rmc, "$GPVTG,1,T,2,M,3,N,4,K*"}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, SOG=22.4 K, CMG=084 T", true, 48.1173,
            11.5167, "48 07.04 N", "011 31.00 E", "22.4 K", "084 T", "14:35");
        row("RMB active, DBT",
            burst({Gga, "$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*",
                   "$SDDBT,12.3,f,3.7,M,2.0,F*"}),
            0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E, CTX=0.66L, LastWP_ID=003, "
            "NextWP_ID=004 Next WP Position= 49 17.24 N 123 09.57 W, Next WP Range=001.3, "
            "Next WP Bearing=052.5, Depth: 12.3Feet",
            true, 48.1173, 11.5167, "48 07.04 N", "011 31.00 E", nullptr, nullptr, "14:35");
        row("RMB void", burst({Gga, "$GPRMB,V,0.66,L,003,004,4917.24,N,12309.57,W,1,2,3,V*"}), 0,
            "14:35 UTC, Position= 48 07.04 N 011 31.00 E", true, 48.1173, 11.5167, "48 07.04 N",
            "011 31.00 E", nullptr, nullptr, "14:35");
        row("RMB and DBT need a position",
            burst({"$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,1,2,3,V*", "$SDDBT,12.3,f,*"}), 0,
            "", false, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr);
        row("hostile packets ignored",
            burst({"$PGRME,15.0,M,45.0,M,25.0,M*", "!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*",
                   "", "$", "*", Gga, "$GPGGA"}),
            0, "14:35 UTC, Position= 48 07.04 N 011 31.00 E", true, 48.1173, 11.5167, "48 07.04 N",
            "011 31.00 E", nullptr, nullptr, "14:35");
    }

    void decode()
    {
        QFETCH(QStringList, packets);
        QFETCH(int, offset);
        QFETCH(QString, line);
        QFETCH(bool, found);
        QFETCH(double, lat);
        QFETCH(double, lon);

        const nmea::DecodeResult r =
            nmea::decode(packets, QStringLiteral("Skipper"), offset, Today);
        QCOMPARE(r.logLine, QStringLiteral("Skipper: 6/15/2026, ") + line);
        QCOMPARE(r.positionFound, found);
        if (found) {
            QVERIFY2(std::abs(r.latitude - lat) < 1e-4, qPrintable(QString::number(r.latitude)));
            QVERIFY2(std::abs(r.longitude - lon) < 1e-4, qPrintable(QString::number(r.longitude)));
        }
        QTEST(text(r.crsLatt), "crsLatt");
        QTEST(text(r.crsLong), "crsLong");
        QTEST(text(r.boatSpd), "speed");
        QTEST(text(r.boatCourse), "course");
        QTEST(r.entryTime ? r.entryTime->toString(QStringLiteral("HH:mm"))
                          : QStringLiteral("<none>"),
              "time");
    }

    // Numbers in sentences always use "." whatever the process locale says.
    void decodeUnderGermanLocale()
    {
        const QByteArray oldC = std::setlocale(LC_ALL, nullptr);
        const QLocale oldQt;
        std::setlocale(LC_ALL, "de_DE.UTF-8"); // may be missing; the Qt default still counts
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const nmea::DecodeResult r = nmea::decode(
            burst({"$GPGLL,4916.45,N,12311.12,W,225444,A,*",
                   "$GPRMC,225444,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E*"}),
            QStringLiteral("GPS"), 0, Today);
        std::setlocale(LC_ALL, oldC.constData());
        QLocale::setDefault(oldQt);

        QVERIFY(r.positionFound);
        QCOMPARE(r.latitude, 49 + 16.45 / 60);
        QCOMPARE(r.longitude, -(123 + 11.12 / 60));
        QCOMPARE(r.logLine, QStringLiteral("GPS: 6/15/2026, 22:54 UTC, Position= 49 16.45 N 123 "
                                           "11.12 W, SOG=00.5 K, CMG=055 T"));
    }

    void framing_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QStringList>("packets");

        const QByteArray eighty = "$GPTXT," + QByteArray(72, 'x') + '*';
        QTest::newRow("garbage between, checksum dropped")
            << QByteArray("noise$GPGGA,1,2*4F\r\n\xff\xfe junk*$GPRMC,3*0A\r\n")
            << QStringList{"$GPGGA,1,2*", "$GPRMC,3*"};
        QTest::newRow("$ restarts the packet")
            << QByteArray("$GPGGA,143512,48$GPRMC,1*") << QStringList{"$GPRMC,1*"};
        QTest::newRow("80 characters pass") << eighty << QStringList{QString::fromLatin1(eighty)};
        QTest::newRow("81 characters dropped with their tail")
            << QByteArray("$GPTXT,y" + QByteArray(72, 'x') + "*tail*$GPDBT,1*")
            << QStringList{"$GPDBT,1*"};
        QTest::newRow("NUL or line end inside drops the packet")
            << QByteArray("$GPGGA,1\0,2*$GPGLL,1\r\n2*$GPDBT,1*", 33) << QStringList{"$GPDBT,1*"};
        QTest::newRow("NUL outside is ignored")
            << QByteArray("\0\0$GPDBT,1*\0", 12) << QStringList{"$GPDBT,1*"};
        QTest::newRow("no star, no packet") << QByteArray("$GPGGA,1,2\r\n") << QStringList{};
        QTest::newRow("AIS and other starts ignored")
            << QByteArray("!AIVDM,1,1,,A,13u?etP,0*5C\r\n$PGRME,1*") << QStringList{"$PGRME,1*"};
    }

    void framing()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QStringList, packets);

        nmea::Framer whole;
        QCOMPARE(whole.feed(stream), packets);

        // The same packets when the bytes trickle in one at a time.
        nmea::Framer trickle;
        QStringList got;
        for (char c : stream)
            got << trickle.feed(QByteArrayView(&c, 1));
        QCOMPARE(got, packets);
    }

    void framingReset()
    {
        nmea::Framer f;
        QVERIFY(f.feed("$GPGGA,1,").isEmpty());
        f.reset();
        QCOMPARE(f.feed("2*$GPDBT,1*"), QStringList{"$GPDBT,1*"});
    }
};

HB_TEST_MAIN(NmeaTest)
#include "tst_nav_nmea.moc"
