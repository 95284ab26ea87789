#include "model/murmex.h"
#include "scoring/protokollreinigen.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestProtokollReinigen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelsTakenUpTiles_data();
    void cancelsTakenUpTiles();
};

void TestProtokollReinigen::cancelsTakenUpTiles_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    const QString h = u"113 H02 M 1 2 034"_s;
    const QString a = u"114 A01 M 1 1 001"_s;
    QTest::newRow("last line laid: untouched")
        << QStringList{u'+' + h, u'+' + a} << QStringList{u'+' + h, u'+' + a};
    QTest::newRow("taken up again: both lines go")
        << QStringList{u'+' + h, u'+' + a, u'-' + h} << QStringList{u'+' + a};
    QTest::newRow("taken up without partner")
        << QStringList{u'+' + a, u'-' + h} << QStringList{u'+' + a};
    QTest::newRow("empty list") << QStringList{} << QStringList{};
}

void TestProtokollReinigen::cancelsTakenUpTiles()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    Murmex m;
    for (const QString& line : before)
        m.gelegt.addItem(line);
    protokoll_reinigen(m);
    QCOMPARE(m.gelegt.lines(), after);
}

QTEST_GUILESS_MAIN(TestProtokollReinigen)
#include "tst_protokollreinigen.moc"
