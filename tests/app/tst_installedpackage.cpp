#include "support/toolprocess.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace veltra;

namespace {

const QString SampleArchive = QStringLiteral("usr/share/veltra/esempio/Veltra-dati-Condominio Le Magnolie");

// Every file and folder under root, read-only or writable again.
void setWritable(const QString &root, bool writable)
{
    const QFileDevice::Permissions write =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : std::as_const(paths)) {
        const QFileInfo info(path);
        if (info.isSymLink())
            continue;
        QFile::setPermissions(path, writable ? (info.permissions() | QFileDevice::WriteOwner)
                                             : (info.permissions() & ~write));
    }
}

// What under root changed since moment: a program that writes into its own tree.
QStringList changedSince(const QString &root, const QDateTime &moment)
{
    QStringList changed;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!info.isSymLink() && info.lastModified() >= moment)
            changed << info.filePath();
    }
    return changed;
}

// Packing reads every program and library for its dependencies, which on a busy machine
// takes well over the minute a tool run is given.
constexpr int PackingMs = 240000;

} // namespace

// The Debian package built by cpack: what it declares, and its programs run from a
// read-only copy of its tree, finding their data in share/veltra and writing nothing there.
class TestInstalledPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void declaresItsDependenciesAndHoldsEveryPiece();
    void toolRunsOnTheSampleFromTheReadOnlyTree();
    void applicationStartsOffscreenFromTheReadOnlyTree();
    void nothingWasWrittenIntoTheTree();

private:
    QString program(const QString &name) const { return m_root.filePath(QStringLiteral("root/usr/bin/") + name); }
    QString installed(const QString &path) const { return m_root.filePath(QStringLiteral("root/") + path); }

    QTemporaryDir m_root;
    QTemporaryDir m_work;
    QString m_package;
    QDateTime m_unpacked;
};

void TestInstalledPackage::initTestCase()
{
    const ToolRun packed = runTool(QStringLiteral("cpack"),
                                   {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                    QStringLiteral(VELTRA_BUILD_DIR "/CPackConfig.cmake"),
                                    QStringLiteral("-B"), m_root.filePath(QStringLiteral("package"))},
                                   PackingMs);
    QVERIFY2(packed.exitCode == 0, qPrintable(packed.out + packed.err));
    const QStringList debs = QDir(m_root.filePath(QStringLiteral("package")))
                                 .entryList({QStringLiteral("veltra_*.deb")}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_package = m_root.filePath(QStringLiteral("package/") + debs.first());
    const ToolRun unpacked = runTool(QStringLiteral("dpkg-deb"),
                                     {QStringLiteral("-x"), m_package, m_root.filePath(QStringLiteral("root"))});
    QVERIFY2(unpacked.exitCode == 0, qPrintable(unpacked.err));
    // File times have a resolution of a second on some file systems.
    m_unpacked = QDateTime::currentDateTime().addSecs(1);
    QTest::qWait(1100);
    setWritable(m_root.filePath(QStringLiteral("root")), false);
}

void TestInstalledPackage::cleanupTestCase()
{
    setWritable(m_root.filePath(QStringLiteral("root")), true);
}

void TestInstalledPackage::declaresItsDependenciesAndHoldsEveryPiece()
{
    const ToolRun depends = runTool(QStringLiteral("dpkg-deb"),
                                    {QStringLiteral("-f"), m_package, QStringLiteral("Depends")});
    QCOMPARE(depends.exitCode, 0);
    // Found by dpkg-shlibdeps in the programs, and what they load or call at run time.
    for (const char *package : {"libqt6widgets6", "libqt6multimedia6", "libzip4", "libc6",
                                "gstreamer1.0-plugins-good", "qt6-translations-l10n", "xdg-utils"})
        QVERIFY2(depends.out.contains(QLatin1String(package)), package);
    for (const QString &path : {QStringLiteral("usr/bin/veltra"), QStringLiteral("usr/bin/veltra-tool"),
                                QStringLiteral("usr/share/veltra/guida.txt"),
                                QStringLiteral("usr/share/veltra/SuggerimentiVeltra.TXT"),
                                QStringLiteral("usr/share/veltra/splash.png"),
                                QStringLiteral("usr/share/veltra/sigla.wav"), SampleArchive,
                                QStringLiteral("usr/share/applications/veltra.desktop"),
                                QStringLiteral("usr/share/icons/hicolor/scalable/apps/veltra.svg"),
                                QStringLiteral("usr/share/icons/hicolor/16x16/apps/veltra.png"),
                                QStringLiteral("usr/share/icons/hicolor/256x256/apps/veltra.png")})
        QVERIFY2(QFileInfo(installed(path)).isFile(), qPrintable(path));
    QFile entry(installed(QStringLiteral("usr/share/applications/veltra.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray desktop = entry.readAll();
    QVERIFY(desktop.startsWith("[Desktop Entry]\n"));
    QVERIFY(desktop.contains("\nExec=veltra\n"));
    QVERIFY(desktop.contains("\nIcon=veltra\n"));
}

void TestInstalledPackage::toolRunsOnTheSampleFromTheReadOnlyTree()
{
    // The sample, read where the package put it.
    const ToolRun millesimi = runTool(program(QStringLiteral("veltra-tool")),
                                      {QStringLiteral("millesimi"), installed(SampleArchive)});
    QCOMPARE(millesimi.exitCode, 0);
    QVERIFY(millesimi.out.contains(QStringLiteral("1,Ferretti Giorgio,")));
    // The rulings and the guide come from share/veltra, with no --dati to point there.
    const ToolRun rulings = runTool(program(QStringLiteral("veltra-tool")), {QStringLiteral("sentenze")});
    QVERIFY2(rulings.exitCode == 0, qPrintable(rulings.err));
    QVERIFY(rulings.out.startsWith(QStringLiteral("argomento,numero,autorità,data,")));
    const QString guide = m_work.filePath(QStringLiteral("guida.pdf"));
    const ToolRun printed = runTool(program(QStringLiteral("veltra-tool")),
                                    {QStringLiteral("stampa"), QStringLiteral("guida"), QStringLiteral("-o"), guide});
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
    QVERIFY(QFileInfo(guide).size() > 20000);
    const QString complete = m_work.filePath(QStringLiteral("completa.odt"));
    QCOMPARE(runTool(program(QStringLiteral("veltra-tool")),
                     {QStringLiteral("stampa"), QStringLiteral("completa"), installed(SampleArchive),
                      QStringLiteral("-o"), complete}).exitCode, 0);
    QVERIFY(QFileInfo(complete).isFile());
}

void TestInstalledPackage::applicationStartsOffscreenFromTheReadOnlyTree()
{
    QProcess application;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), m_work.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_work.path());
    application.setProcessEnvironment(environment);
    application.setWorkingDirectory(m_work.path());
    application.start(program(QStringLiteral("veltra")), {});
    QVERIFY(application.waitForStarted());
    // Still running after its splash and tune: a missing library, plugin or data file that
    // it cannot do without ends it at once.
    QVERIFY2(!application.waitForFinished(3000), application.readAllStandardError().constData());
    application.terminate();
    QVERIFY(application.waitForFinished(5000));
}

void TestInstalledPackage::nothingWasWrittenIntoTheTree()
{
    QCOMPARE(changedSince(m_root.filePath(QStringLiteral("root")), m_unpacked), QStringList());
}

QTEST_GUILESS_MAIN(TestInstalledPackage)
#include "tst_installedpackage.moc"
