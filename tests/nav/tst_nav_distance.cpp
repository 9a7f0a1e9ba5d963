#include "nav/GreatCircle.h"
#include "nav/Nmea.h"

#include "TestSupport.h"

#include <numbers>

using namespace hb;

namespace {

// Nautical miles along a great circle of `degrees` of arc.
double arcNm(double degrees)
{
    return degrees * std::numbers::pi / 180 * nav::EarthRadiusKm * nav::NauticalMilesPerKm;
}

} // namespace

class DistanceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void distance_data()
    {
        QTest::addColumn<double>("lat1");
        QTest::addColumn<double>("lon1");
        QTest::addColumn<double>("lat2");
        QTest::addColumn<double>("lon2");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");

        QTest::newRow("one minute of latitude")
            << 48.0 << 11.0 << 48.0 + 1.0 / 60 << 11.0 << 1.0 << 0.01;
        QTest::newRow("across the equator") << 0.1 << -30.0 << -0.1 << -30.0 << arcNm(0.2) << 1e-3;
        QTest::newRow("across the prime meridian")
            << 0.0 << -0.1 << 0.0 << 0.1 << arcNm(0.2) << 1e-3;
        QTest::newRow("across the antimeridian")
            << 0.0 << 179.9 << 0.0 << -179.9 << arcNm(0.2) << 1e-3;
        QTest::newRow("across the antimeridian at 60 N")
            << 60.0 << 179.5 << 60.0 << -179.5 << 30.0 << 0.2; // a minute of longitude is half
        QTest::newRow("quarter circle") << 0.0 << 0.0 << 0.0 << 90.0 << arcNm(90) << 1e-6;
        QTest::newRow("antipodes") << 10.0 << 20.0 << -10.0 << -160.0 << arcNm(180) << 1e-3;
    }

    void distance()
    {
        QFETCH(double, lat1);
        QFETCH(double, lon1);
        QFETCH(double, lat2);
        QFETCH(double, lon2);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double nm = nav::greatCircleNmDegrees(lat1, lon1, lat2, lon2);
        QVERIFY2(std::abs(nm - expected) <= tolerance,
                 qPrintable(QStringLiteral("%1 NM, expected %2").arg(nm).arg(expected)));
        QCOMPARE(nav::greatCircleNmDegrees(lat2, lon2, lat1, lon1), nm);
    }

    // At this latitude the cosine of the angle between a point and itself rounds to just above
    // 1; the distance must still be exactly 0.
    void identicalPoints_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("cosine rounds above 1") << 86.9738 << 0.0;
        QTest::newRow("worked example") << 48.1173 << 11.5167;
        QTest::newRow("south-west") << -33.8688 << -151.2093;
    }

    void identicalPoints()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QCOMPARE(nav::greatCircleNmDegrees(lat, lon, lat, lon), 0.0);
    }

    // Two fixes 0.1 degree either side of the equator and of the prime meridian, measured on
    // the decoder's signed positions.
    void decodedLegAcrossEquatorAndMeridian()
    {
        auto fix = [](const char* gga) {
            const nmea::DecodeResult r = nmea::decode(
                {QStringLiteral("$GPGSV*"), QString::fromLatin1(gga), QStringLiteral("$GPGSV*")},
                QStringLiteral("GPS"), 0, QStringLiteral("6/15/2026"));
            return r;
        };
        const nmea::DecodeResult north = fix("$GPGGA,1200,0006.000,N,00006.000,W,1,*");
        const nmea::DecodeResult south = fix("$GPGGA,1300,0006.000,S,00006.000,E,1,*");
        QVERIFY(north.positionFound && south.positionFound);
        QVERIFY(north.latitude > 0 && north.longitude < 0 && south.latitude < 0);
        const double nm = nav::greatCircleNmDegrees(north.latitude, north.longitude, south.latitude,
                                                    south.longitude);
        QVERIFY2(std::abs(nm - arcNm(0.2 * std::numbers::sqrt2)) < 1e-3,
                 qPrintable(QString::number(nm)));
    }
};

HB_TEST_MAIN(DistanceTest)
#include "tst_nav_distance.moc"
