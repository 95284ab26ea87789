#include "platform/textbox.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void changeRaisedOnlyForADifferentText();
};

void TestTextBox::changeRaisedOnlyForADifferentText()
{
    TextBox box;
    QStringList seen;
    box.setChangeHandler([&] { seen.append(box.text()); });
    box.setText(u"test"_s);
    box.setText(u"test"_s);
    box.setText({});
    box.setText({});
    box.setText(u"Test"_s);
    QCOMPARE(seen, (QStringList{u"test"_s, QString(), u"Test"_s}));
}

QTEST_GUILESS_MAIN(TestTextBox)
#include "tst_textbox.moc"
