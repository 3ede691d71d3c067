#pragma once

// Why a terminal operation ended without doing its work. The command line turns each kind into one
// of its exit codes; a batch of terminals reports it per terminal.
enum class FailureKind : int {
    None,               // done: changed, unchanged or read
    NoConnection,       // refused, timed out, or closed before the answer
    TerminalRefused,    // not ready, wrong password, unlock or reboot refused
    VerifyFailed,       // what the terminal holds differs from what was sent
    FileProblem,        // a file could not be read, parsed or written
    RefusedBeforeWrite, // a value that names no item, a bad new password, another terminal's file
};
