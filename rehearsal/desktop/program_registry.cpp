#include "rehearsal/desktop/program_registry.h"

#include <stdexcept>

#include "rehearsal/desktop/sim_text.h"

namespace velutreck {

namespace {

// ".nra" for "C:\Audio\Empty.nra"; empty when the file name has no dot.
std::string ExtensionOf(const std::string& path) {
    const auto slash = path.rfind('\\');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    return FoldCase(path.substr(dot));
}

}  // namespace

void ProgramRegistry::Install(const std::string& path, StandInFactory factory) {
    programs_[FoldCase(path)] = Program{path, std::move(factory)};
}

void ProgramRegistry::Associate(const std::string& extension, const std::string& programPath) {
    associations_[FoldCase(extension)] = programPath;
}

std::optional<ProgramLaunch> ProgramRegistry::FromCommandLine(const std::string& commandLine,
                                                              const FileSystem& files) const {
    // The text after the space that ends the program.
    const auto argumentsAfter = [&](std::size_t end) {
        return end + 1 < commandLine.size() ? commandLine.substr(end + 1) : std::string();
    };
    if (commandLine.starts_with('"')) {
        const std::size_t close = commandLine.find('"', 1);
        const std::optional<ProgramLaunch> program = Exactly(commandLine.substr(1, close - 1));
        if (!program || close == std::string::npos) {
            return std::nullopt;
        }
        return ProgramLaunch{program->program, argumentsAfter(close + 1)};
    }
    for (std::size_t end = commandLine.find(' ');; end = commandLine.find(' ', end + 1)) {
        std::string candidate = commandLine.substr(0, end);
        if (ExtensionOf(candidate).empty()) {
            candidate += ".exe";
        }
        const std::optional<ProgramLaunch> program = Exactly(candidate);
        if (program && files.FileExists(program->program)) {
            return ProgramLaunch{program->program, end == std::string::npos ? std::string() : argumentsAfter(end)};
        }
        if (end == std::string::npos) {
            return std::nullopt;
        }
    }
}

std::optional<ProgramLaunch> ProgramRegistry::Exactly(const std::string& path) const {
    const auto program = programs_.find(FoldCase(path));
    if (program == programs_.end()) {
        return std::nullopt;
    }
    return ProgramLaunch{program->second.path, ""};
}

std::optional<ProgramLaunch> ProgramRegistry::FromShellOpen(const std::string& file, const std::string& parameters,
                                                            const FileSystem& files) const {
    const auto program = programs_.find(FoldCase(file));
    if (program != programs_.end()) {
        return ProgramLaunch{program->second.path, parameters};
    }
    const auto association = associations_.find(ExtensionOf(file));
    if (association != associations_.end() && programs_.contains(FoldCase(association->second)) &&
        files.FileExists(file)) {
        return ProgramLaunch{association->second, file};
    }
    return std::nullopt;
}

const StandInFactory& ProgramRegistry::Factory(const std::string& programPath) const {
    const auto program = programs_.find(FoldCase(programPath));
    if (program == programs_.end()) {
        throw std::out_of_range("No program is installed at " + programPath);
    }
    return program->second.factory;
}

}  // namespace velutreck
