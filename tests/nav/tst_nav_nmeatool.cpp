// helmbook-nmea run as a skipper would: on a captured stream, on standard input and on a
// serial device (a pseudo-terminal standing in for the GPS).
#include "TestSupport.h"

#include <QProcess>
#include <QRegularExpression>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

const QString Tool = QStringLiteral(HB_NMEA_TOOL);
const QString Capture = QStringLiteral(HB_NAV_DATA "/garbled-capture.nmea");

struct Run
{
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

Run run(const QStringList& arguments, const QString& stdinFile = {})
{
    QProcess p;
    if (!stdinFile.isEmpty())
        p.setStandardInputFile(stdinFile);
    p.start(Tool, arguments);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000))
        p.kill();
    Run r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    r.errors = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// Today's date differs from run to run: it is checked for its form and replaced by "DATE".
QStringList withoutDate(const QStringList& lines)
{
    static const QRegularExpression date(
        QStringLiteral("^(.*? \\| [^:]*: )\\d+/\\d+/\\d{4}(, .*)$"));
    QStringList out;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = date.match(line);
        out << (m.hasMatch() ? m.captured(1) + QLatin1String("DATE") + m.captured(2) : line);
    }
    return out;
}

} // namespace

class NmeaToolTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The capture holds garbage between sentences, a sentence cut off by the next one, an
    // overlong one, one with a NUL inside, an AIS line and a last sentence cut off by the end:
    // none of it may count as a packet, or the bursts of 20 would shift.
    void capturedStream()
    {
        const Run r = run({QStringLiteral("--name"), QStringLiteral("Test Keeper"),
                           QStringLiteral("--utc-offset"), QStringLiteral("-5"), Capture});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.errors, QString());
        const QStringList expected{
            "FIX 48.117300 11.516667 | Test Keeper: DATE,  09:35 LOC, Position= 48 07.04 N 011 "
            "31.00 E, SOG=22.4 K, CMG=084 T, CTX=0.66L, LastWP_ID=003, NextWP_ID=004 Next WP "
            "Position= 49 17.24 N 123 09.57 W, Next WP Range=001.3, Next WP Bearing=052.5, "
            "Depth: 12.3Feet",
            "NOFIX | Test Keeper: DATE,  09:36 LOC, ",
            "FIX -33.868800 -151.209300 | Test Keeper: DATE,  21:03 LOC, Position= 33 52.13 S "
            "151 12.56 W",
        };
        QCOMPARE(withoutDate(r.lines), expected);
    }

    void standardInputAndDefaults()
    {
        const Run r = run({}, Capture);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines.size(), 3);
        QCOMPARE(withoutDate(r.lines).at(1), QStringLiteral("NOFIX | GPS: DATE, 14:36 UTC, "));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // expected in stdout or stderr

        QTest::newRow("help") << QStringList{"--help"} << 0 << "FIX <latitude> <longitude>";
        QTest::newRow("offset out of range") << QStringList{"--utc-offset", "14", Capture} << 1
                                             << "--utc-offset must be a whole number";
        QTest::newRow("offset not a number") << QStringList{"--utc-offset", "+2.5", Capture} << 1
                                             << "--utc-offset must be a whole number";
        QTest::newRow("missing file")
            << QStringList{"/nonexistent/gps.nmea"} << 1 << "/nonexistent/gps.nmea";
        QTest::newRow("file and device")
            << QStringList{"--device", "/dev/null", Capture} << 1 << "give one input";
        QTest::newRow("unknown option") << QStringList{"--baud", "9600"} << 1 << "baud";
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess p;
        p.start(Tool, arguments);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), exitCode);
        const QString all = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(all.contains(output), qPrintable(all));
    }

    // A pseudo-terminal pair: the tool opens the far end as its serial device while the test
    // plays the GPS. Every packet holds a fix, so any burst the tool happens to start on
    // decodes to the same line.
    void serialDevice()
    {
        const int gps = posix_openpt(O_RDWR | O_NOCTTY);
        if (gps < 0)
            QSKIP("no pseudo-terminals on this machine");
        QVERIFY(grantpt(gps) == 0 && unlockpt(gps) == 0);
        const QString device = QString::fromLocal8Bit(ptsname(gps));

        QProcess p;
        p.start(Tool, {QStringLiteral("--device"), device});
        QVERIFY(p.waitForStarted());
        QByteArray sentences;
        for (int i = 0; i < 10; ++i) {
            sentences += "$GPGGA,143512.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*64\r\n"
                         "$GPRMC,143512.00,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,"
                         "W*6A\r\n";
        }
        // Keep sending until a line comes back; the tool may still be opening the device.
        for (int attempt = 0; attempt < 50 && !p.canReadLine(); ++attempt) {
            if (p.state() != QProcess::Running)
                break;
            QVERIFY(::write(gps, sentences.constData(), sentences.size()) == sentences.size());
            p.waitForReadyRead(200);
        }
        const QString line = QString::fromUtf8(p.readLine()).trimmed();
        p.kill();
        p.waitForFinished();
        ::close(gps);
        QVERIFY2(p.exitStatus() == QProcess::CrashExit,
                 qPrintable(QString::fromUtf8(p.readAllStandardError())));
        QCOMPARE(withoutDate({line}),
                 QStringList{"FIX 48.117300 11.516667 | GPS: DATE, 14:35 UTC, Position= 48 07.04 "
                             "N 011 31.00 E, SOG=22.4 K, CMG=084 T"});
    }
};

HB_TEST_MAIN(NmeaToolTest)
#include "tst_nav_nmeatool.moc"
