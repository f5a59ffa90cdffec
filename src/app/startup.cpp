#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <unistd.h>

namespace qimbora {

namespace {

constexpr char kRoundingPolicy[] = "QT_SCALE_FACTOR_ROUNDING_POLICY";
// Tells the program started again to round down. Qt's own variable would do,
// but newer Qt warns when it applies that one after the application exists.
constexpr char kRestarted[] = "QIMBORA_WHOLE_SCALE";
// Room for the frame and title bar the desktop adds, in its logical pixels.
constexpr int kFrameAllowance = 48;

} // namespace

bool installChineseTranslations(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QApplication::installTranslator(translator);
}

bool tooLargeAtThisScale(const QWidget& window)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") || qEnvironmentVariableIsSet(kRoundingPolicy)
        || QGuiApplication::highDpiScaleFactorRoundingPolicy() == Qt::HighDpiScaleFactorRoundingPolicy::Floor)
        return false;
    const QScreen* screen = window.screen();
    if (!screen)
        return false;
    const double ratio = screen->devicePixelRatio();
    if (ratio == std::floor(ratio))
        return false;
    const QSize room = screen->availableGeometry().size();
    return window.width() + kFrameAllowance / 4 > room.width()
        || window.height() + kFrameAllowance > room.height();
}

void restartAtWholeScale(char* const argv[])
{
    ::setenv(kRestarted, "1", 1);
    // Text keeps the size the layout was made for: 96 dots per inch at the whole scale.
    const double whole = std::max(1.0, std::floor(qApp->primaryScreen()->devicePixelRatio()));
    ::setenv("QT_FONT_DPI", QByteArray::number(int(96 * whole)).constData(), 1);
    ::execv("/proc/self/exe", argv);
    // Still here: the toy goes on at the scale it has.
    ::unsetenv(kRestarted);
    ::unsetenv("QT_FONT_DPI");
}

void roundScaleIfRestarted()
{
    if (!qEnvironmentVariableIsSet(kRestarted))
        return;
    ::unsetenv(kRestarted);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}

void keepOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int x = std::max(room.left(), std::min(frame.x(), room.right() + 1 - frame.width()));
    const int y = std::min(std::max(frame.y(), room.top()), room.bottom() + 1 - frame.height());
    if (x != frame.x() || y != frame.y())
        window.move(x, y);
}

} // namespace qimbora
