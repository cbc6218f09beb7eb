#include "reports/registry/dataformprintout.h"

#include "core/numbers/numbertext.h"
#include "reports/document/printstatus.h"

#include <QStringList>

#include <utility>
#include <vector>

namespace veltra {

namespace {

const QChar CR(13);
const QChar FF(12);

using Choices = std::vector<std::pair<QString, QString>>;

const QStringList CoefficientHeading = { QStringLiteral("numero"), QStringLiteral("tipologia"),
                                         QStringLiteral("valori") };

const Choices DestinationCoefficients = {
    { QStringLiteral("negozi (secondo mercato)"), QStringLiteral("1,30") },
    { QStringLiteral("camere"), QStringLiteral("1,00") },
    { QStringLiteral("servizi (cucina, bagno, ripostigli)"), QStringLiteral("0,90") },
    { QStringLiteral("corridoi, disimpegni"), QStringLiteral("0,80") },
    { QStringLiteral("logge chiuse da tre pareti"), QStringLiteral("0,50-0,35") },
    { QStringLiteral("cantine e soffitte"), QStringLiteral("0,45-0,30") },
    { QStringLiteral("balconi coperti"), QStringLiteral("0,30") },
    { QStringLiteral("balconi scoperti"), QStringLiteral("0,25") },
    { QStringLiteral("terrazzi a livello"), QStringLiteral("0,22") },
    { QStringLiteral("giardini e aree di rispetto"), QStringLiteral("0,15-0,10") },
};

const Choices FloorsWithLift = {
    { QStringLiteral("piano scantinato"), QStringLiteral("0,75") },
    { QStringLiteral("piano terreno"), QStringLiteral("0,85") },
    { QStringLiteral("piano rialzato"), QStringLiteral("0,90") },
    { QStringLiteral("piano primo"), QStringLiteral("0,95") },
    { QStringLiteral("piani successivi"), QStringLiteral("1,00") },
};

const Choices FloorsWithoutLift = {
    { QStringLiteral("piano scantinato"), QStringLiteral("0,75") },
    { QStringLiteral("piano terreno"), QStringLiteral("0,85") },
    { QStringLiteral("piano rialzato"), QStringLiteral("0,90") },
    { QStringLiteral("piano primo"), QStringLiteral("1,00") },
    { QStringLiteral("piani successivi"), QStringLiteral("decrescenti fino a 0,90") },
    { QStringLiteral("ultimo piano"), QStringLiteral("0,90") },
};

const Choices OrientationCoefficients = {
    { QStringLiteral("quadrante sud-est/sud-ovest"), QStringLiteral("1,00-0,97") },
    { QStringLiteral("quadrante nord-est/sud-est"), QStringLiteral("0,97-0,90") },
    { QStringLiteral("quadrante nord-ovest/sud-ovest"), QStringLiteral("0,97-0,90") },
    { QStringLiteral("quadrante nord-ovest/nord-est"), QStringLiteral("0,90-0,80") },
    { QStringLiteral("ambienti senza finestre"), QStringLiteral("0,75") },
};

const Choices ProspectCoefficients = {
    { QStringLiteral("su giardini, panorami, strade"), QStringLiteral("1,00-0,95") },
    { QStringLiteral("su zone di rispetto"), QStringLiteral("0,90-0,85") },
    { QStringLiteral("su cortili"), QStringLiteral("0,85") },
    { QStringLiteral("su chiostrine"), QStringLiteral("0,80") },
    { QStringLiteral("locali senza finestre, cantinati"), QStringLiteral("0,75") },
};

const Choices LightCoefficients = {
    { QStringLiteral("per k=1/6 o maggiore"), QStringLiteral("1,000") },
    { QStringLiteral("per k=1/7"), QStringLiteral("0,965") },
    { QStringLiteral("per k=1/8"), QStringLiteral("0,940") },
    { QStringLiteral("per k=1/9"), QStringLiteral("0,920") },
    { QStringLiteral("per k=1/10"), QStringLiteral("0,900") },
    { QStringLiteral("per spazi aperti (balconi, ecc.)"), QStringLiteral("1,000") },
};

const Choices FormLegend = {
    { QStringLiteral("colonna"), QStringLiteral("significato") },
    { QStringLiteral("n."), QStringLiteral("numero d'ordine del locale") },
    { QStringLiteral("nome locale"), QStringLiteral("denominazione di ogni locale dell'unità immobiliare") },
    { QStringLiteral("sup."), QStringLiteral("superficie netta") },
    { QStringLiteral("dest."), QStringLiteral("coefficiente di destinazione") },
    { QStringLiteral("piano"), QStringLiteral("coefficiente di piano") },
    { QStringLiteral("ori."), QStringLiteral("coefficiente di orientamento") },
    { QStringLiteral("pro."), QStringLiteral("coefficiente di prospetto") },
    { QStringLiteral("lum."), QStringLiteral("coefficiente di luminosità") },
    { QStringLiteral("funz."), QStringLiteral("coefficiente di funzionalità") },
    { QStringLiteral("vol."), QStringLiteral("coefficiente di volume") },
};

// The trailing blanks of "nome locale" widen the column where the room names are written.
const QStringList UnitGridHeading = {
    QStringLiteral("n."), QStringLiteral("nome locale                       "),
    QStringLiteral("sup. mq."), QStringLiteral("dest."), QStringLiteral("piano"),
    QStringLiteral("ori."), QStringLiteral("pro."), QStringLiteral("lum."),
    QStringLiteral("funz."), QStringLiteral("vol.")
};
constexpr int UnitGridRows = 38;

constexpr int ParagraphSize = 12;
constexpr int TableSize = 10;

void setRow(ReportDocument &document, int table, int row, const QStringList &texts)
{
    for (int column = 1; column <= texts.size(); ++column)
        document.setCell(table, row, column, texts[column - 1]);
}

// Writes choices numbered Str(1), Str(2)… from row firstRow on.
void setNumberedChoices(ReportDocument &document, int table, int firstRow, const Choices &choices)
{
    for (int k = 1; k <= int(choices.size()); ++k) {
        const auto &[kind, value] = choices[k - 1];
        setRow(document, table, firstRow + k - 1, { NumberText::str(k), kind, value });
    }
}

// A coefficient table with its heading row and the choices numbered from 1.
void appendChoiceTable(ReportDocument &document, const Choices &choices,
                       std::optional<int> fontSize)
{
    const int table = document.appendTable(int(choices.size()) + 1, 3, fontSize);
    setRow(document, table, 1, CoefficientHeading);
    setNumberedChoices(document, table, 2, choices);
}

void appendCoefficientPages(ReportDocument &document)
{
    document.appendParagraph(QStringLiteral("Condominio: ________________________________________"), 20);
    document.appendParagraph(QStringLiteral("MODULO PER L'ACQUISIZIONE DEI DATI"), ParagraphSize);
    document.appendParagraph(QStringLiteral("Coefficienti secondo la circolare del Min.LL.PP. n.12480 del 26 marzo 1966"));
    document.appendParagraph(QStringLiteral("coefficienti di destinazione:"));
    appendChoiceTable(document, DestinationCoefficients, TableSize);

    document.appendParagraph(CR + QStringLiteral("coefficienti di piano:"), ParagraphSize);
    const int floors = document.appendTable(14, 3, TableSize);
    setRow(document, floors, 1, CoefficientHeading);
    document.setCell(floors, 2, 2, QStringLiteral("fabbricati con ascensore"));
    setNumberedChoices(document, floors, 3, FloorsWithLift);
    document.setCell(floors, 8, 2, QStringLiteral("fabbricati senza ascensore"));
    setNumberedChoices(document, floors, 9, FloorsWithoutLift);

    // These three tables are given no size of their own: they take the size in force.
    document.appendParagraph(CR + QStringLiteral("coefficienti di orientamento:"), ParagraphSize);
    appendChoiceTable(document, OrientationCoefficients, std::nullopt);
    document.appendParagraph(CR + QStringLiteral("coefficienti di prospetto:"), ParagraphSize);
    appendChoiceTable(document, ProspectCoefficients, std::nullopt);
    document.appendParagraph(CR + QStringLiteral("coefficienti di luminosità (k=superficie illuminante/superficie illuminata):"),
                             ParagraphSize);
    appendChoiceTable(document, LightCoefficients, std::nullopt);

    document.appendParagraph(CR + QStringLiteral("coefficienti di funzionalità:"), ParagraphSize);
    document.appendParagraph(QStringLiteral("valori tra 1,00 e 0,90"));
    document.appendParagraph(QStringLiteral("coefficienti di volume:"));
    document.appendParagraph(QStringLiteral("proporzionali ai rapporti tra altezze minori e la massima dei vari piani"));
}

void appendOwnerPage(ReportDocument &document)
{
    document.appendParagraph(FF + QStringLiteral("Nome del condomino:__________________________________"),
                             ParagraphSize);
    document.appendParagraph(QStringLiteral("indirizzo:________________________________________________"));
    document.appendParagraph(QStringLiteral("piano:______________________________"));
    document.appendParagraph(CR + QStringLiteral("Legenda:"));

    const int legend = document.appendTable(int(FormLegend.size()), 2, TableSize);
    for (int row = 1; row <= int(FormLegend.size()); ++row)
        setRow(document, legend, row, { FormLegend[row - 1].first, FormLegend[row - 1].second });

    document.appendParagraph(QString(), ParagraphSize);
    const int grid = document.appendTable(UnitGridRows, int(UnitGridHeading.size()), TableSize);
    setRow(document, grid, 1, UnitGridHeading);
}

} // namespace

QString DataFormPrintout::openingStatus()
{
    return PrintStatus::LoadingDataForm;
}

QString DataFormPrintout::closingStatus()
{
    return PrintStatus::ShownDataForm;
}

ReportDocument DataFormPrintout::build()
{
    ReportDocument document(PrintoutFont);
    appendCoefficientPages(document);
    appendOwnerPage(document);
    return document;
}

} // namespace veltra
