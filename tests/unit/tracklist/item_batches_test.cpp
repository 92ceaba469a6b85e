// Items from Explorer or the command line: the batches they make, in Explorer's order, playlists
// in their encodings and with "file:" addresses, what is skipped, how the batches enter the list and
// where the walk of a whole drive ends.
#include "tracklist/item_batches.h"

#include <gtest/gtest.h>

#include "base/utf8.h"
#include "rehearsal/desktop/sim_file_system.h"
#include "tracklist/add_items.h"
#include "tracklist/file_url.h"
#include "tracklist/list_capacity.h"
#include "tracklist/natural_order.h"
#include "unit/tracklist/list_fixture.h"

namespace velutreck {
namespace {

using Batches = std::vector<Strings>;

TEST(NaturalOrder, NumbersCompareByValueAndLettersWithoutCase) {
    const std::vector<std::pair<std::string, std::string>> ordered = {
        {"2.mp3", "10.mp3"},         {"Track 9", "track 10"},     {"a", "B"},
        {"x2y", "x10a"},             {"élan", "Étoile"},          {"Disc 1 - 2", "Disc 1 - 10"},
        {"track007.wav", "track8.wav"}, {"A", "a"},               {"song", "song 1"},
    };
    for (const auto& [before, after] : ordered) {
        EXPECT_TRUE(NaturalLess(before, after)) << before << " < " << after;
        EXPECT_FALSE(NaturalLess(after, before)) << after << " !< " << before;
    }
}

// Text as UTF-16 bytes with the byte-order mark, as some programs save playlists.
std::string Utf16WithMark(const std::string& utf8, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const auto append = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    for (const char32_t c : ToCodePoints(utf8)) {
        if (c >= 0x10000) {
            append(0xD800 + ((c - 0x10000) >> 10));
            append(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            append(c);
        }
    }
    return bytes;
}

bool GoOn(int) { return true; }

class Items : public ::testing::Test {
protected:
    struct Walked {
        Batches batches;
        std::vector<SkippedItem> skipped;
    };
    Walked Of(const Strings& items) {
        Walked walked;
        const BatchSink sink{.take = [&](const Strings& batch) { walked.batches.push_back(batch); return true; },
                             .goOn = [] { return true; },
                             .between = [](int) { return true; }};
        walked.skipped = WalkItems(items, files, sink);
        return walked;
    }
    Batches BatchesOf(const Strings& items) { return Of(items).batches; }

    SimFileSystem files;
};

TEST_F(Items, AFolderGivesItsFilesThenEachSubFolderDepthFirstInExplorersOrder) {
    for (const char* path : {"C:\\Album\\10 Ten.mp3", "C:\\Album\\2 Two.MP3", "C:\\Album\\cover.jpg",
                             "C:\\Album\\CD 10\\x.wav", "C:\\Album\\cd 2\\b.aiff", "C:\\Album\\cd 2\\Bonus\\z.wma",
                             "C:\\Album\\cd 2\\a.Wave", "C:\\Album\\Scans\\back.jpg"}) {
        files.AddFile(path, "");
    }
    EXPECT_EQ(BatchesOf({"C:\\Album\\"}),
              (Batches{{"C:\\Album\\2 Two.MP3", "C:\\Album\\10 Ten.mp3"},
                       {"C:\\Album\\cd 2\\a.Wave", "C:\\Album\\cd 2\\b.aiff"},
                       {"C:\\Album\\cd 2\\Bonus\\z.wma"},
                       {"C:\\Album\\CD 10\\x.wav"}}));
    EXPECT_TRUE(Of({"C:\\Album\\Scans"}).batches.empty());
    EXPECT_TRUE(Of({"C:\\Album\\Scans"}).skipped.empty());
}

TEST_F(Items, LooseFilesFormOneSortedBatchWhereTheFirstStandsAndPathsAreMadeFull) {
    for (const char* path : {"C:\\M\\b10.mp3", "C:\\M\\B9.mp3", "C:\\M\\a.cda", "C:\\F\\f.vqf", "C:\\P\\list.m3u",
                             "C:\\Z\\0.wav"}) {
        files.AddFile(path, "");
    }
    files.WriteFile("C:\\P\\list.m3u", "..\\M\\a.cda\n");
    EXPECT_EQ(BatchesOf({"C:\\F", "C:/M/./b10.mp3", "C:\\P\\list.m3u", "C:\\F\\..\\M\\B9.mp3", "M\\a.cda",
                         "C:\\Z\\0.wav"}),
              (Batches{{"C:\\F\\f.vqf"},
                       {"C:\\Z\\0.wav", "C:\\M\\a.cda", "C:\\M\\B9.mp3", "C:\\M\\b10.mp3"},
                       {"C:\\M\\a.cda"}}));
}

TEST_F(Items, PlaylistsTakeTheirEntriesInOrderInEitherEncoding) {
    for (const char* path : {"D:\\Lists\\Sub\\one.mp3", "D:\\Music\\two.wav", "D:\\three.aif", "E:\\four.mp3",
                             "D:\\Music\\Café.mp3", "D:\\Lists\\notes.txt"}) {
        files.AddFile(path, "");
    }
    const std::string entries = "#EXTM3U\r\n#EXTINF:123,One\r\nSub\\one.mp3\r\n\r\n  ../Music/two.wav  \r\n"
                                "\\three.aif\nE:\\four.mp3\n";
    const std::string cafeUtf8 = "D:\\Music\\Caf\xC3\xA9.mp3\n";
    const std::string cafeAnsi = "D:\\Music\\Caf\xE9.mp3\n";
    const std::string bom = "\xEF\xBB\xBF";
    const Strings expected = {"D:\\Lists\\Sub\\one.mp3", "D:\\Music\\two.wav", "D:\\three.aif", "E:\\four.mp3",
                              "D:\\Music\\Café.mp3"};
    const std::vector<std::pair<std::string, std::string>> playlists = {
        {"D:\\Lists\\utf8.m3u8", entries + cafeUtf8},
        {"D:\\Lists\\bom.m3u8", bom + entries + cafeUtf8},
        {"D:\\Lists\\utf8.M3U", entries + cafeUtf8},
        {"D:\\Lists\\bom.m3u", bom + entries + cafeUtf8},
        {"D:\\Lists\\ansi.m3u", entries + cafeAnsi},
    };
    for (const auto& [path, contents] : playlists) {
        files.AddFile(path, contents);
        const Walked found = Of({path});
        EXPECT_EQ(found.batches, Batches{expected}) << path;
        EXPECT_TRUE(found.skipped.empty()) << path;
    }

    const std::string clef = "D:\\Music\\\xF0\x9D\x84\x9E.mp3";  // a character beyond 16 bits
    files.AddFile(clef, "");
    Strings withClef = expected;
    withClef.push_back(clef);
    // A NUL ends an entry's text, and a line that begins with one names nothing (not the
    // playlist's own folder); players indent their comments.
    constexpr char Nuls[] = "\0\r\n  #EXTINF:1,x\r\n\t#x.mp3\r\nE:\\four.mp3\0junk\r\n";
    const std::string nuls(Nuls, sizeof(Nuls) - 1);
    Strings withNuls = withClef;
    withNuls.push_back("E:\\four.mp3");
    for (const bool bigEndian : {false, true}) {
        files.AddFile("D:\\Lists\\utf16.m3u", Utf16WithMark(entries + cafeUtf8 + clef + "\r\n" + nuls, bigEndian));
        const Walked found = Of({"D:\\Lists\\utf16.m3u"});
        EXPECT_EQ(found.batches, Batches{withNuls}) << bigEndian;
        EXPECT_TRUE(found.skipped.empty()) << bigEndian;
    }
}

TEST(FileAddresses, NameTheLocalFileOrShareAsWindowsReadsThemWithUtf8Escapes) {
    const SimFileSystem files;
    const std::vector<std::pair<std::string, std::string>> named = {
        {"file:///C:/Music/A%20B.mp3", "C:\\Music\\A B.mp3"},
        {"FILE:///d|/Caf%C3%a9%20%F0%9D%84%9E.mp3", "d:\\Caf\xC3\xA9 \xF0\x9D\x84\x9E.mp3"},
        {"file:///C:/Caf%E9.mp3", "C:\\Caf\xC3\xA9.mp3"},
        {"file://localhost/C:/x.mp3", "C:\\x.mp3"},
        {"file:/C:/x.mp3", "C:\\x.mp3"},
        {"file:C:/x.mp3", "C:\\x.mp3"},
        {"file://C:/x.mp3", "C:\\x.mp3"},
        {"file:///C:\\Music\\x.mp3", "C:\\Music\\x.mp3"},
        {"file:///C:/", "C:\\"},
        {"file://server/share/No%23%201.mp3", "\\\\server\\share\\No# 1.mp3"},
        {"file://localhost2/share/x.mp3", "\\\\localhost2\\share\\x.mp3"},
        {"file:////server/share/x.mp3", "\\\\server\\share\\x.mp3"},
        {"file://///server/share/x.mp3", "\\\\server\\share\\x.mp3"},
        {"file:///Music/x.mp3", "\\Music\\x.mp3"},
        {"file:///C:/100%.mp3", "C:\\100%.mp3"},
        {"file:///C:/a%2", "C:\\a%2"},
        {"file:///C:/a+b.mp3", "C:\\a+b.mp3"},
        // Each run of escapes on its own terms; literal letters as written.
        {"file:///C:/Musique/\xC3\xA9t\xC3\xA9/%E9t%E9.mp3", "C:\\Musique\\\xC3\xA9t\xC3\xA9\\\xC3\xA9t\xC3\xA9.mp3"},
        {"file:///C:/%C3%A9-%E9.mp3", "C:\\\xC3\xA9-\xC3\xA9.mp3"},
        {"file:///C:/%E9%C3%A9.mp3", "C:\\\xC3\xA9\xC3\x83\xC2\xA9.mp3"},
    };
    for (const auto& [url, path] : named) {
        EXPECT_EQ(FileUrlPath(url, files), path) << url;
    }
    // An escape cut short where the entry ends, whatever follows it in memory.
    EXPECT_EQ(FileUrlPath(std::string_view("file:///C:/a%41", 14), files), "C:\\a%4");
    for (const char* url : {"http://x/y.mp3", "files:///C:/x.mp3", "file:", "file:///", "file://server",
                            "file://server/", "file://localhost/", "file:///C:/a%00.mp3", "file:music/x.mp3"}) {
        EXPECT_EQ(FileUrlPath(url, files), std::nullopt) << url;
    }
}

TEST_F(Items, FileAddressesInPlaylistsAndDropsAreTakenAndOtherAddressesSkipped) {
    for (const char* path : {"C:\\Music\\A B.mp3", "C:\\Music\\Caf\xC3\xA9.mp3", "C:\\Music\\Sub\\c.wav"}) {
        files.AddFile(path, "");
    }
    files.AddFile("C:\\Lists\\player.m3u8", "#EXTM3U\nfile:///C:/Music/A%20B.mp3\nfile:///C:/Music/Caf%C3%A9.mp3\n"
                                              "http://radio.example/live\nfile:///C:/Music/gone.mp3\n");
    const Walked found = Of({"C:\\Lists\\player.m3u8", "file:///C:/Music/Sub/", "file://localhost/C:/Music/A%20B.mp3"});
    EXPECT_EQ(found.batches, (Batches{{"C:\\Music\\A B.mp3", "C:\\Music\\Caf\xC3\xA9.mp3"},
                                      {"C:\\Music\\Sub\\c.wav"},
                                      {"C:\\Music\\A B.mp3"}}));
    ASSERT_EQ(found.skipped.size(), 2u);
    EXPECT_EQ(found.skipped[0].name, "http://radio.example/live");
    EXPECT_EQ(found.skipped[0].reason, SkipReason::Url);
    EXPECT_EQ(found.skipped[1].name, "C:\\Music\\gone.mp3");
    EXPECT_EQ(found.skipped[1].reason, SkipReason::Missing);
}

TEST_F(Items, WhatCannotBeAddedIsSkippedAndNamedInOneMessage) {
    files.AddFile("C:\\M\\a.mp3", "");
    files.AddFile("C:\\M\\notes.txt", "");
    files.AddFile("C:\\M\\list.m3u8",
                  "a.mp3\ngone.mp3\nnotes.txt\nhttp://radio.example/stream.mp3\n..\\M\n#only a comment\n");
    const Walked found = Of({"C:\\M\\notes.txt", "C:\\M\\list.m3u8", "C:\\Nowhere", "mms://x/y",
                                  "C:\\M\\empty.m3u", "C:\\M\\a.mp3"});
    EXPECT_EQ(found.batches, (Batches{{"C:\\M\\a.mp3"}, {"C:\\M\\a.mp3"}}));

    MemoryListBox list;
    const AddItemsResult added = AddItems(list, files, {"C:\\M\\notes.txt", "C:\\M\\list.m3u8", "C:\\Nowhere",
                                                        "mms://x/y", "C:\\M\\empty.m3u", "C:\\M\\a.mp3"},
                                          false, GoOn);
    EXPECT_EQ(added.errorMessage, "");
    EXPECT_EQ(added.skippedMessage,
              "8 items were skipped:\nNot audio files: 3\nNot found: 3\nWeb addresses: 2\n\n"
              "C:\\M\\notes.txt (not an audio file)\nC:\\M\\gone.mp3 (not found)\n"
              "C:\\M\\notes.txt (not an audio file)\nhttp://radio.example/stream.mp3 (a web address)\n"
              "C:\\M (not an audio file)\nand 3 more");
    EXPECT_EQ(Entries(list), (Strings{"C:\\M\\a.mp3", "C:\\M\\a.mp3"}));
}

TEST(AddingItems, EachBatchIsAddedAsAddFilesAddsAndTheFirstThatDoesNotFitStopsTheRest) {
    SimFileSystem files;
    for (const char* path : {"C:\\A\\1.mp3", "C:\\A\\2.mp3", "C:\\B\\3.mp3", "C:\\C\\4.mp3", "C:\\C\\5.mp3"}) {
        files.AddFile(path, "");
    }
    MemoryListBox list;
    Fill(list, {"old"});
    EXPECT_EQ(AddItems(list, files, {"C:\\A", "C:\\B"}, true, GoOn).errorMessage, "");
    EXPECT_EQ(Entries(list), (Strings{"old", Marker, "C:\\A\\1.mp3", "C:\\A\\2.mp3", Marker, "C:\\B\\3.mp3"}));

    MemoryListBox nearlyFull;
    Fill(nearlyFull, Strings(32763, "E"));
    const AddItemsResult result = AddItems(nearlyFull, files, {"C:\\B", "C:\\C", "C:\\A\\1.mp3"}, true, GoOn);
    EXPECT_EQ(result.errorMessage, "Error: The files from \"C:\\C\\4.mp3\" on do not fit into the track list: "
                                   "it holds at most 32,767 entries.");
    EXPECT_EQ(nearlyFull.Count(), 32765);
    EXPECT_EQ(nearlyFull.Entry(32764), "C:\\B\\3.mp3");
}

// Lists the folders as the walk asks for them.
class WatchedFileSystem : public SimFileSystem {
public:
    FolderListing ListFolder(const std::string& path) const override {
        listed.push_back(path);
        return SimFileSystem::ListFolder(path);
    }
    mutable Strings listed;
};

TEST(AddingItems, TheWalkOfADroppedDriveEndsWhereTheListIsFullAndAnswersBeforeEachStep) {
    WatchedFileSystem files;
    for (const char* path : {"D:\\A\\1.mp3", "D:\\A\\2.mp3", "D:\\B\\1.mp3", "D:\\B\\2.mp3", "D:\\B\\3.mp3",
                             "D:\\C\\1.mp3", "D:\\D\\1.mp3", "C:\\loose.mp3"}) {
        files.AddFile(path, "");
    }
    std::vector<int> steps;
    const auto step = [&](int found) {
        steps.push_back(found);
        return true;
    };

    // A and B leave room for one entry, too little for a file and its marker: the walk ends before
    // C is listed.
    MemoryListBox filled;
    Fill(filled, Strings(32759, "E"));
    const AddItemsResult full = AddItems(filled, files, {"D:\\", "C:\\loose.mp3"}, true, step);
    EXPECT_EQ(full.errorMessage, "Error: " + std::string(FullListText));
    EXPECT_EQ(filled.Count(), 32766);
    EXPECT_EQ(filled.Entry(32765), "D:\\B\\3.mp3");
    EXPECT_EQ(files.listed, (Strings{"D:\\", "D:\\A", "D:\\B"}));
    // Before each item, then before D:\, A, B, and C, which is not listed, with the files found so far.
    EXPECT_EQ(steps, (std::vector<int>{0, 0, 1, 1, 3, 6}));

    // B does not fit: the walk ends there, and nothing after it is added.
    files.listed.clear();
    MemoryListBox nearlyFull;
    Fill(nearlyFull, Strings(32761, "E"));
    const AddItemsResult refused = AddItems(nearlyFull, files, {"D:\\", "C:\\loose.mp3"}, true, step);
    EXPECT_EQ(refused.errorMessage, "Error: The files from \"D:\\B\\1.mp3\" on do not fit into the track list: "
                                    "it holds at most 32,767 entries.");
    EXPECT_EQ(nearlyFull.Count(), 32764);
    EXPECT_EQ(files.listed, (Strings{"D:\\", "D:\\A", "D:\\B"}));
}

TEST(AddingItems, AWalkTheUserStopsKeepsTheBatchesAddedBeforeAndReportsWhatItSkippedUpToThere) {
    SimFileSystem files;
    files.AddFile("C:\\Album\\1.mp3", "");
    Strings entries;
    for (int i = 0; i < 10; ++i) {
        files.AddFile("C:\\Long\\" + std::to_string(i) + ".mp3", "");
        entries.push_back(i == 1 ? "gone.mp3" : std::to_string(i) + ".mp3");
    }
    std::string playlist;
    for (const std::string& entry : entries) {
        playlist += entry + "\n";
    }
    files.AddFile("C:\\Long\\list.m3u", playlist);
    MemoryListBox list;
    int steps = 0;
    const AddItemsResult stopped = AddItems(list, files, {"C:\\Album", "C:\\Long\\list.m3u", "C:\\Album"}, false,
                                            [&](int) { return ++steps < 8; });
    EXPECT_EQ(steps, 8);  // three items, the folder, four entries
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Entry(0), "C:\\Album\\1.mp3");
    EXPECT_EQ(stopped.errorMessage, "");
    EXPECT_EQ(stopped.skippedMessage, "1 item was skipped:\nNot found: 1\n\nC:\\Long\\gone.mp3 (not found)");
}

}  // namespace
}  // namespace velutreck
