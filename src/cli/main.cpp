#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

using namespace quillmere;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("cards")) {
        for (int i = 0; i < kDeckSize; ++i)
            out << i << '\t' << Deck::instance().name(i) << '\n';
        return 0;
    }
    out << "usage: quillmere-cli cards\n";
    return 2;
}
