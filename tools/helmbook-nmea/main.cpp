// helmbook-nmea: reads NMEA 0183 text from a file, standard input or a serial device, frames
// and decodes it exactly as the logbook's GPS capture does, and prints one line per burst.

#include "common/Formats.h"
#include "nav/Nmea.h"
#include "nav/NmeaFramer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QSerialPort>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int BurstSize = 20;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString& message)
{
    err() << QCoreApplication::applicationName() << ": " << message << Qt::endl;
    return 1;
}

// Signed decimal degrees with six decimals; a value that rounds to zero shows no sign.
QString degrees(double value)
{
    const QString text = QString::number(value, 'f', 6);
    return text == QLatin1String("-0.000000") ? text.mid(1) : text;
}

// Frames the incoming bytes, collects packets in bursts and prints each decoded burst.
class BurstPrinter
{
public:
    BurstPrinter(QString name, int utcOffset) : m_name(std::move(name)), m_offset(utcOffset) {}

    void feed(QByteArrayView bytes)
    {
        for (const QString& packet : m_framer.feed(bytes)) {
            m_burst << packet;
            if (m_burst.size() == BurstSize)
                print();
        }
    }

    // End of input: a last, shorter burst is decoded as well.
    void finish()
    {
        if (!m_burst.isEmpty())
            print();
    }

private:
    void print()
    {
        const QString today = hb::Formats().shortDate(QDate::currentDate());
        const hb::nmea::DecodeResult r = hb::nmea::decode(m_burst, m_name, m_offset, today);
        if (r.positionFound)
            out() << "FIX " << degrees(r.latitude) << ' ' << degrees(r.longitude);
        else
            out() << "NOFIX";
        out() << " | " << r.logLine << Qt::endl;
        m_burst.clear();
    }

    hb::nmea::Framer m_framer;
    QStringList m_burst;
    QString m_name;
    int m_offset;
};

int readStream(int fd, BurstPrinter& printer, const QString& source)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            printer.feed(QByteArrayView(buffer, n));
        } else if (n == 0) {
            printer.finish();
            return 0;
        } else if (errno != EINTR) {
            return fail(source + QLatin1String(": ") +
                        QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
}

int readDevice(QCoreApplication& app, const QString& device, BurstPrinter& printer)
{
    QSerialPort port(device);
    port.setBaudRate(QSerialPort::Baud4800);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadOnly))
        return fail(device + QLatin1String(": ") + port.errorString());

    QObject::connect(&port, &QSerialPort::readyRead, &app, [&] { printer.feed(port.readAll()); });
    QObject::connect(&port, &QSerialPort::errorOccurred, &app,
                     [&](QSerialPort::SerialPortError error) {
                         if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
                             return;
                         // The device went away or cannot be read: end with what was read.
                         printer.feed(port.readAll());
                         printer.finish();
                         fail(device + QLatin1String(": ") + port.errorString());
                         QCoreApplication::exit(1);
                     });
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("helmbook-nmea"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HELMBOOK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks a GPS hook-up for Helmbook. Reads NMEA 0183 text from FILE, from the serial\n"
        "device given with --device (4800 baud, 8 data bits, no parity, 1 stop bit) or from\n"
        "standard input, cuts it into packets from \"$\" to \"*\" (at most 80 characters, the\n"
        "checksum dropped) exactly as the logbook's GPS capture does, decodes them in bursts\n"
        "of 20 packets and prints one line per burst:\n"
        "\n"
        "  FIX <latitude> <longitude> | <log line>\n"
        "  NOFIX | <log line>\n"
        "\n"
        "Latitude and longitude are decimal degrees with six decimals, south and west\n"
        "negative. The log line is the one the logbook would write. Only the second to the\n"
        "nineteenth packet of a burst are decoded. At the end of the input a last, shorter\n"
        "burst is decoded too, and the exit status is 0."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("Read from the serial device DEV."),
                                          QStringLiteral("DEV"));
    const QCommandLineOption nameOption(QStringLiteral("name"),
                                        QStringLiteral("Watch keeper's name (default GPS)."),
                                        QStringLiteral("NAME"), QStringLiteral("GPS"));
    const QCommandLineOption offsetOption(
        QStringLiteral("utc-offset"),
        QStringLiteral("Hours from UTC, -12 to 13; 0 logs UTC, anything else local time "
                       "(default 0)."),
        QStringLiteral("N"), QStringLiteral("0"));
    parser.addOption(deviceOption);
    parser.addOption(nameOption);
    parser.addOption(offsetOption);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("NMEA text to read (default: standard input)."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    bool ok = false;
    const int offset = parser.value(offsetOption).toInt(&ok);
    if (!ok || offset < -12 || offset > 13)
        return fail(QLatin1String("--utc-offset must be a whole number from -12 to 13"));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1 || (!files.isEmpty() && parser.isSet(deviceOption)))
        return fail(QLatin1String("give one input: FILE, --device DEV or standard input"));

    BurstPrinter printer(parser.value(nameOption), offset);
    if (parser.isSet(deviceOption))
        return readDevice(app, parser.value(deviceOption), printer);
    if (files.isEmpty())
        return readStream(STDIN_FILENO, printer, QStringLiteral("standard input"));
    QFile file(files.first());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(files.first() + QLatin1String(": ") + file.errorString());
    return readStream(file.handle(), printer, files.first());
}
