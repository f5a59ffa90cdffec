#include "common/convert.h"

#include "support.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace qimbora;
using testing::errorOf;

Q_DECLARE_METATYPE(qimbora::ErrorKind)

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    void toInt32Rounds_data();
    void toInt32Rounds();
    void toInt32Overflows_data();
    void toInt32Overflows();
    void readsNumbers_data();
    void readsNumbers();
    void rejectsText_data();
    void rejectsText();
    void readsIntegers_data();
    void readsIntegers();
    void checkedFloatCatchesInvalidResults();
};

void TestConvert::toInt32Rounds_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    // Halves go to the even neighbour.
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("0.49999") << 0.49999 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("42.5 (170/4)") << 42.5 << 42;
    QTest::newRow("top edge") << 2147483647.4 << 2147483647;
    QTest::newRow("bottom edge") << -2147483648.5 << int(std::numeric_limits<std::int32_t>::min());
}

void TestConvert::toInt32Rounds()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(toInt32(value), expected);
}

void TestConvert::toInt32Overflows_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("2147483647.5 rounds to 2^31") << 2147483647.5;
    QTest::newRow("-2147483649") << -2147483649.0;
    QTest::newRow("1e300") << 1e300;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
}

void TestConvert::toInt32Overflows()
{
    QFETCH(double, value);
    QCOMPARE(errorOf([&] { toInt32(value); }), ErrorKind::Overflow);
}

void TestConvert::readsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "22" << 22.0;
    QTest::newRow("blanks around") << " 12 " << 12.0;
    QTest::newRow("tab") << "\t6" << 6.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("minus") << "-5" << -5.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "3." << 3.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("signed exponent") << "25E-1" << 2.5;
    QTest::newRow("largest") << "1e308" << 1e308;
    QTest::newRow("underflow reads as zero") << "1e-400" << 0.0;
    QTest::newRow("many zeros then underflow") << "0.000e-999999999999" << 0.0;
    // What a Chinese input method types.
    QTest::newRow("full-width digits") << QString::fromUtf8("２２") << 22.0;
    QTest::newRow("full-width minus") << QString::fromUtf8("－５") << -5.0;
    QTest::newRow("full-width plus") << QString::fromUtf8("＋７") << 7.0;
    QTest::newRow("full-width point") << QString::fromUtf8("２．５") << 2.5;
    QTest::newRow("full-width exponent") << QString::fromUtf8("１Ｅ３") << 1000.0;
    QTest::newRow("ideographic blanks") << QString::fromUtf8("\u3000１２\u3000") << 12.0;
    QTest::newRow("mixed widths") << QString::fromUtf8("1２.５") << 12.5;
}

void TestConvert::readsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(textToDouble(text.toStdString()), expected);
}

void TestConvert::rejectsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ErrorKind>("kind");
    QTest::newRow("empty") << "" << ErrorKind::TypeMismatch;
    QTest::newRow("blanks") << "   " << ErrorKind::TypeMismatch;
    QTest::newRow("letters") << "abc" << ErrorKind::TypeMismatch;
    QTest::newRow("trailing letters") << "12abc" << ErrorKind::TypeMismatch;
    QTest::newRow("nan") << "nan" << ErrorKind::TypeMismatch;
    QTest::newRow("inf") << "inf" << ErrorKind::TypeMismatch;
    QTest::newRow("hex") << "0x10" << ErrorKind::TypeMismatch;
    QTest::newRow("basic hex") << "&H10" << ErrorKind::TypeMismatch;
    QTest::newRow("sign alone") << "-" << ErrorKind::TypeMismatch;
    QTest::newRow("point alone") << "." << ErrorKind::TypeMismatch;
    QTest::newRow("exponent without digits") << "1e" << ErrorKind::TypeMismatch;
    QTest::newRow("two signs") << "+-1" << ErrorKind::TypeMismatch;
    QTest::newRow("inner blank") << "1 2" << ErrorKind::TypeMismatch;
    QTest::newRow("comma") << "2,5" << ErrorKind::TypeMismatch;
    QTest::newRow("full-width comma") << QString::fromUtf8("２，５") << ErrorKind::TypeMismatch;
    QTest::newRow("full-width letters") << QString::fromUtf8("ａｂ") << ErrorKind::TypeMismatch;
    QTest::newRow("beyond double") << "1e400" << ErrorKind::Overflow;
    QTest::newRow("negative beyond double") << "-1.8e308" << ErrorKind::Overflow;
    QTest::newRow("long mantissa beyond double") << QString(400, QLatin1Char('9')) << ErrorKind::Overflow;
}

void TestConvert::rejectsText()
{
    QFETCH(QString, text);
    QFETCH(ErrorKind, kind);
    QCOMPARE(errorOf([&] { textToDouble(text.toStdString()); }), kind);
}

void TestConvert::readsIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("2.5 to even") << "2.5" << 2 << false;
    QTest::newRow("3.5 to even") << "3.5" << 4 << false;
    QTest::newRow("blanks") << " 12 " << 12 << false;
    QTest::newRow("negative") << "-5" << -5 << false;
    QTest::newRow("top edge") << "2147483647" << 2147483647 << false;
    QTest::newRow("past top edge") << "2147483648" << 0 << true;
    QTest::newRow("eleven digits") << "99999999999" << 0 << true;
    QTest::newRow("1e308") << "1e308" << 0 << true;
}

void TestConvert::readsIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(bool, overflows);
    if (overflows) {
        QCOMPARE(errorOf([&] { textToInt32(text.toStdString()); }), ErrorKind::Overflow);
        return;
    }
    QCOMPARE(textToInt32(text.toStdString()), expected);
}

void TestConvert::checkedFloatCatchesInvalidResults()
{
    const double huge = 1e308;
    QCOMPARE(checkedFloat(huge / 2.0), 5e307); // ordinary results pass
    QCOMPARE(errorOf([&] { checkedFloat(huge * 3.1415); }), ErrorKind::FloatingPoint);
    QCOMPARE(errorOf([&] { checkedFloat(std::sqrt(-huge)); }), ErrorKind::FloatingPoint);
    QCOMPARE(errorOf([&] { checkedFloat(1.0 / (huge - huge)); }), ErrorKind::FloatingPoint);
}

QTEST_APPLESS_MAIN(TestConvert)
#include "test_convert.moc"
