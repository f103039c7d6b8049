// Writes the program icon as a PNG file, for the desktop menu entry that
// `cmake --install` puts in place. Usage: dialstack-export-icon FILE.png
#include <QImage>

#include <cstdio>

#include "res/ProgramIcon.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    const QImage icon(ProgramIconXpm());
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
