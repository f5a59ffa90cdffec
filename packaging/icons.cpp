// Writes the icon at the hicolor theme's sizes: OUTDIR/NxN/apps/ID.png.
#include "app/icon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTDIR ID\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    for (int size : qimbora::kIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder)
            || !qimbora::drawFlowerIcon(size).save(folder + QLatin1Char('/') + id + ".png")) {
            std::fprintf(stderr, "cannot write the icons into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
