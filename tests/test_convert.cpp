#include "common/convert.h"

#include "support.h"

#include <QTest>

using namespace qimbora;
using testing::errorOf;

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    void readsText();
};

// Text as the combo boxes hold it: the number it reads as and the 32-bit
// integer it converts to (the nearest, halves to even), or the error the
// integer raises.
void TestConvert::readsText()
{
    struct Row {
        const char* text;
        double number;
        std::optional<int> integer;
        std::optional<ErrorKind> error;
    };
    // clang-format off
    const Row rows[] = {
        {"22", 22, 22, {}}, {" \t12 ", 12, 12, {}}, {"-5", -5, -5, {}}, {"+2.5", 2.5, 2, {}}, {".5", 0.5, 0, {}},
        {"3.", 3, 3, {}}, {"25E-1", 2.5, 2, {}}, {"0.000e-999999999999", 0, 0, {}}, {"3.5", 3.5, 4, {}},
        {"-0.5", -0.5, 0, {}}, {"2147483647.4", 2147483647.4, 2147483647, {}},
        {"-2147483648.5", -2147483648.5, -2147483647 - 1, {}},
        {"2147483647.5", 2147483647.5, {}, ErrorKind::Overflow}, {"-2147483649", -2147483649.0, {}, ErrorKind::Overflow},
        // What a Chinese input method types.
        {"２２", 22, 22, {}}, {"－２．５", -2.5, -2, {}}, {"＋１Ｅ３", 1000, 1000, {}}, {"\u3000１２\u3000", 12, 12, {}},
        {"99999999999", 99999999999.0, {}, ErrorKind::Overflow}, {"-1.8e308", 0, {}, ErrorKind::Overflow},
        {"", 0, {}, ErrorKind::TypeMismatch}, {"   ", 0, {}, ErrorKind::TypeMismatch},
        {"12abc", 0, {}, ErrorKind::TypeMismatch}, {"1 2", 0, {}, ErrorKind::TypeMismatch},
        {"2,5", 0, {}, ErrorKind::TypeMismatch}, {"nan", 0, {}, ErrorKind::TypeMismatch},
        {"0x10", 0, {}, ErrorKind::TypeMismatch}, {"1e", 0, {}, ErrorKind::TypeMismatch},
        {"２，５", 0, {}, ErrorKind::TypeMismatch}, {"🌸", 0, {}, ErrorKind::TypeMismatch},
    };
    // clang-format on
    for (const Row& row : rows) {
        double number = 0;
        std::optional<int> integer;
        errorOf([&] { number = textToDouble(row.text); });
        const auto error = errorOf([&] { integer = textToInt32(row.text); });
        QVERIFY2(number == row.number && integer == row.integer && error == row.error, row.text);
    }
    QCOMPARE(errorOf([] { textToDouble(std::string(400, '9')); }), ErrorKind::Overflow);
}

QTEST_APPLESS_MAIN(TestConvert)
#include "test_convert.moc"
