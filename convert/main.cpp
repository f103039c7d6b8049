#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "convert/ConvertCommand.h"
#include "l10n/Translators.h"
#include "shell/ToolText.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Only for the translation of the messages: Qt takes none of the
    // command line.
    int qtArgc = argc > 0 ? 1 : 0;
    QCoreApplication app(qtArgc, argv);
    CTranslators::Install("dialstack");
    CToolText::TranslateReasons();
    return CConvertCommand::Run(args, std::cin, std::cout, std::cerr);
}
