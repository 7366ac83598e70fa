// stormbell-icon: writes the program's icon as FOLDER/stormbell-SIZE.png for each size given.
#include "tools/icon/IconArt.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 3) {
        std::fputs("usage: stormbell-icon FOLDER SIZE...\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "stormbell-icon: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        const QString path = folder.filePath(QString("stormbell-%1.png").arg(argv[i]));
        try {
            if (!number || !stormbell::PaintIcon(size).save(path, "PNG")) {
                std::fprintf(stderr, "stormbell-icon: cannot write %s\n", qPrintable(path));
                return 1;
            }
        } catch (const std::exception& error) {
            std::fprintf(stderr, "stormbell-icon: %s\n", error.what());
            return 1;
        }
    }
    return 0;
}
