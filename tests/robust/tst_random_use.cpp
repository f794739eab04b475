// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_session.h"
#include "user_action.h"

#include <QElapsedTimer>
#include <QTest>

#include <map>

// Random user actions on the real window, each followed by a comparison with a reference
// model. A run is fixed by its seed. TAGWRIGHT_SEED and TAGWRIGHT_ACTIONS choose one run
// instead of the fixed ones (`make soak`).
class TestRandomUse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowAgreesWithModel_data();
    void windowAgreesWithModel();
};

namespace {

constexpr int defaultActions = 5000;
constexpr qint64 reductionMilliseconds = 120'000;

// Leaves out runs of actions as long as what is left still fails, halving the run length;
// a plain search for a short list that reproduces a failure.
std::vector<UserAction> reduced(std::vector<UserAction> failing, QString *difference)
{
    QElapsedTimer clock;
    clock.start();
    for (std::size_t chunk = failing.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < failing.size();) {
            if (clock.elapsed() > reductionMilliseconds)
                return failing;
            std::vector<UserAction> candidate(failing.begin(), failing.begin() + start);
            candidate.insert(candidate.end(),
                             failing.begin() + std::min(start + chunk, failing.size()),
                             failing.end());
            QString candidateDifference;
            const qsizetype at = firstMismatch(candidate, &candidateDifference);
            if (at >= 0) {
                candidate.resize(at + 1);
                failing = std::move(candidate);
                *difference = candidateDifference;
            } else {
                start += chunk;
            }
        }
    }
    return failing;
}

QString listed(const std::vector<UserAction> &actions)
{
    QString list;
    for (std::size_t i = 0; i < actions.size(); ++i)
        list += QStringLiteral("  %1. %2\n").arg(i + 1).arg(actions[i].describe());
    return list;
}

QtMessageHandler testLibraryHandler = nullptr;

// The offscreen platform notes for every error box that it cannot pass on size hints; in
// a long run that buries the run's own report, so the note is left out.
void withoutSizeHintNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(u"does not support propagateSizeHints"))
        testLibraryHandler(type, context, message);
}

} // namespace

void TestRandomUse::initTestCase()
{
    testLibraryHandler = qInstallMessageHandler(withoutSizeHintNotes);
}

void TestRandomUse::windowAgreesWithModel_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("count");

    bool seedGiven = false;
    const quint32 seed = qEnvironmentVariable("TAGWRIGHT_SEED").toUInt(&seedGiven);
    if (seedGiven) {
        const int count = qEnvironmentVariableIntValue("TAGWRIGHT_ACTIONS");
        QTest::addRow("seed %u", seed) << seed << (count > 0 ? count : defaultActions);
        return;
    }
    for (const quint32 fixedSeed : {1u, 2u, 3u, 20261208u})
        QTest::addRow("seed %u", fixedSeed) << fixedSeed << defaultActions;
}

void TestRandomUse::windowAgreesWithModel()
{
    QFETCH(quint32, seed);
    QFETCH(int, count);

    const std::vector<UserAction> actions = randomActions(seed, count);
    QString difference;
    const qsizetype at = firstMismatch(actions, &difference);
    if (at < 0) {
        std::map<UserAction::Kind, int> kinds;
        for (const UserAction &action : actions)
            ++kinds[action.kind];
        qInfo("seed %u: %d actions, the window agreed with the model after each: %d clicks, "
              "%d typed, %d composed, %d pasted, %d caret keys, %d clicks into boxes, %d saves "
              "compared byte for byte, %d cancelled, %d failing",
              seed, count, kinds[UserAction::ClickButton], kinds[UserAction::Type],
              kinds[UserAction::Compose], kinds[UserAction::Paste], kinds[UserAction::CaretKey],
              kinds[UserAction::ClickIntoBox], kinds[UserAction::SaveAs],
              kinds[UserAction::SaveCancelled],
              kinds[UserAction::SaveOntoFolder] + kinds[UserAction::SaveIntoMissingFolder]);
        return;
    }

    const std::vector<UserAction> prefix(actions.begin(), actions.begin() + at + 1);
    QString report = QStringLiteral("seed %1: after action %2 of %3 (%4): %5\n")
                             .arg(seed)
                             .arg(at + 1)
                             .arg(count)
                             .arg(actions[at].describe(), difference);
    report += QStringLiteral("The shortest failing prefix is the first %1 actions of seed %2.\n")
                      .arg(at + 1)
                      .arg(seed);
    if (prefix.size() <= 40)
        report += listed(prefix);
    QString reducedDifference = difference;
    const std::vector<UserAction> fewest = reduced(prefix, &reducedDifference);
    report += QStringLiteral("These %1 actions alone also fail (%2):\n%3")
                      .arg(fewest.size())
                      .arg(reducedDifference, listed(fewest));
    QFAIL(qPrintable(report));
}

QTEST_MAIN(TestRandomUse)
#include "tst_random_use.moc"
