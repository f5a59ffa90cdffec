#include "app/startup_guard.h"

#include "app/translations.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace qimbora {

namespace {

QtMessageHandler g_previous = nullptr;
QStringList g_held;
QByteArray g_noScreen; // said in the handler, so made before

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_held.append(qFormatLogMessage(type, context, message));
        return;
    }
    std::fputs(g_noScreen.constData(), stderr);
    g_held.append(qFormatLogMessage(type, context, message));
    for (const QString& held : g_held)
        std::fprintf(stderr, "%s\n", held.toLocal8Bit().constData());
    std::fflush(stderr);
    // Nothing is running yet that would need to end in order.
    std::_Exit(1);
}

} // namespace

void useOnlyARunningSessionBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && QFileInfo(socket).exists())
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(socket));
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

StartupMessages::StartupMessages(const Translations& texts)
{
    g_noScreen = texts
                     .translate("StartupMessages",
                                "qimbora：连不上屏幕，窗口打不开。请在桌面里启动它，"
                                "或者查看 DISPLAY、WAYLAND_DISPLAY 和 -platform 的设置。\n")
                     .toUtf8();
    g_previous = qInstallMessageHandler(holdMessage);
}

StartupMessages::~StartupMessages()
{
    qInstallMessageHandler(g_previous);
    const QStringList held = std::exchange(g_held, {});
    for (const QString& message : held)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace qimbora
