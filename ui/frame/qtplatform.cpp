#include "ui/frame/qtplatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

#include <memory>

namespace veltra {

namespace {

// The user's own settings file, Veltra/Veltra.ini in his configuration folder.
std::unique_ptr<QSettings> userSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Veltra"), QStringLiteral("Veltra"));
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// "desc|pattern|desc|pattern" becomes Qt's list of "desc (pattern)" filters. "*.*" stands
// for every file, and the archives' names have no extension: to Qt it would show only
// names with a dot.
QStringList nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QString pattern = parts.at(i + 1).trimmed();
        if (pattern == QLatin1String("*.*")) {
            description.remove(QStringLiteral("(*.*)"));
            description = description.trimmed();
            pattern = QStringLiteral("*");
        }
        if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return filters;
}

QString runFileDialog(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QStringList filters = nameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 1 && request.selectedFilter <= filters.size())
        dialog.selectNameFilter(filters.at(request.selectedFilter - 1));
    // The dialog opens where the user chose the last file, which is the current working
    // folder, not wherever Qt's own memory of visited folders points.
    dialog.setDirectory(QDir::currentPath());
    dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtSoundPlayer::QtSoundPlayer()
{
    m_player.setAudioOutput(&m_output);
}

void QtSoundPlayer::open(const QString &path)
{
    if (QFileInfo::exists(path))
        m_player.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtSoundPlayer::play()
{
    if (!m_player.source().isEmpty())
        m_player.play();
}

void QtSoundPlayer::pause()
{
    m_player.pause();
}

void QtSoundPlayer::close()
{
    m_player.stop();
    m_player.setSource(QUrl());
}

bool QtPlatform::installItalianTranslations(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool QtPlatform::installItalianLocale(QCoreApplication &application)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return installItalianTranslations(application);
}

void QtPlatform::showMessage(MessageIcon icon, const QString &title, const QString &text)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool QtPlatform::askYesNo(MessageIcon icon, const QString &title, const QString &text,
                          bool defaultYes)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtPlatform::askChoice(MessageIcon icon, const QString &title, const QString &text,
                          const QStringList &buttons, int defaultButton)
{
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton *> pushButtons;
    for (const QString &caption : buttons)
        pushButtons << box.addButton(caption, QMessageBox::ActionRole);
    if (pushButtons.isEmpty())
        return -1;
    if (defaultButton >= 0 && defaultButton < pushButtons.size())
        box.setDefaultButton(pushButtons.at(defaultButton));
    box.setEscapeButton(pushButtons.constLast());
    box.exec();
    const int chosen = pushButtons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return chosen >= 0 ? chosen : int(pushButtons.size()) - 1;
}

std::optional<unsigned int> QtPlatform::chooseColour(unsigned int initial)
{
    const QColor colour = QColorDialog::getColor(QColor::fromRgb(initial),
                                                 QApplication::activeWindow());
    if (!colour.isValid())
        return std::nullopt;
    return colour.rgb() & 0xFFFFFFu;
}

bool QtPlatform::openDocument(const QString &path)
{
    return hasApplicationFor(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString QtPlatform::preference(const QString &key, const QString &fallback) const
{
    return userSettings()->value(key, fallback).toString();
}

void QtPlatform::setPreference(const QString &key, const QString &value)
{
    userSettings()->setValue(key, value);
}

bool QtPlatform::hasApplicationFor(const QString &path)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return true; // a type the desktop does not know cannot be asked about
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), type.name()});
    constexpr int QueryTimeout = 10000; // milliseconds
    if (!process.waitForFinished(QueryTimeout)) {
        process.kill();
        process.waitForFinished();
        return true; // the desktop did not answer: let the open request decide
    }
    // Exit code 3: xdg-mime lacks the tool this desktop needs to be asked.
    constexpr int ToolMissing = 3;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() == ToolMissing)
        return true;
    return !process.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(path);
    return true;
#endif
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
}

QString QtPlatform::askOpenFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

QString QtPlatform::askSaveFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptSave);
}

} // namespace veltra
