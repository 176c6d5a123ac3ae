#pragma once

namespace zf {

// The requests that pass between the Go List window (the interpreter), the
// drawing window (the robot) and the status line, with their numbers kept as
// they were; the core makes them plain calls.
enum class RunRequest : int {
    EndRun = 1284,
    Run = 1300,
    Continue = 1301,
    Stop = 1302,
    Step = 1303,
    Reset = 1305,
    StartCheck = 1344,
    Next = 1345,
    Execute = 1346,
    Rewind = 1347,
    Do = 1360,
    Finished = 1361,
    ShowInstruction = 1408,
    Resume = 1505,
};

} // namespace zf
