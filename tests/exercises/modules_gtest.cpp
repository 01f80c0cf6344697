// Start-up and clean-up of the exercise modules' formula objects.
#include <gtest/gtest.h>

#include <stdexcept>

#include "exercises/modules.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"

TEST(ExerciseModules, ObjectsExistOnlyBetweenStartAndCleanUp)
{
    EXPECT_FALSE(ExerciseModulesReady());
    EXPECT_THROW(UrEquation(), std::logic_error);
    EXPECT_THROW(UrData(), std::logic_error);
    EXPECT_THROW(KzsEquation(), std::logic_error);
    EXPECT_THROW(KzsData(), std::logic_error);

    InitExerciseModules();
    ASSERT_TRUE(ExerciseModulesReady());
    // One object of each kind per window, each a new table with the built-ins.
    EXPECT_NE(&UrEquation(), &KzsEquation());
    EXPECT_NE(&UrData(), &KzsData());
    EXPECT_EQ(UrData().Names().size(), 5u);
    EXPECT_EQ(KzsData().Names().size(), 5u);
    EXPECT_EQ(UrEquation().Text(), "");

    // A second start-up keeps what the windows hold.
    UrData().AddVariable("G", "7");
    TMyPacketData* const table = &UrData();
    InitExerciseModules();
    EXPECT_EQ(&UrData(), table);
    EXPECT_EQ(UrData().Names().size(), 6u);

    DoneExerciseModules();
    EXPECT_FALSE(ExerciseModulesReady());
    EXPECT_THROW(KzsData(), std::logic_error);
    DoneExerciseModules();

    InitExerciseModules();
    EXPECT_EQ(UrData().Names().size(), 5u);
    DoneExerciseModules();
}
