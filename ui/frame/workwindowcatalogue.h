#pragma once

#include <QList>
#include <QString>

namespace veltra {

constexpr int WorkWindowCount = 12;

// What the frame knows of each of the work windows, numbered from 1 in the order of the
// "&Visualizza" menu; the first nine are also toolbar buttons 5 to 13.
struct WorkWindowInfo
{
    QString name;          // object name: dati, spese, …
    QString viewEntry;     // "&Visualizza" entry
    QString caption;       // window title
    QString menuTitle;     // the command at the right end of the menu bar
    QString helpWindow;    // the window's own help window
    QString selfName;      // name in the self-entry question
    QString archivePrefix; // file prefix of "&Elimina...", empty where it is not offered
    QList<int> disabledButtons;
    bool plainCaptions;    // menu captions without access keys
    bool misspeltViewTips; // tooltips of buttons 12 and 13 as those windows have them
};

const WorkWindowInfo &workWindowInfo(int k);

} // namespace veltra
