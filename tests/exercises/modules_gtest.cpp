// Start-up and clean-up of the exercise modules' formula objects.
#include <gtest/gtest.h>

#include <stdexcept>

#include "exercises/modules.h"
#include "formula/packetdata.h"
#include "formula/packetequation.h"

TEST(ExerciseModules, ObjectsExistOnlyBetweenStartAndCleanUp)
{
    EXPECT_FALSE(exerciseModulesReady());
    EXPECT_THROW(urEquation(), std::logic_error);
    EXPECT_THROW(urData(), std::logic_error);
    EXPECT_THROW(kzsEquation(), std::logic_error);
    EXPECT_THROW(kzsData(), std::logic_error);

    initExerciseModules();
    ASSERT_TRUE(exerciseModulesReady());
    // One object of each kind per window, each a new table with the built-ins.
    EXPECT_NE(&urEquation(), &kzsEquation());
    EXPECT_NE(&urData(), &kzsData());
    EXPECT_EQ(urData().Names().size(), 5u);
    EXPECT_EQ(kzsData().Names().size(), 5u);
    EXPECT_EQ(urEquation().Text(), "");

    // A second start-up keeps what the windows hold.
    urData().AddVariable("G", "7");
    TMyPacketData* const table = &urData();
    initExerciseModules();
    EXPECT_EQ(&urData(), table);
    EXPECT_EQ(urData().Names().size(), 6u);

    doneExerciseModules();
    EXPECT_FALSE(exerciseModulesReady());
    EXPECT_THROW(kzsData(), std::logic_error);
    doneExerciseModules();

    initExerciseModules();
    EXPECT_EQ(urData().Names().size(), 5u);
    doneExerciseModules();
}
