#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

// Renders the program icon for the desktop's icon theme: OUT_DIR/NxN/apps/APP_ID.png for every size.
// Usage: quillmere-icons OUT_DIR APP_ID SIZE...
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        err << "usage: quillmere-icons OUT_DIR APP_ID SIZE...\n";
        return 2;
    }
    for (const QString& size : arguments.mid(3)) {
        const int pixels = size.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(pixels);
        QSaveFile file(QStringLiteral("%1/%2.png").arg(folder, arguments[2]));
        const QByteArray png = quillmere::artwork::encodePng(quillmere::artwork::renderIcon(pixels));
        if (pixels <= 0 || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
            || file.write(png) != png.size() || !file.commit()) {
            err << "quillmere-icons: could not write " << file.fileName() << '\n';
            return 1;
        }
    }
    return 0;
}
