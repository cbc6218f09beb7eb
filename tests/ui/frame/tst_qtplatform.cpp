#include "core/state/sharedstate.h"
#include "ui/frame/qtplatform.h"
#include "ui/frame/shell.h"
#include "ui/frame/workwindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace veltra;

namespace {

// Acts on the next modal dialog as soon as it is up; the dialog's event loop runs meanwhile.
void whenDialogOpens(const std::function<void(QDialog *)> &act)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        poll->stop();
        act(dialog);
    });
    poll->start(10);
}

QString plain(const QString &caption)
{
    return QString(caption).remove(QLatin1Char('&'));
}

QStringList buttonCaptions(const QDialog *dialog)
{
    QStringList captions;
    for (const QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->isVisible())
            captions << plain(button->text());
    }
    return captions;
}

// The user goes to the file's folder and types its name, as one does in the dialog.
void choose(QFileDialog *files, const QString &path)
{
    auto *model = files->findChild<QFileSystemModel *>();
    const QString folder = QFileInfo(path).absolutePath();
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    files->setDirectory(folder);
    const bool read = QTest::qWaitFor([&] {
        return loaded.contains(QVariantList{folder}) || model->rowCount(model->index(folder)) > 0;
    });
    files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
    const bool ready = read && QTest::qWaitFor([files, path] {
        return files->selectedFiles() == QStringList{path};
    });
    if (ready)
        static_cast<QDialog *>(files)->accept();
    else
        files->reject();
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

// Qt's own dialogs as the running application shows them: in Italian, and opening in the
// folder where the user works.
class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void messageBoxesAnswerSiAndNo();
    void choiceQuestionAnswersTheButtonClickedAndAnnullaOnClose();
    void fileDialogsOfferApriSalvaAndAnnulla();
    void colourDialogCancelledWithAnnulla();
    void everyFileFilterShowsArchivesWithoutExtension();
    void dialogsOpenInTheFolderOfTheLastFileChosen();
    void deleteDialogOpensInTheWorkingFolder();
    void italianWhateverTheSystemsLocale();

private:
    QtPlatform m_platform;
    QString m_startFolder;
    QTemporaryDir m_here;
    QTemporaryDir m_there;
};

void TestQtPlatform::initTestCase()
{
    QVERIFY(QtPlatform::installItalianTranslations(*qApp));
    m_startFolder = QDir::currentPath();
    touch(m_here.filePath(QStringLiteral("Veltra-dati-Aurora")));
    touch(m_there.filePath(QStringLiteral("Veltra-dati-Borgo")));
}

void TestQtPlatform::init()
{
    QDir::setCurrent(m_here.path());
}

void TestQtPlatform::cleanup()
{
    QDir::setCurrent(m_startFolder);
}

void TestQtPlatform::messageBoxesAnswerSiAndNo()
{
    QStringList captions;
    QString yes;
    whenDialogOpens([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        captions = buttonCaptions(box);
        yes = plain(box->button(QMessageBox::Yes)->text());
        box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(m_platform.askYesNo(MessageIcon::Question, QStringLiteral("Veltra"),
                                QStringLiteral("Vuoi uscire da Veltra?"), false));
    QCOMPARE(yes, QStringLiteral("Sì"));
    QVERIFY2(captions.contains(QStringLiteral("No")), qPrintable(captions.join(u',')));
    QCOMPARE(captions.size(), 2);
}

void TestQtPlatform::choiceQuestionAnswersTheButtonClickedAndAnnullaOnClose()
{
    const QStringList buttons{QStringLiteral("Salva"), QStringLiteral("Non salvare"),
                              QStringLiteral("Annulla")};
    QStringList captions;
    QString defaultCaption;
    whenDialogOpens([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        captions = buttonCaptions(box);
        defaultCaption = plain(box->defaultButton()->text());
        box->buttons().at(captions.indexOf(QStringLiteral("Non salvare")))->click();
    });
    QCOMPARE(m_platform.askChoice(MessageIcon::Question, QStringLiteral("Veltra"),
                                  QStringLiteral("Salvare le modifiche?"), buttons, 0),
             1);
    QCOMPARE(captions.size(), 3);
    QCOMPARE(defaultCaption, QStringLiteral("Salva"));

    whenDialogOpens([](QDialog *dialog) { dialog->close(); });
    QCOMPARE(m_platform.askChoice(MessageIcon::Question, QStringLiteral("Veltra"),
                                  QStringLiteral("Salvare le modifiche?"), buttons, 0),
             2);
}

void TestQtPlatform::fileDialogsOfferApriSalvaAndAnnulla()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Apri");
    request.filter = QStringLiteral("Tutti i file (*.*)|*.*");
    QStringList openCaptions;
    whenDialogOpens([&](QDialog *dialog) {
        openCaptions = buttonCaptions(dialog);
        dialog->reject();
    });
    QCOMPARE(m_platform.openFileName(request), QString());
    QVERIFY2(openCaptions.contains(QStringLiteral("Apri"))
                 && openCaptions.contains(QStringLiteral("Annulla")),
             qPrintable(openCaptions.join(u',')));

    QStringList saveCaptions;
    whenDialogOpens([&](QDialog *dialog) {
        saveCaptions = buttonCaptions(dialog);
        dialog->reject();
    });
    QCOMPARE(m_platform.saveFileName(request), QString());
    QVERIFY2(saveCaptions.contains(QStringLiteral("Salva"))
                 && saveCaptions.contains(QStringLiteral("Annulla")),
             qPrintable(saveCaptions.join(u',')));
}

void TestQtPlatform::colourDialogCancelledWithAnnulla()
{
    QStringList captions;
    whenDialogOpens([&](QDialog *dialog) {
        captions = buttonCaptions(dialog);
        dialog->reject();
    });
    QVERIFY(!m_platform.chooseColour(0xC0C0C0));
    QVERIFY2(captions.contains(QStringLiteral("Annulla")), qPrintable(captions.join(u',')));
}

// The archives' names have no extension, yet "Tutti i file (*.*)" lists them.
void TestQtPlatform::everyFileFilterShowsArchivesWithoutExtension()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Tutti i file (*.*)|*.*|File Veltra-spese- | Veltra-spese-*");
    QStringList listed;
    bool read = false;
    whenDialogOpens([&](QDialog *dialog) {
        auto *model = dialog->findChild<QFileSystemModel *>();
        const QString folder = QDir(m_here.path()).absolutePath();
        read = QTest::qWaitFor([&] { return model->rowCount(model->index(folder)) > 0; }, 2000);
        const QModelIndex parent = model->index(folder);
        for (int row = 0; row < model->rowCount(parent); ++row)
            listed << model->index(row, 0, parent).data().toString();
        dialog->reject();
    });
    m_platform.openFileName(request);
    QVERIFY(read);
    QCOMPARE(listed, QStringList{QStringLiteral("Veltra-dati-Aurora")});
}

// Choosing a file in another folder moves the work there: the next dialog opens in it. When
// the working folder changes otherwise, the dialogs follow it too, not Qt's last folder.
void TestQtPlatform::dialogsOpenInTheFolderOfTheLastFileChosen()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Tutti i file (*.*)|*.*");
    const QString borgo = m_there.filePath(QStringLiteral("Veltra-dati-Borgo"));
    QString firstFolder;
    whenDialogOpens([&](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        firstFolder = files->directory().absolutePath();
        choose(files, borgo);
    });
    QCOMPARE(QFileInfo(m_platform.openFileName(request)).absoluteFilePath(),
             QFileInfo(borgo).absoluteFilePath());
    QCOMPARE(firstFolder, QDir(m_here.path()).absolutePath());

    QString saveFolder;
    whenDialogOpens([&](QDialog *dialog) {
        saveFolder = qobject_cast<QFileDialog *>(dialog)->directory().absolutePath();
        dialog->reject();
    });
    m_platform.saveFileName(request);
    QCOMPARE(saveFolder, QDir(m_there.path()).absolutePath());

    QDir::setCurrent(m_here.path());
    QString laterFolder;
    whenDialogOpens([&](QDialog *dialog) {
        laterFolder = qobject_cast<QFileDialog *>(dialog)->directory().absolutePath();
        dialog->reject();
    });
    m_platform.openFileName(request);
    QCOMPARE(laterFolder, QDir(m_here.path()).absolutePath());
}

void TestQtPlatform::deleteDialogOpensInTheWorkingFolder()
{
    SharedState state;
    state.initSharedStrings();
    Shell shell(state, m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/assets"));
    QDir::setCurrent(m_there.path());
    const QString borgo = m_there.filePath(QStringLiteral("Veltra-dati-Borgo"));
    QString folder;
    QString title;
    whenDialogOpens([&](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        folder = files->directory().absolutePath();
        title = files->windowTitle();
        choose(files, borgo);
    });
    shell.workWindow(1)->deleteArchiveFile();
    QCOMPARE(folder, QDir(m_there.path()).absolutePath());
    QCOMPARE(title, state.texts.deleteDialogTitle);
    QVERIFY(!QFile::exists(borgo));
    touch(borgo);
}

// On a system set to English the program still writes 1.234,5 and "marzo", in its own
// widgets and in Qt's dialogs.
void TestQtPlatform::italianWhateverTheSystemsLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(QtPlatform::installItalianLocale(*qApp));
    QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
    QCOMPARE(QLocale().monthName(3), QStringLiteral("marzo"));
    QFileDialog dialog;
    QCOMPARE(dialog.locale().language(), QLocale::Italian);
    QCOMPARE(dialog.locale().decimalPoint(), QStringLiteral(","));
}

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
