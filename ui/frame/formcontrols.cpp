#include "ui/frame/formcontrols.h"

#include <QAction>
#include <QLabel>

namespace veltra::FormControls {

QString indexed(const QString &name, int index)
{
    return name + QLatin1Char('_') + QString::number(index);
}

QLabel *heading(QWidget *parent, const QList<Caption> &captions, const char *name,
                const QRect &rect)
{
    for (const Caption &caption : captions) {
        if (qstrcmp(caption.name, name) != 0)
            continue;
        auto *label = new QLabel(QString::fromUtf8(caption.text), parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setToolTip(QString::fromUtf8(caption.toolTip));
        label->setWordWrap(true);
        label->setGeometry(rect);
        return label;
    }
    return nullptr;
}

void disableEntries(QWidget *window, const QStringList &names)
{
    for (const QString &name : names) {
        if (auto *action = window->findChild<QAction *>(name))
            action->setEnabled(false);
    }
}

} // namespace veltra::FormControls
