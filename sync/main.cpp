#include <iostream>

#include <QCoreApplication>

#include "l10n/Translators.h"
#include "shell/ToolText.h"
#include "sync/SyncCommand.h"

namespace {

// Qt's own warnings ("QIODevice::read: device not open", a socket's
// complaint) are no message for the user: every failure the sync meets is
// said in its own words.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::cerr << "dialstack-sync: " << message.toLocal8Bit().constData() << std::endl;
}

}   // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(QuietQtMessages);
    QCoreApplication app(argc, argv);
    CTranslators::Install("dialstack");
    CToolText::TranslateReasons();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return CSyncCommand::Run(args, std::cout, std::cerr);
}
