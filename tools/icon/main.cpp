// vemlo_icon: writes the program's icon as PNG files, one per size:
// vemlo_icon DIR 16 32 ... gives DIR/vemlo-16.png, DIR/vemlo-32.png, ...

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

#include "output/GraphPicture.h"

int main(int argc, char** argv) {
    // Runs during the build, where no display may be at hand.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fputs("usage: vemlo_icon DIR SIZE...\n", stderr);
        return 2;
    }
    const QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "vemlo_icon: cannot make %s\n", qPrintable(args[1]));
        return 3;
    }
    for (int i = 2; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "vemlo_icon: bad size %s (8 to 1024)\n", qPrintable(args[i]));
            return 2;
        }
        QSaveFile file(dir.filePath(QStringLiteral("vemlo-%1.png").arg(size)));
        if (!file.open(QIODevice::WriteOnly) || !vemlo::IconPicture(size).save(&file, "PNG") ||
            !file.commit()) {
            std::fprintf(stderr, "vemlo_icon: cannot write %s\n", qPrintable(file.fileName()));
            return 3;
        }
    }
    return 0;
}
