#pragma once

#include "ui/frame/workwindowcatalogue.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace veltra {

class EditHistory;
struct FileDialogRequest;
class Platform;
class PrintClearance;
struct RowSnapshot;
class ProportionalResizer;
class ReportDocument;
class SharedState;
class Shell;

// The frame common to the work windows: menu bar with the window's title command at
// its right end, the toolbar of twenty buttons, window switching, background colour,
// "&Elimina...", the step-hint label `passo` and the buttons on the window's face. Each
// window puts its own controls on form() and overrides the commands it supports; the
// others do nothing and their toolbar buttons are disabled.
class WorkWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Design size of the form, in design pixels (Twips::PerDesignPixel); the forms place
    // their controls in these units and the resizer scales them to the window.
    static constexpr int FormWidth = 640;
    static constexpr int FormHeight = 410;
    // The step hint `passo` on the bottom row has room for two lines, so that a long hint
    // wraps instead of being cut.
    static constexpr int StepHintTop = FormHeight - 36;
    static constexpr int StepHintHeight = 34;

    WorkWindow(Shell &shell, int number, QWidget *parent = nullptr);
    ~WorkWindow() override;

    int number() const { return m_number; }
    const WorkWindowInfo &info() const;
    // The area the window's controls live on; the resizer scales what is on it.
    QWidget *form() const { return m_form; }
    QLabel *passo() const { return m_passo; }
    QToolBar *toolBar() const { return m_toolBar; }
    QMenu *fileMenu() const { return m_fileMenu; }

    // The load sequence: proportional sizing, the window's fixed size, its own initialisation.
    void load();

    void setStepHint(const QString &text);
    unsigned int backgroundRgb() const;
    void setBackgroundRgb(unsigned int rgb);

    // Commands of the frame that each window's contents implement.
    virtual void openArchive() {}
    virtual void saveArchive() {}
    virtual void saveArchiveAs() {}
    virtual void printMain() {}
    virtual void checkData() {}
    virtual void clearWindow() {}
    virtual void showInstructions() {}
    // Runs before this window opens another work window.
    virtual void handOver() {}

    // The history of the window's edits; nullptr in the windows whose data are fixed.
    EditHistory *editHistory() const { return m_history; }
    // Whether the window's data changed since opened or saved: by its history, or as a
    // window without one tells.
    virtual bool hasUnsavedChanges() const;
    // Before the window's data are given up: when they changed since opened or saved, asks
    // whether to save them. False when the user keeps them (Annulla, or a save that did not
    // go through), and the command that asked must stop.
    bool settleUnsavedChanges();
    // "C&ancella dati finestra" as the user gives it: unsaved changes of the data it empties
    // are settled first, and the emptied windows' histories start again.
    void clearWindowCommand();

    // A data window's data as its history keeps them: a header of single texts and
    // numbered rows of texts (owners, items, agenda points).
    virtual QStringList editHeader() const { return {}; }
    virtual int editRowCount() const { return 0; }
    virtual QStringList editRow(int) const { return {}; }
    // Whether row n holds what row says; a window may answer without building the row.
    virtual bool editRowIs(int n, const QStringList &row) const { return editRow(n) == row; }
    // Their putting back: the rows that differ between to and from are written into the
    // state, the fields show them, and what an edit recomputes is recomputed.
    virtual void restoreEdits(const RowSnapshot &to, const RowSnapshot &from);

    void chooseBackgroundColour();
    void deleteArchiveFile();

protected:
    // The window's own initialisation, last step of the load sequence.
    virtual void initialise() {}
    // A data window keeps the history of its edits, with "&Annulla" and "&Ripeti" in the
    // "&Modifica" menu and the title marked while its data have unsaved changes.
    void keepEditHistory();
    // The other work windows (numbers) whose data this window's clearing empties too.
    virtual QList<int> windowsClearedAlong() const { return {}; }
    // Turns "S&tampa" into a submenu and adds an entry to it.
    QAction *addPrintEntry(const QString &caption);
    // Whether a print may go on after its window's check: an error is shown and refuses it,
    // a warning asks whether to print anyway (No the default).
    bool clearedForPrinting(const PrintClearance &clearance);
    // The save dialog of the window's archive, proposing the archive's own file name, or
    // for a new archive (archivePath empty) the prefix and the condominium's name. A new
    // name typed without the prefix gets it, and the user is told, or asked when a file of
    // that name exists. Empty when the user cancels.
    QString chooseArchiveSaveName(FileDialogRequest request, const QString &archivePath);
    // Hands a printout to the word processor and shows in `passo` how the hand-over ended,
    // with closingStatus as the hint when it went well.
    void handOverDocument(const ReportDocument &document, const QString &closingStatus);

    Shell &shell() const { return m_shell; }
    SharedState &state() const;
    Platform &platform() const;

    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildFaceButtons();
    QPushButton *faceButton(const QString &name, const QString &caption, const QString &tip);

    Shell &m_shell;
    const int m_number;
    QWidget *m_form;
    QLabel *m_passo;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    EditHistory *m_history = nullptr;
    QAction *m_printAction = nullptr;
    QMenu *m_printMenu = nullptr;
    unsigned int m_lastChosenColour = 0;
    std::unique_ptr<ProportionalResizer> m_resizer;
};

} // namespace veltra
