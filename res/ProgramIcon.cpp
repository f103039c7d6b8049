#include "res/ProgramIcon.h"

namespace {

// 32 x 32, 16-colour palette (the classic VGA colours).
static const char* const kProgramIconXpm[] = {
    "32 32 9 1",
    ". c None",
    "k c #000000",
    "b c #000080",
    "B c #0000FF",
    "w c #FFFFFF",
    "g c #C0C0C0",
    "l c #808080",
    "r c #800000",
    "R c #FF0000",
    "................................",
    "........kkk..........kkk........",
    ".......kkkkk........kkkkk.......",
    ".......kkkkkkkkkkkkkkkkkk.......",
    "........kkkk........kkkk........",
    ".........................k......",
    "......kkkkkkkkkkkkkkkkkkkkkk....",
    "......kggggggggggggggggggggk....",
    "......kggggggggggggggggggggk....",
    ".....kkkkkkkkkkkkkkkkkkkkkkk....",
    ".....kggggggggggggggggggggkk....",
    ".....kggggggggggggggggggggkk....",
    "....kkkkkkkkkkkkkkkkrrrrrkkk....",
    "....kwwwwwwwwwwwwwwwrRRRrkkk....",
    "....kwwwwwwwwwwwwwwwrrrrrkkk....",
    "....kwwllllllllllllllllwwkkk....",
    "....kwwwwwwwwwwwwwwwwwwwwkkk....",
    "....kwwwwwwwwwwwwwwwwwwwwkkk....",
    "....kwwllllllllllllllllwwkkk....",
    "....kwwwwwwwwwwwwwwwwwwwwkkk....",
    "....kwwwwwwwwwwwwwwwwwwwwkk.....",
    "....kwwllllllllllllllllwwkk.....",
    "....kwwwwwwwwwwwwwwwwwwwwkk.....",
    "....kwwwwwwwwwwwwwwwwwwwwk......",
    "...bkwwwwwwwwwwwwwwwwwwwwkbbb...",
    "...bkkkkkkkkkkkkkkkkkkkkkkBBb...",
    "...bBBBBBBBBBBBBBBBBBBBBBBBBb...",
    "...bBBBBBBBBBBBBBBBBBBBBBBBBb...",
    "...bBBBBBBBBBBBBBBBBBBBBBBBBb...",
    "...bbbbbkkkbbbbbbbbbbkkkbbbbb...",
    "........kkk..........kkk........",
    "................................",
};

}   // namespace

const char* const* ProgramIconXpm()
{
    return kProgramIconXpm;
}
