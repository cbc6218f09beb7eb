#pragma once

#include "core/meeting/decreefile.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QTableWidget;

namespace veltra {

class Platform;

// "Decreti del giudice": the court decrees appointing or revoking the administrator, one a
// row, which the register of appointments and revocations lists beside the resolutions.
// "Aggiungi" and "Elimina" add and remove a row; "Salva" checks every row and writes the file
// of decrees whole; closing with unsaved rows asks whether to save them.
class DecretiWindow : public QWidget
{
    Q_OBJECT

public:
    DecretiWindow(Platform &platform, QWidget *parent = nullptr);

    // "Decreti del giudice": the window's title and that of its messages.
    static QString title();

    // Shows the decrees of the file at path (none when there is no file yet), the
    // condominium's; false, after telling the user, when the file cannot be read whole or is
    // another condominium's: it is then neither shown nor ever written over.
    bool open(const QString &path, const QString &condoName);
    QString path() const { return m_path; }

    void addDecree();
    // Removes the row selected.
    void removeDecree();
    // Checks and writes what is typed; false, after telling the user why, when it is not.
    bool save();
    // The rows differ from the file as last read or written.
    bool hasUnsavedChanges() const;
    // Shows the file's decrees again, giving up what was typed since.
    void revert();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showRows(const QList<QStringList> &rows);
    void appendRow(const QStringList &texts);
    QList<QStringList> typedRows() const;
    // The decrees of the rows; nothing, after telling the user which row is wrong.
    std::optional<QList<CourtDecree>> typedDecrees();
    void tellUser(const QString &text);

    Platform &m_platform;
    QTableWidget *m_table = nullptr;
    QString m_path;
    QString m_condoName;
    QList<QStringList> m_savedRows; // the rows as the file holds them
};

} // namespace veltra
