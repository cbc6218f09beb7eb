#pragma once

#include "library/rulings/rulinglibrary.h"
#include "ui/frame/workwindow.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollBar;

namespace veltra {

class ReportDocument;

// The rulings window `sentenze`: the 36 topics, the rulings of the chosen one leafed
// through one at a time with a horizontal scroll bar (one step past the last shows the
// end-of-topic line), and the print of the ruling shown or of it and every later one.
class SentenzeWindow : public WorkWindow
{
    Q_OBJECT

public:
    static QString endOfTopicLine();

    explicit SentenzeWindow(Shell &shell, QWidget *parent = nullptr);

    const RulingLibrary &library() const { return m_library; }
    int chosenTopic() const { return m_chosenTopic; }
    int shownRuling() const { return m_shownRuling; }
    int topicCount() const { return m_topicCount; }

    // Chooses topic t (1 to 36) as a click on its list line does.
    void chooseTopic(int t);
    // Moves the scroll bar to n, as the user does.
    void leafTo(int n);

    // The document of the print command: the ruling shown or, with printAll, it and every
    // later one of the topic, after which the window shows the end-of-topic line.
    ReportDocument printout(bool printAll);

    void printMain() override;
    void printShownRuling();
    void printAllFromShown();
    void showInstructions() override;

protected:
    void initialise() override;

private:
    void buildControls();
    void topicClicked(int row);
    void showRuling(int value);
    void print(bool printAll);

    RulingLibrary m_library;
    int m_chosenTopic = 0;
    int m_shownRuling = 0;
    int m_topicCount = 0;
    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_ruling = nullptr;
    QScrollBar *m_scroll = nullptr;
    QLabel *m_number = nullptr;
    QLabel *m_topicTitle = nullptr;
    QLabel *m_total = nullptr;
};

} // namespace veltra
