#include <gtest/gtest.h>

#include "drivers/modNeroImageDrive.h"
#include "drivers/modNetMDSimpleBurner.h"
#include "drivers/temp_image.h"
#include "drivers_desktop.h"
#include "rehearsal/standins/cd_image.h"
#include "rehearsal/standins/simple_burner_stand_in.h"

namespace velutreck {
namespace {

using Lines = std::vector<std::string>;

// Long enough for Simple Burner to read the disc before it is given anything to do.
constexpr int SimpleBurnerPause = 15;

class SimpleBurnerOnDesktop : public DriversOnDesktop {
protected:
    void StartSimpleBurner() {
        Tick([&] { SimpleBurnerStart(context); });
        Wait(SimpleBurnerPause);
    }
    void Erase() {
        StartSimpleBurner();
        SimpleBurnerClickAllErase(context);
        Wait(3);
        Tick([&] { SimpleBurnerConfirmErase(context); });
        Wait(SimpleBurnerPause);
        SimpleBurnerClose(context);
        Wait(1);
    }
    // The group's image as Nero would have written it, mounted in ImageDrive, recorded, released.
    void Record(const Lines& files, Int16 compression) {
        const std::string image = TempImagePath(window.tempFolder);
        std::vector<CdImageTrack> tracks;
        for (const std::string& file : files) {
            tracks.push_back({file, std::nullopt});
        }
        const AudioImage written = CdImage(tracks);
        desktop->Files().WriteFileAfterZeros(image, written.silence, written.chunks);
        ImageDriveLoad(context);
        Wait(2);
        window.compression = compression;
        StartSimpleBurner();
        Tick([&] { SimpleBurnerSetCompression(context); });
        Wait(1);
        SimpleBurnerStartRecording(context);
        ASSERT_TRUE(PollUntil([&] { return SimpleBurnerRecordingComplete(context); }));
        Wait(SimpleBurnerPause);
        SimpleBurnerClose(context);
        ImageDriveEject(context);
        Wait(2);
        desktop->Files().DeleteFile(image);
    }
    void Name() {
        StartSimpleBurner();
        Tick([&] { SimpleBurnerNameDisc(context); });
        Wait(1);
        Tick([&] { SimpleBurnerNameTracks(context); });
        SimpleBurnerClose(context);
        Wait(1);
    }
};

DiscGroup Untitled(const Lines& sources) {
    DiscGroup group;
    for (const std::string& source : sources) {
        group.tracks.push_back({.title = "", .source = source, .mode = "LP2"});
    }
    return group;
}

Lines Sources(const DiscGroup& group) {
    Lines sources;
    for (const DiscTrack& track : group.tracks) {
        sources.push_back(track.source + " " + track.mode);
    }
    return sources;
}

TEST_F(SimpleBurnerOnDesktop, TheDiscIsErasedThenTakesOneGroupPerRecordingAtTheChosenMode) {
    const Lines& music = standard_desktop::MusicFiles();
    desktop->Disc() = MiniDisc{.title = "Old", .groups = {Untitled({"C:\\Old\\X.mp3", "C:\\Old\\Y.mp3"})}};
    Erase();
    EXPECT_EQ(desktop->Disc(), MiniDisc{});
    EXPECT_FALSE(Showing(SimpleBurnerTitle));

    Record({music[0], music[1]}, 0);
    Record({music[2]}, 1);
    Record({music[3]}, 0);
    const MiniDisc& disc = desktop->Disc();
    ASSERT_EQ(disc.groups.size(), 3u);
    EXPECT_EQ(Sources(disc.groups[0]), (Lines{music[0] + " LP2", music[1] + " LP2"}));
    EXPECT_EQ(Sources(disc.groups[1]), (Lines{music[2] + " LP4"}));
    EXPECT_EQ(Sources(disc.groups[2]), (Lines{music[3] + " LP2"}));
    EXPECT_FALSE(Showing(SimpleBurnerTitle));
    EXPECT_EQ(StrayKeys(), Lines{});
}

TEST_F(SimpleBurnerOnDesktop, TheDiscNameAndEveryTrackNameEndOnTheirRows) {
    desktop->Disc() = MiniDisc{.title = "Old name", .groups = {Untitled({"a", "b"}), Untitled({"c"})}};
    window.discName = "Mix (2003) + more";
    // A group's first name twice: once for its header row, once for its first track.
    window.trackNames = {"Intro", "Intro", "50% + {more}", "Coda~", "Coda~"};
    Name();
    EXPECT_EQ(desktop->Disc().title, "Mix (2003) + more");
    EXPECT_EQ(RowTitles(desktop->Disc()), window.trackNames);
    EXPECT_FALSE(Showing(SimpleBurnerTitle));
    EXPECT_EQ(StrayKeys(), Lines{});
}

}  // namespace
}  // namespace velutreck
