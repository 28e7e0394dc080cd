#include "app/desktop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace quorvant {
namespace {

using ::quorvant::testing::TempFolder;
using ::quorvant::testing::WriteFile;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(InvocationFor, SplitsTheTailAtBlanks) {
    TempFolder temp;
    WriteFile(temp / "hl.exe", "#!/bin/sh\n");
    std::filesystem::permissions(temp / "hl.exe", std::filesystem::perms::owner_all);
    const ProgramInvocation invocation = InvocationFor(
        {temp.str(), temp / "hl.exe", " -console  -game cstrike +map de_dust"}, "/usr/bin/wine");
    EXPECT_EQ(invocation.program, temp / "hl.exe");
    EXPECT_THAT(invocation.arguments,
                ElementsAre("-console", "-game", "cstrike", "+map", "de_dust"));
    EXPECT_THAT(InvocationFor({temp.str(), temp / "hl.exe", ""}, "").arguments, IsEmpty());
}

TEST(InvocationFor, RunsAWindowsProgramThroughWineWhenThereIsOne) {
    TempFolder temp;
    WriteFile(temp / "HL.EXE", "MZ");
    std::filesystem::permissions(
        temp / "HL.EXE", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const ProgramInvocation throughWine =
        InvocationFor({temp.str(), temp / "HL.EXE", " -game valve"}, "/usr/bin/wine");
    EXPECT_EQ(throughWine.program, "/usr/bin/wine");
    EXPECT_THAT(throughWine.arguments, ElementsAre(temp / "HL.EXE", "-game", "valve"));
    const ProgramInvocation withoutWine =
        InvocationFor({temp.str(), temp / "HL.EXE", " -game valve"}, "");
    EXPECT_EQ(withoutWine.program, temp / "HL.EXE");
}

}  // namespace
}  // namespace quorvant
