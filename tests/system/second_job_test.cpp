// A second job in the same session, long after the first: its log record and its taskbar button
// count from its own Start, as a user comparing the two reads them.
#include <algorithm>

#include <gtest/gtest.h>

#include "engine/job_log.h"
#include "support/sim_session.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

TEST(SecondJob, CountsItsLogTimesAndItsGroupsFromItsOwnStart) {
    SimSession session;
    session.Load();
    session.AddTypicalList();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(2 * Hour));
    session.RunFor(Hour);

    const std::size_t firstJobViews = session.desktop->Taskbar().History().size();
    session.AddFiles({typical_job::C});
    const std::int64_t start = session.Now();
    session.PressStartStop();
    ASSERT_TRUE(session.RunUntilIdle(2 * Hour));

    const Lines lines = JobLogLines(session);
    const auto second = std::find_if(lines.rbegin(), lines.rend(),
                                     [](const std::string& line) { return line.starts_with(JobLogHeader); });
    ASSERT_NE(second, lines.rend());
    const Lines record(second.base(), lines.end());
    const auto stamped = std::find_if(record.begin(), record.end(),
                                      [](const std::string& line) { return line.find(" s  ") != std::string::npos; });
    ASSERT_NE(stamped, record.end());
    EXPECT_EQ(*stamped, "      0.0 s  State 1, Starting");
    EXPECT_EQ(*(stamped + 1), "      1.0 s  Group 1: 1 file, 5:00");
    EXPECT_NEAR(std::stod(record[record.size() - 2]), (session.Now() - start) / 1000.0, 1.0);

    // The first job's two groups are not counted on: no "Group 3 of 3", and the bar starts empty.
    Lines groups;
    const std::vector<TaskbarView>& history = session.desktop->Taskbar().History();
    for (auto view = history.begin() + static_cast<std::ptrdiff_t>(firstJobViews); view != history.end(); ++view) {
        const std::string group = view->tooltip.substr(0, view->tooltip.find(':'));
        if (group.starts_with("Group ") && (groups.empty() || groups.back() != group)) {
            groups.push_back(group);
            EXPECT_EQ(view->completed, 0u);
        }
    }
    EXPECT_EQ(groups, Lines{"Group 1 of 1"});
}

}  // namespace
}  // namespace velutreck
