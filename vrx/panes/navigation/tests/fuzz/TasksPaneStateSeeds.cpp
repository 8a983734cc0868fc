// Writes the seeds of the tasks pane state harness with the pane's own
// writer: tasks_pane_state_seeds <corpus root> makes
// <corpus root>/tasks_pane_state_fuzz/<seed>.
#include "panes/navigation/CVrxPTasksPaneState.h"
#include "foundation/tests/fuzz/SeedFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void Write(const std::string& root, const char* seed, const CVrxPTasksPaneState& state)
{
    std::vector<BYTE> bytes;
    if (!state.Write(bytes))
        std::exit(1);
    WriteSeedFile(root, "tasks_pane_state_fuzz", seed, bytes);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: tasks_pane_state_seeds <corpus root>\n");
        return 2;
    }
    const std::string root = argv[1];
    CVrxPTasksPaneState state;
    state.pageNames = {"Tasks Pane"};
    state.caption = "Tasks Pane";
    Write(root, "one-page", state);
    state.alignment = 0x1000;
    state.metrics = {12, 12, 15, 25, 13, 7, 12, 5, 4};
    state.page = 2;
    state.pageNames = {"Tasks", "Find", "Help"};
    Write(root, "three-pages", state);
    return 0;
}
