// The state the hosted stand-ins share between runs: the MiniDisc survives its file whatever its
// titles hold, a damaged file is refused, and readers never stop a writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "base/failure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "rehearsal/hosts/disc_text.h"
#include "rehearsal/hosts/stand_in_state.h"

namespace velutreck {
namespace {

TEST(DiscTextTest, ADiscSurvivesItsFileWhateverItsTitlesHoldAndADamagedFileIsRefusedRatherThanTakenForAnEmptyDisc) {
    const MiniDisc disc{
        .title = "Mix\t(2003)\\\n",
        .groups = {
            {.title = "Café ~ Live", .tracks = {{"One\r\nTwo", "C:\\Music\\01\tOne.wav", "LP4"}, {"", "", "LP2"}}},
            {.title = "", .tracks = {}},
            {.title = "\\t", .tracks = {{"\\", "C:\\x.wav", "LP2"}}},
        }};
    EXPECT_EQ(ParseDiscText(DiscText(disc)), disc);
    EXPECT_EQ(ParseDiscText(DiscText(MiniDisc())), MiniDisc());

    const std::string head = "Velutreck stand-in MiniDisc\n";
    for (const std::string& damaged :
         {std::string(), std::string("a disc"), head, head + "group\tG\n", head + "disc\tT\ntrack\tLP2\tt\tC:\\a.wav\n",
          head + "disc\tT\ngroup\tG\ntrack\tLP2\tt\n", head + "disc\tT\ndisc\tU\n", head + "disc\tT\\x\n",
          head + "disc\tT\\\n", head + "disc\tT\nsomething\n"}) {
        EXPECT_THROW(ParseDiscText(damaged), Failure) << damaged;
    }
}

TEST(StandInStateTest, AProgramWritingTheDiscWaitsForAnotherToFinishReadingIt) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"VelutreckStateTest";
    std::filesystem::remove_all(folder);
    StandInState state(Narrow(folder.wstring()));
    state.WriteDisc(MiniDisc{.title = "Before", .groups = {}});
    HANDLE reader = CreateFileW(Widen(state.DiscFile()).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread finishReading([reader] {
        Sleep(300);
        CloseHandle(reader);
    });
    EXPECT_NO_THROW(state.WriteDisc(MiniDisc{.title = "After", .groups = {}}));
    finishReading.join();
    EXPECT_EQ(state.ReadDisc().title, "After");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velutreck
