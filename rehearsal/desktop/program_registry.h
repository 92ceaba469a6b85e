// The programs installed on the simulated desktop and the document types associated with them:
// which stand-in a command line or the shell's "open" starts, and with what argument text.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "rehearsal/standins/stand_in.h"

namespace velutreck {

struct ProgramLaunch {
    std::string program;    // the installed path, as installed
    std::string arguments;
};

class ProgramRegistry {
public:
    void Install(const std::string& path, StandInFactory factory);
    // extension with its dot, e.g. ".nra"
    void Associate(const std::string& extension, const std::string& programPath);

    // A command line read as Windows reads it: a quoted program path up to its closing quote;
    // otherwise each text before a space in turn, shortest first, with ".exe" added when it has no
    // extension, until one is an installed program whose file exists ("C:\Program Files\A B.exe"
    // starts C:\Program.exe when there is one). The text after the program is the argument text.
    std::optional<ProgramLaunch> FromCommandLine(const std::string& commandLine, const FileSystem& files) const;
    // The installed program at exactly that path, without arguments.
    std::optional<ProgramLaunch> Exactly(const std::string& path) const;
    // The shell's "open": a program is started with the parameters; an existing document of an
    // associated type starts its program with the document's path.
    std::optional<ProgramLaunch> FromShellOpen(const std::string& file, const std::string& parameters,
                                               const FileSystem& files) const;
    const StandInFactory& Factory(const std::string& programPath) const;

private:
    struct Program {
        std::string path;
        StandInFactory factory;
    };

    std::map<std::string, Program> programs_;          // by folded path
    std::map<std::string, std::string> associations_;  // folded extension -> program path
};

}  // namespace velutreck
