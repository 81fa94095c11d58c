#include "Artwork.h"

#include <QGuiApplication>
#include <QTextStream>

// Stages the built-in decks, renders the spread pictures and the program's own pictures.
// Usage: quillmere-artwork STAGE_DIR RESOURCE_DIR CLASSIC_DECK_SCANS, or quillmere-artwork --contact-sheet OUT.png
// [SCALE]
int main(int argc, char* argv[])
{
    // Text needs a font database, which needs a platform; the offscreen one needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    // quillmere-artwork --contact-sheet OUT.png [SCALE]: all 78 faces on one sheet, for looking at the deck.
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("--contact-sheet")) {
        const qreal scale = arguments.size() > 3 ? arguments[3].toDouble() : 1.0;
        if (scale <= 0 || !quillmere::artwork::renderContactSheet(scale).save(arguments[2])) {
            err << "quillmere-artwork: cannot write the contact sheet " << arguments[2] << '\n';
            return 1;
        }
        return 0;
    }
    if (arguments.size() != 4) {
        err << "usage: quillmere-artwork STAGE_DIR RESOURCE_DIR CLASSIC_DECK_SCANS\n";
        return 2;
    }
    const QString error = quillmere::artwork::renderAll(arguments[1], arguments[2], arguments[3]);
    if (!error.isEmpty()) {
        err << "quillmere-artwork: " << error << '\n';
        return 1;
    }
    return 0;
}
