#include "platform/optionbuttons.h"

#include <QTest>

class TestOptionButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selectingDeselectsThePartnerAndClicks();
    void groupOfThree();
};

// Selecting by code deselects the partner and raises the click, also for a button already
// selected; deselecting raises nothing and may leave a pair without selection.
void TestOptionButtons::selectingDeselectsThePartnerAndClicks()
{
    OptionButtons buttons({2, 2}, {1, 2});
    QList<int> clicks;
    buttons.setClickHandler([&](int index) { clicks.append(index); });

    buttons.select(0);
    QVERIFY(buttons.isSelected(0));
    QVERIFY(!buttons.isSelected(1));
    QVERIFY(buttons.isSelected(2));
    buttons.select(0);
    buttons.deselect(2);
    QVERIFY(!buttons.isSelected(2));
    QVERIFY(!buttons.isSelected(3));
    QCOMPARE(clicks, (QList<int>{0, 0}));
    QVERIFY(!buttons.isSelected(12));
}

void TestOptionButtons::groupOfThree()
{
    OptionButtons buttons({3}, {0});
    buttons.select(2);
    QVERIFY(!buttons.isSelected(0));
    buttons.select(1);
    QVERIFY(buttons.isSelected(1));
    QVERIFY(!buttons.isSelected(2));
}

QTEST_GUILESS_MAIN(TestOptionButtons)
#include "tst_optionbuttons.moc"
