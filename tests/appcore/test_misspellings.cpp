// The built-in misspelling list: its size, the share of each confusion, the
// rows the check relies on, and agreement with the UTF-8 list it is made from.
#include "appcore/misspellings.h"
#include "base/cp1250.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <gtest/gtest.h>

namespace {
// The confusion of a pair, judged at the first place where the sides differ
// (case ignored).
QString Kind(const QString& misspelling, const QString& correction) {
    const QString m = misspelling.toLower(), c = correction.toLower();
    if (m == c) return m.isEmpty() ? "empty" : "equal";
    qsizetype i = 0;
    while (i < m.size() && i < c.size() && m[i] == c[i])
        ++i;
    const QStringView cm = QStringView(m).mid(i), cc = QStringView(c).mid(i);
    if (cc.startsWith(u"u") && cm.startsWith(u"ó")) return "u>ó";
    if (cc.startsWith(u"ó") && cm.startsWith(u"u")) return "ó>u";
    if (cc.startsWith(u"rz") && cm.startsWith(u"ż")) return "rz>ż";
    if (cc.startsWith(u"ż") && cm.startsWith(u"rz")) return "ż>rz";
    if (cc.startsWith(u"ch") && cm.startsWith(u"h")) return "ch>h";
    if (cc.startsWith(u"h") && cm.startsWith(u"ch")) return "h>ch";
    return "other";
}

class MisspellingList : public ::testing::Test {
protected:
    const QStringList wrong = Misspellings();
    const QStringList right = Corrections();
};
} // namespace

TEST_F(MisspellingList, HoldsTheConfusionsInTheirProportions) {
    ASSERT_EQ(MisspellingCount(), 5265u);
    ASSERT_EQ(wrong.size(), 5265);
    ASSERT_EQ(right.size(), 5265);
    QMap<QString, int> kinds;
    for (int i = 0; i < wrong.size(); ++i)
        ++kinds[Kind(wrong[i], right[i])];
    const QMap<QString, int> expected = {{"u>ó", 2163}, {"ó>u", 452},  {"rz>ż", 875},
                                         {"ż>rz", 634}, {"ch>h", 702}, {"h>ch", 380},
                                         {"other", 34}, {"equal", 24}, {"empty", 1}};
    EXPECT_EQ(kinds, expected);
}

TEST_F(MisspellingList, TellingRowsStandAtTheirPlaces) {
    const struct {
        int index;
        const char* wrong;
        const char* right;
    } rows[] = {
        {0, "abażór", "abażur"},  {1, "abarzur", "abażur"},     {2, "abarzór", "abażur"},
        {245, "Bahor", "Bachor"}, {939, "hrystus", "Chrystus"}, {1473, "fabularnie", "fabularnie"},
        {2731, "lud", "lód"},     {2746, "lód", "lud"},         {2805, "łah", "łach"},
        {4380, "", ""},           {5264, "świerzo", "świeżo"}};
    for (const auto& r : rows) {
        EXPECT_EQ(wrong[r.index], QString::fromUtf8(r.wrong)) << r.index;
        EXPECT_EQ(right[r.index], QString::fromUtf8(r.right)) << r.index;
    }
}

TEST_F(MisspellingList, WordsAreShortSingleAndAlmostAllSmall) {
    int capitals = 0, initialDiacritic = 0;
    const QString diacritics = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    for (int i = 0; i < wrong.size(); ++i) {
        for (const QString& w : {wrong[i], right[i]}) {
            EXPECT_LE(w.size(), 20) << i;
            EXPECT_FALSE(w.contains(' ') || w.contains('\t')) << i;
            // Each word survives the trip to Windows-1250 and back.
            bool ok = false;
            EXPECT_EQ(cp1250::Decode(cp1250::Encode(w, &ok)), w) << i;
            EXPECT_TRUE(ok) << i;
        }
        capitals += wrong[i] != wrong[i].toLower();
        initialDiacritic += !wrong[i].isEmpty() && diacritics.contains(wrong[i][0]);
    }
    EXPECT_EQ(capitals, 2); // "Bahor" and one more
    EXPECT_EQ(initialDiacritic, 205);
}

TEST_F(MisspellingList, ThirtyEightMisspellingsOccurTwice) {
    QHash<QString, int> seen;
    for (const QString& w : wrong)
        ++seen[w];
    int repeated = 0;
    for (int n : seen)
        repeated += n > 1;
    EXPECT_EQ(repeated, 38);
}

TEST_F(MisspellingList, MainRunIsSortedByCorrection) {
    // Grouped by the correct word: a correction, once left, never comes back
    // within the main run (before the empty pair).
    QHash<QString, int> lastSeen;
    for (int i = 0; i < 4380; ++i) {
        auto it = lastSeen.find(right[i]);
        if (it != lastSeen.end()) EXPECT_EQ(*it, i - 1) << i << " " << right[i].toStdString();
        lastSeen[right[i]] = i;
    }
}

TEST_F(MisspellingList, AgreesWithItsUtf8Source) {
    const QString path = QStringLiteral(VORBIX_SOURCE_DIR "/data/misspellings.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    ASSERT_EQ(lines.size(), 5266); // the last line ends with its line feed
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 5265; ++i)
        ASSERT_EQ(lines[i], wrong[i] + '\t' + right[i]) << i;
}
