// The measuring session on the generated database: every answer-key spot well inside the disc is
// recorded once, under its identifier, at the key's heliographic position.
#include "analysis/E2EMeasure.h"
#include "common/ScriptedUiPrompt.h"
#include "measure/MeasData.h"

#include <gtest/gtest.h>

namespace solar::test {

TEST(E2EMeasure, RecordsEverySpotOfTheKeyAtItsPosition) {
    const std::string folder = sampleImageFolder();
    const std::vector<KeySpot> key = readAnswerKey(folder);
    if (key.empty())
        GTEST_SKIP() << "no generated images in " << folder;
    ScriptedUiPrompt ui;
    E2EMeasurer m(UnitHeliographic);
    std::vector<std::string> failures;
    const int n = m.measureAll(key, folder, 0.4, &failures);
    EXPECT_TRUE(failures.empty()) << failures.front();
    std::size_t expected = 0;
    for (const KeySpot &s : key)
        expected += s.mu >= 0.4;
    ASSERT_EQ(std::size_t(n), expected);
    ASSERT_EQ(m.list().Count(), expected);
    // Each record lies at its key line's latitude and longitude (0.4 degrees: the centroid sits
    // within a pixel of the spot's centre at mu 0.4).
    for (const MeasRec &r : m.list().records()) {
        const KeySpot *k = nullptr;
        for (const KeySpot &s : key)
            if (s.id == r.ID.str() && std::abs(s.moment - r.Time) < 1e-6)
                k = &s;
        ASSERT_NE(k, nullptr) << r.ID.str() << " " << r.Time;
        EXPECT_EQ(r.Unit, UnitHeliographic);
        EXPECT_NEAR(double(r.Lat * MeasRadToDeg), k->lat, 0.4) << k->file << " " << k->id;
        EXPECT_NEAR(double(r.Long * MeasRadToDeg), k->lon, 0.4) << k->file << " " << k->id;
    }
}

} // namespace solar::test
