#include "engine/job_steps.h"

#include <array>

namespace velutreck {

namespace {

constexpr auto Steps = std::to_array<JobStep>({
    {"Starting", true},                       // 1
    {"Ejecting Image", true},                 // 2
    {"Deleting Temp Image", true},            // 3
    {"Starting Simple Burner", true},         // 4, only when the disc is erased
    {"Erasing MiniDisc", true},               // 5
    {"Erasing MiniDisc", false},              // 6
    {"Closing Simple Burner", true},          // 7
    {"Starting Nero", true},                  // 8
    {"Adding Files to Nero Project", true},   // 9
    {"Writing Nero Image", true},             // 10
    {"Writing Nero Image", false},            // 11
    {"Writing Nero Image", false},            // 12
    {"Closing Nero", true},                   // 13
    {"Loading Image", true},                  // 14
    {"Starting Simple Burner", true},         // 15
    {"Recording", true},                      // 16
    {"Recording", false},                     // 17
    {"Recording", false},                     // 18
    {"Closing Simple Burner", true},          // 19
    {"Ejecting Temp Image", true},            // 20
    {"Deleting Temp Image", true},            // 21
    {"Starting Simple Burner", true},         // 22
    {"Editing Disc and Track Names", true},   // 23
    {"Editing Disc and Track Names", false},  // 24
    {"Closing Simple Burner", true},          // 25
    {"Finishing", false},                     // 26: the caption goes back to the bare name
});
static_assert(Steps.size() == LastState);

}  // namespace

JobStep StepOf(Int16 state) {
    if (state < 1 || state > LastState) {
        return {"", false};
    }
    return Steps[static_cast<std::size_t>(state.Value() - 1)];
}

}  // namespace velutreck
