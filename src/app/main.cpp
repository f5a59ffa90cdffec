#include "app/command_line.h"
#include "app/error_report.h"
#include "app/form1.h"
#include "app/qt_save_dialog.h"
#include "app/startup.h"
#include "font/qt_font_service.h"
#include "paint/random.h"

#include "speech/audio_sink.h"
#include "speech/voice_speaker.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <memory>
#include <vector>

int main(int argc, char* argv[])
{
    // Under a file-size limit a save fails with a message; the drawing and the program stay.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<char*> arguments(argv, argv + argc + 1); // Qt takes its own options out of argv
    const qimbora::CommandLine options = qimbora::readCommandLine(argc, argv);
    if (options.answered)
        return 0;
    qimbora::roundScaleIfRestarted();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qimbora::installChineseTranslations(app);
    qimbora::Pcg32 random;
    qimbora::MessageBoxReport errors;
    qimbora::QtFontService fonts;
    qimbora::QtSaveDialog saveDialog;
    qimbora::Silence silence;
    qimbora::VoiceSpeaker voice(std::make_unique<qimbora::PulseSink>());
    qimbora::Speaker& speaker = options.mute ? static_cast<qimbora::Speaker&>(silence) : voice;
    qimbora::Form1 window({random, errors, fonts, saveDialog, speaker});
    if (qimbora::tooLargeAtThisScale(window))
        qimbora::restartAtWholeScale(arguments.data());
    // Said once, by the program that stays.
    qimbora::reportUnknownArguments(argc, argv);
    window.show();
    QTimer::singleShot(0, &window, [&window] { qimbora::keepOnScreen(window); });
    // The voice loads once the window is up, on its own thread.
    if (!options.mute)
        QTimer::singleShot(0, &window, [&voice] { voice.start(); });
    return app.exec();
}
