#include "ui/frame/qtplatform.h"

#include <QtTest>

using namespace veltra;

// The desktop's file associations, asked through xdg-mime in a desktop made up for the
// test: its own configuration and data folders, no desktop environment named.
class TestQtPlatformDocuments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aDocumentNoProgramIsRegisteredForIsNotOpened();
    void aRegisteredProgramIsFound_data();
    void aRegisteredProgramIsFound();

private:
    void writeFile(const QString &relativePath, const QByteArray &bytes);

    QTemporaryDir m_desktop;
    QString m_document;
    QProcessEnvironment m_saved = QProcessEnvironment::systemEnvironment();
};

namespace {

const char *const XdgVariables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                                    "XDG_DATA_DIRS"};
const char *const DesktopVariables[] = {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                                        "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"};

} // namespace

void TestQtPlatformDocuments::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_desktop.filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestQtPlatformDocuments::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
        QSKIP("xdg-mime (xdg-utils) is not installed");
    qputenv("XDG_CONFIG_HOME", m_desktop.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", m_desktop.filePath(QStringLiteral("etc")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_desktop.filePath(QStringLiteral("data")).toLocal8Bit());
    // The types of files stay the system's; its programs are not seen.
    const QString systemTypes = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                       QStringLiteral("mime"),
                                                       QStandardPaths::LocateDirectory);
    if (systemTypes.isEmpty())
        QSKIP("the system has no database of file types");
    QVERIFY(QDir().mkpath(m_desktop.filePath(QStringLiteral("share"))));
    QFile::link(systemTypes, m_desktop.filePath(QStringLiteral("share/mime")));
    qputenv("XDG_DATA_DIRS", m_desktop.filePath(QStringLiteral("share")).toLocal8Bit());
    for (const char *variable : DesktopVariables)
        qunsetenv(variable);
    m_document = m_desktop.filePath(QStringLiteral("Veltra-2026-12-09-001.odt"));
    writeFile(QStringLiteral("Veltra-2026-12-09-001.odt"), QByteArray());
}

void TestQtPlatformDocuments::cleanup()
{
    for (const char *variable : XdgVariables) {
        if (m_saved.contains(QString::fromLatin1(variable)))
            qputenv(variable, m_saved.value(QString::fromLatin1(variable)).toLocal8Bit());
        else
            qunsetenv(variable);
    }
}

void TestQtPlatformDocuments::aDocumentNoProgramIsRegisteredForIsNotOpened()
{
    QVERIFY(!QtPlatform::hasApplicationFor(m_document));
    QtPlatform platform;
    QVERIFY(!platform.openDocument(m_document));
}

void TestQtPlatformDocuments::aRegisteredProgramIsFound_data()
{
    QTest::addColumn<QString>("registration");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("chosen by the user") << "config/mimeapps.list"
        << QByteArray("[Default Applications]\n"
                      "application/vnd.oasis.opendocument.text=veltra-prova.desktop\n");
    QTest::newRow("installed with the program") << "share/applications/mimeinfo.cache"
        << QByteArray("[MIME Cache]\napplication/vnd.oasis.opendocument.text=veltra-prova.desktop;\n");
}

void TestQtPlatformDocuments::aRegisteredProgramIsFound()
{
    QFETCH(QString, registration);
    QFETCH(QByteArray, bytes);
    writeFile(QStringLiteral("share/applications/veltra-prova.desktop"),
              "[Desktop Entry]\nType=Application\nName=Prova\nExec=true %f\n"
              "MimeType=application/vnd.oasis.opendocument.text;\n");
    writeFile(registration, bytes);
    QVERIFY(QtPlatform::hasApplicationFor(m_document));
}

QTEST_MAIN(TestQtPlatformDocuments)
#include "tst_qtplatformdocuments.moc"
