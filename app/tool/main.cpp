#include "bilanciocommand.h"
#include "controllaavvisocommand.h"
#include "millesimicommand.h"
#include "ripartiscicommand.h"
#include "schedacommand.h"
#include "sentenzecommand.h"
#include "stampacommand.h"
#include "toolrunner.h"
#include "verificacommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <memory>

// veltra-tool: the condominium registry from the command line.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    veltra::ToolRunner runner;
    runner.add(std::make_unique<veltra::MillesimiCommand>());
    runner.add(std::make_unique<veltra::VerificaCommand>());
    runner.add(std::make_unique<veltra::RipartisciCommand>());
    runner.add(std::make_unique<veltra::StampaCommand>());
    runner.add(std::make_unique<veltra::BilancioCommand>());
    runner.add(std::make_unique<veltra::SchedaCommand>());
    runner.add(std::make_unique<veltra::ControllaAvvisoCommand>());
    runner.add(std::make_unique<veltra::SentenzeCommand>());
    return runner.run(application.arguments().mid(1), out, err);
}
