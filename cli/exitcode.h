#pragma once

#include "link/failurekind.h"

// The categories a terminal operation ends in. The command line exits with these values; a batch
// of terminals reports them per terminal.
enum class ExitCode : int {
    Success = 0,            // changed or unchanged; for a comparison, equal
    Differences = 1,        // a comparison found differences
    Usage = 2,              // the command line itself is wrong
    NoConnection = 3,       // refused, timed out, or closed before the answer
    TerminalRefused = 4,    // not ready, wrong password, unlock or reboot refused
    VerifyFailed = 5,       // what the terminal holds differs from what was sent
    FileProblem = 6,        // a file could not be read, parsed or written
    RefusedBeforeWrite = 7, // a value that names no item, a bad new password, another terminal's file
    SomeFailed = 8,         // a batch in which some terminals failed (each result says why)
};

// The exit code of a terminal operation that ended this way.
constexpr ExitCode exitCodeOf(FailureKind kind)
{
    switch (kind) {
    case FailureKind::None:
        return ExitCode::Success;
    case FailureKind::NoConnection:
        return ExitCode::NoConnection;
    case FailureKind::TerminalRefused:
        return ExitCode::TerminalRefused;
    case FailureKind::VerifyFailed:
        return ExitCode::VerifyFailed;
    case FailureKind::FileProblem:
        return ExitCode::FileProblem;
    case FailureKind::RefusedBeforeWrite:
        return ExitCode::RefusedBeforeWrite;
    }
    return ExitCode::NoConnection;
}
