#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// What the administrator writes in the note that explains the year's management: how the
// accounts were kept, what happened, the contracts in force and the questions still open.
// What the program knows by itself (items over budget, owners in arrears) is not stored
// here: it is computed afresh from the figures whenever the note is shown or printed.
struct ExplanatoryNote
{
    struct Contract
    {
        QString subject;      // "manutenzione dell'ascensore", "assicurazione globale fabbricati"
        QString counterpart;
        QDate expiry;         // null when open-ended
        QString note;
    };

    struct PendingQuestion
    {
        QString subject;      // a lawsuit, a dispute, an action against an owner
        QString parties;
        QString stage;        // "decreto ingiuntivo notificato il ...", "in attesa di udienza"
    };

    QStringList criterion;    // paragraphs
    QStringList facts;        // paragraphs
    QList<Contract> contracts;
    QList<PendingQuestion> questions;

    // The accounting criterion the note states when the administrator writes none.
    static QStringList defaultCriterion();
};

} // namespace veltra
