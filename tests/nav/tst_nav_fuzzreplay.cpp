// Replays the saved fuzz corpus and any saved crash inputs through the fuzz targets' checks,
// so the normal build keeps every input the fuzzers found interesting passing.
#include "NmeaFuzz.h"

#include "TestSupport.h"

#include <QDirIterator>

class FuzzReplayTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("needsInputs");
        QTest::newRow("decode corpus") << QStringLiteral("corpus/decode") << true;
        QTest::newRow("framer corpus") << QStringLiteral("corpus/framer") << true;
        QTest::newRow("decode crashes") << QStringLiteral("crashes/decode") << false;
        QTest::newRow("framer crashes") << QStringLiteral("crashes/framer") << false;
    }

    void replay()
    {
        QFETCH(QString, target);
        QFETCH(bool, needsInputs);
        const auto check = target.endsWith(QLatin1String("decode")) ? hb::fuzz::checkDecode
                                                                    : hb::fuzz::checkFramer;
        int inputs = 0;
        QStringList failures;
        QDirIterator it(QStringLiteral(HB_FUZZ_DIR "/") + target, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            const QString failure =
                check(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size());
            if (!failure.isEmpty())
                failures << file.fileName() + QLatin1String(": ") + failure;
            ++inputs;
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        if (needsInputs)
            QVERIFY2(inputs > 0, qPrintable(QStringLiteral("no inputs under ") + target));
    }
};

HB_TEST_MAIN(FuzzReplayTest)
#include "tst_nav_fuzzreplay.moc"
