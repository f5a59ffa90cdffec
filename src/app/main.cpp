#include "app/aid_clock.h"
#include "app/command_line.h"
#include "app/error_report.h"
#include "app/form1.h"
#include "app/normal_state.h"
#include "app/picbox.h"
#include "app/planting_aids.h"
#include "app/qt_save_dialog.h"
#include "app/startup_guard.h"
#include "app/titled_window.h"
#include "app/translations.h"
#include "app/window_fit.h"
#include "font/qt_font_service.h"
#include "paint/random.h"
#include "speech/audio_sink.h"
#include "speech/voice_speaker.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Runs an action once, in the first event after the window was first exposed,
// so that what it loads does not compete with the first paint.
class AfterFirstExposure final : public QObject {
public:
    AfterFirstExposure(QWindow* window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // The canvas's text is the bundled font's own outlines through FreeType, as
    // on Linux, so that the same actions save the same picture everywhere.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#else
    // Under a file-size limit a save fails with a message; the drawing and the program stay.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    qimbora::Translations translations(qimbora::chosenLanguage(argc, argv));
    const qimbora::CommandLine options = qimbora::readCommandLine(argc, argv, translations);
    if (options.answered)
        return options.exitStatus;
    qimbora::useOnlyARunningSessionBus();
    // Qt takes its own options out of the arguments it is given, so each
    // application gets a fresh copy.
    int qtArgc = argc;
    std::vector<char*> qtArgv(argv, argv + argc + 1);
    std::optional<QApplication> app;
    {
        const qimbora::StartupMessages held(translations);
        app.emplace(qtArgc, qtArgv.data());
        // Qt reads the scale only when the application is made: a window too big
        // for the screen at the desktop's scale gets the application made again.
        if (const std::optional<double> factor = qimbora::scaleFactorToFit()) {
            app.reset();
            qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'g', 17));
            qtArgc = argc;
            qtArgv.assign(argv, argv + argc + 1);
            app.emplace(qtArgc, qtArgv.data());
        }
    }
    QGuiApplication::setDesktopFileName(QStringLiteral(QIMBORA_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));
    translations.install();
    qimbora::Pcg32 random;
    qimbora::MessageBoxReport errors;
    qimbora::QtFontService fonts;
    qimbora::QtSaveDialog saveDialog;
    qimbora::Silence silence;
    qimbora::VoiceSpeaker voice(std::make_unique<qimbora::PlatformSink>(), translations.language());
    qimbora::Speaker& speaker = options.mute ? static_cast<qimbora::Speaker&>(silence) : voice;
    qimbora::SteadyAidClock aidClock;
    qimbora::Form1 window({random, errors, fonts, saveDialog, speaker, translations.language()});
    // Each aid is owned by the canvas it draws over.
    if (options.scanSeconds)
        new qimbora::ScanAid(window.pic(), window, aidClock, std::int64_t(*options.scanSeconds * 1000));
    if (options.dwellSeconds)
        new qimbora::DwellAid(window.pic(), aidClock, std::int64_t(*options.dwellSeconds * 1000));
    qimbora::reportUnknownArguments(qtArgc, qtArgv.data(), translations);
    std::optional<qimbora::TitledWindow> titled;
    QWidget* shown = &window;
    if (qimbora::titleBarIsOurs())
        shown = &titled.emplace(window);
    qimbora::keepWindowNormal(*shown);
    shown->show();
    QTimer::singleShot(0, shown, [shown] { qimbora::keepOnScreen(*shown); });
    // The voice loads on its own thread once the window is up and painted.
    if (!options.mute)
        new AfterFirstExposure(shown->windowHandle(), [&voice] { voice.start(); });
    return QApplication::exec();
}
