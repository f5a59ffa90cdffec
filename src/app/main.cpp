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

#include <algorithm>
#include <csignal>
#include <memory>
#include <string_view>
#include <vector>

int main(int argc, char* argv[])
{
    // Under a file-size limit a save fails with a message; the drawing and the program stay.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<char*> arguments(argv, argv + argc + 1); // Qt takes its own options out of argv
    // For classrooms: qimbora --mute praises in writing only.
    const bool mute
        = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::string_view(a) == "--mute"; });
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
    qimbora::Speaker& speaker = mute ? static_cast<qimbora::Speaker&>(silence) : voice;
    qimbora::Form1 window({random, errors, fonts, saveDialog, speaker});
    if (qimbora::tooLargeAtThisScale(window))
        qimbora::restartAtWholeScale(arguments.data());
    window.show();
    QTimer::singleShot(0, &window, [&window] { qimbora::keepOnScreen(window); });
    // The voice loads once the window is up, on its own thread.
    if (!mute)
        QTimer::singleShot(0, &window, [&voice] { voice.start(); });
    return app.exec();
}
