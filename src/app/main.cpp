#include "app/error_report.h"
#include "app/form1.h"
#include "app/qt_save_dialog.h"
#include "font/qt_font_service.h"
#include "paint/random.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qimbora::Pcg32 random;
    qimbora::MessageBoxReport errors;
    qimbora::QtFontService fonts;
    qimbora::QtSaveDialog saveDialog;
    qimbora::Form1 window({random, errors, fonts, saveDialog});
    window.show();
    return app.exec();
}
