// Times a year's bank statement of the largest condominium: 500 owners with the open
// shares of a 200-item series (about ten each still open), and a 5,000-line export with
// Dare and Avere columns, two thirds of it owners' transfers: reading the file and
// proposing the payments (target 1 s together).

#include "core/accounts/bankstatementcsv.h"
#include "core/accounts/paymentmatcher.h"
#include "core/numbers/money.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>

#include <cstdio>

using namespace veltra;

namespace {

constexpr int Owners = 500;
constexpr int Items = 200;
constexpr int OpenPerOwner = 10;
constexpr int StatementLines = 5000;

// Surnames as a condominium has them: common ones shared by several owners, some of two
// words and some with an apostrophe.
const char *const Surnames[] = {
    "Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo", "Ricci", "Marino",
    "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa", "Giordano", "Rizzo",
    "Lombardi", "Moretti", "Barbieri", "Fontana", "Santoro", "Mariani", "Rinaldi", "Caruso",
    "Ferrara", "Galli", "Martini", "Leone", "Longo", "Gentile", "Martinelli", "Vitale",
    "Lombardo", "Serra", "Coppola", "De Santis", "D'Angelo", "Marchetti", "Parisi", "Villa",
    "Conte", "Ferraro", "Ferri", "Fabbri", "Bianco", "Marini", "Grasso", "Valentini",
    "Messina", "Sala", "De Angelis", "Gatti", "Pellegrini", "Palumbo", "Sanna", "Farina",
    "Rizzi", "Monti", "Cattaneo", "Morelli", "Amato", "Silvestri", "Mazza", "Testa",
    "Grassi", "Pellegrino", "Carbone", "Giuliani", "Benedetti", "Barone", "Rossetti",
    "Caputo", "Montanari", "Guerra", "Palmieri", "Bernardi", "Martino", "Fiore", "De Rosa",
    "Ferretti", "Bellini", "Basile", "Riva", "Donati", "Piras", "Vitali", "Battaglia",
    "Sartori", "Neri", "Costantini", "Milani", "Pagano", "Ruggiero", "Sorrentino", "D'Amico",
    "Orlando", "Damico", "Negri", "Dell'Acqua", "Nicolò", "Cafà"};
const char *const GivenNames[] = {"Mario", "Giuseppe", "Anna", "Maria", "Luigi", "Francesca",
                                  "Paolo", "Giovanna", "Marco", "Laura", "Antonio", "Chiara"};
constexpr int SurnameCount = int(sizeof(Surnames) / sizeof(Surnames[0]));
constexpr int GivenCount = int(sizeof(GivenNames) / sizeof(GivenNames[0]));

QList<PaymentMatcher::PayerCandidate> candidates()
{
    QList<PaymentMatcher::PayerCandidate> list;
    for (int owner = 1; owner <= Owners; ++owner) {
        PaymentMatcher::PayerCandidate candidate{owner, {QString::fromUtf8(Surnames[owner % SurnameCount])}, {}};
        // The older items are paid; the ten still open are spread over the rest.
        for (int k = 0; k < OpenPerOwner; ++k) {
            const int item = Items - 4 * (OpenPerOwner - k) + owner % 4;
            candidate.shares.append({item, 5000 + (owner * 37 + item * 11) % 40000});
        }
        list.append(candidate);
    }
    return list;
}

QString euro(long long cents)
{
    return Money::fromCents(cents).format();
}

// Of every three lines two are an owner's transfer of one share or of his two oldest, the
// third a supplier's debit.
QByteArray statement(const QList<PaymentMatcher::PayerCandidate> &payers)
{
    QString text = QStringLiteral("Estratto conto;;;;\r\nIBAN: IT60X0542811101000000123456;;;;\r\n"
                                  "Data contabile;Data valuta;Descrizione;Dare;Avere\r\n");
    const QDate first(2026, 1, 1);
    for (int line = 0; line < StatementLines; ++line) {
        const QString date = first.addDays(line * 365 / StatementLines).toString(QStringLiteral("dd/MM/yyyy"));
        const PaymentMatcher::PayerCandidate &payer = payers.at((line * 7) % Owners);
        const QList<PaymentMatcher::OpenShare> &shares = payer.shares;
        const int pick = (line / 7) % OpenPerOwner;
        QString row;
        if (line % 3 == 2)
            row = QStringLiteral("Addebito fornitore n. %1;%2;").arg(line).arg(euro(1000 + line));
        else if (line % 3 == 0)
            row = QStringLiteral("BONIFICO DA %1 %2 RATA;;%3")
                      .arg(GivenNames[line % GivenCount], payer.surnames.first().toUpper(), euro(shares.at(pick).cents));
        else
            row = QStringLiteral("Bonifico a favore Condominio ord. %1 %2;;%3")
                      .arg(payer.surnames.first(), GivenNames[line % GivenCount],
                           euro(shares.at(0).cents + shares.at(1).cents));
        text += date + QLatin1Char(';') + date + QLatin1Char(';') + row + QStringLiteral("\r\n");
    }
    text += QStringLiteral("Saldo finale;;;;12.345,67\r\n");
    return text.toUtf8();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QList<PaymentMatcher::PayerCandidate> payers = candidates();
    const QByteArray bytes = statement(payers);
    QElapsedTimer timer;
    timer.start();
    const BankStatementCsv::Result result = BankStatementCsv::read(bytes, QStringLiteral("estratto.csv"));
    const double readMs = timer.nsecsElapsed() / 1e6;
    if (!result.ok) {
        std::printf("the statement was refused: %s\n", qPrintable(result.problem));
        return 1;
    }
    timer.restart();
    const PaymentMatcher matcher(payers);
    const QList<PaymentMatcher::Proposal> proposals = matcher.propose(result.lines);
    const double matchMs = timer.nsecsElapsed() / 1e6;
    int counts[3] = {0, 0, 0};
    for (const PaymentMatcher::Proposal &proposal : proposals)
        ++counts[int(proposal.outcome)];
    std::printf("bank statement, %d lines (%lld bytes), %d owners with %d open shares each: "
                "read %.1f ms, matched %.1f ms, together %.1f ms (target 1000 ms); "
                "%d %s, %d %s, %d %s\n",
                int(result.lines.size()), static_cast<long long>(bytes.size()), Owners, OpenPerOwner,
                readMs, matchMs, readMs + matchMs, counts[0],
                qPrintable(PaymentMatcher::outcomeText(PaymentMatcher::Outcome::Matched)), counts[1],
                qPrintable(PaymentMatcher::outcomeText(PaymentMatcher::Outcome::ToConfirm)), counts[2],
                qPrintable(PaymentMatcher::outcomeText(PaymentMatcher::Outcome::Unmatched)));
    return 0;
}
