#include "app/error_report.h"

#include "app/layout.h"
#include "common/runtime_error.h"

#include <QMessageBox>

namespace qimbora {

void MessageBoxReport::report(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, QString::fromLatin1(layout::kTitle), message);
}

QString errorMessage(const RuntimeError& error)
{
    QString what;
    switch (error.kind()) {
    case ErrorKind::TypeMismatch:
        what = QStringLiteral("类型不匹配：框里要填一个数字。");
        break;
    case ErrorKind::Overflow:
        what = QStringLiteral("溢出：数字太大了。");
        break;
    case ErrorKind::FloatingPoint:
        what = QStringLiteral("浮点运算错误：数字太大，算不出来。");
        break;
    case ErrorKind::Platform:
        what = QStringLiteral("系统错误：") + QString::fromStdString(error.detail());
        break;
    }
    return what + QStringLiteral("\n画好的画都还在，可以接着画。");
}

} // namespace qimbora
