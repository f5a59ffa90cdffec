#include "app/error_report.h"
#include "app/form1.h"
#include "app/qt_save_dialog.h"
#include "app/startup.h"
#include "font/qt_font_service.h"
#include "paint/random.h"

#include <QApplication>
#include <QTimer>

#include <csignal>
#include <vector>

int main(int argc, char* argv[])
{
    // Under a file-size limit a save fails with a message; the drawing and the program stay.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<char*> arguments(argv, argv + argc + 1); // Qt takes its own options out of argv
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qimbora::installChineseTranslations(app);
    qimbora::Pcg32 random;
    qimbora::MessageBoxReport errors;
    qimbora::QtFontService fonts;
    qimbora::QtSaveDialog saveDialog;
    qimbora::Form1 window({random, errors, fonts, saveDialog});
    if (qimbora::tooLargeAtThisScale(window))
        qimbora::restartAtWholeScale(arguments.data());
    window.show();
    QTimer::singleShot(0, &window, [&window] { qimbora::keepOnScreen(window); });
    return app.exec();
}
