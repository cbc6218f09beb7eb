#include "core/meeting/entitledowners.h"
#include "core/meeting/meeting.h"
#include "core/meeting/meetingtally.h"
#include "core/meeting/proxycheck.h"
#include "core/state/sharedstate.h"

#include <QtTest>

using namespace veltra;

Q_DECLARE_METATYPE(MajorityRule)

namespace {

// Owners 1, 2, … with the given millesimi ("275", "66,667").
void fillOwners(SharedState &state, const QStringList &millesimi)
{
    for (int i = 0; i < millesimi.size(); ++i) {
        state.owner(i + 1).ownerName = QStringLiteral("Condomino %1").arg(i + 1);
        state.owner(i + 1).ownerMillesimi = Cell::fromText(millesimi.at(i));
    }
    state.ownerCount = int(millesimi.size());
}

QStringList repeated(const QString &millesimi, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << millesimi;
    return list;
}

// Ten owners: 275, 125 and eight of 75 millesimi, 1000 in all.
QStringList tenOwners()
{
    return QStringList{QStringLiteral("275"), QStringLiteral("125")} + repeated(QStringLiteral("75"), 8);
}

void attend(Meeting &meeting, const QList<int> &owners)
{
    for (int owner : owners)
        meeting.attendance(owner).presence = Presence::Present;
}

CallThreshold threshold(Share heads, CallThreshold::HeadsBase base, Share value)
{
    return CallThreshold{heads, base, value, QStringLiteral("regola")};
}

MajorityRule everyCall(const CallThreshold &callThreshold)
{
    MajorityRule rule;
    rule.calls = {callThreshold, callThreshold};
    return rule;
}

const auto Attendees = CallThreshold::HeadsBase::Attendees;
const auto Participants = CallThreshold::HeadsBase::Participants;
const Share MoreThanHalf{1, 2, true};

MajorityRule ordinary() // art. 1136 c. 2 in the first call, c. 3 in the second
{
    MajorityRule rule;
    rule.calls = {threshold(MoreThanHalf, Attendees, {1, 2}), threshold(MoreThanHalf, Attendees, {1, 3})};
    return rule;
}

MajorityRule ofKind(MajorityRule::Kind kind)
{
    MajorityRule rule;
    rule.kind = kind;
    rule.rule = QStringLiteral("regola");
    return rule;
}

using Owners = QList<int>;

} // namespace

// The live figures of a meeting, against figures computed by hand.
class TestMeetingTally : public QObject
{
    Q_OBJECT

private slots:
    void entitledOwnersAreWrittenAndReadAsRuns();
    void quorumNeedsHeadsAndValueOfTheCallHeld_data();
    void quorumNeedsHeadsAndValueOfTheCallHeld();
    void arrivalsAndDeparturesCountFromTheirPoint();
    void pointIsApprovedOnlyWhenHeadsAndValueReachTheRule_data();
    void pointIsApprovedOnlyWhenHeadsAndValueReachTheRule();
    void onlyTheOwnersBearingTheExpenseVote();
    void proxyLimitsApplyAboveTwentyOwners_data();
    void proxyLimitsApplyAboveTwentyOwners();
};

void TestMeetingTally::quorumNeedsHeadsAndValueOfTheCallHeld_data()
{
    QTest::addColumn<QStringList>("millesimi");
    QTest::addColumn<int>("call");
    QTest::addColumn<Owners>("present");
    QTest::addColumn<int>("requiredHeads");
    QTest::addColumn<qint64>("requiredThousandths");
    QTest::addColumn<bool>("constituted");

    // First call: more than 5 of 10 heads and at least 666,667 of 1000 millesimi.
    QTest::newRow("1st: 6 heads, 700") << tenOwners() << 1 << Owners{1, 2, 3, 4, 5, 6} << 6 << qint64(666667) << true;
    QTest::newRow("1st: 5 heads, 625") << tenOwners() << 1 << Owners{1, 2, 3, 4, 5} << 6 << qint64(666667) << false;
    QTest::newRow("1st: 8 heads, 600") << tenOwners() << 1 << Owners{3, 4, 5, 6, 7, 8, 9, 10} << 6 << qint64(666667) << false;
    const QStringList twoThirds{QStringLiteral("666,667"), QStringLiteral("333,333"), QStringLiteral("0")};
    const QStringList aThousandthShort{QStringLiteral("666,666"), QStringLiteral("333,334"), QStringLiteral("0")};
    QTest::newRow("1st: 666,667 of 1000") << twoThirds << 1 << Owners{1, 3} << 2 << qint64(666667) << true;
    QTest::newRow("1st: 666,666 of 1000") << aThousandthShort << 1 << Owners{1, 3} << 2 << qint64(666667) << false;
    // Second call: at least 4 of 10 heads (a third is 3,33) and 333,334 millesimi.
    QTest::newRow("2nd: 4 heads, 500") << tenOwners() << 2 << Owners{1, 3, 4, 5} << 4 << qint64(333334) << true;
    QTest::newRow("2nd: 3 heads, 425") << tenOwners() << 2 << Owners{1, 3, 4} << 4 << qint64(333334) << false;
    QTest::newRow("2nd: 4 heads, 300") << tenOwners() << 2 << Owners{3, 4, 5, 6} << 4 << qint64(333334) << false;
    // Nine owners: a third of the heads is exactly 3.
    QTest::newRow("2nd: 3 of 9 heads") << repeated(QStringLiteral("111,111"), 9) << 2 << Owners{1, 2, 3} << 3 << qint64(333333) << true;
}

void TestMeetingTally::quorumNeedsHeadsAndValueOfTheCallHeld()
{
    QFETCH(QStringList, millesimi);
    QFETCH(int, call);
    QFETCH(Owners, present);
    QFETCH(int, requiredHeads);
    QFETCH(qint64, requiredThousandths);
    QFETCH(bool, constituted);
    SharedState state;
    fillOwners(state, millesimi);
    Meeting meeting;
    meeting.call = call;
    attend(meeting, present);
    const QuorumResult result = MeetingTally::quorum(state, meeting);
    QCOMPARE(result.attendees.heads, present.size());
    QCOMPARE(result.participants.heads, millesimi.size());
    QCOMPARE(result.requiredHeads, requiredHeads);
    QCOMPARE(result.requiredThousandths, requiredThousandths);
    QCOMPARE(result.constituted, constituted);
}

void TestMeetingTally::arrivalsAndDeparturesCountFromTheirPoint()
{
    SharedState state;
    fillOwners(state, tenOwners());
    Meeting meeting;
    meeting.points.resize(3);
    attend(meeting, {2, 3, 4, 5, 6, 7});
    // Owner 1 (275) arrives for point 2 and owner 2 (125) leaves before point 3.
    meeting.movements << Movement{1, QTime(18, 40), 2, Attendance{Presence::Present, {}, false}}
                      << Movement{2, QTime(19, 10), 3, Attendance{}};
    QCOMPARE(MeetingTally::quorum(state, meeting, 1).attendees.thousandths, qint64(500000));
    QVERIFY(!MeetingTally::quorum(state, meeting, 1).constituted);
    QCOMPARE(MeetingTally::quorum(state, meeting, 2).attendees.thousandths, qint64(775000));
    QVERIFY(MeetingTally::quorum(state, meeting, 2).constituted);
    QCOMPARE(MeetingTally::quorum(state, meeting, 3).attendees.heads, 6);
    QCOMPARE(MeetingTally::quorum(state, meeting, 3).attendees.thousandths, qint64(650000));
    QVERIFY(!MeetingTally::quorum(state, meeting, 3).constituted);
    QCOMPARE(MeetingTally::quorum(state, meeting, 0).attendees.heads, 6);

    // An owner who left is not counted in the point's vote, nor is a point passed once the
    // assembly falls below its quorum.
    meeting.points[2].votes.insert(2, Vote::For);
    meeting.points[2].votes.insert(1, Vote::For);
    const PointResult third = MeetingTally::pointResult(state, meeting, 3, ordinary());
    QCOMPARE(third.inFavour.heads, 1);
    QCOMPARE(third.inFavour.thousandths, qint64(275000));
    QVERIFY(!third.approved);
    QVERIFY(third.rule.startsWith(QStringLiteral("assemblea non costituita")));
}

void TestMeetingTally::pointIsApprovedOnlyWhenHeadsAndValueReachTheRule_data()
{
    QTest::addColumn<MajorityRule>("rule");
    QTest::addColumn<int>("call");
    QTest::addColumn<Owners>("present");
    QTest::addColumn<Owners>("inFavour");
    QTest::addColumn<Owners>("abstaining");
    QTest::addColumn<qint64>("favourThousandths");
    QTest::addColumn<bool>("approved");

    const Owners all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    // Ten owners present (275, 125, 8 x 75): a majority is 6 heads.
    QTest::newRow("1136 c2: 6 heads, 500") << ordinary() << 1 << all << Owners{2, 3, 4, 5, 6, 7} << Owners{} << qint64(500000) << true;
    QTest::newRow("1136 c2: 6 heads, 450") << ordinary() << 1 << all << Owners{3, 4, 5, 6, 7, 8} << Owners{} << qint64(450000) << false;
    QTest::newRow("1136 c2: 5 heads, 625") << ordinary() << 1 << all << Owners{1, 2, 3, 4, 5} << Owners{} << qint64(625000) << false;
    QTest::newRow("abstainers are attendees") << ordinary() << 1 << all << Owners{1, 2, 3, 4, 5} << Owners{6} << qint64(625000) << false;
    // Second call with owners 1, 3, 4 and 5 (500): a majority of 4 attendees is 3 heads.
    QTest::newRow("1136 c3: 3 heads, 425") << ordinary() << 2 << Owners{1, 3, 4, 5} << Owners{1, 3, 4} << Owners{} << qint64(425000) << true;
    QTest::newRow("1136 c3: 3 heads, 225") << ordinary() << 2 << Owners{1, 3, 4, 5} << Owners{3, 4, 5} << Owners{} << qint64(225000) << false;
    QTest::newRow("1136 c3: 2 heads, 350") << ordinary() << 2 << Owners{1, 3, 4, 5} << Owners{1, 3} << Owners{} << qint64(350000) << false;
    const MajorityRule fifth = everyCall(threshold(MoreThanHalf, Attendees, {2, 3}));
    QTest::newRow("1136 c5: 700") << fifth << 1 << all << Owners{1, 2, 3, 4, 5, 6} << Owners{} << qint64(700000) << true;
    QTest::newRow("1136 c5: 650") << fifth << 1 << all << Owners{1, 3, 4, 5, 6, 7} << Owners{} << qint64(650000) << false;
    const MajorityRule fourFifths = everyCall(threshold({4, 5}, Participants, {4, 5}));
    QTest::newRow("4/5: 8 heads, 850") << fourFifths << 1 << all << Owners{1, 2, 3, 4, 5, 6, 7, 8} << Owners{} << qint64(850000) << true;
    QTest::newRow("4/5: 7 heads, 775") << fourFifths << 1 << all << Owners{1, 2, 3, 4, 5, 6, 7} << Owners{} << qint64(775000) << false;
    QTest::newRow("4/5: 8 heads, 600") << fourFifths << 1 << all << Owners{3, 4, 5, 6, 7, 8, 9, 10} << Owners{} << qint64(600000) << false;
    // Six of ten owners present in the second call: a majority of the participants is 6.
    const MajorityRule headsOnly = everyCall(threshold(MoreThanHalf, Participants, {}));
    const Owners six{3, 4, 5, 6, 7, 8};
    QTest::newRow("participants: 6 of 10") << headsOnly << 2 << six << six << Owners{} << qint64(450000) << true;
    QTest::newRow("participants: 5 of 10") << headsOnly << 2 << six << Owners{3, 4, 5, 6, 7} << Owners{} << qint64(375000) << false;
    const MajorityRule unanimity = ofKind(MajorityRule::Kind::Unanimity);
    QTest::newRow("unanimity: all") << unanimity << 1 << all << all << Owners{} << qint64(1000000) << true;
    QTest::newRow("unanimity: one absent") << unanimity << 1 << Owners{1, 2, 3, 4, 5, 6, 7, 8, 9} << Owners{1, 2, 3, 4, 5, 6, 7, 8, 9} << Owners{} << qint64(925000) << false;
    QTest::newRow("no majority decides") << ofKind(MajorityRule::Kind::NotDecidable) << 1 << all << all << Owners{} << qint64(1000000) << false;
    QTest::newRow("not constituted") << ordinary() << 1 << Owners{1, 2, 3, 4, 5} << Owners{1, 2, 3, 4, 5} << Owners{} << qint64(625000) << false;
}

void TestMeetingTally::pointIsApprovedOnlyWhenHeadsAndValueReachTheRule()
{
    QFETCH(MajorityRule, rule);
    QFETCH(int, call);
    QFETCH(Owners, present);
    QFETCH(Owners, inFavour);
    QFETCH(Owners, abstaining);
    QFETCH(qint64, favourThousandths);
    QFETCH(bool, approved);
    SharedState state;
    fillOwners(state, tenOwners());
    Meeting meeting;
    meeting.call = call;
    attend(meeting, present);
    meeting.points.resize(1);
    for (int owner : present)
        meeting.points[0].votes.insert(owner, inFavour.contains(owner) ? Vote::For
                                               : abstaining.contains(owner) ? Vote::Abstained
                                                                            : Vote::Against);
    const PointResult result = MeetingTally::pointResult(state, meeting, 1, rule);
    QCOMPARE(result.inFavour.heads, inFavour.size());
    QCOMPARE(result.inFavour.thousandths, favourThousandths);
    QCOMPARE(result.abstained.heads, abstaining.size());
    QCOMPARE(result.against.heads, present.size() - inFavour.size() - abstaining.size());
    QCOMPARE(result.approved, approved);
}

void TestMeetingTally::onlyTheOwnersBearingTheExpenseVote()
{
    SharedState state;
    fillOwners(state, tenOwners());
    Meeting meeting;
    attend(meeting, {1, 2, 3, 4, 5, 6, 7});
    meeting.points.resize(1);
    // The expense concerns owners 2, 3 and 4 only (275 millesimi): 2 heads and 150 pass it,
    // though they are far from half of the building.
    meeting.points[0].entitled = {2, 3, 4};
    meeting.points[0].votes = {{2, Vote::Against}, {3, Vote::For}, {4, Vote::For}, {1, Vote::For}};
    const PointResult result = MeetingTally::pointResult(state, meeting, 1, ordinary());
    QCOMPARE(result.participants.heads, 3);
    QCOMPARE(result.participants.thousandths, qint64(275000));
    QCOMPARE(result.inFavour.heads, 2);
    QCOMPARE(result.inFavour.thousandths, qint64(150000));
    QCOMPARE(result.requiredThousandths, qint64(137500));
    QCOMPARE(result.requiredHeads, 2);
    QVERIFY(result.approved);
}

void TestMeetingTally::proxyLimitsApplyAboveTwentyOwners_data()
{
    QTest::addColumn<QStringList>("millesimi");
    QTest::addColumn<Owners>("delegated");
    QTest::addColumn<QString>("delegate");
    QTest::addColumn<int>("findings");

    const QString carla = QStringLiteral("Bianchi Carla");
    QTest::newRow("20 owners: no limit") << repeated(QStringLiteral("50"), 20) << Owners{1, 2, 3, 4, 5, 6} << carla << 0;
    QTest::newRow("21 owners: 4 heads") << repeated(QStringLiteral("50"), 21) << Owners{1, 2, 3, 4} << carla << 0;
    QTest::newRow("21 owners: 5 heads") << repeated(QStringLiteral("50"), 21) << Owners{1, 2, 3, 4, 5} << carla << 1;
    // 21 owners, 1250 millesimi in all: one fifth of the value is 250.
    const QStringList oneLarge = QStringList{QStringLiteral("250")} + repeated(QStringLiteral("50"), 20);
    const QStringList oneLarger = QStringList{QStringLiteral("250,001")} + repeated(QStringLiteral("50"), 20);
    QTest::newRow("21 owners: a fifth of the value") << oneLarge << Owners{1} << carla << 0;
    QTest::newRow("21 owners: above a fifth of the value") << oneLarger << Owners{1} << carla << 1;
    QTest::newRow("administrator, few owners") << repeated(QStringLiteral("100"), 3) << Owners{1} << QStringLiteral("  rossi   MARIO ") << 1;
}

void TestMeetingTally::proxyLimitsApplyAboveTwentyOwners()
{
    QFETCH(QStringList, millesimi);
    QFETCH(Owners, delegated);
    QFETCH(QString, delegate);
    QFETCH(int, findings);
    SharedState state;
    fillOwners(state, millesimi);
    Meeting meeting;
    meeting.administratorName = QStringLiteral("Rossi Mario");
    for (int owner : delegated)
        meeting.attendance(owner) = Attendance{Presence::Delegated, delegate, true};
    const QList<ProxyCheck::Finding> found = ProxyCheck::check(state, meeting);
    QCOMPARE(found.size(), findings);
    if (findings > 0)
        QCOMPARE(found.first().owners, delegated);
}

void TestMeetingTally::entitledOwnersAreWrittenAndReadAsRuns()
{
    QCOMPARE(EntitledOwners::text({1, 2, 3, 4, 7}), QStringLiteral("1-4, 7"));
    QCOMPARE(EntitledOwners::text({1, 2, 9}), QStringLiteral("1, 2, 9"));
    QCOMPARE(EntitledOwners::text({}), QString());
    SharedState state;
    for (int i = 1; i <= 7; ++i)
        state.owner(i).ownerName = QStringLiteral("Condomino %1").arg(i);
    QCOMPARE(EntitledOwners::read(QStringLiteral(" 7, 1-2, 2 "), state), (std::optional<QList<int>>{{1, 2, 7}}));
    QCOMPARE(EntitledOwners::read(QString(), state), (std::optional<QList<int>>{QList<int>()}));
    for (const char *wrong : {"3-1", "x", "1-2-3", "8", "0"})
        QVERIFY2(!EntitledOwners::read(QString::fromLatin1(wrong), state), wrong);
}

QTEST_GUILESS_MAIN(TestMeetingTally)
#include "tst_meetingtally.moc"
