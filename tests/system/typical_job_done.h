// What a desktop's harshness must not change: the typical job recorded whole, the list emptied,
// and no key typed where no program expected it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rehearsal/standins/mini_disc.h"
#include "support/sim_session.h"

namespace velutreck {

inline void ExpectTheWholeJobDone(const SimSession& session) {
    using Lines = std::vector<std::string>;
    const MiniDisc& disc = session.desktop->Disc();
    EXPECT_EQ(SourcesOn(disc), (Lines{typical_job::A, typical_job::B, typical_job::C}));
    ASSERT_EQ(disc.groups.size(), 2u);
    EXPECT_EQ(RowTitles(disc), (Lines{"A", "A", "B", "C", "C"}));
    EXPECT_TRUE(session.ListEntries().empty());
    EXPECT_FALSE(TranscriptHas(session, "stray key"));
}

}  // namespace velutreck
