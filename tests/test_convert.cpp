#include "common/convert.h"
#include "common/numeral.h"

#include "support.h"

#include <QTest>

#include <tuple>

using namespace qimbora;
using testing::errorOf;

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    // Text as the combo boxes hold it -> the number it reads as (0 where reading
    // fails) and the 32-bit integer it converts to (the nearest, halves to
    // even), or the error the integer raises.
    void readsText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<QVariant>("integer"); // or the ErrorKind raised
        const auto overflow = QVariant::fromValue(ErrorKind::Overflow);
        const auto mismatch = QVariant::fromValue(ErrorKind::TypeMismatch);
        // clang-format off
        for (const auto& [text, number, integer] : std::initializer_list<std::tuple<std::string, double, QVariant>>{
            {"22", 22, 22}, {" \t12 ", 12, 12}, {"-5", -5, -5}, {"+2.5", 2.5, 2}, {".5", 0.5, 0}, {"3.", 3, 3},
            {"25E-1", 2.5, 2}, {"0.000e-999999999999", 0, 0}, {"1e-400", 0, 0}, {"3.5", 3.5, 4}, {"-0.5", -0.5, 0},
            {"2147483647.4", 2147483647.4, 2147483647}, {"-2147483648.5", -2147483648.5, -2147483647 - 1},
            {"2147483647.5", 2147483647.5, overflow}, {"-2147483649", -2147483649.0, overflow},
            // What a Chinese input method types.
            {"２２", 22, 22}, {"－２．５", -2.5, -2}, {"＋１Ｅ３", 1000, 1000}, {"\u3000１２\u3000", 12, 12},
            {"99999999999", 99999999999.0, overflow}, {"-1.8e308", 0, overflow}, {std::string(400, '9'), 0, overflow},
            {"", 0, mismatch}, {"   ", 0, mismatch}, {"12abc", 0, mismatch}, {"1 2", 0, mismatch},
            {"2,5", 0, mismatch}, {"nan", 0, mismatch}, {"0x10", 0, mismatch}, {"1e", 0, mismatch},
            {"２，５", 0, mismatch}, {"🌸", 0, mismatch}})
            // clang-format on
            QTest::addRow("\"%.40s\"", text.c_str()) << QByteArray::fromStdString(text) << number << integer;
    }
    void readsText()
    {
        QFETCH(QByteArray, text);
        double number = 0;
        QVariant integer;
        errorOf([&] { number = textToDouble(text.toStdString()); });
        if (const auto error = errorOf([&] { integer = textToInt32(text.toStdString()); }))
            integer = QVariant::fromValue(*error);
        QTEST(number, "number");
        QTEST(integer, "integer");
    }

    // The count read aloud before 朵. Mandarin: 两 before the measure word and 百, 千, 万, else 二; Taiwan
    // writes 兩 and 萬. Cantonese says 兩 at the start only (a third column where it differs from Taiwan's).
    void numerals_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("mandarin");
        QTest::addColumn<QString>("cantonese");
        // clang-format off
        for (const auto& [number, mandarin, cantonese] : std::initializer_list<std::tuple<int, const char*, const char*>>{
                {1, "一", ""}, {2, "两", ""}, {10, "十", ""}, {11, "十一", ""}, {12, "十二", ""}, {20, "二十", ""},
                {22, "二十二", ""}, {100, "一百", ""}, {101, "一百零一", ""}, {102, "一百零二", ""}, {110, "一百一十", ""},
                {200, "两百", ""}, {1001, "一千零一", ""}, {1010, "一千零一十", ""}, {1200, "一千二百", ""},
                {2000, "两千", ""}, {2002, "两千零二", ""}, {10000, "一万", ""}, {10002, "一万零二", ""},
                {10010, "一万零一十", ""}, {12000, "一万两千", "一萬二千"}, {20000, "两万", ""},
                {20305, "两万零三百零五", ""}, {22222, "两万两千二百二十二", "兩萬二千二百二十二"},
                {32767, "三万两千七百六十七", "三萬二千七百六十七"}})
            // clang-format on
            QTest::newRow(qPrintable(QString::number(number)))
                << number << QString::fromUtf8(mandarin) << QString::fromUtf8(cantonese);
    }
    void numerals()
    {
        QFETCH(int, number);
        QFETCH(QString, mandarin);
        QFETCH(QString, cantonese);
        const QString taiwan = QString(mandarin).replace("两", "兩").replace("万", "萬");
        const auto said
            = [&](Language language) { return QString::fromStdString(chineseNumeral(number, language)); };
        QCOMPARE(QStringList({said(Language::Simplified), said(Language::Taiwan), said(Language::HongKong)}),
                 QStringList({mandarin, taiwan, cantonese.isEmpty() ? taiwan : cantonese}));
    }
};

QTEST_APPLESS_MAIN(TestConvert)
#include "test_convert.moc"
