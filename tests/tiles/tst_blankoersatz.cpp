#include "model/murmex.h"
#include "support/fakeplatform.h"
#include "tiles/blankoersatz.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestBlankoersatz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void closingAnswersNothing();
};

void TestBlankoersatz::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text4");
    QTest::addColumn<QString>("nr");
    QTest::newRow("capital taken in lower case") << u"E"_s << u"e"_s << u"e05"_s;
    QTest::newRow("nothing typed keeps the blank") << u""_s << u"_"_s << u"_30"_s;
    QTest::newRow("umlaut") << u"ä"_s << u"ä"_s << u"ä27"_s;
    QTest::newRow("Ü") << u"Ü"_s << u"ü"_s << u"ü29"_s;
    QTest::newRow("two letters") << u"Ab"_s << u"ab"_s << u""_s;
    QTest::newRow("digit") << u"5"_s << u"5"_s << u""_s;
    QTest::newRow("question mark") << u"?"_s << u"?"_s << u""_s;
}

void TestBlankoersatz::answers()
{
    QFETCH(QString, typed);
    QFETCH(QString, text4);
    QFETCH(QString, nr);
    Murmex m;
    FakePlatform fake;
    fake.typeInBlankDialog(typed);
    showBlankoersatz(m, fake.platform());
    QCOMPARE(m.Text4.text(), text4);
    QCOMPARE(m.nr.text(), nr);
    QCOMPARE(fake.blankDialogShown(), 1);
}

void TestBlankoersatz::closingAnswersNothing()
{
    Murmex m;
    FakePlatform fake;
    m.Text4.setText(u"x"_s);
    fake.typeInBlankDialog(std::nullopt);
    showBlankoersatz(m, fake.platform());
    QCOMPARE(m.Text4.text(), u"x"_s);
    QVERIFY(m.nr.text().isEmpty());
}

QTEST_GUILESS_MAIN(TestBlankoersatz)
#include "tst_blankoersatz.moc"
