// stormbell-icon: writes the program's icon as one PNG per installed size into a folder.
#include "tools/icon/IconArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::fputs("usage: stormbell-icon FOLDER   (writes stormbell-SIZE.png for each size)\n",
                   stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "stormbell-icon: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int size : stormbell::kIconSizes) {
        const QString path = folder.filePath(QString("stormbell-%1.png").arg(size));
        if (!stormbell::PaintIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "stormbell-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
