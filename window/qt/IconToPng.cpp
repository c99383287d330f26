// Build tool: writes the image of one size from an icon file as PNG, for the
// desktop's icon theme. Usage: quorvane-icon-png <icon.ico> <size> <out.png>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[2].toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: quorvane-icon-png <icon.ico> <size> <out.png>\n");
        return 2;
    }
    QImageReader reader(args[1]);
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) {
            break;
        }
        const QImage image = reader.read();
        if (image.width() == size && image.height() == size) {
            return image.save(args[3], "PNG") ? 0 : 1;
        }
    }
    std::fprintf(stderr, "quorvane-icon-png: no %dx%d image in %s\n", size, size,
                 qPrintable(args[1]));
    return 1;
}
