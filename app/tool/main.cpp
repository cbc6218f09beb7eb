#include "anagrafecommand.h"
#include "bilanciocommand.h"
#include "chiudieserciziocommand.h"
#include "controllaanagrafecommand.h"
#include "controllaavvisocommand.h"
#include "controllacontabilitacommand.h"
#include "esitocommand.h"
#include "estrattocommand.h"
#include "importaanagrafecommand.h"
#include "importabancacommand.h"
#include "importaletturecommand.h"
#include "importamovimenticommand.h"
#include "millesimicommand.h"
#include "registradecretocommand.h"
#include "registraverbalecommand.h"
#include "registrocommand.h"
#include "rendicontocommand.h"
#include "ripartiscicommand.h"
#include "schedacommand.h"
#include "sedutacommand.h"
#include "sentenzecommand.h"
#include "stampacommand.h"
#include "toolrunner.h"
#include "verificacommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

namespace {

// Whether the command writes PDF: only then does the tool need the fonts of a graphical
// session; every other command runs as the plain console program it is.
bool writesPdf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = QByteArray(argv[i]).toLower();
        if (argument.endsWith(".pdf") || argument == "--per-condomino")
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    if (!writesPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    // The tool never shows a window: it needs no display unless told otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

// veltra-tool: the condominium registry from the command line.
int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    veltra::ToolRunner runner;
    runner.add(std::make_unique<veltra::MillesimiCommand>());
    runner.add(std::make_unique<veltra::VerificaCommand>());
    runner.add(std::make_unique<veltra::RipartisciCommand>());
    runner.add(std::make_unique<veltra::ImportaLettureCommand>());
    runner.add(std::make_unique<veltra::StampaCommand>());
    runner.add(std::make_unique<veltra::BilancioCommand>());
    runner.add(std::make_unique<veltra::SchedaCommand>());
    runner.add(std::make_unique<veltra::ControllaAvvisoCommand>());
    runner.add(std::make_unique<veltra::SentenzeCommand>());
    runner.add(std::make_unique<veltra::AnagrafeCommand>());
    runner.add(std::make_unique<veltra::ControllaAnagrafeCommand>());
    runner.add(std::make_unique<veltra::ImportaAnagrafeCommand>());
    runner.add(std::make_unique<veltra::EsitoCommand>());
    runner.add(std::make_unique<veltra::SedutaCommand>());
    runner.add(std::make_unique<veltra::RegistraVerbaleCommand>());
    runner.add(std::make_unique<veltra::RegistroCommand>());
    runner.add(std::make_unique<veltra::ImportaMovimentiCommand>());
    runner.add(std::make_unique<veltra::EstrattoCommand>());
    runner.add(std::make_unique<veltra::ControllaContabilitaCommand>());
    runner.add(std::make_unique<veltra::ImportaBancaCommand>());
    runner.add(std::make_unique<veltra::RegistraDecretoCommand>());
    runner.add(std::make_unique<veltra::RendicontoCommand>());
    runner.add(std::make_unique<veltra::ChiudiEsercizioCommand>());
    return runner.run(application->arguments().mid(1), out, err);
}
