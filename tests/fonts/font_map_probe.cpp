// Reads and writes the program's font map from a separate process:
//   font_map_probe store KEY ENGLISH HEBREW ARABIC
//   font_map_probe lookup KEY        (prints the three entries, one a line)
#include <QString>
#include <cstdio>
#include <cstring>

#include "fonts/font_map.h"

int main(int argc, char** argv) {
    quorin::FontMap map;
    if (argc == 6 && std::strcmp(argv[1], "store") == 0) {
        map.Store(QString::fromUtf8(argv[2]),
                  {QString::fromUtf8(argv[3]), QString::fromUtf8(argv[4]), QString::fromUtf8(argv[5])});
        map.SetFontType(2);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "lookup") == 0) {
        quorin::FontChoice choice = map.Lookup(QString::fromUtf8(argv[2]));
        std::printf("%s\n%s\n%s\n%d\n", choice.english.toUtf8().constData(), choice.hebrew.toUtf8().constData(),
                    choice.arabic.toUtf8().constData(), map.FontType());
        return 0;
    }
    return 2;
}
