#include "app/error_report.h"

#include "app/layout.h"
#include "common/runtime_error.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace qimbora {

namespace {

QString drawingKept() { return QCoreApplication::translate("ErrorReport", "\n画好的画都还在，可以接着画。"); }

QString boxName(ErrorSubject subject)
{
    return subject == ErrorSubject::Pattern ? QCoreApplication::translate("ErrorReport", "花样")
                                            : QCoreApplication::translate("ErrorReport", "花瓣数量");
}

QString whatHappened(const RuntimeError& error)
{
    const ErrorSubject subject = error.subject();
    const bool inABox = subject == ErrorSubject::PetalCount || subject == ErrorSubject::Pattern;
    switch (error.kind()) {
    case ErrorKind::TypeMismatch:
        if (inABox)
            return QCoreApplication::translate("ErrorReport", "“%1”框里要填一个数字，比如 %2。")
                .arg(boxName(subject),
                     QString::fromLatin1(subject == ErrorSubject::Pattern ? layout::kCombo2Text
                                                                          : layout::kCombo1Text));
        return QCoreApplication::translate("ErrorReport", "类型不匹配：框里要填一个数字。");
    case ErrorKind::Overflow:
        if (subject == ErrorSubject::FlowerCount)
            return QCoreApplication::translate(
                "ErrorReport",
                "已经数到 32767 朵花了，数不下去了。按“重 画”换一张新画布，就从 1 开始重新数。");
        if (inABox)
            return QCoreApplication::translate("ErrorReport", "“%1”框里的数字太大了，请填一个小一点的数字。")
                .arg(boxName(subject));
        return QCoreApplication::translate("ErrorReport", "溢出：数字太大了。");
    case ErrorKind::FloatingPoint:
        return QCoreApplication::translate("ErrorReport",
                                           "数字太大，算不出来：请在“花样”框里填一个小一点的数字。");
    case ErrorKind::Platform:
        return QString::fromStdString(error.detail());
    }
    return {};
}

} // namespace

void MessageBoxReport::report(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, QString::fromLatin1(layout::kTitle), message);
}

QString errorMessage(const RuntimeError& error) { return whatHappened(error) + drawingKept(); }

QString unexpectedErrorMessage(const QString& what)
{
    return QCoreApplication::translate("ErrorReport", "出了一个意外的错误（%1），这一步没有做完。").arg(what)
        + drawingKept();
}

} // namespace qimbora
