// What a hosted program was started with: the text that followed its path on the command line,
// and the settings that tests hand down through the environment.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velutreck {

// The text after the program's path, as typed: the path may be quoted, or bare even with spaces
// in it (CreateProcess finds the program that way); letter case in the path does not matter.
std::string ProgramArguments(std::string_view commandLine, std::string_view programPath);
// The text without one pair of double quotes around it, as the shell passes a document ("%1").
std::string Unquoted(const std::string& text);

// This process's command line, after its own path.
std::string CommandLineArguments();
// An environment variable's value; none when it is not set.
std::optional<std::string> EnvironmentValue(const std::string& name);

}  // namespace velutreck
