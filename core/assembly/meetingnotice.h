#pragma once

#include <QString>

#include <array>
#include <optional>

namespace veltra {

// The meeting notice the notice window prepares: its twelve texts and the agenda of up to
// twenty points. An agenda point remembers whether the user ever typed it, because the
// archive writes a point never typed as an empty field and a point typed and then emptied
// as an empty text.
class MeetingNotice
{
public:
    static constexpr int AgendaPoints = 20;

    // The texts a new notice starts with.
    static QString defaultOpeningText();
    static QString defaultAgendaHeading();

    QString subject;
    QString number;
    QString openingText = defaultOpeningText();
    QString firstCallDate;
    QString firstCallHour;
    QString firstCallPlace;
    QString secondCallDate;
    QString secondCallHour;
    QString secondCallPlace;
    QString agendaHeading = defaultAgendaHeading();
    QString noticeDate;
    QString notes;

    // Point j (1 to 20) as typed; empty when never typed or emptied, and outside 1..20.
    QString agendaPoint(int j) const;
    // Whether point j was ever typed (an emptied point was).
    bool agendaPointTyped(int j) const;
    // Stores what the user typed into point j; nothing happens outside 1..20.
    void setAgendaPoint(int j, const QString &text);
    // Point j as never typed.
    void forgetAgendaPoint(int j);
    // The points the printout lists: 1, 2, … up to the first empty one.
    int printedPoints() const;
    // The highest point that holds a text; 0 when none does.
    int lastFilledPoint() const;

    // Empties every text, the opening text and the agenda heading included, and forgets
    // every agenda point.
    void clear();

private:
    std::array<std::optional<QString>, AgendaPoints + 1> m_agenda; // element 0 unused
};

} // namespace veltra
