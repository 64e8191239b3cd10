// The usage of vantoki-cli: the help it prints, and what it says when a command line does not fit
// that usage. A misfit is told in one line naming the word that does not fit, or what is missing,
// so the user need not compare the whole usage with what they typed.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <string_view>

namespace vantoki::cli {

// Printed after the line that says what is wrong with a command line.
constexpr std::string_view kHelpHint = "Try 'vantoki-cli --help' for the usage.\n";

// The synopsis, each command of `program` with its description, and the meaning of what the
// commands take and print.
std::string helpText(const CLI::App& program);

// What is wrong with the command line that `program` refused with `error`, as one line: an
// unknown command or option, an argument too many, an argument or a value missing.
std::string whatIsWrong(const CLI::App& program, const CLI::ParseError& error);

}  // namespace vantoki::cli
