#include "platform/numbers.h"
#include "split/splitplan.h"
#include "support/tempprogramdir.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

class SeparatorGuard
{
public:
    explicit SeparatorGuard(QChar separator) { OverrideLocaleDecimalSeparator(separator); }
    ~SeparatorGuard() { OverrideLocaleDecimalSeparator(std::nullopt); }
};

const SplitRefusal kBadSource{"Invalid File", "Please specify a valid input video file.", "edtSource"};
const SplitRefusal kBadStart{"Invalid Start Time", "Please varify the Start Time you selected.", ""};
const SplitRefusal kBadEnd{"Invalid End Time", "Please varify the End Time you selected.", ""};
const SplitRefusal kBadRange{"Invalid Time", "The End Time should be later than the Start Time.", ""};
const SplitRefusal kBadSections{"Invalid Section", "Please specify a valid section quantity.", "edtSectionQty"};
const SplitRefusal kBadProfile{"Invalid Output Path", "Please select a valid output profile.", "cmbProfile"};
const SplitRefusal kBadOutput{"Invalid Output Path", "Please specify a valid output path.", "edtOutputDir"};

class SplitPlanTest : public ::testing::Test
{
protected:
    SplitPlanTest()
    {
        program.writeFile("in/holiday.trip.mp4", "video");
        program.writeFile("Profiles/MP4.apf", "[Main]\n");
        program.makeFolder("out");
    }

    // Every check passes: a 30-second source cut from 5 to 15 seconds.
    SplitInputs validInputs() const
    {
        SplitInputs inputs;
        inputs.sourcePath = program.path("in/holiday.trip.mp4");
        inputs.startText = "00:00:05";
        inputs.endText = "00:00:15";
        inputs.mode = SplitMode::OneClip;
        inputs.sectionText = "3";
        inputs.profilePath = program.path("Profiles/MP4.apf");
        inputs.outputDir = program.path("out");
        inputs.durationMs = 30000;
        return inputs;
    }

    static SplitPlan planOf(const SplitInputs& inputs)
    {
        const auto result = SplitPlan::Make(inputs);
        if (const auto* refusal = std::get_if<SplitRefusal>(&result))
            ADD_FAILURE() << refusal->text.toStdString();
        return std::get<SplitPlan>(result);
    }

    SeparatorGuard point{QLatin1Char('.')};
    TempProgramDir program;
};

} // namespace

TEST_F(SplitPlanTest, RefusesAtTheFirstFailingCheckOrGivesThePieceCount)
{
    const QString missing = program.path("nothing-here");
    const QString aFile = program.path("in/holiday.trip.mp4");
    const QString aFolder = program.path("in");
    const struct
    {
        const char* what;
        std::function<void(SplitInputs&)> change;
        std::optional<SplitRefusal> refusal;
        int pieceCount;
    } cases[] = {
        {"all valid", [](SplitInputs&) {}, std::nullopt, 1},
        {"source missing", [&](SplitInputs& in) { in.sourcePath = missing; }, kBadSource, 0},
        {"source is a folder", [&](SplitInputs& in) { in.sourcePath = aFolder; }, kBadSource, 0},
        {"source empty", [](SplitInputs& in) { in.sourcePath.clear(); }, kBadSource, 0},
        {"start unreadable", [](SplitInputs& in) { in.startText = "5"; }, kBadStart, 0},
        {"start reads as -1", [](SplitInputs& in) { in.startText = "00:00:-1"; }, kBadStart, 0},
        {"start at the duration",
         [](SplitInputs& in) {
             in.startText = "00:00:30";
             in.endText = "00:00:40";
         },
         kBadStart, 0},
        {"start 1 ms before the duration, end beyond it",
         [](SplitInputs& in) {
             in.startText = "00:00:29.999";
             in.endText = "00:00:40";
         },
         std::nullopt, 1},
        {"start and end 0",
         [](SplitInputs& in) {
             in.startText = "00:00:00";
             in.endText = "00:00:00";
         },
         kBadEnd, 0},
        {"end unreadable", [](SplitInputs& in) { in.endText = "00:15"; }, kBadEnd, 0},
        {"end before start", [](SplitInputs& in) { in.endText = "00:00:04"; }, kBadRange, 0},
        {"end equals start", [](SplitInputs& in) { in.endText = "00:00:05"; }, kBadRange, 0},
        {"sections empty",
         [](SplitInputs& in) {
             in.mode = SplitMode::EqualSections;
             in.sectionText.clear();
         },
         kBadSections, 0},
        {"sections with letters, equal mode",
         [](SplitInputs& in) {
             in.mode = SplitMode::EqualSections;
             in.sectionText = "3x";
         },
         kBadSections, 0},
        {"sections with letters, one clip", [](SplitInputs& in) { in.sectionText = "abc"; }, std::nullopt, 1},
        {"sections 0",
         [](SplitInputs& in) {
             in.mode = SplitMode::EqualSections;
             in.sectionText = "0";
         },
         std::nullopt, 0},
        {"sections -2",
         [](SplitInputs& in) {
             in.mode = SplitMode::EqualSections;
             in.sectionText = "-2";
         },
         std::nullopt, -2},
        {"sections in hexadecimal",
         [](SplitInputs& in) {
             in.mode = SplitMode::EqualSections;
             in.sectionText = " $10";
         },
         std::nullopt, 16},
        {"profile missing", [&](SplitInputs& in) { in.profilePath = missing; }, kBadProfile, 0},
        {"profile is a folder", [&](SplitInputs& in) { in.profilePath = aFolder; }, kBadProfile, 0},
        {"output folder empty", [](SplitInputs& in) { in.outputDir.clear(); }, kBadOutput, 0},
        {"output folder missing", [&](SplitInputs& in) { in.outputDir = missing; }, kBadOutput, 0},
        {"output folder is a file", [&](SplitInputs& in) { in.outputDir = aFile; }, kBadOutput, 0},
        {"source and start both bad",
         [&](SplitInputs& in) {
             in.sourcePath = missing;
             in.startText = "x";
         },
         kBadSource, 0},
        {"end and output both bad",
         [&](SplitInputs& in) {
             in.endText = "x";
             in.outputDir = missing;
         },
         kBadEnd, 0},
    };
    for (const auto& c : cases) {
        SplitInputs inputs = validInputs();
        c.change(inputs);
        const auto result = SplitPlan::Make(inputs);
        if (c.refusal) {
            ASSERT_TRUE(std::holds_alternative<SplitRefusal>(result)) << c.what;
            EXPECT_EQ(std::get<SplitRefusal>(result), *c.refusal) << c.what;
        } else {
            ASSERT_TRUE(std::holds_alternative<SplitPlan>(result)) << c.what;
            EXPECT_EQ(std::get<SplitPlan>(result).PieceCount(), c.pieceCount) << c.what;
        }
    }
}

TEST_F(SplitPlanTest, WritesStartsAndLengthsAtFullPrecisionWithThePoint)
{
    const struct
    {
        const char* start;
        const char* end;
        SplitMode mode;
        QStringList startTexts;
        const char* lengthText;
    } cases[] = {
        {"00:00:12.25", "00:00:20", SplitMode::OneClip, {"12.25"}, "7.75"},
        {"00:00:00",
         "00:00:01",
         SplitMode::EqualSections,
         {"0", "0.333333333333333", "0.666666666666667"},
         "0.333333333333333"},
        {"00:00:00",
         "00:00:10",
         SplitMode::EqualSections,
         {"0", "3.33333333333333", "6.66666666666667"},
         "3.33333333333333"},
        {"00:01:00", "00:01:30", SplitMode::EqualSections, {"60", "70", "80"}, "10"},
    };
    for (const auto& c : cases) {
        SplitInputs inputs = validInputs();
        inputs.startText = c.start;
        inputs.endText = c.end;
        inputs.mode = c.mode;
        inputs.durationMs = 3600000;
        const SplitPlan plan = planOf(inputs);
        ASSERT_EQ(plan.PieceCount(), c.startTexts.size()) << c.start;
        for (int n = 1; n <= plan.PieceCount(); ++n)
            EXPECT_EQ(plan.startText(n, c.mode), c.startTexts[n - 1]) << c.start << " piece " << n;
        EXPECT_EQ(plan.lengthText(c.mode), QString::fromLatin1(c.lengthText)) << c.start;
    }
}

TEST_F(SplitPlanTest, ReadsTypedTimesInTheLocaleButHandsTheEncoderThePoint)
{
    SeparatorGuard comma(QLatin1Char(','));
    SplitInputs inputs = validInputs();
    inputs.startText = "00:00:12,25";
    inputs.endText = "00:00:20";
    const SplitPlan plan = planOf(inputs);
    EXPECT_EQ(plan.startText(1, SplitMode::OneClip), "12.25");
    EXPECT_EQ(plan.lengthText(SplitMode::OneClip), "7.75");
}

TEST_F(SplitPlanTest, ValuesFollowTheModeGivenForEachPiece)
{
    SplitInputs inputs = validInputs();
    inputs.mode = SplitMode::EqualSections;
    const SplitPlan plan = planOf(inputs);
    ASSERT_EQ(plan.PieceCount(), 3);
    EXPECT_EQ(plan.startText(2, SplitMode::EqualSections), "8.33333333333333");
    EXPECT_EQ(plan.processingLabel(2, SplitMode::EqualSections), "Splitting: Section 2");
    // The count stays; a switch to one clip makes every later piece the whole range.
    EXPECT_EQ(plan.startText(2, SplitMode::OneClip), "5");
    EXPECT_EQ(plan.lengthText(SplitMode::OneClip), "10");
    EXPECT_EQ(plan.processingLabel(2, SplitMode::OneClip), "Splitting: holiday.trip.mp4");
}

TEST(SplitPlanOutputPath, JoinsFolderNameClipNumberAndExtension)
{
    const struct
    {
        PathStyle style;
        const char* folder;
        const char* source;
        int n;
        const char* ext;
        const char* path;
    } cases[] = {
        {PathStyle::Windows, "D:\\out", "C:\\v\\holiday.trip.wmv", 1, ".wmv", "D:\\out\\holiday.trip_Clip1.wmv"},
        {PathStyle::Windows, "D:\\out", "C:\\v\\holiday.trip.wmv", 3, ".wmv", "D:\\out\\holiday.trip_Clip3.wmv"},
        {PathStyle::Windows, "D:\\out\\", "C:holiday.wmv", 12, ".mp4", "D:\\out\\holiday_Clip12.mp4"},
        {PathStyle::Posix, "/out", "/v/holiday.trip.wmv", 2, ".wmv", "/out/holiday.trip_Clip2.wmv"},
        {PathStyle::Posix, "/out/", "/v/a b.mp4", 1, "", "/out/a b_Clip1"},
        {PathStyle::Posix, "/out", "/v/noext", 1, ".mkv", "/out/noext_Clip1.mkv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitPlan::OutputPathFor(c.folder, c.source, c.n, c.ext, c.style), QString::fromLatin1(c.path))
            << c.path;
}
