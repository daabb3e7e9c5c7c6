// Draws the pictures of the button faces into a resources folder:
//   draw-faces <resources folder>
// writes faces/<name>.png for every face the program shows (chrome::FaceNames), and each of them
// again as <name>@2x.png, drawn at twice the resolution for screens scaled to 200 %. The program
// draws the faces for other scales itself, with the same code (ui/chrome/face_pictures.cpp).
// Run it with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ui/chrome/face_pictures.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-faces <resources folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("faces"))) {
        std::fprintf(stderr, "draw-faces: cannot create %s/faces\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const QString& name : chrome::FaceNames())
        for (const int ratio : {1, 2}) {
            const QString path = root.filePath(QStringLiteral("faces/%1%2.png").arg(name, ratio == 2 ? "@2x" : ""));
            if (!chrome::DrawFace(name, ratio).save(path, "PNG")) {
                std::fprintf(stderr, "draw-faces: cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
    return ok ? 0 : 1;
}
