#pragma once

// The exit codes of qz17-cli; each failure has its own.
namespace ExitCode {
constexpr int Ok = 0;
constexpr int Differ = 1;        // diff: the files differ
constexpr int Usage = 2;         // unknown command, missing or wrong argument
constexpr int File = 3;          // a file cannot be opened, read, used or saved
constexpr int Port = 4;          // the port cannot be opened
constexpr int Radio = 5;         // no answer, or a wrong one, from the radio
constexpr int Model = 6;         // wrong model, or a related one without --force
constexpr int Verify = 7;        // what was read back differs from what was written
constexpr int Declined = 8;      // import-csv: the import was not confirmed
constexpr int Interrupted = 130; // Ctrl+C or SIGTERM
} // namespace ExitCode
