#include "library/templates/templatelibrary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

// A library of `count` templates "[modello n] titolo n" whose texts are "testo n", after a
// header; `from` numbers the first one.
QByteArray numberedTemplates(int count, int from = 1)
{
    QByteArray bytes = "# modelli di prova\n# formato: [modello N] titolo\n";
    for (int n = from; n < from + count; ++n)
        bytes += "[modello " + QByteArray::number(n) + "] titolo " + QByteArray::number(n)
            + "\ntesto " + QByteArray::number(n) + "\n";
    return bytes;
}

} // namespace

class TestTemplateLibrary : public QObject
{
    Q_OBJECT

private slots:
    void textsKeepTheirLinesTabsAndBlanks();
    void entriesBeyondTheTemplatesAreEmpty();
    void carriageReturnsBeforeALineEndAreNoText();
    void malformedFileIsRefusedNamingTheLine_data();
    void malformedFileIsRefusedNamingTheLine();
    void missingFileIsRefused();
};

void TestTemplateLibrary::textsKeepTheirLinesTabsAndBlanks()
{
    QByteArray bytes = "# intestazione\r\n"
                       "[modello 1] aggiornamento del canone\r\n"
                       "\r\n"
                       "Raccomandata a.r.\r\n"
                       "Spett.le __________\r\n"
                       "\r\n"
                       "\tIl locatore/comodante/altro\r\n"
                       "\r\n"
                       "\r\n";
    bytes += numberedTemplates(68, 2).mid(QByteArray("# modelli di prova\n# formato: [modello N] titolo\n").size());
    const TemplateLibrary library = TemplateLibrary::parse(bytes);
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    QCOMPARE(library.title(1), QStringLiteral("aggiornamento del canone"));
    // Leading and trailing empty lines go; the inner empty line, the tab and the
    // underscores stay; lines are joined with CR LF.
    QCOMPARE(library.text(1), QStringLiteral("Raccomandata a.r.\r\nSpett.le __________\r\n\r\n"
                                             "\tIl locatore/comodante/altro"));
    QCOMPARE(library.title(69), QStringLiteral("titolo 69"));
    QCOMPARE(library.text(69), QStringLiteral("testo 69"));
}

void TestTemplateLibrary::entriesBeyondTheTemplatesAreEmpty()
{
    const TemplateLibrary library = TemplateLibrary::parse(numberedTemplates(69));
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    for (int n : {0, 70, 71}) {
        QVERIFY(library.title(n).isEmpty());
        QVERIFY(library.text(n).isEmpty());
    }
}

// A title or a line ended by CR CR LF keeps no stray CR, so that the file can be written
// back in its own notation.
void TestTemplateLibrary::carriageReturnsBeforeALineEndAreNoText()
{
    QByteArray bytes = numberedTemplates(69);
    bytes.replace("[modello 1] titolo 1\n", "[modello 1]  titolo 1 \r\r\n").replace("testo 1\n", "testo 1\r\r\nseguito\n");
    const TemplateLibrary library = TemplateLibrary::parse(bytes);
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    QCOMPARE(library.title(1), QStringLiteral("titolo 1"));
    QCOMPARE(library.text(1), QStringLiteral("testo 1\r\nseguito"));
}

void TestTemplateLibrary::malformedFileIsRefusedNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString start = QStringLiteral("Il file modelli.txt non è leggibile: ");
    QByteArray valid = numberedTemplates(69);
    // Line 3 is the header of template 1, line 4 its text, line 5 the header of template 2.
    QTest::newRow("68 templates") << numberedTemplates(68)
                                  << start + QStringLiteral("i modelli sono 68 invece di 69.");
    QTest::newRow("70 templates") << numberedTemplates(70)
                                  << start + QStringLiteral("riga 141: i modelli devono essere 69.");
    QTest::newRow("number skipped")
        << QByteArray(valid).replace("[modello 2] ", "[modello 3] ")
        << start + QStringLiteral("riga 5: atteso il modello 2.");
    QTest::newRow("header without its bracket")
        << QByteArray(valid).replace("[modello 2] ", "[modello 2 ")
        << start + QStringLiteral("riga 5: intestazione non valida, attesa \"[modello N] titolo\".");
    QTest::newRow("empty title")
        << QByteArray(valid).replace("[modello 2] titolo 2", "[modello 2]  ")
        << start + QStringLiteral("riga 5: il modello 2 non ha titolo.");
    QTest::newRow("empty text")
        << QByteArray(valid).replace("testo 1\n", "\n  \n")
        << start + QStringLiteral("riga 3: il modello 1 non ha testo.");
    QTest::newRow("empty last text")
        << QByteArray(valid).replace("testo 69\n", "")
        << start + QStringLiteral("riga 139: il modello 69 non ha testo.");
    QTest::newRow("text before the first template")
        << QByteArray(valid).replace("[modello 1]", "Oggetto:\n[modello 1]")
        << start + QStringLiteral("riga 3: atteso \"[modello 1] titolo\".");
    QTest::newRow("not UTF-8")
        << QByteArray(valid).replace("testo 7", "qualit\xe0")
        << start + QStringLiteral("il testo non è in codifica UTF-8.");
    QTest::newRow("empty file") << QByteArray() << start + QStringLiteral("i modelli sono 0 invece di 69.");
}

void TestTemplateLibrary::malformedFileIsRefusedNamingTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const TemplateLibrary library = TemplateLibrary::parse(bytes);
    QCOMPARE(library.error(), message);
    QVERIFY(library.title(1).isEmpty());
    QVERIFY(library.text(1).isEmpty());
}

void TestTemplateLibrary::missingFileIsRefused()
{
    QTemporaryDir folder;
    const TemplateLibrary library = TemplateLibrary::load(QDir(folder.path()).filePath(TemplateLibrary::fileName()));
    QCOMPARE(library.error(),
             QStringLiteral("Il file modelli.txt non è leggibile: il file manca o non si può aprire."));
}

QTEST_GUILESS_MAIN(TestTemplateLibrary)
#include "tst_templatelibrary.moc"
