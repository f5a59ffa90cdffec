#include "app/command_line.h"
#include "app/error_report.h"
#include "app/form1.h"
#include "app/qt_save_dialog.h"
#include "app/titled_window.h"
#include "app/translations.h"
#include "app/window_fit.h"
#include "font/qt_font_service.h"
#include "paint/random.h"
#include "speech/audio_sink.h"
#include "speech/voice_speaker.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <memory>
#include <optional>
#include <vector>

int main(int argc, char* argv[])
{
    // Under a file-size limit a save fails with a message; the drawing and the program stay.
    std::signal(SIGXFSZ, SIG_IGN);
    const qimbora::CommandLine options = qimbora::readCommandLine(argc, argv);
    if (options.answered)
        return 0;
    // Qt takes its own options out of the arguments it is given, so each
    // application gets a fresh copy.
    int qtArgc = argc;
    std::vector<char*> qtArgv(argv, argv + argc + 1);
    std::optional<QApplication> app(std::in_place, qtArgc, qtArgv.data());
    // Qt reads the scale only when the application is made: a window too big
    // for the screen at the desktop's scale gets the application made again.
    if (const std::optional<double> factor = qimbora::scaleFactorToFit()) {
        app.reset();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor, 'g', 17));
        qtArgc = argc;
        qtArgv.assign(argv, argv + argc + 1);
        app.emplace(qtArgc, qtArgv.data());
    }
    QGuiApplication::setDesktopFileName(QStringLiteral(QIMBORA_ID));
    QApplication::setStyle(QStringLiteral("Fusion"));
    qimbora::installChineseTranslations(*app);
    qimbora::Pcg32 random;
    qimbora::MessageBoxReport errors;
    qimbora::QtFontService fonts;
    qimbora::QtSaveDialog saveDialog;
    qimbora::Silence silence;
    qimbora::VoiceSpeaker voice(std::make_unique<qimbora::PulseSink>());
    qimbora::Speaker& speaker = options.mute ? static_cast<qimbora::Speaker&>(silence) : voice;
    qimbora::Form1 window({random, errors, fonts, saveDialog, speaker});
    qimbora::reportUnknownArguments(qtArgc, qtArgv.data());
    std::optional<qimbora::TitledWindow> titled;
    QWidget* shown = &window;
    if (qimbora::titleBarIsOurs())
        shown = &titled.emplace(window);
    qimbora::keepWindowNormal(*shown);
    shown->show();
    QTimer::singleShot(0, shown, [shown] { qimbora::keepOnScreen(*shown); });
    // The voice loads once the window is up, on its own thread.
    if (!options.mute)
        QTimer::singleShot(0, &window, [&voice] { voice.start(); });
    return QApplication::exec();
}
