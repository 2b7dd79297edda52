// Build step: renders the program's icon drawing as the PNG sizes the desktop's
// icon theme expects. Usage: brackwell-render-icons DRAWING.svg OUTPUT_DIR SIZE...
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: brackwell-render-icons DRAWING.svg OUTPUT_DIR SIZE...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "brackwell-render-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        drawing.render(&p);
        p.end();
        if (!output.mkpath(folder) || !picture.save(output.filePath(folder + "/brackwell.png"))) {
            std::fprintf(stderr, "brackwell-render-icons: cannot write size %d\n", size);
            return 1;
        }
    }
    return 0;
}
