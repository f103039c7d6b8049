#include <iostream>

#include <QCoreApplication>

#include "l10n/Translators.h"
#include "sync/SyncCommand.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    CTranslators::Install("dialstack");
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return CSyncCommand::Run(args, std::cout, std::cerr);
}
