// Runs of identical log messages folded into the first line and one line with the count.
#include "fclink/link/repeatedmessage.h"

#include <QtTest>

using fclink::RepeatedMessage;

struct Seen
{
    QString message;
    qint64 atMs;
};
Q_DECLARE_METATYPE(QList<Seen>)

class TestRepeatedMessage : public QObject
{
    Q_OBJECT

private slots:
    void runsFoldIntoTwoLines_data()
    {
        QTest::addColumn<QList<Seen>>("seen");
        QTest::addColumn<QStringList>("logged"); // after the run has finished

        const QString a = QStringLiteral("serial error 8 on /dev/ttyUSB0");
        const QString b = QStringLiteral("serial error 9 on /dev/ttyUSB0");
        QList<Seen> flood;
        for (int i = 0; i < 5000; ++i)
            flood << Seen{a, i / 400};
        QTest::newRow("once") << QList<Seen>{{a, 0}} << QStringList{a};
        QTest::newRow("a flood within milliseconds")
            << flood << QStringList{a, RepeatedMessage::summary(a, 4999)};
        QTest::newRow("another message ends the run")
            << QList<Seen>{{a, 0}, {a, 1}, {a, 2}, {b, 3}}
            << QStringList{a, RepeatedMessage::summary(a, 2), b};
        QTest::newRow("the same message again after another")
            << QList<Seen>{{a, 0}, {b, 1}, {a, 2}} << QStringList{a, b, a};
        QTest::newRow("a long run is summed up each second")
            << QList<Seen>{{a, 0}, {a, 500}, {a, 1000}, {a, 1200}, {a, 2500}, {a, 2600}}
            << QStringList{a, RepeatedMessage::summary(a, 2), RepeatedMessage::summary(a, 2),
                           RepeatedMessage::summary(a, 1)};
    }

    void runsFoldIntoTwoLines()
    {
        QFETCH(QList<Seen>, seen);
        QFETCH(QStringList, logged);
        RepeatedMessage folder;
        QStringList lines;
        for (const Seen &message : seen)
            lines << folder.take(message.message, message.atMs);
        lines << folder.finish();
        QCOMPARE(lines, logged);
        QVERIFY(folder.finish().isEmpty()); // told once only
    }
};

QTEST_GUILESS_MAIN(TestRepeatedMessage)
#include "tst_repeatedmessage.moc"
